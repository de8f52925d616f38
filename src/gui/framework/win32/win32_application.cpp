// The Windows program around the dialogs: the common controls, the command line as the process
// received it, and the standard streams a GUI program may or may not have.

#include "gui/framework/backend/services.h"
#include "gui/framework/win32/windows_api.h"
#include "platform/win32/wide_text.h"

namespace lunda {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

// Whether the process has that standard stream: a program started from Explorer has none, one
// started from a console with redirection (or under Wine from a shell) has it.
bool HasStream(DWORD which) {
  HANDLE handle = GetStdHandle(which);
  return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

}  // namespace

ProcessCommandLine ReadProcessCommandLine(int, char**) {
  ProcessCommandLine line;
  const std::wstring_view whole = GetCommandLineW();
  // The tail starts after the program's name, quoted or not, and the blanks that follow it.
  std::size_t pos = 0;
  if (!whole.empty() && whole[0] == L'"') {
    pos = whole.find(L'"', 1);
    pos = pos == std::wstring_view::npos ? whole.size() : pos + 1;
  }
  while (pos < whole.size() && !IsBlank(whole[pos])) ++pos;
  while (pos < whole.size() && IsBlank(whole[pos])) ++pos;
  line.tail = WideToUtf8(whole.substr(pos));
  int count = 0;
  if (LPWSTR* args = CommandLineToArgvW(whole.data(), &count)) {
    for (int i = 1; i < count; ++i) line.args.push_back(WideToUtf8(args[i]));
    LocalFree(args);
  }
  return line;
}

int RunGuiApplication(int argc, char** argv,
                      const std::function<int(const ProcessCommandLine&)>& body) {
  // The tooltip, spin, progress-bar, date-picker and tab controls.
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
  InitCommonControlsEx(&controls);
  return body(ReadProcessCommandLine(argc, argv));
}

std::string ApplicationTitle() {
  std::wstring path(MAX_PATH, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
  const std::size_t name = path.find_last_of(L"\\/") + 1;
  const std::size_t extension = path.find_last_of(L'.');
  const std::size_t end =
      extension != std::wstring::npos && extension > name ? extension : path.size();
  return WideToUtf8(std::wstring_view(path).substr(name, end - name));
}

bool HasStandardStream(StandardStream stream) {
  return HasStream(stream == StandardStream::kOutput ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
}

}  // namespace lunda
