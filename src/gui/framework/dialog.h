// CDialog: a modal dialog built from a template, with data exchange and the classic defaults.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "gui/framework/backend.h"
#include "gui/framework/dialog_ids.h"
#include "gui/framework/dialog_template.h"
#include "gui/framework/list_box.h"

namespace lunda {

class DataExchange;

// Base of every dialog. A subclass names its template id, moves its fields in DoDataExchange and
// reacts in the virtual handlers. The window and its controls are the backend's (backend.h);
// the keyboard is the platform dialog manager's: Enter runs the default command (the template's
// default push button, else 1) unless a push button or a want-return edit has the focus, Esc
// runs 2, and inside a property page both go to the sheet.
class CDialog {
 public:
  // Nothing is built yet: the window is made by DoModal or Create. Without a parent the
  // innermost running modal dialog, if any, owns the window.
  explicit CDialog(int templateId, CDialog* parent = nullptr);
  virtual ~CDialog();
  CDialog(const CDialog&) = delete;
  CDialog& operator=(const CDialog&) = delete;

  // Makes the window, runs OnInitDialog and the modal loop; returns EndDialog's result, or -1
  // when the template cannot be loaded.
  int DoModal();
  // Makes the window and runs OnInitDialog without a modal loop (pictures, tests); false when the
  // template cannot be loaded.
  bool Create();
  [[nodiscard]] bool IsCreated() const { return window_->Exists(); }
  // Ends the modal loop (or hides a modeless dialog) with that result.
  void EndDialog(int result);

  // Runs DoDataExchange towards the fields (true) or the controls (false); false when a field
  // failed, after its prompt was shown and the focus returned to it.
  bool UpdateData(bool saveAndValidate = true);
  // True while an exchange runs; the window's notifications are not delivered then.
  [[nodiscard]] bool InDataExchange() const { return exchangeDepth_ > 0; }

  [[nodiscard]] bool HasDlgItem(int id) const { return window_->HasControl(id); }
  [[nodiscard]] std::string GetDlgItemText(int id) const { return window_->Text(id); }
  void SetDlgItemText(int id, std::string_view text) { window_->SetText(id, text); }
  void EnableDlgItem(int id, bool enable) { window_->Enable(id, enable); }
  [[nodiscard]] bool IsDlgItemEnabled(int id) const { return window_->IsEnabled(id); }
  [[nodiscard]] bool IsDlgButtonChecked(int id) const { return window_->IsChecked(id); }
  // Moves the keyboard focus to the control; 0 from GetFocusId when no control has it.
  void GotoDlgCtrl(int id) { window_->Focus(id); }
  [[nodiscard]] int GetFocusId() const { return window_->FocusId(); }
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
  // The window that owns this one's message boxes: the sheet for a page, else the dialog.
  [[nodiscard]] virtual const CDialog& TopLevel() const { return *this; }
  // The backend's window, for the framework's control classes.
  [[nodiscard]] DialogWindow& Window() const { return *window_; }

  // The innermost dialog whose modal loop runs, or null.
  [[nodiscard]] static CDialog* ActiveModal();

  // Called by the backend once the controls exist, and for each event of the window.
  bool HandleInitDialog();
  void HandleEvent(const WindowEvent& event);
  // A step of an up-down control; false keeps its position.
  bool HandleDeltaPos(int id, int delta);
  // How to draw a row of an owner-drawn list; nothing draws nothing.
  [[nodiscard]] std::optional<OwnerDrawnRow> HandleDrawItem(int id, int row);

 protected:
  // For dialogs whose window is of another kind (the property sheet).
  CDialog(int templateId, CDialog* parent, std::unique_ptr<DialogWindow> window);

  // The template to build from; the property sheet makes its own instead of loading one.
  virtual std::optional<DialogTemplate> LoadTemplate(std::string* error);
  // After the controls exist: the default runs UpdateData(false). Returning true puts the
  // focus on the first tab-stop control.
  virtual bool OnInitDialog();
  // Moves the fields to or from the controls with the DDX_ helpers; the default moves nothing.
  virtual void DoDataExchange(DataExchange& dx);
  // A click on the button, radio button or check box with that id, or Enter/Esc as ids 1/2.
  // The default runs OnOK for 1 and OnCancel for 2.
  virtual void OnCommand(int id);
  // An edit, list or combo box received the keyboard focus.
  virtual void OnControlFocusIn(int id);
  virtual void OnSelChange(int id);
  virtual void OnDoubleClick(int id);
  virtual void OnTimer(int id);
  // The default allows every step.
  virtual bool OnDeltaPos(int id, int delta);
  virtual std::optional<OwnerDrawnRow> OnDrawItem(int id, int row);
  virtual void OnSysCommand(int id);
  // The default reads the fields (UpdateData(true)) and, if they are valid, ends with 1.
  virtual void OnOK();
  // The default ends with 2.
  virtual void OnCancel();
  // The close box or the window manager's close request; the default runs command 2.
  virtual void OnClose();

 private:
  [[nodiscard]] CDialog* Owner() const;

  int templateId_;
  CDialog* parent_;
  DialogTemplate template_;
  bool templateLoaded_ = false;
  std::unique_ptr<DialogWindow> window_;
  int exchangeDepth_ = 0;
  int modalRun_ = 0;
};

}  // namespace lunda
