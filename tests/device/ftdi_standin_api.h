// How tests drive the stand-in ftd2xx.dll (tests/ftd2xx_standin): one adapter or none, the chip
// type D2XX reports, how FT_Open answers, when FT_Write fails and how, how far off the chip
// clocks, and the test's clock, which the stand-in's chip drains on and advances while FT_Write
// waits for room. Standard C++ only, shared by the stand-in and the tests.
#pragma once

#include <cstddef>
#include <cstdint>

#include "tests/device/ftdi_chip_model.h"

namespace lunda {

struct StandInSetup {
  int adapters = 1;
  std::uint32_t type = 8;  // FT_DEVICE_232H
  char serial[16] = "FT1A2B3C";
  std::size_t bufferSamples = 1024;
  std::uint32_t openStatus = 0;   // FT_Open's answer; 0 opens
  std::int64_t failAfter = -1;    // FT_Write fails once the samples taken would pass this
  std::uint32_t failStatus = 4;   // FT_IO_ERROR; 0: FT_Write comes back short, as on a time-out
  int rateInThousandths = 1000;   // of 16 times the baud rate the divisor sets
  std::int64_t frequency = 0;     // of the clock, ticks per second
  void* clock = nullptr;
  std::int64_t (*now)(void* clock) = nullptr;
  void (*sleepUntil)(void* clock, std::int64_t deadline) = nullptr;
};

// The stand-in's own exports, beside FTDI's.
extern "C" {
using StandInSetUpFn = void (*)(const StandInSetup* setup);
using StandInOpenCountFn = int (*)();
using StandInDivisorFn = int (*)();  // -1 before any FT_SetDivisor
// Copies up to room samples clocked out so far; returns how many there are.
using StandInClockedFn = std::size_t (*)(ClockedSample* samples, std::size_t room);
}

}  // namespace lunda
