// A stand-in for FTDI's ftd2xx.dll: the entry points lunda calls, over one FtdiChipModel that
// drains on the test's clock, set up and read back through the StandIn functions. On Windows it
// is a DLL that lunda's own loader finds beside the tests; elsewhere the tests link it and hand
// its functions to the D2XX code directly.
#include "tests/ftd2xx_standin/ftd2xx_standin.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace {

using lunda::ClockedSample;
using lunda::D2xxHandle;
using lunda::D2xxStatus;
using lunda::FtdiChipModel;
using lunda::StandInSetup;

constexpr D2xxStatus kOk = 0;
constexpr D2xxStatus kDeviceNotFound = 2;
constexpr D2xxStatus kInvalidParameter = 6;

StandInSetup setup;
std::optional<FtdiChipModel> chip;
int openCount = 0;
std::int64_t taken = 0;

std::int64_t Now() { return setup.now(setup.clock); }

}  // namespace

extern "C" {

D2xxStatus STANDIN_ENTRY FT_CreateDeviceInfoList(unsigned long* count) {
  *count = static_cast<unsigned long>(setup.adapters);
  return kOk;
}

// Only what lunda reads of a device: its flags, type and serial number.
D2xxStatus STANDIN_ENTRY FT_GetDeviceInfoDetail(unsigned long index, unsigned long* flags,
                                                unsigned long* type, unsigned long*, unsigned long*,
                                                void* serial, void*, D2xxHandle*) {
  if (index >= static_cast<unsigned long>(setup.adapters)) return kInvalidParameter;
  // D2XX tells nothing but the flag of a device another process holds.
  const bool busy = setup.openStatus != kOk;
  *flags = busy ? 1 : 0;
  *type = busy ? 3 : setup.type;
  std::strcpy(static_cast<char*>(serial), busy ? "" : setup.serial);
  return kOk;
}

D2xxStatus STANDIN_ENTRY FT_Open(int index, D2xxHandle* handle) {
  if (index >= setup.adapters) return kDeviceNotFound;
  if (setup.openStatus != kOk) return setup.openStatus;
  ++openCount;
  taken = 0;
  *handle = &setup;
  return kOk;
}

// The chip goes on clocking out what it holds.
D2xxStatus STANDIN_ENTRY FT_Close(D2xxHandle) {
  if (chip) chip->DrainUntil(Now());
  --openCount;
  return kOk;
}

// Bit-bang clocks at 16 times the baud rate that the divisor sets on the 3 MHz reference.
D2xxStatus STANDIN_ENTRY FT_SetDivisor(D2xxHandle, unsigned short value) {
  chip.emplace(setup.frequency, setup.bufferSamples, 48'000'000LL * setup.rateInThousandths,
               1000LL * value);
  return kOk;
}

D2xxStatus STANDIN_ENTRY FT_SetTimeouts(D2xxHandle, unsigned long, unsigned long) { return kOk; }

D2xxStatus STANDIN_ENTRY FT_SetBitMode(D2xxHandle, unsigned char, unsigned char) { return kOk; }

D2xxStatus STANDIN_ENTRY FT_Write(D2xxHandle, void* buffer, unsigned long size,
                                  unsigned long* written) {
  *written = 0;
  if (setup.failAfter >= 0 && taken + static_cast<std::int64_t>(size) > setup.failAfter) {
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

D2xxStatus STANDIN_ENTRY FT_GetBitMode(D2xxHandle, unsigned char* pins) {
  chip->DrainUntil(Now());
  *pins = chip->clocked.empty() ? 0 : chip->clocked.back().value;
  return kOk;
}

STANDIN_EXPORT void StandInSetUp(const StandInSetup* given) {
  setup = *given;
  chip.reset();
}

STANDIN_EXPORT int StandInOpenCount() { return openCount; }

STANDIN_EXPORT std::size_t StandInClocked(ClockedSample* samples, std::size_t room) {
  if (!chip) return 0;
  std::copy_n(chip->clocked.begin(), std::min(room, chip->clocked.size()), samples);
  return chip->clocked.size();
}

}  // extern "C"

#ifndef _WIN32
lunda::FtdiStatus lunda::LinkStandIn(D2xxEntries& entries) {
  entries = {FT_CreateDeviceInfoList, FT_GetDeviceInfoDetail, FT_Open,  FT_Close,     FT_SetBitMode,
             FT_SetDivisor,           FT_SetTimeouts,         FT_Write, FT_GetBitMode};
  return {};
}
#endif
