// Runs the write tests offscreen; a message box that no test expected fails the run.
#include <QApplication>

#include "gui/framework/message_box.h"

int RunDateDlgTests(int argc, char** argv);
int RunWriteDlgTests(int argc, char** argv);
int RunWriteEndToEndTests(int argc, char** argv);
int RunWriteSequenceTests(int argc, char** argv);

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
  for (auto run :
       {RunDateDlgTests, RunWriteDlgTests, RunWriteSequenceTests, RunWriteEndToEndTests}) {
    failures += run(argc, argv);
  }
  return failures + unexpectedBoxes == 0 ? 0 : 1;
}
