// The help window as the program's windows open it: at the topic of the context asked for, in one
// window without an owner that stays usable while the program's modal windows run, reused for the
// next request; without a readable help file nothing opens. Which topic each window asks for is
// the dialogs' own business, tested with them. Our own window, so Linux only.
#include "gui/help/qt/help_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTreeWidget>

#include "gui/help/open_help_file.h"
#include "gui/params/page_help.h"
#include "gui/ui/main_dlg.h"
#include "modal_script.h"
#include "res/ids.h"

namespace lunda {
namespace {

HelpWindow* VisibleHelpWindow() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* help = qobject_cast<HelpWindow*>(widget); help && help->isVisible()) return help;
  }
  return nullptr;
}

// Opened while one modal window runs, used while a second one runs over it: the topic shown, the
// contents entry marked, the topic after a click on another entry (through the window system, as
// a user's, so that a blocked window would ignore it), whether a request for another context came
// back to the same window, and its topic.
TEST(HelpWindowTest, OneWindowBesideTheModalWindowsAtTheTopicAskedFor) {
  CDialog outer(ids::about_dlg::kTemplate);
  CDialog inner(ids::about_dlg::kTemplate, &outer);
  QStringList topics;
  test::ModalScript script;
  script
      .Then([&](CDialog& dialog) {
        OpenHelpFile(LUNDA_HELP_FILE, kMainWindowHelpContext);
        inner.DoModal();
        dialog.EndDialog(kIdCancel);
      })
      .Then([&](CDialog& dialog) {
        const QPointer<HelpWindow> help = VisibleHelpWindow();
        ASSERT_NE(help, nullptr);
        QTreeWidget& contents = *help->Contents();
        topics << help->CurrentTopic() << contents.currentItem()->text(0);
        const QList<QTreeWidgetItem*> items =
            contents.findItems("Запись алгоритма в прибор", Qt::MatchRecursive);
        ASSERT_FALSE(items.isEmpty());
        const QPoint point = contents.visualItemRect(items.front()).center();
        QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {},
                          contents.viewport()->mapTo(help, point));
        topics << help->CurrentTopic();
        OpenHelpFile(LUNDA_HELP_FILE, kParameterPageHelpContext);
        topics << (VisibleHelpWindow() == help ? "same" : "another");
        if (help) topics << help->CurrentTopic();
        dialog.EndDialog(kIdCancel);
      });
  outer.DoModal();
  EXPECT_EQ(topics, (QStringList{"/main-window.htm", "Главное окно", "/write.htm", "same",
                                 "/parameters.htm"}));
  // Another help file replaces the window, and one that cannot be read opens none: no help window
  // is left for the tests that follow.
  OpenHelpFile(std::string(LUNDA_HELP_FILE) + ".missing", kMainWindowHelpContext);
  EXPECT_EQ(VisibleHelpWindow(), nullptr);
}

}  // namespace
}  // namespace lunda
