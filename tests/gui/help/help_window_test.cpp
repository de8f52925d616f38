// The help window as a user meets it: "Помощь" and F1 open the built lunda.chm at the topic of
// the window they are pressed in, in one window without an owner that stays usable while the
// program's modal windows run; without a readable help file nothing opens.
#include "gui/help/qt/help_window.h"

#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "gui/app/help_topic.h"
#include "gui/help/help_file_lookup.h"
#include "gui/help/open_help_file.h"
#include "gui/params/app_prop_sheet.h"
#include "gui/params/edit_parameters.h"
#include "gui/ui/algorithm_list_box.h"
#include "gui/ui/main_dlg.h"
#include "ui/catalogue_builder.h"

namespace lunda {
namespace {

void ShowBuiltHelp(std::uint32_t contextId) { OpenHelpFile(LUNDA_HELP_FILE, contextId); }

HelpWindow* VisibleHelpWindow() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* help = qobject_cast<HelpWindow*>(widget); help && help->isVisible()) return help;
  }
  return nullptr;
}

// Clicks the contents entry with that text through the window system, as a user would, so that
// a window blocked by a modal one ignores the click.
void ClickContents(HelpWindow& help, const QString& text) {
  const QList<QTreeWidgetItem*> items = help.Contents()->findItems(text, Qt::MatchRecursive);
  if (items.isEmpty()) return;
  QWidget* viewport = help.Contents()->viewport();
  const QPoint point = help.Contents()->visualItemRect(items.front()).center();
  QTest::mouseClick(help.windowHandle(), Qt::LeftButton, {}, viewport->mapTo(&help, point));
}

class HelpWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() {
    // Deleting a window deletes the pop-ups it owns, which the list also holds.
    QList<QPointer<QWidget>> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (qobject_cast<HelpWindow*>(widget)) windows << widget;
    }
    qDeleteAll(windows);
  }

  void MainWindowHelpAndF1OpenTheMainTopicBesideTheModalWindow() {
    AlgorithmCatalogue catalogue;
    test::AddAlgorithm(catalogue, "Первый", "a.bin");
    test::AddAlgorithm(catalogue, "Второй", "b.bin");
    CMainDlg window(catalogue, {}, ShowBuiltHelp);
    QStringList topics;
    bool sameWindow = false;
    int selectedRow = -1;
    QTimer::singleShot(0, [&] {
      if (QTest::qWaitForWindowActive(&window)) {
        QTest::mouseClick(window.Control<QPushButton>(kIdHelpButton), Qt::LeftButton);
        if (HelpWindow* help = VisibleHelpWindow()) {
          topics << help->CurrentTopic();
          if (QTreeWidgetItem* entry = help->Contents()->currentItem()) topics << entry->text(0);
          ClickContents(*help, QStringLiteral("Запись алгоритма в прибор"));
          topics << help->CurrentTopic();
          auto& list = *window.Control<CAlgorithmListBox>(kIdAlgorithmList);
          QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                            list.visualItemRect(list.item(1)).center());
          selectedRow = list.currentRow();
          QTest::keyClick(&list, Qt::Key_F1);
          topics << help->CurrentTopic();
          sameWindow = VisibleHelpWindow() == help;
        }
      }
      window.EndDialog(kIdCancel);
    });
    window.DoModal();
    QCOMPARE(topics,
             (QStringList{"/main-window.htm", "Главное окно", "/write.htm", "/main-window.htm"}));
    QVERIFY(sameWindow);
    QCOMPARE(selectedRow, 1);
  }

  void ParameterPagesOpenTheParametersTopicInTheSameWindow() {
    CAlgorithm algorithm;
    QWidget owner;
    owner.show();
    QStringList topics;
    bool sameWindow = false;
    QTimer::singleShot(0, [&] {
      auto* sheet = qobject_cast<CAppPropSheet*>(QApplication::activeModalWidget());
      if (!sheet) return;
      if (QTest::qWaitForWindowActive(sheet)) {
        QTest::mouseClick(sheet->Control<QPushButton>(kIdHelp), Qt::LeftButton);
        if (HelpWindow* help = VisibleHelpWindow()) {
          topics << help->CurrentTopic();
          ClickContents(*help, QStringLiteral("Главное окно"));
          topics << help->CurrentTopic();
          sheet->SetActivePage(2);
          QTest::keyClick(sheet->GetPage(2)->GetDlgItem(1100), Qt::Key_F1);
          topics << help->CurrentTopic();
          sameWindow = VisibleHelpWindow() == help;
        }
      }
      sheet->EndDialog(kIdCancel);
    });
    EditParameters(algorithm, &owner, ShowBuiltHelp);
    QCOMPARE(topics, (QStringList{"/parameters.htm", "/main-window.htm", "/parameters.htm"}));
    QVERIFY(sameWindow);
  }

  void WithoutAReadableHelpFileNothingOpens() {
    QTemporaryDir folder;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    const bool installed = FindHelpFile(HelpFileFolders()).has_value();
    if (!installed) {
      ShowHelpTopic(kMainWindowHelpContext);
      QFile damaged(QStringLiteral("lunda.chm"));
      QVERIFY(damaged.open(QIODevice::WriteOnly));
      damaged.write("ITSF, but no help file");
      damaged.close();
      ShowHelpTopic(kMainWindowHelpContext);
    }
    OpenHelpFile(folder.filePath(QStringLiteral("none/lunda.chm")).toStdString(),
                 kMainWindowHelpContext);
    QDir::setCurrent(previous);
    QCOMPARE(VisibleHelpWindow(), nullptr);
    if (installed) QSKIP("a lunda.chm installed on this machine is found before the test's");
  }
};

}  // namespace
}  // namespace lunda

int RunHelpWindowTests(int argc, char** argv) {
  lunda::HelpWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "help_window_test.moc"
