// CWriteDlg when its transmit thread cannot be started or has no image to send.
#include "gui/write/write_dlg.h"

#include <QProgressBar>
#include <QTest>
#include <system_error>

#include "tests/device/fake_clock.h"
#include "tests/device/fake_scheduler.h"
#include "tests/device/recording_port.h"
#include "write_test_support.h"

namespace lunda {
namespace {

using test::MessageBoxRecorder;

class WriteDlgTest : public QObject {
  Q_OBJECT

 private slots:
  // A thread that cannot be started ends the dialog with an error box instead of a wait for ever.
  void AThreadThatCannotStartIsReported() {
    auto algorithm = test::LoadExample();
    QVERIFY(algorithm);
    FakeClock clock;
    RecordingPort port(clock);
    MessageBoxRecorder recorder;
    const ThreadStarter starter = [](std::function<void()>) -> std::thread {
      throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
    };
    FakeScheduler scheduler;
    CWriteDlg dialog(*algorithm, port, clock, scheduler, nullptr, starter);
    QCOMPARE(dialog.DoModal(), kTransmitNotStarted);
    QVERIFY(port.writes.empty());
    QCOMPARE(recorder.boxes.size(), std::size_t{1});
    QCOMPARE(recorder.boxes[0].icon, MessageIcon::kError);
    QCOMPARE(recorder.boxes[0].parent, &dialog);
    QVERIFY(recorder.boxes[0].text.startsWith(QStringLiteral("Не могу запустить запись: ")));
    QVERIFY(recorder.boxes[0].text.contains(QStringLiteral("ничего не передано")));
  }

  // An algorithm without an image ends the thread with code 2: the dialog closes on its own with
  // that code, the bar at 0, no box and the port untouched.
  void NoImageClosesWithCodeTwo() {
    CAlgorithm algorithm;
    algorithm.imageSize = 0;
    FakeClock clock;
    RecordingPort port(clock);
    MessageBoxRecorder recorder;
    FakeScheduler scheduler;
    CWriteDlg dialog(algorithm, port, clock, scheduler, nullptr);
    QCOMPARE(dialog.DoModal(), kTransmitNoImage);
    QCOMPARE(dialog.Control<QProgressBar>(CWriteDlg::kProgressId)->value(), 0);
    QVERIFY(recorder.boxes.empty());
    QVERIFY(port.writes.empty());
  }
};

}  // namespace
}  // namespace lunda

int RunWriteDlgTests(int argc, char** argv) {
  lunda::WriteDlgTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "write_dlg_test.moc"
