// Dialog templates: the data of a dialog (caption, font, size, controls) loaded from res/dialogs.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lunda {

// The control kinds a template can hold; each backend maps a kind to one native control.
enum class ControlKind {
  kPushButton,
  kDefPushButton,  // the dialog's default command
  kStatic,
  kGroupBox,
  kEdit,
  kListBox,
  kComboBox,  // a drop-down list
  kRadioButton,
  kCheckBox,
  kUpDown,
  kProgressBar,
  kDateTimePicker,
  kTabControl,  // a strip of tabs over a frame that the pages lie on
  kIcon,        // the icon resource whose id is the text
};

// Style flags of a control that change behaviour or look; unknown names are a template error.
struct ControlStyles {
  bool tabStop = false;
  bool disabled = false;
  bool group = false;             // starts a group (radio buttons)
  bool center = false;            // static: centred text
  bool vcenter = false;           // static: vertically centred text
  bool noPrefix = false;          // static: '&' shown as is, not a mnemonic
  bool sunken = false;            // static/edit: sunken edge
  bool border = false;            // edit/list/progress: thin border
  bool autoHScroll = false;       // edit: scrolls sideways instead of refusing text
  bool autoVScroll = false;       // multi-line edit: scrolls down as lines are added
  bool multiLine = false;         // edit
  bool readOnly = false;          // edit
  bool wantReturn = false;        // multi-line edit keeps the Enter key
  bool vScroll = false;           // edit/list/combo: vertical scroll bar
  bool number = false;            // edit: digits only
  bool arrowKeys = false;         // up-down: the buddy's arrow keys step it
  bool notify = false;            // list: reports selection changes and double clicks
  bool ownerDraw = false;         // list: rows drawn by the dialog, all of one height
  bool sort = false;              // list: sorts rows added at the end
  bool noIntegralHeight = false;  // list: keeps the template's height exactly
  bool smooth = false;            // progress: a solid bar
  bool shortDate = false;         // date picker: the short date format
  bool rightAlign = false;        // date picker: the calendar drops down aligned right
};

struct UnitRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  friend bool operator==(const UnitRect&, const UnitRect&) = default;
};

// One control of a template; the rectangle is in dialog units, texts are UTF-8.
struct ControlTemplate {
  int id = -1;
  ControlKind kind = ControlKind::kStatic;
  std::string text;
  UnitRect rect;
  ControlStyles styles;
  std::vector<std::string> items;  // initial entries of a combo or list box, in order
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
  std::string caption;
  std::string fontFace;
  int fontPoints = 8;
  int width = 0;  // client area in dialog units
  int height = 0;
  DialogStyles styles;
  std::vector<ControlTemplate> controls;

  // The control with that id, or null; -1 (unnamed static) never matches.
  [[nodiscard]] const ControlTemplate* FindControl(int controlId) const;
  // The radio buttons of the group that starts at firstId, in template order.
  [[nodiscard]] std::vector<int> RadioGroup(int firstId) const;
  // The command Enter runs: the default push button's id, else 1.
  [[nodiscard]] int DefaultCommandId() const;
};

// Parses the JSON form of a template (format in res/dialogs/README.md); on failure returns
// nothing and, when error is given, says what was wrong.
[[nodiscard]] std::optional<DialogTemplate> ParseDialogTemplate(std::string_view json,
                                                                std::string* error = nullptr);

// Loads and parses the template "dialogs/<id>.json" from the embedded resources.
[[nodiscard]] std::optional<DialogTemplate> LoadDialogTemplate(int id,
                                                               std::string* error = nullptr);

}  // namespace lunda
