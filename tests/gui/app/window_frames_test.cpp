// The frames of the real windows under a window manager, read back with xprop: what the offscreen
// platform cannot show. window_frames.sh runs this on its own X server with openbox.
//
// openbox itself decides resizing and maximising, from the size hints; the close and minimise
// buttons it keeps on every window whatever the window asks, so for those the Motif hints that
// other window managers follow are checked.
#include <QProcess>
#include <QTest>
#include <functional>
#include <memory>
#include <thread>

#include "device/simulated_controller.h"
#include "gui/params/edit_parameters.h"
#include "gui/ui/about_dlg.h"
#include "gui/ui/main_dlg.h"
#include "gui/write/date_dlg.h"
#include "gui/write/prepare_dlg.h"
#include "gui/write/write_dlg.h"
#include "tests/device/fake_clock.h"
#include "tests/device/fake_scheduler.h"
#include "tests/gui/framework/gui_test_main.h"

namespace lunda {
namespace {

using Build = std::function<std::unique_ptr<CDialog>()>;

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

class WindowFramesTest : public QObject {
  Q_OBJECT

 public:
  WindowFramesTest() { catalogue.push_back(std::make_unique<CAlgorithm>()); }

 private slots:
  void FixedDialogsCannotBeResizedOrMaximised_data() {
    QTest::addColumn<Build>("build");
    QTest::addColumn<bool>("closable");
    QTest::addColumn<bool>("minimisable");
    QTest::addColumn<bool>("blankTitle");
    CAlgorithm& algorithm = *catalogue.front();
    QTest::newRow("main window 102") << Build([this] {
      return std::make_unique<CMainDlg>(catalogue, MainWindowCommands{}, nullptr);
    }) << true << true << false;
    QTest::newRow("About 100") << Build([] { return std::make_unique<CAboutDlg>(); }) << true
                               << false << false;
    QTest::newRow("parameters") << Build([&algorithm] {
      return CreateParameterSheet(algorithm, nullptr);
    }) << true << false << false;
    QTest::newRow("date 133") << Build([] { return std::make_unique<CDateDlg>(); }) << true << false
                              << true;
    QTest::newRow("instructions 135")
        << Build([] { return std::make_unique<CPrepareDlg>(); }) << true << false << true;
    // No transmission behind it: the thread ends at once without telling the dialog.
    QTest::newRow("progress 132") << Build([this, &algorithm] {
      return std::make_unique<CWriteDlg>(algorithm, port, clock, scheduler, nullptr,
                                         [](std::function<void()>) { return std::thread([] {}); });
    }) << false << false << false;
  }
  void FixedDialogsCannotBeResizedOrMaximised() {
    QFETCH(Build, build);
    QFETCH(bool, closable);
    QFETCH(bool, minimisable);
    QFETCH(bool, blankTitle);
    const std::unique_ptr<CDialog> dialog = build();
    QVERIFY(dialog->Create());
    dialog->show();
    QString actions;
    // The window manager announces what it allows once it has taken the window on.
    QTRY_VERIFY_WITH_TIMEOUT(
        (actions = WindowProperty(*dialog, "_NET_WM_ALLOWED_ACTIONS")).contains("ACTION_MOVE"),
        5000);
    QVERIFY2(!actions.contains("ACTION_RESIZE") && !actions.contains("ACTION_MAXIMIZE"),
             qPrintable(actions));
    const unsigned functions = MotifFunctions(*dialog);
    QCOMPARE(bool(functions & kMotifClose), closable);
    QCOMPARE(bool(functions & kMotifMinimise), minimisable);
    QVERIFY(!(functions & kMotifMaximise));
    if (blankTitle) {
      QCOMPARE(WindowProperty(*dialog, "_NET_WM_NAME"),
               QStringLiteral("_NET_WM_NAME(UTF8_STRING) = \" \""));
    }
  }

 private:
  AlgorithmCatalogue catalogue;
  FakeClock clock;
  FakeScheduler scheduler;
  SimulatedController port{clock};
};

}  // namespace
}  // namespace lunda

int main(int argc, char** argv) {
  return lunda::RunGuiTestSuites(argc, argv, {[](int argc, char** argv) {
                                   lunda::WindowFramesTest test;
                                   return QTest::qExec(&test, argc, argv);
                                 }});
}

#include "window_frames_test.moc"
