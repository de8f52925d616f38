// The Qt application around the dialogs, and the pictures of its windows.
#include <QApplication>
#include <QFileInfo>
#include <QPixmap>

#include "gui/framework/backend/services.h"
#include "gui/framework/qt/qt_dialog_window.h"
#include "gui/framework/qt/qt_icons.h"

namespace lunda {
namespace {

constexpr int kApplicationIcon = 128;

}  // namespace

int RunGuiApplication(int argc, char** argv,
                      const std::function<int(const ProcessCommandLine&)>& body) {
  // Taken before QApplication removes the arguments it knows: the tail is compared as received.
  const ProcessCommandLine line = ReadProcessCommandLine(argc, argv);
  QApplication application(argc, argv);
  QApplication::setWindowIcon(LoadQtIcon(kApplicationIcon));
  return body(line);
}

std::string ApplicationTitle() {
  return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toStdString();
}

bool HasStandardStream(StandardStream) { return true; }

bool SaveWindowPicture(DialogWindow& window, const std::string& path) {
  QDialog* dialog = QtDialogWindow::Of(window).Widget();
  if (dialog == nullptr) return false;
  dialog->show();
  QApplication::processEvents();
  return dialog->grab().save(QString::fromStdString(path));
}

}  // namespace lunda
