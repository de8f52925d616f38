// Kills a writer at random moments, many times over, and looks at what it leaves: the old file
// or the whole new one, never a part, and no temporary that the next write does not take over.
// LUNDA_KILL_ROUNDS sets the kills per test (a few seconds' worth by default).
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "device/driver_registration_list.h"
#include "temp_dir.h"

extern char** environ;

namespace lunda {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using Args = std::vector<std::string>;

int Rounds() {
  const char* text = std::getenv("LUNDA_KILL_ROUNDS");
  return text != nullptr ? std::atoi(text) : 100;
}

pid_t Spawn(const Args& args) {
  std::vector<char*> argv;
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  pid_t pid = -1;
  EXPECT_EQ(posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ), 0) << args[0];
  return pid;
}

int RunToEnd(const Args& args) {
  const pid_t pid = Spawn(args);
  int status = 0;
  if (pid <= 0 || waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Starts args and kills it after delay; true when the kill came before it ended by itself.
bool KillAfter(const Args& args, Clock::duration delay) {
  const pid_t pid = Spawn(args);
  if (pid <= 0) return false;  // kill(-1) would hit every process
  std::this_thread::sleep_for(delay);
  kill(pid, SIGKILL);
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

// Delays spread over a run of typical length and a little beyond.
class RandomDelay {
 public:
  explicit RandomDelay(Clock::duration typical)
      : random(std::random_device()()),
        spread(0, std::chrono::duration_cast<std::chrono::microseconds>(typical).count() * 5 / 4) {}
  Clock::duration operator()() { return std::chrono::microseconds(spread(random)); }

 private:
  std::mt19937 random;
  std::uniform_int_distribution<std::int64_t> spread;
};

struct KillTally {
  int killed = 0;         // kills that hit a running writer
  int leftTemporary = 0;  // of those, the ones that left the temporary for the next write
};

void Report(const char* what, const KillTally& tally) {
  std::cout << what << ": " << Rounds() << " kills, " << tally.killed << " while running, "
            << tally.leftTemporary << " left the temporary behind\n";
}

TEST(CrashSafety, ImageOutputIsTheOldOrTheWholeNewImage) {
  testing::TempDir dir;
  const fs::path output = dir.path() / "alg.bin";
  const auto image = [&](const char* date) -> Args {
    return {LUNDA_CLI_PATH, "--data", LUNDA_EXAMPLES_DATA, "image",        "0",
            "--date",       date,     "--output",          output.string()};
  };
  const Args writes[2] = {image("2026-12-06"), image("2031-01-31")};
  std::string expected[2];
  for (int i : {1, 0}) {
    ASSERT_EQ(RunToEnd(writes[i]), 0);
    expected[i] = dir.Read("alg.bin");
  }
  ASSERT_NE(expected[0], expected[1]);

  const auto start = Clock::now();
  ASSERT_EQ(RunToEnd(writes[1]), 0);
  RandomDelay delay(Clock::now() - start);
  KillTally tally;
  for (int round = 0; round < Rounds(); ++round) {
    tally.killed += KillAfter(writes[round % 2], delay());
    const std::string left = dir.Read("alg.bin");
    ASSERT_TRUE(left == expected[0] || left == expected[1])
        << "round " << round << ": " << left.size() << " bytes";
    const std::set<std::string> names = dir.Names();
    tally.leftTemporary += names.contains("alg.bin.partial");
    EXPECT_EQ(names.size(), 1u + names.contains("alg.bin.partial"));
  }
  ASSERT_EQ(RunToEnd(writes[0]), 0);
  EXPECT_EQ(dir.Read("alg.bin"), expected[0]);
  EXPECT_EQ(dir.Names(), std::set<std::string>{"alg.bin"});
  Report("image --output", tally);
}

TEST(CrashSafety, RegistrationListIsTheOldOrTheWholeNewList) {
  testing::TempDir dir;
  const fs::path folder = dir.path() / "Vilt";
  dir.Write("Vilt/WinIo.dll", "MZ");
  dir.Write("Vilt/WinIo.sys", "driver");
  // Other programs' numbers make the file long enough for a torn write to show.
  RegistrationList others;
  for (std::int32_t number = 2; number < 500; ++number) others.push_back(number);
  const std::vector<std::uint8_t> bytes = SerializeRegistrationList(others);
  dir.Write("Vilt/WinIo.cnt", std::string(bytes.begin(), bytes.end()));
  RegistrationList withOwn = others;
  withOwn.push_back(kOwnRegistrationNumber);

  const Args forever = {LUNDA_REGISTRATION_WRITER, dir.path().string(), "0"};
  const Args installAndRemove = {LUNDA_REGISTRATION_WRITER, dir.path().string(), "2"};
  const auto start = Clock::now();
  ASSERT_EQ(RunToEnd(installAndRemove), 0);
  RandomDelay delay(Clock::now() - start);
  KillTally tally;
  for (int round = 0; round < Rounds(); ++round) {
    tally.killed += KillAfter(forever, delay());
    const std::string left = dir.Read("Vilt/WinIo.cnt");
    const auto list = ParseRegistrationList(std::vector<std::uint8_t>(left.begin(), left.end()));
    ASSERT_TRUE(list == others || list == withOwn)
        << "round " << round << ": " << left.size() << " bytes";
    const std::set<std::string> names = dir.Names("Vilt");
    tally.leftTemporary += names.contains("WinIo.cnt.partial");
    EXPECT_EQ(names.size(), 3u + names.contains("WinIo.cnt.partial"));
  }
  ASSERT_EQ(RunToEnd(installAndRemove), 0);
  EXPECT_EQ(dir.Names("Vilt"), (std::set<std::string>{"WinIo.cnt", "WinIo.dll", "WinIo.sys"}));
  Report("WinIo.cnt", tally);
}

}  // namespace
}  // namespace lunda
