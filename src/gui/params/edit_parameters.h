// The parameter sheet over one algorithm, as the main window's "Параметры" runs it.
#pragma once

#include <memory>

#include "gui/params/app_prop_sheet.h"
#include "gui/params/page_help.h"

class QWidget;

namespace lunda {

class CAlgorithm;

// Runs CAppPropSheet with the pages "Общие" and "Канал 1".."Канал 3" modally over owner.
// OK and "&Применить" write the pages into algorithm.current; nothing else is changed.
// Help on any page calls showHelp with kParameterPageHelpContext.
void EditParameters(CAlgorithm& algorithm, QWidget* owner, ShowHelpFunction showHelp = {});

// The same sheet, built but not run (EditParameters runs it; pictures show it). Its four pages
// are deleted with it.
[[nodiscard]] std::unique_ptr<CAppPropSheet> CreateParameterSheet(CAlgorithm& algorithm,
                                                                  QWidget* owner,
                                                                  ShowHelpFunction showHelp = {});

}  // namespace lunda
