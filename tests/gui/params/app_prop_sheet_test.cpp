// The parameter sheet as the main window runs it: caption, texts, OK, Apply, Cancel, close, help.
#include <QTabBar>
#include <cstdint>
#include <vector>

#include "params_test_support.h"

namespace lunda {
namespace {

using test::RunSheet;
using test::Sheet;

// Counts the quit requests that reach the application object.
class QuitWatcher : public QObject {
 public:
  QuitWatcher() { qApp->installEventFilter(this); }
  ~QuitWatcher() override { qApp->removeEventFilter(this); }
  int quits = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == qApp && event->type() == QEvent::Quit) {
      ++quits;
      return true;
    }
    return false;
  }
};

class AppPropSheetTest : public QObject {
  Q_OBJECT

 private slots:
  void CaptionButtonsAndTabs() {
    CAlgorithm algorithm;
    test::FillAlgorithm(algorithm);
    algorithm.current.startDelay = 3;
    RunSheet(algorithm, [](const Sheet& s) {
      QCOMPARE(s.sheet.windowTitle(), QStringLiteral("* Алгоритм 7 {alg7.bin}"));
      QCOMPARE(s.sheet.metaObject()->className(), "lunda::CAppPropSheet");
      QCOMPARE(s.Button(kIdOk)->text(), QStringLiteral("OK"));
      QCOMPARE(s.Button(kIdCancel)->text(), QStringLiteral("&Отмена"));
      QCOMPARE(s.Button(kIdHelp)->text(), QStringLiteral("&Помощь"));
      QCOMPARE(s.Button(kIdApplyNow)->text(), QStringLiteral("&Применить"));
      QVERIFY(!s.ApplyEnabled());
      QTabBar* tabs = s.sheet.GetTabControl();
      QCOMPARE(tabs->count(), 4);
      const char* const texts[] = {"Общие", "Канал 1", "Канал 2", "Канал 3"};
      for (int i = 0; i < 4; ++i) QCOMPARE(tabs->tabText(i), QString::fromUtf8(texts[i]));
      QCOMPARE(s.sheet.GetActiveIndex(), 0);
      QCOMPARE(s.FocusId(0), 1020);
      // Every page fills the area under the tabs from its top left corner, so none is clipped.
      s.ClickTab(3);
      for (int i = 0; i < 4; ++i) QCOMPARE(s.Page(i)->pos(), QPoint(0, 0));
      QVERIFY(s.Page(3)->parentWidget()->rect().contains(s.Page(3)->geometry()));
    });
  }

  void LongCaptionIsShownWhole() {
    CAlgorithm algorithm;
    test::FillAlgorithm(algorithm);
    algorithm.name = std::string(300, 'N');
    RunSheet(algorithm, [](const Sheet& s) {
      QCOMPARE(s.sheet.windowTitle(), QString(300, 'N') + QStringLiteral(" {alg7.bin}"));
    });
  }

  void OkAtOnceRewritesTheSameValuesAndCreatesNoChannelPage() {
    CAlgorithm algorithm;
    test::FillAlgorithm(algorithm);
    algorithm.current.thresholds = {0, 1, 169, 255};
    const AlgorithmParams before = algorithm.current;
    std::vector<bool> created;
    RunSheet(algorithm, [&](const Sheet& s) {
      s.ClickButton(kIdOk);
      for (int i = 0; i < 4; ++i) created.push_back(s.Page(i)->IsCreated());
    });
    QCOMPARE(created, (std::vector<bool>{true, false, false, false}));
    QVERIFY(algorithm.current == before);
  }

  void ChannelEditsAreAppliedByOkFromAnotherPage() {
    CAlgorithm algorithm;
    test::FillAlgorithm(algorithm);
    RunSheet(algorithm, [](const Sheet& s) {
      s.ClickTab(2);
      s.Type(2, 1100, QStringLiteral("9"));
      s.ClickTab(0);
      QCOMPARE(s.sheet.GetActiveIndex(), 0);
      s.ClickButton(kIdOk);
      QVERIFY(!s.sheet.isVisible());
    });
    QCOMPARE(algorithm.current.delays[12], 9);
    QCOMPARE(algorithm.defaults.delays[12], 12);
  }

  void ApplyThenCancelKeepsTheAppliedValues() {
    CAlgorithm algorithm;
    test::FillAlgorithm(algorithm);
    RunSheet(algorithm, [&](const Sheet& s) {
      s.Type(0, 1020, QStringLiteral("3.3"));
      s.Tab();
      QVERIFY(s.ApplyEnabled());
      s.ClickButton(kIdApplyNow);
      QVERIFY(s.sheet.isVisible());
      QVERIFY(!s.ApplyEnabled());
      QCOMPARE(algorithm.current.thresholds[0], 169);
      // The caption stays as it was when the sheet opened.
      QCOMPARE(s.sheet.windowTitle(), QStringLiteral("Алгоритм 7 {alg7.bin}"));
      s.Type(0, 1021, QStringLiteral("1"));
      s.Tab();
      s.ClickButton(kIdCancel);
      QCOMPARE(s.sheet.result(), kIdCancel);
    });
    QCOMPARE(algorithm.current.thresholds[0], 169);
    QCOMPARE(algorithm.current.thresholds[1], 127);
  }

  void EscCancels() {
    CAlgorithm algorithm;
    test::FillAlgorithm(algorithm);
    RunSheet(algorithm, [](const Sheet& s) {
      s.Type(0, 1011, QStringLiteral("200"));
      QTest::keyClick(s.Edit(0, 1011), Qt::Key_Escape);
      QVERIFY(!s.sheet.isVisible());
    });
    QCOMPARE(algorithm.current.startDelay, 16);
  }

  void EnterRunsOk() {
    CAlgorithm algorithm;
    test::FillAlgorithm(algorithm);
    RunSheet(algorithm, [](const Sheet& s) {
      s.Type(0, 1011, QStringLiteral("200"));
      QTest::keyClick(s.Edit(0, 1011), Qt::Key_Return);
      QVERIFY(!s.sheet.isVisible());
    });
    QCOMPARE(algorithm.current.startDelay, 200);
  }

  // The close box leaves the sheet as Cancel and nothing more: the program goes on.
  void CloseBoxClosesOnlyTheSheet() {
    CAlgorithm algorithm;
    test::FillAlgorithm(algorithm);
    QuitWatcher watcher;
    RunSheet(algorithm, [&](const Sheet& s) {
      s.Type(0, 1011, QStringLiteral("5"));
      s.Click(s.Edit(0, 1020));
      s.ClickButton(kIdApplyNow);
      s.Type(0, 1011, QStringLiteral("7"));
      s.Click(s.Edit(0, 1020));
      s.sheet.close();
      QVERIFY(!s.sheet.isVisible());
      QCOMPARE(s.sheet.result(), kIdCancel);
    });
    QCoreApplication::processEvents();
    QCOMPARE(watcher.quits, 0);
    QCOMPARE(algorithm.current.startDelay, 5);
  }

  void HelpOnEveryPageOpensThePagesTopic() {
    CAlgorithm algorithm;
    test::FillAlgorithm(algorithm);
    std::vector<std::uint32_t> topics;
    RunSheet(
        algorithm,
        [](const Sheet& s) {
          s.ClickButton(kIdHelp);
          s.ClickTab(3);
          s.ClickButton(kIdHelp);
          QVERIFY(s.sheet.isVisible());
        },
        [&topics](std::uint32_t context) { topics.push_back(context); });
    QCOMPARE(topics, (std::vector<std::uint32_t>{0x20002, 0x20002}));
  }
};

}  // namespace
}  // namespace lunda

int RunAppPropSheetTests(int argc, char** argv) {
  lunda::AppPropSheetTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "app_prop_sheet_test.moc"
