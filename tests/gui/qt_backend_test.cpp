// What only the Qt backend does itself: dialog units, mnemonics, tooltip wrapping. The window
// frames it asks for are checked under a real window manager (window_frames_test.cpp).
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QToolTip>

#include "gui/framework/dialog.h"
#include "gui/framework/qt/qt_controls.h"
#include "gui/framework/qt/qt_dialog_units.h"
#include "gui/framework/qt/qt_dialog_window.h"
#include "gui/framework/qt/qt_tool_tips.h"
#include "gui/framework/tool_tips.h"
#include "gui_driver.h"
#include "res/ids.h"
#include "test_ids.h"

namespace lunda {
namespace {

TEST(QtBackendTest, DialogUnitsScaleByTheFont) {
  // An average width of 6 and a height of 13 pixels: x * 6 / 4, y * 13 / 8, rounded.
  const DialogUnits units(6, 13);
  EXPECT_EQ(units.ToPixels(UnitRect{7, 165, 57, 14}), QRect(11, 268, 86, 23));
  CDialog about(ids::about_dlg::kTemplate);
  ASSERT_TRUE(about.Create());
  QtDialogWindow& window = QtDialogWindow::Of(about.Window());
  const DialogUnits measured(window.Widget()->font());
  EXPECT_EQ(window.Widget()->size(), measured.ToPixels(235, 66));
  EXPECT_EQ(window.ControlOf(kIdOk)->Widget()->geometry(),
            measured.ToPixels(UnitRect{178, 45, 50, 14}));
}

// As a classic edit does; Qt would show the end of a text too long for the field.
TEST(QtBackendTest, AnEditShowsTheStartOfATextSetIntoIt) {
  CDialog dialog(ids::test_dlg::kTemplate);
  ASSERT_TRUE(dialog.Create());
  dialog.SetDlgItemText(ids::test_dlg::kNumber, std::string(200, '7'));
  const QtControl* edit = QtDialogWindow::Of(dialog.Window()).ControlOf(ids::test_dlg::kNumber);
  EXPECT_EQ(qobject_cast<QLineEdit*>(edit->Widget())->cursorPosition(), 0);
}

// The keypad's Enter is Enter: here on the About box's OK button, which closes it.
TEST(QtBackendTest, TheKeypadsEnterIsEnter) {
  CDialog about(ids::about_dlg::kTemplate);
  ASSERT_TRUE(about.Create() && test::ShowActive(about));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_FALSE(about.IsWindowVisible());
}

TEST(QtBackendTest, MnemonicsAreStripped) {
  const std::pair<const char*, const char*> cases[] = {
      {"plain", "plain"}, {"&Label", "Label"}, {"A && B", "A & B"}, {"end&", "end"}};
  for (const auto& [text, shown] : cases) EXPECT_EQ(StripMnemonics(text), QString(shown));
}

TEST(QtBackendTest, LongTipsWrapAt256Pixels) {
  const QFontMetrics metrics(QToolTip::font());
  const QString text = QStringLiteral(
      "Кнопка для установки параметров выбранного алгоритма в значения \"по умолчанию\"");
  const QStringList lines = WrapToWidth(text, metrics, kToolTipMaxWidth);
  EXPECT_GT(lines.size(), 1);
  for (const QString& line : lines) EXPECT_LE(metrics.horizontalAdvance(line), kToolTipMaxWidth);
  EXPECT_EQ(lines.join(QLatin1Char(' ')), text);
}

}  // namespace
}  // namespace lunda
