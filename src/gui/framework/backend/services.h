// The seam, the process: what a backend provides besides windows.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lunda {

class DialogWindow;

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

enum class StandardStream { kOutput, kError };

// Whether the process has the stream: a Windows program started from Explorer has none.
[[nodiscard]] bool HasStandardStream(StandardStream stream);

// The string-table entry with that id (UTF-8), or an empty string when there is none.
[[nodiscard]] std::string LoadString(int id);

enum class MessageIcon { kError, kWarning, kInformation };

// A modal box with one OK button over owner (or over no window).
void ShowMessageBox(DialogWindow* owner, std::string_view text, std::string_view caption,
                    MessageIcon icon);

// Shows the window and saves what it shows as a PNG file; false when it cannot. The Qt backend
// only: the documentation's pictures of the Windows program are taken of it under Wine.
[[nodiscard]] bool SaveWindowPicture(DialogWindow& window, const std::string& path);

}  // namespace lunda
