// What the user's actions mean, decided here once for every backend: the dialog keys, help, the
// focus a handler refused, the steps of up-downs and the rows of owner-drawn lists.
#include "gui/framework/dialog.h"

namespace lunda {

void CDialog::InitDialog() {
  // A page's focus is its sheet's to give.
  if (OnInitDialog() && &TopLevel() == this) FocusFirstTabStop();
}

void CDialog::Act(const UserAction& action) {
  // The framework's own writes and the focus moves of a failed exchange are no user action.
  if (InDataExchange()) return;
  switch (action.kind) {
    case UserAction::Kind::kCommand:
      OnCommand(action.id);
      break;
    case UserAction::Kind::kFocusIn:
      OnControlFocusIn(action.id);
      break;
    case UserAction::Kind::kSelChange:
      OnSelChange(action.id);
      break;
    case UserAction::Kind::kDoubleClick:
      OnDoubleClick(action.id);
      break;
    case UserAction::Kind::kTimer:
      OnTimer(action.id);
      break;
    case UserAction::Kind::kClose:
      OnClose();
      break;
    case UserAction::Kind::kWindowMenu:
      OnSysCommand(action.id);
      break;
  }
}

bool CDialog::PressKey(DialogKey key) {
  if (InDataExchange()) return true;
  // A page's keys are its sheet's, which owns the buttons they stand for.
  auto& top = const_cast<CDialog&>(TopLevel());
  switch (key) {
    case DialogKey::kEscape:
      top.OnCommand(kIdCancel);
      return true;
    case DialogKey::kF1:
      return top.PressHelp();
    case DialogKey::kEnter:
      return PressEnter();
    case DialogKey::kNextPage:
      return top.OnPageKey(+1);
    case DialogKey::kPreviousPage:
      return top.OnPageKey(-1);
  }
  return false;
}

bool CDialog::PressEnter() {
  const ControlTemplate* focused = template_.FindControl(GetFocusId());
  // A multi-line edit that keeps Enter takes it, and a read-only one ignores it.
  if (focused && focused->styles.wantReturn) return false;
  if (focused &&
      (focused->kind == ControlKind::kPushButton || focused->kind == ControlKind::kDefPushButton)) {
    OnCommand(focused->id);
    return true;
  }
  auto& top = const_cast<CDialog&>(TopLevel());
  const int command = top.DefaultCommand();
  const Control* button = top.window_->Find(command);
  if (button == nullptr || button->IsEnabled()) top.OnCommand(command);
  return true;
}

bool CDialog::PressHelp() {
  const Control* help = window_->Find(kIdHelp);
  if (help == nullptr) return false;
  if (help->IsEnabled()) OnCommand(kIdHelp);
  return true;
}

bool CDialog::MayStep(int upDownId, int delta) {
  return InDataExchange() || OnDeltaPos(upDownId, delta);
}

bool CDialog::MayDropDown(int comboId) {
  // The click that gave the list the focus arrives after its handler ran; a handler that sent
  // the focus back to a refused field must not have the list open behind its message.
  return GetFocusId() == comboId;
}

std::optional<RowPainting> CDialog::PaintRow(int listId, int row, bool selected) {
  std::optional<OwnerDrawnRow> drawn = OnDrawItem(listId, row);
  if (!drawn) return std::nullopt;
  // The system's highlight behind a selected row whether or not the list has the focus, the
  // list's background behind any other, as a classic list box; the row's own text colour over
  // either, where it has one.
  RowPainting painting{std::move(drawn->text),
                       selected ? SystemColor::kHighlight : SystemColor::kWindow,
                       selected ? SystemColor::kHighlightText : SystemColor::kWindowText};
  if (drawn->textColor) painting.textColor = *drawn->textColor;
  return painting;
}

}  // namespace lunda
