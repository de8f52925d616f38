// Installs and removes the port driver by turns, ROUNDS times (0: until killed), on a driver
// folder on disk: the WinIo.cnt rewrite of /i and /u, for the crash-safety test to kill midway.
// Usage: registration_writer COMMON_FILES_FOLDER ROUNDS
#include <cstdlib>
#include <iostream>
#include <string>

#include "device/port_driver.h"
#include "disk_driver_os.h"

namespace {

class StderrReporter final : public lunda::ErrorReporter {
 public:
  void ShowError(std::string_view text) override { std::cerr << text << '\n'; }
  void ShowInfo(std::string_view) override {}
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: registration_writer COMMON_FILES_FOLDER ROUNDS\n";
    return 2;
  }
  lunda::DiskDriverOs os(argv[1]);
  StderrReporter reporter;
  const long rounds = std::strtol(argv[2], nullptr, 10);
  for (long round = 0; rounds == 0 || round < rounds; ++round) {
    const bool done = round % 2 == 0 ? lunda::InstallPortDriver(os, reporter)
                                     : lunda::RemovePortDriver(os, reporter);
    if (!done) return 1;
  }
  return 0;
}
