// FTDI adapters for tests: FtdiChipModel chips on a FakeClock behind the FtdiLibrary seam, which
// can be missing, busy, of a refused chip, clock off their rate, time out or be unplugged on the
// way, and count how many of them are open.
#pragma once

#include <cerrno>
#include <optional>

#include "device/bit_stream_decoder.h"
#include "device/ftdi_port.h"
#include "device/lpt_transmitter.h"
#include "platform/ftdi.h"
#include "tests/device/fake_clock.h"
#include "tests/device/ftdi_chip_model.h"

namespace lunda {

class FakeFtdi final : public FtdiLibrary {
 public:
  explicit FakeFtdi(FakeClock& clock) : clock(clock) {}

  FtdiStatus List(std::vector<FtdiAdapter>& list) override {
    list = adapters;
    return {};
  }

  std::unique_ptr<FtdiDevice> Open(std::size_t position, FtdiStatus& status) override {
    if (openFails.code != 0) {
      status = openFails;
      return nullptr;
    }
    chip.emplace(clock.Frequency(), FtdiBufferSamples(adapters.at(position).chip),
                 kFtdiSampleRate.numerator * rateInThousandths / 1000,
                 kFtdiSampleRate.denominator);
    return std::make_unique<Device>(*this);
  }

  std::vector<FtdiAdapter> adapters{{FtdiChip::kFt232H, "FT1A2B3C"}};
  FtdiStatus openFails;        // what Open answers instead of opening
  int rateInThousandths = 1000;  // of the rate asked for
  // A Write that would take the total taken beyond this many samples fails with failure.
  std::optional<std::size_t> failAfter;
  FtdiStatus failure{ENODEV, "LIBUSB_ERROR_NO_DEVICE"};
  std::optional<FtdiChipModel> chip;  // the last one opened
  std::optional<std::uint16_t> divisor;
  int open = 0;

 private:
  class Device final : public FtdiDevice {
   public:
    explicit Device(FakeFtdi& owner) : owner(owner) { ++owner.open; }
    // The chip goes on clocking out what it holds.
    ~Device() override {
      owner.chip->DrainUntil(owner.clock.Peek());
      --owner.open;
    }
    FtdiStatus SetDivisor(std::uint16_t divisor) override {
      owner.divisor = divisor;
      return {};
    }
    FtdiStatus SetBitBang(std::uint8_t) override { return {}; }
    FtdiStatus Write(std::span<const std::uint8_t> samples) override {
      if (owner.failAfter && taken + samples.size() > *owner.failAfter) {
        // A time-out fails after waiting out the write time-out; an unplugged chip at once.
        if (owner.failure.code == ETIMEDOUT) owner.clock.Sleep(std::chrono::seconds(5));
        return owner.failure;
      }
      taken += samples.size();
      owner.clock.SleepUntil(owner.chip->Accept(owner.clock.Peek(), samples));
      return {};
    }
    FtdiStatus ReadPins(std::uint8_t& pins) override {
      pins = owner.chip->Pins(owner.clock.Peek());
      return {};
    }

   private:
    FakeFtdi& owner;
    std::size_t taken = 0;
  };

  FakeClock& clock;
};

// What a controller on the chip's pins makes of every sample it clocked out.
inline TransferReport DecodeClocked(const std::vector<ClockedSample>& clocked,
                                    std::int64_t frequency) {
  BitStreamDecoder decoder(frequency, TimeUnitTicks(frequency));
  for (const ClockedSample& sample : clocked) decoder.Feed(sample.time, sample.value);
  return decoder.Result(clocked.empty() ? 0 : clocked.back().time);
}

}  // namespace lunda
