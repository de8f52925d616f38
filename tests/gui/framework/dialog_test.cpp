// CDialog: tab order, the dialog keyboard, the close box and the modal result.
#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "test_support.h"

namespace lunda {
namespace {

using test::ShowActive;
using test::TestDialog;

class DialogTest : public QObject {
  Q_OBJECT

 private slots:
  void TabFollowsTemplateOrderAndSkipsControlsWithoutTabStop() {
    TestDialog dialog;
    QVERIFY(dialog.Create());
    QVERIFY(ShowActive(&dialog));
    QCOMPARE(QApplication::focusWidget(), dialog.GetDlgItem(10));
    std::vector<int> visited;
    for (int i = 0; i < 7; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited.push_back(dialog.ControlId(QApplication::focusWidget()));
    }
    QCOMPARE(visited, (std::vector<int>{11, 12, 13, 30, 40, 1, 2}));
  }

  void EnterAndEscRunTheClassicCommands_data() {
    QTest::addColumn<int>("focusId");
    QTest::addColumn<int>("key");
    QTest::addColumn<std::vector<int>>("commands");
    QTest::addColumn<int>("result");
    QTest::newRow("enter in a list runs OK")
        << 13 << int(Qt::Key_Return) << std::vector<int>{kIdOk} << kIdOk;
    QTest::newRow("keypad enter in an edit")
        << 10 << int(Qt::Key_Enter) << std::vector<int>{kIdOk} << kIdOk;
    QTest::newRow("enter on a button presses it")
        << 40 << int(Qt::Key_Return) << std::vector<int>{40} << 0;
    QTest::newRow("enter on Cancel presses Cancel")
        << 2 << int(Qt::Key_Return) << std::vector<int>{kIdCancel} << kIdCancel;
    QTest::newRow("enter in a want-return edit stays")
        << 12 << int(Qt::Key_Return) << std::vector<int>{} << 0;
    QTest::newRow("esc in an edit cancels")
        << 10 << int(Qt::Key_Escape) << std::vector<int>{kIdCancel} << kIdCancel;
    QTest::newRow("esc on a button cancels")
        << 40 << int(Qt::Key_Escape) << std::vector<int>{kIdCancel} << kIdCancel;
    QTest::newRow("f1 without a help button does nothing")
        << 10 << int(Qt::Key_F1) << std::vector<int>{} << 0;
  }
  void EnterAndEscRunTheClassicCommands() {
    QFETCH(int, focusId);
    QFETCH(int, key);
    QFETCH(std::vector<int>, commands);
    QFETCH(int, result);
    TestDialog dialog;
    QVERIFY(dialog.Create());
    QVERIFY(ShowActive(&dialog));
    QWidget* control = dialog.GetDlgItem(focusId);
    control->setFocus();
    QTest::keyClick(control, static_cast<Qt::Key>(key));
    QCOMPARE(dialog.commands, commands);
    QCOMPARE(dialog.result(), result);
    QCOMPARE(dialog.isVisible(), result == 0);
  }

  void CloseBoxRunsCancelUnlessTheDialogRefuses() {
    TestDialog dialog;
    QVERIFY(dialog.Create());
    QVERIFY(ShowActive(&dialog));
    dialog.refuseClose = true;
    dialog.close();
    QVERIFY(dialog.isVisible());
    dialog.refuseClose = false;
    dialog.close();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), kIdCancel);
  }

  void DoModalReturnsTheEndDialogResultAndReinitialises() {
    TestDialog dialog;
    dialog.count = 5;
    QTimer::singleShot(0, &dialog, [&dialog] { dialog.EndDialog(7); });
    QCOMPARE(dialog.DoModal(), 7);
    dialog.count = 9;
    QTimer::singleShot(0, &dialog, [&dialog] { QTest::keyClick(&dialog, Qt::Key_Escape); });
    QCOMPARE(dialog.DoModal(), kIdCancel);
    QCOMPARE(dialog.GetDlgItemText(11), QStringLiteral("9"));
  }

  void OkReadsTheFieldsBeforeEnding() {
    test::MessageBoxRecorder boxes;
    TestDialog dialog;
    QVERIFY(dialog.Create());
    QVERIFY(ShowActive(&dialog));
    dialog.SetDlgItemText(11, QStringLiteral("64"));
    QTest::keyClick(dialog.GetDlgItem(10), Qt::Key_Return);
    QVERIFY(dialog.isVisible());
    QCOMPARE(boxes.boxes.size(), std::size_t{1});
    dialog.SetDlgItemText(11, QStringLiteral("12"));
    QTest::keyClick(dialog.GetDlgItem(11), Qt::Key_Return);
    QCOMPARE(dialog.result(), kIdOk);
    QCOMPARE(dialog.count, 12u);
  }
};

}  // namespace
}  // namespace lunda

int RunDialogTests(int argc, char** argv) {
  lunda::DialogTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "dialog_test.moc"
