// The help call on each platform.
#include "gui/app/help_topic.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#endif

namespace lunda {

#ifdef _WIN32

void ShowHelpTopic(std::uint32_t contextId) {
  using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
  constexpr UINT kHhHelpContext = 0x000F;
  // Loaded once and kept for the process's life, as the help window outlives the call.
  static const HtmlHelpFunction htmlHelp = [] {
    HMODULE library = LoadLibraryA("hhctrl.ocx");
    return library ? reinterpret_cast<HtmlHelpFunction>(
                         reinterpret_cast<void*>(GetProcAddress(library, "HtmlHelpA")))
                   : nullptr;
  }();
  if (htmlHelp) htmlHelp(nullptr, kHelpFileName, kHhHelpContext, contextId);
}

#else

void ShowHelpTopic(std::uint32_t) {
  const QString file = QString::fromLatin1(kHelpFileName);
  if (!QFileInfo::exists(file)) return;
  for (const char* viewer : {"xchm", "kchmviewer"}) {
    const QString program = QStandardPaths::findExecutable(QString::fromLatin1(viewer));
    if (!program.isEmpty()) {
      QProcess::startDetached(program, {file});
      return;
    }
  }
}

#endif

}  // namespace lunda
