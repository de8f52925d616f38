// Re-selecting the text of a field that failed to read once the page has shown its values again.
#pragma once

namespace lunda {

class CDialog;

// The failed read left the focus on the field with its text selected; showing the page's held
// values replaced that text and with it the selection, which the user needs to retype at once.
void SelectFailedField(CDialog& page);

}  // namespace lunda
