// Property sheet layout, page switching and the OK/Cancel/Apply/Help rules.
#include "gui/framework/qt/qt_sheet_window.h"

#include <QCloseEvent>
#include <QSignalBlocker>
#include <algorithm>

#include "gui/framework/property_sheet.h"
#include "gui/framework/qt/qt_dialog_units.h"

namespace lunda {
namespace {

// Layout in dialog units, after the classic sheet: margins, tab strip, buttons under the pages.
constexpr int kMargin = 7;
constexpr int kTabHeight = 14;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;
constexpr int kButtonGap = 4;

}  // namespace

std::unique_ptr<SheetWindow> CreateSheetWindow(CPropertySheet& sheet) {
  return std::make_unique<QtSheetWindow>(sheet);
}

QtSheetWindow::QtSheetWindow(CPropertySheet& sheet) : QtDialogWindow(sheet), sheet_(sheet) {}

QtSheetWindow::~QtSheetWindow() {
  // Pages belong to whoever added them, so the sheet must not delete them with its children.
  if (pageArea_ == nullptr) return;
  for (QWidget* page : pageArea_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    page->setParent(nullptr);
  }
}

DialogTemplate QtSheetWindow::SheetTemplate(const DialogTemplate& caption) const {
  int pageWidth = 1;
  int pageHeight = 1;
  for (int i = 0; i < sheet_.GetPageCount(); ++i) {
    if (const DialogTemplate* t = sheet_.GetPage(i)->EnsureTemplate()) {
      pageWidth = std::max(pageWidth, t->width);
      pageHeight = std::max(pageHeight, t->height);
    }
  }
  DialogTemplate sheet = caption;
  sheet.width = pageWidth + 2 * kMargin;
  sheet.height = kMargin + kTabHeight + pageHeight + 2 * kMargin + kButtonHeight;
  const int buttonY = sheet.height - kMargin - kButtonHeight;
  struct Button {
    int id;
    const char* text;
  };
  const Button buttons[] = {
      {kIdOk, "OK"}, {kIdCancel, "Cancel"}, {kIdApplyNow, "&Apply"}, {kIdHelp, "Help"}};
  int x = sheet.width - kMargin - 4 * kButtonWidth - 3 * kButtonGap;
  for (const Button& b : buttons) {
    ControlTemplate c;
    c.id = b.id;
    c.kind = b.id == kIdOk ? ControlKind::kDefPushButton : ControlKind::kPushButton;
    c.text = b.text;
    c.rect = {x, buttonY, kButtonWidth, kButtonHeight};
    c.styles.tabStop = true;
    c.styles.disabled = b.id == kIdApplyNow;  // nothing has changed yet
    sheet.controls.push_back(c);
    x += kButtonWidth + kButtonGap;
  }
  return sheet;
}

int QtSheetWindow::RunModal(const DialogTemplate& dialogTemplate, CDialog* owner) {
  if (!Open(dialogTemplate, owner)) return -1;
  return ExecModal();
}

bool QtSheetWindow::CreateModeless(const DialogTemplate& dialogTemplate, CDialog* owner) {
  return Open(dialogTemplate, owner);
}

bool QtSheetWindow::Open(const DialogTemplate& dialogTemplate, CDialog* owner) {
  if (tabs_ != nullptr) return true;
  const DialogTemplate layout = SheetTemplate(dialogTemplate);
  if (!Build(layout, owner ? &Of(*owner) : nullptr, false)) return false;
  const DialogUnits units(font());
  tabs_ = new QTabBar(this);
  tabs_->setGeometry(
      units.ToPixels(UnitRect{kMargin, kMargin, layout.width - 2 * kMargin, kTabHeight}));
  pageArea_ = new QWidget(this);
  pageArea_->setGeometry(
      units.ToPixels(UnitRect{kMargin, kMargin + kTabHeight, layout.width - 2 * kMargin,
                              layout.height - 3 * kMargin - kTabHeight - kButtonHeight}));
  changed_.assign(static_cast<std::size_t>(sheet_.GetPageCount()), false);
  for (int i = 0; i < sheet_.GetPageCount(); ++i) {
    const DialogTemplate* t = sheet_.GetPage(i)->EnsureTemplate();
    tabs_->addTab(t ? QString::fromStdString(t->caption) : QString());
  }
  connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
    if (index == active_ || SetActivePage(index)) return;
    const QSignalBlocker blocker(tabs_);
    tabs_->setCurrentIndex(active_);
  });
  SetActivePage(std::clamp(sheet_.GetStartPage(), 0, std::max(0, sheet_.GetPageCount() - 1)));
  // The start page has put the focus on its first control.
  static_cast<void>(sheet_.HandleInitDialog());
  return true;
}

bool QtSheetWindow::SetActivePage(int index) {
  CPropertyPage* next = sheet_.GetPage(index);
  if (!next) return false;
  if (index == active_) return true;
  if (CPropertyPage* current = sheet_.GetPage(active_)) {
    if (!current->OnKillActive()) return false;
    Of(*current).hide();
  }
  QtDialogWindow& page = Of(*next);
  if (!next->IsCreated()) {
    const DialogTemplate* t = next->EnsureTemplate();
    if (!t || !page.CreateAsPage(*t, pageArea_)) return false;
    // Tab runs through the page's controls, the buttons, then the tabs, as in a classic sheet.
    QWidget::setTabOrder(tabs_, &page);
  }
  active_ = index;
  {
    const QSignalBlocker blocker(tabs_);
    tabs_->setCurrentIndex(index);
  }
  next->OnSetActive();
  page.show();
  return true;
}

void QtSheetWindow::SetTabText(int index, std::string_view text) {
  if (tabs_) tabs_->setTabText(index, QString::fromUtf8(text.data(), qsizetype(text.size())));
}

void QtSheetWindow::PageChanged(int index, bool changed) {
  if (index < 0 || static_cast<std::size_t>(index) >= changed_.size()) return;
  changed_[static_cast<std::size_t>(index)] = changed;
  UpdateApplyButton();
}

void QtSheetWindow::UpdateApplyButton() {
  Enable(kIdApplyNow, std::find(changed_.begin(), changed_.end(), true) != changed_.end());
}

void QtSheetWindow::OnWindowCommand(int id) {
  switch (id) {
    case kIdOk:
      if (ApplyPages()) End(kIdOk);
      break;
    case kIdCancel:
      for (int i = 0; i < sheet_.GetPageCount(); ++i) {
        if (sheet_.GetPage(i)->IsCreated()) sheet_.GetPage(i)->OnReset();
      }
      End(kIdCancel);
      break;
    case kIdApplyNow:
      // The page stays, and is shown again as the system's sheet shows it after Apply.
      if (ApplyPages()) {
        if (CPropertyPage* page = sheet_.GetPage(active_)) page->OnSetActive();
      }
      break;
    case kIdHelp:
      if (CPropertyPage* page = sheet_.GetPage(active_)) page->OnHelp();
      break;
    default:
      QtDialogWindow::OnWindowCommand(id);
  }
}

void QtSheetWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  OnWindowCommand(kIdCancel);
}

bool QtSheetWindow::ApplyPages() {
  CPropertyPage* current = sheet_.GetPage(active_);
  if (current && !current->OnKillActive()) return false;
  for (int i = 0; i < sheet_.GetPageCount(); ++i) {
    CPropertyPage* page = sheet_.GetPage(i);
    if (page->IsCreated() && !page->OnApply()) {
      SetActivePage(i);
      return false;
    }
  }
  return true;
}

}  // namespace lunda
