// The pages "Канал 1".."Канал 3": rows, disabled rows, typed values, units.
#include <QAbstractItemView>
#include <QComboBox>

#include "params_test_support.h"

namespace lunda {
namespace {

using test::MessageBoxRecorder;
using test::RunSheet;
using test::Sheet;

constexpr int kValue = 1100;
constexpr int kUnit = 1200;
constexpr int kPurpose = 1300;
constexpr int kLabel = 1400;

QComboBox* Unit(const Sheet& s, int page, int row) {
  return s.Page(page)->Control<QComboBox>(kUnit + row);
}

class ChannelPageTest : public QObject {
  Q_OBJECT

 private slots:
  void RowsComeFromTheChannelsShare_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("firstDelay");
    QTest::newRow("Канал 1") << 1 << 0;
    QTest::newRow("Канал 2") << 2 << 12;
    QTest::newRow("Канал 3") << 3 << 24;
  }
  void RowsComeFromTheChannelsShare() {
    QFETCH(int, page);
    QFETCH(int, firstDelay);
    auto algorithm = test::Example();
    algorithm->current.delays[firstDelay] = 0xC5;       // 5 days
    algorithm->current.delays[firstDelay + 11] = 0x7F;  // 63 minutes
    algorithm->purposes[firstDelay + 1] += std::string(200, '.');
    RunSheet(*algorithm, [&](const Sheet& s) {
      s.ClickTab(page);
      QCOMPARE(s.Text(page, kPurpose), QStringLiteral("Цель %1").arg(firstDelay + 1));
      QCOMPARE(s.Edit(page, kPurpose + 1)->cursorPosition(), 0);  // the start of a long purpose
      QCOMPARE(s.Text(page, kLabel), QStringLiteral("T%1").arg(firstDelay + 1));
      QCOMPARE(s.Text(page, kLabel + 11), QStringLiteral("T%1").arg(firstDelay + 12));
      QCOMPARE(s.Text(page, kValue), QStringLiteral("5"));
      QCOMPARE(Unit(s, page, 0)->currentText(), QStringLiteral("сут."));
      QCOMPARE(s.Text(page, kValue + 5), QString::number(firstDelay + 5));
      QCOMPARE(Unit(s, page, 5)->currentText(), QStringLiteral("сек."));
      QCOMPARE(s.Text(page, kValue + 11), QStringLiteral("63"));
      QCOMPARE(Unit(s, page, 11)->currentText(), QStringLiteral("мин."));
      s.ClickButton(kIdOk);
    });
    QCOMPARE(algorithm->current.delays[firstDelay], 0xC5);
    QCOMPARE(algorithm->current.delays[firstDelay + 11], 0x7F);
  }

  void RowsNotInUseAreDisabledByExactText_data() {
    QTest::addColumn<QString>("purpose");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("not used") << "Не используется" << false;
    QTest::newRow("always zero") << "Всегда 0" << false;
    QTest::newRow("trailing blank") << "Не используется " << true;
    QTest::newRow("other case") << "не используется" << true;
    QTest::newRow("missing") << "" << true;
  }
  void RowsNotInUseAreDisabledByExactText() {
    QFETCH(QString, purpose);
    QFETCH(bool, enabled);
    auto algorithm = test::Example();
    algorithm->purposes[3] = Utf8ToCp1251(purpose.toStdString());
    algorithm->current.delays[3] = 0x87;  // 7 hours
    RunSheet(*algorithm, [&](const Sheet& s) {
      s.ClickTab(1);
      QCOMPARE(s.Control(1, kValue + 3)->isEnabled(), enabled);
      QCOMPARE(s.Control(1, kUnit + 3)->isEnabled(), enabled);
      QCOMPARE(s.Text(1, kValue + 3), QStringLiteral("7"));
      QCOMPARE(Unit(s, 1, 3)->currentText(), QStringLiteral("час."));
      s.Click(s.Edit(1, kValue + 4));
      s.ClickButton(kIdOk);
    });
    QCOMPARE(algorithm->current.delays[3], 0x87);
  }

  void TypedValues_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("prompt");  // empty: no box
    QTest::addColumn<QString>("shown");   // in the row once the focus has moved on
    QTest::addColumn<int>("next");        // the control clicked after typing
    const QString positive = QStringLiteral("Please enter a positive integer.");
    QTest::newRow("in range") << "63" << QString() << "63" << kValue + 3;
    QTest::newRow("blanks around") << " 7 " << QString() << "7" << kValue + 3;
    // The click that gave the unit list the focus must not open its drop-down behind the box.
    QTest::newRow("64") << "64"
                        << "Please enter an integer between 0 and 63."
                        << "64" << kUnit + 3;
    QTest::newRow("-3") << "-3" << positive << "2" << kValue + 3;
    QTest::newRow("between blanks") << "1 2" << positive << "2" << kValue + 3;
  }
  void TypedValues() {
    QFETCH(QString, typed);
    QFETCH(QString, prompt);
    QFETCH(QString, shown);
    QFETCH(int, next);
    auto algorithm = test::Example();
    algorithm->current.delays[2] = 2;
    MessageBoxRecorder boxes;
    RunSheet(*algorithm, [&](const Sheet& s) {
      s.ClickTab(1);
      s.Type(1, kValue + 2, typed);
      s.Click(s.Control(1, next));
      QCOMPARE(s.Text(1, kValue + 2), shown);
      QVERIFY(!Unit(s, 1, 3)->view()->isVisible());
      if (prompt.isEmpty()) {
        QVERIFY(boxes.boxes.empty());
        QCOMPARE(s.FocusId(1), next);
        QCOMPARE(s.ApplyEnabled(), shown != QStringLiteral("2"));
        s.ClickButton(kIdOk);
        QVERIFY(!s.sheet.isVisible());
        return;
      }
      QCOMPARE(boxes.boxes.size(), std::size_t{1});
      QCOMPARE(boxes.boxes[0].text, prompt);
      QCOMPARE(s.FocusId(1), kValue + 2);
      QCOMPARE(s.Edit(1, kValue + 2)->selectedText(), shown);
      s.Type(1, kValue + 2, QStringLiteral("11"));
      s.ClickButton(kIdOk);
      QVERIFY(!s.sheet.isVisible());
    });
    const int stored = prompt.isEmpty() ? shown.toInt() : 11;
    QCOMPARE(algorithm->current.delays[2], stored);
  }

  void UnitChangeAloneIsWrittenAndEnablesApplyOnTheNextEntry() {
    auto algorithm = test::Example();
    RunSheet(*algorithm, [&](const Sheet& s) {
      s.ClickTab(1);
      s.Click(s.Edit(1, kValue + 11));
      s.Tab();
      QCOMPARE(s.FocusId(1), kUnit + 1);
      QTest::keyClick(Unit(s, 1, 1), Qt::Key_Down);
      QCOMPARE(Unit(s, 1, 1)->currentText(), QStringLiteral("мин."));
      QVERIFY(!s.ApplyEnabled());
      s.Tab();
      QCOMPARE(s.FocusId(1), kUnit + 2);
      QVERIFY(s.ApplyEnabled());
      s.ClickButton(kIdOk);
    });
    QCOMPARE(algorithm->current.delays[1], 0x41);
  }
};

}  // namespace
}  // namespace lunda

int RunChannelPageTests(int argc, char** argv) {
  lunda::ChannelPageTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "channel_page_test.moc"
