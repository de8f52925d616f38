// The parameter editor tests.
#include "tests/gui/framework/gui_test_main.h"

int RunAppPropSheetTests(int argc, char** argv);
int RunCommonPageTests(int argc, char** argv);
int RunChannelPageTests(int argc, char** argv);
int RunMainWindowParametersTests(int argc, char** argv);

int main(int argc, char** argv) {
  return lunda::RunGuiTestSuites(argc, argv,
                                 {RunAppPropSheetTests, RunCommonPageTests, RunChannelPageTests,
                                  RunMainWindowParametersTests});
}
