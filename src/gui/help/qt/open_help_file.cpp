// OpenHelpFile and CloseHelpFile on Qt: lunda's own help window.
#include "gui/help/open_help_file.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <algorithm>

#include "gui/help/qt/help_window.h"

namespace lunda {
namespace {

// The first showing goes beside the window that asked, right or left of it, so that neither
// hides the other; where the screen is too narrow for that, against the screen's right edge.
void PlaceBeside(HelpWindow& help, const QWidget* asker) {
  if (asker == nullptr || asker->screen() == nullptr) return;
  const QRect screen = asker->screen()->availableGeometry();
  const QRect frame = asker->frameGeometry();
  int left = screen.right() + 1 - help.width();
  if (frame.right() + help.width() <= screen.right()) {
    left = frame.right() + 1;
  } else if (frame.left() - help.width() >= screen.left()) {
    left = frame.left() - help.width();
  }
  const int lowest = std::max(screen.top(), screen.bottom() + 1 - help.height());
  help.move(std::max(left, screen.left()), std::clamp(frame.top(), screen.top(), lowest));
}

// One help window for the whole run, as HTML Help keeps one.
QPointer<HelpWindow> window;

}  // namespace

void OpenHelpFile(const std::filesystem::path& file, std::uint32_t contextId) {
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
  if (created) PlaceBeside(*window, QApplication::activeWindow());
  window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
  window->show();
  window->raise();
  window->activateWindow();
}

void CloseHelpFile() { delete window; }

}  // namespace lunda
