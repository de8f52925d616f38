// The program around the dialogs: the toolkit's start-up (backend/services.h) and texts for the
// user outside any window.
#pragma once

#include <string_view>

#include "gui/framework/backend/services.h"

namespace lunda {

class CDialog;

// Text for the user outside any window (--help): the standard output where there is one,
// else an information box.
void ShowPlainText(std::string_view text);

// A report for whoever tries the program out (the simulated controller's verdict): standard
// error where there is one, else an information box over owner.
void ShowDiagnosticText(std::string_view text, const CDialog* owner);

}  // namespace lunda
