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
constexpr int kStartDelay = 1011;
constexpr int kDirect = 1012;
constexpr int kAlternating = 1013;

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
    QTest::addColumn<int>("press");      // an arrow of the spin, or an arrow key in the field
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("shown");
    QTest::newRow("up") << 127 << "" << int(Qt::UpArrow) << 128 << "2.5";
    QTest::newRow("down") << 127 << "" << int(Qt::DownArrow) << 126 << "2.47";
    QTest::newRow("up at 255") << 255 << "" << int(Qt::UpArrow) << 255 << "5";
    QTest::newRow("down at 0") << 0 << "" << int(Qt::DownArrow) << 0 << "0";
    QTest::newRow("after typing") << 127 << "3.3" << int(Qt::UpArrow) << 128 << "2.5";
    QTest::newRow("Up key") << 127 << "" << int(Qt::Key_Up) << 128 << "2.5";
    QTest::newRow("Down key") << 127 << "" << int(Qt::Key_Down) << 126 << "2.47";
  }
  void SpinStepsOneCodeAndStopsAtTheEnds() {
    QFETCH(int, stored);
    QFETCH(QString, typed);
    QFETCH(int, press);
    QFETCH(int, code);
    QFETCH(QString, shown);
    auto algorithm = test::Example();
    algorithm->current.thresholds[1] = static_cast<std::uint8_t>(stored);
    RunSheet(*algorithm, [&](const Sheet& s) {
      if (!typed.isEmpty()) s.Type(0, kEdit2, typed);
      if (press == Qt::Key_Up || press == Qt::Key_Down) {
        s.Click(s.Edit(0, kEdit2));
        QTest::keyClick(s.Edit(0, kEdit2), Qt::Key(press));
      } else {
        ClickArrow(s, 1, static_cast<Qt::ArrowType>(press));
      }
      if (!typed.isEmpty()) QCOMPARE(s.FocusId(0), kEdit2);
      QCOMPARE(s.Text(0, kEdit2), shown);
      QCOMPARE(s.Text(0, kBinary1 + 1), Binary(code));
      QCOMPARE(s.ApplyEnabled(), code != stored);
      s.ClickButton(kIdOk);
    });
    QCOMPARE(algorithm->current.thresholds[1], code);
  }

  // A radio click rereads the page, snapping the typed threshold; OK writes the kind the radios
  // show. A stored kind outside them checks neither and is written as alternating: the sheet
  // opens with the focus entering the first threshold field, whose reread reports the change.
  void RadioClickRereadsAndOkWritesTheKind_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("radio");  // clicked after typing 3.3; 0: nothing clicked
    QTest::addColumn<int>("written");
    QTest::newRow("to alternating") << 0 << kAlternating << 1;
    QTest::newRow("to direct") << 1 << kDirect << 0;
    QTest::newRow("neither checked") << 2 << 0 << 1;
  }
  void RadioClickRereadsAndOkWritesTheKind() {
    QFETCH(int, stored);
    QFETCH(int, radio);
    QFETCH(int, written);
    auto algorithm = test::Example();
    algorithm->current.sensorCurrent = stored;
    RunSheet(*algorithm, [&](const Sheet& s) {
      QCOMPARE(s.Page(0)->Control<QRadioButton>(kDirect)->isChecked(), stored == 0);
      QCOMPARE(s.Page(0)->Control<QRadioButton>(kAlternating)->isChecked(), stored == 1);
      if (radio != 0) {
        s.Type(0, kEdit1, QStringLiteral("3.3"));
        s.Click(s.Control(0, radio));
        QCOMPARE(s.Text(0, kEdit1), QStringLiteral("3.31"));
      }
      QVERIFY(s.ApplyEnabled());
      s.ClickButton(kIdOk);
    });
    QCOMPARE(algorithm->current.sensorCurrent, written);
  }

  void StartDelayTakesBytesOnly_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("stored");  // -1: refused, and the field shows the 16 s held before
    QTest::newRow("255") << "255" << 255;
    QTest::newRow("blanks around") << " 7\t" << 7;
    QTest::newRow("256") << "256" << -1;
    QTest::newRow("plus sign") << "+5" << -1;
    QTest::newRow("minus sign") << "-1" << -1;
    QTest::newRow("empty") << "" << -1;
  }
  void StartDelayTakesBytesOnly() {
    QFETCH(QString, typed);
    QFETCH(int, stored);
    auto algorithm = test::Example();
    MessageBoxRecorder boxes;
    RunSheet(*algorithm, [&](const Sheet& s) {
      s.Type(0, kStartDelay, typed);
      s.Click(s.Edit(0, kEdit1));
      QCOMPARE(boxes.boxes.size(), std::size_t{stored < 0 ? 1u : 0u});
      if (stored < 0) {
        QCOMPARE(boxes.boxes[0].text, QStringLiteral("Please enter an integer between 0 and 255."));
        QCOMPARE(s.FocusId(0), kStartDelay);
        QCOMPARE(s.Edit(0, kStartDelay)->selectedText(), QStringLiteral("16"));
      }
      s.ClickButton(kIdOk);
    });
    QCOMPARE(algorithm->current.startDelay, stored < 0 ? 16 : stored);
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
