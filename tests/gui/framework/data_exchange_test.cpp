// Data exchange: showing fields, reading them back with the classic prompts, focus-and-select
// on failure, and no notifications from the framework's own writes.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "gui/framework/resources.h"
#include "test_support.h"

namespace lunda {
namespace {

using test::MessageBoxRecorder;
using test::ShowActive;
using test::TestDialog;

// Template 9001 with a byte field in edit 11, for the 0..255 rule.
class ByteDialog : public TestDialog {
 protected:
  void DoDataExchange(DataExchange& dx) override { DDX_Text(dx, 11, byte); }
};

class DataExchangeTest : public QObject {
  Q_OBJECT

 private slots:
  void ReadsAreParsedWithTheClassicPrompts_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("prompt");  // empty: the read succeeds
    const QString number = QStringLiteral("Please enter a number.");
    const QString positive = QStringLiteral("Please enter a positive integer.");
    const QString range = QStringLiteral("Please enter an integer between 0 and 63.");
    QTest::newRow("double") << 10 << "3.3"
                            << "";
    QTest::newRow("double comma") << 10 << "1,5" << number;
    QTest::newRow("double empty") << 10 << "" << number;
    QTest::newRow("double cut at 31 characters") << 10 << QString(31, QLatin1Char('1')) + "x"
                                                 << "";
    QTest::newRow("unsigned") << 11 << "\t63 "
                              << "";
    QTest::newRow("unsigned minus") << 11 << "-1" << positive;
    QTest::newRow("unsigned above range") << 11 << "64" << range;
    QTest::newRow("unsigned overflow") << 11 << "99999999999" << positive;
  }
  void ReadsAreParsedWithTheClassicPrompts() {
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(QString, prompt);
    MessageBoxRecorder boxes;
    TestDialog dialog;
    QVERIFY(dialog.Create());
    QVERIFY(ShowActive(&dialog));
    dialog.SetDlgItemText(field, text);
    QCOMPARE(dialog.UpdateData(true), prompt.isEmpty());
    if (prompt.isEmpty()) {
      QVERIFY(boxes.boxes.empty());
      return;
    }
    QCOMPARE(boxes.boxes.size(), std::size_t{1});
    QCOMPARE(boxes.boxes[0].text, prompt);
    QCOMPARE(boxes.boxes[0].icon, MessageIcon::kWarning);
    QCOMPARE(boxes.boxes[0].caption, ApplicationTitle());
    // The focus is back in the failing field, its whole text selected.
    auto* edit = dialog.Control<QLineEdit>(field);
    QCOMPARE(QApplication::focusWidget(), edit);
    QCOMPARE(edit->selectedText(), text);
  }

  void ByteFieldAcceptsOnlyZeroTo255() {
    const std::pair<const char*, int> cases[] = {{" 255 ", 255}, {"256", -1}, {"-1", -1}};
    for (const auto& [text, value] : cases) {  // -1: refused, the field keeps 9
      MessageBoxRecorder boxes;
      ByteDialog dialog;
      dialog.byte = 9;
      QVERIFY(dialog.Create());
      dialog.SetDlgItemText(11, text);
      QCOMPARE(dialog.UpdateData(true), value >= 0);
      QCOMPARE(int(dialog.byte), value >= 0 ? value : 9);
      if (value < 0) {
        QCOMPARE(boxes.boxes.at(0).text,
                 QStringLiteral("Please enter an integer between 0 and 255."));
      }
    }
  }

  void ReadingStopsAtTheFirstFailure() {
    MessageBoxRecorder boxes;
    TestDialog dialog;
    dialog.number = 1.5;
    dialog.text = QStringLiteral("old");
    QVERIFY(dialog.Create());
    dialog.SetDlgItemText(10, QStringLiteral("x"));
    dialog.SetDlgItemText(12, QStringLiteral("new"));
    QVERIFY(!dialog.UpdateData(true));
    QCOMPARE(dialog.number, 1.5);
    QCOMPARE(dialog.text, QStringLiteral("old"));
    QCOMPARE(boxes.boxes.size(), std::size_t{1});
    // A range failure still keeps the number it read.
    dialog.SetDlgItemText(10, QStringLiteral("2"));
    dialog.SetDlgItemText(11, QStringLiteral("64"));
    QVERIFY(!dialog.UpdateData(true));
    QCOMPARE(dialog.count, 64u);
  }

  void RadioGroupIndex() {
    // Stored index, then the index read back: 2 is past the group and checks none.
    for (const auto& [index, read] : {std::pair{0, 0}, {1, 1}, {-1, -1}, {2, -1}}) {
      TestDialog dialog;
      dialog.radio = 1 - std::max(index, 0);  // start from the other button
      QVERIFY(dialog.Create());
      dialog.radio = index;
      QVERIFY(dialog.UpdateData(false));
      QCOMPARE(dialog.Control<QRadioButton>(20)->isChecked(), read == 0);
      QCOMPARE(dialog.Control<QRadioButton>(21)->isChecked(), read == 1);
      QVERIFY(dialog.UpdateData(true));
      QCOMPARE(dialog.radio, read);
    }
  }

  void ComboSelectionIndex() {
    TestDialog dialog;
    dialog.combo = 2;
    QVERIFY(dialog.Create());
    auto* combo = dialog.Control<QComboBox>(30);
    QCOMPARE(combo->currentText(), QStringLiteral("c"));
    dialog.combo = -1;
    QVERIFY(dialog.UpdateData(false));
    QCOMPARE(combo->currentIndex(), -1);
    combo->setCurrentIndex(1);
    QVERIFY(dialog.UpdateData(true));
    QCOMPARE(dialog.combo, 1);
  }

  // Numbers are shown in their classic form, and the framework's own writes notify no one.
  void FieldsAreShownQuietly() {
    TestDialog dialog;
    QVERIFY(dialog.Create());
    QSignalSpy textChanges(dialog.Control<QLineEdit>(10), &QLineEdit::textChanged);
    QSignalSpy comboChanges(dialog.Control<QComboBox>(30), &QComboBox::currentIndexChanged);
    dialog.combo = 1;
    const std::pair<double, const char*> shown[] = {{1.96, "1.96"}, {1.0, "1"}, {-0.5, "-0.5"}};
    for (const auto& [value, text] : shown) {
      dialog.number = value;
      QVERIFY(dialog.UpdateData(false));
      QCOMPARE(dialog.GetDlgItemText(10), QString::fromLatin1(text));
    }
    QCOMPARE(textChanges.size(), 0);
    QCOMPARE(comboChanges.size(), 0);
  }

  void FailureFocusIsNoUserFocusEntry() {
    MessageBoxRecorder boxes;
    TestDialog dialog;
    QVERIFY(dialog.Create());
    QVERIFY(ShowActive(&dialog));
    dialog.GetDlgItem(12)->setFocus();
    dialog.focusEntries.clear();
    dialog.SetDlgItemText(10, QStringLiteral("bad"));
    bool guardSeen = false;
    boxes.onBox = [&] { guardSeen = dialog.InDataExchange(); };
    QVERIFY(!dialog.UpdateData(true));
    QVERIFY(guardSeen);
    QVERIFY(!dialog.InDataExchange());
    QCOMPARE(QApplication::focusWidget(), dialog.GetDlgItem(10));
    QVERIFY(dialog.focusEntries.empty());
    QTest::keyClick(dialog.GetDlgItem(10), Qt::Key_Tab);  // while a user move is reported
    QCOMPARE(dialog.focusEntries, (std::vector<int>{11}));
  }
};

}  // namespace
}  // namespace lunda

int RunDataExchangeTests(int argc, char** argv) {
  lunda::DataExchangeTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "data_exchange_test.moc"
