// Turns template controls into Qt widgets.
#pragma once

#include <QString>
#include <QWidget>

#include "gui/framework/dialog_template.h"
#include "gui/framework/qt/qt_dialog_units.h"

namespace lunda {

class CDialog;

// A new, not yet configured widget of the class that stands for the control's kind; an
// owner-drawn list asks host how to draw its rows.
[[nodiscard]] QWidget* CreateControl(const ControlTemplate& control, QWidget* parent,
                                     CDialog& host);

// Gives a widget the template's text, items, styles and place.
void ApplyControlTemplate(QWidget* widget, const ControlTemplate& control,
                          const DialogUnits& units);

// The text with classic mnemonic markers removed: "&&" becomes "&" and a single '&' vanishes.
[[nodiscard]] QString StripMnemonics(const QString& text);

}  // namespace lunda
