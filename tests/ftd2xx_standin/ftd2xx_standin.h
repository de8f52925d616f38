// The stand-in ftd2xx.dll's entry points: FTDI's few, and its own StandIn functions through which
// tests set it up (one adapter or none, the chip type D2XX reports, how FT_Open answers, when
// FT_Write fails and how, how far off the chip clocks, and the test's clock, which its chip
// drains on and advances while FT_Write waits for room) and read back what it clocked out.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/ftdi_d2xx.h"
#include "tests/device/ftdi_chip_model.h"

#ifdef _WIN32
#define STANDIN_EXPORT __declspec(dllexport)
#else
#define STANDIN_EXPORT
#endif
#define STANDIN_ENTRY STANDIN_EXPORT LUNDA_D2XX_CALL

namespace lunda {

struct StandInSetup {
  int adapters = 1;
  unsigned long type = 8;  // FT_DEVICE_232H
  char serial[16] = "FT1A2B3C";
  std::size_t bufferSamples = 1024;
  D2xxStatus openStatus = 0;     // FT_Open's answer; 0 opens
  std::int64_t failAfter = -1;   // FT_Write fails once the samples taken would pass this
  D2xxStatus failStatus = 4;     // FT_IO_ERROR; 0: FT_Write comes back short, as on a time-out
  int rateInThousandths = 1000;  // of the rate the divisor asks for
  std::int64_t frequency = 0;    // of the clock, ticks per second
  void* clock = nullptr;
  std::int64_t (*now)(void* clock) = nullptr;
  void (*sleepUntil)(void* clock, std::int64_t deadline) = nullptr;
};

}  // namespace lunda

extern "C" {
STANDIN_EXPORT void StandInSetUp(const lunda::StandInSetup* setup);
STANDIN_EXPORT int StandInOpenCount();
// Copies up to room of the samples clocked out so far; returns how many there are.
STANDIN_EXPORT std::size_t StandInClocked(lunda::ClockedSample* samples, std::size_t room);
}

namespace lunda {
// Where the stand-in is linked in rather than loaded: its FTDI entry points.
FtdiStatus LinkStandIn(D2xxEntries& entries);
}  // namespace lunda
