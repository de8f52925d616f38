// Dialog-unit conversion after the classic rule of the font's average character size.
#include "gui/framework/qt/qt_dialog_units.h"

#include <QApplication>
#include <QFontMetrics>

namespace lunda {
namespace {

// Rounds a * b / c to the nearest integer, as MulDiv does; the operands are all positive.
int MulDiv(int a, int b, int c) { return (a * b * 2 + c) / (c * 2); }

}  // namespace

QFont DialogFont(const std::string& face, int points) {
  const QString name = QString::fromStdString(face);
  const bool systemFace = name.compare(QLatin1String("MS Sans Serif"), Qt::CaseInsensitive) == 0 ||
                          name.compare(QLatin1String("MS Shell Dlg"), Qt::CaseInsensitive) == 0;
  QFont font = systemFace ? QApplication::font() : QFont(name);
  font.setPointSize(points);
  return font;
}

DialogUnits::DialogUnits(const QFont& font) {
  const QFontMetrics metrics(font);
  const int letters = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  averageWidth_ = (letters + 26) / 52;
  height_ = metrics.height();
}

int DialogUnits::X(int units) const { return MulDiv(units, averageWidth_, 4); }

int DialogUnits::Y(int units) const { return MulDiv(units, height_, 8); }

QRect DialogUnits::ToPixels(const UnitRect& units) const {
  return QRect(X(units.x), Y(units.y), X(units.width), Y(units.height));
}

QSize DialogUnits::ToPixels(int width, int height) const { return QSize(X(width), Y(height)); }

}  // namespace lunda
