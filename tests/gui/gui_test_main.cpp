// The GUI scenarios' main: the backend's application around GoogleTest, and no message box may
// wait for a click.
#include <gtest/gtest.h>

#include <cstdio>

#include "gui/framework/application.h"
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
    const int failed = RUN_ALL_TESTS();
    return failed != 0 || unexpectedBoxes != 0 ? 1 : 0;
  });
}
