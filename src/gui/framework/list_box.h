// List boxes: rows by index, the selection, and owner drawing through a neutral draw request.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "gui/framework/backend/window.h"

namespace lunda {

class CDialog;

// How the dialog wants one row of an owner-drawn list drawn: its text, in textColor when given.
struct OwnerDrawnRow {
  std::string text;
  std::optional<Rgb> textColor;
};

// A list box control of a dialog, addressed by its id.
class CListBox {
 public:
  CListBox() = default;
  CListBox(CDialog& dialog, int id) : dialog_(&dialog), id_(id) {}

  [[nodiscard]] bool IsAttached() const { return dialog_ != nullptr; }
  [[nodiscard]] int GetCount() const;
  // The selected row, or -1.
  [[nodiscard]] int GetCurSel() const;
  void SetCurSel(int index);
  [[nodiscard]] std::string GetText(int index) const;
  // Inserts at index (-1: at the end) without sorting.
  void InsertString(int index, std::string_view text);
  void DeleteString(int index);

 private:
  CDialog* dialog_ = nullptr;
  int id_ = 0;
};

}  // namespace lunda
