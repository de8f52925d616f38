// Property sheet layout, page switching and the OK/Cancel/Apply/Help rules.
#include "gui/framework/property_sheet.h"

#include <QSignalBlocker>
#include <QTabBar>
#include <algorithm>

namespace lunda {
namespace {

// Layout in dialog units, after the classic sheet: margins, tab strip, buttons under the pages.
constexpr int kMargin = 7;
constexpr int kTabHeight = 14;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;
constexpr int kButtonGap = 4;

}  // namespace

CPropertySheet::CPropertySheet(const QString& caption, QWidget* parent, int startPage)
    : CDialog(0, parent), caption_(caption), startPage_(startPage) {}

CPropertySheet::~CPropertySheet() {
  // Pages belong to whoever added them, so the sheet must not delete them with its children.
  for (const QPointer<CPropertyPage>& page : pages_) {
    if (page) page->setParent(nullptr);
  }
}

void CPropertySheet::AddPage(CPropertyPage* page) {
  page->sheet_ = this;
  pages_.emplace_back(page);
}

CPropertyPage* CPropertySheet::GetPage(int index) const {
  if (index < 0 || index >= GetPageCount()) return nullptr;
  return pages_[static_cast<std::size_t>(index)];
}

std::optional<DialogTemplate> CPropertySheet::LoadTemplate(QString* error) {
  QSize pageSize(1, 1);
  for (const QPointer<CPropertyPage>& page : pages_) {
    if (!page) continue;
    const std::optional<DialogTemplate> t = LoadDialogTemplate(page->TemplateId(), error);
    if (!t) return std::nullopt;
    pageSize = pageSize.expandedTo(t->size);
  }
  DialogTemplate sheet;
  sheet.caption = caption_;
  sheet.fontFace = QStringLiteral("MS Sans Serif");
  sheet.styles = {.caption = true, .sysMenu = true};
  sheet.size = QSize(pageSize.width() + 2 * kMargin,
                     kMargin + kTabHeight + pageSize.height() + 2 * kMargin + kButtonHeight);
  const int buttonY = sheet.size.height() - kMargin - kButtonHeight;
  struct Button {
    int id;
    const char* text;
  };
  const Button buttons[] = {
      {kIdOk, "OK"}, {kIdCancel, "Cancel"}, {kIdApplyNow, "&Apply"}, {kIdHelp, "Help"}};
  int x = sheet.size.width() - kMargin - 4 * kButtonWidth - 3 * kButtonGap;
  for (const Button& b : buttons) {
    ControlTemplate c;
    c.id = b.id;
    c.kind = b.id == kIdOk ? ControlKind::kDefPushButton : ControlKind::kPushButton;
    c.text = QString::fromUtf8(b.text);
    c.rect = QRect(x, buttonY, kButtonWidth, kButtonHeight);
    c.styles.tabStop = true;
    c.styles.disabled = b.id == kIdApplyNow;  // nothing has changed yet
    sheet.controls.push_back(c);
    x += kButtonWidth + kButtonGap;
  }
  return sheet;
}

bool CPropertySheet::OnInitDialog() {
  if (!tabs_) {
    tabs_ = new QTabBar(this);
    tabs_->setGeometry(Units().ToPixels(
        QRect(kMargin, kMargin, Template().size.width() - 2 * kMargin, kTabHeight)));
    pageArea_ = new QWidget(this);
    pageArea_->setGeometry(Units().ToPixels(
        QRect(kMargin, kMargin + kTabHeight, Template().size.width() - 2 * kMargin,
              Template().size.height() - 3 * kMargin - kTabHeight - kButtonHeight)));
    for (const QPointer<CPropertyPage>& page : pages_) {
      const std::optional<DialogTemplate> t =
          page ? LoadDialogTemplate(page->TemplateId()) : std::nullopt;
      tabs_->addTab(t ? t->caption : QString());
    }
    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
      if (index == active_ || SetActivePage(index)) return;
      const QSignalBlocker blocker(tabs_);
      tabs_->setCurrentIndex(active_);
    });
    SetActivePage(std::clamp(startPage_, 0, std::max(0, GetPageCount() - 1)));
  }
  CDialog::OnInitDialog();
  return false;  // the start page has put the focus on its first control
}

bool CPropertySheet::SetActivePage(int index) {
  CPropertyPage* next = GetPage(index);
  if (!next) return false;
  if (index == active_) return true;
  if (CPropertyPage* current = GetActivePage()) {
    if (!current->OnKillActive()) return false;
    current->hide();
  }
  if (!next->IsCreated()) {
    next->setParent(pageArea_, Qt::Widget);
    // Placed explicitly, as QDialog would otherwise centre the page over the sheet when shown.
    next->move(0, 0);
    if (!next->Create()) return false;
    // Tab runs through the page's controls, the buttons, then the tabs, as in a classic sheet.
    QWidget::setTabOrder(tabs_, next);
  }
  active_ = index;
  {
    const QSignalBlocker blocker(tabs_);
    tabs_->setCurrentIndex(index);
  }
  next->OnSetActive();
  next->show();
  return true;
}

void CPropertySheet::UpdateApplyButton() {
  const bool changed = std::any_of(pages_.begin(), pages_.end(),
                                   [](const auto& page) { return page && page->IsModified(); });
  EnableDlgItem(kIdApplyNow, changed);
}

void CPropertySheet::OnCommand(int id) {
  if (id == kIdApplyNow) {
    ApplyPages();
  } else if (id == kIdHelp) {
    if (CPropertyPage* page = GetActivePage()) page->OnHelp();
  } else {
    CDialog::OnCommand(id);
  }
}

void CPropertySheet::OnOK() {
  if (ApplyPages()) EndDialog(kIdOk);
}

void CPropertySheet::OnCancel() {
  for (const QPointer<CPropertyPage>& page : pages_) {
    if (page && page->IsCreated()) page->OnReset();
  }
  EndDialog(kIdCancel);
}

bool CPropertySheet::ApplyPages() {
  CPropertyPage* current = GetActivePage();
  if (current && !current->OnKillActive()) return false;
  for (int i = 0; i < GetPageCount(); ++i) {
    CPropertyPage* page = GetPage(i);
    if (page && page->IsCreated() && !page->OnApply()) {
      SetActivePage(i);
      return false;
    }
  }
  return true;
}

}  // namespace lunda
