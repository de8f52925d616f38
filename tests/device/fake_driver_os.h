// An operating system in memory for driver management tests: files, a scriptable port-I/O
// library with call counts, shell folders and recorded sleeps.
#pragma once

#include <algorithm>
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

// What the fake library does; results past the end of a script repeat its last entry, and an
// empty script always succeeds.
struct FakeEntryPoint {
  bool exported = true;
  std::vector<bool> results;
  int calls = 0;
  std::vector<std::string> sysPaths;  // the path argument of every call

  bool Call(const std::string& sysPath) {
    sysPaths.push_back(sysPath);
    const auto index = static_cast<std::size_t>(calls++);
    return results.empty() || results[std::min(index, results.size() - 1)];
  }
};

class FakeDriverOs : public DriverOs {
 public:
  std::optional<std::uint32_t> platformId = kPlatformIdNt;
  std::map<int, std::string> shellFolders;
  std::map<std::string, std::vector<std::uint8_t>> files;
  std::set<std::string> unreadableFiles;  // exist, but cannot be opened
  std::set<std::string> readOnlyFiles;    // writes to them fail
  std::set<std::string> loadableLibraries;
  FakeEntryPoint initialize;
  FakeEntryPoint install;
  FakeEntryPoint remove;
  std::vector<bool> installFlags;  // the second argument of every install call
  int libraryLoads = 0;
  int librariesLoaded = 0;  // currently loaded
  std::vector<std::chrono::milliseconds> sleeps;
  std::vector<std::string> removedFiles;
  int fileAccesses = 0;  // opens, reads, writes and deletions of files

  std::optional<std::uint32_t> PlatformId() override { return platformId; }
  std::optional<std::string> SpecialFolderPath(int csidl) override {
    const auto found = shellFolders.find(csidl);
    return found == shellFolders.end() ? std::nullopt : std::optional(found->second);
  }
  std::unique_ptr<DriverLibrary> OpenLibrary(const std::string& path) override {
    ++libraryLoads;
    return loadableLibraries.contains(path) ? std::make_unique<Library>(*this) : nullptr;
  }
  bool CanOpenForRead(const std::string& path) override {
    ++fileAccesses;
    return files.contains(path) && !unreadableFiles.contains(path);
  }
  FileBytes ReadWholeFile(const std::string& path) override {
    ++fileAccesses;
    const auto found = files.find(path);
    if (found == files.end()) return {FileBytes::Status::kMissing, {}};
    if (unreadableFiles.contains(path)) return {FileBytes::Status::kUnreadable, {}};
    return {FileBytes::Status::kRead, found->second};
  }
  bool WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes) override {
    ++fileAccesses;
    if (readOnlyFiles.contains(path)) return false;
    files[path].assign(bytes.begin(), bytes.end());
    return true;
  }
  bool RemoveFile(const std::string& path) override {
    ++fileAccesses;
    removedFiles.push_back(path);
    return files.erase(path) > 0;
  }
  void Sleep(std::chrono::milliseconds duration) override { sleeps.push_back(duration); }

 private:
  class Library : public DriverLibrary {
   public:
    explicit Library(FakeDriverOs& os) : os_(os) { ++os_.librariesLoaded; }
    ~Library() override { --os_.librariesLoaded; }

    std::function<bool(const std::string&)> FindInitializeWinIo() override {
      if (!os_.initialize.exported) return {};
      return [this](const std::string& sys) { return os_.initialize.Call(sys); };
    }
    std::function<bool(const std::string&, bool)> FindInstallWinIoDriver() override {
      if (!os_.install.exported) return {};
      return [this](const std::string& sys, bool flag) {
        os_.installFlags.push_back(flag);
        return os_.install.Call(sys);
      };
    }
    std::function<bool()> FindRemoveWinIoDriver() override {
      if (!os_.remove.exported) return {};
      return [this] { return os_.remove.Call(""); };
    }

   private:
    FakeDriverOs& os_;
  };
};

}  // namespace lunda
