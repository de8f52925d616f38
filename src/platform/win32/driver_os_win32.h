// Driver management's operating-system calls on Windows: version, shell folders, LoadLibraryA,
// files through the A calls, and Sleep.
#pragma once

#include "platform/driver_os.h"

namespace lunda {

class Win32DriverOs : public DriverOs {
 public:
  std::optional<std::uint32_t> PlatformId() override;
  bool IsWow64Process() override;
  std::optional<std::string> SpecialFolderPath(int csidl) override;
  std::unique_ptr<DriverLibrary> OpenLibrary(const std::string& path) override;
  bool CanOpenForRead(const std::string& path) override;
  FileBytes ReadWholeFile(const std::string& path) override;
  // Through ReplaceFileContents: a failure or a crash at any point leaves either the old list
  // or the new one, never a part.
  bool WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes) override;
  bool RemoveFile(const std::string& path) override;
  void Sleep(std::chrono::milliseconds duration) override;
};

}  // namespace lunda
