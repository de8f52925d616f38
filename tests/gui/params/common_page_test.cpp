// The page "Общие": thresholds shown and typed, spins, prompts, the current kind, apply.
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
constexpr int kDelayEdit = 1011;
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
  void ShowsStoredCodes_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("shown");
    const std::pair<int, const char*> rows[] = {
        {0, "0"},      {1, "0.01"},   {2, "0.03"},  {26, "0.5"},   {51, "1"},     {77, "1.5"},
        {100, "1.96"}, {127, "2.49"}, {128, "2.5"}, {169, "3.31"}, {254, "4.98"}, {255, "5"}};
    for (const auto& [code, shown] : rows) {
      QTest::addRow("%d", code) << code << QString::fromLatin1(shown);
    }
  }
  void ShowsStoredCodes() {
    QFETCH(int, code);
    QFETCH(QString, shown);
    CAlgorithm algorithm;
    test::FillAlgorithm(algorithm);
    algorithm.current.thresholds.fill(static_cast<std::uint8_t>(code));
    RunSheet(algorithm, [&](const Sheet& s) {
      for (int i = 0; i < kThresholdCount; ++i) {
        QCOMPARE(s.Text(0, kEdit1 + i), shown);
        QCOMPARE(s.Text(0, kBinary1 + i), Binary(code));
      }
      QCOMPARE(s.Text(0, kDelayEdit), QStringLiteral("16"));
      QVERIFY(s.Page(0)->Control<QRadioButton>(1012)->isChecked());
      // Reading the shown value back and snapping it gives the same code.
      s.Click(s.Edit(0, kEdit2));
      QCOMPARE(s.Text(0, kEdit1), shown);
      QVERIFY(!s.ApplyEnabled());
      s.ClickButton(kIdOk);
    });
    QCOMPARE(algorithm.current.thresholds[0], code);
  }

  void TypedVoltsSnapUpToACode_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("shown");
    QTest::newRow("2.5") << "2.5" << 128 << "2.5";
    QTest::newRow("3.3") << "3.3" << 169 << "3.31";
    QTest::newRow("1.95") << "1.95" << 100 << "1.96";
    QTest::newRow("0.02") << "0.02" << 2 << "0.03";
    QTest::newRow("0.005") << "0.005" << 1 << "0.01";
    QTest::newRow("4.99") << "4.99" << 255 << "5";
    QTest::newRow("7") << "7" << 255 << "5";
    QTest::newRow("-1") << "-1" << 0 << "0";
    QTest::newRow("0") << "0" << 0 << "0";
    QTest::newRow("blanks and exponent") << " \t2.5e0 " << 128 << "2.5";
    QTest::newRow("stored value") << "2.49" << 127 << "2.49";
  }
  void TypedVoltsSnapUpToACode() {
    QFETCH(QString, typed);
    QFETCH(int, code);
    QFETCH(QString, shown);
    CAlgorithm algorithm;
    test::FillAlgorithm(algorithm);
    RunSheet(algorithm, [&](const Sheet& s) {
      s.Type(0, kEdit1, typed);
      s.Tab();
      QCOMPARE(s.FocusId(0), kEdit2);
      QCOMPARE(s.Text(0, kEdit1), shown);
      QCOMPARE(s.Text(0, kBinary1), Binary(code));
      QCOMPARE(Spin(s, 0)->Pos(), code);
      QCOMPARE(s.ApplyEnabled(), code != 127);
      s.ClickButton(kIdOk);
    });
    QCOMPARE(algorithm.current.thresholds[0], code);
  }

  void BadFieldsPromptAndKeepTheirValue_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("kept");
    const QString number = QStringLiteral("Please enter a number.");
    const QString byte = QStringLiteral("Please enter an integer between 0 and 255.");
    QTest::newRow("comma") << kEdit1 << "2,5" << number << "2.49";
    QTest::newRow("letters") << kEdit1 << "abc" << number << "2.49";
    QTest::newRow("empty") << kEdit1 << "" << number << "2.49";
    QTest::newRow("zero not starting with 0") << kEdit1 << ".0" << number << "2.49";
    QTest::newRow("delay above 255") << kDelayEdit << "256" << byte << "16";
    QTest::newRow("negative delay") << kDelayEdit << "-1" << byte << "16";
    QTest::newRow("fractional delay") << kDelayEdit << "1.5" << byte << "16";
  }
  void BadFieldsPromptAndKeepTheirValue() {
    QFETCH(int, field);
    QFETCH(QString, typed);
    QFETCH(QString, prompt);
    QFETCH(QString, kept);
    CAlgorithm algorithm;
    test::FillAlgorithm(algorithm);
    MessageBoxRecorder boxes;
    RunSheet(algorithm, [&](const Sheet& s) {
      s.Type(0, field, typed);
      s.Click(s.Edit(0, kEdit2 + 1));
      QCOMPARE(boxes.boxes.size(), std::size_t{1});
      QCOMPARE(boxes.boxes[0].text, prompt);
      QCOMPARE(boxes.boxes[0].icon, MessageIcon::kWarning);
      QCOMPARE(boxes.boxes[0].caption, ApplicationTitle());
      QCOMPARE(s.FocusId(0), field);
      QCOMPARE(s.Text(0, field), kept);
      QCOMPARE(s.Edit(0, field)->selectedText(), kept);
      QVERIFY(!s.ApplyEnabled());
      // Typed again and left by OK, the same text is refused and the sheet stays open.
      s.Type(0, field, typed);
      s.ClickButton(kIdOk);
      QCOMPARE(boxes.boxes.size(), std::size_t{2});
      QVERIFY(s.sheet.isVisible());
      QCOMPARE(s.FocusId(0), field);
      s.Type(0, field, field == kEdit1 ? QStringLiteral("2.5") : QStringLiteral("3"));
      s.ClickButton(kIdOk);
      QVERIFY(!s.sheet.isVisible());
    });
    QCOMPARE(algorithm.current.thresholds[0], field == kEdit1 ? 128 : 127);
    QCOMPARE(algorithm.current.startDelay, field == kEdit1 ? 16 : 3);
  }

  void SpinStepsOneCodeAndStopsAtTheEnds_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("arrow");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("shown");
    QTest::newRow("up") << 127 << int(Qt::UpArrow) << 128 << "2.5";
    QTest::newRow("down") << 127 << int(Qt::DownArrow) << 126 << "2.47";
    QTest::newRow("up at 255") << 255 << int(Qt::UpArrow) << 255 << "5";
    QTest::newRow("down at 0") << 0 << int(Qt::DownArrow) << 0 << "0";
  }
  void SpinStepsOneCodeAndStopsAtTheEnds() {
    QFETCH(int, stored);
    QFETCH(int, arrow);
    QFETCH(int, code);
    QFETCH(QString, shown);
    CAlgorithm algorithm;
    test::FillAlgorithm(algorithm);
    algorithm.current.thresholds[1] = static_cast<std::uint8_t>(stored);
    RunSheet(algorithm, [&](const Sheet& s) {
      ClickArrow(s, 1, static_cast<Qt::ArrowType>(arrow));
      QCOMPARE(s.Text(0, kEdit2), shown);
      QCOMPARE(s.Text(0, kBinary1 + 1), Binary(code));
      QCOMPARE(s.ApplyEnabled(), code != stored);
      s.ClickButton(kIdOk);
    });
    QCOMPARE(algorithm.current.thresholds[1], code);
  }

  void UpArrowKeyInTheFieldStepsItsSpin() {
    CAlgorithm algorithm;
    test::FillAlgorithm(algorithm);
    RunSheet(algorithm, [&](const Sheet& s) {
      s.Click(s.Edit(0, kEdit1));
      QTest::keyClick(s.Edit(0, kEdit1), Qt::Key_Up);
      QTest::keyClick(s.Edit(0, kEdit1), Qt::Key_Up);
      QCOMPARE(s.Text(0, kEdit1), QStringLiteral("2.52"));
      s.ClickButton(kIdOk);
    });
    QCOMPARE(algorithm.current.thresholds[0], 129);
  }

  void SpinAfterTypingStepsFromTheLastSnappedCode() {
    CAlgorithm algorithm;
    test::FillAlgorithm(algorithm);
    RunSheet(algorithm, [&](const Sheet& s) {
      s.Type(0, kEdit1, QStringLiteral("3.3"));
      ClickArrow(s, 0, Qt::UpArrow);
      QCOMPARE(s.Text(0, kEdit1), QStringLiteral("2.5"));
      QCOMPARE(s.Text(0, kBinary1), Binary(128));
      QCOMPARE(s.FocusId(0), kEdit1);
      s.ClickButton(kIdOk);
    });
    QCOMPARE(algorithm.current.thresholds[0], 128);
  }

  // The sheet opens with the focus entering the first threshold field, which rereads the page.
  void CurrentKindOutsideTheRadiosIsWrittenAsAlternating() {
    CAlgorithm algorithm;
    test::FillAlgorithm(algorithm);
    algorithm.current.sensorCurrent = 2;
    RunSheet(algorithm, [&](const Sheet& s) {
      QVERIFY(!s.Page(0)->Control<QRadioButton>(1012)->isChecked());
      QVERIFY(!s.Page(0)->Control<QRadioButton>(1013)->isChecked());
      QVERIFY(s.ApplyEnabled());
      s.ClickButton(kIdOk);
    });
    QCOMPARE(algorithm.current.sensorCurrent, 1);
    QCOMPARE(algorithm.current.thresholds, algorithm.defaults.thresholds);
  }

  void RadioClickRereadsAndIsApplied() {
    CAlgorithm algorithm;
    test::FillAlgorithm(algorithm);
    RunSheet(algorithm, [&](const Sheet& s) {
      s.Click(s.Control(0, 1013));
      QVERIFY(s.ApplyEnabled());
      s.Click(s.Control(0, 1012));
      QVERIFY(!s.ApplyEnabled());
      s.Click(s.Control(0, 1013));
      s.ClickButton(kIdApplyNow);
      QVERIFY(!s.ApplyEnabled());
      QCOMPARE(algorithm.current.sensorCurrent, 1);
    });
  }

  void PageChangeKeepsTheValueAsReadUntilTheNextReread() {
    CAlgorithm algorithm;
    test::FillAlgorithm(algorithm);
    RunSheet(algorithm, [&](const Sheet& s) {
      s.Type(0, kEdit1, QStringLiteral("2.5695"));
      s.ClickTab(1);
      QCOMPARE(s.sheet.GetActiveIndex(), 1);
      s.ClickTab(0);
      QCOMPARE(s.Text(0, kBinary1), Binary(132));
      QCOMPARE(s.Text(0, kEdit1), QStringLiteral("2.56"));
      s.ClickButton(kIdOk);
    });
    QCOMPARE(algorithm.current.thresholds[0], 131);
  }

  void SnappedRereadAfterThePageChange() {
    CAlgorithm algorithm;
    test::FillAlgorithm(algorithm);
    RunSheet(algorithm, [&](const Sheet& s) {
      s.Type(0, kEdit1, QStringLiteral("2.5695"));
      s.ClickTab(1);
      s.ClickTab(0);
      s.Click(s.Edit(0, kEdit2));
      QCOMPARE(s.Text(0, kBinary1), Binary(131));
      QCOMPARE(s.Text(0, kEdit1), QStringLiteral("2.56"));
    });
  }

  void ToolTipsAreTheLabels() {
    CAlgorithm algorithm;
    test::FillAlgorithm(algorithm);
    RunSheet(algorithm, [&](const Sheet& s) {
      QCOMPARE(s.ToolTip(0, kEdit1 + 3), QStringLiteral("Порог срабатывания датчика 4"));
      QCOMPARE(s.ToolTip(0, kDelayEdit), QStringLiteral("Задержка запуска работы"));
    });
  }
};

}  // namespace
}  // namespace lunda

int RunCommonPageTests(int argc, char** argv) {
  lunda::CommonPageTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "common_page_test.moc"
