// The main window: list filling, selection, the commands, the window menu and the tooltips.
#include "gui/ui/main_dlg.h"

#include "algorithm/format_list_item.h"
#include "gui/framework/data_exchange.h"
#include "gui/framework/resources.h"
#include "gui/ui/about_dlg.h"
#include "gui/ui/display_text.h"

namespace lunda {
namespace {

namespace dlg = ids::main_dlg;

constexpr int kIconResource = 128;
// Each control's tip is the string of the same id.
constexpr int kToolIds[] = {dlg::kAlgorithmList, dlg::kDescription, dlg::kWrite,
                            dlg::kParameters,    dlg::kDefaults,    dlg::kHelp};

std::string RowText(const CAlgorithm& algorithm) {
  return ToDisplayText(FormatListItem(algorithm));
}

}  // namespace

CMainDlg::CMainDlg(const AlgorithmCatalogue& catalogue, MainWindowCommands commands,
                   HelpFunction showHelp, CDialog* parent)
    : CDialog(dlg::kTemplate, parent),
      catalogue_(catalogue),
      commands_(std::move(commands)),
      showHelp_(std::move(showHelp)) {
  algorithmList_.SetCatalogue(&catalogue_);
}

void CMainDlg::DoDataExchange(DataExchange& dx) {
  DDX_Control(dx, dlg::kAlgorithmList, algorithmList_);
  DDX_Text(dx, dlg::kDescription, descriptionText_);
}

bool CMainDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (const std::string about = LoadString(ids::strings::kAbout); !about.empty()) {
    Window().AppendWindowMenuItem(kIdmAbout, about);
  }
  Window().SetIcon(kIconResource);
  SetUpToolTips();
  FillList();
  algorithmList_.SetCurSel(0);
  UpdateSelection();
  if (algorithmList_.GetCount() > 0) return true;
  EnableDlgItem(dlg::kWrite, false);
  EnableDlgItem(dlg::kParameters, false);
  EnableDlgItem(dlg::kDefaults, false);
  return false;
}

void CMainDlg::SetUpToolTips() {
  for (const int id : kToolIds) {
    toolTips_.AddTool(id, LoadString(id));
  }
}

void CMainDlg::FillList() {
  for (const auto& algorithm : catalogue_) {
    algorithmList_.InsertString(algorithmList_.GetCount(),
                                algorithm ? RowText(*algorithm) : std::string());
  }
}

CAlgorithm* CMainDlg::GetSelectedAlgorithm() {
  const int row = algorithmList_.GetCurSel();
  if (row < 0) return nullptr;
  if (CAlgorithm* algorithm = algorithmList_.AlgorithmAt(row)) return algorithm;
  if (catalogue_.empty()) return nullptr;
  algorithmList_.SetCurSel(0);
  return catalogue_.front().get();
}

void CMainDlg::UpdateSelection() {
  const CAlgorithm* algorithm = GetSelectedAlgorithm();
  descriptionText_ = algorithm ? ToDisplayText(algorithm->description) : std::string();
  EnableDefaultsFor(algorithm);
  UpdateData(false);
}

void CMainDlg::EnableDefaultsFor(const CAlgorithm* algorithm) {
  EnableDlgItem(dlg::kDefaults,
                algorithm != nullptr && ParamsDiffer(algorithm->current, algorithm->defaults));
}

void CMainDlg::RefreshSelectedRow() {
  const int row = algorithmList_.GetCurSel();
  const CAlgorithm* algorithm = algorithmList_.AlgorithmAt(row);
  if (algorithm == nullptr) return;
  algorithmList_.DeleteString(row);
  algorithmList_.InsertString(row, RowText(*algorithm));
  algorithmList_.SetCurSel(row);
}

void CMainDlg::OnCommand(int id) {
  switch (id) {
    case dlg::kParameters:
      OnParameters();
      break;
    case dlg::kDefaults:
      OnDefaults();
      break;
    case dlg::kHelp:
      OnHelpButton();
      break;
    default:
      CDialog::OnCommand(id);
  }
}

void CMainDlg::OnSelChange(int id) {
  if (id == dlg::kAlgorithmList) UpdateSelection();
}

void CMainDlg::OnDoubleClick(int id) {
  if (id == dlg::kAlgorithmList) OnParameters();
}

std::optional<OwnerDrawnRow> CMainDlg::OnDrawItem(int id, int row) {
  if (id != dlg::kAlgorithmList) return std::nullopt;
  return algorithmList_.DrawItem(row);
}

void CMainDlg::OnOK() {
  CAlgorithm* algorithm = GetSelectedAlgorithm();
  if (algorithm != nullptr && commands_.write) commands_.write(*algorithm, *this);
}

void CMainDlg::OnParameters() {
  CAlgorithm* algorithm = GetSelectedAlgorithm();
  if (algorithm == nullptr || !commands_.editParameters) return;
  commands_.editParameters(*algorithm, *this);
  RefreshSelectedRow();
  EnableDefaultsFor(algorithm);
}

void CMainDlg::OnDefaults() {
  CAlgorithm* algorithm = GetSelectedAlgorithm();
  if (algorithm == nullptr) return;
  algorithm->current = algorithm->defaults;
  RefreshSelectedRow();
  EnableDefaultsFor(GetSelectedAlgorithm());
  GotoDlgCtrl(dlg::kAlgorithmList);
}

void CMainDlg::OnHelpButton() {
  if (showHelp_) showHelp_(kMainWindowHelpContext);
}

void CMainDlg::OnSysCommand(int id) {
  if (id == kIdmAbout) {
    CAboutDlg about(this);
    about.DoModal();
  }
}

}  // namespace lunda
