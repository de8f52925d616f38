// CWriteDlg: the bar, the keys that must not stop a write, and the transmissions that end early.
#include "gui/write/write_dlg.h"

#include <QProgressBar>
#include <QTest>
#include <system_error>

#include "tests/device/fake_clock.h"
#include "tests/device/recording_port.h"
#include "write_test_support.h"

namespace lunda {
namespace {

using test::HeldPort;
using test::MessageBoxRecorder;

class WriteDlgTest : public QObject {
  Q_OBJECT

 private slots:
  void KeysAndCloseDoNothingWhileTheThreadRuns() {
    auto algorithm = test::LoadExample();
    QVERIFY(algorithm);
    FakeClock clock(10'000'000, 250);
    RecordingPort recording(clock);
    HeldPort port(recording);
    port.held = true;
    CWriteDlg dialog(*algorithm, port, clock, nullptr);
    bool stayedOpen = false;
    QTimer::singleShot(50, &dialog, [&] {
      QTest::keyClick(&dialog, Qt::Key_Return);
      QTest::keyClick(&dialog, Qt::Key_Escape);
      dialog.close();
      QTest::qWait(30);  // a few timer ticks
      stayedOpen = dialog.isVisible() && dialog.BytesSent() == 0;
      port.held = false;
    });
    QCOMPARE(dialog.DoModal(), kTransmitDone);
    QVERIFY(stayedOpen);
    const auto* bar = dialog.Control<QProgressBar>(CWriteDlg::kProgressId);
    QCOMPARE(bar->maximum(), 5120);
    QCOMPARE(bar->value(), 5120);
    QCOMPARE(dialog.BytesSent(), 5120u);
  }

  void EndsWithoutSendingWhenThereIsNothingToSend_data() {
    QTest::addColumn<bool>("threadStarts");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("boxes");
    QTest::newRow("no image: the thread's code 2, no message") << true << kTransmitNoImage << 0;
    QTest::newRow("no thread: an error box instead of waiting for ever")
        << false << kTransmitNotStarted << 1;
  }
  void EndsWithoutSendingWhenThereIsNothingToSend() {
    QFETCH(bool, threadStarts);
    QFETCH(int, result);
    QFETCH(int, boxes);
    auto algorithm = test::LoadExample();
    QVERIFY(algorithm);
    if (threadStarts) algorithm->imageSize = 0;
    FakeClock clock;
    RecordingPort port(clock);
    MessageBoxRecorder recorder;
    ThreadStarter starter = &StartStdThread;
    if (!threadStarts) {
      starter = [](std::function<void()>) -> std::thread {
        throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
      };
    }
    CWriteDlg dialog(*algorithm, port, clock, nullptr, starter);
    QCOMPARE(dialog.DoModal(), result);
    QVERIFY(port.writes.empty());
    QCOMPARE(dialog.Control<QProgressBar>(CWriteDlg::kProgressId)->value(), 0);
    QCOMPARE(static_cast<int>(recorder.boxes.size()), boxes);
    if (boxes > 0) {
      QCOMPARE(recorder.boxes[0].icon, MessageIcon::kError);
      QCOMPARE(recorder.boxes[0].parent, &dialog);
      QVERIFY(recorder.boxes[0].text.startsWith(QStringLiteral("Не могу запустить запись: ")));
      QVERIFY(recorder.boxes[0].text.contains(QStringLiteral("ничего не передано")));
    }
  }
};

}  // namespace
}  // namespace lunda

int RunWriteDlgTests(int argc, char** argv) {
  lunda::WriteDlgTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "write_dlg_test.moc"
