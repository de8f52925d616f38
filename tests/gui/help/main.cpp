// The help window tests.
#include "tests/gui/framework/gui_test_main.h"

int RunHelpWindowTests(int argc, char** argv);

int main(int argc, char** argv) {
  return lunda::RunGuiTestSuites(argc, argv, {RunHelpWindowTests});
}
