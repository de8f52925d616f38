// The seam between the dialog framework and a toolkit. The framework's classes keep every rule
// of their own (data exchange, prompts, page notifications, the dialogs' defaults) and reach the
// toolkit only through what this header declares. Each backend folder implements all of it:
// qt/ over Qt Widgets, win32/ over the system's dialog manager and common controls; the build
// links exactly one.
//
// Ids are the template's control ids; texts are UTF-8. A call about an id the window does not
// have does nothing and reads as empty, 0 or false.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "algorithm/calendar_date.h"

namespace lunda {

class CDialog;
class CPropertySheet;
struct DialogTemplate;
struct MessageBoxRequest;

// What a native window reports to its dialog (CDialog::HandleEvent).
struct WindowEvent {
  enum class Kind {
    kCommand,      // a click on a button, radio button or check box; Enter and Esc as 1 and 2
    kFocusIn,      // an edit, list or combo box received the focus
    kSelChange,    // a list box's selection changed by the user
    kDoubleClick,  // a double click on a list box row
    kTimer,        // a timer of the dialog elapsed
    kClose,        // the close box, Alt+F4 or the window menu's Close
    kSysCommand,   // an entry of the window menu that the dialog added
  };
  Kind kind;
  int id;
};

// One native dialog window and its controls.
class DialogWindow {
 public:
  virtual ~DialogWindow() = default;

  // Makes the window and its controls from the template, calls the dialog's HandleInitDialog
  // and, unless modal, returns at once; a modal run returns the result given to End. The
  // owner is disabled while a modal window runs. -1 (or false) when the window cannot be made.
  virtual int RunModal(const DialogTemplate& dialogTemplate, CDialog* owner) = 0;
  [[nodiscard]] virtual bool CreateModeless(const DialogTemplate& dialogTemplate,
                                            CDialog* owner) = 0;
  // Ends a modal run with that result, or hides a modeless window.
  virtual void End(int result) = 0;
  [[nodiscard]] virtual bool Exists() const = 0;
  [[nodiscard]] virtual bool IsVisible() const = 0;
  [[nodiscard]] virtual std::string Caption() const = 0;

  // Any control: the text it shows (an edit's content, a caption, a combo box's selected item).
  [[nodiscard]] virtual bool HasControl(int id) const = 0;
  [[nodiscard]] virtual std::string Text(int id) const = 0;
  // Changes the text without reporting anything to the dialog.
  virtual void SetText(int id, std::string_view text) = 0;
  [[nodiscard]] virtual bool IsEnabled(int id) const = 0;
  virtual void Enable(int id, bool enable) = 0;
  [[nodiscard]] virtual bool IsChecked(int id) const = 0;
  virtual void SetChecked(int id, bool checked) = 0;
  // The focused control of this window, or 0 when the focus is elsewhere.
  [[nodiscard]] virtual int FocusId() const = 0;
  virtual void Focus(int id) = 0;
  // Selects an edit's whole text.
  virtual void SelectText(int id) = 0;

  // List box rows and combo box items; the selection is -1 when there is none.
  [[nodiscard]] virtual int ItemCount(int id) const = 0;
  [[nodiscard]] virtual std::string ItemText(int id, int index) const = 0;
  virtual void InsertItem(int id, int index, std::string_view text) = 0;
  virtual void DeleteItem(int id, int index) = 0;
  [[nodiscard]] virtual int Selection(int id) const = 0;
  virtual void Select(int id, int index) = 0;

  // Up-down controls and progress bars.
  virtual void SetRange(int id, int lower, int upper) = 0;
  [[nodiscard]] virtual int Position(int id) const = 0;
  virtual void SetPosition(int id, int position) = 0;
  virtual void SetBuddy(int upDownId, int buddyId) = 0;

  // Date pickers: the date shown, nothing when the picker has none.
  [[nodiscard]] virtual std::optional<CalendarDate> Date(int id) const = 0;
  virtual void SetDate(int id, const CalendarDate& date) = 0;
  virtual void SetDateRange(int id, const CalendarDate& first, const CalendarDate& last) = 0;

  // Timers report kTimer with their id until stopped.
  virtual void StartTimer(int id, int periodMs) = 0;
  virtual void StopTimer(int id) = 0;
  // A tip for the control, at most kToolTipMaxWidth pixels wide, shown for kToolTipDisplayMs.
  virtual void AddToolTip(int id, std::string_view text) = 0;
  // A separator and an entry at the end of the window menu, reported as kSysCommand.
  virtual void AppendWindowMenuItem(int command, std::string_view text) = 0;
  // The window's icon, from the application's icon resources.
  virtual void SetIcon(int resourceId) = 0;
  // Draws the control again (an owner-drawn list after its rows' data changed).
  virtual void Redraw(int id) = 0;
};

// A property sheet: its own buttons are controls 1, 2, 9 and kIdApplyNow of the DialogWindow
// part; the pages are CPropertyPage objects whose windows the sheet creates when first shown.
class SheetWindow : public virtual DialogWindow {
 public:
  [[nodiscard]] virtual int ActivePage() const = 0;
  // Leaves the active page (which may refuse) and shows the page at index.
  virtual bool SetActivePage(int index) = 0;
  virtual void SetTabText(int index, std::string_view text) = 0;
  // Enables Apply while any page has reported itself changed.
  virtual void PageChanged(int index, bool changed) = 0;
};

[[nodiscard]] std::unique_ptr<DialogWindow> CreateDialogWindow(CDialog& dialog);
[[nodiscard]] std::unique_ptr<SheetWindow> CreateSheetWindow(CPropertySheet& sheet);

// A modal box with one OK button; returns 1 (IDOK).
int ShowNativeMessageBox(const MessageBoxRequest& request);

}  // namespace lunda
