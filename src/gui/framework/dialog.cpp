// The dialog's life: template, window, modal run, data exchange and its controls.
#include "gui/framework/dialog.h"

#include <cstdio>
#include <string>
#include <vector>

#include "gui/framework/control_errors.h"
#include "gui/framework/data_exchange.h"

namespace lunda {
namespace {

// The dialogs whose modal loops run, innermost last.
std::vector<CDialog*>& ModalDialogs() {
  static std::vector<CDialog*> dialogs;
  return dialogs;
}

// What a call about a missing control, or of the wrong kind, reaches: nothing happens there.
class AbsentControl final : public Control,
                            public ItemControl,
                            public RangeControl,
                            public DateControl {
 public:
  [[nodiscard]] std::string Text() const override { return {}; }
  void SetText(std::string_view) override {}
  [[nodiscard]] bool IsEnabled() const override { return false; }
  void Enable(bool) override {}
  void Focus() override {}
  void SetToolTip(std::string_view) override {}
  [[nodiscard]] int Count() const override { return 0; }
  [[nodiscard]] std::string ItemText(int) const override { return {}; }
  void Insert(int, std::string_view) override {}
  void Delete(int) override {}
  [[nodiscard]] int Selection() const override { return -1; }
  void Select(int) override {}
  void SetRange(int, int) override {}
  [[nodiscard]] int Position() const override { return 0; }
  void SetPosition(int) override {}
  [[nodiscard]] std::optional<CalendarDate> Date() const override { return std::nullopt; }
  void SetDate(const CalendarDate&) override {}
  void SetRange(const CalendarDate&, const CalendarDate&) override {}
};

AbsentControl& Absent() {
  static AbsentControl absent;
  return absent;
}

// The control's operations of one kind, or the stand-in after saying what was wrong.
template <typename Kind>
Kind& KindOf(Control& control, Kind* (Control::*kind)(), Kind& absent, int templateId, int id,
             const char* what) {
  if (Kind* found = (control.*kind)()) return *found;
  if (&control != &Absent()) {
    ReportControlError("control " + std::to_string(id) + " of dialog " +
                       std::to_string(templateId) + " has no " + what);
  }
  return absent;
}

}  // namespace

CDialog::CDialog(int templateId, CDialog* parent)
    : templateId_(templateId), parent_(parent), window_(CreateDialogWindow(*this)) {}

CDialog::~CDialog() = default;

CDialog* CDialog::ActiveModal() { return ModalDialogs().empty() ? nullptr : ModalDialogs().back(); }

CDialog* CDialog::Owner() const { return parent_ ? parent_ : ActiveModal(); }

DialogWindow* CDialog::OwnerWindow() const {
  CDialog* owner = Owner();
  return owner ? &owner->Window() : nullptr;
}

const DialogTemplate* CDialog::EnsureTemplate() {
  if (templateLoaded_) return &template_;
  std::string error;
  std::optional<DialogTemplate> loaded = LoadTemplate(&error);
  if (!loaded) {
    // A program error (a template missing from the build), not a user's: say which.
    std::fprintf(stderr, "lunda: %s\n", error.c_str());
    return nullptr;
  }
  template_ = std::move(*loaded);
  templateLoaded_ = true;
  return &template_;
}

int CDialog::DoModal() {
  if (!EnsureTemplate()) return -1;
  // Each run starts from a new window and OnInitDialog, whatever ran before.
  window_->Destroy();
  DialogWindow* owner = OwnerWindow();
  static int runs = 0;
  modalRun_ = ++runs;
  ModalDialogs().push_back(this);
  runningModal_ = true;
  const int result = window_->RunModal(template_, owner);
  runningModal_ = false;
  std::erase(ModalDialogs(), this);
  window_->Destroy();
  return result;
}

bool CDialog::Create() {
  if (IsCreated()) return true;
  return EnsureTemplate() != nullptr && window_->Create(template_, OwnerWindow());
}

bool CDialog::CreateAsPage(CDialog& parent, const UnitRect& area) {
  if (IsCreated()) return true;
  return EnsureTemplate() != nullptr && window_->CreatePage(template_, parent.Window(), area);
}

void CDialog::EndDialog(int result) {
  if (runningModal_) {
    window_->EndModal(result);
  } else {
    window_->Show(false);
  }
}

bool CDialog::UpdateData(bool saveAndValidate) {
  DataExchange dx(*this, saveAndValidate);
  ++exchangeDepth_;
  DoDataExchange(dx);
  --exchangeDepth_;
  return !dx.Failed();
}

Control& CDialog::Item(int id) const {
  if (Control* control = window_->Find(id)) return *control;
  ReportControlError("dialog " + std::to_string(templateId_) + " has no control " +
                     std::to_string(id));
  return Absent();
}

ItemControl& CDialog::Items(int id) const {
  return KindOf<ItemControl>(Item(id), &Control::Items, Absent(), templateId_, id, "items");
}

RangeControl& CDialog::Range(int id) const {
  return KindOf<RangeControl>(Item(id), &Control::Range, Absent(), templateId_, id, "range");
}

DateControl& CDialog::Dates(int id) const {
  return KindOf<DateControl>(Item(id), &Control::Dates, Absent(), templateId_, id, "date");
}

void CDialog::FocusFirstTabStop() {
  for (const ControlTemplate& c : template_.controls) {
    Control* control = c.styles.tabStop ? window_->Find(c.id) : nullptr;
    if (control && control->IsEnabled()) {
      control->Focus();
      return;
    }
  }
}

std::optional<DialogTemplate> CDialog::LoadTemplate(std::string* error) {
  return LoadDialogTemplate(templateId_, error);
}

bool CDialog::OnInitDialog() {
  UpdateData(false);
  return true;
}

void CDialog::DoDataExchange(DataExchange&) {}

void CDialog::OnCommand(int id) {
  if (id == kIdOk) OnOK();
  if (id == kIdCancel) OnCancel();
}

void CDialog::OnControlFocusIn(int) {}

void CDialog::OnSelChange(int) {}

void CDialog::OnDoubleClick(int) {}

void CDialog::OnTimer(int) {}

bool CDialog::OnDeltaPos(int, int) { return true; }

bool CDialog::OnPageKey(int) { return false; }

std::optional<OwnerDrawnRow> CDialog::OnDrawItem(int, int) { return std::nullopt; }

void CDialog::OnSysCommand(int) {}

void CDialog::OnOK() {
  if (UpdateData(true)) EndDialog(kIdOk);
}

void CDialog::OnCancel() { EndDialog(kIdCancel); }

void CDialog::OnClose() { OnCommand(kIdCancel); }

}  // namespace lunda
