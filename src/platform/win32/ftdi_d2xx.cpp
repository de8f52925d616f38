// The system's FtdiLibrary on Windows: FTDI's D2XX library ftd2xx.dll, which Windows installs with
// the driver for these chips. It is loaded at run time, once, so that the program starts and its
// other ports work where it is missing.
#include "platform/ftdi_d2xx.h"

#include <windows.h>

#include <cerrno>

#include "platform/win32/proc_address.h"

namespace lunda {
namespace {

template <typename Fn>
void Find(HMODULE module, const char* name, Fn& entry) {
  entry = ProcAddress<Fn>(module, name);
}

FtdiStatus LoadFtd2xx(D2xxEntries& entries) {
  const HMODULE module = LoadLibraryA("ftd2xx.dll");
  if (module == nullptr) return {ENOSYS, "ftd2xx.dll not found"};
  Find(module, "FT_CreateDeviceInfoList", entries.createDeviceInfoList);
  Find(module, "FT_GetDeviceInfoDetail", entries.getDeviceInfoDetail);
  Find(module, "FT_Open", entries.open);
  Find(module, "FT_Close", entries.close);
  Find(module, "FT_SetBitMode", entries.setBitMode);
  Find(module, "FT_SetDivisor", entries.setDivisor);
  Find(module, "FT_SetTimeouts", entries.setTimeouts);
  Find(module, "FT_Write", entries.write);
  Find(module, "FT_GetBitMode", entries.getBitMode);
  // A library without them all is no use; one with them stays loaded for the process's life.
  if (!entries.Complete()) FreeLibrary(module);
  return {};
}

}  // namespace

FtdiLibrary& SystemFtdi() {
  static const std::unique_ptr<FtdiLibrary> library = MakeD2xxLibrary(LoadFtd2xx);
  return *library;
}

}  // namespace lunda
