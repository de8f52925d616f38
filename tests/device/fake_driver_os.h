// An operating system in memory for driver management tests: files, shell folders, recorded
// sleeps and a port-I/O library whose entry points answer from a script and log every call.
#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/driver_os.h"

namespace lunda {

class FakeDriverOs : public DriverOs {
 public:
  std::optional<std::uint32_t> platformId = kPlatformIdNt;
  bool wow64 = false;
  std::map<int, std::string> shellFolders;
  std::map<std::string, std::vector<std::uint8_t>> files;
  std::set<std::string> unreadableFiles;  // exist, but cannot be opened
  std::set<std::string> readOnlyFiles;    // writes to them fail
  std::set<std::string> loadableLibraries;
  bool exportsEntryPoints = true;
  std::string script;  // one character an entry point call, '1' succeeds; past its end all do
  std::vector<std::string> calls;  // each entry point call with its arguments
  int libraryLoads = 0;
  std::vector<std::chrono::milliseconds> sleeps;

  std::optional<std::uint32_t> PlatformId() override { return platformId; }
  bool IsWow64Process() override { return wow64; }
  std::optional<std::string> SpecialFolderPath(int csidl) override {
    return shellFolders.contains(csidl) ? std::optional(shellFolders[csidl]) : std::nullopt;
  }
  std::unique_ptr<DriverLibrary> OpenLibrary(const std::string& path) override {
    ++libraryLoads;
    return loadableLibraries.contains(path) ? std::make_unique<Library>(*this) : nullptr;
  }
  bool CanOpenForRead(const std::string& path) override {
    return files.contains(path) && !unreadableFiles.contains(path);
  }
  FileBytes ReadWholeFile(const std::string& path) override {
    if (!files.contains(path)) return {FileBytes::Status::kMissing, {}};
    if (unreadableFiles.contains(path)) return {FileBytes::Status::kUnreadable, {}};
    return {FileBytes::Status::kRead, files[path]};
  }
  bool WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes) override {
    if (readOnlyFiles.contains(path)) return false;
    files[path].assign(bytes.begin(), bytes.end());
    return true;
  }
  bool RemoveFile(const std::string& path) override { return files.erase(path) > 0; }
  void Sleep(std::chrono::milliseconds duration) override { sleeps.push_back(duration); }

 private:
  bool Call(const std::string& call) {
    calls.push_back(call);
    return calls.size() > script.size() || script[calls.size() - 1] == '1';
  }

  class Library : public DriverLibrary {
   public:
    explicit Library(FakeDriverOs& os) : os_(os) {}

    std::function<bool(const std::string&)> FindInitializeWinIo() override {
      if (!os_.exportsEntryPoints) return {};
      return [this](const std::string& sys) { return os_.Call("InitializeWinIo " + sys); };
    }
    std::function<bool(const std::string&, bool)> FindInstallWinIoDriver() override {
      if (!os_.exportsEntryPoints) return {};
      return [this](const std::string& sys, bool flag) {
        return os_.Call("InstallWinIoDriver " + sys + (flag ? " true" : " false"));
      };
    }
    std::function<bool()> FindRemoveWinIoDriver() override {
      if (!os_.exportsEntryPoints) return {};
      return [this] { return os_.Call("RemoveWinIoDriver"); };
    }

   private:
    FakeDriverOs& os_;
  };
};

}  // namespace lunda
