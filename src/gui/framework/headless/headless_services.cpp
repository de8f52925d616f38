// The process around headless windows: no toolkit to start, and boxes that nobody could answer.
#include <cstdio>
#include <filesystem>

#include "gui/framework/backend/services.h"

namespace lunda {
namespace {

std::string& Title() {
  static std::string title;
  return title;
}

}  // namespace

int RunGuiApplication(int argc, char** argv,
                      const std::function<int(const ProcessCommandLine&)>& body) {
  if (argc > 0) Title() = std::filesystem::path(argv[0]).stem().string();
  return body(ReadProcessCommandLine(argc, argv));
}

std::string ApplicationTitle() { return Title(); }

bool HasStandardStream(StandardStream) { return true; }

// A test answers every box through the framework's handler; one that reaches here was not
// expected, and could never be closed.
void ShowMessageBox(DialogWindow*, std::string_view text, std::string_view, MessageIcon) {
  std::fprintf(stderr, "lunda: a message box nobody answers: %.*s\n", static_cast<int>(text.size()),
               text.data());
}

}  // namespace lunda
