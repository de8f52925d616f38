// CDialog: a dialog built from a template, with data exchange and the classic dialog rules.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "gui/framework/backend/window.h"
#include "gui/framework/dialog_ids.h"
#include "gui/framework/dialog_template.h"
#include "gui/framework/list_box.h"

namespace lunda {

class DataExchange;

// Base of every dialog. A subclass names its template id, moves its fields in DoDataExchange and
// reacts in the virtual handlers. The window and its controls are the backend's; the rules are
// here: Enter runs the default command (the template's default push button, else 1) unless the
// focused control is a push button, which runs its own, or an edit that keeps Enter; Esc runs 2;
// F1 presses an enabled Help button (9); the page keys go to OnPageKey; inside a property page
// all of them go to the sheet.
class CDialog : private WindowHost {
 public:
  // Nothing is built yet: the window is made by DoModal or Create. Without a parent the
  // innermost running modal dialog, if any, owns the window.
  explicit CDialog(int templateId, CDialog* parent = nullptr);
  virtual ~CDialog();
  CDialog(const CDialog&) = delete;
  CDialog& operator=(const CDialog&) = delete;

  // Makes a window of its own (one made by Create is replaced), runs OnInitDialog and the modal
  // loop, and destroys the window; returns EndDialog's result, or -1 when the template cannot be
  // loaded or the window made.
  int DoModal();
  // Makes the window and runs OnInitDialog without a modal loop (pictures, tests), once: a
  // created dialog is left as it is. False when the window cannot be made.
  bool Create();
  [[nodiscard]] bool IsCreated() const { return window_->Exists(); }
  // Ends the modal loop with that result, or hides a dialog that runs none.
  void EndDialog(int result);

  // Runs DoDataExchange towards the fields (true) or the controls (false); false when a field
  // failed, after its prompt was shown and the focus returned to it.
  bool UpdateData(bool saveAndValidate = true);
  // True while an exchange runs; the window's notifications are not delivered then.
  [[nodiscard]] bool InDataExchange() const { return exchangeDepth_ > 0; }

  // The control with that id. A call about one the window lacks, or about an operation of
  // another kind, is reported (ReportControlError) and goes to a stand-in that does nothing and
  // reads as empty, 0 or -1.
  [[nodiscard]] Control& Item(int id) const;
  [[nodiscard]] ItemControl& Items(int id) const;
  [[nodiscard]] RangeControl& Range(int id) const;
  [[nodiscard]] DateControl& Dates(int id) const;

  [[nodiscard]] bool HasDlgItem(int id) const { return window_->Find(id) != nullptr; }
  [[nodiscard]] std::string GetDlgItemText(int id) const { return Item(id).Text(); }
  void SetDlgItemText(int id, std::string_view text) { Item(id).SetText(text); }
  void EnableDlgItem(int id, bool enable) { Item(id).Enable(enable); }
  [[nodiscard]] bool IsDlgItemEnabled(int id) const { return Item(id).IsEnabled(); }
  [[nodiscard]] bool IsDlgButtonChecked(int id) const { return Item(id).IsChecked(); }
  void CheckDlgButton(int id, bool checked) { Item(id).SetChecked(checked); }
  // Moves the keyboard focus to the control; 0 from GetFocusId when no control has it.
  void GotoDlgCtrl(int id) { Item(id).Focus(); }
  [[nodiscard]] int GetFocusId() const { return window_->FocusId(); }
  // The first enabled control in tab order gets the focus.
  void FocusFirstTabStop();
  void SetTimer(int id, int periodMs) { window_->StartTimer(id, periodMs); }
  void KillTimer(int id) { window_->StopTimer(id); }
  [[nodiscard]] std::string GetWindowText() const { return window_->Caption(); }
  [[nodiscard]] bool IsWindowVisible() const { return window_->IsVisible(); }

  [[nodiscard]] int TemplateId() const { return templateId_; }
  // The number of this dialog's latest modal run, which no other run in the process has had.
  [[nodiscard]] int ModalRun() const { return modalRun_; }
  // The loaded template; empty before the window was first made.
  [[nodiscard]] const DialogTemplate& Template() const { return template_; }
  // Loads the template on first use (a sheet sizes itself to its pages); null when it cannot be.
  [[nodiscard]] const DialogTemplate* EnsureTemplate();
  // The window that owns this one's message boxes and takes its keys: the sheet for a page.
  [[nodiscard]] virtual const CDialog& TopLevel() const { return *this; }
  // The backend's window.
  [[nodiscard]] DialogWindow& Window() const { return *window_; }

  // The innermost dialog whose modal loop runs, or null.
  [[nodiscard]] static CDialog* ActiveModal();

 protected:
  // The template to build from; the property sheet makes its own instead of loading one.
  virtual std::optional<DialogTemplate> LoadTemplate(std::string* error);
  // Makes the window as a page inside parent's window, at area.
  bool CreateAsPage(CDialog& parent, const UnitRect& area);

  // After the controls exist: the default runs UpdateData(false). Returning true puts the
  // focus on the first tab-stop control, unless the dialog is a page.
  virtual bool OnInitDialog();
  // Moves the fields to or from the controls with the DDX_ helpers; the default moves nothing.
  virtual void DoDataExchange(DataExchange& dx);
  // A click on the button, radio button or check box with that id, or the command of a key.
  // The default runs OnOK for 1 and OnCancel for 2.
  virtual void OnCommand(int id);
  // An edit, list or combo box received the keyboard focus.
  virtual void OnControlFocusIn(int id);
  virtual void OnSelChange(int id);
  virtual void OnDoubleClick(int id);
  virtual void OnTimer(int id);
  // The default allows every step.
  virtual bool OnDeltaPos(int id, int delta);
  // Ctrl+Tab or Ctrl+PageDown (+1), Ctrl+Shift+Tab or Ctrl+PageUp (-1); false leaves the key to
  // the focused control, as the default does.
  virtual bool OnPageKey(int step);
  virtual std::optional<OwnerDrawnRow> OnDrawItem(int id, int row);
  virtual void OnSysCommand(int id);
  // The default reads the fields (UpdateData(true)) and, if they are valid, ends with 1.
  virtual void OnOK();
  // The default ends with 2.
  virtual void OnCancel();
  // The close box or the window manager's close request; the default runs command 2.
  virtual void OnClose();

 private:
  void InitDialog() final;
  void Act(const UserAction& action) final;
  bool PressKey(DialogKey key) final;
  bool MayStep(int upDownId, int delta) final;
  bool MayDropDown(int comboId) final;
  std::optional<RowPainting> PaintRow(int listId, int row, bool selected) final;
  [[nodiscard]] int DefaultCommand() const final { return template_.DefaultCommandId(); }

  [[nodiscard]] CDialog* Owner() const;
  [[nodiscard]] DialogWindow* OwnerWindow() const;
  // F1: the Help button's command where it is enabled; false where there is none.
  bool PressHelp();
  // The Enter key's command, for the focused control of this dialog.
  bool PressEnter();

  int templateId_;
  CDialog* parent_;
  DialogTemplate template_;
  bool templateLoaded_ = false;
  std::unique_ptr<DialogWindow> window_;
  int exchangeDepth_ = 0;
  int modalRun_ = 0;
  bool runningModal_ = false;
};

}  // namespace lunda
