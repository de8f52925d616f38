// The parameter sheet over one algorithm, as the main window's "Параметры" runs it.
#pragma once

class QWidget;

namespace lunda {

class CAlgorithm;

// Runs CAppPropSheet with the pages "Общие" and "Канал 1".."Канал 3" modally over owner.
// OK and "&Применить" write the pages into algorithm.current; nothing else is changed.
void EditParameters(CAlgorithm& algorithm, QWidget* owner);

}  // namespace lunda
