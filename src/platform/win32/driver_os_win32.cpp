// Driver management's operating-system calls on Windows: version, WOW64, shell folders,
// LoadLibraryA, files through the A calls, and Sleep.
#include "platform/win32/driver_os_win32.h"

#include <windows.h>
// windows.h first: the shell headers rely on its types.
#include <shlobj.h>

#include "platform/replace_file.h"
#include "platform/win32/proc_address.h"
#include "platform/win32/wide_text.h"

namespace lunda {
namespace {

// The library's entry points as it exports them: one-byte results, non-zero for success.
using InitializeWinIoFn = std::uint8_t(WINAPI*)(const char*);
using InstallWinIoDriverFn = std::uint8_t(WINAPI*)(const char*, bool);
using RemoveWinIoDriverFn = std::uint8_t(WINAPI*)();

class Win32DriverLibrary : public DriverLibrary {
 public:
  explicit Win32DriverLibrary(HMODULE module) : module_(module) {}
  ~Win32DriverLibrary() override { FreeLibrary(module_); }
  Win32DriverLibrary(const Win32DriverLibrary&) = delete;
  Win32DriverLibrary& operator=(const Win32DriverLibrary&) = delete;

  std::function<bool(const std::string&)> FindInitializeWinIo() override {
    const auto entry = ProcAddress<InitializeWinIoFn>(module_, "InitializeWinIo");
    if (entry == nullptr) return {};
    return [entry](const std::string& sysPath) { return entry(sysPath.c_str()) != 0; };
  }

  std::function<bool(const std::string&, bool)> FindInstallWinIoDriver() override {
    const auto entry = ProcAddress<InstallWinIoDriverFn>(module_, "InstallWinIoDriver");
    if (entry == nullptr) return {};
    return [entry](const std::string& sysPath, bool flag) {
      return entry(sysPath.c_str(), flag) != 0;
    };
  }

  std::function<bool()> FindRemoveWinIoDriver() override {
    const auto entry = ProcAddress<RemoveWinIoDriverFn>(module_, "RemoveWinIoDriver");
    if (entry == nullptr) return {};
    return [entry] { return entry() != 0; };
  }

 private:
  HMODULE module_;
};

// Closes a file handle on every path out.
class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() {
    if (IsOpen()) CloseHandle(handle_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  [[nodiscard]] bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
  [[nodiscard]] HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_;
};

HANDLE OpenForRead(const std::string& path) {
  return CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

std::optional<std::uint32_t> Win32DriverOs::PlatformId() {
  OSVERSIONINFOA info{};
  static_assert(sizeof(info) == 148);
  info.dwOSVersionInfoSize = sizeof(info);
  if (GetVersionExA(&info) == 0) return std::nullopt;
  return info.dwPlatformId;
}

bool Win32DriverOs::IsWow64Process() {
  BOOL wow64 = FALSE;
  return ::IsWow64Process(GetCurrentProcess(), &wow64) != 0 && wow64 != FALSE;
}

std::optional<std::string> Win32DriverOs::SpecialFolderPath(int csidl) {
  LPITEMIDLIST items = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &items))) return std::nullopt;
  char path[MAX_PATH] = {};
  const bool found = SHGetPathFromIDListA(items, path) != 0;
  CoTaskMemFree(items);
  if (!found) return std::nullopt;
  return std::string(path);
}

std::unique_ptr<DriverLibrary> Win32DriverOs::OpenLibrary(const std::string& path) {
  const HMODULE module = LoadLibraryA(path.c_str());
  if (module == nullptr) return nullptr;
  return std::make_unique<Win32DriverLibrary>(module);
}

bool Win32DriverOs::CanOpenForRead(const std::string& path) {
  return FileHandle(OpenForRead(path)).IsOpen();
}

FileBytes Win32DriverOs::ReadWholeFile(const std::string& path) {
  const FileHandle file(OpenForRead(path));
  if (!file.IsOpen()) {
    const DWORD error = GetLastError();
    const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    return {missing ? FileBytes::Status::kMissing : FileBytes::Status::kUnreadable, {}};
  }
  FileBytes result{FileBytes::Status::kRead, {}};
  std::uint8_t chunk[4096];
  for (;;) {
    DWORD got = 0;
    if (ReadFile(file.Get(), chunk, sizeof(chunk), &got, nullptr) == 0) {
      return {FileBytes::Status::kUnreadable, {}};
    }
    if (got == 0) return result;
    result.bytes.insert(result.bytes.end(), chunk, chunk + got);
  }
}

bool Win32DriverOs::WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes) {
  std::error_code error;
  // The A calls take paths in the ANSI code page; the replacement works on wide ones.
  return ReplaceFileContents(MultiByteToWide(path, CP_ACP), bytes, error);
}

bool Win32DriverOs::RemoveFile(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

void Win32DriverOs::Sleep(std::chrono::milliseconds duration) {
  ::Sleep(static_cast<DWORD>(duration.count()));
}

}  // namespace lunda
