// Dialog units on Qt: template coordinates scaled by the dialog font's average character size,
// as the platform dialog manager scales them.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

#include "gui/framework/dialog_template.h"

namespace lunda {

// The Qt font for a template's face and size; "MS Sans Serif" and "MS Shell Dlg" become the
// application's default sans face, so dialogs look native on every platform.
[[nodiscard]] QFont DialogFont(const std::string& face, int points);

// Converts dialog units to pixels: x * averageWidth / 4 and y * height / 8, rounded.
class DialogUnits {
 public:
  // Measures the font: the average width of the 52 Latin letters, rounded, and the line height.
  explicit DialogUnits(const QFont& font);
  DialogUnits(int averageWidth, int height) : averageWidth_(averageWidth), height_(height) {}

  [[nodiscard]] int X(int units) const;
  [[nodiscard]] int Y(int units) const;
  [[nodiscard]] QRect ToPixels(const UnitRect& units) const;
  [[nodiscard]] QSize ToPixels(int width, int height) const;

 private:
  int averageWidth_;
  int height_;
};

}  // namespace lunda
