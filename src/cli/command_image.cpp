// lunda-cli image: the patched image of one algorithm, written to a file.
#include <string>

#include "cli/atomic_file.h"
#include "cli/commands.h"
#include "cli/patch_options.h"

namespace lunda::cli {
namespace {

int RunImage(const CommandContext& context, CommandArgs args) {
  PatchOptions options;
  std::string output;
  std::string indexText;
  std::string error;
  if (!ParsePatchArguments("image", args, {{"--output", &output}}, options, indexText, error)) {
    return Fail(context, kExitUsage, error);
  }
  if (output.empty()) return Fail(context, kExitUsage, "image: --output is missing");

  AlgorithmCatalogue catalogue;
  CAlgorithm* algorithm =
      PatchSelectedAlgorithm(context.dataDir, indexText, options, catalogue, error);
  if (!algorithm) return Fail(context, kExitUsage, error);
  if (!WriteFileAtomically(output, {algorithm->image.data(), algorithm->imageSize}, error)) {
    return Fail(context, kExitFailure, error);
  }
  return kExitOk;
}

}  // namespace

const Command kImageCommand{
    "image",
    "image INDEX --date YYYY-MM-DD [--set NAME=VALUE]... --output FILE\n"
    "Writes the 5120-byte image of the algorithm at INDEX (0 = first of list) as a write\n"
    "would send it: date, number, parameters and checksum patched in. --set changes a\n"
    "default first:\n"
    "  threshold1..threshold4=VOLTS  0 to 5, snapped up to the next code step\n"
    "  start-delay=SECONDS           0 to 255\n"
    "  sensor-current=0|1            0 direct, 1 alternating\n"
    "  T1..T36=VALUE UNIT            0 to 63 and s, m, h or d, e.g. T5=45m\n"
    "FILE is written whole or not at all.",
    &RunImage};

}  // namespace lunda::cli
