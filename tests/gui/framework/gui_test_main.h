// The shared main of the GUI test binaries: every suite offscreen, and no message box may block.
#pragma once

#include <QApplication>
#include <initializer_list>

#include "gui/framework/message_box.h"

namespace lunda {

using GuiTestSuite = int (*)(int argc, char** argv);

// Runs each suite in turn; fails when a suite fails or a box appeared that no test expected.
inline int RunGuiTestSuites(int argc, char** argv, std::initializer_list<GuiTestSuite> suites) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // A box that a test did not expect fails the run instead of waiting for a click.
  int unexpectedBoxes = 0;
  SetMessageBoxHandler([&unexpectedBoxes](const MessageBoxRequest& request) {
    qWarning("unexpected message box: %s", qUtf8Printable(request.text));
    ++unexpectedBoxes;
    return 1;
  });
  int failures = 0;
  for (const GuiTestSuite run : suites) failures += run(argc, argv);
  return failures + unexpectedBoxes == 0 ? 0 : 1;
}

}  // namespace lunda
