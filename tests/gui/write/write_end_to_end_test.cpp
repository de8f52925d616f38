// "Запись" in the real main window on the example data, received by the simulated controller.
#include <QListWidget>
#include <QTest>

#include "algorithm/catalogue.h"
#include "device/simulated_controller.h"
#include "gui/ui/main_dlg.h"
#include "gui/write/write_sequence.h"
#include "tests/device/fake_clock.h"
#include "tests/device/fake_scheduler.h"
#include "write_test_support.h"

namespace lunda {
namespace {

using test::ModalDriver;

class WriteEndToEndTest : public QObject {
  Q_OBJECT

 private slots:
  void TheControllerReceivesTheImageThatLundaCliImageMakes() {
    AlgorithmCatalogue catalogue;
    QVERIFY(ScanCatalogue(test::kExamples, catalogue));
    constexpr int kRow = 1;
    const QDate picked(2029, 6, 30);
    FakeClock clock(10'000'000, 250);
    SimulatedController controller(clock);
    FakeScheduler scheduler;
    const WriteEnvironment environment{controller, clock, scheduler, &controller};
    MainWindowCommands commands;
    commands.write = [&environment](CAlgorithm& algorithm, QWidget* owner) {
      RunWriteSequence(environment, algorithm, owner);
    };
    CMainDlg window(catalogue, commands, [](std::uint32_t) {});

    ModalDriver driver;
    driver
        .Then([](CDialog& main) {
          main.Control<QListWidget>(kIdAlgorithmList)->setCurrentRow(kRow);
          // Later, so that the driver is free to answer the dialogs the write opens.
          QTimer::singleShot(0, &main, [&main] { test::Click(main, kIdOk); });
        })
        .Then(test::AcceptDate(picked))
        .Then(test::Press(kIdOk))
        .Then([](CDialog&) {})
        .Then([](CDialog& main) { main.EndDialog(kIdCancel); });
    test::StderrCapture err;
    window.DoModal();
    QVERIFY(driver.Done());

    AlgorithmCatalogue fresh;
    QVERIFY(ScanCatalogue(test::kExamples, fresh));
    CAlgorithm& expected = *fresh[kRow];
    QVERIFY(expected.PatchImage({picked.year(), picked.month(), picked.day()}));
    const TransferReport report = controller.Report();
    QCOMPARE(report.bytes.size(), std::size_t{expected.imageSize});
    QVERIFY(std::equal(report.bytes.begin(), report.bytes.end(), expected.image.begin()));
    QVERIFY(IsGoodTransfer(report));
    QVERIFY(QString::fromStdString(err.Text())
                .contains(QString::fromStdString(FormatTransferReport(report))));
  }
};

}  // namespace
}  // namespace lunda

int RunWriteEndToEndTests(int argc, char** argv) {
  lunda::WriteEndToEndTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "write_end_to_end_test.moc"
