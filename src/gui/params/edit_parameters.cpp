// Building and running the parameter sheet over one algorithm.
#include "gui/params/edit_parameters.h"

#include "algorithm/algorithm.h"
#include "algorithm/cp1251.h"
#include "algorithm/format_list_item.h"
#include "gui/params/channel_page.h"
#include "gui/params/common_page.h"

namespace lunda {

ParameterSheet CreateParameterSheet(CAlgorithm& algorithm, CDialog* owner,
                                    ShowHelpFunction showHelp) {
  ParameterSheet result;
  // The whole row text, however long: a window caption has no 255-character limit to cut to.
  result.sheet = std::make_unique<CAppPropSheet>(Cp1251ToUtf8(FormatListItem(algorithm)), owner);
  result.pages.push_back(std::make_unique<CCommonPage>(algorithm, showHelp));
  for (int c = 0; c < kChannelCount; ++c) {
    result.pages.push_back(
        std::make_unique<CChannelPage>(algorithm, c * kDelaysPerChannel, showHelp));
  }
  for (const auto& page : result.pages) result.sheet->AddPage(page.get());
  return result;
}

void EditParameters(CAlgorithm& algorithm, CDialog* owner, ShowHelpFunction showHelp) {
  // OK, Cancel and the close box all end here alike: what was applied is already in current.
  const ParameterSheet parameters = CreateParameterSheet(algorithm, owner, std::move(showHelp));
  parameters.sheet->DoModal();
}

}  // namespace lunda
