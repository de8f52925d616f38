// OpenHelpFile on Qt: one help window for the whole run, as HTML Help keeps one.
#include "gui/help/open_help_file.h"

#include <QPointer>

#include "gui/help/qt/help_window.h"

namespace lunda {

void OpenHelpFile(const std::filesystem::path& file, std::uint32_t contextId) {
  static QPointer<HelpWindow> window;
  if (window && window->FilePath() != file) delete window;
  const bool created = !window;
  if (created) {
    std::unique_ptr<ChmFile> chm = ChmFile::Open(file);
    if (!chm) return;
    window = new HelpWindow(file, std::move(chm));
  }
  if (!window->ShowContext(contextId) && created) {
    delete window;
    return;
  }
  window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace lunda
