#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "device/driver_registration_list.h"
#include "device/port_driver.h"
#include "platform/win32/driver_os_win32.h"
#include "platform/win32/message_box_reporter.h"
#include "platform/win32/wide_text.h"
#include "recording_reporter.h"

namespace lunda {
namespace {

using Bytes = std::vector<std::uint8_t>;

class EchoPort : public Port {
 public:
  std::uint8_t level = 0;
  void Write(std::uint8_t value) override { level = value; }
  std::uint8_t Read() override { return level; }
};

std::string ExecutableFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of('\\'));
}

std::string TempFolder() {
  char path[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, path);
  return path;
}

// The real driver folder of the (throw-away) Wine prefix, with the stand-in library in it and
// its calls logged.
class Win32PortDriverTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = GetDriverFolder(os_);
    CreateDirectoryA(folder_.c_str(), nullptr);
    Clean();
    log_ = TempFolder() + "winio_standin.log";
    DeleteFileA(log_.c_str());
    SetEnvironmentVariableA("LUNDA_WINIO_LOG", log_.c_str());
    PlaceLibrary("WinIo.dll");
    std::ofstream(Path("WinIo.sys")) << "driver";
  }

  void TearDown() override {
    Clean();
    DeleteFileA(log_.c_str());
    for (const char* name :
         {"LUNDA_WINIO_LOG", "LUNDA_WINIO_INIT", "LUNDA_WINIO_INSTALL", "LUNDA_WINIO_REMOVE"}) {
      SetEnvironmentVariableA(name, nullptr);
    }
  }

  void Clean() {
    for (const char* name : {"WinIo.dll", "WinIo.sys", "WinIo.cnt", "WinIo.cnt.partial"}) {
      DeleteFileA(Path(name).c_str());
    }
  }

  void PlaceLibrary(const char* builtName) {
    ASSERT_NE(CopyFileA((ExecutableFolder() + "\\" + builtName).c_str(), Path("WinIo.dll").c_str(),
                        FALSE),
              0);
  }

  [[nodiscard]] std::string Path(const char* name) const { return folder_ + "\\" + name; }

  [[nodiscard]] std::vector<std::string> LoggedCalls() const {
    std::vector<std::string> lines;
    std::ifstream log(log_);
    for (std::string line; std::getline(log, line);) lines.push_back(line);
    return lines;
  }

  [[nodiscard]] std::optional<Bytes> ListFile() {
    const FileBytes file = os_.ReadWholeFile(Path("WinIo.cnt"));
    if (file.status != FileBytes::Status::kRead) return std::nullopt;
    return file.bytes;
  }

  [[nodiscard]] bool LibraryStillLoaded() const {
    return GetModuleHandleA(Path("WinIo.dll").c_str()) != nullptr;
  }

  Win32DriverOs os_;
  RecordingReporter reporter_;
  std::string folder_;
  std::string log_;
};

TEST_F(Win32PortDriverTest, SystemIsNtAndDriverFolderIsUnderCommonFiles) {
  EXPECT_TRUE(IsWindowsNT(os_));
  const auto common = os_.SpecialFolderPath(kFolderProgramFilesCommon);
  const auto programFiles = os_.SpecialFolderPath(kFolderProgramFiles);
  ASSERT_TRUE(common && programFiles);
  EXPECT_EQ(*common, *programFiles + "\\Common Files");
  EXPECT_EQ(folder_, *common + "\\Vilt");
}

TEST_F(Win32PortDriverTest, FilesAreReplacedWholeAndReportedMissing) {
  const std::string path = Path("WinIo.cnt");
  EXPECT_EQ(os_.ReadWholeFile(path).status, FileBytes::Status::kMissing);
  EXPECT_FALSE(os_.CanOpenForRead(path));
  ASSERT_TRUE(os_.WriteWholeFile(path, Bytes{1, 2, 3, 4, 5, 6}));
  ASSERT_TRUE(os_.WriteWholeFile(path, Bytes{7, 8}));
  EXPECT_EQ(ListFile(), (Bytes{7, 8}));
  EXPECT_TRUE(os_.CanOpenForRead(path));
  EXPECT_FALSE(os_.CanOpenForRead(Path("WinIo.cnt.partial")));
  EXPECT_FALSE(os_.WriteWholeFile(folder_ + "\\missing\\WinIo.cnt", Bytes{1}));
  EXPECT_TRUE(os_.RemoveFile(path));
  EXPECT_EQ(os_.ReadWholeFile(path).status, FileBytes::Status::kMissing);
}

TEST_F(Win32PortDriverTest, InstallThenRemoveThroughTheLibrary) {
  ASSERT_TRUE(InstallPortDriver(os_, reporter_));
  EXPECT_EQ(ListFile(), SerializeRegistrationList({1}));
  ASSERT_TRUE(RemovePortDriver(os_, reporter_));
  EXPECT_EQ(LoggedCalls(), (std::vector<std::string>{"InstallWinIoDriver|" + Path("WinIo.sys"),
                                                     "RemoveWinIoDriver|"}));
  for (const char* name : {"WinIo.dll", "WinIo.sys", "WinIo.cnt"}) {
    EXPECT_FALSE(os_.CanOpenForRead(Path(name))) << name;
  }
  EXPECT_TRUE(reporter_.errors.empty());
}

TEST_F(Win32PortDriverTest, LoadRetriesAndUnloadsTheLibrary) {
  SetEnvironmentVariableA("LUNDA_WINIO_INIT", "001");
  EchoPort port;
  EXPECT_TRUE(LoadPortDriver(os_, reporter_, port));
  EXPECT_EQ(LoggedCalls(), std::vector<std::string>(3, "InitializeWinIo|" + Path("WinIo.sys")));
  EXPECT_EQ(port.level, kPortTestLevel);
  EXPECT_FALSE(LibraryStillLoaded());
}

TEST_F(Win32PortDriverTest, LibraryWithoutEntryPoints) {
  PlaceLibrary("WinIoBare.dll");
  EchoPort port;
  EXPECT_FALSE(InstallPortDriver(os_, reporter_));
  EXPECT_TRUE(reporter_.errors.empty());
  EXPECT_FALSE(LoadPortDriver(os_, reporter_, port));
  ASSERT_EQ(reporter_.errors.size(), 1u);
  EXPECT_TRUE(reporter_.errors[0].starts_with("Не могу загрузить драйвер LPT-порта.\n"));
  EXPECT_EQ(ListFile(), std::nullopt);
  EXPECT_FALSE(LibraryStillLoaded());
}

TEST(MessageBoxReporter, ConvertsUtf8ToUtf16) {
  EXPECT_EQ(Utf8ToWide("LPT-порт"), L"LPT-\u043f\u043e\u0440\u0442");
  EXPECT_EQ(Utf8ToWide(""), L"");
}

}  // namespace
}  // namespace lunda
