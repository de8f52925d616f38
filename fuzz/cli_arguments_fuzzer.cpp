// lunda-cli's arguments, NUL-separated in the input, in-process on the example data. Commands
// that write files or drive a port go through the same parsers without being run.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <numeric>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/command.h"
#include "cli/patch_options.h"
#include "device/port_choice.h"
#include "fuzz/fuzz_check.h"

namespace {

using lunda::cli::CommandArgs;
using lunda::fuzz::Check;

constexpr std::size_t kMaxArgs = 16;
const std::filesystem::path kData = LUNDA_EXAMPLES_DATA;

std::vector<std::string> SplitArgs(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> args(1);
  for (std::size_t i = 0; i < size && args.size() <= kMaxArgs; ++i) {
    if (data[i] == '\0') {
      args.emplace_back();
    } else {
      args.back() += static_cast<char>(data[i]);
    }
  }
  if (args.size() > kMaxArgs) args.pop_back();
  return args;
}

// Each argument on its own through the value parsers: what they accept, they accept exactly.
void CheckValueParsers(const std::string& arg) {
  lunda::CalendarDate date;
  if (lunda::cli::ParseDate(arg, date)) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    Check(arg == text, "an accepted date is written as it reads");
  }
  lunda::cli::ParamSetting setting;
  std::string error;
  if (!lunda::cli::ParseSetting(arg, setting, error)) {
    Check(!error.empty(), "a refused setting says why");
  } else {
    const int limit =
        setting.field == lunda::cli::ParamSetting::Field::kDelay ? lunda::kDelayCount : 4;
    Check(setting.index >= 0 && setting.index < limit, "a setting names a real parameter");
  }
  lunda::PortChoice port;
  error.clear();
  if (!lunda::ParsePortChoice(arg, port, error)) {
    Check(!error.empty(), "a refused port says why");
  } else if (port.kind == lunda::PortChoice::Kind::kDirectIo) {
    Check(port.address != 0, "an I/O address is never 0");
  }
}

// image and write: the arguments read as the commands read them, then the patch they would send.
void ParseWithoutRunning(const std::string& command, CommandArgs args) {
  lunda::cli::PatchOptions options;
  std::string output, portText, vcd, indexText, error;
  const bool parsed =
      command == "image"
          ? lunda::cli::ParsePatchArguments(command, args, {{"--output", &output}}, options,
                                            indexText, error)
          : lunda::cli::ParsePatchArguments(command, args, {{"--port", &portText}, {"--vcd", &vcd}},
                                            options, indexText, error);
  Check(parsed == error.empty(), "a refusal says why");
  if (!parsed) return;
  lunda::PortChoice port;
  if (!portText.empty() && !lunda::ParsePortChoice(portText, port, error)) return;
  lunda::AlgorithmCatalogue catalogue;
  const lunda::CAlgorithm* algorithm =
      lunda::cli::PatchSelectedAlgorithm(kData, indexText, options, catalogue, error);
  if (!algorithm) {
    Check(!error.empty(), "a refused index or date says why");
    return;
  }
  const unsigned sum = std::accumulate(algorithm->image.begin(), algorithm->image.end(), 0u);
  Check(sum % 256 == 0, "the patched image adds up to 0");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> args = SplitArgs(data, size);
  for (const std::string& arg : args) CheckValueParsers(arg);
  const auto command = std::find_if(args.begin(), args.end(), [](const std::string& arg) {
    return arg == "image" || arg == "write" || arg == "decode";
  });
  if (command != args.end()) {
    if (*command != "decode") {
      const auto first = static_cast<std::size_t>(command - args.begin()) + 1;
      ParseWithoutRunning(*command, CommandArgs(args).subspan(first));
    }
    return 0;
  }
  // list, show, help and every mistake, on the example data unless the input names a folder.
  std::vector<std::string> full = {"--data", kData.string()};
  full.insert(full.end(), args.begin(), args.end());
  std::ostringstream out, err;
  const int code = lunda::cli::RunCli(full, out, err);
  Check(code == lunda::cli::kExitOk || !err.str().empty(), "a failure says why");
  return 0;
}
