// The help window as a user meets it: "Помощь" and F1 open the built lunda.chm at the topic of
// the window they are pressed in, in one window without an owner that stays usable while the
// program's modal windows run; without a readable help file nothing opens. Our own window, so
// Linux only.
#include "gui/help/qt/help_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTreeWidget>

#include "algorithm/cp1251.h"
#include "gui/framework/qt/qt_dialog_window.h"
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

// The topics shown after the window's Help button, a click on the contents entry (through the
// window system, as a user's, so that a window blocked by a modal one would ignore it) and F1
// in the control, and whether F1 came back to the same window.
QStringList VisitHelp(CDialog& window, int helpButton, const QString& entry, CDialog& page,
                      int control) {
  test::Click(window, helpButton);
  const QPointer<HelpWindow> help = VisibleHelpWindow();  // F1 must not replace it
  if (help == nullptr) return {};
  QStringList topics{help->CurrentTopic()};
  QTreeWidget& contents = *help->Contents();
  if (const QTreeWidgetItem* current = contents.currentItem()) topics << current->text(0);
  const QList<QTreeWidgetItem*> items = contents.findItems(entry, Qt::MatchRecursive);
  if (!items.isEmpty()) {
    const QPoint point = contents.visualItemRect(items.front()).center();
    QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {},
                      contents.viewport()->mapTo(help, point));
  }
  topics << help->CurrentTopic();
  QTest::keyClick(QtDialogWindow::Of(page.Window()).ControlOf(control)->Widget(), Qt::Key_F1);
  if (help == nullptr || VisibleHelpWindow() != help) return topics << "another window";
  return topics << help->CurrentTopic() << "same window";
}

// The parameter sheet runs from the main window, as in the program: it disables its owner only and
// leaves the help window usable.
TEST(HelpWindowTest, HelpAndF1OpenTheTopicOfTheirWindowBesideTheModalWindows) {
  AlgorithmCatalogue catalogue;
  for (const char* name : {"Первый", "Второй"}) {
    catalogue.push_back(std::make_unique<CAlgorithm>());
    catalogue.back()->name = Utf8ToCp1251(name);
  }
  const auto editParameters = [](CAlgorithm& algorithm, CDialog& owner) {
    EditParameters(algorithm, &owner, ShowBuiltHelp);
  };
  CMainDlg window(catalogue, {.editParameters = editParameters, .write = {}}, ShowBuiltHelp);
  QStringList mainTopics;
  QStringList sheetTopics;
  int selectedRow = -1;
  test::ModalScript script;
  script
      .Then([&](CDialog& main) {
        mainTopics = VisitHelp(main, ids::main_dlg::kHelp, "Запись алгоритма в прибор", main,
                               ids::main_dlg::kAlgorithmList);
        test::ClickRow(main, ids::main_dlg::kAlgorithmList, 1);
        selectedRow = CListBox(main, ids::main_dlg::kAlgorithmList).GetCurSel();
        test::Click(main, ids::main_dlg::kParameters);
        main.EndDialog(kIdCancel);
      })
      .Then([&](CDialog& dialog) {
        auto& sheet = static_cast<CPropertySheet&>(dialog);
        sheet.SetActivePage(2);
        sheetTopics = VisitHelp(sheet, kIdHelp, "Главное окно", *sheet.GetPage(2),
                                ids::channel_page::kFirstValue);
        sheet.EndDialog(kIdCancel);
      });
  window.DoModal();
  EXPECT_EQ(mainTopics, (QStringList{"/main-window.htm", "Главное окно", "/write.htm",
                                     "/main-window.htm", "same window"}));
  EXPECT_EQ(selectedRow, 1);
  EXPECT_EQ(sheetTopics, (QStringList{"/parameters.htm", "Параметры алгоритма", "/main-window.htm",
                                      "/parameters.htm", "same window"}));
  // Another help file replaces the window, and one that cannot be read opens none: no help window
  // is left for the tests that follow.
  OpenHelpFile(std::string(LUNDA_HELP_FILE) + ".missing", kMainWindowHelpContext);
  EXPECT_EQ(VisibleHelpWindow(), nullptr);
}

}  // namespace
}  // namespace lunda
