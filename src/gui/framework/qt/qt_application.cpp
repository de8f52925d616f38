// The Qt application around the dialogs.
#include <QApplication>
#include <QFileInfo>
#include <iostream>

#include "gui/framework/application.h"
#include "gui/framework/qt/qt_icons.h"

namespace lunda {
namespace {

constexpr int kApplicationIcon = 128;

}  // namespace

ProcessCommandLine ReadProcessCommandLine(int argc, char** argv) {
  ProcessCommandLine line;
  line.args.assign(argv + (argc > 0 ? 1 : 0), argv + argc);
  // The arguments joined by single blanks: a POSIX process gets no tail of its own.
  for (std::size_t i = 0; i < line.args.size(); ++i) {
    if (i > 0) line.tail += ' ';
    line.tail += line.args[i];
  }
  return line;
}

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

void ShowPlainText(std::string_view text) { std::cout << text; }

void ShowDiagnosticText(std::string_view text, const CDialog*) { std::cerr << text; }

}  // namespace lunda
