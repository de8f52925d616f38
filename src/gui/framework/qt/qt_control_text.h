// Reading and writing the text of any standard Qt control, like Get/SetWindowText.
#pragma once

#include <QString>
#include <QWidget>

namespace lunda {

// The text a control shows: an edit's content, a label's or button's caption, a combo's
// current entry; an empty string for controls without text.
[[nodiscard]] QString GetControlText(const QWidget* control);

// Replaces the text a control shows; a one-line edit shows its start, with the cursor there, as a
// classic edit does. Line breaks of multi-line edits are CR LF pairs both ways.
// Change signals are blocked: the dialog's own handlers never see the framework's writes.
void SetControlText(QWidget* control, const QString& text);

}  // namespace lunda
