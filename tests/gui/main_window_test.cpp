// The main window: rows in catalogue order and their drawing, selection, the commands and their
// buttons, the keyboard, tooltips, the About box, and a new user's first parameter change.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "algorithm/catalogue.h"
#include "algorithm/cp1251.h"
#include "gui/framework/resources.h"
#include "gui/params/edit_parameters.h"
#include "gui/ui/algorithm_list_box.h"
#include "gui/ui/main_dlg.h"
#include "gui_driver.h"
#include "modal_script.h"

namespace lunda {
namespace {

using test::Key;
using test::Press;

// Appends an algorithm; texts are given in UTF-8 and stored as the files' Windows-1251 bytes.
CAlgorithm& AddAlgorithm(AlgorithmCatalogue& catalogue, const std::string& name,
                         const std::string& file, const std::string& description = {},
                         bool changed = false) {
  auto algorithm = std::make_unique<CAlgorithm>();
  algorithm->name = Utf8ToCp1251(name);
  algorithm->file = Utf8ToCp1251(file);
  algorithm->description = Utf8ToCp1251(description);
  if (changed) ++algorithm->current.startDelay;
  catalogue.push_back(std::move(algorithm));
  return *catalogue.back();
}

// A main window over a catalogue, recording what its commands and help were asked to do.
struct Window {
  AlgorithmCatalogue catalogue;
  std::vector<CAlgorithm*> edited;
  std::vector<CAlgorithm*> written;
  std::vector<std::uint32_t> helpTopics;
  std::function<void(CAlgorithm&)> editAction;  // what the parameter sheet changes
  std::unique_ptr<CMainDlg> dialog;

  CMainDlg& Open() {
    MainWindowCommands commands{
        .editParameters =
            [this](CAlgorithm& algorithm, CDialog&) {
              edited.push_back(&algorithm);
              if (editAction) editAction(algorithm);
            },
        .write = [this](CAlgorithm& algorithm, CDialog&) { written.push_back(&algorithm); },
    };
    dialog =
        std::make_unique<CMainDlg>(catalogue, std::move(commands),
                                   [this](std::uint32_t topic) { helpTopics.push_back(topic); });
    EXPECT_TRUE(dialog->Create());
    EXPECT_TRUE(test::ShowActive(*dialog));
    return *dialog;
  }
  CListBox List() const { return CListBox(*dialog, kIdAlgorithmList); }
  std::vector<std::string> Rows() const {
    std::vector<std::string> rows;
    for (int i = 0; i < List().GetCount(); ++i) rows.push_back(List().GetText(i));
    return rows;
  }
  std::string Description() const { return dialog->GetDlgItemText(kIdDescription); }
  bool DefaultsEnabled() const { return dialog->IsDlgItemEnabled(kIdDefaults); }
};

// Counts of the pixels of one row in each colour of interest.
struct RowInk {
  int fill = 0;
  int changedText = 0;
  int other = 0;
  bool edgesAreFill = true;  // the top and bottom lines have the fill colour: no focus rectangle
  int left = -1;             // leftmost and rightmost column that is not fill
  int right = -1;
};

RowInk ReadRow(CMainDlg& dialog, int row, bool selected) {
  const test::RowPicture picture = test::PictureOfRow(dialog, kIdAlgorithmList, row);
  const Rgb fill = selected ? picture.highlight : picture.background;
  RowInk ink;
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const Rgb c = picture.pixels[static_cast<std::size_t>(y * picture.width + x)];
      if (c == fill) {
        ++ink.fill;
        continue;
      }
      if (y == 0 || y == picture.height - 1) ink.edgesAreFill = false;
      if (ink.left < 0 || x < ink.left) ink.left = x;
      ink.right = std::max(ink.right, x);
      ++(c == kChangedRowText ? ink.changedText : ink.other);
    }
  }
  return ink;
}

TEST(MainWindowTest, RowsFollowTheCatalogueWithTheChangeMarker) {
  Window w;
  AddAlgorithm(w.catalogue, "2", "a.bin");
  AddAlgorithm(w.catalogue, "10", "b.bin", {}, true);
  AddAlgorithm(w.catalogue, "5 Пожар", "c.bin");
  w.Open();
  EXPECT_EQ(w.Rows(), (std::vector<std::string>{"2 {a.bin}", "* 10 {b.bin}", "5 Пожар {c.bin}"}));
  EXPECT_EQ(w.List().GetCurSel(), 0);
  EXPECT_EQ(w.dialog->GetWindowText(), "Программатор ЛУНДА");
}

TEST(MainWindowTest, RowsAreDrawnInTheirStateColours) {
  for (const bool changed : {false, true}) {
    for (const bool selected : {false, true}) {
      Window w;
      AddAlgorithm(w.catalogue, "0", "other.bin");
      AddAlgorithm(w.catalogue, "12", "a.bin", {}, changed);
      w.Open();
      test::UsePlainPixels(*w.dialog, kIdAlgorithmList);
      test::ClickRow(*w.dialog, kIdAlgorithmList, selected ? 1 : 0);
      const RowInk ink = ReadRow(*w.dialog, 1, selected);
      EXPECT_GT(ink.fill, 0);
      EXPECT_TRUE(ink.edgesAreFill);
      EXPECT_EQ(ink.changedText > 0, changed) << changed << selected;
      EXPECT_EQ(ink.other > 0, !changed) << changed << selected;
    }
  }
}

TEST(MainWindowTest, AnAmpersandUnderlinesInsteadOfShowingAndRowsPastTheCatalogueAreBlank) {
  Window w;
  AddAlgorithm(w.catalogue, "W", "a.bin");
  AddAlgorithm(w.catalogue, "&W", "a.bin");
  w.Open();
  test::UsePlainPixels(*w.dialog, kIdAlgorithmList);
  const RowInk plain = ReadRow(*w.dialog, 0, true);
  const RowInk marked = ReadRow(*w.dialog, 1, false);
  EXPECT_EQ(marked.left, plain.left);
  EXPECT_EQ(marked.right, plain.right);
  EXPECT_GT(marked.other, plain.other);
  EXPECT_EQ(w.Rows()[1], "&W {a.bin}");
  CAlgorithmListBox list;
  list.SetCatalogue(&w.catalogue);
  EXPECT_FALSE(list.DrawItem(2).has_value());
  EXPECT_FALSE(list.DrawItem(-1).has_value());
}

TEST(MainWindowTest, SelectionShowsTheDescriptionAndTheDefaultsState) {
  Window w;
  AddAlgorithm(w.catalogue, "1", "a.bin", "Первая строка\r\nвторая");
  AddAlgorithm(w.catalogue, "2", "b.bin", {}, true);
  w.Open();
  EXPECT_EQ(w.Description(), "Первая строка\r\nвторая");
  EXPECT_FALSE(w.DefaultsEnabled());
  test::ClickRow(*w.dialog, kIdAlgorithmList, 1);
  EXPECT_EQ(w.Description(), "");
  EXPECT_TRUE(w.DefaultsEnabled());
}

TEST(MainWindowTest, DefaultsRestoresTheRowAndDisablesItself) {
  Window w;
  AddAlgorithm(w.catalogue, "1", "a.bin");
  CAlgorithm& changed = AddAlgorithm(w.catalogue, "2", "b.bin", "описание", true);
  w.Open();
  test::ClickRow(*w.dialog, kIdAlgorithmList, 1);
  test::Click(*w.dialog, kIdDefaults);
  EXPECT_FALSE(ParamsDiffer(changed.current, changed.defaults));
  EXPECT_EQ(w.Rows()[1], "2 {b.bin}");
  EXPECT_FALSE(w.DefaultsEnabled());
  EXPECT_EQ(w.dialog->GetFocusId(), kIdAlgorithmList);
  EXPECT_EQ(w.List().GetCurSel(), 1);
  EXPECT_EQ(w.Description(), "описание");
}

TEST(MainWindowTest, ParametersRefreshTheRowWithoutMovingTheFocus) {
  Window w;
  AddAlgorithm(w.catalogue, "1", "a.bin");
  AddAlgorithm(w.catalogue, "2", "b.bin");
  w.editAction = [](CAlgorithm& algorithm) { algorithm.current.sensorCurrent = 1; };
  w.Open();
  test::ClickRow(*w.dialog, kIdAlgorithmList, 1);
  // Ctrl+click and Ctrl+Space keep the row selected: a single-selection list always has one.
  test::ClickRow(*w.dialog, kIdAlgorithmList, 1, true);
  Press(Key::kControlSpace);
  EXPECT_EQ(w.dialog->GetSelectedAlgorithm(), w.catalogue[1].get());
  test::Click(*w.dialog, kIdParameters);
  EXPECT_EQ(w.edited, (std::vector<CAlgorithm*>{w.catalogue[1].get()}));
  EXPECT_EQ(w.Rows(), (std::vector<std::string>{"1 {a.bin}", "* 2 {b.bin}"}));
  EXPECT_TRUE(w.DefaultsEnabled());
  EXPECT_EQ(w.dialog->GetFocusId(), kIdParameters);
  // A sheet that puts the defaults back by hand takes the marker away as well; a double click
  // on the row opens it.
  w.editAction = [](CAlgorithm& algorithm) { algorithm.current = algorithm.defaults; };
  test::DoubleClickRow(*w.dialog, kIdAlgorithmList, 1);
  EXPECT_EQ(w.edited.size(), 2u);
  EXPECT_EQ(w.Rows()[1], "2 {b.bin}");
  EXPECT_FALSE(w.DefaultsEnabled());
}

TEST(MainWindowTest, TabFollowsTheTemplateOrder) {
  Window w;
  AddAlgorithm(w.catalogue, "1", "a.bin", {}, true);  // so that "По умолчанию" takes the focus
  w.Open();
  std::vector<int> visited;
  for (int i = 0; i < 6; ++i) {
    Press(Key::kTab);
    visited.push_back(w.dialog->GetFocusId());
  }
  EXPECT_EQ(visited, (std::vector<int>{kIdOk, kIdParameters, kIdDefaults, kIdDescription,
                                       kIdHelpButton, kIdAlgorithmList}));
}

// Rows with equal texts once acted on the first of them: a write could program the wrong image.
TEST(MainWindowTest, EnterWritesTheSelectedAlgorithmEvenWhenRowTextsAreEqual) {
  Window w;
  AddAlgorithm(w.catalogue, "7", "same.bin", "первый");
  AddAlgorithm(w.catalogue, "7", "same.bin", "второй");
  w.Open();
  EXPECT_EQ(w.dialog->GetFocusId(), kIdAlgorithmList);
  Press(Key::kDown);
  EXPECT_EQ(w.Description(), "второй");
  Press(Key::kEnter);
  test::Click(*w.dialog, kIdParameters);
  EXPECT_EQ(w.written, (std::vector<CAlgorithm*>{w.catalogue[1].get()}));
  EXPECT_EQ(w.edited, (std::vector<CAlgorithm*>{w.catalogue[1].get()}));
  EXPECT_TRUE(w.dialog->IsWindowVisible());
  test::Click(*w.dialog, kIdOk);
  EXPECT_EQ(w.written.size(), 2u);
}

TEST(MainWindowTest, AnEmptyCatalogueDisablesTheCommandsButNotHelp) {
  Window w;
  w.Open();
  for (const int id : {kIdOk, kIdParameters, kIdDefaults})
    EXPECT_FALSE(w.dialog->IsDlgItemEnabled(id));
  test::Click(*w.dialog, kIdHelpButton);
  EXPECT_EQ(w.helpTopics, std::vector<std::uint32_t>{0x20000});
  w.dialog->GotoDlgCtrl(kIdAlgorithmList);
  Press(Key::kEnter);
  EXPECT_TRUE(w.written.empty());
  EXPECT_TRUE(w.dialog->IsWindowVisible());
}

TEST(MainWindowTest, EveryControlShowsItsTip) {
  Window w;
  AddAlgorithm(w.catalogue, "1", "a.bin", {}, true);
  w.Open();
  const std::pair<int, const char*> tips[] = {
      {kIdAlgorithmList,
       "Список доступных алгоритмов в формате <номер алгоритма>{<бинарный файл>}"},
      {kIdDescription, "Описание выбранного алгоритма"},
      {kIdOk, "Кнопка для записи выбранного алгоритма в прибор"},
      {kIdParameters, "Кнопка для открытия окна параметров выбранного алгоритма"},
      {kIdDefaults,
       "Кнопка для установки параметров выбранного алгоритма в значения \"по умолчанию\""},
      {kIdHelpButton, "Открытие файла помощи"},
  };
  for (const auto& [id, tip] : tips) EXPECT_EQ(test::ToolTip(*w.dialog, id), tip);
}

TEST(MainWindowTest, TheWindowMenuEndsWithAboutWhichOpensTheAboutBox) {
  Window w;
  AddAlgorithm(w.catalogue, "1", "a.bin");
  w.Open();
  const std::vector<std::string> items = test::WindowMenu(*w.dialog);
  ASSERT_GE(items.size(), 2u);
  EXPECT_EQ(items[items.size() - 2], "");
  EXPECT_EQ(items.back(), "&О программе...");
  std::string aboutTitle;
  test::ModalScript script;
  script.Then([&aboutTitle](CDialog& about) {
    aboutTitle = about.GetWindowText();
    Press(Key::kEnter);
  });
  test::ChooseWindowMenuItem(*w.dialog, kIdmAbout);
  EXPECT_EQ(aboutTitle, "О программе");
  EXPECT_TRUE(w.dialog->IsWindowVisible());
}

// Hundreds of rows, an ampersand, a 300-character name and a 100 KB description.
TEST(MainWindowTest, BadInputLeavesAWorkingScrollingWindow) {
  Window w;
  for (int i = 0; i < 500; ++i) AddAlgorithm(w.catalogue, std::to_string(i), "x.bin");
  AddAlgorithm(w.catalogue, "R&D", "r.bin");
  AddAlgorithm(w.catalogue, std::string(300, 'N'), "long.bin");
  const std::string line = "Строка описания алгоритма, довольно длинная.\r\n";
  std::string huge;
  for (std::size_t bytes = 0; bytes < 100 * 1024; bytes += Utf8ToCp1251(line).size()) huge += line;
  AddAlgorithm(w.catalogue, "big", "big.bin", huge);
  w.Open();
  EXPECT_EQ(w.List().GetCount(), 503);
  EXPECT_EQ(w.Rows()[500], "R&D {r.bin}");
  EXPECT_TRUE(test::CanScrollVertically(*w.dialog, kIdAlgorithmList));
  Press(Key::kEnd);
  EXPECT_EQ(w.dialog->GetSelectedAlgorithm(), w.catalogue[502].get());
  EXPECT_TRUE(test::IsScrolledDown(*w.dialog, kIdAlgorithmList));
  EXPECT_TRUE(test::IsReadOnly(*w.dialog, kIdDescription));
  EXPECT_TRUE(test::CanScrollVertically(*w.dialog, kIdDescription));
  EXPECT_EQ(w.Description(), huge);
  Press(Key::kUp);
  Press(Key::kUp);
  Press(Key::kEnter);
  EXPECT_EQ(w.written, (std::vector<CAlgorithm*>{w.catalogue[500].get()}));
}

// A new user's first change: "Параметры" from the real main window on the example data, a typed
// threshold, the changed row's marker and colour, and "По умолчанию" undoing it all.
TEST(MainWindowTest, ATypedThresholdMarksTheRowUntilDefaultsAreRestored) {
  AlgorithmCatalogue catalogue;
  ASSERT_TRUE(ScanCatalogue(LUNDA_EXAMPLES_DATA, catalogue));
  CAlgorithm& algorithm = *catalogue.front();
  ASSERT_NE(algorithm.defaults.thresholds[0], 169);  // else typing "3.3" changes nothing
  MainWindowCommands commands;
  commands.editParameters = [](CAlgorithm& edited, CDialog& owner) {
    EditParameters(edited, &owner);
  };
  CMainDlg window(catalogue, std::move(commands), [](std::uint32_t) {});
  ASSERT_TRUE(window.Create());
  ASSERT_TRUE(test::ShowActive(window));
  test::UsePlainPixels(window, kIdAlgorithmList);
  test::ClickRow(window, kIdAlgorithmList, 0);
  const std::string plainRow = CListBox(window, kIdAlgorithmList).GetText(0);
  EXPECT_EQ(ReadRow(window, 0, true).changedText, 0);

  std::string shown;
  test::ModalScript script;
  script.Then([&shown](CDialog& sheet) {
    auto& page = *static_cast<CPropertySheet&>(sheet).GetPage(0);
    test::Type(page, 1020, "3.3");
    Press(Key::kTab);
    shown = page.GetDlgItemText(1020) + " " + page.GetDlgItemText(1030);
    test::Click(sheet, kIdOk);
  });
  test::Click(window, kIdParameters);
  EXPECT_EQ(shown, "3.31 10101001");
  EXPECT_EQ(algorithm.current.thresholds[0], 169);
  EXPECT_EQ(CListBox(window, kIdAlgorithmList).GetText(0), "* " + plainRow);
  EXPECT_GT(ReadRow(window, 0, true).changedText, 0);
  ASSERT_TRUE(window.IsDlgItemEnabled(kIdDefaults));

  test::Click(window, kIdDefaults);
  EXPECT_EQ(CListBox(window, kIdAlgorithmList).GetText(0), plainRow);
  EXPECT_EQ(ReadRow(window, 0, true).changedText, 0);
  EXPECT_FALSE(window.IsDlgItemEnabled(kIdDefaults));
  EXPECT_TRUE(algorithm.current == algorithm.defaults);
}

}  // namespace
}  // namespace lunda
