// Grabbing a dialog's widgets into a PNG file.
#include <QApplication>
#include <QPixmap>

#include "gui/framework/qt/qt_dialog_window.h"
#include "gui/framework/window_picture.h"

namespace lunda {

bool SaveWindowPicture(CDialog& dialog, const std::string& path) {
  QtDialogWindow& window = QtDialogWindow::Of(dialog);
  window.show();
  QApplication::processEvents();
  return window.grab().save(QString::fromStdString(path));
}

}  // namespace lunda
