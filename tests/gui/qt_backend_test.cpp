// What only the Qt backend does itself: dialog units, mnemonics, tooltip wrapping, and the flags
// from which the window manager draws a window's frame.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QToolTip>
#include <functional>
#include <thread>

#include "device/simulated_controller.h"
#include "gui/framework/dialog.h"
#include "gui/framework/qt/qt_control_factory.h"
#include "gui/framework/qt/qt_dialog_units.h"
#include "gui/framework/qt/qt_dialog_window.h"
#include "gui/framework/qt/qt_tool_tips.h"
#include "gui/framework/tool_tips.h"
#include "gui/ui/about_dlg.h"
#include "gui/ui/main_dlg.h"
#include "gui/write/date_dlg.h"
#include "gui/write/write_dlg.h"
#include "tests/device/fake_clock.h"
#include "tests/device/fake_scheduler.h"

namespace lunda {
namespace {

TEST(QtBackendTest, DialogUnitsScaleByTheFont) {
  // An average width of 6 and a height of 13 pixels: x * 6 / 4, y * 13 / 8, rounded.
  const DialogUnits units(6, 13);
  EXPECT_EQ(units.ToPixels(UnitRect{0, 0, 4, 8}), QRect(0, 0, 6, 13));
  EXPECT_EQ(units.ToPixels(UnitRect{7, 165, 57, 14}), QRect(11, 268, 86, 23));
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
  const QString word(100, QLatin1Char('W'));  // too long for a line, kept whole
  EXPECT_EQ(WrapToWidth(word + " a", metrics, kToolTipMaxWidth), (QStringList{word, "a"}));
}

// The windows and their controls take their template's size in the units of their font. No dialog
// can be resized or maximised; the main window alone can be minimised and the progress dialog
// alone cannot be closed. An empty caption stays blank instead of showing the program's name.
TEST(QtBackendTest, TopLevelWindowsFollowTheirTemplates) {
  AlgorithmCatalogue catalogue;
  catalogue.push_back(std::make_unique<CAlgorithm>());
  FakeClock clock;
  FakeScheduler scheduler;
  SimulatedController port(clock);
  CMainDlg main(catalogue, MainWindowCommands{}, nullptr);
  CAboutDlg about;
  CDateDlg date;
  // No transmission behind it: the thread ends at once without telling the dialog.
  CWriteDlg progress(*catalogue.front(), port, clock, scheduler, nullptr,
                     [](std::function<void()>) { return std::thread([] {}); });
  constexpr Qt::WindowFlags kClose = Qt::WindowCloseButtonHint;
  const std::pair<CDialog*, Qt::WindowFlags> frames[] = {
      {&main, kClose | Qt::WindowMinimizeButtonHint},
      {&about, kClose},
      {&date, kClose},
      {&progress, {}}};
  for (const auto& [dialog, buttons] : frames) {
    ASSERT_TRUE(dialog->Create());
    const QtDialogWindow& window = QtDialogWindow::Of(*dialog);
    // Customised: the frame has only the buttons the flags name.
    EXPECT_EQ(window.windowFlags() & (Qt::CustomizeWindowHint | Qt::WindowMinMaxButtonsHint |
                                      Qt::WindowCloseButtonHint),
              Qt::CustomizeWindowHint | buttons)
        << dialog->TemplateId();
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
  }
  EXPECT_EQ(QtDialogWindow::Of(date).windowTitle(), " ");
  const QtDialogWindow& window = QtDialogWindow::Of(about);
  const DialogUnits units(window.font());
  EXPECT_EQ(window.size(), units.ToPixels(235, 66));
  EXPECT_EQ(window.Control(kIdOk)->geometry(), units.ToPixels(UnitRect{178, 45, 50, 14}));
}

}  // namespace
}  // namespace lunda
