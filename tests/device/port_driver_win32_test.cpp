// Driver management on the real system calls: the stand-in library loaded from the driver folder
// of the (throw-away) Wine prefix, its entry points called with the driver's path (the stand-in
// fails any other call), its files replaced and removed. scripts/test-windows runs these in a
// 32-bit prefix and again in a 64-bit one (LUNDA_EXPECT_WOW64=1), where the driver cannot work.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "device/driver_registration_list.h"
#include "device/port_driver.h"
#include "platform/win32/driver_os_win32.h"
#include "recording_port.h"
#include "recording_reporter.h"

namespace lunda {
namespace {

class Win32PortDriver : public testing::Test {
 protected:
  void SetUp() override {
    const char* expected = std::getenv("LUNDA_EXPECT_WOW64");
    wow64 = expected != nullptr && std::string(expected) == "1";
    ASSERT_EQ(os.IsWow64Process(), wow64) << "not the kind of Windows the test run is for";
    CreateDirectoryA(folder.c_str(), nullptr);
    for (const char* name : {"WinIo.cnt", "WinIo.cnt.partial", "WinIo.sys"})
      DeleteFileA(Path(name).c_str());
    // The stand-in is built beside the test executable.
    char executable[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, executable, MAX_PATH);
    const auto built = std::filesystem::path(executable).parent_path() / "WinIo.dll";
    ASSERT_NE(CopyFileA(built.string().c_str(), Path("WinIo.dll").c_str(), FALSE), 0);
  }
  void TearDown() override {
    for (const char* name : {"WinIo.dll", "WinIo.sys", "WinIo.cnt"}) DeleteFileA(Path(name).c_str());
  }
  std::string Path(const char* name) const { return folder + "\\" + name; }

  Win32DriverOs os;
  RecordingReporter reporter;
  const std::string folder = GetDriverFolder(os);
  bool wow64 = false;
  FakeClock clock;
  RecordingPort port{clock};
};

TEST_F(Win32PortDriver, InstallLoadAndRemoveThroughTheLibraryThatExportsThem) {
  std::ofstream(Path("WinIo.sys")) << "driver";
  if (wow64) {
    // The 32-bit driver cannot load into a 64-bit system: every step says why, none writes.
    EXPECT_FALSE(InstallPortDriver(os, reporter));
    EXPECT_FALSE(LoadPortDriver(os, reporter, port));
    EXPECT_TRUE(port.writes.empty());
    ASSERT_EQ(reporter.errors.size(), 2u);
    for (const std::string& error : reporter.errors)
      EXPECT_NE(error.find("\n64-разрядная Windows"), std::string::npos) << error;
    EXPECT_FALSE(os.CanOpenForRead(Path("WinIo.cnt")));
    return;
  }
  ASSERT_TRUE(InstallPortDriver(os, reporter));
  EXPECT_EQ(os.ReadWholeFile(Path("WinIo.cnt")).bytes, SerializeRegistrationList({1}));
  EXPECT_TRUE(LoadPortDriver(os, reporter, port));
  EXPECT_EQ(port.writes, std::vector<RecordedWrite>{{.value = kPortTestLevel}});
  EXPECT_EQ(GetModuleHandleA(Path("WinIo.dll").c_str()), nullptr);  // loaded for each use only
  ASSERT_TRUE(RemovePortDriver(os, reporter));
  for (const char* name : {"WinIo.dll", "WinIo.sys", "WinIo.cnt"})
    EXPECT_FALSE(os.CanOpenForRead(Path(name))) << name;
  EXPECT_TRUE(reporter.errors.empty());
}

// The entry points are stdcall: the library takes its own arguments off the stack. Were they
// declared with another convention, each call would leave the stack pointer a word off, and five
// refused calls in a row would move it by five words (or crash on the way back).
TEST_F(Win32PortDriver, FiveRefusedCallsLeaveTheStackAsItWas) {
  std::uintptr_t before = 0;
  std::uintptr_t after = 0;
  __asm__ __volatile__("movl %%esp, %0" : "=r"(before));
  const bool loaded = LoadPortDriver(os, reporter, port);  // no WinIo.sys: every call refused
  __asm__ __volatile__("movl %%esp, %0" : "=r"(after));
  EXPECT_FALSE(loaded);
  EXPECT_EQ(after, before);
  ASSERT_EQ(reporter.errors.size(), 1u);
  EXPECT_TRUE(reporter.errors[0].starts_with("Не могу загрузить драйвер LPT-порта.\n"));
}

}  // namespace
}  // namespace lunda
