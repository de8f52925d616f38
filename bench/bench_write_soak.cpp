// A thousand writes in a row through the real progress dialog, received by the simulated
// controller on the fake clock: how many arrived whole, and the process's memory, threads and
// descriptors after 10 and after all of them. Usage: bench_write_soak [WRITES]
#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "bench/write_soak.h"

namespace {

void Print(int writes, int good, const lunda::test::ProcessFigures& figures, double seconds) {
  std::printf(
      "%6d writes  %6d whole  peak RSS %7ld kB  RSS %7ld kB  %2ld threads  %3ld fds  %6.1f s\n",
      writes, good, figures.peakResidentKb, figures.residentKb, figures.threads,
      figures.descriptors, seconds);
}

}  // namespace

int main(int argc, char** argv) {
  const int total = argc > 1 ? std::atoi(argv[1]) : 1000;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  lunda::CAlgorithm algorithm;
  if (!algorithm.Load(LUNDA_EXAMPLES_DATA "/fire.cfg", LUNDA_EXAMPLES_DATA)) {
    std::fprintf(stderr, "cannot load the example algorithm\n");
    return 1;
  }
  lunda::test::WriteSoak soak(algorithm);
  const auto start = std::chrono::steady_clock::now();
  Print(0, 0, lunda::test::ReadProcessFigures(), 0);
  int good = 0;
  for (int write = 1; write <= total; ++write) {
    good += soak.WriteOnce();
    if (write == 10 || write == total) {
      const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
      Print(write, good, lunda::test::ReadProcessFigures(), elapsed.count());
    }
  }
  return good == total ? 0 : 1;
}
