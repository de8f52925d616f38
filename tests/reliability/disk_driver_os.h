// Driver management's files on a real disk for POSIX tests and tools: the driver folder is a
// local folder, Windows path separators become '/', and the list is replaced through the same
// ReplaceFileContents as every other file the program writes. The system is of the 9x family,
// which keeps the list without loading the port-I/O library.
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/driver_os.h"
#include "platform/replace_file.h"

namespace lunda {

class DiskDriverOs final : public DriverOs {
 public:
  // commonFiles stands for the shell's Common Files folder; the driver folder is below it.
  explicit DiskDriverOs(std::filesystem::path commonFiles) : commonFiles_(std::move(commonFiles)) {}

  std::optional<std::uint32_t> PlatformId() override { return 1; }
  std::optional<std::string> SpecialFolderPath(int csidl) override {
    if (csidl != kFolderProgramFilesCommon) return std::nullopt;
    return commonFiles_.string();
  }
  std::unique_ptr<DriverLibrary> OpenLibrary(const std::string&) override { return nullptr; }
  bool CanOpenForRead(const std::string& path) override {
    return std::ifstream(Local(path)).is_open();
  }
  FileBytes ReadWholeFile(const std::string& path) override {
    std::ifstream in(Local(path), std::ios::binary);
    if (!in) return {FileBytes::Status::kMissing, {}};
    FileBytes file{FileBytes::Status::kRead, {}};
    file.bytes.assign(std::istreambuf_iterator<char>(in), {});
    if (in.bad()) return {FileBytes::Status::kUnreadable, {}};
    return file;
  }
  bool WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes) override {
    std::error_code error;
    return ReplaceFileContents(Local(path), bytes, error);
  }
  bool RemoveFile(const std::string& path) override {
    std::error_code error;
    return std::filesystem::remove(Local(path), error);
  }
  void Sleep(std::chrono::milliseconds) override {}

  // The driver folder as this machine names it.
  [[nodiscard]] std::filesystem::path DriverFolder() const { return commonFiles_ / "Vilt"; }

 private:
  static std::filesystem::path Local(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
  }

  std::filesystem::path commonFiles_;
};

}  // namespace lunda
