// lunda: the programming tool's window, over the algorithms in ./data.
#include "gui/app/command_line.h"
#include "gui/app/help_topic.h"
#include "gui/app/message_box_error_reporter.h"
#include "gui/app/port_driver_actions.h"
#include "gui/app/programmer_app.h"
#include "gui/framework/application.h"
#include "gui/help/open_help_file.h"
#include "gui/params/edit_parameters.h"
#include "gui/write/write_sequence.h"

int main(int argc, char** argv) {
  const lunda::ProcessCommandLine process = lunda::ReadProcessCommandLine(argc, argv);
  const lunda::CommandLine commandLine = lunda::ReadCommandLine(process.tail, process.args);
  // Answered before any window, so that they work in any terminal.
  if (commandLine.error.empty() && commandLine.options.help) {
    lunda::ShowPlainText(lunda::UsageText());
    return 0;
  }
  if (commandLine.error.empty() && commandLine.options.version) {
    lunda::ShowPlainText(lunda::VersionText());
    return 0;
  }
  return lunda::RunGuiApplication(argc, argv, [&commandLine](const lunda::ProcessCommandLine&) {
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
                      [](lunda::CAlgorithm& algorithm, lunda::CDialog& owner) {
                        lunda::EditParameters(algorithm, &owner, lunda::ShowHelpTopic);
                      },
                  .write =
                      [environment](lunda::CAlgorithm& algorithm, lunda::CDialog& owner) {
                        lunda::RunWriteSequence(environment, algorithm, &owner);
                      },
              };
            },
    });
    const int code = app.Run(commandLine);
    lunda::CloseHelpFile();
    return code;
  });
}
