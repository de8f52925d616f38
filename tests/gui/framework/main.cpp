// The framework tests.
#include "tests/gui/framework/gui_test_main.h"

int RunDialogTemplateTests(int argc, char** argv);
int RunNumberParseTests(int argc, char** argv);
int RunDataExchangeTests(int argc, char** argv);
int RunDialogTests(int argc, char** argv);
int RunPropertySheetTests(int argc, char** argv);
int RunMessageBoxTests(int argc, char** argv);

int main(int argc, char** argv) {
  return lunda::RunGuiTestSuites(argc, argv,
                                 {RunDialogTemplateTests, RunNumberParseTests, RunDataExchangeTests,
                                  RunDialogTests, RunPropertySheetTests, RunMessageBoxTests});
}
