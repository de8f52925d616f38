// A stand-in for FTDI's ftd2xx.dll: the entry points lunda calls, over one FtdiChipModel that
// drains on the test's clock, set up and read back through the StandIn exports.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <chrono>
#include <optional>

#include "tests/device/ftdi_standin_api.h"

namespace {

using lunda::ClockedSample;
using lunda::FtdiChipModel;
using lunda::StandInSetup;

constexpr ULONG kOk = 0;
constexpr ULONG kInvalidParameter = 6;

StandInSetup setup;
std::optional<FtdiChipModel> chip;
int openCount = 0;
int divisor = -1;
std::int64_t taken = 0;

std::int64_t Now() { return setup.now(setup.clock); }

}  // namespace

extern "C" {

__declspec(dllexport) ULONG WINAPI FT_CreateDeviceInfoList(DWORD* count) {
  *count = static_cast<DWORD>(setup.adapters);
  return kOk;
}

__declspec(dllexport) ULONG WINAPI FT_GetDeviceInfoDetail(DWORD index, DWORD* flags, DWORD* type,
                                                          DWORD* id, DWORD* location, void* serial,
                                                          void* description, void** handle) {
  if (index >= static_cast<DWORD>(setup.adapters)) return kInvalidParameter;
  // D2XX tells nothing but the flag of a device another process holds.
  const bool busy = setup.openStatus != kOk;
  *flags = busy ? 1 : 0;
  *type = busy ? 3 : setup.type;
  *id = 0x04036014;
  *location = 0;
  std::strcpy(static_cast<char*>(serial), busy ? "" : setup.serial);
  std::strcpy(static_cast<char*>(description), "Single RS232-HS");
  *handle = nullptr;
  return kOk;
}

__declspec(dllexport) ULONG WINAPI FT_Open(int index, void** handle) {
  if (index >= setup.adapters) return 2;  // FT_DEVICE_NOT_FOUND
  if (setup.openStatus != kOk) return setup.openStatus;
  ++openCount;
  taken = 0;
  *handle = &setup;
  return kOk;
}

__declspec(dllexport) ULONG WINAPI FT_Close(void*) {
  if (chip) chip->DrainUntil(Now());
  --openCount;
  return kOk;
}

__declspec(dllexport) ULONG WINAPI FT_SetDivisor(void*, USHORT value) {
  divisor = value;
  chip.emplace(setup.frequency, setup.bufferSamples, 48'000'000LL * setup.rateInThousandths,
               1000LL * value);
  return kOk;
}

__declspec(dllexport) ULONG WINAPI FT_SetTimeouts(void*, ULONG, ULONG) { return kOk; }

__declspec(dllexport) ULONG WINAPI FT_SetBitMode(void*, UCHAR, UCHAR) { return kOk; }

__declspec(dllexport) ULONG WINAPI FT_Write(void*, void* buffer, DWORD size, DWORD* written) {
  *written = 0;
  if (setup.failAfter >= 0 && taken + size > setup.failAfter) {
    if (setup.failStatus != kOk) return setup.failStatus;
    setup.sleepUntil(setup.clock, Now() + 5 * setup.frequency);  // the write time-out
    return kOk;
  }
  taken += size;
  const auto* samples = static_cast<const std::uint8_t*>(buffer);
  setup.sleepUntil(setup.clock, chip->Accept(Now(), {samples, size}));
  *written = size;
  return kOk;
}

__declspec(dllexport) ULONG WINAPI FT_GetBitMode(void*, UCHAR* pins) {
  *pins = chip->Pins(Now());
  return kOk;
}

__declspec(dllexport) void StandInSetUp(const StandInSetup* given) {
  setup = *given;
  chip.reset();
  divisor = -1;
}

__declspec(dllexport) int StandInOpenCount() { return openCount; }

__declspec(dllexport) int StandInDivisor() { return divisor; }

__declspec(dllexport) std::size_t StandInClocked(ClockedSample* samples, std::size_t room) {
  if (!chip) return 0;
  std::copy_n(chip->clocked.begin(), std::min(room, chip->clocked.size()), samples);
  return chip->clocked.size();
}

}  // extern "C"
