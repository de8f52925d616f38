// List boxes: rows by index, the selection, and owner drawing through a neutral draw request.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lunda {

class CDialog;

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;

  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// How the dialog wants one row of an owner-drawn list drawn. The backend fills the row with the
// system's highlight colour when it is selected and with the list's background otherwise, then
// draws the text on one line, left-aligned and vertically centred, clipped to the row, with '&'
// underlining the next character; in textColor when given, else in the system's text colour for
// that state. No focus rectangle is drawn.
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
  void Invalidate();

 private:
  CDialog* dialog_ = nullptr;
  int id_ = 0;
};

}  // namespace lunda
