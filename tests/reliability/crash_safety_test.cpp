// Kills a writer of the image file at random moments, many times over, and looks at what it
// leaves: the old file or the whole new one, never a part, and no temporary that the next write
// does not take over. The registration list goes through the same file replacement.
// LUNDA_KILL_ROUNDS sets the kills (a few seconds' worth by default).
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <thread>

#include "temp_dir.h"

extern char** environ;

namespace lunda {
namespace {

using Clock = std::chrono::steady_clock;

// Writes the image of one date to `output`, killed after killAfter when one is given; true when it
// ended by itself with exit code 0.
bool WriteImage(const char* date, const std::string& output,
                std::optional<Clock::duration> killAfter = std::nullopt) {
  const char* argv[] = {LUNDA_CLI_PATH, "--data", LUNDA_EXAMPLES_DATA, "image",        "0",
                        "--date",       date,     "--output",          output.c_str(), nullptr};
  pid_t pid = -1;
  EXPECT_EQ(posix_spawn(&pid, argv[0], nullptr, nullptr, const_cast<char**>(argv), environ), 0);
  if (pid <= 0) return false;  // kill(-1) would hit every process
  if (killAfter) {
    std::this_thread::sleep_for(*killAfter);
    kill(pid, SIGKILL);
  }
  int status = 0;
  return waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(CrashSafety, ImageOutputIsTheOldOrTheWholeNewImage) {
  testing::TempDir dir;
  const std::string output = (dir.path() / "alg.bin").string();
  const char* dates[2] = {"2026-12-06", "2031-01-31"};
  std::string expected[2];
  const auto start = Clock::now();
  for (int i : {1, 0}) {
    ASSERT_TRUE(WriteImage(dates[i], output));
    expected[i] = dir.Read("alg.bin");
  }
  ASSERT_NE(expected[0], expected[1]);

  // Kills spread over a run of typical length (half the two above) and a little beyond.
  const auto typical = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
  std::mt19937 random(std::random_device{}());
  std::uniform_int_distribution<std::int64_t> delay(0, typical.count() * 5 / 8);
  const char* rounds = std::getenv("LUNDA_KILL_ROUNDS");
  for (int round = 0; round < (rounds != nullptr ? std::atoi(rounds) : 100); ++round) {
    WriteImage(dates[round % 2], output, std::chrono::microseconds(delay(random)));
    const std::string left = dir.Read("alg.bin");
    ASSERT_TRUE(left == expected[0] || left == expected[1])
        << "round " << round << ": " << left.size() << " bytes";
    const std::set<std::string> names = dir.Names();
    EXPECT_EQ(names.size(), 1u + names.contains("alg.bin.partial"));
  }
  ASSERT_TRUE(WriteImage(dates[0], output));
  EXPECT_EQ(dir.Read("alg.bin"), expected[0]);
  EXPECT_EQ(dir.Names(), std::set<std::string>{"alg.bin"});
}

}  // namespace
}  // namespace lunda
