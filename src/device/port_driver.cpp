// The port-I/O driver on Windows: initialised at start-up, installed by /i and removed by /u,
// with the registration list that lets several programs share it.
#include "device/port_driver.h"

#include <algorithm>
#include <functional>
#include <optional>

#include "device/driver_registration_list.h"

namespace lunda {
namespace {

constexpr char kLoadFailedText[] =
    "Не могу загрузить драйвер LPT-порта.\nПопробуйте переустановить программу.";
constexpr char kInitFailedText[] =
    "Не могу загрузить драйвер LPT-порта.\n"
    "Установите драйвер: запустите программу с ключом /i от имени администратора.";
constexpr char kInstallFailedText[] = "Не могу установить драйвер LPT-порта";
constexpr char kRemoveFailedText[] = "Не могу удалить драйвер LPT-порта";
constexpr char kListBrokenText[] =
    "Список программ, использующих драйвер LPT-порта, повреждён или не читается:\n";
constexpr char kListFullText[] = "Список программ, использующих драйвер LPT-порта, переполнен:\n";
constexpr char kListKeptText[] = "\nФайл оставлен без изменений.";

constexpr int kDriverAttempts = 5;
constexpr std::chrono::milliseconds kRetryPause{200};

struct DriverPaths {
  std::string dll;
  std::string sys;
  std::string list;
};

DriverPaths GetDriverPaths(DriverOs& os) {
  const std::string folder = GetDriverFolder(os);
  return {folder + "\\WinIo.dll", folder + "\\WinIo.sys", folder + "\\WinIo.cnt"};
}

// The driver gives up now and then while the system is busy, so each call gets a few tries.
bool CallWithRetry(DriverOs& os, const std::function<bool()>& call) {
  for (int attempt = 0; attempt < kDriverAttempts; ++attempt) {
    if (call()) return true;
    os.Sleep(kRetryPause);
  }
  return false;
}

enum class DriverCall { kSucceeded, kNoLibrary, kNoEntry, kFailed };

// Loads the library only for this one call. `bind` picks the entry point, bound to its
// arguments, or returns an empty function when the library lacks it.
DriverCall CallDriver(DriverOs& os, const std::string& dllPath,
                      const std::function<std::function<bool()>(DriverLibrary&)>& bind) {
  const std::unique_ptr<DriverLibrary> library = os.OpenLibrary(dllPath);
  if (!library) return DriverCall::kNoLibrary;
  const std::function<bool()> call = bind(*library);
  if (!call) return DriverCall::kNoEntry;
  return CallWithRetry(os, call) ? DriverCall::kSucceeded : DriverCall::kFailed;
}

bool Contains(const RegistrationList& list, std::int32_t number) {
  return std::find(list.begin(), list.end(), number) != list.end();
}

// A list we cannot read completely is never rewritten: other programs' numbers would be lost,
// and the last "user" out would delete a driver still in use.
std::optional<RegistrationList> ReadRegistrationList(DriverOs& os, ErrorReporter& reporter,
                                                     const std::string& path) {
  const FileBytes file = os.ReadWholeFile(path);
  if (file.status == FileBytes::Status::kMissing) return RegistrationList{};
  std::optional<RegistrationList> list;
  if (file.status == FileBytes::Status::kRead) list = ParseRegistrationList(file.bytes);
  if (!list) reporter.ShowError(kListBrokenText + path + kListKeptText);
  return list;
}

// A failed write leaves the old file in place and, like a list that cannot be created, is not
// reported: the driver itself is in order.
void WriteRegistrationList(DriverOs& os, const std::string& path, const RegistrationList& list) {
  static_cast<void>(os.WriteWholeFile(path, SerializeRegistrationList(list)));
}

}  // namespace

bool IsWindowsNT(DriverOs& os) {
  // A failed query is treated as NT: every current system is, and the 9x path would touch the
  // port without a driver.
  return os.PlatformId().value_or(kPlatformIdNt) == kPlatformIdNt;
}

std::string GetDriverFolder(DriverOs& os) {
  std::string commonFiles;
  if (auto path = os.SpecialFolderPath(kFolderProgramFilesCommon)) {
    commonFiles = *path;
  } else if (auto programFiles = os.SpecialFolderPath(kFolderProgramFiles)) {
    commonFiles = *programFiles + "\\Common Files";
  } else {
    commonFiles = "c:\\programm files\\common files";
  }
  return commonFiles + "\\Vilt";
}

bool PortTestPasses(Port& port) {
  port.Write(kPortTestLevel);
  return (port.Read() & kPortTestLevel) != 0;
}

bool LoadPortDriver(DriverOs& os, ErrorReporter& reporter, Port& port) {
  if (IsWindowsNT(os)) {
    const DriverPaths paths = GetDriverPaths(os);
    const DriverCall result = CallDriver(os, paths.dll, [&](DriverLibrary& library) {
      auto initialize = library.FindInitializeWinIo();
      return initialize ? std::function<bool()>([=] { return initialize(paths.sys); })
                        : std::function<bool()>();
    });
    if (result == DriverCall::kNoLibrary) {
      reporter.ShowError(kLoadFailedText);
      return false;
    }
    // A library without the entry point is as useless as one whose call fails; ending start-up
    // without a word would leave the user guessing.
    if (result != DriverCall::kSucceeded) {
      reporter.ShowError(kInitFailedText);
      return false;
    }
  }
  if (!PortTestPasses(port)) {
    reporter.ShowError(PortAccessFailureText(port.LastFault()));
    return false;
  }
  return true;
}

bool InstallPortDriver(DriverOs& os, ErrorReporter& reporter) {
  const DriverPaths paths = GetDriverPaths(os);
  if (!os.CanOpenForRead(paths.dll) || !os.CanOpenForRead(paths.sys)) return false;
  // The list is checked before the driver is touched, so a refusal leaves the system as it was.
  std::optional<RegistrationList> list = ReadRegistrationList(os, reporter, paths.list);
  if (!list) return false;
  const bool registered = Contains(*list, kOwnRegistrationNumber);
  if (!registered && list->size() >= kRegistrationListRoom) {
    reporter.ShowError(kListFullText + paths.list + kListKeptText);
    return false;
  }
  if (IsWindowsNT(os)) {
    const DriverCall result = CallDriver(os, paths.dll, [&](DriverLibrary& library) {
      auto install = library.FindInstallWinIoDriver();
      return install ? std::function<bool()>([=] { return install(paths.sys, true); })
                     : std::function<bool()>();
    });
    if (result == DriverCall::kFailed) reporter.ShowError(kInstallFailedText);
    if (result != DriverCall::kSucceeded) return false;
  }
  if (!registered) {
    list->push_back(kOwnRegistrationNumber);
    WriteRegistrationList(os, paths.list, *list);
  }
  return true;
}

bool RemovePortDriver(DriverOs& os, ErrorReporter& reporter) {
  const DriverPaths paths = GetDriverPaths(os);
  std::optional<RegistrationList> list = ReadRegistrationList(os, reporter, paths.list);
  if (!list) return false;
  if (const auto own = std::find(list->begin(), list->end(), kOwnRegistrationNumber);
      own != list->end()) {
    list->erase(own);
  }
  if (!list->empty()) {
    WriteRegistrationList(os, paths.list, *list);
    return true;
  }
  if (IsWindowsNT(os)) {
    const DriverCall result = CallDriver(
        os, paths.dll, [](DriverLibrary& library) { return library.FindRemoveWinIoDriver(); });
    if (result == DriverCall::kFailed) reporter.ShowError(kRemoveFailedText);
    if (result != DriverCall::kSucceeded) return false;
  }
  os.RemoveFile(paths.list);
  os.RemoveFile(paths.dll);
  os.RemoveFile(paths.sys);
  return true;
}

}  // namespace lunda
