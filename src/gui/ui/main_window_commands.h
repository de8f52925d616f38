// What the main window's commands run on the selected algorithm, supplied by the application
// so that the window itself knows neither the parameter sheet nor the port.
#pragma once

#include <functional>

namespace lunda {

class CAlgorithm;
class CDialog;

struct MainWindowCommands {
  // "Параметры" and a double click: runs the parameter sheet modally over owner.
  std::function<void(CAlgorithm&, CDialog& owner)> editParameters;
  // "Запись", the OK command: the whole write sequence.
  std::function<void(CAlgorithm&, CDialog& owner)> write;
};

}  // namespace lunda
