// What the main window's commands run on the selected algorithm, supplied by the application
// so that the window itself knows neither the parameter sheet nor the port.
#pragma once

#include <functional>

class QWidget;

namespace lunda {

class CAlgorithm;

struct MainWindowCommands {
  // "Параметры" and a double click: runs the parameter sheet modally over owner.
  std::function<void(CAlgorithm&, QWidget* owner)> editParameters;
  // "Запись", the OK command: the whole write sequence.
  std::function<void(CAlgorithm&, QWidget* owner)> write;
};

}  // namespace lunda
