// Writes in a row through the progress dialog: every one arrives whole, and none leaves a thread
// or a descriptor behind. bench_write_soak runs a thousand and reports the memory.
#include "write_soak.h"

#include <QTest>

#include "write_test_support.h"

namespace lunda {
namespace {

constexpr int kWrites = 20;

class WriteSoakTest : public QObject {
  Q_OBJECT

 private slots:
  void WritesInARowLeaveNothingBehind() {
    auto algorithm = test::LoadExample();
    QVERIFY(algorithm);
    test::WriteSoak soak(*algorithm);
    // The first write makes what stays for the process's life: the dialog's fonts and style.
    QVERIFY(soak.WriteOnce());
    const test::ProcessFigures before = test::ReadProcessFigures();
    for (int i = 0; i < kWrites; ++i) QVERIFY2(soak.WriteOnce(), qPrintable(QString::number(i)));
    const test::ProcessFigures after = test::ReadProcessFigures();
    QCOMPARE(after.threads, before.threads);
    QCOMPARE(after.descriptors, before.descriptors);
  }
};

}  // namespace
}  // namespace lunda

int RunWriteSoakTests(int argc, char** argv) {
  lunda::WriteSoakTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "write_soak_test.moc"
