// Driver management on the real system calls: the stand-in library loaded from the driver folder
// of the (throw-away) Wine prefix, its entry points called, its files replaced and removed.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "device/driver_registration_list.h"
#include "device/port_driver.h"
#include "platform/win32/driver_os_win32.h"
#include "recording_reporter.h"

namespace lunda {
namespace {

class EchoPort : public Port {
 public:
  std::uint8_t level = 0;
  void Write(std::uint8_t value) override { level = value; }
  std::uint8_t Read() override { return level; }
};

class Win32PortDriverTest : public testing::Test {
 protected:
  void SetUp() override {
    CreateDirectoryA(folder_.c_str(), nullptr);
    Clean();
    SetEnvironmentVariableA("LUNDA_WINIO_LOG", log_.c_str());
    PlaceLibrary("WinIo.dll");
    std::ofstream(Path("WinIo.sys")) << "driver";
  }

  void TearDown() override {
    Clean();
    SetEnvironmentVariableA("LUNDA_WINIO_LOG", nullptr);
    SetEnvironmentVariableA("LUNDA_WINIO_INIT", nullptr);
  }

  void Clean() {
    for (const char* name : {"WinIo.dll", "WinIo.sys", "WinIo.cnt", "WinIo.cnt.partial"}) {
      DeleteFileA(Path(name).c_str());
    }
    DeleteFileA(log_.c_str());
  }

  // The stand-ins are built beside the test executable.
  void PlaceLibrary(const char* builtName) {
    char executable[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, executable, MAX_PATH);
    const auto built = std::filesystem::path(executable).parent_path() / builtName;
    ASSERT_NE(CopyFileA(built.string().c_str(), Path("WinIo.dll").c_str(), FALSE), 0);
  }

  [[nodiscard]] std::string Path(const char* name) const { return folder_ + "\\" + name; }

  [[nodiscard]] std::vector<std::string> LoggedCalls() const {
    std::vector<std::string> lines;
    std::ifstream log(log_);
    for (std::string line; std::getline(log, line);) lines.push_back(line);
    return lines;
  }

  [[nodiscard]] bool LibraryStillLoaded() const {
    return GetModuleHandleA(Path("WinIo.dll").c_str()) != nullptr;
  }

  Win32DriverOs os_;
  RecordingReporter reporter_;
  std::string folder_ = GetDriverFolder(os_);
  std::string log_ = (std::filesystem::temp_directory_path() / "winio_standin.log").string();
};

TEST_F(Win32PortDriverTest, InstallLoadWithRetriesAndRemoveThroughTheLibraryThatExportsThem) {
  SetEnvironmentVariableA("LUNDA_WINIO_INIT", "001");
  EchoPort port;
  ASSERT_TRUE(InstallPortDriver(os_, reporter_));
  EXPECT_EQ(os_.ReadWholeFile(Path("WinIo.cnt")).bytes, SerializeRegistrationList({1}));
  EXPECT_TRUE(LoadPortDriver(os_, reporter_, port));
  EXPECT_EQ(port.level, kPortTestLevel);
  EXPECT_FALSE(LibraryStillLoaded());
  ASSERT_TRUE(RemovePortDriver(os_, reporter_));
  std::vector<std::string> calls(3, "InitializeWinIo|" + Path("WinIo.sys"));
  calls.insert(calls.begin(), "InstallWinIoDriver|" + Path("WinIo.sys"));
  calls.push_back("RemoveWinIoDriver|");
  EXPECT_EQ(LoggedCalls(), calls);
  for (const char* name : {"WinIo.dll", "WinIo.sys", "WinIo.cnt"}) {
    EXPECT_FALSE(os_.CanOpenForRead(Path(name))) << name;
  }
  EXPECT_TRUE(reporter_.errors.empty());

  // A library without the entry points: install refuses silently, loading says so.
  PlaceLibrary("WinIoBare.dll");
  std::ofstream(Path("WinIo.sys")) << "driver";
  EXPECT_FALSE(InstallPortDriver(os_, reporter_));
  EXPECT_FALSE(LoadPortDriver(os_, reporter_, port));
  ASSERT_EQ(reporter_.errors.size(), 1u);
  EXPECT_TRUE(reporter_.errors[0].starts_with("Не могу загрузить драйвер LPT-порта.\n"));
  EXPECT_FALSE(os_.CanOpenForRead(Path("WinIo.cnt")));
  EXPECT_FALSE(LibraryStillLoaded());
}

}  // namespace
}  // namespace lunda
