// lunda: the programming tool's window, over the algorithms in ./data.
#include <QApplication>
#include <iostream>
#include <string>
#include <vector>

#include "gui/app/command_line.h"
#include "gui/app/help_topic.h"
#include "gui/app/message_box_error_reporter.h"
#include "gui/app/port_driver_actions.h"
#include "gui/app/programmer_app.h"
#include "gui/params/edit_parameters.h"
#include "gui/write/write_sequence.h"

int main(int argc, char** argv) {
  // Taken before QApplication removes the arguments it knows: the tail is compared as received.
  const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  const lunda::CommandLine commandLine = lunda::ReadCommandLine(args);
  // Answered without a display, so that they work in any terminal.
  if (commandLine.error.empty() && commandLine.options.help) {
    std::cout << lunda::UsageText();
    return 0;
  }
  if (commandLine.error.empty() && commandLine.options.version) {
    std::cout << lunda::VersionText();
    return 0;
  }
  QApplication application(argc, argv);
  lunda::MessageBoxErrorReporter reporter;
  const std::unique_ptr<lunda::PortDriverActions> driver = lunda::MakePortDriverActions(reporter);
  lunda::CProgrammerApp app({
      .reporter = reporter,
      .driver = *driver,
      .showHelp = lunda::ShowHelpTopic,
      .makeCommands =
          [](const lunda::WriteEnvironment& environment) {
            return lunda::MainWindowCommands{
                .editParameters =
                    [](lunda::CAlgorithm& algorithm, QWidget* owner) {
                      lunda::EditParameters(algorithm, owner, lunda::ShowHelpTopic);
                    },
                .write =
                    [environment](lunda::CAlgorithm& algorithm, QWidget* owner) {
                      lunda::RunWriteSequence(environment, algorithm, owner);
                    },
            };
          },
  });
  return app.Run(commandLine);
}
