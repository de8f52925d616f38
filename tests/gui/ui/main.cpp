// The main-window tests.
#include "tests/gui/framework/gui_test_main.h"

int RunAlgorithmListBoxTests(int argc, char** argv);
int RunMainDlgTests(int argc, char** argv);

int main(int argc, char** argv) {
  return lunda::RunGuiTestSuites(argc, argv, {RunAlgorithmListBoxTests, RunMainDlgTests});
}
