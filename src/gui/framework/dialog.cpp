// The dialog's life: template, window, modal run, data exchange and the default handlers.
#include "gui/framework/dialog.h"

#include <cstdio>
#include <vector>

#include "gui/framework/data_exchange.h"

namespace lunda {
namespace {

// The dialogs whose modal loops run, innermost last.
std::vector<CDialog*>& ModalDialogs() {
  static std::vector<CDialog*> dialogs;
  return dialogs;
}

}  // namespace

CDialog::CDialog(int templateId, CDialog* parent)
    : templateId_(templateId), parent_(parent), window_(CreateDialogWindow(*this)) {}

CDialog::CDialog(int templateId, CDialog* parent, std::unique_ptr<DialogWindow> window)
    : templateId_(templateId), parent_(parent), window_(std::move(window)) {}

CDialog::~CDialog() = default;

CDialog* CDialog::ActiveModal() { return ModalDialogs().empty() ? nullptr : ModalDialogs().back(); }

CDialog* CDialog::Owner() const { return parent_ ? parent_ : ActiveModal(); }

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
  CDialog* owner = Owner();
  static int runs = 0;
  modalRun_ = ++runs;
  ModalDialogs().push_back(this);
  const int result = window_->RunModal(template_, owner);
  std::erase(ModalDialogs(), this);
  return result;
}

bool CDialog::Create() {
  return EnsureTemplate() != nullptr && window_->CreateModeless(template_, Owner());
}

void CDialog::EndDialog(int result) { window_->End(result); }

bool CDialog::UpdateData(bool saveAndValidate) {
  DataExchange dx(*this, saveAndValidate);
  ++exchangeDepth_;
  DoDataExchange(dx);
  --exchangeDepth_;
  return !dx.Failed();
}

std::optional<DialogTemplate> CDialog::LoadTemplate(std::string* error) {
  return LoadDialogTemplate(templateId_, error);
}

bool CDialog::HandleInitDialog() { return OnInitDialog(); }

void CDialog::HandleEvent(const WindowEvent& event) {
  // The framework's own writes and the focus moves of a failed exchange are no user action.
  if (InDataExchange()) return;
  switch (event.kind) {
    case WindowEvent::Kind::kCommand:
      OnCommand(event.id);
      break;
    case WindowEvent::Kind::kFocusIn:
      OnControlFocusIn(event.id);
      break;
    case WindowEvent::Kind::kSelChange:
      OnSelChange(event.id);
      break;
    case WindowEvent::Kind::kDoubleClick:
      OnDoubleClick(event.id);
      break;
    case WindowEvent::Kind::kTimer:
      OnTimer(event.id);
      break;
    case WindowEvent::Kind::kClose:
      OnClose();
      break;
    case WindowEvent::Kind::kSysCommand:
      OnSysCommand(event.id);
      break;
  }
}

bool CDialog::HandleDeltaPos(int id, int delta) {
  return InDataExchange() || OnDeltaPos(id, delta);
}

std::optional<OwnerDrawnRow> CDialog::HandleDrawItem(int id, int row) {
  return OnDrawItem(id, row);
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

std::optional<OwnerDrawnRow> CDialog::OnDrawItem(int, int) { return std::nullopt; }

void CDialog::OnSysCommand(int) {}

void CDialog::OnOK() {
  if (UpdateData(true)) EndDialog(kIdOk);
}

void CDialog::OnCancel() { EndDialog(kIdCancel); }

void CDialog::OnClose() { OnCommand(kIdCancel); }

}  // namespace lunda
