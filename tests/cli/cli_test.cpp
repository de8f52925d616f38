// lunda-cli's commands and their refusals.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli_fixture.h"

namespace lunda::cli {
namespace {

TEST_F(CliTest, ListAndShowKeepCatalogueOrderAndDecodeText) {
  const auto list = nlohmann::json::parse(Run("list --json").out);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[1]["name"], "Два");
  EXPECT_EQ(list[1]["purposes"][0], "x");
  EXPECT_EQ(list[1]["startDelay"], 11 * 13 + 5);
  EXPECT_EQ(list[0].size(), 9u);  // number, name, file, description, purposes and the parameters
  EXPECT_EQ(Run("list").out, "0\t4\tone {img.bin}\n1\t9\tДва {IMG.BIN}\n");
  // What the parameter pages show of bytes 7 (a threshold) and 17 (the first delay).
  const std::string shown = Run("show 0").out;
  EXPECT_TRUE(shown.starts_with("one {img.bin}\nНомер: 4\n")) << shown;
  EXPECT_NE(shown.find("датчика 2: 1.88 Вольт (01100000)\n"), std::string::npos) << shown;
  EXPECT_NE(shown.find("\n  T1  34 сут.  \n"), std::string::npos) << shown;
}

TEST_F(CliTest, ImageAppliesSettingsAndPatches) {
  const CliResult run =
      Run("image 1 --date 2010-01-31 --set T5=45m --set=threshold2=2.49 --set start-delay=7 "
          "--set sensor-current=1 --set T36=5d --set threshold4=5 --output @out.bin");
  ASSERT_EQ(run.code, 0) << run.err;
  const std::string image = dir.Read("out.bin");
  ASSERT_EQ(image.size(), kImageSize);
  // The date in BCD, the number, the thresholds, the current, the start delay and two delays.
  EXPECT_EQ(image.substr(0, 12), "\x31\x01\x10\x09\x39\x46\x53\x7F\x6D\xFF\x01\x07");
  EXPECT_EQ((std::string{image[DelayOffset(4)], image[DelayOffset(35)]}), "\x6D\xC5");
}

TEST_F(CliTest, RefusesBadInputWithoutWritingAFile) {
  for (const char* extra :
       {"0 --set T37=1s", "0 --set T5=64s", "0 --set T5=5x", "0 --set threshold1=5.1",
        "0 --set threshold1=nan", "0 --set threshold0=1", "0 --set start-delay=256",
        "0 --set sensor-current=2", "0 --set colour=red", "0 --set T05=1s", "0 --bogus", "9",
        "0 --date 2070-01-01", "0 --date 2023-02-29", "0 --date 5.12.2004",
        "0 --date 2004-12/05"}) {
    // A later --date replaces the good one.
    const CliResult run = Run("image --output @out.bin --date 2004-12-05 " + std::string(extra));
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
  EXPECT_NE(Run("image 0").err.find("--date is missing"), std::string::npos);
  EXPECT_NE(Run("image 0 --date 2004-12-05 --output @folder").err.find("is a folder"),
            std::string::npos);
}

}  // namespace
}  // namespace lunda::cli
