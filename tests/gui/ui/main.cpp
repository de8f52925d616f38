// Runs the main-window tests offscreen; no message box may block a run.
#include <QApplication>

#include "gui/framework/message_box.h"

int RunAlgorithmListBoxTests(int argc, char** argv);
int RunMainDlgTests(int argc, char** argv);

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  int unexpectedBoxes = 0;
  lunda::SetMessageBoxHandler([&unexpectedBoxes](const lunda::MessageBoxRequest& request) {
    qWarning("unexpected message box: %s", qUtf8Printable(request.text));
    ++unexpectedBoxes;
    return 1;
  });
  int failures = 0;
  for (auto run : {RunAlgorithmListBoxTests, RunMainDlgTests}) failures += run(argc, argv);
  return failures + unexpectedBoxes == 0 ? 0 : 1;
}
