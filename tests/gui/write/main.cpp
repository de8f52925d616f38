// The write tests.
#include "tests/gui/framework/gui_test_main.h"

int RunDateDlgTests(int argc, char** argv);
int RunWriteDlgTests(int argc, char** argv);
int RunWriteEndToEndTests(int argc, char** argv);
int RunWriteSequenceTests(int argc, char** argv);
int RunWriteSoakTests(int argc, char** argv);

int main(int argc, char** argv) {
  return lunda::RunGuiTestSuites(argc, argv,
                                 {RunDateDlgTests, RunWriteDlgTests, RunWriteSequenceTests,
                                  RunWriteEndToEndTests, RunWriteSoakTests});
}
