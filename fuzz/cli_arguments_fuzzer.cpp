// lunda-cli's arguments, NUL-separated in the input, in-process on the example data. image and
// write, which would write files or drive a port, go through their parsers without being run.
#include <algorithm>
#include <numeric>
#include <sstream>

#include "cli/cli.h"
#include "cli/patch_options.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> args = {"--data", LUNDA_EXAMPLES_DATA};
  std::istringstream input(std::string(reinterpret_cast<const char*>(data), size));
  for (std::string arg; args.size() < 18 && std::getline(input, arg, '\0');) args.push_back(arg);
  const auto command = std::find_if(args.begin() + 2, args.end(), [](const std::string& arg) {
    return arg == "image" || arg == "write" || arg == "decode";
  });
  std::string output, port, vcd, indexText, error;
  if (command == args.end()) {
    // list, show, help and every mistake, on the example data unless the input names a folder.
    std::ostringstream out;
    const int code = lunda::cli::RunCli(args, out, out);
    Check(code == lunda::cli::kExitOk || out.str().find("lunda-cli: ") != std::string::npos,
          "a failure says why");
    return 0;
  }
  lunda::cli::PatchOptions options;
  if (*command == "decode" ||
      !lunda::cli::ParsePatchArguments(
          *command, lunda::cli::CommandArgs(args).subspan(command - args.begin() + 1),
          {{"--output", &output}, {"--port", &port}, {"--vcd", &vcd}}, options, indexText, error)) {
    return 0;
  }
  for (const lunda::cli::ParamSetting& setting : options.settings) {
    const bool delay = setting.field == lunda::cli::ParamSetting::Field::kDelay;
    Check(setting.index >= 0 && setting.index < (delay ? lunda::kDelayCount : 4), "a real one");
  }
  lunda::AlgorithmCatalogue catalogue;
  const lunda::CAlgorithm* algorithm =
      lunda::cli::PatchSelectedAlgorithm(args[1], indexText, options, catalogue, error);
  Check(algorithm || !error.empty(), "a refused index or date says why");
  const unsigned sum =
      algorithm ? std::accumulate(algorithm->image.begin(), algorithm->image.end(), 0u) : 0;
  Check(sum % 256 == 0, "the patched image adds up to 0");
  return 0;
}
