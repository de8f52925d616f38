// Driver management against an operating system in memory: every failure, retry and list state.
#include "device/port_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "device/driver_registration_list.h"
#include "fake_driver_os.h"
#include "recording_reporter.h"

namespace lunda {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr char kDll[] = "C:\\Common\\Vilt\\WinIo.dll";
constexpr char kSys[] = "C:\\Common\\Vilt\\WinIo.sys";
constexpr char kList[] = "C:\\Common\\Vilt\\WinIo.cnt";

constexpr char kLoadFailed[] =
    "Не могу загрузить драйвер LPT-порта.\nПопробуйте переустановить программу.";
constexpr char kInitFailed[] = "Не могу загрузить драйвер LPT-порта.\nУстановите драйвер";
constexpr char kPortAccess[] = "Не могу получить доступ к LPT-порту";
constexpr char kBrokenList[] = "Список программ, использующих драйвер LPT-порта, повреждён";
constexpr char kFullList[] = "Список программ, использующих драйвер LPT-порта, переполнен";

// How the machine differs from one with the driver files in place on the NT family.
enum class Setup { kNt, kNineX, kNoLibrary, kNoEntryPoint, kNoDll, kNoSys, kUnreadable, kReadOnly };

// Results of the driver's entry point, one character a call: '1' succeeds, '0' fails.
std::vector<bool> Script(const std::string& calls) {
  std::vector<bool> results;
  for (const char call : calls) results.push_back(call == '1');
  return results;
}

FakeDriverOs Arrange(Setup setup, const std::string& calls, FakeEntryPoint FakeDriverOs::*entry,
                     const std::optional<Bytes>& list = std::nullopt) {
  FakeDriverOs os;
  os.shellFolders[kFolderProgramFilesCommon] = "C:\\Common";
  os.files[kDll] = os.files[kSys] = {'M', 'Z'};
  os.loadableLibraries.insert(kDll);
  if (list) os.files[kList] = *list;
  (os.*entry).results = Script(calls);
  if (setup == Setup::kNineX) os.platformId = 1;
  if (setup == Setup::kNoLibrary) os.loadableLibraries.clear();
  if (setup == Setup::kNoEntryPoint) (os.*entry).exported = false;
  if (setup == Setup::kNoDll) os.files.erase(kDll);
  if (setup == Setup::kNoSys) os.files.erase(kSys);
  if (setup == Setup::kUnreadable) os.unreadableFiles.insert(kList);
  if (setup == Setup::kReadOnly) os.readOnlyFiles.insert(kList);
  return os;
}

// Each failed call waits 200 ms before the next try, the fifth failure included.
void ExpectCallsAndOneMessage(const FakeDriverOs& os, const FakeEntryPoint& entry,
                              const std::string& calls, const RecordingReporter& reporter,
                              const std::string& message) {
  EXPECT_EQ(entry.calls, static_cast<int>(calls.size()));
  EXPECT_EQ(os.sleeps, std::vector<std::chrono::milliseconds>(std::ranges::count(calls, '0'),
                                                              std::chrono::milliseconds(200)));
  for (const std::string& path : entry.sysPaths) EXPECT_TRUE(path == kSys || path.empty());
  EXPECT_EQ(os.librariesLoaded, 0);
  ASSERT_EQ(reporter.errors.size(), message.empty() ? 0u : 1u);
  if (!message.empty()) {
    EXPECT_TRUE(reporter.errors[0].starts_with(message)) << reporter.errors[0];
  }
}

TEST(GetDriverFolder, FallsBackFromCommonFilesToProgramFilesToAFixedPath) {
  FakeDriverOs os;
  EXPECT_EQ(GetDriverFolder(os), "c:\\programm files\\common files\\Vilt");
  os.shellFolders[kFolderProgramFiles] = "D:\\PF";
  EXPECT_EQ(GetDriverFolder(os), "D:\\PF\\Common Files\\Vilt");
  os.shellFolders[kFolderProgramFilesCommon] = "D:\\CF";
  EXPECT_EQ(GetDriverFolder(os), "D:\\CF\\Vilt");
}

TEST(IsWindowsNT, OnlyPlatformTwoOrAFailedQueryIsNt) {
  FakeDriverOs os;
  for (const auto& [id, nt] : std::vector<std::pair<std::optional<std::uint32_t>, bool>>{
           {2, true}, {1, false}, {0, false}, {3, false}, {std::nullopt, true}}) {
    os.platformId = id;
    EXPECT_EQ(IsWindowsNT(os), nt) << id.value_or(999);
  }
}

struct LoadCase {
  const char* name;
  Setup setup;
  std::string calls;
  std::optional<std::uint8_t> readBack;  // what the port's data lines show; unset: the level
  bool expected;
  std::string message;
};

void PrintTo(const LoadCase& c, std::ostream* out) { *out << c.name; }

class LoadPortDriverTest : public testing::TestWithParam<LoadCase> {};

TEST_P(LoadPortDriverTest, InitialisesWithRetriesThenTestsThePort) {
  const LoadCase& c = GetParam();
  FakeDriverOs os = Arrange(c.setup, c.calls, &FakeDriverOs::initialize);
  class LatchPort : public Port {
   public:
    std::optional<std::uint8_t> readBack;
    Bytes writes;
    void Write(std::uint8_t value) override { writes.push_back(value); }
    std::uint8_t Read() override { return readBack.value_or(writes.empty() ? 0 : writes.back()); }
  } port;
  port.readBack = c.readBack;
  RecordingReporter reporter;

  EXPECT_EQ(LoadPortDriver(os, reporter, port), c.expected);

  ExpectCallsAndOneMessage(os, os.initialize, c.calls, reporter, c.message);
  const bool tested = c.expected || c.message == kPortAccess;
  EXPECT_EQ(port.writes, tested ? Bytes{kPortTestLevel} : Bytes{});
  if (c.setup == Setup::kNineX) {
    EXPECT_EQ(os.libraryLoads + os.fileAccesses, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoadPortDriverTest,
    testing::Values(LoadCase{"FirstTry", Setup::kNt, "1", {}, true, ""},
                    LoadCase{"ThirdTry", Setup::kNt, "001", {}, true, ""},
                    LoadCase{"FiveFailures", Setup::kNt, "00000", {}, false, kInitFailed},
                    LoadCase{"NoLibrary", Setup::kNoLibrary, "", {}, false, kLoadFailed},
                    LoadCase{"NoEntryPoint", Setup::kNoEntryPoint, "", {}, false, kInitFailed},
                    LoadCase{"NineXOnlyTestsThePort", Setup::kNineX, "", {}, true, ""},
                    LoadCase{"PortReadsZero", Setup::kNt, "1", 0x00, false, kPortAccess},
                    LoadCase{"PortReadsOtherBits", Setup::kNt, "1", 0xEB, false, kPortAccess},
                    LoadCase{"PortReadsD2Only", Setup::kNt, "1", 0x04, true, ""}),
    [](const auto& info) { return std::string(info.param.name); });

// The registration list before and after /i or /u; unset for no file.
struct ListCase {
  const char* name;
  Setup setup;
  std::optional<Bytes> before;
  std::optional<Bytes> after;
  std::string calls;
  bool expected;
  std::string message;
};

void PrintTo(const ListCase& c, std::ostream* out) { *out << c.name; }

Bytes L(const RegistrationList& list) { return SerializeRegistrationList(list); }

// A list whose count field says `count` followed by `numbers` numbers.
Bytes Corrupt(std::int32_t count, std::size_t numbers) {
  Bytes bytes = L(RegistrationList(numbers, 5));
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<std::uint8_t>(count >> (8 * i));
  return bytes;
}

Bytes Full(bool withOwn) {
  RegistrationList list(1024, 5);
  if (withOwn) list[700] = 1;
  return L(list);
}

class InstallPortDriverTest : public testing::TestWithParam<ListCase> {};

TEST_P(InstallPortDriverTest, InstallsThenRegisters) {
  const ListCase& c = GetParam();
  FakeDriverOs os = Arrange(c.setup, c.calls, &FakeDriverOs::install, c.before);
  RecordingReporter reporter;
  EXPECT_EQ(InstallPortDriver(os, reporter), c.expected);
  ExpectCallsAndOneMessage(os, os.install, c.calls, reporter, c.message);
  EXPECT_EQ(os.files.contains(kList) ? std::optional(os.files[kList]) : std::nullopt, c.after);
  EXPECT_EQ(os.installFlags, std::vector<bool>(c.calls.size(), true));
}

const Bytes kOwn = {1, 0, 0, 0, 1, 0, 0, 0};  // count, then numbers: 32-bit little-endian
constexpr auto kNt = Setup::kNt;

INSTANTIATE_TEST_SUITE_P(
    Cases, InstallPortDriverTest,
    testing::Values(
        ListCase{"NoList", kNt, {}, kOwn, "1", true, ""},
        ListCase{"EmptyFile", kNt, Bytes{}, kOwn, "1", true, ""},
        ListCase{"Appends", kNt, L({5}), L({5, 1}), "1", true, ""},
        ListCase{"AlreadyListed", kNt, L({5, 1}), L({5, 1}), "1", true, ""},
        ListCase{"NineX", Setup::kNineX, {}, kOwn, "", true, ""},
        ListCase{"SecondTry", kNt, {}, kOwn, "01", true, ""},
        ListCase{"FiveFailures", kNt, L({5}), L({5}), "00000", false,
                 "Не могу установить драйвер LPT-порта"},
        ListCase{"NoLibrary", Setup::kNoLibrary, L({5}), L({5}), "", false, ""},
        ListCase{"NoEntryPoint", Setup::kNoEntryPoint, {}, {}, "", false, ""},
        ListCase{"NoDll", Setup::kNoDll, {}, {}, "", false, ""},
        ListCase{"NoSys", Setup::kNoSys, {}, {}, "", false, ""},
        ListCase{"Unreadable", Setup::kUnreadable, L({5}), L({5}), "", false, kBrokenList},
        ListCase{"CountCutShort", kNt, Bytes{1, 0, 0}, Bytes{1, 0, 0}, "", false, kBrokenList},
        ListCase{"ReadOnlyIsSilent", Setup::kReadOnly, L({5}), L({5}), "1", true, ""},
        ListCase{"NegativeCount", kNt, Corrupt(-1, 1), Corrupt(-1, 1), "", false, kBrokenList},
        ListCase{"CountOverRoom", kNt, Corrupt(1025, 1025), Corrupt(1025, 1025), "", false,
                 kBrokenList},
        ListCase{"Truncated", kNt, Corrupt(3, 2), Corrupt(3, 2), "", false, kBrokenList},
        ListCase{"FullList", kNt, Full(false), Full(false), "", false, kFullList},
        ListCase{"FullListWithOwn", kNt, Full(true), Full(true), "1", true, ""}),
    [](const auto& info) { return std::string(info.param.name); });

class RemovePortDriverTest : public testing::TestWithParam<ListCase> {};

TEST_P(RemovePortDriverTest, UnregistersAndTheLastUserRemoves) {
  const ListCase& c = GetParam();
  FakeDriverOs os = Arrange(c.setup, c.calls, &FakeDriverOs::remove, c.before);
  RecordingReporter reporter;
  EXPECT_EQ(RemovePortDriver(os, reporter), c.expected);
  ExpectCallsAndOneMessage(os, os.remove, c.calls, reporter, c.message);
  EXPECT_EQ(os.files.contains(kList) ? std::optional(os.files[kList]) : std::nullopt, c.after);
  const std::vector<std::string> all = {kList, kDll, kSys};
  EXPECT_EQ(os.removedFiles, c.expected && !c.after ? all : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RemovePortDriverTest,
    testing::Values(
        ListCase{"OthersRemain", kNt, L({1, 5}), L({5}), "", true, ""},
        ListCase{"NotListed", kNt, L({5}), L({5}), "", true, ""},
        ListCase{"FirstOccurrenceOnly", kNt, L({5, 1, 7, 1}), L({5, 7, 1}), "", true, ""},
        ListCase{"LastUser", kNt, kOwn, {}, "1", true, ""},
        ListCase{"NoList", kNt, {}, {}, "1", true, ""},
        ListCase{"EmptyList", kNt, L({}), {}, "1", true, ""},
        ListCase{"NineX", Setup::kNineX, kOwn, {}, "", true, ""},
        ListCase{"FourthTry", kNt, kOwn, {}, "0001", true, ""},
        ListCase{"FiveFailures", kNt, kOwn, kOwn, "00000", false,
                 "Не могу удалить драйвер LPT-порта"},
        ListCase{"NoLibrary", Setup::kNoLibrary, kOwn, kOwn, "", false, ""},
        ListCase{"NoEntryPoint", Setup::kNoEntryPoint, kOwn, kOwn, "", false, ""},
        ListCase{"Unreadable", Setup::kUnreadable, kOwn, kOwn, "", false, kBrokenList},
        ListCase{"Truncated", kNt, Corrupt(2, 1), Corrupt(2, 1), "", false, kBrokenList}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lunda
