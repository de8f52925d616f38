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

  void Open() {
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

// Rows past the catalogue are blank.
TEST(MainWindowTest, RowsAreDrawnInTheirStateColoursAndAnAmpersandUnderlines) {
  Window w;
  AddAlgorithm(w.catalogue, "W", "a.bin");
  AddAlgorithm(w.catalogue, "&W", "a.bin");
  AddAlgorithm(w.catalogue, "12", "a.bin", {}, true);
  w.Open();
  test::UsePlainPixels(*w.dialog, kIdAlgorithmList);
  for (const int selected : {2, 0}) {
    test::ClickRow(*w.dialog, kIdAlgorithmList, selected);
    for (const int row : {0, 2}) {
      const RowInk ink = ReadRow(*w.dialog, row, row == selected);
      EXPECT_GT(ink.fill, 0);
      EXPECT_TRUE(ink.edgesAreFill);
      EXPECT_EQ(ink.changedText > 0, row == 2) << row << selected;
      EXPECT_EQ(ink.other > 0, row != 2) << row << selected;
    }
  }
  // "&W" is drawn as an underlined "W": as wide, with more ink.
  const RowInk plain = ReadRow(*w.dialog, 0, true);
  const RowInk marked = ReadRow(*w.dialog, 1, false);
  EXPECT_EQ(marked.left, plain.left);
  EXPECT_EQ(marked.right, plain.right);
  EXPECT_GT(marked.other, plain.other);
  EXPECT_EQ(w.Rows()[1], "&W {a.bin}");
  CAlgorithmListBox list;
  list.SetCatalogue(&w.catalogue);
  EXPECT_FALSE(list.DrawItem(3).has_value());
  EXPECT_FALSE(list.DrawItem(-1).has_value());
}

// The rows follow the catalogue; the selection shows its description and whether "По умолчанию"
// has something to do. "Параметры" leaves the focus where it was; "По умолчанию", which disables
// itself, hands it to the list.
TEST(MainWindowTest, SelectionParametersAndDefaults) {
  Window w;
  AddAlgorithm(w.catalogue, "2", "a.bin", "Первая строка\r\nвторая");
  AddAlgorithm(w.catalogue, "10", "b.bin", {}, true);
  CAlgorithm& edited = AddAlgorithm(w.catalogue, "5 Пожар", "c.bin", "описание");
  w.editAction = [](CAlgorithm& algorithm) { algorithm.current.sensorCurrent = 1; };
  w.Open();
  EXPECT_EQ(w.Rows(), (std::vector<std::string>{"2 {a.bin}", "* 10 {b.bin}", "5 Пожар {c.bin}"}));
  EXPECT_EQ(w.dialog->GetWindowText(), "Программатор ЛУНДА");
  EXPECT_EQ(w.List().GetCurSel(), 0);
  EXPECT_EQ(w.Description(), "Первая строка\r\nвторая");
  EXPECT_FALSE(w.DefaultsEnabled());
  test::ClickRow(*w.dialog, kIdAlgorithmList, 1);
  EXPECT_EQ(w.Description(), "");
  EXPECT_TRUE(w.DefaultsEnabled());

  test::ClickRow(*w.dialog, kIdAlgorithmList, 2);
  // Ctrl+click and Ctrl+Space keep the row selected: a single-selection list always has one.
  test::ClickRow(*w.dialog, kIdAlgorithmList, 2, true);
  Press(Key::kControlSpace);
  test::Click(*w.dialog, kIdParameters);
  EXPECT_EQ(w.edited, (std::vector<CAlgorithm*>{&edited}));
  EXPECT_EQ(w.Rows()[2], "* 5 Пожар {c.bin}");
  EXPECT_TRUE(w.DefaultsEnabled());
  EXPECT_EQ(w.dialog->GetFocusId(), kIdParameters);

  test::Click(*w.dialog, kIdDefaults);
  EXPECT_FALSE(ParamsDiffer(edited.current, edited.defaults));
  EXPECT_EQ(w.Rows()[2], "5 Пожар {c.bin}");
  EXPECT_FALSE(w.DefaultsEnabled());
  EXPECT_EQ(w.dialog->GetFocusId(), kIdAlgorithmList);
  EXPECT_EQ(w.List().GetCurSel(), 2);
  EXPECT_EQ(w.Description(), "описание");
  // A double click on the row opens the sheet as well.
  test::DoubleClickRow(*w.dialog, kIdAlgorithmList, 2);
  EXPECT_EQ(w.edited.size(), 2u);
  EXPECT_EQ(w.Rows()[2], "* 5 Пожар {c.bin}");
}

TEST(MainWindowTest, TabOrderTipsAndTheAboutBox) {
  Window w;
  AddAlgorithm(w.catalogue, "1", "a.bin", {}, true);  // so that "По умолчанию" takes the focus
  w.Open();
  std::vector<int> visited;
  for (int i = 0; i < 6; ++i) {
    Press(Key::kTab);
    visited.push_back(w.dialog->GetFocusId());
    EXPECT_FALSE(test::ToolTip(*w.dialog, visited.back()).empty()) << visited.back();
  }
  EXPECT_EQ(visited, (std::vector<int>{kIdOk, kIdParameters, kIdDefaults, kIdDescription,
                                       kIdHelpButton, kIdAlgorithmList}));
  EXPECT_EQ(test::ToolTip(*w.dialog, kIdAlgorithmList),
            "Список доступных алгоритмов в формате <номер алгоритма>{<бинарный файл>}");
  EXPECT_EQ(test::ToolTip(*w.dialog, kIdDefaults),
            "Кнопка для установки параметров выбранного алгоритма в значения \"по умолчанию\"");

  const std::vector<std::string> items = test::WindowMenu(*w.dialog);
  ASSERT_GE(items.size(), 2u);
  EXPECT_EQ(std::vector(items.end() - 2, items.end()),
            (std::vector<std::string>{"", "&О программе..."}));
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

// Hundreds of rows, a 300-character name and a 100 KB description.
TEST(MainWindowTest, BadInputLeavesAWorkingScrollingWindow) {
  Window w;
  for (int i = 0; i < 500; ++i) AddAlgorithm(w.catalogue, std::to_string(i), "x.bin");
  AddAlgorithm(w.catalogue, std::string(300, 'N'), "long.bin");
  const std::string line = "Строка описания алгоритма, довольно длинная.\r\n";
  std::string huge;
  for (std::size_t bytes = 0; bytes < 100 * 1024; bytes += Utf8ToCp1251(line).size()) huge += line;
  AddAlgorithm(w.catalogue, "big", "big.bin", huge);
  w.Open();
  EXPECT_EQ(w.List().GetCount(), 502);
  EXPECT_TRUE(test::CanScrollVertically(*w.dialog, kIdAlgorithmList));
  Press(Key::kEnd);
  EXPECT_EQ(w.dialog->GetSelectedAlgorithm(), w.catalogue[501].get());
  EXPECT_TRUE(test::IsScrolledDown(*w.dialog, kIdAlgorithmList));
  EXPECT_TRUE(test::IsReadOnly(*w.dialog, kIdDescription));
  EXPECT_TRUE(test::CanScrollVertically(*w.dialog, kIdDescription));
  EXPECT_EQ(w.Description(), huge);
  Press(Key::kUp);
  Press(Key::kUp);
  Press(Key::kEnter);
  EXPECT_EQ(w.written, (std::vector<CAlgorithm*>{w.catalogue[499].get()}));
}

// A new user's first change: "Параметры" on the example data runs the real sheet over the main
// window, a typed threshold marks the row, and "По умолчанию" undoes it all.
TEST(MainWindowTest, ATypedThresholdMarksTheRowUntilDefaultsAreRestored) {
  Window w;
  ASSERT_TRUE(ScanCatalogue(LUNDA_EXAMPLES_DATA, w.catalogue));
  CAlgorithm& algorithm = *w.catalogue.front();
  ASSERT_NE(algorithm.defaults.thresholds[0], 169);  // else typing "3.3" changes nothing
  w.editAction = [&w](CAlgorithm& edited) { EditParameters(edited, w.dialog.get()); };
  w.Open();
  const std::string plainRow = w.Rows()[0];
  test::ModalScript script;
  script.Then([](CDialog& sheet) {
    test::Type(*static_cast<CPropertySheet&>(sheet).GetPage(0), 1020, "3.3");
    test::Click(sheet, kIdOk);
  });
  test::Click(*w.dialog, kIdParameters);
  EXPECT_EQ(algorithm.current.thresholds[0], 169);
  EXPECT_EQ(w.Rows()[0], "* " + plainRow);
  ASSERT_TRUE(w.DefaultsEnabled());
  test::Click(*w.dialog, kIdDefaults);
  EXPECT_EQ(w.Rows()[0], plainRow);
  EXPECT_TRUE(algorithm.current == algorithm.defaults);
}

}  // namespace
}  // namespace lunda
