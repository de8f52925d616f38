// Start-up: the command line, the driver switches, the empty catalogue, the port and its
// failures, the main window, and exit code 1 on every path.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "device/vcd_reader.h"
#include "gui/app/programmer_app.h"
#include "gui/framework/dialog.h"
#include "gui_driver.h"
#include "modal_script.h"
#include "tests/algorithm/temp_dir.h"
#include "tests/device/recording_reporter.h"

namespace lunda {
namespace {

namespace fs = std::filesystem;
using Args = std::vector<std::string>;

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

enum class Data { kNone, kExamples };

const fs::path kExamples = fs::absolute(LUNDA_EXAMPLES_DATA);

// One start-up in a fresh working directory, with the main window closed by Esc once it shows.
struct StartUp {
  explicit StartUp(Data data) {
    fs::current_path(temp.path());
    if (data == Data::kExamples) fs::copy(kExamples, "data");
  }
  ~StartUp() { fs::current_path(previous); }

  int Run(const Args& args, PortDriverActions* realDriver = nullptr) {
    test::ModalScript script;
    script.Then([this](CDialog& window) {
      windowRows = CListBox(window, ids::main_dlg::kAlgorithmList).GetCount();
      test::Press(test::Key::kEscape);
      // A broken Esc fails the run instead of leaving the window open for ever.
      if (!test::WaitUntil([&window] { return !window.IsWindowVisible(); }, 2000)) {
        ADD_FAILURE() << "Esc left the main window open";
        window.EndDialog(kIdCancel);
      }
    });
    CProgrammerApp app({
        .reporter = reporter,
        .driver = realDriver ? *realDriver : driver,
        .showHelp = nullptr,
        .makeCommands =
            [this](const WriteEnvironment& environment) {
              simulated = environment.simulator != nullptr;
              return MainWindowCommands{};
            },
    });
    // The tail as a POSIX shell hands it over: the arguments joined by blanks.
    std::string tail;
    for (const std::string& arg : args) tail += (&arg == &args.front() ? "" : " ") + arg;
    return app.Run(ReadCommandLine(tail, args));
  }

  fs::path previous = fs::current_path();
  testing::TempDir temp;  // the working directory, left before it is removed
  RecordingReporter reporter;
  FakeDriver driver;
  int windowRows = -1;  // -1: no main window was shown
  bool simulated = false;
};

// The port this platform cannot reach, through the real driver actions: on Linux a device that
// is not there, on Windows the port driver that is not installed. The whole texts are the port's
// own and tested with it; here only that they reach the user.
#ifdef _WIN32
constexpr char kUnreachablePort[] = "--port=io:0x378";
constexpr char kUnreachable[] = "Не могу загрузить драйвер LPT-порта.";
#else
constexpr char kUnreachablePort[] = "--port=/nonexistent/parport9";
constexpr char kUnreachable[] = "Нет устройства /nonexistent/parport9";
#endif
constexpr char kNoAlgorithms[] =
    "Не найдено ни одного алгоритма.\nПроверьте их наличие в каталоге data\nПапка алгоритмов: ";

// The order of the steps: a switch ends before the scan, an option error (named in its message)
// and a missing algorithm before the driver, a driver or port that does not load before the
// window, with one message in one language. The
// no-algorithm box names the folder it searched, so that a user started from a menu knows where
// the files belong.
TEST(StartUpTest, EachStepEndsTheRunOnItsOwnFailure) {
  const struct {
    Args args;
    Data data;
    std::vector<std::string> calls;
    std::string error;               // a part of the only message, "" for none
    const char* searched = nullptr;  // the folder named after kNoAlgorithms
    bool realDriver = false;
  } cases[] = {
      {{"/i"}, Data::kNone, {"install"}, ""},
      {{"/U"}, Data::kNone, {"remove"}, ""},
      {{"--vcd="}, Data::kExamples, {}, "--vcd="},
      {{"--data="}, Data::kExamples, {}, "--data="},
      {{"--data", "/srv"}, Data::kExamples, {}, "«--data»"},
      {{"--port=sim", "--vcd=/nonexistent/dir/x.vcd"}, Data::kExamples, {}, "/dir/x.vcd"},
      {{"--port=sim"}, Data::kExamples, {"load"}, ""},
      {{kUnreachablePort}, Data::kExamples, {}, kUnreachable, nullptr, true},
      {{"/i "}, Data::kNone, {}, kNoAlgorithms, "data"},  // only the whole tail is a switch
      {{"--data=./mine/"}, Data::kExamples, {}, kNoAlgorithms, "mine/"},  // ./data ignored
  };
  for (const auto& c : cases) {
    StartUp run(c.data);
    run.driver.loads = false;
    const std::unique_ptr<PortDriverActions> real = MakePortDriverActions(run.reporter);
    EXPECT_EQ(run.Run(c.args, c.realDriver ? real.get() : nullptr), 1);
    EXPECT_EQ(run.driver.calls, c.calls);
    std::string error = c.error;
    if (c.searched != nullptr) {
      const std::u8string folder = (fs::current_path() / c.searched).lexically_normal().u8string();
      error += std::string(folder.begin(), folder.end());
    }
    EXPECT_EQ(run.reporter.errors.size(), error.empty() ? 0u : 1u);
    for (const std::string& shown : run.reporter.errors)
      EXPECT_NE(shown.find(error), std::string::npos) << shown;
    EXPECT_EQ(run.windowRows, -1);
  }
}

// With --data the algorithms come from any folder; there is none under the working directory.
// The recording holds the port test and the rest level, which follow each other within the
// file's time unit, so only the level that lasts is certain to show.
TEST(StartUpTest, ANormalRunRestsThePortAndShowsTheCatalogue) {
  StartUp run(Data::kNone);
  EXPECT_EQ(run.Run({"--port=sim", "--vcd=run.vcd", "--data=" + kExamples.string()}), 1);
  EXPECT_EQ(run.driver.calls, (std::vector<std::string>{"load"}));
  EXPECT_TRUE(run.reporter.errors.empty());
  EXPECT_GT(run.windowRows, 1);
  EXPECT_TRUE(run.simulated);
  Waveform waveform;
  std::string error;
  ASSERT_TRUE(ReadVcdFile("run.vcd", waveform, error)) << error;
  ASSERT_FALSE(waveform.samples.empty());
  EXPECT_EQ(waveform.samples.back().value, kPortRestLevel);
}

}  // namespace
}  // namespace lunda
