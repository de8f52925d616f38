// RunWriteSequence driven through its dialogs as a user would, on a fake clock.
#include "gui/write/write_sequence.h"

#include <QProgressBar>
#include <QTest>

#include "device/simulated_controller.h"
#include "device/transfer_report.h"
#include "gui/write/date_dlg.h"
#include "gui/write/write_dlg.h"
#include "tests/device/fake_clock.h"
#include "tests/device/fake_scheduler.h"
#include "tests/device/recording_port.h"
#include "write_test_support.h"

namespace lunda {
namespace {

using test::AcceptDate;
using test::ModalDriver;
using test::Press;

constexpr int kDate = CDateDlg::kTemplateId;
constexpr int kPrepare = 135;
constexpr int kWrite = CWriteDlg::kTemplateId;
constexpr std::int64_t kFrequency = 10'000'000;
constexpr std::int64_t kSettleTicks = kFrequency / 10;

std::vector<std::uint8_t> ImageOf(const CAlgorithm& algorithm) {
  return {algorithm.image.begin(), algorithm.image.begin() + algorithm.imageSize};
}

class WriteSequenceTest : public QObject {
  Q_OBJECT

 private slots:
  void CancelInTheDateDialogOnlySetsThePortToRest() {
    auto algorithm = test::LoadExample();
    QVERIFY(algorithm);
    const auto image = ImageOf(*algorithm);
    FakeClock clock(kFrequency);
    FakeScheduler scheduler;
    RecordingPort port(clock);
    QDate shown;
    ModalDriver driver;
    driver.Then([&](CDialog& dialog) {
      shown = test::Picker(dialog)->date();
      test::Click(dialog, 2);
    });
    RunWriteSequence({port, clock, scheduler}, *algorithm, nullptr);
    QCOMPARE(driver.seen, std::vector<int>{kDate});
    QCOMPARE(shown, QDate::currentDate());
    QCOMPARE(port.writes.size(), std::size_t{1});
    QCOMPARE(port.writes[0].value, kPortRestLevel);
    QCOMPARE(clock.Peek(), kSettleTicks);
    QVERIFY(ImageOf(*algorithm) == image);
  }

  void CancelInTheInstructionsReturnsToTheDateJustAccepted() {
    auto algorithm = test::LoadExample();
    QVERIFY(algorithm);
    FakeClock clock(kFrequency);
    FakeScheduler scheduler;
    RecordingPort port(clock);
    const QDate picked(2031, 7, 19);
    QDate shownAgain;
    ModalDriver driver;
    driver.Then(AcceptDate(picked))
        .Then([](CDialog& dialog) { dialog.close(); })  // the close box, like "Отмена"
        .Then([&](CDialog& dialog) {
          shownAgain = test::Picker(dialog)->date();
          test::Click(dialog, 2);
        });
    RunWriteSequence({port, clock, scheduler}, *algorithm, nullptr);
    QCOMPARE(driver.seen, (std::vector<int>{kDate, kPrepare, kDate}));
    QCOMPARE(shownAgain, picked);
    QCOMPARE(port.writes.size(), std::size_t{1});
  }

  // Each write goes on through Enter, Esc and the close box, sends the picked date, shows the bar
  // full when its dialog closes and leaves the port at rest; the second sends the same image.
  void TwoWritesInARowSendThePickedDate() {
    auto algorithm = test::LoadExample("pump.cfg");
    QVERIFY(algorithm);
    const QDate picked(2024, 2, 29);
    const auto expected = test::ExpectedImage("pump.cfg", picked);
    FakeClock clock(kFrequency, 250);
    FakeScheduler scheduler;
    SimulatedController controller(clock);
    test::HeldPort port(controller);
    for (int i = 0; i < 2; ++i) {
      int barMaximum = -1;
      int barAtClose = -1;
      bool stayedOpen = false;
      // The transmission waits until the progress dialog is on screen, so that the bar is seen
      // from the start to the close.
      port.held = true;
      ModalDriver driver;
      driver.Then(AcceptDate(picked)).Then(Press(1)).Then([&](CDialog& dialog) {
        auto* bar = dialog.Control<QProgressBar>(CWriteDlg::kProgressId);
        barMaximum = bar->maximum();
        QObject::connect(&dialog, &QDialog::finished, bar,
                         [&barAtClose, bar] { barAtClose = bar->value(); });
        QTest::keyClick(&dialog, Qt::Key_Return);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        dialog.close();
        QTest::qWait(30);  // a few timer ticks
        stayedOpen = dialog.isVisible() && bar->value() == 0;
        port.held = false;
      });
      test::StderrCapture err;
      RunWriteSequence({port, clock, scheduler, &controller}, *algorithm, nullptr);
      QCOMPARE(driver.seen, (std::vector<int>{kDate, kPrepare, kWrite}));
      QVERIFY(stayedOpen);
      QCOMPARE(barMaximum, 5120);
      QCOMPARE(barAtClose, 5120);
      const TransferReport report = controller.Report();
      QVERIFY(report.bytes == expected);
      QVERIFY(ReadCarriedContent(report.bytes).date == (CalendarDate{2024, 2, 29}));
      QVERIFY(IsGoodTransfer(report));
      QCOMPARE(controller.Read(), kPortRestLevel);
      QCOMPARE(err.Text(), "Scheduling: real-time\n" + FormatTransferReport(report));
    }
  }

  // Only a date the picker itself cannot offer makes the patch fail; nothing is sent then.
  void AnImageThatCannotBeBuiltIsReportedAndNothingSent() {
    auto algorithm = test::LoadExample();
    QVERIFY(algorithm);
    FakeClock clock(kFrequency);
    FakeScheduler scheduler;
    RecordingPort port(clock);
    test::MessageBoxRecorder recorder;
    ModalDriver driver;
    driver
        .Then([](CDialog& dialog) {
          static_cast<CDateDlg&>(dialog).date = QDateTime(QDate(1969, 12, 31), QTime(12, 0));
          dialog.EndDialog(kIdOk);
        })
        .Then(Press(1));
    QWidget owner;
    RunWriteSequence({port, clock, scheduler}, *algorithm, &owner);
    QCOMPARE(driver.seen, (std::vector<int>{kDate, kPrepare}));
    QCOMPARE(recorder.boxes.size(), std::size_t{1});
    QCOMPARE(recorder.boxes[0].text, QStringLiteral("Не могу создать образ прошивки"));
    QCOMPARE(recorder.boxes[0].icon, MessageIcon::kError);
    QCOMPARE(recorder.boxes[0].parent, &owner);
    QCOMPARE(port.writes.size(), std::size_t{1});  // the rest level before the dialogs
  }

  void APortThatFailsMidWriteIsReported() {
    auto algorithm = test::LoadExample();
    QVERIFY(algorithm);
    FakeClock clock(kFrequency, 250);
    FakeScheduler scheduler;
    RecordingPort port(clock);
    port.failAfter = 1 + 24 * 10;  // the rest level, then ten bytes of 24 writes
    test::MessageBoxRecorder recorder;
    ModalDriver driver;
    driver.Then(AcceptDate(QDate(2030, 1, 1))).Then(Press(1));
    RunWriteSequence({port, clock, scheduler}, *algorithm, nullptr);
    QCOMPARE(driver.seen, (std::vector<int>{kDate, kPrepare, kWrite}));
    QCOMPARE(recorder.boxes.size(), std::size_t{1});
    QCOMPARE(recorder.boxes[0].icon, MessageIcon::kError);
    QCOMPARE(recorder.boxes[0].text,
             QStringLiteral("Запись прервана. Запись в порт /dev/parport0 не удалась: не отключён "
                            "ли порт или его модуль ядра?\nПрибор получил 9 байт из 5120. "
                            "Запишите алгоритм ещё раз."));
    QCOMPARE(port.writes.back().value, kPortRestLevel);
    // The rest level only after the controller has had its 100 ms to settle.
    QVERIFY(port.writes.back().time - port.writes[port.writes.size() - 2].time >= kSettleTicks);
  }
};

// The date field through the picker: only dates an image can carry, the time of day kept.
class DateDlgTest : public QObject {
  Q_OBJECT

 private slots:
  void PickerChangesOnlyTheDateWithinTheWritableRange_data() {
    QTest::addColumn<QDate>("typed");
    QTest::addColumn<QDate>("read");
    QTest::newRow("inside") << QDate(2041, 1, 2) << QDate(2041, 1, 2);
    QTest::newRow("first") << QDate(1970, 1, 1) << QDate(1970, 1, 1);
    QTest::newRow("before 1970") << QDate(1969, 12, 31) << QDate(1970, 1, 1);
    QTest::newRow("past the century") << QDate(2070, 1, 1) << QDate(2069, 12, 31);
  }
  void PickerChangesOnlyTheDateWithinTheWritableRange() {
    QFETCH(QDate, typed);
    QFETCH(QDate, read);
    CDateDlg dialog;
    const QTime time(13, 14, 15);
    dialog.date = QDateTime(QDate(2040, 5, 6), time);
    QVERIFY(dialog.Create());
    QCOMPARE(test::Picker(dialog)->date(), QDate(2040, 5, 6));
    test::Picker(dialog)->setDate(typed);
    QVERIFY(dialog.UpdateData(true));
    QCOMPARE(dialog.date, QDateTime(read, time));
  }
};

}  // namespace
}  // namespace lunda

int RunWriteSequenceTests(int argc, char** argv) {
  lunda::WriteSequenceTest test;
  return QTest::qExec(&test, argc, argv);
}

int RunDateDlgTests(int argc, char** argv) {
  lunda::DateDlgTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "write_sequence_test.moc"
