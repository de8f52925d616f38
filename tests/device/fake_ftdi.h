// FTDI adapters for tests, behind the FtdiLibrary seam: the stand-in D2XX library's one chip, an
// FtdiChipModel on a FakeClock that drains at the rate its divisor sets, which can be missing,
// busy, of a refused chip, clock off its rate, time out or be unplugged on the way, and which
// counts how often it is open. It is reached through lunda's own D2XX code: linked in natively,
// and on Windows as the stand-in ftd2xx.dll through LoadLibrary and the WINAPI calls.
#pragma once

#include <algorithm>
#include <optional>
#include <vector>

#include "device/bit_stream_decoder.h"
#include "device/ftdi_port.h"
#include "device/lpt_transmitter.h"
#include "platform/ftdi.h"
#include "platform/ftdi_d2xx.h"
#include "tests/device/fake_clock.h"
#include "tests/device/ftdi_chip_model.h"
#include "tests/ftd2xx_standin/ftd2xx_standin.h"

namespace lunda {

// Hands the stand-in its setup, on the test's clock, before each call, and reads it back.
class FakeFtdi final : public FtdiLibrary {
 public:
  explicit FakeFtdi(FakeClock& clock) : clock(clock) {}

  // One FT232H, as FTDI's D2XX reports it, until a test says otherwise.
  StandInSetup setup;

  FtdiStatus List(std::vector<FtdiAdapter>& list) override {
    SetUp();
    return Library().List(list);
  }
  std::unique_ptr<FtdiDevice> Open(std::size_t position, FtdiStatus& status) override {
    SetUp();
    return Library().Open(position, status);
  }

  [[nodiscard]] int OpenCount() const { return StandInOpenCount(); }
  [[nodiscard]] std::vector<ClockedSample> Clocked() const {
    std::vector<ClockedSample> samples(StandInClocked(nullptr, 0));
    StandInClocked(samples.data(), samples.size());
    return samples;
  }

 private:
  static FtdiLibrary& Library() {
#ifdef _WIN32
    return SystemFtdi();  // lunda's own loader, which finds the stand-in DLL beside the test
#else
    static const std::unique_ptr<FtdiLibrary> linked = MakeD2xxLibrary(LinkStandIn);
    return *linked;
#endif
  }

  void SetUp() {
    setup.frequency = clock.Frequency();
    setup.clock = &clock;
    setup.now = [](void* fake) { return static_cast<FakeClock*>(fake)->Peek(); };
    setup.sleepUntil = [](void* fake, std::int64_t deadline) {
      static_cast<FakeClock*>(fake)->SleepUntil(deadline);
    };
    StandInSetUp(&setup);
  }

  FakeClock& clock;
};

// The values the chip clocked out from the first with D7 high to the last: the transmission.
inline std::vector<std::uint8_t> ClockedStream(const std::vector<ClockedSample>& clocked) {
  std::vector<std::uint8_t> stream;
  for (const ClockedSample& sample : clocked) stream.push_back(sample.value);
  const auto framed = [](std::uint8_t value) { return (value & kFrameBit) != 0; };
  stream.erase(std::find_if(stream.rbegin(), stream.rend(), framed).base(), stream.end());
  stream.erase(stream.begin(), std::find_if(stream.begin(), stream.end(), framed));
  return stream;
}

// The bit table written out sample by sample, one sample a T, independently of the code that
// builds the stream: every step exactly its number of T.
inline std::vector<std::uint8_t> ExpectedStream(const std::vector<std::uint8_t>& image) {
  std::vector<std::uint8_t> samples;
  for (std::size_t i = 0; i < image.size(); ++i) {
    for (int bit = 0; bit < 8; ++bit) {
      const auto data = static_cast<std::uint8_t>(((image[i] >> bit) & 1) << 1);
      samples.insert(samples.end(), {static_cast<std::uint8_t>(0x81 | data),
                                     static_cast<std::uint8_t>(0x80 | data), 0x81, 0x81});
    }
    if ((i + 1) % 32 == 0) samples.insert(samples.end(), 700, 0x81);
  }
  samples.insert(samples.end(), 1000, 0x81);  // the final 100 ms
  return samples;
}

// What a controller on the chip's pins makes of every sample it clocked out.
inline TransferReport DecodeClocked(const std::vector<ClockedSample>& clocked,
                                    std::int64_t frequency) {
  BitStreamDecoder decoder(frequency, TimeUnitTicks(frequency));
  for (const ClockedSample& sample : clocked) decoder.Feed(sample.time, sample.value);
  return decoder.Result(clocked.empty() ? 0 : clocked.back().time);
}

}  // namespace lunda
