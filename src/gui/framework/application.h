// The program around the dialogs: the toolkit's start-up and what it knows about the process.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lunda {

class CDialog;

// The command line as the process received it.
struct ProcessCommandLine {
  std::string tail;               // the whole text after the program's name and its blanks
  std::vector<std::string> args;  // the arguments after the program's name, UTF-8
};

// Starts the toolkit (common controls, the application icon), runs body and returns its result.
int RunGuiApplication(int argc, char** argv,
                      const std::function<int(const ProcessCommandLine&)>& body);

// The command line without the toolkit, for what must be answered before it starts.
[[nodiscard]] ProcessCommandLine ReadProcessCommandLine(int argc, char** argv);

// The executable's file name without folder and extension ("lunda" for lunda.exe).
[[nodiscard]] std::string ApplicationTitle();

// Text for the user outside any window (--help): the standard output where there is one,
// else an information box.
void ShowPlainText(std::string_view text);

// A report for whoever tries the program out (the simulated controller's verdict): standard
// error where there is one, else an information box over owner.
void ShowDiagnosticText(std::string_view text, const CDialog* owner);

}  // namespace lunda
