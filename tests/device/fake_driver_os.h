// An operating system in memory for driver management tests: files, a scriptable port-I/O
// library with call counts, shell folders and recorded sleeps.
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

// What the fake library does; results past the end of a script repeat its last entry, and an
// empty script always succeeds.
struct FakeEntryPoint {
  bool exported = true;
  std::vector<bool> results;
  int calls = 0;
  std::vector<std::string> sysPaths;  // the path argument of every call
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

  std::optional<std::uint32_t> PlatformId() override;
  std::optional<std::string> SpecialFolderPath(int csidl) override;
  std::unique_ptr<DriverLibrary> OpenLibrary(const std::string& path) override;
  bool CanOpenForRead(const std::string& path) override;
  FileBytes ReadWholeFile(const std::string& path) override;
  bool WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes) override;
  bool RemoveFile(const std::string& path) override;
  void Sleep(std::chrono::milliseconds duration) override;
};

}  // namespace lunda
