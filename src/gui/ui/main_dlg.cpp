// The main window: list filling, selection, the commands, the window menu and the tooltips.
#include "gui/ui/main_dlg.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QShortcut>

#include "algorithm/format_list_item.h"
#include "gui/framework/data_exchange.h"
#include "gui/framework/resources.h"
#include "gui/framework/tool_tips.h"
#include "gui/ui/about_dlg.h"
#include "gui/ui/algorithm_list_box.h"
#include "gui/ui/display_text.h"

namespace lunda {
namespace {

constexpr int kIconResource = 128;
constexpr int kIdsAbout = 101;                // "&О программе..."
constexpr qsizetype kToolTipMaxChars = 1023;  // the classic string buffer, less its terminator
constexpr int kToolIds[] = {kIdAlgorithmList, kIdDescription, kIdOk,
                            kIdParameters,    kIdDefaults,    kIdHelpButton};

QString RowText(const CAlgorithm& algorithm) { return ToDisplayText(FormatListItem(algorithm)); }

}  // namespace

CMainDlg::CMainDlg(const AlgorithmCatalogue& catalogue, MainWindowCommands commands,
                   HelpFunction showHelp, QWidget* parent)
    : CDialog(102, parent),
      catalogue_(catalogue),
      commands_(std::move(commands)),
      showHelp_(std::move(showHelp)),
      icon_(LoadIcon(kIconResource)) {}

CMainDlg::~CMainDlg() = default;

QWidget* CMainDlg::CreateControl(const ControlTemplate& control, QWidget* parent) {
  if (control.id != kIdAlgorithmList) return CDialog::CreateControl(control, parent);
  auto* list = new CAlgorithmListBox(parent);
  list->SetCatalogue(&catalogue_);
  connect(list, &QListWidget::itemSelectionChanged, this, &CMainDlg::UpdateSelection);
  connect(list, &QListWidget::itemDoubleClicked, this, &CMainDlg::OnRowDoubleClicked);
  return list;
}

void CMainDlg::DoDataExchange(DataExchange& dx) {
  DDX_Control(dx, kIdAlgorithmList, algorithmList_);
  DDX_Text(dx, kIdDescription, descriptionText_);
}

bool CMainDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  BuildSystemMenu();
  setWindowIcon(icon_);
  SetUpToolTips();
  FillList();
  algorithmList_->setCurrentRow(0);
  UpdateSelection();
  if (algorithmList_->count() > 0) return true;
  EnableDlgItem(kIdOk, false);
  EnableDlgItem(kIdParameters, false);
  EnableDlgItem(kIdDefaults, false);
  return false;
}

void CMainDlg::BuildSystemMenu() {
  if (systemMenu_ != nullptr) return;
  systemMenu_ = new QMenu(this);
  systemMenu_->addAction(QStringLiteral("Свернуть"), this, [this] { OnSysCommand(kScMinimize); });
  systemMenu_->addAction(QStringLiteral("Закрыть"), this, [this] { OnSysCommand(kScClose); });
  if (const QString about = LoadString(kIdsAbout); !about.isEmpty()) {
    systemMenu_->addSeparator();
    systemMenu_->addAction(about, this, [this] { OnSysCommand(kIdmAbout); });
  }
  // Alt+Space opens the system menu on the classic desktop; many window managers keep the
  // key for their own menu, so the right click on the background is the sure way.
  auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), this);
  connect(shortcut, &QShortcut::activated, this,
          [this] { systemMenu_->popup(mapToGlobal(QPoint(0, 0))); });
}

void CMainDlg::SetUpToolTips() {
  if (toolTips_ != nullptr) return;
  toolTips_ = new CToolTips(this);
  for (const int id : kToolIds) {
    QWidget* control = GetDlgItem(id);
    if (control == nullptr) continue;
    const QString text = LoadString(id).left(kToolTipMaxChars);
    toolTips_->AddTool(control, text);
    // Scrolling controls receive the pointer on their viewport, not on themselves.
    if (auto* area = qobject_cast<QAbstractScrollArea*>(control)) {
      toolTips_->AddTool(area->viewport(), text);
    }
  }
}

void CMainDlg::FillList() {
  const QSignalBlocker blocker(algorithmList_);
  algorithmList_->clear();
  for (const auto& algorithm : catalogue_) {
    algorithmList_->addItem(algorithm ? RowText(*algorithm) : QString());
  }
}

CAlgorithm* CMainDlg::GetSelectedAlgorithm() {
  if (algorithmList_ == nullptr) return nullptr;
  const int row = algorithmList_->SelectedRow();
  if (row < 0) return nullptr;
  if (CAlgorithm* algorithm = algorithmList_->AlgorithmAt(row)) return algorithm;
  if (catalogue_.empty()) return nullptr;
  algorithmList_->setCurrentRow(0);
  return catalogue_.front().get();
}

void CMainDlg::UpdateSelection() {
  const CAlgorithm* algorithm = GetSelectedAlgorithm();
  descriptionText_ = algorithm ? ToDisplayText(algorithm->description) : QString();
  EnableDefaultsFor(algorithm);
  UpdateData(false);
}

void CMainDlg::EnableDefaultsFor(const CAlgorithm* algorithm) {
  EnableDlgItem(kIdDefaults,
                algorithm != nullptr && ParamsDiffer(algorithm->current, algorithm->defaults));
}

void CMainDlg::RefreshSelectedRow() {
  const int row = algorithmList_->SelectedRow();
  QListWidgetItem* item = algorithmList_->item(row);
  const CAlgorithm* algorithm = algorithmList_->AlgorithmAt(row);
  if (item == nullptr || algorithm == nullptr) return;
  item->setText(RowText(*algorithm));
  algorithmList_->viewport()->update();
}

void CMainDlg::OnCommand(int id) {
  switch (id) {
    case kIdParameters:
      OnParameters();
      break;
    case kIdDefaults:
      OnDefaults();
      break;
    case kIdHelpButton:
      OnHelpButton();
      break;
    default:
      CDialog::OnCommand(id);
  }
}

void CMainDlg::OnOK() {
  CAlgorithm* algorithm = GetSelectedAlgorithm();
  if (algorithm != nullptr && commands_.write) commands_.write(*algorithm, this);
}

void CMainDlg::OnParameters() {
  CAlgorithm* algorithm = GetSelectedAlgorithm();
  if (algorithm == nullptr || !commands_.editParameters) return;
  commands_.editParameters(*algorithm, this);
  RefreshSelectedRow();
  EnableDefaultsFor(algorithm);
}

void CMainDlg::OnRowDoubleClicked(QListWidgetItem*) { OnParameters(); }

void CMainDlg::OnDefaults() {
  CAlgorithm* algorithm = GetSelectedAlgorithm();
  if (algorithm == nullptr) return;
  algorithm->current = algorithm->defaults;
  RefreshSelectedRow();
  EnableDefaultsFor(GetSelectedAlgorithm());
  algorithmList_->setFocus(Qt::OtherFocusReason);
}

void CMainDlg::OnHelpButton() {
  if (showHelp_) showHelp_(kMainWindowHelpContext);
}

void CMainDlg::OnSysCommand(int id) {
  switch (id & 0xFFF0) {
    case kIdmAbout: {
      CAboutDlg about(this);
      about.DoModal();
      break;
    }
    case kScMinimize:
      showMinimized();
      break;
    case kScClose:
      close();
      break;
    default:
      break;
  }
}

void CMainDlg::contextMenuEvent(QContextMenuEvent* event) {
  if (systemMenu_ == nullptr) return CDialog::contextMenuEvent(event);
  systemMenu_->popup(event->globalPos());
  event->accept();
}

}  // namespace lunda
