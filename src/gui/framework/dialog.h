// CDialog: a modal dialog built from a template, with data exchange and classic keyboard rules.
#pragma once

#include <QDialog>
#include <QHash>
#include <QString>
#include <optional>

#include "gui/framework/dialog_ids.h"
#include "gui/framework/dialog_template.h"
#include "gui/framework/dialog_units.h"

namespace lunda {

class DataExchange;

// Base of every dialog. A subclass names its template id, moves its fields in DoDataExchange and
// reacts in the virtual handlers (OnCommand, OnControlFocusIn, OnOK, OnCancel, OnClose).
//
// Keyboard: Enter runs the default command (the template's default push button, else id 1)
// unless a push button has the focus (then that button) or a want-return multi-line edit has it
// (then the edit keeps it); Esc runs command 2; F1 runs command 9 (Help) when the window has an
// enabled Help button. The close box runs OnClose. Inside a property page the commands go to the
// sheet. A modal run disables the owner chain only, so windows without an owner stay usable.
class CDialog : public QDialog {
  Q_OBJECT

 public:
  // Nothing is built yet: controls are made on the first Create or DoModal, so that subclass
  // overrides of CreateControl take part.
  explicit CDialog(int templateId, QWidget* parent = nullptr);
  ~CDialog() override;

  // Builds the controls if needed, runs OnInitDialog and the modal loop; returns EndDialog's
  // result, or -1 when the template cannot be loaded. OnInitDialog runs on every call.
  int DoModal();
  // Builds the controls once and runs OnInitDialog, without showing or a modal loop (pages,
  // modeless use, tests); false when the template cannot be loaded.
  bool Create();
  [[nodiscard]] bool IsCreated() const { return created_; }
  // Ends the modal loop (or hides a modeless dialog) with that result.
  void EndDialog(int result);

  // Runs DoDataExchange towards the fields (true) or the controls (false); false when a field
  // failed, after its prompt was shown and the focus returned to it.
  bool UpdateData(bool saveAndValidate = true);
  // True while an exchange runs; notifications from the dialog's own controls are not
  // delivered then, and handlers connected by hand should check it.
  [[nodiscard]] bool InDataExchange() const { return exchangeDepth_ > 0; }

  // The control with that id, or null (also for -1, the unnamed statics).
  [[nodiscard]] QWidget* GetDlgItem(int id) const { return controlsById_.value(id); }
  // The control with that id as the given widget class, or null.
  template <typename T>
  [[nodiscard]] T* Control(int id) const {
    return qobject_cast<T*>(GetDlgItem(id));
  }
  // The id of a control widget, or -1.
  [[nodiscard]] int ControlId(const QObject* control) const {
    return idsByControl_.value(control, -1);
  }
  [[nodiscard]] QString GetDlgItemText(int id) const;
  void SetDlgItemText(int id, const QString& text);
  // Enables or disables the control with that id, if there is one.
  void EnableDlgItem(int id, bool enable);

  [[nodiscard]] int TemplateId() const { return templateId_; }
  // The loaded template; empty before the first Create.
  [[nodiscard]] const DialogTemplate& Template() const { return template_; }
  [[nodiscard]] const DialogUnits& Units() const { return units_; }
  // The command Enter runs: the default push button's id, else 1.
  [[nodiscard]] int DefaultCommandId() const;

 protected:
  // The template to build from; the property sheet makes its own instead of loading one.
  virtual std::optional<DialogTemplate> LoadTemplate(QString* error);
  // Makes the widget for one template control; override to put a subclass in place of the
  // standard widget for some id, and call the base for the rest. The template's text, styles and
  // place are applied afterwards either way.
  virtual QWidget* CreateControl(const ControlTemplate& control, QWidget* parent);
  // After the controls exist: the default runs UpdateData(false). Returning true lets the
  // framework put the focus on the first tab-stop control.
  virtual bool OnInitDialog();
  // Moves the fields to or from the controls with the DDX_ helpers; the default moves nothing.
  virtual void DoDataExchange(DataExchange& dx);
  // A click on the button, radio button or check box with that id, or Enter/Esc as ids 1/2.
  // The default runs OnOK for 1 and OnCancel for 2.
  virtual void OnCommand(int id);
  // A control received the keyboard focus by the user's action (Tab, a click, a mnemonic).
  virtual void OnControlFocusIn(int id);
  // The default reads the fields (UpdateData(true)) and, if they are valid, ends with 1.
  virtual void OnOK();
  // The default ends with 2.
  virtual void OnCancel();
  // The close box or the window manager's close request; the default runs command 2.
  virtual void OnClose();

  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void accept() override;
  void reject() override;

 private:
  bool BuildControls();
  void RegisterControl(QWidget* widget, const ControlTemplate& control);
  void SetInitialFocus();
  // Handles Enter and Esc for the focused control; true when the key was used.
  bool HandleDialogKey(QObject* target, const QKeyEvent* event);
  void DispatchCommand(int id);
  CDialog* CommandTarget();

  int templateId_;
  DialogTemplate template_;
  DialogUnits units_{4, 8};
  QHash<int, QWidget*> controlsById_;
  QHash<const QObject*, int> idsByControl_;
  QHash<const QObject*, const ControlTemplate*> templatesByControl_;
  bool created_ = false;
  int exchangeDepth_ = 0;
  // The control whose focus entry its handler just refused, until the click that gave it.
  const QObject* refusedEntry_ = nullptr;
};

}  // namespace lunda
