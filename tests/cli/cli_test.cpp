#include "cli/cli.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "algorithm/delay_codec.h"
#include "algorithm/firmware_image.h"
#include "temp_dir.h"

namespace lunda::cli {
namespace {

struct CliResult {
  int code;
  std::string out;
  std::string err;
};

CliResult Cli(std::vector<std::string> args) {
  std::ostringstream out;
  std::ostringstream err;
  const int code = RunCli(args, out, err);
  return {code, out.str(), err.str()};
}

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.Write("data/b.cfg", "number=9\r\nname=\xC4\xE2\xE0\r\nfile=IMG.BIN\r\ndesc1=x\r\n");
    dir.Write("data/a.cfg", "number=4\nname=one\nfile=img.bin\n");
    std::string image(kImageSize, '\0');
    image[11] = 20;
    dir.Write("data/img.bin", image);
  }
  std::string Data() const { return (dir.path() / "data").string(); }
  std::string Output() const { return (dir.path() / "out.bin").string(); }
  testing::TempDir dir;
};

TEST_F(CliTest, ListJsonKeepsCatalogueOrderAndDecodesText) {
  const CliResult run = Cli({"--data", Data(), "list", "--json"});
  ASSERT_EQ(run.code, 0) << run.err;
  const auto list = nlohmann::json::parse(run.out);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0]["number"], 4);
  EXPECT_EQ(list[1]["name"], "Два");
  EXPECT_EQ(list[1]["purposes"].size(), 36u);
  EXPECT_EQ(list[1]["purposes"][0], "x");
  EXPECT_EQ(list[1]["startDelay"], 20);
  for (const char* key : {"number", "name", "file", "description", "purposes", "thresholds",
                          "startDelay", "sensorCurrent", "delays"}) {
    EXPECT_TRUE(list[0].contains(key)) << key;
  }
  EXPECT_EQ(Cli({"--data", Data(), "list"}).out, "0\t4\tone {img.bin}\n1\t9\tДва {IMG.BIN}\n");
}

TEST_F(CliTest, ImageAppliesSettingsAndPatches) {
  const CliResult run = Cli({"--data=" + Data(), "image", "1", "--date", "2010-01-31", "--set",
                             "T5=45m", "--set=threshold2=2.49", "--set", "start-delay=7", "--set",
                             "sensor-current=1", "--set", "T36=5d", "--output", Output()});
  ASSERT_EQ(run.code, 0) << run.err;
  const std::string image = ReadAll(Output());
  ASSERT_EQ(image.size(), kImageSize);
  // The date in BCD, the number, the thresholds, the current, the start delay and two delays.
  for (const auto& [offset, value] :
       std::vector<std::pair<std::size_t, int>>{{0, 0x31},
                                                {1, 0x01},
                                                {2, 0x10},
                                                {3, 9},
                                                {6, 0},
                                                {7, 127},
                                                {10, 1},
                                                {11, 7},
                                                {DelayOffset(4), 0x6D},
                                                {DelayOffset(35), 0xC5}}) {
    EXPECT_EQ(static_cast<std::uint8_t>(image[offset]), value) << offset;
  }
  int sum = 0;
  for (char c : image) sum += static_cast<std::uint8_t>(c);
  EXPECT_EQ(sum % 256, 0);
}

TEST_F(CliTest, RefusesBadInputWithoutWritingAFile) {
  const std::vector<std::vector<std::string>> cases = {{"--set", "T37=1s"},
                                                       {"--set", "T5=64s"},
                                                       {"--set", "T5=5x"},
                                                       {"--set", "threshold1=5.1"},
                                                       {"--set", "threshold1=nan"},
                                                       {"--set", "threshold0=1"},
                                                       {"--set", "start-delay=256"},
                                                       {"--set", "sensor-current=2"},
                                                       {"--set", "colour=red"},
                                                       {"--set", "T05=1s"},
                                                       {"--date", "2070-01-01"},
                                                       {"--date", "2023-02-29"},
                                                       {"--date", "5.12.2004"},
                                                       {"--date", "2004-12/05"},
                                                       {"--bogus"},
                                                       {"9"}};
  for (const auto& extra : cases) {
    std::vector<std::string> args = {"--data", Data(), "image", "0", "--output", Output()};
    if (extra.front() != "--date") args.insert(args.end(), {"--date", "2004-12-05"});
    if (extra.front() == "9") args[3] = "9";
    if (extra.front() != "9") args.insert(args.end(), extra.begin(), extra.end());
    const CliResult run = Cli(args);
    EXPECT_EQ(run.code, 2) << extra.back();
    EXPECT_NE(run.err.find("lunda-cli: "), std::string::npos);
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1);
    EXPECT_FALSE(std::filesystem::exists(Output())) << extra.back();
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST_F(CliTest, UsageAndFailureExitCodes) {
  EXPECT_EQ(Cli({}).code, 2);
  EXPECT_EQ(Cli({"frobnicate"}).code, 2);
  EXPECT_EQ(Cli({"--help"}).code, 0);
  for (const char* command : {"list", "show", "image"}) {
    const CliResult run = Cli({command, "--help"});
    EXPECT_EQ(run.code, 0);
    EXPECT_TRUE(run.out.starts_with("Usage: lunda-cli [--data DIR] " + std::string(command)));
  }
  EXPECT_EQ(Cli({"--data", Data() + "/missing", "list"}).code, 2);
  const CliResult junk = Cli({"decode", dir.Write("junk.vcd", "not a waveform").string()});
  EXPECT_EQ(junk.code, 2);
  EXPECT_NE(junk.err.find("junk.vcd"), std::string::npos);
  for (const char* index : {"-1", "2", "1x", ""}) {
    EXPECT_EQ(Cli({"--data", Data(), "show", index}).code, 2) << index;
  }
  const CliResult first = Cli({"--data", Data(), "show", "0"});
  EXPECT_EQ(first.code, 0) << first.err;
  EXPECT_TRUE(first.out.starts_with("one {img.bin}\n")) << first.out;
  std::filesystem::create_directory(dir.path() / "folder");
  const CliResult folder = Cli({"--data", Data(), "image", "0", "--date", "2004-12-05", "--output",
                                (dir.path() / "folder").string()});
  EXPECT_EQ(folder.code, 1);
  EXPECT_NE(folder.err.find("is a folder"), std::string::npos) << folder.err;
  EXPECT_EQ(Cli({"--data", Data(), "image", "0", "--date", "2004-12-05", "--output",
                 (dir.path() / "no" / "such" / "x.bin").string()})
                .code,
            1);
}

TEST(CliExamplesTest, BinaryShowsTheExampleData) {
  const std::string command =
      std::string(LUNDA_CLI_PATH) + " --data " + LUNDA_EXAMPLES_DATA + " show 0 > /dev/null";
  EXPECT_EQ(std::system(command.c_str()), 0);
  const CliResult run = Cli({"--data", LUNDA_EXAMPLES_DATA, "show", "2"});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_NE(run.out.find("Порог срабатывания датчика 2: 2.5 Вольт (10000000)"), std::string::npos);
  EXPECT_NE(run.out.find("T3  15 мин.  Пауза после аварии"), std::string::npos);
}

}  // namespace
}  // namespace lunda::cli
