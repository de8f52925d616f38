// Driver management on the real system calls: the stand-in library loaded from the driver folder
// of the (throw-away) Wine prefix, its entry points called with the driver's path (the stand-in
// fails any other call), its files replaced and removed. scripts/test-windows runs this in a
// 32-bit prefix and again in a 64-bit one, where the driver cannot load.
#include <gtest/gtest.h>
#include <windows.h>

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

TEST(Win32PortDriver, InstallLoadAndRemoveThroughTheLibraryThatExportsThem) {
  Win32DriverOs os;
  RecordingReporter reporter;
  const std::string folder = GetDriverFolder(os);
  const auto path = [&](const char* name) { return folder + "\\" + name; };
  CreateDirectoryA(folder.c_str(), nullptr);
  for (const char* name : {"WinIo.cnt", "WinIo.cnt.partial", "WinIo.sys"})
    DeleteFileA(path(name).c_str());
  // The stand-in is built beside the test executable.
  char executable[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, executable, MAX_PATH);
  const auto built = std::filesystem::path(executable).parent_path() / "WinIo.dll";
  ASSERT_NE(CopyFileA(built.string().c_str(), path("WinIo.dll").c_str(), FALSE), 0);
  FakeClock clock;
  RecordingPort port(clock);

  // Without WinIo.sys every call is refused. The entry points are stdcall, taking their own
  // arguments off the stack: declared otherwise, each call would leave the stack pointer a word
  // off, and five in a row would move it five words (or crash on the way back).
  std::uintptr_t before = 0;
  std::uintptr_t after = 0;
  __asm__ __volatile__("movl %%esp, %0" : "=r"(before));
  const bool refused = !LoadPortDriver(os, reporter, port);
  __asm__ __volatile__("movl %%esp, %0" : "=r"(after));
  EXPECT_TRUE(refused);
  EXPECT_EQ(after, before);

  if (os.IsWow64Process()) GTEST_SKIP() << "no driver loads here; windows_programs_test shows it";
  std::ofstream(path("WinIo.sys")) << "driver";
  ASSERT_TRUE(InstallPortDriver(os, reporter));
  EXPECT_EQ(os.ReadWholeFile(path("WinIo.cnt")).bytes, SerializeRegistrationList({1}));
  EXPECT_TRUE(LoadPortDriver(os, reporter, port));
  EXPECT_EQ(port.writes, std::vector<RecordedWrite>{{.value = kPortTestLevel}});
  EXPECT_EQ(GetModuleHandleA(path("WinIo.dll").c_str()), nullptr);  // loaded for each use only
  ASSERT_TRUE(RemovePortDriver(os, reporter));
  for (const char* name : {"WinIo.dll", "WinIo.sys", "WinIo.cnt"})
    EXPECT_FALSE(os.CanOpenForRead(path(name))) << name;
  EXPECT_EQ(reporter.errors.size(), 1u);  // the refused load's
}

}  // namespace
}  // namespace lunda
