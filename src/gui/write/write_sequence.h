// "Запись": the date, the instructions, the patch and the transmission with its progress dialog.
#pragma once

#include <functional>
#include <string_view>

namespace lunda {

class CAlgorithm;
class CDialog;
class Clock;
class Port;
class Scheduler;
class SimulatedController;

struct WriteEnvironment {
  Port& port;            // the port chosen at start-up, recorded when a waveform file was asked for
  Clock& clock;          // the high-resolution counter the transmitter and the waits use
  Scheduler& scheduler;  // raises the transmit thread for the length of the transmission
  // Set when the port is the simulated controller: its verdict, with the scheduling the transmit
  // thread got, is reported after each write, since the window shows no message.
  SimulatedController* simulator = nullptr;
};

// Runs the whole sequence modally over owner; returns when the port is back at rest.
void RunWriteSequence(const WriteEnvironment& environment, CAlgorithm& algorithm, CDialog* owner);

}  // namespace lunda
