// lunda-cli in-process on a data folder of two algorithms, and its write on a fake clock.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "algorithm/firmware_image.h"
#include "cli/cli.h"
#include "cli/command_write.h"
#include "temp_dir.h"
#include "tests/device/fake_clock.h"
#include "tests/device/fake_scheduler.h"

namespace lunda::cli {

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
    std::ostringstream out, err;
    return {RunCli(words, out, err), out.str(), err.str()};  // evaluated left to right
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

}  // namespace lunda::cli
