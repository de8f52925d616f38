// The page "Общие": thresholds shown and typed, prompts, spins, the current kind, a page change.
#include <QRadioButton>
#include <QToolButton>
#include <bitset>

#include "gui/framework/up_down.h"
#include "params_test_support.h"

namespace lunda {
namespace {

using test::MessageBoxRecorder;
using test::RunSheet;
using test::Sheet;

constexpr int kEdit1 = 1020;
constexpr int kEdit2 = 1021;
constexpr int kBinary1 = 1030;
constexpr int kSpin1 = 1500;

QString Binary(int code) { return QString::fromStdString(std::bitset<8>(code).to_string()); }

CUpDown* Spin(const Sheet& s, int k) { return qobject_cast<CUpDown*>(s.Control(0, kSpin1 + k)); }

void ClickArrow(const Sheet& s, int k, Qt::ArrowType arrow) {
  for (QToolButton* button : Spin(s, k)->findChildren<QToolButton*>()) {
    if (button->arrowType() == arrow) QTest::mouseClick(button, Qt::LeftButton);
  }
}

class CommonPageTest : public QObject {
  Q_OBJECT

 private slots:
  // Each stored code is shown, and typing the shown text reads the same code back; typed volts
  // snap up to the next code; a refused text leaves the stored value in place.
  void ThresholdsShownAndTyped_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("prompt");  // empty: no box
    const std::pair<int, const char*> stored[] = {
        {0, "0"},      {1, "0.01"},   {2, "0.03"},  {26, "0.5"},   {51, "1"},     {77, "1.5"},
        {100, "1.96"}, {127, "2.49"}, {128, "2.5"}, {169, "3.31"}, {254, "4.98"}, {255, "5"}};
    for (const auto& [code, shown] : stored) {
      QTest::addRow("stored %d", code) << code << shown << code << shown << QString();
    }
    QTest::newRow("2.5") << 127 << "2.5" << 128 << "2.5" << QString();
    QTest::newRow("3.3") << 127 << "3.3" << 169 << "3.31" << QString();
    QTest::newRow("1.95") << 127 << "1.95" << 100 << "1.96" << QString();
    QTest::newRow("0.02") << 127 << "0.02" << 2 << "0.03" << QString();
    QTest::newRow("0.005") << 127 << "0.005" << 1 << "0.01" << QString();
    QTest::newRow("4.99") << 127 << "4.99" << 255 << "5" << QString();
    QTest::newRow("7") << 127 << "7" << 255 << "5" << QString();
    QTest::newRow("-1") << 127 << "-1" << 0 << "0" << QString();
    QTest::newRow("blanks and exponent") << 127 << " 2.5e0 " << 128 << "2.5" << QString();
    QTest::newRow("comma") << 127 << "2,5" << 127 << "2.49"
                           << "Please enter a number.";
  }
  void ThresholdsShownAndTyped() {
    QFETCH(int, stored);
    QFETCH(QString, typed);
    QFETCH(int, code);
    QFETCH(QString, shown);
    QFETCH(QString, prompt);
    auto algorithm = test::Example();
    algorithm->current.thresholds.fill(static_cast<std::uint8_t>(stored));
    MessageBoxRecorder boxes;
    RunSheet(*algorithm, [&](const Sheet& s) {
      if (code == stored) {
        QCOMPARE(s.Text(0, kEdit1 + 3), shown);
        QCOMPARE(s.Text(0, kBinary1 + 3), Binary(code));
      }
      s.Type(0, kEdit1, typed);
      s.Tab();
      QCOMPARE(boxes.boxes.size(), std::size_t{prompt.isEmpty() ? 0u : 1u});
      if (!prompt.isEmpty()) QCOMPARE(boxes.boxes[0].text, prompt);
      QCOMPARE(s.FocusId(0), prompt.isEmpty() ? kEdit2 : kEdit1);
      QCOMPARE(s.Text(0, kEdit1), shown);
      QCOMPARE(s.Text(0, kBinary1), Binary(code));
      QCOMPARE(Spin(s, 0)->Pos(), code);
      QCOMPARE(s.ApplyEnabled(), code != stored);
      s.ClickButton(kIdOk);
      QVERIFY(!s.sheet.isVisible());
    });
    QCOMPARE(algorithm->current.thresholds[0], code);
  }

  void SpinStepsOneCodeAndStopsAtTheEnds_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("typed");  // before the click; the spin steps from the stored code
    QTest::addColumn<int>("arrow");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("shown");
    QTest::newRow("up") << 127 << "" << int(Qt::UpArrow) << 128 << "2.5";
    QTest::newRow("down") << 127 << "" << int(Qt::DownArrow) << 126 << "2.47";
    QTest::newRow("up at 255") << 255 << "" << int(Qt::UpArrow) << 255 << "5";
    QTest::newRow("down at 0") << 0 << "" << int(Qt::DownArrow) << 0 << "0";
    QTest::newRow("after typing") << 127 << "3.3" << int(Qt::UpArrow) << 128 << "2.5";
  }
  void SpinStepsOneCodeAndStopsAtTheEnds() {
    QFETCH(int, stored);
    QFETCH(QString, typed);
    QFETCH(int, arrow);
    QFETCH(int, code);
    QFETCH(QString, shown);
    auto algorithm = test::Example();
    algorithm->current.thresholds[1] = static_cast<std::uint8_t>(stored);
    RunSheet(*algorithm, [&](const Sheet& s) {
      if (!typed.isEmpty()) s.Type(0, kEdit2, typed);
      ClickArrow(s, 1, static_cast<Qt::ArrowType>(arrow));
      if (!typed.isEmpty()) QCOMPARE(s.FocusId(0), kEdit2);
      QCOMPARE(s.Text(0, kEdit2), shown);
      QCOMPARE(s.Text(0, kBinary1 + 1), Binary(code));
      QCOMPARE(s.ApplyEnabled(), code != stored);
      s.ClickButton(kIdOk);
    });
    QCOMPARE(algorithm->current.thresholds[1], code);
  }

  // The sheet opens with the focus entering the first threshold field, which rereads the page.
  void CurrentKindOutsideTheRadiosIsWrittenAsAlternating() {
    auto algorithm = test::Example();
    algorithm->current.sensorCurrent = 2;
    RunSheet(*algorithm, [&](const Sheet& s) {
      QVERIFY(!s.Page(0)->Control<QRadioButton>(1012)->isChecked());
      QVERIFY(!s.Page(0)->Control<QRadioButton>(1013)->isChecked());
      QVERIFY(s.ApplyEnabled());
      s.ClickButton(kIdOk);
    });
    QCOMPARE(algorithm->current.sensorCurrent, 1);
    QCOMPARE(algorithm->current.thresholds, algorithm->defaults.thresholds);
  }

  // The page change keeps the value as read; the next reread snaps it.
  void PageChangeKeepsTheValueAsReadUntilTheNextReread() {
    auto algorithm = test::Example();
    RunSheet(*algorithm, [&](const Sheet& s) {
      s.Type(0, kEdit1, QStringLiteral("2.5695"));
      s.ClickTab(1);
      QCOMPARE(s.sheet.GetActiveIndex(), 1);
      s.ClickTab(0);
      QCOMPARE(s.Text(0, kBinary1), Binary(132));
      QCOMPARE(s.Text(0, kEdit1), QStringLiteral("2.56"));
      s.Click(s.Edit(0, kEdit2));
      QCOMPARE(s.Text(0, kBinary1), Binary(131));
      s.ClickButton(kIdOk);
    });
    QCOMPARE(algorithm->current.thresholds[0], 131);
  }
};

}  // namespace
}  // namespace lunda

int RunCommonPageTests(int argc, char** argv) {
  lunda::CommonPageTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "common_page_test.moc"
