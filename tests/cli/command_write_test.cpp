// write and decode: a whole image through the simulated controller and back out of its recording.
#include "cli/command_write.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "algorithm/firmware_image.h"
#include "cli/cli.h"
#include "temp_dir.h"
#include "tests/device/fake_clock.h"
#include "tests/device/fake_scheduler.h"

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
  testing::TempDir dir;
};

TEST_F(WriteCommandTest, SimulatedWriteDecodesBackToTheImage) {
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
  const std::vector<std::string> image = {"--data",   (dir.path() / "data").string(),
                                          "image",    "0",
                                          "--date",   "2026-12-06",
                                          "--set",    "T1=45m",
                                          "--output", Path("image.bin").string()};
  ASSERT_EQ(RunCli(image, decodeOut, decodeErr), kExitOk) << decodeErr.str();
  EXPECT_EQ(ReadAll(Path("decoded.bin")), ReadAll(Path("image.bin")));
  EXPECT_NE(decodeOut.str().find("Number: 12"), std::string::npos) << decodeOut.str();
}

TEST_F(WriteCommandTest, RefusesABadPortBeforeTouchingAnything) {
  std::ostringstream out;
  std::ostringstream err;
  CommandContext context{dir.path() / "data", out, err};
  FakeClock clock;
  FakeScheduler scheduler;
  const std::vector<std::string> args = {"0", "--date", "2026-12-06", "--port", "lpt1"};
  EXPECT_EQ(RunWrite(context, args, clock, scheduler), kExitUsage);
  EXPECT_NE(err.str().find("lpt1"), std::string::npos);
  EXPECT_EQ(clock.Peek(), 0);
}

TEST_F(WriteCommandTest, DecodeRefusesAFileThatIsNoWaveform) {
  dir.Write("junk.vcd", "not a waveform");
  std::ostringstream out;
  std::ostringstream err;
  const std::vector<std::string> args = {"decode", Path("junk.vcd").string()};
  EXPECT_EQ(RunCli(args, out, err), kExitUsage);
  EXPECT_NE(err.str().find("junk.vcd"), std::string::npos);
}

}  // namespace
}  // namespace lunda::cli
