// lunda-cli decode: what a controller would have read from a recorded waveform.
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "cli/atomic_file.h"
#include "cli/commands.h"
#include "device/bit_stream_decoder.h"
#include "device/vcd_reader.h"

namespace lunda::cli {
namespace {

constexpr std::int64_t kNanosPerSecond = 1'000'000'000;
constexpr std::int64_t kNominalUnitNanos = 100'000;  // T of a counter with a whole-100-us unit

nlohmann::json ReportJson(const TransferReport& report) {
  const CarriedContent content = ReadCarriedContent(report.bytes);
  nlohmann::json json = {
      {"bytes", report.bytes.size()},
      {"strayBits", report.strayBits},
      {"checksumOk", ChecksumAddsUp(report.bytes)},
      {"number", content.number},
      {"thresholds", content.params.thresholds},
      {"startDelay", content.params.startDelay},
      {"sensorCurrent", content.params.sensorCurrent},
      {"delays", content.params.delays},
      {"unitNs", report.unit},
      {"blockPauses", report.blockPauses},
      {"tooShortSteps", report.violationCount},
      {"good", IsGoodTransfer(report)},
  };
  json["date"] = nullptr;
  if (content.date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", content.date->year, content.date->month,
                  content.date->day);
    json["date"] = text;
  }
  json["shortestStepRatio"] =
      report.stepsTimed > 0 ? nlohmann::json(report.shortestStepRatio) : nlohmann::json(nullptr);
  json["shortestBlockPauseNs"] =
      report.shortestBlockPause ? nlohmann::json(*report.shortestBlockPause) : nullptr;
  return json;
}

int RunDecode(const CommandContext& context, CommandArgs args) {
  std::string input;
  std::string output;
  bool json = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const OptionMatch match = MatchOption(args, i, "--output", output);
    if (match == OptionMatch::kMissingValue)
      return Fail(context, kExitUsage, "--output needs a file");
    if (match == OptionMatch::kYes) continue;
    if (args[i] == "--json") {
      json = true;
      continue;
    }
    if (args[i].starts_with("--") || !input.empty())
      return Fail(context, kExitUsage, "decode: unexpected argument '" + args[i] + "'");
    input = args[i];
  }
  if (input.empty()) return Fail(context, kExitUsage, "decode: the waveform file is missing");

  Waveform waveform;
  std::string error;
  if (!ReadVcdFile(input, waveform, error)) return Fail(context, kExitUsage, error);
  // Without the recorder's note of T, assume a counter whose unit is exactly 100 us.
  BitStreamDecoder decoder(kNanosPerSecond, waveform.unitNanos.value_or(kNominalUnitNanos));
  for (const PortSample& sample : waveform.samples) decoder.Feed(sample.time, sample.value);
  const TransferReport report = decoder.Result(waveform.endTime);

  if (!output.empty() && !WriteFileAtomically(output, report.bytes, error))
    return Fail(context, kExitFailure, error);
  if (json) {
    context.out << ReportJson(report).dump(2) << '\n';
  } else {
    context.out << FormatTransferReport(report);
  }
  return IsGoodTransfer(report) ? kExitOk : kExitFailure;
}

}  // namespace

const Command kDecodeCommand{
    "decode",
    "decode FILE.vcd [--output FILE] [--json]\n"
    "  Reads a recorded waveform as the controller would: the bytes, their checksum, the date,\n"
    "  number and parameters they carry, and the shortest steps. Exit 1 when the controller\n"
    "  would not have got a valid image.\n"
    "  --output FILE   also writes the decoded bytes\n"
    "  --json          the report as JSON",
    RunDecode};

}  // namespace lunda::cli
