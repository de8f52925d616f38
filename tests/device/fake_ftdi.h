// FTDI adapters for tests, behind the FtdiLibrary seam: one FtdiChipModel chip on a FakeClock
// that drains at the rate its divisor sets, which can be missing, busy, of a refused chip, clock
// off its rate, time out or be unplugged on the way, and which counts how often it is open. On
// Linux the chip is in this process; on Windows it is the stand-in ftd2xx.dll, reached through the
// program's own D2XX code, so that the same tests run through LoadLibrary and the WINAPI calls.
#pragma once

#include <cerrno>
#include <optional>
#include <vector>

#include "device/bit_stream_decoder.h"
#include "device/ftdi_port.h"
#include "device/lpt_transmitter.h"
#include "platform/ftdi.h"
#include "tests/device/fake_clock.h"
#include "tests/device/ftdi_chip_model.h"

#ifdef _WIN32
#include <windows.h>

#include "tests/device/ftdi_standin_api.h"
#endif

namespace lunda {

// What the tests set: the adapters plugged in (only the first is a chip), how opening fails, and
// how the chip behaves.
struct FakeFtdiSettings {
  std::vector<FtdiAdapter> adapters{{FtdiChip::kFt232H, "FT1A2B3C"}};
  FtdiStatus openFails;          // what opening answers instead, EBUSY for a busy adapter
  int rateInThousandths = 1000;  // of the rate the divisor asks for
  // A write that would take the samples taken beyond this many fails with failure.
  std::optional<std::size_t> failAfter;
  FtdiStatus failure{ENODEV, "LIBUSB_ERROR_NO_DEVICE"};
};

// The rate a divisor sets in bit-bang mode on the chip's 3 MHz reference, in thousandths.
inline SampleRate FakeChipRate(std::uint16_t divisor, int thousandths) {
  return {kFtdiSampleRate.numerator * thousandths, std::int64_t{1000} * divisor};
}

#ifndef _WIN32
class FakeFtdi final : public FtdiLibrary, public FakeFtdiSettings {
 public:
  explicit FakeFtdi(FakeClock& clock) : clock(clock) {}

  FtdiStatus List(std::vector<FtdiAdapter>& list) override {
    list = adapters;
    return {};
  }
  std::unique_ptr<FtdiDevice> Open(std::size_t, FtdiStatus& status) override {
    if (!openFails.Ok()) {
      status = openFails;
      return nullptr;
    }
    return std::make_unique<Device>(*this);
  }

  [[nodiscard]] int OpenCount() const { return open; }
  [[nodiscard]] std::optional<std::uint16_t> Divisor() const { return divisor; }
  [[nodiscard]] std::vector<ClockedSample> Clocked() const {
    return chip ? chip->clocked : std::vector<ClockedSample>{};
  }

 private:
  class Device final : public FtdiDevice {
   public:
    explicit Device(FakeFtdi& owner) : owner(owner) { ++owner.open; }
    // The chip goes on clocking out what it holds.
    ~Device() override {
      if (owner.chip) owner.chip->DrainUntil(owner.clock.Peek());
      --owner.open;
    }
    FtdiStatus SetDivisor(std::uint16_t divisor) override {
      owner.divisor = divisor;
      const SampleRate rate = FakeChipRate(divisor, owner.rateInThousandths);
      owner.chip.emplace(owner.clock.Frequency(), FtdiBufferSamples(owner.adapters.at(0).chip),
                         rate.numerator, rate.denominator);
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
  std::optional<FtdiChipModel> chip;
  std::optional<std::uint16_t> divisor;
  int open = 0;
};
#else
class FakeFtdi final : public FtdiLibrary, public FakeFtdiSettings {
 public:
  explicit FakeFtdi(FakeClock& clock) : clock(clock), standIn(LoadLibraryA("ftd2xx.dll")) {}
  ~FakeFtdi() override { FreeLibrary(standIn); }
  FakeFtdi(const FakeFtdi&) = delete;
  FakeFtdi& operator=(const FakeFtdi&) = delete;

  FtdiStatus List(std::vector<FtdiAdapter>& list) override {
    SetUp();
    return SystemFtdi().List(list);
  }
  std::unique_ptr<FtdiDevice> Open(std::size_t position, FtdiStatus& status) override {
    SetUp();
    return SystemFtdi().Open(position, status);
  }

  [[nodiscard]] int OpenCount() const { return Export<StandInOpenCountFn>("StandInOpenCount")(); }
  [[nodiscard]] std::optional<std::uint16_t> Divisor() const {
    const int divisor = Export<StandInDivisorFn>("StandInDivisor")();
    if (divisor < 0) return std::nullopt;
    return static_cast<std::uint16_t>(divisor);
  }
  [[nodiscard]] std::vector<ClockedSample> Clocked() const {
    const auto clocked = Export<StandInClockedFn>("StandInClocked");
    std::vector<ClockedSample> samples(clocked(nullptr, 0));
    clocked(samples.data(), samples.size());
    return samples;
  }

 private:
  template <typename Fn>
  Fn Export(const char* name) const {
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(standIn, name)));
  }

  // The settings as the stand-in takes them, before every call that could read them.
  void SetUp() {
    constexpr std::pair<FtdiChip, std::uint32_t> kTypes[] = {{FtdiChip::kFt232H, 8},
                                                             {FtdiChip::kFt2232H, 6},
                                                             {FtdiChip::kFt4232H, 7},
                                                             {FtdiChip::kFt232R, 5}};
    StandInSetup setup;
    setup.adapters = adapters.empty() ? 0 : 1;
    if (!adapters.empty()) {
      for (const auto& [chip, type] : kTypes) {
        if (chip == adapters[0].chip) setup.type = type;
      }
      std::snprintf(setup.serial, sizeof setup.serial, "%s", adapters[0].serial.c_str());
      setup.bufferSamples = FtdiBufferSamples(adapters[0].chip);
    }
    setup.openStatus = openFails.code == EBUSY ? 3 : openFails.Ok() ? 0 : 4;
    setup.failAfter = failAfter ? static_cast<std::int64_t>(*failAfter) : -1;
    setup.failStatus = failure.code == ETIMEDOUT ? 0 : 4;
    setup.rateInThousandths = rateInThousandths;
    setup.frequency = clock.Frequency();
    setup.clock = &clock;
    setup.now = [](void* fake) { return static_cast<FakeClock*>(fake)->Peek(); };
    setup.sleepUntil = [](void* fake, std::int64_t deadline) {
      static_cast<FakeClock*>(fake)->SleepUntil(deadline);
    };
    Export<StandInSetUpFn>("StandInSetUp")(&setup);
  }

  FakeClock& clock;
  HMODULE standIn;
};
#endif

// What a controller on the chip's pins makes of every sample it clocked out.
inline TransferReport DecodeClocked(const std::vector<ClockedSample>& clocked,
                                    std::int64_t frequency) {
  BitStreamDecoder decoder(frequency, TimeUnitTicks(frequency));
  for (const ClockedSample& sample : clocked) decoder.Feed(sample.time, sample.value);
  return decoder.Result(clocked.empty() ? 0 : clocked.back().time);
}

}  // namespace lunda
