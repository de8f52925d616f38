// Building and running the parameter sheet over one algorithm.
#include "gui/params/edit_parameters.h"

#include "algorithm/algorithm.h"
#include "algorithm/cp1251.h"
#include "algorithm/format_list_item.h"
#include "gui/params/channel_page.h"
#include "gui/params/common_page.h"

namespace lunda {

std::unique_ptr<CAppPropSheet> CreateParameterSheet(CAlgorithm& algorithm, QWidget* owner,
                                                    ShowHelpFunction showHelp) {
  // The whole row text, however long: a window caption has no 255-character limit to cut to.
  const QString caption = QString::fromStdString(Cp1251ToUtf8(FormatListItem(algorithm)));
  auto sheet = std::make_unique<CAppPropSheet>(caption, owner);
  std::vector<CPropertyPage*> pages{new CCommonPage(algorithm, showHelp)};
  for (int c = 0; c < kChannelCount; ++c) {
    pages.push_back(new CChannelPage(algorithm, c * kDelaysPerChannel, showHelp));
  }
  for (CPropertyPage* page : pages) sheet->AddPage(page);
  // The sheet only refers to its pages; they go once it is gone, when nothing can reach them.
  QObject::connect(sheet.get(), &QObject::destroyed, [pages] {
    for (CPropertyPage* page : pages) delete page;
  });
  return sheet;
}

void EditParameters(CAlgorithm& algorithm, QWidget* owner, ShowHelpFunction showHelp) {
  // OK, Cancel and the close box all end here alike: what was applied is already in current.
  CreateParameterSheet(algorithm, owner, std::move(showHelp))->DoModal();
}

}  // namespace lunda
