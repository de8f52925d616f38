// The parameter sheet over one algorithm, as the main window's "Параметры" runs it.
#pragma once

#include <memory>
#include <vector>

#include "gui/framework/property_page.h"
#include "gui/params/app_prop_sheet.h"
#include "gui/params/page_help.h"

namespace lunda {

class CAlgorithm;

// The sheet with the pages "Общие" and "Канал 1".."Канал 3", which it owns as the main window's
// handler owns them: they outlive its run and die with it.
struct ParameterSheet {
  std::vector<std::unique_ptr<CPropertyPage>> pages;
  std::unique_ptr<CAppPropSheet> sheet;
};

// Builds the sheet over algorithm, not yet run (EditParameters runs it; pictures show it).
[[nodiscard]] ParameterSheet CreateParameterSheet(CAlgorithm& algorithm, CDialog* owner,
                                                  ShowHelpFunction showHelp = {});

// Runs the sheet modally over owner. OK and "&Применить" write the pages into
// algorithm.current; nothing else is changed. Help on any page calls showHelp with
// kParameterPageHelpContext.
void EditParameters(CAlgorithm& algorithm, CDialog* owner, ShowHelpFunction showHelp = {});

}  // namespace lunda
