// FtdiPort: choosing the adapter, its set-up, single values, and the measured stream.
#include "device/ftdi_port.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

namespace lunda {
namespace {

using Step = PortFault::Step;

// The rate is measured over the difference of two runs, so that the buffer's fill and the USB's
// latency, the same in both, drop out. The first run is a little over the buffer, so that its
// write has to wait for the chip; the second is 4096 samples (0.41 s) longer, long enough that a
// millisecond of jitter in the timing is 0.25 % of it.
constexpr std::size_t kFirstRunBeyondBuffer = 512;
constexpr std::size_t kRunDifference = 4096;

struct ChipFacts {
  FtdiChip chip;
  std::string_view name;
  bool holdsTime;
  std::size_t bufferSamples;
};

constexpr ChipFacts kChips[] = {
    {FtdiChip::kUnknown, "unknown FTDI", false, 128},
    {FtdiChip::kFt232Am, "FT232AM", false, 128},
    {FtdiChip::kFt232Bm, "FT232BM/FT245BM", false, 128},
    {FtdiChip::kFt2232C, "FT2232C/D", false, 128},
    {FtdiChip::kFt232R, "FT232R/FT245R", false, 128},
    {FtdiChip::kFt2232H, "FT2232H", true, 4096},
    {FtdiChip::kFt4232H, "FT4232H", true, 2048},
    {FtdiChip::kFt232H, "FT232H", true, 1024},
    {FtdiChip::kFtX, "FT-X (FT230X, FT231X, ...)", false, 512},
};

const ChipFacts& FactsOf(FtdiChip chip) {
  for (const ChipFacts& facts : kChips) {
    if (facts.chip == chip) return facts;
  }
  return kChips[0];
}

std::optional<std::size_t> FindAdapter(const std::vector<FtdiAdapter>& adapters,
                                       std::string_view selector) {
  if (selector.empty()) {
    // A busy adapter hides its chip; it may be the one meant, and opening it says it is busy.
    const auto found = std::find_if(adapters.begin(), adapters.end(), [](const FtdiAdapter& a) {
      return FtdiChipHoldsTime(a.chip) || a.busy;
    });
    // With none that can, the first is named in the refusal.
    if (found != adapters.end()) return static_cast<std::size_t>(found - adapters.begin());
    return adapters.empty() ? std::nullopt : std::optional<std::size_t>(0);
  }
  std::size_t index = 0;
  const char* end = selector.data() + selector.size();
  if (const auto [ptr, ec] = std::from_chars(selector.data(), end, index);
      ec == std::errc() && ptr == end) {
    return index < adapters.size() ? std::optional(index) : std::nullopt;
  }
  const auto found = std::find_if(adapters.begin(), adapters.end(),
                                  [&](const FtdiAdapter& a) { return a.serial == selector; });
  if (found == adapters.end()) return std::nullopt;
  return static_cast<std::size_t>(found - adapters.begin());
}

}  // namespace

std::string_view FtdiChipName(FtdiChip chip) { return FactsOf(chip).name; }

bool FtdiChipHoldsTime(FtdiChip chip) { return FactsOf(chip).holdsTime; }

std::size_t FtdiBufferSamples(FtdiChip chip) { return FactsOf(chip).bufferSamples; }

std::unique_ptr<FtdiPort> FtdiPort::Open(FtdiLibrary& library, std::string_view selector,
                                         const std::string& port, Clock& clock, PortFault& fault) {
  std::vector<FtdiAdapter> adapters;
  FtdiStatus status = library.List(adapters);
  if (!status.Ok()) {
    fault = {Step::kAdapterOpen, port, status.code, status.text};
    return nullptr;
  }
  const std::optional<std::size_t> position = FindAdapter(adapters, selector);
  if (!position) {
    fault = {Step::kAdapterOpen, port, ENOENT, "no such adapter"};
    return nullptr;
  }
  const FtdiChip chip = adapters[*position].chip;
  if (adapters[*position].busy) {
    fault = {Step::kAdapterOpen, port, EBUSY, "open in another program"};
    return nullptr;
  }
  if (!FtdiChipHoldsTime(chip)) {
    fault = {Step::kAdapterChip, port, EINVAL, std::string(FtdiChipName(chip))};
    return nullptr;
  }
  std::unique_ptr<FtdiDevice> device = library.Open(*position, status);
  if (!device) {
    fault = {Step::kAdapterOpen, port, status.code, status.text};
    return nullptr;
  }
  // The rate first: a change of rate would also apply to samples already in the chip's buffer.
  status = device->SetDivisor(kFtdiDivisor);
  if (status.Ok()) status = device->SetBitBang(0xFF);
  const std::uint8_t rest = kPortRestLevel;
  if (status.Ok()) status = device->Write({&rest, 1});
  if (!status.Ok()) {
    fault = {Step::kAdapterSetup, port, status.code, status.text};
    return nullptr;
  }
  return std::unique_ptr<FtdiPort>(new FtdiPort(std::move(device), chip, port, clock));
}

void FtdiPort::Failed(PortFault::Step step, const FtdiStatus& status) {
  if (!fault) fault = PortFault{step, port, status.code, status.text};
}

void FtdiPort::Write(std::uint8_t value) { static_cast<void>(SendSamples({&value, 1})); }

std::uint8_t FtdiPort::Read() {
  // A sample written last is on the pins within one period, a tenth of this.
  clock.Sleep(std::chrono::milliseconds(1));
  std::uint8_t pins = 0;
  if (const FtdiStatus status = device->ReadPins(pins); !status.Ok()) {
    Failed(Step::kAdapterRead, status);
  }
  return pins;
}

std::chrono::milliseconds FtdiPort::DrainTime() const {
  // Half as long again, should the chip be slower than asked: the measurement then still starts
  // from an empty buffer and finds it out.
  const std::int64_t samples = static_cast<std::int64_t>(FtdiBufferSamples(chip)) * 3 / 2;
  const std::int64_t millis =
      samples * 1000 * kFtdiSampleRate.denominator / kFtdiSampleRate.numerator + 1;
  return std::chrono::milliseconds(millis);
}

std::int64_t FtdiPort::TimeIdleRun(std::size_t count) {
  const std::vector<std::uint8_t> idle(count, level);
  clock.Sleep(DrainTime());  // from an empty buffer
  const std::int64_t start = clock.Now();
  if (!SendSamples(idle)) return -1;
  return clock.Now() - start;
}

bool FtdiPort::BeginStream() {
  const std::size_t first = FtdiBufferSamples(chip) + kFirstRunBeyondBuffer;
  const std::int64_t shorter = TimeIdleRun(first);
  const std::int64_t longer = shorter < 0 ? -1 : TimeIdleRun(first + kRunDifference);
  if (shorter < 0 || longer < 0) return false;
  const double asked = static_cast<double>(kFtdiSampleRate.numerator) /
                       static_cast<double>(kFtdiSampleRate.denominator);
  const double measured = longer > shorter ? static_cast<double>(kRunDifference) *
                                                 static_cast<double>(clock.Frequency()) /
                                                 static_cast<double>(longer - shorter)
                                           : HUGE_VAL;
  if (std::abs(measured / asked - 1) <= kFtdiRateTolerance) return true;
  char text[32] = "?";
  if (std::isfinite(measured)) std::snprintf(text, sizeof text, "%.0f", measured);
  Failed(Step::kAdapterRate, {EIO, text});
  return false;
}

bool FtdiPort::SendSamples(std::span<const std::uint8_t> samples) {
  if (samples.empty()) return true;
  if (const FtdiStatus status = device->Write(samples); !status.Ok()) {
    Failed(Step::kAdapterWrite, status);
    return false;
  }
  level = samples.back();
  return true;
}

void FtdiPort::EndStream() { clock.Sleep(DrainTime()); }

}  // namespace lunda
