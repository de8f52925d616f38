// lunda-cli's commands in-process on a data folder of their own; write on the simulated
// controller with a fake clock, and on ports that are not ready.
#include "cli/cli.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "algorithm/firmware_image.h"
#include "cli/command_write.h"
#include "temp_dir.h"
#include "tests/device/fake_clock.h"
#include "tests/device/fake_driver_os.h"
#include "tests/device/fake_scheduler.h"

#ifndef _WIN32
#include <fcntl.h>
#include <pty.h>
#include <unistd.h>
#endif

namespace lunda::cli {
namespace {

struct CliResult {
  int code;
  std::string out;
  std::string err;
};

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.Write("data/b.cfg", "number=9\r\nname=\xC4\xE2\xE0\r\nfile=IMG.BIN\r\ndesc1=x\r\n");
    dir.Write("data/a.cfg", "number=4\nname=one\nfile=img.bin\n");
    std::string image(kImageSize, '\0');
    for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<char>(i * 13 + 5);
    dir.Write("data/img.bin", image);
  }
  // lunda-cli on the data folder with the words of args; a word "@NAME" stands for NAME in the
  // test's folder.
  CliResult Run(const std::string& args) const {
    std::vector<std::string> words = {"--data", (dir.path() / "data").string()};
    std::istringstream in(args);
    for (std::string word; in >> word;)
      words.push_back(word.starts_with('@') ? (dir.path() / word.substr(1)).string() : word);
    std::ostringstream out;
    std::ostringstream err;
    const int code = RunCli(words, out, err);
    return {code, out.str(), err.str()};
  }
  // write 0 --date 2026-12-06 with the further arguments, on the fake clock.
  int Write(std::vector<std::string> args, std::ostream& err, const WriteSystem& system = {}) {
    args.insert(args.begin(), {"0", "--date", "2026-12-06"});
    CommandContext context{dir.path() / "data", out, err};
    return RunWrite(context, args, clock, scheduler, system);
  }
  testing::TempDir dir;
  std::ostringstream out;
  FakeClock clock{10'000'000, 250};
  FakeScheduler scheduler{false};
};

TEST_F(CliTest, ListJsonKeepsCatalogueOrderAndDecodesText) {
  const CliResult run = Run("list --json");
  ASSERT_EQ(run.code, 0) << run.err;
  const auto list = nlohmann::json::parse(run.out);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[1]["name"], "Два");
  EXPECT_EQ(list[1]["purposes"][0], "x");
  EXPECT_EQ(list[1]["startDelay"], 11 * 13 + 5);
  EXPECT_EQ(list[0].size(), 9u);  // number, name, file, description, purposes and the parameters
  EXPECT_EQ(Run("list").out, "0\t4\tone {img.bin}\n1\t9\tДва {IMG.BIN}\n");
}

TEST_F(CliTest, ImageAppliesSettingsAndPatches) {
  const CliResult run =
      Run("image 1 --date 2010-01-31 --set T5=45m --set=threshold2=2.49 --set start-delay=7 "
          "--set sensor-current=1 --set T36=5d --output @out.bin");
  ASSERT_EQ(run.code, 0) << run.err;
  const std::string image = dir.Read("out.bin");
  ASSERT_EQ(image.size(), kImageSize);
  // The date in BCD, the number, the thresholds, the current, the start delay and two delays.
  EXPECT_EQ(image.substr(0, 12), "\x31\x01\x10\x09\x39\x46\x53\x7F\x6D\x7A\x01\x07");
  EXPECT_EQ(image[DelayOffset(4)], '\x6D');
  EXPECT_EQ(image[DelayOffset(35)], '\xC5');
}

TEST_F(CliTest, RefusesBadInputWithoutWritingAFile) {
  for (const char* extra :
       {"0 --set T37=1s", "0 --set T5=64s", "0 --set T5=5x", "0 --set threshold1=5.1",
        "0 --set threshold1=nan", "0 --set threshold0=1", "0 --set start-delay=256",
        "0 --set sensor-current=2", "0 --set colour=red", "0 --set T05=1s", "0 --bogus", "9",
        "0 --date 2070-01-01", "0 --date 2023-02-29", "0 --date 5.12.2004",
        "0 --date 2004-12/05"}) {
    const bool dated = std::string_view(extra).find("--date") != std::string_view::npos;
    const CliResult run =
        Run("image --output @out.bin " + std::string(extra) + (dated ? "" : " --date 2004-12-05"));
    EXPECT_EQ(run.code, 2) << extra;
    EXPECT_TRUE(run.err.starts_with("lunda-cli: ")) << extra;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1);
  }
  EXPECT_EQ(dir.Names(), std::set<std::string>{"data"});
}

TEST_F(CliTest, UsageAndFailureExitCodes) {
  dir.Write("junk.vcd", "not a waveform");
  std::filesystem::create_directory(dir.path() / "folder");
  // "EXIT-CODE arguments"; help goes to standard output, every failure says why on standard error.
  for (const std::string_view row :
       {"2", "2 frobnicate", "0 --help", "0 list --help", "0 show --help", "0 image --help",
        "2 --data @missing list", "2 decode @junk.vcd", "2 show -1", "2 show 2", "2 show 1x",
        "2 show", "1 image 0 --date 2004-12-05 --output @no/such/x",
        "1 image 0 --date 2004-12-05 --output @folder"}) {
    const CliResult run = Run(std::string(row.substr(1)));
    EXPECT_EQ(run.code, row[0] - '0') << row;
    EXPECT_EQ(run.err.empty(), run.code == 0) << row;
    if (run.code == 0 && row != "0 --help") {
      const std::string command(row.substr(2, row.find(' ', 2) - 2));
      EXPECT_TRUE(run.out.starts_with("Usage: lunda-cli [--data DIR] " + command)) << run.out;
    }
  }
  EXPECT_NE(Run("decode @junk.vcd").err.find("junk.vcd"), std::string::npos);
  EXPECT_NE(Run("image 0 --date 2004-12-05 --output @folder").err.find("is a folder"),
            std::string::npos);
  EXPECT_TRUE(Run("show 0").out.starts_with("one {img.bin}\nНомер: 4\n"));
}

TEST_F(CliTest, BinaryShowsTheExampleData) {
  const std::string command =
      std::string(LUNDA_CLI_PATH) + " --data " + LUNDA_EXAMPLES_DATA + " show 0 > /dev/null";
  EXPECT_EQ(std::system(command.c_str()), 0);
  const std::string out = Run(std::string("--data ") + LUNDA_EXAMPLES_DATA + " show 2").out;
  EXPECT_NE(out.find("Порог срабатывания датчика 2: 2.5 Вольт (10000000)"), std::string::npos);
  EXPECT_NE(out.find("T3  15 мин.  Пауза после аварии"), std::string::npos);
}

// sigrok's VCD input (PulseView, sigrok-cli) and its SPI decoder read the recording back too:
// clock D0 idle high and sampled as it falls, data D1, least significant bit first. Downsampled
// to 1 MHz, since the 1 ns time scale would make 27.6 G samples of the file's 27.6 s.
TEST_F(CliTest, SimulatedWriteDecodesBackToTheImageHereAndInSigrok) {
  const std::string vcd = (dir.path() / "out.vcd").string();
  std::ostringstream err;
  ASSERT_EQ(Write({"--set", "T1=45m", "--port", "sim", "--vcd", vcd}, err), kExitOk) << err.str();
  EXPECT_NE(out.str().find("5120 bytes to sim (default scheduling)"), std::string::npos);
  EXPECT_NE(err.str().find("Verdict: good"), std::string::npos) << err.str();

  const CliResult decode = Run("decode @out.vcd --output @a.bin");
  ASSERT_EQ(decode.code, kExitOk) << decode.err;
  EXPECT_NE(decode.out.find("Number: 4"), std::string::npos) << decode.out;
  ASSERT_EQ(Run("image 0 --date 2026-12-06 --set T1=45m --output @b.bin").code, 0);
  EXPECT_EQ(dir.Read("a.bin"), dir.Read("b.bin"));

  if (std::system("sigrok-cli --version >/dev/null 2>&1") != 0) GTEST_SKIP() << "no sigrok-cli";
  const std::string sigrok = "sigrok-cli -i '" + vcd +
                             "' -I vcd:downsample=1000 -P spi:clk=D0:mosi=D1:cpol=1:cpha=0:"
                             "bitorder=lsb-first:wordsize=8 -B spi=mosi >'" +
                             (dir.path() / "c.bin").string() + "'";
  ASSERT_EQ(std::system(sigrok.c_str()), 0) << sigrok;
  EXPECT_TRUE(dir.Read("c.bin") == dir.Read("b.bin"));
}

#ifndef _WIN32
// On a terminal the transmitter runs on a thread of its own while this one redraws the progress
// line: standard error goes to a pseudo-terminal for the write.
TEST_F(CliTest, OnATerminalTheProgressLineFollowsTheWrite) {
  int leader = -1;
  int follower = -1;
  ASSERT_EQ(openpty(&leader, &follower, nullptr, nullptr, nullptr), 0);
  const int saved = dup(STDERR_FILENO);
  dup2(follower, STDERR_FILENO);
  close(follower);
  const int code = Write({"--port", "sim"}, std::cerr);
  std::cerr.flush();
  fcntl(leader, F_SETFL, O_NONBLOCK);
  std::string shown;
  char buffer[4096];
  for (ssize_t got; (got = read(leader, buffer, sizeof buffer)) > 0;) shown.append(buffer, got);
  dup2(saved, STDERR_FILENO);
  close(saved);
  close(leader);
  ASSERT_EQ(code, kExitOk);
  EXPECT_NE(shown.find(" 5120/5120 bytes,  0 s left"), std::string::npos) << shown;
}
#endif

// A port that logs what it is given and reads back the last value, or 0 when dead.
class LoggingPort final : public Port {
 public:
  LoggingPort(std::vector<std::uint8_t>& writes, bool answers)
      : writes_(writes), answers_(answers) {}
  void Write(std::uint8_t value) override { writes_.push_back(value); }
  std::uint8_t Read() override { return answers_ && !writes_.empty() ? writes_.back() : 0; }

 private:
  std::vector<std::uint8_t>& writes_;
  bool answers_;
};

// The port's way in: a choice that names no port is bad usage; where the port instructions need
// the port-I/O driver (Windows), the first write to an io: port without it would end the process
// with a privileged-instruction fault; and as at start-up, a port that does not read back the
// test level gets nothing else.
TEST_F(CliTest, NothingButThePortTestReachesAPortThatIsNotReady) {
  const struct {
    const char* port;
    bool libraryThere;
    bool portAnswers;
    int exitCode;
    const char* errStart;
  } rows[] = {{"lpt1", true, true, kExitUsage, "lunda-cli: unknown port 'lpt1'"},
              {"io:0x378", false, true, kExitFailure, "lunda-cli: Не могу загрузить драйвер"},
              {"io:0x378", true, true, kExitOk, ""},
              {"/dev/parport0", true, false, kExitFailure,
               "lunda-cli: Не могу получить доступ к LPT-порту\n"},
              {"sim", false, true, kExitOk, ""}};
  for (const auto& row : rows) {
    FakeDriverOs os;
    os.shellFolders[kFolderProgramFilesCommon] = "C:\\Common";
    if (row.libraryThere) os.loadableLibraries.insert("C:\\Common\\Vilt\\WinIo.dll");
    std::vector<std::uint8_t> portWrites;
    const PortOpener openPort = [&](const PortChoice&, Clock&, OpenedPort& opened, PortFault&) {
      opened.port = std::make_unique<LoggingPort>(portWrites, row.portAnswers);
      return true;
    };
    const std::int64_t start = clock.Peek();
    std::ostringstream err;
    EXPECT_EQ(Write({"--port", row.port}, err, {.openPort = openPort, .driverOs = &os}),
              row.exitCode);
    EXPECT_TRUE(err.str().starts_with(row.errStart)) << err.str();
    EXPECT_EQ(os.libraryLoads, std::string_view(row.port).starts_with("io:") ? 1 : 0) << row.port;
    EXPECT_EQ(portWrites.size() > 1, row.exitCode == kExitOk);
    EXPECT_TRUE(row.exitCode == kExitOk || clock.Peek() == start) << "no time passes";
  }
}

}  // namespace
}  // namespace lunda::cli
