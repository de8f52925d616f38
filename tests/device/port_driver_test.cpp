// Driver management against an operating system in memory: every failure, retry and list state.
#include "device/port_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <string>
#include <vector>

#include "device/driver_registration_list.h"
#include "device/port_driver_ppdev.h"
#include "fake_driver_os.h"
#include "recording_reporter.h"

namespace lunda {
namespace {

using Bytes = std::vector<std::uint8_t>;

const std::string kDll = "C:\\Common\\Vilt\\WinIo.dll";
const std::string kSys = "C:\\Common\\Vilt\\WinIo.sys";
const std::string kList = "C:\\Common\\Vilt\\WinIo.cnt";

constexpr char kLoadFailed[] =
    "Не могу загрузить драйвер LPT-порта.\nПопробуйте переустановить программу.";
constexpr char kInitFailed[] = "Не могу загрузить драйвер LPT-порта.\nУстановите драйвер";
constexpr char kPortAccess[] = "Не могу получить доступ к LPT-порту";
constexpr char kBrokenList[] = "Список программ, использующих драйвер LPT-порта, повреждён";
constexpr char kFullList[] = "Список программ, использующих драйвер LPT-порта, переполнен";

// How the machine differs from one with the driver files in place on the NT family.
enum class Setup { kNt, kNineX, kNoLibrary, kNoEntryPoint, kNoDll, kNoSys, kUnreadable, kReadOnly };

FakeDriverOs Arrange(Setup setup, const std::string& script,
                     const std::optional<Bytes>& list = std::nullopt) {
  FakeDriverOs os;
  os.shellFolders[kFolderProgramFilesCommon] = "C:\\Common";
  os.files[kDll] = os.files[kSys] = {'M', 'Z'};
  os.loadableLibraries.insert(kDll);
  if (list) os.files[kList] = *list;
  os.script = script;
  if (setup == Setup::kNineX) os.platformId = 1;
  if (setup == Setup::kNoLibrary) os.loadableLibraries.clear();
  if (setup == Setup::kNoEntryPoint) os.exportsEntryPoints = false;
  if (setup == Setup::kNoDll) os.files.erase(kDll);
  if (setup == Setup::kNoSys) os.files.erase(kSys);
  if (setup == Setup::kUnreadable) os.unreadableFiles.insert(kList);
  if (setup == Setup::kReadOnly) os.readOnlyFiles.insert(kList);
  return os;
}

// One call per character of the script; each failed one waits 200 ms, the fifth included.
void ExpectCallsAndOneMessage(const FakeDriverOs& os, const std::string& call,
                              const std::string& script, const RecordingReporter& reporter,
                              const std::string& message) {
  EXPECT_EQ(os.calls, std::vector<std::string>(script.size(), call));
  EXPECT_EQ(os.sleeps, std::vector<std::chrono::milliseconds>(std::ranges::count(script, '0'),
                                                              std::chrono::milliseconds(200)));
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

// Data lines that read back what was last written, unless readBack says otherwise.
class LatchPort : public Port {
 public:
  std::optional<std::uint8_t> readBack;
  std::optional<PortFault> fault;
  Bytes writes;
  void Write(std::uint8_t value) override { writes.push_back(value); }
  std::uint8_t Read() override { return readBack.value_or(writes.empty() ? 0 : writes.back()); }
  std::optional<PortFault> LastFault() const override { return fault; }
};

struct LoadCase {
  const char* name;
  Setup setup;
  std::string script;
  std::optional<std::uint8_t> readBack;
  bool expected;
  std::string message;
  std::optional<PortFault> fault = std::nullopt;
};

void PrintTo(const LoadCase& c, std::ostream* out) { *out << c.name; }

class LoadPortDriverTest : public testing::TestWithParam<LoadCase> {};

// Where no driver is needed (9x, or Linux with ppdev), loading is the port test alone.
TEST_P(LoadPortDriverTest, InitialisesWithRetriesThenTestsThePort) {
  const LoadCase& c = GetParam();
  FakeDriverOs os = Arrange(c.setup, c.script);
  LatchPort port;
  port.readBack = c.readBack;
  port.fault = c.fault;
  RecordingReporter reporter;
  EXPECT_EQ(LoadPortDriver(os, reporter, port), c.expected);
  ExpectCallsAndOneMessage(os, "InitializeWinIo " + kSys, c.script, reporter, c.message);
  const bool tested = c.expected || c.message.starts_with(kPortAccess);
  EXPECT_EQ(port.writes, tested ? Bytes{kPortTestLevel} : Bytes{});
  if (c.setup == Setup::kNineX) {
    EXPECT_EQ(os.libraryLoads, 0);
    RecordingReporter ppdevReporter;
    EXPECT_EQ(LoadPortDriver(ppdevReporter, port), c.expected);
    EXPECT_EQ(ppdevReporter.errors, reporter.errors);
  }
}

const PortFault kReadFailed{PortFault::Step::kRead, "/dev/parport0", EIO};

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
                    LoadCase{"PortReadsD2Only", Setup::kNt, "1", 0x04, true, ""},
                    LoadCase{"NineXReadFails", Setup::kNineX, "", 0x00, false,
                             std::string(kPortAccess) + "\n" + DescribeInRussian(kReadFailed),
                             kReadFailed}),
    [](const auto& info) { return std::string(info.param.name); });

// The registration list before and after /i or /u; unset for no file.
struct ListCase {
  const char* name;
  Setup setup;
  std::optional<Bytes> before;
  std::optional<Bytes> after;
  std::string script;
  bool expected;
  std::string message;
};

void PrintTo(const ListCase& c, std::ostream* out) { *out << c.name; }

void ExpectListAndDriverFiles(const ListCase& c, bool (*action)(DriverOs&, ErrorReporter&),
                              const std::string& call) {
  FakeDriverOs os = Arrange(c.setup, c.script, c.before);
  RecordingReporter reporter;
  EXPECT_EQ(action(os, reporter), c.expected);
  ExpectCallsAndOneMessage(os, call, c.script, reporter, c.message);
  EXPECT_EQ(os.files.contains(kList) ? std::optional(os.files[kList]) : std::nullopt, c.after);
  const std::vector<std::string> all = {kList, kDll, kSys};
  EXPECT_EQ(os.removedFiles, c.expected && !c.after ? all : std::vector<std::string>{});
}

class InstallPortDriverTest : public testing::TestWithParam<ListCase> {};
class RemovePortDriverTest : public testing::TestWithParam<ListCase> {};

TEST_P(InstallPortDriverTest, InstallsThenRegisters) {
  ExpectListAndDriverFiles(GetParam(), InstallPortDriver, "InstallWinIoDriver " + kSys + " true");
}

TEST_P(RemovePortDriverTest, UnregistersAndTheLastUserRemoves) {
  ExpectListAndDriverFiles(GetParam(), RemovePortDriver, "RemoveWinIoDriver");
}

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
        ListCase{"FiveFailures", kNt, L({5}), L({5}), "00000", false,
                 "Не могу установить драйвер LPT-порта"},
        ListCase{"NoLibrary", Setup::kNoLibrary, L({5}), L({5}), "", false, ""},
        ListCase{"NoDll", Setup::kNoDll, {}, {}, "", false, ""},
        ListCase{"NoSys", Setup::kNoSys, {}, {}, "", false, ""},
        ListCase{"Unreadable", Setup::kUnreadable, L({5}), L({5}), "", false, kBrokenList},
        ListCase{"CountCutShort", kNt, Bytes{1, 0, 0}, Bytes{1, 0, 0}, "", false, kBrokenList},
        ListCase{"ReadOnlyIsSilent", Setup::kReadOnly, L({5}), L({5}), "1", true, ""},
        ListCase{"CountOverRoom", kNt, Corrupt(1025, 1025), Corrupt(1025, 1025), "", false,
                 kBrokenList},
        ListCase{"Truncated", kNt, Corrupt(3, 2), Corrupt(3, 2), "", false, kBrokenList},
        ListCase{"FullList", kNt, Full(false), Full(false), "", false, kFullList},
        ListCase{"FullListWithOwn", kNt, Full(true), Full(true), "1", true, ""}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Cases, RemovePortDriverTest,
    testing::Values(
        ListCase{"OthersRemain", kNt, L({1, 5}), L({5}), "", true, ""},
        ListCase{"NotListed", kNt, L({5}), L({5}), "", true, ""},
        ListCase{"FirstOccurrenceOnly", kNt, L({5, 1, 7, 1}), L({5, 7, 1}), "", true, ""},
        ListCase{"LastUser", kNt, kOwn, {}, "1", true, ""},
        ListCase{"NineX", Setup::kNineX, kOwn, {}, "", true, ""},
        ListCase{"FourthTry", kNt, kOwn, {}, "0001", true, ""},
        ListCase{"FiveFailures", kNt, kOwn, kOwn, "00000", false,
                 "Не могу удалить драйвер LPT-порта"},
        ListCase{"NoLibrary", Setup::kNoLibrary, kOwn, kOwn, "", false, ""},
        ListCase{"Truncated", kNt, Corrupt(2, 1), Corrupt(2, 1), "", false, kBrokenList}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lunda
