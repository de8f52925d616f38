// Dialog templates: the data of a dialog (caption, font, size, controls) loaded from res/dialogs.
#pragma once

#include <QByteArray>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace lunda {

// The control kinds a template can hold; each maps to one Qt widget class (see control_factory.h).
enum class ControlKind {
  kPushButton,      // QPushButton
  kDefPushButton,   // QPushButton, the dialog's default command
  kStatic,          // QLabel
  kGroupBox,        // QGroupBox
  kEdit,            // QLineEdit, or QPlainTextEdit when multi-line
  kListBox,         // QListWidget
  kComboBox,        // QComboBox (drop-down list)
  kRadioButton,     // QRadioButton
  kCheckBox,        // QCheckBox
  kUpDown,          // CUpDown
  kProgressBar,     // QProgressBar
  kDateTimePicker,  // QDateEdit with a calendar pop-up
  kIcon,            // QLabel showing the icon resource named by the text
};

// Style flags of a control that change behaviour or look; unknown names are a template error.
struct ControlStyles {
  bool tabStop = false;
  bool disabled = false;
  bool group = false;       // starts a group (radio buttons)
  bool center = false;      // static: centred text
  bool vcenter = false;     // static: vertically centred text
  bool noPrefix = false;    // static: '&' shown as is, not a mnemonic
  bool sunken = false;      // static/edit: sunken edge
  bool multiLine = false;   // edit
  bool readOnly = false;    // edit
  bool wantReturn = false;  // multi-line edit keeps the Enter key
  bool vScroll = false;     // edit/list: vertical scroll bar
  bool number = false;      // edit: digits only
  bool arrowKeys = false;   // up-down: the buddy's arrow keys step it
};

// One control of a template; the rectangle is in dialog units.
struct ControlTemplate {
  int id = -1;
  ControlKind kind = ControlKind::kStatic;
  QString text;
  QRect rect;
  ControlStyles styles;
  QStringList items;  // initial entries of a combo or list box, in order
};

// Window styles of a dialog; a dialog without a system menu has no close box.
struct DialogStyles {
  bool caption = false;
  bool sysMenu = false;
  bool minimizeBox = false;
  bool toolWindow = false;
};

// A whole dialog: the controls are in template order, which is also the tab order.
struct DialogTemplate {
  int id = 0;
  QString caption;
  QString fontFace;
  int fontPoints = 8;
  QSize size;  // client area in dialog units
  DialogStyles styles;
  std::vector<ControlTemplate> controls;

  // The control with that id, or null; -1 (unnamed static) never matches.
  [[nodiscard]] const ControlTemplate* FindControl(int controlId) const;
};

// Parses the JSON form of a template (format in res/dialogs/README.md); on failure returns
// nothing and, when error is given, says what was wrong.
[[nodiscard]] std::optional<DialogTemplate> ParseDialogTemplate(const QByteArray& json,
                                                                QString* error = nullptr);

// Loads and parses the template ":/dialogs/<id>.json" from the compiled-in resources.
[[nodiscard]] std::optional<DialogTemplate> LoadDialogTemplate(int id, QString* error = nullptr);

}  // namespace lunda
