// The start-up tests.
#include "tests/gui/framework/gui_test_main.h"

int RunCommandLineTests(int argc, char** argv);
int RunProgrammerAppTests(int argc, char** argv);

int main(int argc, char** argv) {
  return lunda::RunGuiTestSuites(argc, argv, {RunCommandLineTests, RunProgrammerAppTests});
}
