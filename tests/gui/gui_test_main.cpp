// The GUI scenarios' main: the backend's application around GoogleTest; no message box may wait
// for a click, and a call about a control the dialog lacks fails the test that made it.
#include <gtest/gtest.h>

#include <cstdio>

#include "gui/framework/application.h"
#include "gui/framework/control_errors.h"
#include "gui/framework/message_box.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  return lunda::RunGuiApplication(argc, argv, [](const lunda::ProcessCommandLine&) {
    // A box that a test did not expect fails the run instead of waiting for a click.
    int unexpectedBoxes = 0;
    lunda::SetMessageBoxHandler([&unexpectedBoxes](const lunda::MessageBoxRequest& request) {
      std::fprintf(stderr, "unexpected message box: %s\n", request.text.c_str());
      ++unexpectedBoxes;
      return 1;
    });
    lunda::SetControlErrorHandler([](std::string_view error) { ADD_FAILURE() << error; });
    const int failed = RUN_ALL_TESTS();
    return failed != 0 || unexpectedBoxes != 0 ? 1 : 0;
  });
}
