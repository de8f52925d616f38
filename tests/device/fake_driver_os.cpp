// An operating system in memory for driver management tests: files, a scriptable port-I/O
// library with call counts, shell folders and recorded sleeps.
#include "fake_driver_os.h"

namespace lunda {
namespace {

bool NextResult(FakeEntryPoint& entry, const std::string& sysPath) {
  entry.sysPaths.push_back(sysPath);
  const std::size_t index = static_cast<std::size_t>(entry.calls++);
  if (entry.results.empty()) return true;
  return entry.results[std::min(index, entry.results.size() - 1)];
}

class FakeLibrary : public DriverLibrary {
 public:
  explicit FakeLibrary(FakeDriverOs& os) : os_(os) { ++os_.librariesLoaded; }
  ~FakeLibrary() override { --os_.librariesLoaded; }

  std::function<bool(const std::string&)> FindInitializeWinIo() override {
    if (!os_.initialize.exported) return {};
    return [this](const std::string& sys) { return NextResult(os_.initialize, sys); };
  }
  std::function<bool(const std::string&, bool)> FindInstallWinIoDriver() override {
    if (!os_.install.exported) return {};
    return [this](const std::string& sys, bool flag) {
      os_.installFlags.push_back(flag);
      return NextResult(os_.install, sys);
    };
  }
  std::function<bool()> FindRemoveWinIoDriver() override {
    if (!os_.remove.exported) return {};
    return [this] { return NextResult(os_.remove, ""); };
  }

 private:
  FakeDriverOs& os_;
};

}  // namespace

std::optional<std::uint32_t> FakeDriverOs::PlatformId() { return platformId; }

std::optional<std::string> FakeDriverOs::SpecialFolderPath(int csidl) {
  const auto found = shellFolders.find(csidl);
  if (found == shellFolders.end()) return std::nullopt;
  return found->second;
}

std::unique_ptr<DriverLibrary> FakeDriverOs::OpenLibrary(const std::string& path) {
  ++libraryLoads;
  if (!loadableLibraries.contains(path)) return nullptr;
  return std::make_unique<FakeLibrary>(*this);
}

bool FakeDriverOs::CanOpenForRead(const std::string& path) {
  ++fileAccesses;
  return files.contains(path) && !unreadableFiles.contains(path);
}

FileBytes FakeDriverOs::ReadWholeFile(const std::string& path) {
  ++fileAccesses;
  const auto found = files.find(path);
  if (found == files.end()) return {FileBytes::Status::kMissing, {}};
  if (unreadableFiles.contains(path)) return {FileBytes::Status::kUnreadable, {}};
  return {FileBytes::Status::kRead, found->second};
}

bool FakeDriverOs::WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes) {
  ++fileAccesses;
  if (readOnlyFiles.contains(path)) return false;
  files[path].assign(bytes.begin(), bytes.end());
  return true;
}

bool FakeDriverOs::RemoveFile(const std::string& path) {
  ++fileAccesses;
  removedFiles.push_back(path);
  return files.erase(path) > 0;
}

void FakeDriverOs::Sleep(std::chrono::milliseconds duration) { sleeps.push_back(duration); }

}  // namespace lunda
