// Turns template controls into Qt widgets.
#pragma once

#include <QWidget>

#include "gui/framework/dialog_template.h"
#include "gui/framework/dialog_units.h"

namespace lunda {

// A new, not yet configured widget of the class that stands for the control's kind.
[[nodiscard]] QWidget* CreateStandardControl(const ControlTemplate& control, QWidget* parent);

// Gives a widget the template's text, items, styles and place. It works on any subclass of the
// kind's standard widget, so a dialog that supplies its own list class keeps the template's look.
void ApplyControlTemplate(QWidget* widget, const ControlTemplate& control,
                          const DialogUnits& units);

// The text with classic mnemonic markers removed: "&&" becomes "&" and a single '&' vanishes.
[[nodiscard]] QString StripMnemonics(const QString& text);

}  // namespace lunda
