// The port-I/O driver on Windows: initialised at start-up, installed by /i and removed by /u,
// with the registration list that lets several programs share it.
#include "device/port_driver.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <string_view>

#include "device/driver_registration_list.h"

namespace lunda {
namespace {

constexpr char kLoadFailedText[] = "Не могу загрузить драйвер LPT-порта.";
constexpr char kReinstallAdvice[] = "Попробуйте переустановить программу.";
constexpr char kInstallAdvice[] =
    "Установите драйвер: запустите программу с ключом /i от имени администратора.";
constexpr char kInstallFailedText[] = "Не могу установить драйвер LPT-порта";
constexpr char kRemoveFailedText[] = "Не могу удалить драйвер LPT-порта";
// What is true of every driver failure on 64-bit Windows, where the advice of a 32-bit one would
// send the user round in circles.
constexpr char k64BitAdvice[] =
    "64-разрядная Windows не даёт программам прямого доступа к LPT-порту. Записать контроллер "
    "можно через USB-адаптер (ключ --port=ftdi) или через LPT-порт из 32-разрядной Windows; "
    "опробовать программу без контроллера можно, запустив её с ключом --port=sim.";
constexpr char kListBrokenText[] =
    "Список программ, использующих драйвер LPT-порта, повреждён или не читается:\n";
constexpr char kListFullText[] = "Список программ, использующих драйвер LPT-порта, переполнен:\n";
constexpr char kListKeptText[] = "\nФайл оставлен без изменений.";
constexpr char kListUnwrittenText[] =
    "Не могу записать список программ, использующих драйвер LPT-порта:\n";
constexpr char kListRightsText[] = "\nЗапустите программу с тем же ключом от имени администратора.";

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

// A list that cannot be written (the driver folder is the system's, and without administrator
// rights it refuses us) is reported: a registration that silently did not happen would let the
// last other user remove the driver from under this program, or keep it for a user long gone.
// The old file stays as it was.
bool WriteRegistrationList(DriverOs& os, ErrorReporter& reporter, const std::string& path,
                           const RegistrationList& list) {
  if (os.WriteWholeFile(path, SerializeRegistrationList(list))) return true;
  reporter.ShowError(kListUnwrittenText + path + kListRightsText);
  return false;
}

// The failure's first line, then what the user can do about it.
std::string DriverFailureText(DriverOs& os, std::string_view failure, std::string_view advice) {
  std::string text(failure);
  if (os.IsWow64Process()) advice = k64BitAdvice;
  if (!advice.empty()) text.append("\n").append(advice);
  return text;
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
  // A port that failed on the way proves nothing by what it read back.
  return (port.Read() & kPortTestLevel) != 0 && !port.LastFault();
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
      reporter.ShowError(DriverFailureText(os, kLoadFailedText, kReinstallAdvice));
      return false;
    }
    // A library without the entry point is as useless as one whose call fails; ending start-up
    // without a word would leave the user guessing.
    if (result != DriverCall::kSucceeded) {
      reporter.ShowError(DriverFailureText(os, kLoadFailedText, kInstallAdvice));
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
    if (result == DriverCall::kFailed) {
      reporter.ShowError(DriverFailureText(os, kInstallFailedText, ""));
    }
    if (result != DriverCall::kSucceeded) return false;
  }
  if (registered) return true;
  list->push_back(kOwnRegistrationNumber);
  return WriteRegistrationList(os, reporter, paths.list, *list);
}

bool RemovePortDriver(DriverOs& os, ErrorReporter& reporter) {
  const DriverPaths paths = GetDriverPaths(os);
  std::optional<RegistrationList> list = ReadRegistrationList(os, reporter, paths.list);
  if (!list) return false;
  if (const auto own = std::find(list->begin(), list->end(), kOwnRegistrationNumber);
      own != list->end()) {
    list->erase(own);
  }
  if (!list->empty()) return WriteRegistrationList(os, reporter, paths.list, *list);
  if (IsWindowsNT(os)) {
    const DriverCall result = CallDriver(
        os, paths.dll, [](DriverLibrary& library) { return library.FindRemoveWinIoDriver(); });
    if (result == DriverCall::kFailed) {
      reporter.ShowError(DriverFailureText(os, kRemoveFailedText, ""));
    }
    if (result != DriverCall::kSucceeded) return false;
  }
  os.RemoveFile(paths.list);
  os.RemoveFile(paths.dll);
  os.RemoveFile(paths.sys);
  return true;
}

}  // namespace lunda
