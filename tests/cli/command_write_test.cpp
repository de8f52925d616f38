// write and decode: a whole image through the simulated controller and back out of its recording.
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <tuple>

#include "cli_fixture.h"
#include "tests/device/fake_driver_os.h"
#include "tests/device/fake_ftdi.h"

#ifndef _WIN32
#include <fcntl.h>
#include <pty.h>
#include <unistd.h>
#endif

namespace lunda::cli {
namespace {

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

// A controller that measures every step as no time at all: the write went out, but the verdict
// is bad, and so is the exit code.
TEST_F(CliTest, ABadVerdictFailsTheWrite) {
  FakeClock still(10'000'000, 0);
  const PortOpener openPort = [&](const auto& choice, auto&, auto& opened, auto& fault) {
    return OpenPort(choice, still, opened, fault);
  };
  std::ostringstream err;
  EXPECT_EQ(Write({"--port", "sim"}, err, {.openPort = openPort}), kExitFailure) << err.str();
}

#ifndef _WIN32
// On a terminal the transmitter runs on a thread of its own while this one redraws the progress
// line: standard error goes to a pseudo-terminal for the write.
TEST_F(CliTest, OnATerminalTheProgressLineFollowsTheWrite) {
  int leader = -1, follower = -1;
  ASSERT_EQ(openpty(&leader, &follower, nullptr, nullptr, nullptr), 0);
  const int saved = dup(STDERR_FILENO);
  dup2(follower, STDERR_FILENO);
  close(follower);
  const int code = Write({"--port", "sim"}, std::cerr);
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
struct LoggingPort final : public Port {
  LoggingPort(std::vector<std::uint8_t>& log, bool answers) : writes(log), answers(answers) {}
  void Write(std::uint8_t value) override { writes.push_back(value); }
  std::uint8_t Read() override { return answers && !writes.empty() ? writes.back() : 0; }
  std::vector<std::uint8_t>& writes;
  bool answers;
};

// The port's way in: a choice that names no port is bad usage; where the port instructions need
// the port-I/O driver (Windows), the first write to an io: port without it would end the process
// with a privileged-instruction fault; and as at start-up, a port that does not read back the
// test level gets nothing else.
TEST_F(CliTest, NothingButThePortTestReachesAPortThatIsNotReady) {
  const std::tuple<const char*, bool, bool, int, const char*> rows[] = {
      {"lpt1", true, true, kExitUsage, "lunda-cli: unknown port 'lpt1'"},
      {"io:0x378", false, true, kExitFailure, "lunda-cli: Не могу загрузить драйвер"},
      {"io:0x378", true, true, kExitOk, ""},
      {"/dev/parport0", true, false, kExitFailure,
       "lunda-cli: Не могу получить доступ к LPT-порту\n"}};
  for (const auto& [port, libraryThere, portAnswers, exitCode, errStart] : rows) {
    FakeDriverOs os;
    os.shellFolders[kFolderProgramFilesCommon] = "C:\\Common";
    if (libraryThere) os.loadableLibraries.insert("C:\\Common\\Vilt\\WinIo.dll");
    std::vector<std::uint8_t> portWrites;
    const PortOpener openPort = [&, answers = portAnswers](const PortChoice&, Clock&,
                                                           OpenedPort& opened, PortFault&) {
      opened.port = std::make_unique<LoggingPort>(portWrites, answers);
      return true;
    };
    std::ostringstream err;
    EXPECT_EQ(Write({"--port", port}, err, {.openPort = openPort, .driverOs = &os}), exitCode);
    EXPECT_TRUE(err.str().starts_with(errStart)) << err.str();
    EXPECT_EQ(os.libraryLoads, std::string_view(port).starts_with("io:") ? 1 : 0) << port;
    EXPECT_EQ(portWrites.size() > 1, exitCode == kExitOk);
  }
}

PortOpener FtdiOpener(FakeFtdi& ftdi) {
  return [&ftdi](const PortChoice& choice, Clock& clock, OpenedPort& opened, PortFault& fault) {
    return OpenFtdiPort(ftdi, choice, clock, opened, fault);
  };
}

// Through a USB adapter the controller decodes exactly the bytes of image, from a stream that is
// the bit table sample by sample, and so does decode from the recording; the adapter is closed
// afterwards.
TEST_F(CliTest, AnFtdiWriteDecodesToTheImage) {
  FakeFtdi ftdi(clock);
  std::ostringstream err;
  ASSERT_EQ(Write({"--port=ftdi", "--vcd", (dir.path() / "usb.vcd").string()}, err,
                  {.openPort = FtdiOpener(ftdi)}),
            kExitOk)
      << err.str();
  ASSERT_EQ(Run("decode @usb.vcd --output @a.bin").code, kExitOk);
  EXPECT_NE(out.str().find("5120 bytes to ftdi"), std::string::npos) << out.str();
  EXPECT_EQ(ftdi.OpenCount(), 0);
  const TransferReport report = DecodeClocked(ftdi.Clocked(), clock.Frequency());
  EXPECT_TRUE(IsGoodTransfer(report)) << FormatTransferReport(report);
  ASSERT_EQ(Run("image 0 --date 2026-12-06 --output @b.bin").code, 0);
  const std::string image = dir.Read("b.bin");
  EXPECT_TRUE(report.bytes == std::vector<std::uint8_t>(image.begin(), image.end()));
  EXPECT_EQ(dir.Read("a.bin"), image);
  EXPECT_TRUE(ClockedStream(ftdi.Clocked()) == ExpectedStream(report.bytes));
}

// Each way a USB adapter fails has its own message and exit code 1, and leaves it closed. The
// stand-in is set up in D2XX's terms.
TEST_F(CliTest, AFailingFtdiAdapterIsNamedAndReleased) {
  const struct {
    const char* port;
    std::function<void(StandInSetup&)> arrange;
    const char* message;
  } cases[] = {
      {"ftdi", [](StandInSetup& s) { s.adapters = 0; }, "no USB adapter ftdi found"},
      {"ftdi:XYZ", [](StandInSetup&) {}, "no USB adapter ftdi:XYZ found"},
      {"ftdi:0", [](StandInSetup& s) { s.type = 5; }, "has an FT232R/FT245R chip"},
      {"ftdi", [](StandInSetup& s) { s.openStatus = 3; }, "is busy"},  // FT_DEVICE_NOT_OPENED
      {"ftdi", [](StandInSetup& s) { s.failAfter = 100'000; }, "was unplugged"},
      {"ftdi",
       [](StandInSetup& s) {
         s.failAfter = 100'000;
         s.failStatus = 0;
       },
       "stopped taking data"},
      {"ftdi", [](StandInSetup& s) { s.rateInThousandths = 1050; },
       "samples/s instead of 9998, more than 1 % off"},
  };
  for (const auto& c : cases) {
    FakeFtdi ftdi(clock);
    c.arrange(ftdi.setup);
    std::ostringstream err;
    EXPECT_EQ(Write({"--port", c.port}, err, {.openPort = FtdiOpener(ftdi)}), kExitFailure);
    EXPECT_NE(err.str().find(c.message), std::string::npos) << err.str();
    EXPECT_EQ(ftdi.OpenCount(), 0) << c.message;
  }
}

}  // namespace
}  // namespace lunda::cli
