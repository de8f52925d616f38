// The common parameters page: snapping typed volts to codes, spin steps, apply.
#include "gui/params/common_page.h"

#include <algorithm>

#include "algorithm/algorithm.h"
#include "algorithm/volts.h"
#include "algorithm/volts_text.h"
#include "gui/framework/data_exchange.h"
#include "gui/framework/up_down.h"
#include "gui/params/select_failed_field.h"
#include "res/ids.h"

namespace lunda {
namespace {

// Threshold i has edit, spin, binary field and label first + i.
namespace dlg = ids::common_page;

constexpr int kMaxCode = 255;

bool IsPageEdit(int id) {
  return (id >= dlg::kFirstThreshold && id < dlg::kFirstThreshold + kThresholdCount) ||
         id == dlg::kStartDelay;
}

}  // namespace

CCommonPage::CCommonPage(CAlgorithm& algorithm, ShowHelpFunction showHelp)
    : CPropertyPage(dlg::kTemplate), algorithm(&algorithm), showHelp(std::move(showHelp)) {
  const AlgorithmParams& current = algorithm.current;
  for (int i = 0; i < kThresholdCount; ++i) {
    codes[i] = current.thresholds[i];
    volts[i] = CodeToVolts(codes[i]);
  }
  startDelay = current.startDelay;
  sensorCurrent = current.sensorCurrent;
}

void CCommonPage::DoDataExchange(DataExchange& dx) {
  if (!dx.SaveAndValidate()) {
    // The binary code is taken before the cut to hundredths, so until the next Reread it may
    // show the code one above the one the shown volts stand for.
    for (int i = 0; i < kThresholdCount; ++i) {
      binaryTexts[i] = BinaryCodeText(VoltsToCode(volts[i]));
    }
  }
  for (int i = 0; i < kThresholdCount && !dx.Failed(); ++i) {
    // A field that fails to read keeps the cut value; the fields after it are left alone.
    volts[i] = TruncateToHundredths(volts[i]);
    DDX_Text(dx, dlg::kFirstThreshold + i, volts[i]);
  }
  DDX_Text(dx, dlg::kStartDelay, startDelay);
  DDX_Radio(dx, dlg::kDirectCurrent, sensorCurrent);
  for (int i = 0; i < kThresholdCount; ++i) DDX_Text(dx, dlg::kFirstBinaryCode + i, binaryTexts[i]);
}

bool CCommonPage::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  for (int i = 0; i <= kThresholdCount; ++i) {
    const bool delay = i == kThresholdCount;
    const int edit = delay ? dlg::kStartDelay : dlg::kFirstThreshold + i;
    const int label = delay ? dlg::kStartDelayLabel : dlg::kFirstThresholdLabel + i;
    if (HasDlgItem(label)) toolTips.AddTool(edit, GetDlgItemText(label));
  }
  for (int k = 0; k < kThresholdCount; ++k) {
    CUpDown spin(*this, dlg::kFirstSpin + k);
    spin.SetBuddy(dlg::kFirstThreshold + k);
    spin.SetRange(0, kMaxCode);
  }
  return true;
}

void CCommonPage::OnCommand(int id) {
  if (id == dlg::kDirectCurrent || id == dlg::kAlternatingCurrent) {
    Reread();
  } else {
    CPropertyPage::OnCommand(id);
  }
}

void CCommonPage::OnControlFocusIn(int id) {
  if (IsPageEdit(id)) Reread();
}

bool CCommonPage::OnDeltaPos(int id, int delta) {
  if (id >= dlg::kFirstSpin && id < dlg::kFirstSpin + kThresholdCount)
    StepThreshold(id - dlg::kFirstSpin, delta);
  return true;
}

void CCommonPage::OnHelp() {
  if (showHelp) showHelp(kParameterPageHelpContext);
}

void CCommonPage::Reread() {
  // A failed field has had its prompt; it keeps its previous value, which the showing below
  // puts back on the screen.
  const bool valid = UpdateData(true);
  for (int i = 0; i < kThresholdCount; ++i) {
    codes[i] = VoltsToCode(volts[i]);
    volts[i] = CodeToVolts(codes[i]);
    CUpDown(*this, dlg::kFirstSpin + i).SetPos(codes[i]);
  }
  UpdateData(false);
  if (!valid) SelectFailedField(*this);
  SetModified(DiffersFromCurrent());
}

void CCommonPage::StepThreshold(int k, int delta) {
  const int next = std::clamp(codes[k] + delta, 0, kMaxCode);
  if (next == codes[k]) return;
  codes[k] = static_cast<std::uint8_t>(next);
  volts[k] = CodeToVolts(codes[k]);
  // Text typed but not yet read is dropped: the step counts from the last snapped code.
  UpdateData(false);
  Reread();
}

bool CCommonPage::DiffersFromCurrent() const {
  const AlgorithmParams& current = algorithm->current;
  for (int i = 0; i < kThresholdCount; ++i) {
    if (VoltsToCode(volts[i]) != current.thresholds[i]) return true;
  }
  return current.startDelay != startDelay || current.sensorCurrent != sensorCurrent;
}

bool CCommonPage::OnApply() {
  AlgorithmParams& current = algorithm->current;
  for (int i = 0; i < kThresholdCount; ++i) current.thresholds[i] = VoltsToCode(volts[i]);
  current.startDelay = startDelay;
  // With neither button checked (a stored kind other than 0 or 1) the page writes 1.
  current.sensorCurrent = sensorCurrent != 0 ? 1 : 0;
  SetModified(false);
  return true;
}

}  // namespace lunda
