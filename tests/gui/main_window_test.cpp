// The main window: rows in catalogue order and their drawing, selection, the commands and their
// buttons, the keyboard, tooltips and the About box.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "algorithm/cp1251.h"
#include "gui/ui/algorithm_list_box.h"
#include "gui/ui/main_dlg.h"
#include "gui_driver.h"
#include "modal_script.h"

namespace lunda {
namespace {

using test::Key;
using test::Press;
namespace dlg = ids::main_dlg;

// Appends an algorithm; texts are given in UTF-8 and stored as the files' Windows-1251 bytes.
CAlgorithm& AddAlgorithm(AlgorithmCatalogue& catalogue, const std::string& name,
                         const std::string& file, const std::string& description = {}) {
  auto algorithm = std::make_unique<CAlgorithm>();
  algorithm->name = Utf8ToCp1251(name);
  algorithm->file = Utf8ToCp1251(file);
  algorithm->description = Utf8ToCp1251(description);
  catalogue.push_back(std::move(algorithm));
  return *catalogue.back();
}

// A main window over a catalogue, recording what its commands and help were asked to do. The
// parameter sheet's stand-in changes the kind of current.
struct Window {
  AlgorithmCatalogue catalogue;
  std::vector<CAlgorithm*> edited;
  std::vector<CAlgorithm*> written;
  std::vector<std::uint32_t> helpTopics;
  std::unique_ptr<CMainDlg> dialog;

  void Open() {
    MainWindowCommands commands{
        .editParameters =
            [this](CAlgorithm& algorithm, CDialog&) {
              edited.push_back(&algorithm);
              algorithm.current.sensorCurrent = 1;
            },
        .write = [this](CAlgorithm& algorithm, CDialog&) { written.push_back(&algorithm); },
    };
    dialog =
        std::make_unique<CMainDlg>(catalogue, std::move(commands),
                                   [this](std::uint32_t topic) { helpTopics.push_back(topic); });
    EXPECT_TRUE(dialog->Create() && test::ShowActive(*dialog));
  }
  CListBox List() const { return CListBox(*dialog, dlg::kAlgorithmList); }
  std::vector<std::string> Rows() const {
    std::vector<std::string> rows;
    for (int i = 0; i < List().GetCount(); ++i) rows.push_back(List().GetText(i));
    return rows;
  }
  std::string Description() const { return dialog->GetDlgItemText(dlg::kDescription); }
  bool DefaultsEnabled() const { return dialog->IsDlgItemEnabled(dlg::kDefaults); }
};

// The rows follow the catalogue, a changed one marked and in its own colour; rows past the
// catalogue are blank. The selection shows its description and whether
// "По умолчанию" has something to do. "Параметры" leaves the focus where it was; "По умолчанию",
// which disables itself, hands it to the list.
TEST(MainWindowTest, RowsSelectionParametersAndDefaults) {
  Window w;
  AddAlgorithm(w.catalogue, "W", "a.bin", "Первая строка\r\nвторая");
  AddAlgorithm(w.catalogue, "&W", "a.bin");
  ++AddAlgorithm(w.catalogue, "10", "b.bin").current.startDelay;
  CAlgorithm& edited = AddAlgorithm(w.catalogue, "5 Пожар", "c.bin", "описание");
  w.Open();
  EXPECT_EQ(w.Rows(), (std::vector<std::string>{"W {a.bin}", "&W {a.bin}", "* 10 {b.bin}",
                                                "5 Пожар {c.bin}"}));
  EXPECT_EQ(w.List().GetCurSel(), 0);
  EXPECT_EQ(w.Description(), "Первая строка\r\nвторая");
  EXPECT_FALSE(w.DefaultsEnabled());

  // The list draws each row from its entry at drawing time: only a changed one in a colour of
  // its own, and nothing past the catalogue.
  CAlgorithmListBox list;
  list.SetCatalogue(&w.catalogue);
  EXPECT_EQ(list.DrawItem(1)->textColor, std::nullopt);
  EXPECT_EQ(list.DrawItem(2)->textColor, kChangedRowText);
  EXPECT_FALSE(list.DrawItem(4).has_value() || list.DrawItem(-1).has_value());
  test::ClickRow(*w.dialog, dlg::kAlgorithmList, 2);
  EXPECT_EQ(w.Description(), "");
  EXPECT_TRUE(w.DefaultsEnabled());

  test::ClickRow(*w.dialog, dlg::kAlgorithmList, 3);
  // Ctrl+click and Ctrl+Space keep the row selected: a single-selection list always has one.
  test::ClickRow(*w.dialog, dlg::kAlgorithmList, 3, test::Clicks::kWithControl);
  EXPECT_EQ(w.List().GetCurSel(), 3);
  Press(Key::kControlSpace);
  test::Click(*w.dialog, dlg::kParameters);
  EXPECT_EQ(w.edited, (std::vector<CAlgorithm*>{&edited}));
  EXPECT_EQ(w.Rows()[3], "* 5 Пожар {c.bin}");
  EXPECT_TRUE(w.DefaultsEnabled());
  EXPECT_EQ(w.dialog->GetFocusId(), dlg::kParameters);

  test::Click(*w.dialog, dlg::kDefaults);
  EXPECT_FALSE(ParamsDiffer(edited.current, edited.defaults));
  EXPECT_EQ(w.Rows()[3], "5 Пожар {c.bin}");
  EXPECT_FALSE(w.DefaultsEnabled());
  EXPECT_EQ(w.dialog->GetFocusId(), dlg::kAlgorithmList);
  EXPECT_EQ(w.List().GetCurSel(), 3);
  EXPECT_EQ(w.Description(), "описание");
  // A double click on the row opens the sheet as well.
  test::ClickRow(*w.dialog, dlg::kAlgorithmList, 3, test::Clicks::kTwice);
  EXPECT_EQ(w.edited.size(), 2u);
}

// With no algorithm the commands are disabled but help is not; every control has its tip; the
// window menu offers the About box.
TEST(MainWindowTest, AnEmptyCatalogueTipsAndTheAboutBox) {
  Window w;
  w.Open();
  for (const int id : {dlg::kWrite, dlg::kParameters, dlg::kDefaults})
    EXPECT_FALSE(w.dialog->IsDlgItemEnabled(id));
  test::Click(*w.dialog, dlg::kHelp);
  EXPECT_EQ(w.helpTopics, std::vector<std::uint32_t>{0x20000});
  for (const int id :
       {dlg::kAlgorithmList, dlg::kDescription, dlg::kWrite, dlg::kParameters, dlg::kDefaults})
    EXPECT_FALSE(test::ToolTip(*w.dialog, id).empty()) << id;
  EXPECT_EQ(test::ToolTip(*w.dialog, dlg::kHelp), "Открытие файла помощи");

  test::ModalScript script;
  script.Then([](CDialog&) { Press(Key::kEnter); });
  test::ChooseWindowMenuItem(*w.dialog, kIdmAbout);
  EXPECT_EQ(script.seen, std::vector<int>{ids::about_dlg::kTemplate});
  EXPECT_TRUE(w.dialog->IsWindowVisible());
}

// Hundreds of rows with equal texts and a 100 KB description. Equal texts once made the commands
// act on the first such row: a write could program the wrong image.
TEST(MainWindowTest, ManyEqualRowsAndAHugeDescriptionLeaveAWorkingWindow) {
  Window w;
  for (int i = 0; i < 500; ++i) AddAlgorithm(w.catalogue, "7", "same.bin", i == 1 ? "второй" : "");
  const std::string line = "Строка описания алгоритма, довольно длинная.\r\n";
  std::string huge;
  for (std::size_t bytes = 0; bytes < 100 * 1024; bytes += Utf8ToCp1251(line).size()) huge += line;
  AddAlgorithm(w.catalogue, "big", "big.bin", huge);
  w.Open();
  EXPECT_EQ(w.dialog->GetFocusId(), dlg::kAlgorithmList);
  EXPECT_TRUE(test::CanScrollVertically(*w.dialog, dlg::kAlgorithmList));  // by mouse too
  Press(Key::kDown);
  EXPECT_EQ(w.Description(), "второй");
  Press(Key::kEnter);
  test::Click(*w.dialog, dlg::kParameters);
  EXPECT_EQ(w.edited, (std::vector<CAlgorithm*>{w.catalogue[1].get()}));
  EXPECT_TRUE(w.dialog->IsWindowVisible());
  w.dialog->GotoDlgCtrl(dlg::kAlgorithmList);
  Press(Key::kEnd);
  EXPECT_TRUE(test::CanScrollVertically(*w.dialog, dlg::kDescription));
  EXPECT_TRUE(w.Description() == huge);
  Press(Key::kUp);
  test::Click(*w.dialog, kIdOk);
  EXPECT_EQ(w.written, (std::vector<CAlgorithm*>{w.catalogue[1].get(), w.catalogue[499].get()}));
  test::Type(*w.dialog, dlg::kDescription, "x");  // read-only: the typing changes nothing
  EXPECT_EQ(w.Description(), "");
}

}  // namespace
}  // namespace lunda
