// The channel delays page: rows of value, unit and purpose, disabled rows, apply.
#include "gui/params/channel_page.h"

#include "algorithm/algorithm.h"
#include "algorithm/cp1251.h"
#include "algorithm/delay_codec.h"
#include "gui/framework/data_exchange.h"
#include "gui/params/select_failed_field.h"
#include "res/ids.h"

namespace lunda {
namespace {

// Row j has value edit, unit list, purpose edit and label first + j.
namespace dlg = ids::channel_page;

bool IsRowControl(int id, int first) { return id >= first && id < first + kDelaysPerChannel; }

// Compared on the raw bytes of the description file, so a near miss (a trailing blank, another
// letter case) leaves the row editable.
bool IsUnusedPurpose(const std::string& purpose) {
  return purpose == NotUsedPurpose() || purpose == AlwaysZeroPurpose();
}

}  // namespace

CChannelPage::CChannelPage(CAlgorithm& algorithm, int firstDelay, ShowHelpFunction showHelp)
    : CPropertyPage(dlg::kTemplate),
      firstDelay(firstDelay),
      algorithm(&algorithm),
      showHelp(std::move(showHelp)) {
  for (int j = 0; j < kDelaysPerChannel; ++j) {
    int value = 0;
    DecodeDelay(algorithm.current.delays[firstDelay + j], value, units[j]);
    values[j] = static_cast<std::uint32_t>(value);
  }
}

void CChannelPage::DoDataExchange(DataExchange& dx) {
  for (int j = 0; j < kDelaysPerChannel; ++j) {
    DDX_Text(dx, dlg::kFirstValue + j, values[j]);
    DDV_MinMaxUInt(dx, values[j], 0, kMaxDelayValue);
    DDX_CBIndex(dx, dlg::kFirstUnit + j, units[j]);
  }
}

bool CChannelPage::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  for (int j = 0; j < kDelaysPerChannel; ++j) {
    const std::string& purpose = algorithm->purposes[firstDelay + j];
    SetDlgItemText(dlg::kFirstPurpose + j, Cp1251ToUtf8(purpose));
    if (IsUnusedPurpose(purpose)) {
      EnableDlgItem(dlg::kFirstValue + j, false);
      EnableDlgItem(dlg::kFirstUnit + j, false);
    }
    // Appended, not "T" + number: GCC 12 reports a false -Wrestrict for that when optimising.
    std::string label(1, 'T');
    label += std::to_string(firstDelay + j + 1);
    SetDlgItemText(dlg::kFirstLabel + j, label);
  }
  for (int j = 0; j < kDelaysPerChannel; ++j) {
    if (!HasDlgItem(dlg::kFirstValue + j) || !HasDlgItem(dlg::kFirstPurpose + j)) continue;
    const std::string tip = GetDlgItemText(dlg::kFirstPurpose + j);
    toolTips.AddTool(dlg::kFirstValue + j, tip);
    toolTips.AddTool(dlg::kFirstPurpose + j, tip);
  }
  return true;
}

void CChannelPage::OnControlFocusIn(int id) {
  if (IsRowControl(id, dlg::kFirstValue) || IsRowControl(id, dlg::kFirstUnit)) Reread();
}

void CChannelPage::OnHelp() {
  if (showHelp) showHelp(kParameterPageHelpContext);
}

void CChannelPage::Reread() {
  // A row that failed has had its prompt; showing the fields puts back what the page holds.
  const bool valid = UpdateData(true);
  UpdateData(false);
  if (!valid) SelectFailedField(*this);
  SetModified(DiffersFromCurrent());
}

bool CChannelPage::DiffersFromCurrent() const {
  for (int j = 0; j < kDelaysPerChannel; ++j) {
    if (EncodeDelay(static_cast<int>(values[j]), units[j]) !=
        algorithm->current.delays[firstDelay + j]) {
      return true;
    }
  }
  return false;
}

bool CChannelPage::OnApply() {
  for (int j = 0; j < kDelaysPerChannel; ++j) {
    algorithm->current.delays[firstDelay + j] = EncodeDelay(static_cast<int>(values[j]), units[j]);
  }
  SetModified(false);
  return true;
}

}  // namespace lunda
