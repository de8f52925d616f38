// The GUI scenarios' main: the backend's application around GoogleTest; no message box may wait
// for a click, and a box nobody expected, or a call about a control the dialog lacks, fails the
// test that brought it.
#include <gtest/gtest.h>

#include "gui/framework/application.h"
#include "gui/framework/control_errors.h"
#include "gui/framework/message_box.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  return lunda::RunGuiApplication(argc, argv, [](const lunda::ProcessCommandLine&) {
    // A box that a test did not expect fails that test instead of waiting for a click.
    lunda::SetMessageBoxHandler([](const lunda::MessageBoxRequest& request) {
      ADD_FAILURE() << "unexpected message box: " << request.text;
      return 1;
    });
    lunda::SetControlErrorHandler([](std::string_view error) { ADD_FAILURE() << error; });
    return RUN_ALL_TESTS() != 0 ? 1 : 0;
  });
}
