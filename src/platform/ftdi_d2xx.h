// FTDI's D2XX library as a table of the few entry points lunda calls, and FtdiLibrary over it.
// On Windows the table comes from ftd2xx.dll, loaded at run time (win32/ftdi_d2xx_load.cpp); the
// tests fill it from the stand-in of tests/ftd2xx_standin on every system, so this code runs under
// them natively too. Types as FTDI's header has them on Windows: DWORD and ULONG are unsigned
// long, and every entry point is WINAPI (stdcall, which matters on 32-bit Windows).
#pragma once

#include <functional>
#include <memory>

#include "platform/ftdi.h"

#ifdef _WIN32
#define LUNDA_D2XX_CALL __stdcall
#else
#define LUNDA_D2XX_CALL
#endif

namespace lunda {

using D2xxStatus = unsigned long;  // FT_STATUS
using D2xxHandle = void*;          // FT_HANDLE

struct D2xxEntries {
  D2xxStatus(LUNDA_D2XX_CALL* createDeviceInfoList)(unsigned long* count) = nullptr;
  D2xxStatus(LUNDA_D2XX_CALL* getDeviceInfoDetail)(unsigned long index, unsigned long* flags,
                                                   unsigned long* type, unsigned long* id,
                                                   unsigned long* location, void* serial,
                                                   void* description, D2xxHandle* handle) = nullptr;
  D2xxStatus(LUNDA_D2XX_CALL* open)(int index, D2xxHandle* handle) = nullptr;
  D2xxStatus(LUNDA_D2XX_CALL* close)(D2xxHandle handle) = nullptr;
  D2xxStatus(LUNDA_D2XX_CALL* setBitMode)(D2xxHandle handle, unsigned char mask,
                                          unsigned char mode) = nullptr;
  D2xxStatus(LUNDA_D2XX_CALL* setDivisor)(D2xxHandle handle, unsigned short divisor) = nullptr;
  D2xxStatus(LUNDA_D2XX_CALL* setTimeouts)(D2xxHandle handle, unsigned long read,
                                           unsigned long write) = nullptr;
  D2xxStatus(LUNDA_D2XX_CALL* write)(D2xxHandle handle, void* buffer, unsigned long size,
                                     unsigned long* written) = nullptr;
  // The levels on the pins now (FT_GetBitMode).
  D2xxStatus(LUNDA_D2XX_CALL* getBitMode)(D2xxHandle handle, unsigned char* pins) = nullptr;

  [[nodiscard]] bool Complete() const {
    return createDeviceInfoList && getDeviceInfoDetail && open && close && setBitMode &&
           setDivisor && setTimeouts && write && getBitMode;
  }
};

// FtdiLibrary over the entries that load fills on first use (ENOSYS from it: no library). A two-
// or four-channel chip appears in D2XX once per channel, its serial number ending in A, B, ...:
// only channel A is listed, under the chip's own serial number.
[[nodiscard]] std::unique_ptr<FtdiLibrary> MakeD2xxLibrary(
    std::function<FtdiStatus(D2xxEntries&)> load);

}  // namespace lunda
