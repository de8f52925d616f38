// The help window as a user meets it: "Помощь" and F1 open the built lunda.chm at the topic of
// the window they are pressed in, in one window without an owner that stays usable while the
// program's modal windows run; without a readable help file nothing opens. Our own window, so
// Linux only.
#include "gui/help/qt/help_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "algorithm/cp1251.h"
#include "gui/app/help_topic.h"
#include "gui/framework/qt/qt_dialog_window.h"
#include "gui/help/help_file_lookup.h"
#include "gui/help/open_help_file.h"
#include "gui/params/edit_parameters.h"
#include "gui/ui/main_dlg.h"
#include "gui_driver.h"
#include "modal_script.h"

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

void PressF1In(CDialog& dialog, int id) {
  QTest::keyClick(QtDialogWindow::Of(dialog).Control(id), Qt::Key_F1);
}

class HelpWindowTest : public testing::Test {
 protected:
  void TearDown() override {
    // Deleting a window deletes the pop-ups it owns, which the list also holds.
    QList<QPointer<QWidget>> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (qobject_cast<HelpWindow*>(widget)) windows << widget;
    }
    qDeleteAll(windows);
  }
};

TEST_F(HelpWindowTest, MainWindowHelpAndF1OpenTheMainTopicBesideTheModalWindow) {
  AlgorithmCatalogue catalogue;
  for (const char* name : {"Первый", "Второй"}) {
    catalogue.push_back(std::make_unique<CAlgorithm>());
    catalogue.back()->name = Utf8ToCp1251(name);
  }
  CMainDlg window(catalogue, {}, ShowBuiltHelp);
  QStringList topics;
  bool sameWindow = false;
  int selectedRow = -1;
  test::ModalScript script;
  script.Then([&](CDialog& main) {
    test::Click(main, kIdHelpButton);
    if (HelpWindow* help = VisibleHelpWindow()) {
      topics << help->CurrentTopic();
      if (QTreeWidgetItem* entry = help->Contents()->currentItem()) topics << entry->text(0);
      ClickContents(*help, QStringLiteral("Запись алгоритма в прибор"));
      topics << help->CurrentTopic();
      test::ClickRow(main, kIdAlgorithmList, 1);
      selectedRow = CListBox(main, kIdAlgorithmList).GetCurSel();
      PressF1In(main, kIdAlgorithmList);
      topics << help->CurrentTopic();
      sameWindow = VisibleHelpWindow() == help;
    }
    main.EndDialog(kIdCancel);
  });
  window.DoModal();
  EXPECT_EQ(topics,
            (QStringList{"/main-window.htm", "Главное окно", "/write.htm", "/main-window.htm"}));
  EXPECT_TRUE(sameWindow);
  EXPECT_EQ(selectedRow, 1);
}

TEST_F(HelpWindowTest, ParameterPagesOpenTheParametersTopicInTheSameWindow) {
  CAlgorithm algorithm;
  // An owner for the sheet, which disables that owner only and leaves the help window usable.
  CDialog owner(100);
  ASSERT_TRUE(owner.Create());
  ASSERT_TRUE(test::ShowActive(owner));
  QStringList topics;
  bool sameWindow = false;
  test::ModalScript script;
  script.Then([&](CDialog& dialog) {
    auto& sheet = static_cast<CPropertySheet&>(dialog);
    test::Click(sheet, kIdHelp);
    if (HelpWindow* help = VisibleHelpWindow()) {
      topics << help->CurrentTopic();
      ClickContents(*help, QStringLiteral("Главное окно"));
      topics << help->CurrentTopic();
      sheet.SetActivePage(2);
      PressF1In(*sheet.GetPage(2), 1100);
      topics << help->CurrentTopic();
      sameWindow = VisibleHelpWindow() == help;
    }
    sheet.EndDialog(kIdCancel);
  });
  EditParameters(algorithm, &owner, ShowBuiltHelp);
  EXPECT_EQ(topics, (QStringList{"/parameters.htm", "/main-window.htm", "/parameters.htm"}));
  EXPECT_TRUE(sameWindow);
}

TEST_F(HelpWindowTest, WithoutAReadableHelpFileNothingOpens) {
  QTemporaryDir folder;
  const QString previous = QDir::currentPath();
  QDir::setCurrent(folder.path());
  const bool installed = FindHelpFile(HelpFileFolders()).has_value();
  if (!installed) {
    ShowHelpTopic(kMainWindowHelpContext);
    QFile damaged(QStringLiteral("lunda.chm"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("ITSF, but no help file");
    damaged.close();
    ShowHelpTopic(kMainWindowHelpContext);
  }
  OpenHelpFile(folder.filePath(QStringLiteral("none/lunda.chm")).toStdString(),
               kMainWindowHelpContext);
  QDir::setCurrent(previous);
  EXPECT_EQ(VisibleHelpWindow(), nullptr);
  if (installed) GTEST_SKIP() << "a lunda.chm installed on this machine is found before the test's";
}

}  // namespace
}  // namespace lunda
