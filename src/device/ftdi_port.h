// The port on a USB adapter with an FTDI chip in asynchronous bit-bang mode: its pins 0..7
// (ADBUS0..7 on the FT232H, channel A on the FT2232H and FT4232H) are the data lines D0..D7, and
// the chip clocks a transmission out of its own buffer at a rate from its own crystal.
//
// The rate: bit-bang clocks a sample out at 16 times the baud rate that the divisor sets on the
// chip's 3 MHz reference, that is 48 MHz / divisor. Divisor 4800 would be exactly T = 100 us; 4801
// makes a sample 100.0208 us, 0.021 % long, so that a sample stays at least T with the crystal
// anywhere within its tolerance (FTDI asks for 30 ppm, 0.003 %). Only the H series keeps that
// clock even; the FT232R, FT245R and the first FT2232 give pulses of uneven width in bit-bang mode,
// so those chips are refused by name. Since the libraries and tools disagree on the multiplier
// between baud rate and sample rate, the rate is measured before every transmission rather than
// trusted (BeginStream).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "device/port.h"
#include "platform/clock.h"
#include "platform/ftdi.h"

namespace lunda {

inline constexpr std::uint16_t kFtdiDivisor = 4801;
inline constexpr SampleRate kFtdiSampleRate{48'000'000, kFtdiDivisor};
// How far the measured rate may be from kFtdiSampleRate. A real chip measures well within it; a
// wrong multiplier or a chip that is not what it says is far outside.
inline constexpr double kFtdiRateTolerance = 0.01;

// "FT232H", "FT232R/FT245R", ...: the name people know the chip by.
[[nodiscard]] std::string_view FtdiChipName(FtdiChip chip);
// The chips whose bit-bang clock is even: the H series.
[[nodiscard]] bool FtdiChipHoldsTime(FtdiChip chip);
// The chip's buffer from USB to the pins, in samples (of channel A).
[[nodiscard]] std::size_t FtdiBufferSamples(FtdiChip chip);

class FtdiPort final : public Port, public SampleSink {
 public:
  // Opens the adapter that selector names: "" for the first adapter whose chip holds the time, a
  // decimal number for the adapter at that position among all FTDI adapters, anything else for
  // the adapter with that serial number. port names it in messages ("ftdi:FT1234"). Sets its rate
  // and bit-bang mode and puts the rest level on the lines at once, since the pins are undefined
  // for a moment when the mode is set. Null, with the fault, when any of it fails. library and
  // clock must outlive the port; the adapter is closed with it.
  [[nodiscard]] static std::unique_ptr<FtdiPort> Open(FtdiLibrary& library,
                                                      std::string_view selector,
                                                      const std::string& port, Clock& clock,
                                                      PortFault& fault);

  // One sample, which the pins then hold.
  void Write(std::uint8_t value) override;
  // The pins, once what was written has had time to reach them.
  [[nodiscard]] std::uint8_t Read() override;
  [[nodiscard]] std::optional<PortFault> LastFault() const override { return fault; }
  [[nodiscard]] SampleSink* Samples() override { return this; }

  [[nodiscard]] SampleRate Rate() const override { return kFtdiSampleRate; }
  // Measures the rate from how long the chip takes to drain two runs of samples of different
  // lengths, which repeat the level on the lines and so move none.
  [[nodiscard]] bool BeginStream() override;
  [[nodiscard]] bool SendSamples(std::span<const std::uint8_t> samples) override;
  void EndStream() override;

 private:
  FtdiPort(std::unique_ptr<FtdiDevice> device, FtdiChip chip, std::string port, Clock& clock)
      : device(std::move(device)), chip(chip), port(std::move(port)), clock(clock) {}
  void Failed(PortFault::Step step, const FtdiStatus& status);
  // The time the chip takes to clock out a buffer's worth, rounded up to whole milliseconds.
  [[nodiscard]] std::chrono::milliseconds DrainTime() const;
  // How long handing over count samples of the present level took, in ticks; -1 on failure.
  [[nodiscard]] std::int64_t TimeIdleRun(std::size_t count);

  std::unique_ptr<FtdiDevice> device;
  FtdiChip chip;
  std::string port;
  Clock& clock;
  std::uint8_t level = kPortRestLevel;  // the last value handed over
  std::optional<PortFault> fault;
};

}  // namespace lunda
