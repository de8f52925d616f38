#include "device/port_driver.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "device/driver_registration_list.h"
#include "fake_driver_os.h"
#include "recording_reporter.h"

namespace lunda {
namespace {

using std::chrono::milliseconds;
using Bytes = std::vector<std::uint8_t>;

constexpr char kFolder[] = "C:\\Common\\Vilt";
constexpr char kDll[] = "C:\\Common\\Vilt\\WinIo.dll";
constexpr char kSys[] = "C:\\Common\\Vilt\\WinIo.sys";
constexpr char kList[] = "C:\\Common\\Vilt\\WinIo.cnt";

constexpr char kLoadFailed[] =
    "Не могу загрузить драйвер LPT-порта.\nПопробуйте переустановить программу.";
constexpr char kInitFailedFirstLine[] = "Не могу загрузить драйвер LPT-порта.\n";
constexpr char kPortAccess[] = "Не могу получить доступ к LPT-порту";
constexpr char kInstallFailed[] = "Не могу установить драйвер LPT-порта";
constexpr char kRemoveFailed[] = "Не могу удалить драйвер LPT-порта";

// A data register that reads back a fixed value, or what was last written.
class LatchPort : public Port {
 public:
  std::optional<std::uint8_t> readBack;
  std::vector<std::uint8_t> writes;
  void Write(std::uint8_t value) override { writes.push_back(value); }
  std::uint8_t Read() override { return readBack.value_or(writes.empty() ? 0 : writes.back()); }
};

Bytes ListBytes(const RegistrationList& list) { return SerializeRegistrationList(list); }

FakeDriverOs OsWithDriverFiles() {
  FakeDriverOs os;
  os.shellFolders[kFolderProgramFilesCommon] = "C:\\Common";
  os.files[kDll] = {'M', 'Z'};
  os.files[kSys] = {'M', 'Z'};
  os.loadableLibraries.insert(kDll);
  return os;
}

struct FolderCase {
  std::string name;
  std::optional<std::string> common;
  std::optional<std::string> programFiles;
  std::string expected;
};

void PrintTo(const FolderCase& c, std::ostream* out) { *out << c.name; }

class DriverFolderTest : public testing::TestWithParam<FolderCase> {};

TEST_P(DriverFolderTest, FallsBackInOrder) {
  FakeDriverOs os;
  if (GetParam().common) os.shellFolders[kFolderProgramFilesCommon] = *GetParam().common;
  if (GetParam().programFiles) os.shellFolders[kFolderProgramFiles] = *GetParam().programFiles;
  EXPECT_EQ(GetDriverFolder(os), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Shell, DriverFolderTest,
                         testing::Values(FolderCase{"CommonFiles", "D:\\CF", "D:\\PF",
                                                    "D:\\CF\\Vilt"},
                                         FolderCase{"ProgramFiles", std::nullopt, "D:\\PF",
                                                    "D:\\PF\\Common Files\\Vilt"},
                                         FolderCase{"Neither", std::nullopt, std::nullopt,
                                                    "c:\\programm files\\common files\\Vilt"}),
                         [](const auto& info) { return info.param.name; });

TEST(IsWindowsNT, OnlyPlatformTwoOrAFailedQueryIsNt) {
  FakeDriverOs os;
  for (const auto& [id, nt] : std::vector<std::pair<std::optional<std::uint32_t>, bool>>{
           {2, true}, {1, false}, {0, false}, {3, false}, {std::nullopt, true}}) {
    os.platformId = id;
    EXPECT_EQ(IsWindowsNT(os), nt) << id.value_or(999);
  }
}

struct LoadCase {
  std::string name;
  bool loadable = true;
  bool exported = true;
  std::vector<bool> results = {};
  std::optional<std::uint8_t> readBack = {};
  bool expected = true;
  std::string message = {};  // the first error's beginning, empty for none
  int calls = 1;
};

void PrintTo(const LoadCase& c, std::ostream* out) { *out << c.name; }

class LoadPortDriverTest : public testing::TestWithParam<LoadCase> {};

TEST_P(LoadPortDriverTest, InitialisesRetriesAndTestsThePort) {
  const LoadCase& c = GetParam();
  FakeDriverOs os = OsWithDriverFiles();
  if (!c.loadable) os.loadableLibraries.clear();
  os.initialize.exported = c.exported;
  os.initialize.results = c.results;
  LatchPort port;
  port.readBack = c.readBack;
  RecordingReporter reporter;

  EXPECT_EQ(LoadPortDriver(os, reporter, port), c.expected);

  EXPECT_EQ(os.initialize.calls, c.calls);
  const int failures = c.calls - (c.expected || c.message == kPortAccess ? 1 : 0);
  EXPECT_EQ(os.sleeps, std::vector<milliseconds>(failures, milliseconds(200)));
  for (const std::string& path : os.initialize.sysPaths) EXPECT_EQ(path, kSys);
  EXPECT_EQ(os.librariesLoaded, 0);
  if (c.message.empty()) {
    EXPECT_TRUE(reporter.errors.empty());
  } else {
    ASSERT_EQ(reporter.errors.size(), 1u);
    EXPECT_EQ(reporter.errors[0].substr(0, c.message.size()), c.message);
  }
  const bool tested = c.expected || c.message == kPortAccess;
  EXPECT_EQ(port.writes, tested ? Bytes{0x14} : Bytes{});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoadPortDriverTest,
    testing::Values(
        LoadCase{"FirstTry"},
        LoadCase{"ThirdTry", true, true, {false, false, true}, {}, true, "", 3},
        LoadCase{"FiveFailures", true, true, {false}, {}, false, kInitFailedFirstLine, 5},
        LoadCase{"NoLibrary", false, true, {}, {}, false, kLoadFailed, 0},
        LoadCase{"NoEntryPointIsReported", true, false, {}, {}, false, kInitFailedFirstLine, 0},
        LoadCase{"PortReadsZero", true, true, {}, 0x00, false, kPortAccess, 1},
        LoadCase{"PortReadsOtherBits", true, true, {}, 0xEB, false, kPortAccess, 1},
        LoadCase{"PortReadsD2", true, true, {}, 0x04, true, "", 1},
        LoadCase{"PortReadsD4", true, true, {}, 0x10, true, "", 1}),
    [](const auto& info) { return info.param.name; });

TEST(LoadPortDriver, InitialisationFailureAdvisesOnASecondLine) {
  FakeDriverOs os = OsWithDriverFiles();
  os.initialize.results = {false};
  LatchPort port;
  RecordingReporter reporter;
  ASSERT_FALSE(LoadPortDriver(os, reporter, port));
  ASSERT_EQ(reporter.errors.size(), 1u);
  const std::string& text = reporter.errors[0];
  EXPECT_GT(text.size(), std::string(kInitFailedFirstLine).size());
  EXPECT_EQ(text.find('\n', std::string(kInitFailedFirstLine).size()), std::string::npos);
}

TEST(LoadPortDriver, NineXFamilyOnlyTestsThePort) {
  FakeDriverOs os = OsWithDriverFiles();
  os.platformId = 1;
  LatchPort port;
  RecordingReporter reporter;
  EXPECT_TRUE(LoadPortDriver(os, reporter, port));
  EXPECT_EQ(os.libraryLoads, 0);
  EXPECT_EQ(os.fileAccesses, 0);
  EXPECT_EQ(port.writes, Bytes{0x14});
}

// The list state before and after an operation: nullopt for no file.
struct ListCase {
  std::string name;
  std::uint32_t platform = kPlatformIdNt;
  std::optional<Bytes> before;
  std::optional<Bytes> after;
  bool expected = true;
  std::string message = {};
  int driverCalls = 1;
  std::vector<bool> results = {};
  bool loadable = true;
  bool exported = true;
};

void PrintTo(const ListCase& c, std::ostream* out) { *out << c.name; }

void Arrange(FakeDriverOs& os, const ListCase& c, FakeEntryPoint& entry) {
  os.platformId = c.platform;
  if (c.before) os.files[kList] = *c.before;
  if (!c.loadable) os.loadableLibraries.clear();
  entry.exported = c.exported;
  entry.results = c.results;
}

void ExpectOutcome(const FakeDriverOs& os, const RecordingReporter& reporter, const ListCase& c,
                   const FakeEntryPoint& entry) {
  EXPECT_EQ(entry.calls, c.driverCalls);
  const int failures = c.expected && c.driverCalls > 0 ? c.driverCalls - 1 : c.driverCalls;
  EXPECT_EQ(os.sleeps, std::vector<milliseconds>(failures, milliseconds(200)));
  const auto list = os.files.find(kList);
  EXPECT_EQ(list == os.files.end() ? std::nullopt : std::optional<Bytes>(list->second), c.after);
  EXPECT_EQ(reporter.errors.empty() ? "" : reporter.errors[0].substr(0, c.message.size()),
            c.message);
  EXPECT_LE(reporter.errors.size(), 1u);
  EXPECT_EQ(os.librariesLoaded, 0);
}

Bytes Corrupt(std::int32_t count, std::size_t numbers) {
  Bytes bytes = ListBytes(RegistrationList(numbers, 5));
  bytes[0] = static_cast<std::uint8_t>(count);
  bytes[1] = static_cast<std::uint8_t>(count >> 8);
  bytes[2] = bytes[3] = count < 0 ? 0xFF : 0;
  return bytes;
}

constexpr char kBrokenList[] = "Список программ, использующих драйвер LPT-порта, повреждён";

class InstallPortDriverTest : public testing::TestWithParam<ListCase> {};

TEST_P(InstallPortDriverTest, InstallsThenRegisters) {
  const ListCase& c = GetParam();
  FakeDriverOs os = OsWithDriverFiles();
  Arrange(os, c, os.install);
  RecordingReporter reporter;
  EXPECT_EQ(InstallPortDriver(os, reporter), c.expected);
  ExpectOutcome(os, reporter, c, os.install);
  for (const std::string& path : os.install.sysPaths) EXPECT_EQ(path, kSys);
  EXPECT_EQ(os.installFlags, std::vector<bool>(c.driverCalls, true));
}

const Bytes kOwn = ListBytes({1});
const Bytes kFullWithoutOwn = ListBytes(RegistrationList(1024, 5));
Bytes FullWithOwn() {
  RegistrationList list(1024, 5);
  list[700] = 1;
  return ListBytes(list);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InstallPortDriverTest,
    testing::Values(
        ListCase{"NoList", kPlatformIdNt, std::nullopt, kOwn},
        ListCase{"EmptyFile", kPlatformIdNt, Bytes{}, kOwn},
        ListCase{"EmptyList", kPlatformIdNt, ListBytes({}), kOwn},
        ListCase{"Appends", kPlatformIdNt, ListBytes({5}), ListBytes({5, 1})},
        ListCase{"AlreadyListed", kPlatformIdNt, ListBytes({5, 1}), ListBytes({5, 1})},
        ListCase{"NineX", 1, std::nullopt, kOwn, true, "", 0},
        ListCase{"SecondTry", kPlatformIdNt, std::nullopt, kOwn, true, "", 2, {false, true}},
        ListCase{"FiveFailures",
                 kPlatformIdNt,
                 ListBytes({5}),
                 ListBytes({5}),
                 false,
                 kInstallFailed,
                 5,
                 {false}},
        ListCase{
            "NoLibrary", kPlatformIdNt, ListBytes({5}), ListBytes({5}), false, "", 0, {}, false},
        ListCase{"NoEntryPoint",
                 kPlatformIdNt,
                 std::nullopt,
                 std::nullopt,
                 false,
                 "",
                 0,
                 {},
                 true,
                 false},
        ListCase{"NegativeCount", kPlatformIdNt, Corrupt(-1, 1), Corrupt(-1, 1), false, kBrokenList,
                 0},
        ListCase{"CountOverRoom", kPlatformIdNt, Corrupt(1025, 1025), Corrupt(1025, 1025), false,
                 kBrokenList, 0},
        ListCase{"Truncated", kPlatformIdNt, Corrupt(3, 2), Corrupt(3, 2), false, kBrokenList, 0},
        ListCase{"FullList", kPlatformIdNt, kFullWithoutOwn, kFullWithoutOwn, false,
                 "Список программ, использующих драйвер LPT-порта, переполнен", 0},
        ListCase{"FullListWithOwn", kPlatformIdNt, FullWithOwn(), FullWithOwn()}),
    [](const auto& info) { return info.param.name; });

TEST(InstallPortDriver, MissingDriverFileIsSilent) {
  for (const char* missing : {kDll, kSys}) {
    FakeDriverOs os = OsWithDriverFiles();
    os.files.erase(missing);
    RecordingReporter reporter;
    EXPECT_FALSE(InstallPortDriver(os, reporter)) << missing;
    EXPECT_EQ(os.libraryLoads, 0);
    EXPECT_FALSE(os.files.contains(kList));
    EXPECT_TRUE(reporter.errors.empty());
  }
}

TEST(InstallPortDriver, UnreadableListIsLeftAlone) {
  FakeDriverOs os = OsWithDriverFiles();
  os.files[kList] = ListBytes({5});
  os.unreadableFiles.insert(kList);
  RecordingReporter reporter;
  EXPECT_FALSE(InstallPortDriver(os, reporter));
  EXPECT_EQ(os.install.calls, 0);
  EXPECT_EQ(os.files[kList], ListBytes({5}));
  ASSERT_EQ(reporter.errors.size(), 1u);
  EXPECT_NE(reporter.errors[0].find(kList), std::string::npos);
}

TEST(InstallPortDriver, ListThatCannotBeWrittenStillSucceedsSilently) {
  FakeDriverOs os = OsWithDriverFiles();
  os.files[kList] = ListBytes({5});
  os.readOnlyFiles.insert(kList);
  RecordingReporter reporter;
  EXPECT_TRUE(InstallPortDriver(os, reporter));
  EXPECT_EQ(os.files[kList], ListBytes({5}));
  EXPECT_TRUE(reporter.errors.empty());
}

TEST(InstallPortDriver, TwiceListsOnceAndInstallsTwice) {
  FakeDriverOs os = OsWithDriverFiles();
  RecordingReporter reporter;
  EXPECT_TRUE(InstallPortDriver(os, reporter));
  EXPECT_TRUE(InstallPortDriver(os, reporter));
  EXPECT_EQ(os.files[kList], kOwn);
  EXPECT_EQ(os.install.calls, 2);
}

class RemovePortDriverTest : public testing::TestWithParam<ListCase> {};

TEST_P(RemovePortDriverTest, UnregistersAndLastUserRemoves) {
  const ListCase& c = GetParam();
  FakeDriverOs os = OsWithDriverFiles();
  Arrange(os, c, os.remove);
  RecordingReporter reporter;
  EXPECT_EQ(RemovePortDriver(os, reporter), c.expected);
  ExpectOutcome(os, reporter, c, os.remove);
  const bool removed = c.expected && !c.after;
  const std::vector<std::string> all = {kList, kDll, kSys};
  EXPECT_EQ(os.removedFiles, removed ? all : std::vector<std::string>());
  EXPECT_EQ(os.files.contains(kDll), !removed);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RemovePortDriverTest,
    testing::Values(
        ListCase{"OthersRemain", kPlatformIdNt, ListBytes({1, 5}), ListBytes({5}), true, "", 0},
        ListCase{"NotListed", kPlatformIdNt, ListBytes({5}), ListBytes({5}), true, "", 0},
        ListCase{"FirstOccurrenceOnly", kPlatformIdNt, ListBytes({5, 1, 7, 1}),
                 ListBytes({5, 7, 1}), true, "", 0},
        ListCase{"LastUser", kPlatformIdNt, kOwn, std::nullopt},
        ListCase{"NoList", kPlatformIdNt, std::nullopt, std::nullopt},
        ListCase{"EmptyList", kPlatformIdNt, ListBytes({}), std::nullopt},
        ListCase{"NineX", 1, kOwn, std::nullopt, true, "", 0},
        ListCase{"FourthTry",
                 kPlatformIdNt,
                 kOwn,
                 std::nullopt,
                 true,
                 "",
                 4,
                 {false, false, false, true}},
        ListCase{"FiveFailures", kPlatformIdNt, kOwn, kOwn, false, kRemoveFailed, 5, {false}},
        ListCase{"NoLibrary", kPlatformIdNt, kOwn, kOwn, false, "", 0, {}, false},
        ListCase{"NoEntryPoint", kPlatformIdNt, kOwn, kOwn, false, "", 0, {}, true, false},
        ListCase{"NegativeCount", kPlatformIdNt, Corrupt(-1, 0), Corrupt(-1, 0), false, kBrokenList,
                 0},
        ListCase{"CountOverRoom", kPlatformIdNt, Corrupt(1025, 3), Corrupt(1025, 3), false,
                 kBrokenList, 0},
        ListCase{"Truncated", kPlatformIdNt, Corrupt(2, 1), Corrupt(2, 1), false, kBrokenList, 0}),
    [](const auto& info) { return info.param.name; });

TEST(RemovePortDriver, UnreadableListRemovesNothing) {
  FakeDriverOs os = OsWithDriverFiles();
  os.files[kList] = kOwn;
  os.unreadableFiles.insert(kList);
  RecordingReporter reporter;
  EXPECT_FALSE(RemovePortDriver(os, reporter));
  EXPECT_EQ(os.remove.calls, 0);
  EXPECT_TRUE(os.removedFiles.empty());
  EXPECT_EQ(reporter.errors.size(), 1u);
}

}  // namespace
}  // namespace lunda
