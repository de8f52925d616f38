// write and decode: a whole image through the simulated controller and back out of its recording.
#include "cli/command_write.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "algorithm/firmware_image.h"
#include "cli/cli.h"
#include "temp_dir.h"
#include "tests/device/fake_clock.h"
#include "tests/device/fake_driver_os.h"
#include "tests/device/fake_scheduler.h"

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace lunda::cli {
namespace {

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

class WriteCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.Write("data/a.cfg", "number=12\nname=one\nfile=img.bin\n");
    std::string image(kImageSize, '\0');
    for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<char>(i * 13 + 5);
    dir.Write("data/img.bin", image);
  }
  std::filesystem::path Path(const char* name) const { return dir.path() / name; }
  std::vector<std::string> WriteArgs() const {
    return {"0",     "--date", "2026-12-06",
            "--set", "T1=45m", "--port",
            "sim",   "--vcd",  Path("out.vcd").string()};
  }
  // The image command with the same choices, into image.bin.
  std::vector<std::string> ImageArgs() const {
    return {"--data",   (dir.path() / "data").string(),
            "image",    "0",
            "--date",   "2026-12-06",
            "--set",    "T1=45m",
            "--output", Path("image.bin").string()};
  }
  // Opens a port that logs into portWrites and reads back the last value, or 0 when dead.
  PortOpener OpenLoggingPort(bool answers) {
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
    return [this, answers](const PortChoice&, Clock&, OpenedPort& opened, PortFault&) {
      opened.port = std::make_unique<LoggingPort>(portWrites, answers);
      return true;
    };
  }
  testing::TempDir dir;
  std::vector<std::uint8_t> portWrites;
};

// sigrok's VCD input (PulseView, sigrok-cli) and its SPI decoder read the recording back too:
// clock D0 idle high and sampled as it falls, data D1, least significant bit first. Downsampled
// to 1 MHz, since the 1 ns time scale would make 27.6 G samples of the file's 27.6 s.
TEST_F(WriteCommandTest, SimulatedWriteDecodesBackToTheImageHereAndInSigrok) {
  std::ostringstream out;
  std::ostringstream err;
  CommandContext context{dir.path() / "data", out, err};
  FakeClock clock(10'000'000, 250);
  FakeScheduler refusing(false);
  const std::vector<std::string> args = WriteArgs();
  ASSERT_EQ(RunWrite(context, args, clock, refusing), kExitOk) << err.str();
  EXPECT_NE(out.str().find("5120 bytes to sim (default scheduling)"), std::string::npos);
  EXPECT_NE(err.str().find("Verdict: good"), std::string::npos) << err.str();
  EXPECT_NE(err.str().find("Date: 2026-12-06"), std::string::npos);

  std::ostringstream decodeOut;
  std::ostringstream decodeErr;
  const std::vector<std::string> decode = {"decode", Path("out.vcd").string(), "--output",
                                           Path("decoded.bin").string()};
  ASSERT_EQ(RunCli(decode, decodeOut, decodeErr), kExitOk) << decodeErr.str() << decodeOut.str();
  ASSERT_EQ(RunCli(ImageArgs(), decodeOut, decodeErr), kExitOk) << decodeErr.str();
  EXPECT_EQ(ReadAll(Path("decoded.bin")), ReadAll(Path("image.bin")));
  EXPECT_NE(decodeOut.str().find("Number: 12"), std::string::npos) << decodeOut.str();

  if (std::system("sigrok-cli --version >/dev/null 2>&1") != 0) GTEST_SKIP() << "no sigrok-cli";
  const std::string sigrok = "sigrok-cli -i '" + Path("out.vcd").string() +
                             "' -I vcd:downsample=1000 -P spi:clk=D0:mosi=D1:cpol=1:cpha=0:"
                             "bitorder=lsb-first:wordsize=8 -B spi=mosi >'" +
                             Path("sigrok.bin").string() + "'";
  ASSERT_EQ(std::system(sigrok.c_str()), 0) << sigrok;
  EXPECT_TRUE(ReadAll(Path("sigrok.bin")) == ReadAll(Path("image.bin")));
}

#ifndef _WIN32
// Standard error on a pseudo-terminal while it lives, so that the write shows its progress line.
class StderrOnTerminal {
 public:
  StderrOnTerminal() {
    leader = posix_openpt(O_RDWR | O_NOCTTY);
    if (leader < 0 || grantpt(leader) != 0 || unlockpt(leader) != 0) return;
    const int follower = open(ptsname(leader), O_RDWR | O_NOCTTY);
    saved = dup(STDERR_FILENO);
    std::cerr.flush();
    dup2(follower, STDERR_FILENO);
    close(follower);
  }
  ~StderrOnTerminal() {
    std::cerr.flush();
    if (saved >= 0) {
      dup2(saved, STDERR_FILENO);
      close(saved);
    }
    if (leader >= 0) close(leader);
  }
  StderrOnTerminal(const StderrOnTerminal&) = delete;
  StderrOnTerminal& operator=(const StderrOnTerminal&) = delete;

  [[nodiscard]] bool Ready() const { return saved >= 0; }
  [[nodiscard]] std::string Shown() {
    std::cerr.flush();
    fcntl(leader, F_SETFL, O_NONBLOCK);
    std::string text;
    char buffer[4096];
    for (ssize_t got; (got = read(leader, buffer, sizeof buffer)) > 0;) text.append(buffer, got);
    return text;
  }

 private:
  int leader = -1;
  int saved = -1;
};

// There the transmitter runs on a thread of its own while this one redraws the line.
TEST_F(WriteCommandTest, OnATerminalTheProgressLineFollowsTheWrite) {
  StderrOnTerminal terminal;
  ASSERT_TRUE(terminal.Ready());
  std::ostringstream out;
  CommandContext context{dir.path() / "data", out, std::cerr};
  FakeClock clock(10'000'000, 250);
  const std::vector<std::string> args = {"0", "--date", "2026-12-06", "--port", "sim"};
  FakeScheduler scheduler;
  ASSERT_EQ(RunWrite(context, args, clock, scheduler), kExitOk);
  const std::string shown = terminal.Shown();
  EXPECT_NE(shown.find(" 5120/5120 bytes,  0 s left"), std::string::npos) << shown;
  EXPECT_NE(shown.find("Verdict: good"), std::string::npos) << shown;
}
#endif

// The port's way in: a choice that names no port is bad usage; where the port instructions need
// the port-I/O driver (Windows), the first write to an io: port without it would end the process
// with a privileged-instruction fault; and as at start-up, a port that does not read back the
// test level gets nothing else.
struct DriverCase {
  const char* name;
  const char* port;
  bool libraryThere;
  bool portAnswers;
  int exitCode;
  const char* errStart;
  int libraryLoads;
};

void PrintTo(const DriverCase& c, std::ostream* out) { *out << c.name; }

class WriteDriverTest : public WriteCommandTest,
                        public ::testing::WithParamInterface<DriverCase> {};

TEST_P(WriteDriverTest, NothingButThePortTestReachesAPortThatIsNotReady) {
  const DriverCase& row = GetParam();
  FakeDriverOs os;
  os.shellFolders[kFolderProgramFilesCommon] = "C:\\Common";
  if (row.libraryThere) os.loadableLibraries.insert("C:\\Common\\Vilt\\WinIo.dll");
  FakeClock clock(10'000'000, 250);
  FakeScheduler scheduler;
  std::ostringstream out;
  std::ostringstream err;
  CommandContext context{dir.path() / "data", out, err};
  const std::vector<std::string> args = {"0", "--date", "2026-12-06", "--port", row.port};
  EXPECT_EQ(RunWrite(context, args, clock, scheduler,
                     {.openPort = OpenLoggingPort(row.portAnswers), .driverOs = &os}),
            row.exitCode);
  EXPECT_TRUE(err.str().starts_with(row.errStart)) << err.str();
  EXPECT_EQ(os.libraryLoads, row.libraryLoads);
  EXPECT_EQ(portWrites.size() > 1, row.exitCode == kExitOk);
  if (row.exitCode != kExitOk) {
    EXPECT_EQ(clock.Peek(), 0);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WriteDriverTest,
    ::testing::Values(
        DriverCase{"NoSuchPort", "lpt1", true, true, kExitUsage, "lunda-cli: unknown port 'lpt1'",
                   0},
        DriverCase{"NoDriverLibrary", "io:0x378", false, true, kExitFailure,
                   "lunda-cli: Не могу загрузить драйвер LPT-порта.\nПопробуйте переустановить "
                   "программу.\n",
                   1},
        DriverCase{"DriverLoads", "io:0x378", true, true, kExitOk, "", 1},
        DriverCase{"PortFailsTheTest", "/dev/parport0", true, false, kExitFailure,
                   "lunda-cli: Не могу получить доступ к LPT-порту\n", 0},
        DriverCase{"SimulatedPortNeedsNone", "sim", false, true, kExitOk, "", 0}),
    [](const ::testing::TestParamInfo<DriverCase>& info) { return info.param.name; });

}  // namespace
}  // namespace lunda::cli
