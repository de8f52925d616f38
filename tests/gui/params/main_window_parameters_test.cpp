// A new user's first change: "Параметры" from the real main window on the example data, a typed
// threshold, the changed row's marker and colour, and "По умолчанию" undoing it all.
#include <QImage>

#include "gui/ui/algorithm_list_box.h"
#include "gui/ui/main_dlg.h"
#include "params_test_support.h"

namespace lunda {
namespace {

using test::Sheet;

constexpr int kThreshold1 = 1020;
constexpr int kBinary1 = 1030;

// Pixels of the row's text drawn in the changed-row colour.
int ChangedInk(CAlgorithmListBox& list, int row) {
  const QImage image = list.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QRect rect = list.visualItemRect(list.item(row));
  int ink = 0;
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    for (int x = rect.left(); x <= rect.right(); ++x) {
      ink += image.pixelColor(x, y) == kChangedRowText ? 1 : 0;
    }
  }
  return ink;
}

class MainWindowParametersTest : public QObject {
  Q_OBJECT

 private slots:
  void ATypedThresholdMarksTheRowUntilDefaultsAreRestored() {
    AlgorithmCatalogue catalogue;
    QVERIFY(ScanCatalogue(LUNDA_EXAMPLES_DATA, catalogue));
    CAlgorithm& algorithm = *catalogue.front();
    QVERIFY(algorithm.defaults.thresholds[0] != 169);  // else typing "3.3" changes nothing
    MainWindowCommands commands;
    commands.editParameters = [](CAlgorithm& edited, QWidget* owner) {
      EditParameters(edited, owner);
    };
    CMainDlg window(catalogue, std::move(commands), [](std::uint32_t) {});
    QVERIFY(window.Create());
    QVERIFY(test::ShowActive(&window));
    auto& list = *window.Control<CAlgorithmListBox>(kIdAlgorithmList);
    QFont font = list.font();
    // Plain pixels, so that every text pixel has the text colour exactly.
    font.setStyleStrategy(QFont::NoAntialias);
    list.setFont(font);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualItemRect(list.item(0)).center());
    QCOMPARE(window.GetSelectedAlgorithm(), &algorithm);
    const QString plainRow = list.item(0)->text();
    QCOMPARE(ChangedInk(list, 0), 0);

    // Whatever happens, the sheet is closed, so that a failed check never leaves its loop running.
    bool shown = false;
    QTimer::singleShot(0, [&shown] {
      auto* sheet = qobject_cast<CAppPropSheet*>(QApplication::activeModalWidget());
      if (!sheet) return;
      // The sheet's window may report itself active before the application has moved keyboard
      // focus over from the main window, so wait for the application's view.
      if (QTest::qWaitFor([sheet] { return QApplication::activeWindow() == sheet; })) {
        const Sheet s{*sheet};
        s.Type(0, kThreshold1, QStringLiteral("3.3"));
        s.Tab();
        shown = s.Text(0, kThreshold1) == QStringLiteral("3.31") &&
                s.Text(0, kBinary1) == QStringLiteral("10101001");
        if (shown) s.ClickButton(kIdOk);
      }
      if (sheet->isVisible()) sheet->EndDialog(kIdCancel);
    });
    QTest::mouseClick(window.Control<QPushButton>(kIdParameters), Qt::LeftButton);
    QVERIFY2(shown, "the typed threshold was not shown as 3.31 / 10101001");
    QCOMPARE(algorithm.current.thresholds[0], 169);

    QVERIFY(list.item(0)->text().startsWith(QStringLiteral("* ")));
    QCOMPARE(list.item(0)->text().mid(2), plainRow);
    QVERIFY(ChangedInk(list, 0) > 0);
    auto* defaults = window.Control<QPushButton>(kIdDefaults);
    QVERIFY(defaults->isEnabled());

    QTest::mouseClick(defaults, Qt::LeftButton);
    QCOMPARE(list.item(0)->text(), plainRow);
    QCOMPARE(ChangedInk(list, 0), 0);
    QVERIFY(!defaults->isEnabled());
    QVERIFY(algorithm.current == algorithm.defaults);
  }
};

}  // namespace
}  // namespace lunda

int RunMainWindowParametersTests(int argc, char** argv) {
  lunda::MainWindowParametersTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "main_window_parameters_test.moc"
