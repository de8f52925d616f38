// lunda.exe and lunda-cli.exe as shipped: their execution level, and what they do on the direct
// port with the stand-in driver in the driver folder.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "device/port_driver.h"
#include "platform/win32/driver_os_win32.h"
#include "platform/win32/wide_text.h"

namespace lunda {
namespace {

// Both programs declare asInvoker: without it a 32-bit program's writes to protected folders are
// quietly diverted, and "/i" without administrator rights would seem to succeed.
TEST(WindowsPrograms, DeclareTheirExecutionLevel) {
  for (const char* program : {LUNDA_CLI, LUNDA_GUI}) {
    const HMODULE module = LoadLibraryExA(program, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    const HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), RT_MANIFEST);
    ASSERT_NE(found, nullptr) << program;
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(module, found))),
                               SizeofResource(module, found));
    EXPECT_NE(manifest.find("<requestedExecutionLevel level=\"asInvoker\""), std::string::npos);
    FreeLibrary(module);
  }
}

// Starts lunda.exe, answers its first message box (the caption is the program's name) and
// returns the box's text and the exit code.
std::pair<std::string, DWORD> RunLundaAnsweringItsBox(std::wstring command) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                 &process);
  HWND box = nullptr;
  while (!box && WaitForSingleObject(process.hProcess, 50) == WAIT_TIMEOUT)
    box = FindWindowW(L"#32770", L"lunda");
  wchar_t text[1024] = {};
  GetDlgItemTextW(box, 0xFFFF, text, 1024);  // the box's message
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  DWORD code = STILL_ACTIVE;
  if (WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0)
    TerminateProcess(process.hProcess, code);
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return {WideToUtf8(text), code};
}

// Both end with their message and exit code 1, never with the processor's fault. In a 32-bit
// prefix the driver initialises and the port test's instructions are refused; in a 64-bit one
// (LUNDA_EXPECT_WOW64=1) the driver cannot load, and the message says why.
TEST(WindowsPrograms, EndOnTheDirectPortWithTheirMessageAndExitCode1) {
  Win32DriverOs os;
  const std::string folder = GetDriverFolder(os);
  CreateDirectoryA(folder.c_str(), nullptr);
  ASSERT_TRUE(CopyFileA(LUNDA_STANDIN, (folder + "\\WinIo.dll").c_str(), FALSE));
  std::ofstream(folder + "\\WinIo.sys") << "driver";
  const char* expectWow64 = std::getenv("LUNDA_EXPECT_WOW64");
  const std::string expected = expectWow64 != nullptr && std::string(expectWow64) == "1"
                                   ? "\n64-разрядная Windows не даёт программам"
                                   : "Не могу получить доступ к LPT-порту\nНет доступа к порту "
                                     "ввода-вывода 0x378: система не дала выполнить команду";
  const std::wstring data = Utf8ToWide(std::string("\"") + LUNDA_EXAMPLES_DATA + "\"");

  EXPECT_EQ(_wsystem((L"cmd /c \"\"" + Utf8ToWide(LUNDA_CLI) + L"\" --data " + data +
                      L" write 0 --date 2026-12-06 --port io:0x378 2>port_access.txt\"")
                         .c_str()),
            1);
  std::stringstream said;
  said << std::ifstream("port_access.txt").rdbuf();
  EXPECT_NE(said.str().find(expected), std::string::npos) << said.str();

  const auto [box, code] =
      RunLundaAnsweringItsBox(L"\"" + Utf8ToWide(LUNDA_GUI) + L"\" --port=io:0x378 --data=" + data);
  EXPECT_NE(box.find(expected), std::string::npos) << box;
  EXPECT_EQ(code, 1u);
  for (const char* name : {"\\WinIo.dll", "\\WinIo.sys"}) DeleteFileA((folder + name).c_str());
}

}  // namespace
}  // namespace lunda
