// Button texts from the string table and the Russian tab texts over the page captions.
#include "gui/params/app_prop_sheet.h"

#include <string>

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

}  // namespace

bool CAppPropSheet::OnInitDialog() {
  const bool result = CPropertySheet::OnInitDialog();
  for (const ButtonText& b : kButtonTexts) {
    const std::string text = LoadString(b.stringId);
    if (!text.empty() && HasDlgItem(b.controlId)) SetDlgItemText(b.controlId, text);
  }
  // The page templates carry English captions ("Common", "Channel 1" for all three channels).
  SetTabText(0, LoadString(ids::strings::kTabCommon));
  for (int i = 1; i < GetPageCount(); ++i) {
    SetTabText(i, FormatString(LoadString(ids::strings::kTabChannel), {std::to_string(i)}));
  }
  return result;
}

}  // namespace lunda
