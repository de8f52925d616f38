// Reading an image's content back out of received bytes, and the report for people.
#include "device/transfer_report.h"

#include <algorithm>
#include <cstdio>
#include <numeric>

#include "algorithm/algorithm.h"
#include "algorithm/delay_codec.h"
#include "algorithm/volts.h"
#include "algorithm/volts_text.h"

namespace lunda {
namespace {

std::optional<int> FromBcd(std::uint8_t byte) {
  if ((byte >> 4) > 9 || (byte & 0x0F) > 9) return std::nullopt;
  return (byte >> 4) * 10 + (byte & 0x0F);
}

std::optional<CalendarDate> ReadDate(const std::vector<std::uint8_t>& bytes) {
  if (bytes.size() <= kYearOffset) return std::nullopt;
  const auto day = FromBcd(bytes[kDayOffset]);
  const auto month = FromBcd(bytes[kMonthOffset]);
  const auto year = FromBcd(bytes[kYearOffset]);
  if (!day || !month || !year) return std::nullopt;
  // Two digits of the year name one year of the writable century.
  const int century = *year >= kFirstWritableDate.year % 100 ? 1900 : 2000;
  const CalendarDate date{century + *year, *month, *day};
  if (!IsWritableDate(date)) return std::nullopt;
  return date;
}

std::string Printf(const char* format, auto... args) {
  char buffer[160];
  std::snprintf(buffer, sizeof buffer, format, args...);
  return buffer;
}

double Micros(const TransferReport& report, std::int64_t ticks) {
  return report.frequency > 0
             ? static_cast<double>(ticks) * 1e6 / static_cast<double>(report.frequency)
             : 0.0;
}

const char* StepName(TransferStep step) {
  switch (step) {
    case TransferStep::kSetup:
      return "data set-up";
    case TransferStep::kClockLow:
      return "clock low";
    case TransferStep::kRest:
      return "rest";
    case TransferStep::kBlockPause:
      return "block pause";
  }
  return "";
}

std::string ParamsText(const AlgorithmParams& params) {
  static constexpr const char* kUnits[] = {"s", "min", "h", "d"};
  std::string text = "Thresholds:";
  for (const std::uint8_t code : params.thresholds)
    text += Printf(" %s V (%u)", FormatVolts(CodeToVolts(code)).c_str(), unsigned{code});
  text += Printf("\nStart-up delay: %u s\n", unsigned{params.startDelay});
  text += Printf("Sensor current: %s\n", params.sensorCurrent == 0   ? "direct"
                                         : params.sensorCurrent == 1 ? "alternating"
                                                                     : "invalid");
  for (int channel = 0; channel < kChannelCount; ++channel) {
    text += Printf("Channel %d delays:", channel + 1);
    for (int j = 0; j < kDelaysPerChannel; ++j) {
      int value = 0;
      int unit = 0;
      DecodeDelay(params.delays[static_cast<std::size_t>(channel * kDelaysPerChannel + j)], value,
                  unit);
      text += Printf(" %d %s", value, kUnits[unit]);
    }
    text += "\n";
  }
  return text;
}

}  // namespace

CarriedContent ReadCarriedContent(const std::vector<std::uint8_t>& bytes) {
  CAlgorithm algorithm;
  std::copy_n(bytes.begin(), std::min(bytes.size(), algorithm.image.size()),
              algorithm.image.begin());
  algorithm.ExtractParams();
  CarriedContent content;
  content.date = ReadDate(bytes);
  content.number = bytes.size() > kNumberOffset ? bytes[kNumberOffset] : 0;
  content.params = algorithm.current;
  return content;
}

bool ChecksumAddsUp(const std::vector<std::uint8_t>& bytes) {
  return !bytes.empty() && std::accumulate(bytes.begin(), bytes.end(), 0u) % 256 == 0;
}

bool IsGoodTransfer(const TransferReport& report) {
  return report.bytes.size() == kImageSize && ChecksumAddsUp(report.bytes) &&
         ReadCarriedContent(report.bytes).date.has_value() && report.strayBits == 0 &&
         report.violationCount == 0;
}

std::string FormatTransferReport(const TransferReport& report) {
  const std::vector<std::uint8_t>& bytes = report.bytes;
  std::string text = Printf("Received %zu bytes (an image has %u)", bytes.size(), kImageSize);
  text += report.strayBits != 0 ? Printf(" and %d stray bits.\n", report.strayBits) : ".\n";
  const unsigned sum = std::accumulate(bytes.begin(), bytes.end(), 0u) % 256;
  text += sum == 0 && !bytes.empty()
              ? "Checksum: the bytes add up to 0 modulo 256.\n"
              : Printf("Checksum: wrong, the bytes add up to %u modulo 256.\n", sum);
  if (bytes.size() > kNumberOffset) {
    const CarriedContent content = ReadCarriedContent(bytes);
    text += content.date ? Printf("Date: %04d-%02d-%02d\n", content.date->year, content.date->month,
                                  content.date->day)
                         : Printf("Date: invalid (bytes %02X %02X %02X)\n", bytes[kDayOffset],
                                  bytes[kMonthOffset], bytes[kYearOffset]);
    text += Printf("Number: %u\n", unsigned{content.number});
    text += ParamsText(content.params);
  }
  text += Printf("Timing: T = %lld ticks (%.3f us)", static_cast<long long>(report.unit),
                 Micros(report, report.unit));
  if (report.stepsTimed > 0)
    text += Printf(", shortest step %.3f of its nominal length", report.shortestStepRatio);
  text += Printf(", %u block pauses", report.blockPauses);
  if (report.shortestBlockPause)
    text += Printf(", the shortest %.3f ms", Micros(report, *report.shortestBlockPause) / 1000);
  text += ".\n";
  if (report.violationCount > 0) {
    text +=
        Printf("Steps too short: %llu\n", static_cast<unsigned long long>(report.violationCount));
    for (const TimingViolation& v : report.violations) {
      text +=
          Printf("  byte %llu bit %d: %s lasted %.3f us of %.3f us\n",
                 static_cast<unsigned long long>(v.bitIndex / 8), static_cast<int>(v.bitIndex % 8),
                 StepName(v.step), Micros(report, v.measured), Micros(report, v.nominal));
    }
  }
  text += IsGoodTransfer(report) ? "Verdict: good, the controller would accept this image.\n"
                                 : "Verdict: bad, the controller would not get a valid image.\n";
  return text;
}

}  // namespace lunda
