// Start-up: the command line, the driver switches, the empty catalogue, the port and its
// failures, the main window, and exit code 1 on every path.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "device/vcd_reader.h"
#include "gui/app/programmer_app.h"
#include "gui/framework/dialog.h"
#include "gui_driver.h"
#include "modal_script.h"

namespace lunda {
namespace {

namespace fs = std::filesystem;
using Args = std::vector<std::string>;

// The tail as a POSIX shell hands it over: the arguments joined by blanks.
CommandLine Read(const Args& args) {
  std::string tail;
  for (const std::string& arg : args) tail += (&arg == &args.front() ? "" : " ") + arg;
  return ReadCommandLine(tail, args);
}

TEST(CommandLineTest, OnlyTheWholeTailSelectsADriverAction) {
  const std::pair<const char*, DriverAction> cases[] = {
      {"/i", DriverAction::kInstall}, {"/I", DriverAction::kInstall},
      {"/u", DriverAction::kRemove},  {"/U", DriverAction::kRemove},
      {"", DriverAction::kNone},      {"/i ", DriverAction::kNone},
      {"-i", DriverAction::kNone},    {"/ix", DriverAction::kNone},
      {"/i /u", DriverAction::kNone}, {"--port=sim /i", DriverAction::kNone},
  };
  for (const auto& [tail, action] : cases) {
    const CommandLine line = ReadCommandLine(tail, {});
    EXPECT_EQ(line.driverAction, action) << "'" << tail << "'";
    EXPECT_TRUE(line.error.empty());
  }
}

TEST(CommandLineTest, OptionsAreReadAndBadOnesNamed) {
  const std::pair<Args, const char*> cases[] = {
      // a part of the message, "" for none
      {{"-x", "/v"}, ""},
      {{"--port=sim", "--vcd=out.vcd"}, ""},
      {{"--port=lpt1"}, "--port: «lpt1»"},
      {{"--port=io:0x10000"}, "«io:0x10000»"},
      {{"--vcd="}, "--vcd="},
      {{"--data=/srv/алгоритмы"}, ""},
      {{"--data="}, "--data="},
      {{"--data", "/srv"}, "«--data»"},
      {{"--prot=sim"}, "«--prot=sim»"},
  };
  for (const auto& [args, error] : cases) {
    const CommandLine line = Read(args);
    EXPECT_NE(line.error.find(error), std::string::npos) << line.error;
    EXPECT_EQ(line.error.empty(), std::string(error).empty()) << line.error;
  }
}

class RecordingReporter : public ErrorReporter {
 public:
  void ShowError(std::string_view text) override { errors.emplace_back(text); }
  void ShowInfo(std::string_view text) override { infos.emplace_back(text); }
  std::vector<std::string> errors;
  std::vector<std::string> infos;
};

class FakeDriver : public PortDriverActions {
 public:
  void Install() override { calls.push_back("install"); }
  void Remove() override { calls.push_back("remove"); }
  bool Load(Port& port, PortChoice::Kind) override {
    calls.push_back("load");
    if (loads) static_cast<void>(port.Read());
    return loads;
  }
  std::vector<std::string> calls;
  bool loads = true;
};

enum class Data { kNone, kEmpty, kExamples };

const fs::path kExamples = fs::absolute(LUNDA_EXAMPLES_DATA);

// One start-up in a fresh working directory, with the main window closed by Esc once it shows.
struct StartUp {
  explicit StartUp(Data data) {
    fs::create_directories(folder);
    fs::current_path(folder);
    if (data == Data::kNone) return;
    fs::create_directory("data");
    if (data == Data::kEmpty) return;
    for (const fs::directory_entry& entry : fs::directory_iterator(kExamples)) {
      fs::copy_file(entry.path(), fs::path("data") / entry.path().filename());
    }
  }
  ~StartUp() {
    fs::current_path(previous);
    fs::remove_all(folder);
  }

  int Run(const Args& args, PortDriverActions* realDriver = nullptr) {
    test::ModalScript script;
    script.Then([this](CDialog& window) {
      windowRows = CListBox(window, kIdAlgorithmList).GetCount();
      test::Press(test::Key::kEscape);
    });
    CProgrammerApp app({
        .reporter = reporter,
        .driver = realDriver ? *realDriver : driver,
        .showHelp = nullptr,
        .makeCommands =
            [this](const WriteEnvironment& environment) {
              portLevelAtWindow = environment.port.Read();
              simulated = environment.simulator != nullptr;
              return MainWindowCommands{};
            },
    });
    return app.Run(Read(args));
  }

  fs::path previous = fs::current_path();
  fs::path folder = fs::temp_directory_path() /
                    ("lunda-startup-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
  RecordingReporter reporter;
  FakeDriver driver;
  int windowRows = -1;  // -1: no main window was shown
  int portLevelAtWindow = -1;
  bool simulated = false;
};

int ExampleCount() {
  int count = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(kExamples)) {
    count += entry.path().extension() == ".cfg" ? 1 : 0;
  }
  return count;
}

constexpr char kNoAlgorithms[] =
    "Не найдено ни одного алгоритма.\nПроверьте их наличие в каталоге data";

TEST(StartUpTest, DriverSwitchesNeitherScanNorOpenAWindow) {
  for (const auto& [arg, call] : {std::pair{"/i", "install"}, {"/U", "remove"}}) {
    StartUp run(Data::kNone);
    EXPECT_EQ(run.Run({arg}), 1);
    EXPECT_EQ(run.driver.calls, (std::vector<std::string>{call}));
    EXPECT_TRUE(run.reporter.errors.empty());
    EXPECT_EQ(run.windowRows, -1);
  }
}

// The box names the folder it searched, so that a user started from a menu knows where the files
// belong.
TEST(StartUpTest, OtherTailsStartNormallyAndFindNoAlgorithm) {
  const std::tuple<Args, Data, const char*> cases[] = {
      // the folder searched, under the working directory
      {{"/i "}, Data::kEmpty, "data"},
      {{"-i"}, Data::kEmpty, "data"},
      {{}, Data::kNone, "data"},
      {{"--data=./mine/"}, Data::kExamples, "mine/"},  // ./data ignored
  };
  for (const auto& [args, data, searched] : cases) {
    StartUp run(data);
    EXPECT_EQ(run.Run(args), 1);
    const std::u8string folder = (fs::current_path() / searched).lexically_normal().u8string();
    EXPECT_EQ(run.reporter.errors,
              (std::vector<std::string>{std::string(kNoAlgorithms) + "\nПапка алгоритмов: " +
                                        std::string(folder.begin(), folder.end())}));
    EXPECT_TRUE(run.driver.calls.empty());
    EXPECT_EQ(run.windowRows, -1);
  }
}

// With --data the algorithms come from any folder; there is none under the working directory.
TEST(StartUpTest, ANormalRunRestsThePortAndShowsTheCatalogue) {
  StartUp run(Data::kNone);
  EXPECT_EQ(run.Run({"--port=sim", "--data=" + kExamples.string()}), 1);
  EXPECT_EQ(run.driver.calls, (std::vector<std::string>{"load"}));
  EXPECT_TRUE(run.reporter.errors.empty());
  EXPECT_EQ(run.windowRows, ExampleCount());
  EXPECT_EQ(run.portLevelAtWindow, int(kPortRestLevel));
  EXPECT_TRUE(run.simulated);
}

TEST(StartUpTest, ADriverThatDoesNotLoadEndsBeforeTheWindow) {
  StartUp run(Data::kExamples);
  run.driver.loads = false;
  EXPECT_EQ(run.Run({"--port=sim"}), 1);
  EXPECT_EQ(run.driver.calls, (std::vector<std::string>{"load"}));
  EXPECT_EQ(run.windowRows, -1);
  EXPECT_EQ(run.portLevelAtWindow, -1);
}

// The port this platform cannot reach, with one message in one language and no window: on Linux
// a device that is not there, on Windows the port driver that is not installed.
TEST(StartUpTest, APortThatCannotBeReachedIsReported) {
  StartUp run(Data::kExamples);
  const std::unique_ptr<PortDriverActions> real = MakePortDriverActions(run.reporter);
#ifdef _WIN32
  const char* port = "--port=io:0x378";
  const char* message =
      "Не могу загрузить драйвер LPT-порта.\nПопробуйте переустановить программу.";
#else
  const char* port = "--port=/nonexistent/parport9";
  const char* message =
      "Не могу получить доступ к LPT-порту\nНет устройства /nonexistent/parport9: загрузите "
      "модуль ppdev (sudo modprobe ppdev) и проверьте номер порта.";
#endif
  EXPECT_EQ(run.Run({port}, real.get()), 1);
  EXPECT_EQ(run.reporter.errors, (std::vector<std::string>{message}));
  EXPECT_EQ(run.windowRows, -1);
}

TEST(StartUpTest, BadOptionsAreNamedBeforeAnythingElse) {
  const std::pair<Args, std::string> cases[] = {
      {{"--port=lpt1"}, "lpt1"},
      {{"--port=sim", "--vcd=/nonexistent/dir/x.vcd"}, "/nonexistent/dir/x.vcd"}};
  for (const auto& [args, named] : cases) {
    StartUp run(Data::kExamples);
    EXPECT_EQ(run.Run(args), 1);
    ASSERT_EQ(run.reporter.errors.size(), 1u);
    EXPECT_NE(run.reporter.errors[0].find(named), std::string::npos) << run.reporter.errors[0];
    EXPECT_EQ(run.windowRows, -1);
  }
}

TEST(StartUpTest, ARecordingHoldsTheStartUpWrites) {
  StartUp run(Data::kExamples);
  EXPECT_EQ(run.Run({"--port=sim", "--vcd=run.vcd"}), 1);
  EXPECT_EQ(run.windowRows, ExampleCount());
  Waveform waveform;
  std::string error;
  ASSERT_TRUE(ReadVcdFile("run.vcd", waveform, error)) << error;
  // The port test and the rest level follow each other within the file's time unit, so only
  // the level that lasts is certain to show.
  ASSERT_FALSE(waveform.samples.empty());
  EXPECT_EQ(waveform.samples.back().value, kPortRestLevel);
}

}  // namespace
}  // namespace lunda
