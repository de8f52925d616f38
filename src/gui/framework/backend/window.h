// The seam, windows: what a backend provides for a dialog's window, and what it reports back to
// the dialog. The rules (what a key, a click or a page change means) are the framework's: a
// backend reports what the user did to its WindowHost and carries out what it is told. Each
// backend folder (qt/, win32/, headless/) implements this header, control.h and services.h; its
// README says where it differs.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "gui/framework/backend/control.h"
#include "gui/framework/dialog_template.h"

namespace lunda {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;

  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The system's colours, as the backend's platform has them.
enum class SystemColor { kWindow, kWindowText, kHighlight, kHighlightText };

// One row of an owner-drawn list as the backend paints it: the row filled with fill, then text
// on one line, left-aligned and vertically centred, clipped to the row, '&' underlining the
// character after it. No focus rectangle.
struct RowPainting {
  std::string text;
  SystemColor fill = SystemColor::kWindow;
  std::variant<SystemColor, Rgb> textColor = SystemColor::kWindowText;
};

// What the user did, as the window reports it.
struct UserAction {
  enum class Kind {
    kCommand,      // a click on a push button, radio button or check box
    kFocusIn,      // an edit, list or combo box received the focus
    kSelChange,    // the user changed a list box's row or a tab control's tab
    kDoubleClick,  // a double click on a list box row
    kTimer,        // a timer of the window elapsed
    kClose,        // the close box, Alt+F4 or the window menu's Close
    kWindowMenu,   // an entry the dialog added to the window menu, by its command
  };
  Kind kind;
  int id;
};

// The keys a dialog answers itself: Enter, Esc and F1 pressed alone, and the page keys,
// Ctrl+Tab or Ctrl+PageDown (kNextPage) and Ctrl+Shift+Tab or Ctrl+PageUp (kPreviousPage).
enum class DialogKey { kEnter, kEscape, kF1, kNextPage, kPreviousPage };

// The dialog behind a window (CDialog): the backend's only way to report.
class WindowHost {
 public:
  // The controls exist; the dialog initialises them and may move the focus.
  virtual void InitDialog() = 0;
  virtual void Act(const UserAction& action) = 0;
  // False when the key is the focused control's own (Enter in an edit that keeps it).
  virtual bool PressKey(DialogKey key) = 0;
  // An up-down is about to step by delta; false keeps its position.
  virtual bool MayStep(int upDownId, int delta) = 0;
  // A combo box is about to drop its list down; false keeps it closed.
  virtual bool MayDropDown(int comboId) = 0;
  // How to paint a row of an owner-drawn list; nothing paints nothing.
  [[nodiscard]] virtual std::optional<RowPainting> PaintRow(int listId, int row, bool selected) = 0;
  // The command Enter runs when the focused control does not take it.
  [[nodiscard]] virtual int DefaultCommand() const = 0;

 protected:
  ~WindowHost() = default;
};

// One native window with its controls.
class DialogWindow {
 public:
  virtual ~DialogWindow() = default;

  // A top-level window, hidden, owned by owner (or by none). Calls InitDialog once its controls
  // exist; false when it cannot be made.
  [[nodiscard]] virtual bool Create(const DialogTemplate& dialogTemplate, DialogWindow* owner) = 0;
  // A page: a hidden child of parent filling area (in parent's dialog units), above parent's
  // controls and first in its tab order. Calls InitDialog as Create does.
  [[nodiscard]] virtual bool CreatePage(const DialogTemplate& dialogTemplate, DialogWindow& parent,
                                        const UnitRect& area) = 0;
  // Makes the window as Create does and runs it modally, its owner disabled, until EndModal;
  // returns EndModal's result, or -1 when the window cannot be made.
  virtual int RunModal(const DialogTemplate& dialogTemplate, DialogWindow* owner) = 0;
  virtual void EndModal(int result) = 0;
  virtual void Destroy() = 0;
  [[nodiscard]] virtual bool Exists() const = 0;
  virtual void Show(bool show) = 0;
  [[nodiscard]] virtual bool IsVisible() const = 0;
  [[nodiscard]] virtual std::string Caption() const = 0;

  // The control with that id, or null (also for -1, the unnamed statics).
  [[nodiscard]] virtual Control* Find(int id) = 0;
  // The control of this window that has the keyboard focus, or 0.
  [[nodiscard]] virtual int FocusId() const = 0;
  // Timers report kTimer with their id until stopped.
  virtual void StartTimer(int id, int periodMs) = 0;
  virtual void StopTimer(int id) = 0;
  // A separator and an entry at the end of the window menu, reported as kWindowMenu.
  virtual void AppendWindowMenuItem(int command, std::string_view text) = 0;
  // The window's icon, from the application's icon resources.
  virtual void SetIcon(int resourceId) = 0;
};

[[nodiscard]] std::unique_ptr<DialogWindow> CreateDialogWindow(WindowHost& host);

}  // namespace lunda
