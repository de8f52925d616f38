// The help window grabbed into a PNG file.
#include "gui/help/help_window_picture.h"

#include <QApplication>
#include <QPixmap>

#include "gui/help/help_file_lookup.h"
#include "gui/help/qt/help_window.h"

namespace lunda {

bool SaveHelpWindowPicture(std::uint32_t contextId, const std::string& path) {
  const auto file = FindHelpFile(HelpFileFolders());
  std::unique_ptr<ChmFile> chm = file ? ChmFile::Open(*file) : nullptr;
  if (!chm) return false;
  HelpWindow window(*file, std::move(chm));
  window.setAttribute(Qt::WA_DeleteOnClose, false);
  if (!window.ShowContext(contextId)) return false;
  window.show();
  QApplication::processEvents();
  return window.grab().save(QString::fromStdString(path));
}

}  // namespace lunda
