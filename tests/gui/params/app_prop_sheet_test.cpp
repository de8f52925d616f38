// The parameter sheet as the main window runs it: caption, OK, Apply, the ways out, help.
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
  void CaptionAndTextsOfTabsAndButtons_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("startDelay");
    QTest::addColumn<QString>("caption");
    QTest::newRow("changed") << "Алгоритм 7" << 3 << "* Алгоритм 7 {alg7.bin}";
    QTest::newRow("long name") << QString(300, 'N') << 16 << QString(300, 'N') + " {alg7.bin}";
  }
  void CaptionAndTextsOfTabsAndButtons() {
    QFETCH(QString, name);
    QFETCH(int, startDelay);
    QFETCH(QString, caption);
    auto algorithm = test::Example();
    algorithm->name = Utf8ToCp1251(name.toStdString());
    algorithm->current.startDelay = static_cast<std::uint8_t>(startDelay);
    RunSheet(*algorithm, [&](const Sheet& s) {
      QCOMPARE(s.sheet.windowTitle(), caption);
      const QStringList tabs{"Общие", "Канал 1", "Канал 2", "Канал 3"};
      for (int i = 0; i < tabs.size(); ++i) QCOMPARE(s.sheet.GetTabControl()->tabText(i), tabs[i]);
      const std::pair<int, QString> buttons[] = {
          {kIdOk, "OK"}, {kIdCancel, "&Отмена"}, {kIdHelp, "&Помощь"}, {kIdApplyNow, "&Применить"}};
      for (const auto& [id, text] : buttons) QCOMPARE(s.Button(id)->text(), text);
    });
  }

  // Only the pages shown are read back: "Канал 1" and "Канал 3" were never created.
  void OkFromAnotherPageWritesTheShownPagesOnly() {
    auto algorithm = test::Example();
    algorithm->current.thresholds = {0, 1, 169, 255};
    AlgorithmParams expected = algorithm->current;
    expected.delays[12] = 9;
    std::vector<bool> created;
    RunSheet(*algorithm, [&](const Sheet& s) {
      s.ClickTab(2);
      s.Type(2, 1100, QStringLiteral("9"));
      s.ClickTab(0);
      QCOMPARE(s.sheet.GetActiveIndex(), 0);
      s.ClickButton(kIdOk);
      QVERIFY(!s.sheet.isVisible());
      for (int i = 0; i < 4; ++i) created.push_back(s.Page(i)->IsCreated());
    });
    QCOMPARE(created, (std::vector<bool>{true, false, true, false}));
    QVERIFY(algorithm->current == expected);
    QCOMPARE(algorithm->defaults.delays[12], 12);
  }

  // After "&Применить" the sheet stays open; leaving it keeps what was applied, except Enter (OK).
  // The close box leaves as Cancel and nothing more: the program goes on.
  void ApplyThenLeave_data() {
    QTest::addColumn<int>("key");  // Qt::Key_Cancel: the "&Отмена" button; 0: the close box
    QTest::addColumn<int>("startDelay");
    QTest::newRow("Отмена") << int(Qt::Key_Cancel) << 5;
    QTest::newRow("Esc") << int(Qt::Key_Escape) << 5;
    QTest::newRow("close box") << 0 << 5;
    QTest::newRow("Enter") << int(Qt::Key_Return) << 7;
  }
  void ApplyThenLeave() {
    QFETCH(int, key);
    QFETCH(int, startDelay);
    auto algorithm = test::Example();
    QuitWatcher watcher;
    RunSheet(*algorithm, [&](const Sheet& s) {
      s.Type(0, 1011, QStringLiteral("5"));
      s.Click(s.Edit(0, 1020));
      QVERIFY(s.ApplyEnabled());
      s.ClickButton(kIdApplyNow);
      QVERIFY(s.sheet.isVisible());
      QVERIFY(!s.ApplyEnabled());
      QCOMPARE(algorithm->current.startDelay, 5);
      // The caption stays as it was when the sheet opened.
      QCOMPARE(s.sheet.windowTitle(), QStringLiteral("Алгоритм 7 {alg7.bin}"));
      s.Type(0, 1011, QStringLiteral("7"));
      s.Click(s.Edit(0, 1020));
      if (key == Qt::Key_Cancel) {
        s.ClickButton(kIdCancel);
      } else if (key == 0) {
        s.sheet.close();
      } else {
        QTest::keyClick(s.Edit(0, 1020), Qt::Key(key));
      }
      QVERIFY(!s.sheet.isVisible());
      QCOMPARE(s.sheet.result(), key == Qt::Key_Return ? kIdOk : kIdCancel);
    });
    QCoreApplication::processEvents();
    QCOMPARE(watcher.quits, 0);
    QCOMPARE(algorithm->current.startDelay, startDelay);
  }

  void HelpOnBothPageKindsOpensTheParametersTopic() {
    auto algorithm = test::Example();
    std::vector<std::uint32_t> topics;
    const auto drive = [](const Sheet& s) {
      s.ClickButton(kIdHelp);
      s.ClickTab(3);
      s.ClickButton(kIdHelp);
      QVERIFY(s.sheet.isVisible());
    };
    RunSheet(*algorithm, drive, [&topics](std::uint32_t context) { topics.push_back(context); });
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
