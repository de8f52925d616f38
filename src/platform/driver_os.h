// What port driver management asks of the operating system, so its logic runs against a fake.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace lunda {

// Shell folder ids (CSIDL values) that locate the driver folder.
inline constexpr int kFolderProgramFilesCommon = 0x2B;
inline constexpr int kFolderProgramFiles = 0x26;

// GetVersionExA's platform id of the NT family.
inline constexpr std::uint32_t kPlatformIdNt = 2;

// The port-I/O library while it is loaded; destroying it unloads the library. An entry point
// that the library does not export is an empty function. The functions must not outlive the
// library object.
class DriverLibrary {
 public:
  virtual ~DriverLibrary() = default;
  [[nodiscard]] virtual std::function<bool(const std::string& sysPath)> FindInitializeWinIo() = 0;
  [[nodiscard]] virtual std::function<bool(const std::string& sysPath, bool)>
  FindInstallWinIoDriver() = 0;
  [[nodiscard]] virtual std::function<bool()> FindRemoveWinIoDriver() = 0;
};

struct FileBytes {
  enum class Status { kRead, kMissing, kUnreadable };
  Status status = Status::kMissing;
  std::vector<std::uint8_t> bytes;  // only with kRead
};

// Paths are narrow strings in the system's ANSI code page, as the A calls take them.
class DriverOs {
 public:
  virtual ~DriverOs() = default;
  // GetVersionExA's platform id, or nothing when the query fails.
  [[nodiscard]] virtual std::optional<std::uint32_t> PlatformId() = 0;
  // True for a 32-bit program on 64-bit Windows, where no driver can give it the port.
  [[nodiscard]] virtual bool IsWow64Process() = 0;
  // The path of a shell folder (CSIDL id), or nothing when the shell has none.
  [[nodiscard]] virtual std::optional<std::string> SpecialFolderPath(int csidl) = 0;
  // The loaded library, or null when it cannot be loaded.
  [[nodiscard]] virtual std::unique_ptr<DriverLibrary> OpenLibrary(const std::string& path) = 0;
  [[nodiscard]] virtual bool CanOpenForRead(const std::string& path) = 0;
  [[nodiscard]] virtual FileBytes ReadWholeFile(const std::string& path) = 0;
  // Replaces the file with exactly these bytes, or leaves it as it was and returns false.
  [[nodiscard]] virtual bool WriteWholeFile(const std::string& path,
                                            std::span<const std::uint8_t> bytes) = 0;
  virtual bool RemoveFile(const std::string& path) = 0;
  virtual void Sleep(std::chrono::milliseconds duration) = 0;
};

}  // namespace lunda
