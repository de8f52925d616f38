// Runs every parameter editor test class offscreen; no message box may block a run.
#include <QApplication>

#include "gui/framework/message_box.h"

int RunAppPropSheetTests(int argc, char** argv);
int RunCommonPageTests(int argc, char** argv);
int RunChannelPageTests(int argc, char** argv);

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // A box that a test did not expect fails the run instead of waiting for a click.
  int unexpectedBoxes = 0;
  lunda::SetMessageBoxHandler([&unexpectedBoxes](const lunda::MessageBoxRequest& request) {
    qWarning("unexpected message box: %s", qUtf8Printable(request.text));
    ++unexpectedBoxes;
    return 1;
  });
  int failures = 0;
  for (auto run : {RunAppPropSheetTests, RunCommonPageTests, RunChannelPageTests}) {
    failures += run(argc, argv);
  }
  return failures + unexpectedBoxes == 0 ? 0 : 1;
}
