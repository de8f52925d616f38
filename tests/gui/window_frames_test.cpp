// The frames of the real windows under a window manager, read back with xprop: what the offscreen
// platform cannot show. window_frames.sh runs this on its own X server with openbox.
//
// openbox itself decides resizing and maximising, from the size hints; the close and minimise
// buttons it keeps on every window whatever the window asks, so for those the Motif hints that
// other window managers follow are checked.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTest>

#include "gui/framework/application.h"
#include "gui/framework/dialog.h"
#include "gui/framework/qt/qt_dialog_window.h"
#include "res/ids.h"

namespace lunda {
namespace {

constexpr unsigned kMotifFunctionsGiven = 0x1;
constexpr unsigned kMotifMinimise = 0x8;
constexpr unsigned kMotifMaximise = 0x10;
constexpr unsigned kMotifClose = 0x20;

// The window's property as xprop prints it, e.g. "_NET_WM_NAME(UTF8_STRING) = \" \"".
QString WindowProperty(const QWidget& window, const char* property) {
  QProcess xprop;
  xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window.winId()),
                                        QString::fromLatin1(property)});
  xprop.waitForFinished(5000);
  return QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
}

// The functions field of _MOTIF_WM_HINTS ("... = 0x3, 0x26, 0x1e, 0x0, 0x0"); all of them when
// the window restricts none.
unsigned MotifFunctions(const QWidget& window) {
  const QStringList fields =
      WindowProperty(window, "_MOTIF_WM_HINTS").section(QLatin1Char('='), 1).split(',');
  if (fields.size() < 2 || !(fields[0].trimmed().toUInt(nullptr, 16) & kMotifFunctionsGiven))
    return ~0u;
  return fields[1].trimmed().toUInt(nullptr, 16);
}

// No window can be resized or maximised; only the main window can be minimised, and the progress
// dialog has no close button; an empty caption stays blank instead of the application's name.
TEST(WindowFramesTest, WindowsOfferOnlyWhatTheTemplatesAsk) {
  const struct {
    int templateId;
    bool closable;
    bool minimisable;
    const char* title;  // as the window manager shows it, where it matters
  } frames[] = {{ids::main_dlg::kTemplate, true, true, nullptr},
                {ids::about_dlg::kTemplate, true, false, nullptr},
                {ids::date_dlg::kTemplate, true, false, "_NET_WM_NAME(UTF8_STRING) = \" \""},
                {ids::write_dlg::kTemplate, false, false, nullptr}};
  for (const auto& frame : frames) {
    SCOPED_TRACE(frame.templateId);
    CDialog dialog(frame.templateId);
    ASSERT_TRUE(dialog.Create());
    QWidget& window = *QtDialogWindow::Of(dialog.Window()).Widget();
    window.show();
    QString actions;
    // The window manager announces what it allows once it has taken the window on.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
          return (actions = WindowProperty(window, "_NET_WM_ALLOWED_ACTIONS"))
              .contains("ACTION_MOVE");
        },
        5000));
    EXPECT_FALSE(actions.contains("ACTION_RESIZE") || actions.contains("ACTION_MAXIMIZE"))
        << actions.toStdString();
    const unsigned functions = MotifFunctions(window);
    EXPECT_EQ(bool(functions & kMotifClose), frame.closable);
    EXPECT_EQ(bool(functions & kMotifMinimise), frame.minimisable);
    EXPECT_FALSE(functions & kMotifMaximise);
    if (frame.title != nullptr) {
      EXPECT_EQ(WindowProperty(window, "_NET_WM_NAME").toStdString(), frame.title);
    }
  }
}

}  // namespace
}  // namespace lunda

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  return lunda::RunGuiApplication(argc, argv,
                                  [](const lunda::ProcessCommandLine&) { return RUN_ALL_TESTS(); });
}
