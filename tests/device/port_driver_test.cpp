// Driver management against an operating system in memory: every failure, retry and list state.
#include "device/port_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <string>
#include <vector>

#include "device/driver_registration_list.h"
#include "fake_driver_os.h"
#include "recording_port.h"
#include "recording_reporter.h"

namespace lunda {
namespace {

using Bytes = std::vector<std::uint8_t>;

const std::string kDll = "C:\\Common\\Vilt\\WinIo.dll";
const std::string kSys = "C:\\Common\\Vilt\\WinIo.sys";
const std::string kList = "C:\\Common\\Vilt\\WinIo.cnt";

// The start of each message, enough to tell them apart.
constexpr char kLoadFailed[] = "Не могу загрузить драйвер LPT-порта.\nПопробуйте";
constexpr char kInitFailed[] = "Не могу загрузить драйвер LPT-порта.\nУстановите";
constexpr char kPortAccess[] = "Не могу получить доступ к LPT-порту";
constexpr char kBrokenList[] = "Список программ, использующих драйвер LPT-порта, повреждён";
constexpr char kFullList[] = "Список программ, использующих драйвер LPT-порта, переполнен";
constexpr char kUnwritten[] = "Не могу записать список программ, использующих драйвер LPT-порта";
constexpr char k64Bit[] = "\n64-разрядная Windows не даёт программам прямого доступа";

// How the machine differs from one with the driver files in place on the NT family: kBare is a
// library without the entry points, kNoRead a list that cannot be opened, kNoWrite one that cannot
// be written.
enum class Setup { kNt, kNineX, kNoVer, kNoLib, kBare, kNoDll, kNoSys, kNoRead, kNoWrite, kWow64 };
enum class Action { kLoad, kInstall, kRemove };

TEST(GetDriverFolder, FallsBackFromCommonFilesToProgramFilesToAFixedPath) {
  FakeDriverOs os;
  EXPECT_EQ(GetDriverFolder(os), "c:\\programm files\\common files\\Vilt");
  os.shellFolders[kFolderProgramFiles] = "D:\\PF";
  EXPECT_EQ(GetDriverFolder(os), "D:\\PF\\Common Files\\Vilt");
  os.shellFolders[kFolderProgramFilesCommon] = "D:\\CF";
  EXPECT_EQ(GetDriverFolder(os), "D:\\CF\\Vilt");
}

// The registration list before and after; unset for no file. Loading never touches it.
struct Case {
  const char* name;
  Action action;
  Setup setup;
  std::string script;  // one character a driver call, '1' succeeds
  bool expected;
  std::string message;  // the start of the one error shown, if any
  std::optional<Bytes> before = std::nullopt;
  std::optional<Bytes> after = std::nullopt;
  std::optional<std::uint8_t> readBack = std::nullopt;
  std::optional<PortFault> fault = std::nullopt;
};

class PortDriverTest : public testing::TestWithParam<Case> {};

// One driver call per character of the script; each failed one waits 200 ms, the fifth included.
// The last user out takes the driver files with it; nothing else removes them.
TEST_P(PortDriverTest, RetriesReportsAndKeepsTheListWhole) {
  const Case& c = GetParam();
  FakeDriverOs os;
  os.shellFolders[kFolderProgramFilesCommon] = "C:\\Common";
  os.files[kDll] = os.files[kSys] = {'M', 'Z'};
  os.loadableLibraries.insert(kDll);
  if (c.before) os.files[kList] = *c.before;
  os.script = c.script;
  if (c.setup == Setup::kNineX) os.platformId = 1;
  if (c.setup == Setup::kNoVer) os.platformId = std::nullopt;
  if (c.setup == Setup::kNoLib) os.loadableLibraries.clear();
  if (c.setup == Setup::kBare) os.exportsEntryPoints = false;
  if (c.setup == Setup::kNoDll) os.files.erase(kDll);
  if (c.setup == Setup::kNoSys) os.files.erase(kSys);
  if (c.setup == Setup::kNoRead) os.unreadableFiles.insert(kList);
  if (c.setup == Setup::kNoWrite) os.readOnlyFiles.insert(kList);
  os.wow64 = c.setup == Setup::kWow64;
  FakeClock clock;
  RecordingPort port(clock);
  port.readBack = c.readBack;
  port.fault = c.fault;
  RecordingReporter reporter;
  std::string call = "RemoveWinIoDriver";
  if (c.action == Action::kLoad) {
    call = "InitializeWinIo " + kSys;
    EXPECT_EQ(LoadPortDriver(os, reporter, port), c.expected);
    const bool tested = c.expected || c.message.starts_with(kPortAccess);
    using Writes = std::vector<RecordedWrite>;
    EXPECT_EQ(port.writes, tested ? Writes{{.value = kPortTestLevel}} : Writes{});
  } else if (c.action == Action::kInstall) {
    call = "InstallWinIoDriver " + kSys + " true";
    EXPECT_EQ(InstallPortDriver(os, reporter), c.expected);
  } else {
    EXPECT_EQ(RemovePortDriver(os, reporter), c.expected);
  }
  EXPECT_EQ(os.calls, std::vector<std::string>(c.script.size(), call));
  EXPECT_EQ(os.sleeps, std::vector<std::chrono::milliseconds>(std::ranges::count(c.script, '0'),
                                                              std::chrono::milliseconds(200)));
  EXPECT_EQ(reporter.errors.size(), c.message.empty() ? 0u : 1u);
  for (const std::string& error : reporter.errors)
    EXPECT_TRUE(error.starts_with(c.message)) << error;
  EXPECT_EQ(os.files.contains(kList) ? std::optional(os.files[kList]) : std::nullopt, c.after);
  const bool removed = c.action == Action::kRemove && c.expected && !c.after;
  EXPECT_EQ(os.files.contains(kDll) || os.files.contains(kSys), !removed);
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
const PortFault kReadFailed{PortFault::Step::kRead, "/dev/parport0", EIO};
const std::string kReadFailedText =
    std::string(kPortAccess) + "\n" + DescribeInRussian(kReadFailed);
// A port instruction the processor refused: the read-back holds what was written, yet nothing was.
const PortFault kRefused{PortFault::Step::kDirectIo, "0x378", EACCES};
const std::string kRefusedText = std::string(kPortAccess) + "\n" + DescribeInRussian(kRefused);
constexpr auto kWow64 = Setup::kWow64;
constexpr auto kNt = Setup::kNt;
constexpr auto kNineX = Setup::kNineX;
constexpr auto kLoad = Action::kLoad;
constexpr auto kInstall = Action::kInstall;
constexpr auto kRemove = Action::kRemove;

INSTANTIATE_TEST_SUITE_P(
    Cases, PortDriverTest,
    testing::Values(
        Case{"LoadThirdTry", kLoad, kNt, "001", true, ""},
        Case{"LoadFiveFailures", kLoad, kNt, "00000", false, kInitFailed},
        Case{"LoadNoLibrary", kLoad, Setup::kNoLib, "", false, kLoadFailed},
        Case{"LoadNoEntryPoint", kLoad, Setup::kBare, "", false, kInitFailed},
        Case{"LoadNineXOnlyTestsThePort", kLoad, kNineX, "", true, ""},
        Case{"LoadVersionUnknownIsNt", kLoad, Setup::kNoVer, "1", true, ""},
        Case{"PortReadsOtherBits", kLoad, kNt, "1", false, kPortAccess, {}, {}, 0xEB},
        Case{"PortReadsD2Only", kLoad, kNt, "1", true, "", {}, {}, 0x04},
        Case{"NineXReadFails", kLoad, kNineX, "", false, kReadFailedText, {}, {}, 0, kReadFailed},
        Case{"PortRefused", kLoad, kNt, "1", false, kRefusedText, {}, {}, {}, kRefused},
        Case{"Wow64LoadSays64Bit", kLoad, kWow64, "00000", false,
             std::string("Не могу загрузить драйвер LPT-порта.") + k64Bit},
        Case{"Wow64InstallSays64Bit", kInstall, kWow64, "00000", false,
             std::string("Не могу установить драйвер LPT-порта") + k64Bit, L({5}), L({5})},
        Case{"NoList", kInstall, kNt, "1", true, "", {}, kOwn},
        Case{"EmptyFile", kInstall, kNt, "1", true, "", Bytes{}, kOwn},
        Case{"Appends", kInstall, kNt, "1", true, "", L({5}), L({5, 1})},
        Case{"AlreadyListed", kInstall, kNt, "1", true, "", L({5, 1}), L({5, 1})},
        Case{"InstallNineX", kInstall, kNineX, "", true, "", {}, kOwn},
        Case{"InstallFiveFailures", kInstall, kNt, "00000", false,
             "Не могу установить драйвер LPT-порта", L({5}), L({5})},
        Case{"NoDll", kInstall, Setup::kNoDll, "", false, ""},
        Case{"NoSys", kInstall, Setup::kNoSys, "", false, ""},
        Case{"Unreadable", kInstall, Setup::kNoRead, "", false, kBrokenList, L({5}), L({5})},
        Case{"CountCutShort", kInstall, kNt, "", false, kBrokenList, Bytes{1, 0, 0},
             Bytes{1, 0, 0}},
        Case{"ReadOnlyReported", kInstall, Setup::kNoWrite, "1", false, kUnwritten, L({5}), L({5})},
        Case{"RemoveReadOnlyReported", kRemove, Setup::kNoWrite, "", false, kUnwritten, L({1, 5}),
             L({1, 5})},
        Case{"CountOverRoom", kInstall, kNt, "", false, kBrokenList, Corrupt(1025, 1025),
             Corrupt(1025, 1025)},
        Case{"InstallTruncated", kInstall, kNt, "", false, kBrokenList, Corrupt(3, 2),
             Corrupt(3, 2)},
        Case{"FullList", kInstall, kNt, "", false, kFullList, Full(false), Full(false)},
        Case{"FullListWithOwn", kInstall, kNt, "1", true, "", Full(true), Full(true)},
        Case{"NotListed", kRemove, kNt, "", true, "", L({5}), L({5})},
        Case{"FirstOccurrenceOnly", kRemove, kNt, "", true, "", L({5, 1, 7, 1}), L({5, 7, 1})},
        Case{"RemoveNineX", kRemove, kNineX, "", true, "", kOwn, {}},
        Case{"LastUserFourthTry", kRemove, kNt, "0001", true, "", kOwn, {}},
        Case{"RemoveFiveFailures", kRemove, kNt, "00000", false,
             "Не могу удалить драйвер LPT-порта", kOwn, kOwn},
        Case{"RemoveNoLibrary", kRemove, Setup::kNoLib, "", false, "", kOwn, kOwn},
        Case{"RemoveTruncated", kRemove, kNt, "", false, kBrokenList, Corrupt(2, 1),
             Corrupt(2, 1)}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lunda
