// Button texts from the string table and the Russian tab texts over the page captions.
#include "gui/params/app_prop_sheet.h"

#include <algorithm>
#include <iterator>

#include "gui/framework/resources.h"

namespace lunda {
namespace {

struct ButtonText {
  int controlId;
  int stringId;
};
constexpr ButtonText kButtonTexts[] = {{kIdOk, ids::strings::kSheetOk},
                                       {kIdCancel, ids::strings::kSheetCancel},
                                       {kIdHelp, ids::strings::kSheetHelp},
                                       {kIdApplyNow, ids::strings::kSheetApply}};

// The page templates carry English captions ("Common", "Channel 1" for all three channels).
constexpr const char* kTabTexts[] = {"Общие", "Канал 1", "Канал 2", "Канал 3"};

}  // namespace

bool CAppPropSheet::OnInitDialog() {
  const bool result = CPropertySheet::OnInitDialog();
  for (const ButtonText& b : kButtonTexts) {
    const std::string text = LoadString(b.stringId);
    if (!text.empty() && HasDlgItem(b.controlId)) SetDlgItemText(b.controlId, text);
  }
  const int count = std::min(GetPageCount(), static_cast<int>(std::size(kTabTexts)));
  for (int i = 0; i < count; ++i) SetTabText(i, kTabTexts[i]);
  return result;
}

}  // namespace lunda
