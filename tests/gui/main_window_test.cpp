// The main window: rows in catalogue order and their drawing, selection, the commands and their
// buttons, the keyboard, tooltips and the About box.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "algorithm/cp1251.h"
#include "gui/framework/resources.h"
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

// Counts of the pixels of one row that are not its fill colour.
struct RowInk {
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
      if (c == fill) continue;
      if (y == 0 || y == picture.height - 1) ink.edgesAreFill = false;
      if (ink.left < 0 || x < ink.left) ink.left = x;
      ink.right = std::max(ink.right, x);
      ++(c == kChangedRowText ? ink.changedText : ink.other);
    }
  }
  return ink;
}

// The rows follow the catalogue, a changed one in its own colour, an ampersand drawn as an
// underline; rows past the catalogue are blank. The selection shows its description and whether
// "По умолчанию" has something to do. "Параметры" leaves the focus where it was; "По умолчанию",
// which disables itself, hands it to the list.
TEST(MainWindowTest, RowsSelectionParametersAndDefaults) {
  Window w;
  AddAlgorithm(w.catalogue, "W", "a.bin", "Первая строка\r\nвторая");
  AddAlgorithm(w.catalogue, "&W", "a.bin");
  AddAlgorithm(w.catalogue, "10", "b.bin", {}, true);
  CAlgorithm& edited = AddAlgorithm(w.catalogue, "5 Пожар", "c.bin", "описание");
  w.editAction = [](CAlgorithm& algorithm) { algorithm.current.sensorCurrent = 1; };
  w.Open();
  EXPECT_EQ(w.Rows(), (std::vector<std::string>{"W {a.bin}", "&W {a.bin}", "* 10 {b.bin}",
                                                "5 Пожар {c.bin}"}));
  EXPECT_EQ(w.dialog->GetWindowText(), "Программатор ЛУНДА");
  EXPECT_EQ(w.List().GetCurSel(), 0);
  EXPECT_EQ(w.Description(), "Первая строка\r\nвторая");
  EXPECT_FALSE(w.DefaultsEnabled());

  test::UsePlainPixels(*w.dialog, kIdAlgorithmList);
  // "&W" is drawn as an underlined "W": as wide, with more ink.
  const RowInk plain = ReadRow(*w.dialog, 0, true);
  const RowInk marked = ReadRow(*w.dialog, 1, false);
  EXPECT_EQ(marked.left, plain.left);
  EXPECT_EQ(marked.right, plain.right);
  EXPECT_GT(marked.other, plain.other);
  CAlgorithmListBox list;
  list.SetCatalogue(&w.catalogue);
  EXPECT_FALSE(list.DrawItem(4).has_value());
  EXPECT_FALSE(list.DrawItem(-1).has_value());
  for (const int selected : {0, 2}) {
    test::ClickRow(*w.dialog, kIdAlgorithmList, selected);
    for (const int row : {0, 2}) {
      const RowInk ink = ReadRow(*w.dialog, row, row == selected);
      EXPECT_TRUE(ink.edgesAreFill);
      EXPECT_EQ(ink.changedText > 0, row == 2) << row << selected;
      EXPECT_EQ(ink.other > 0, row != 2) << row << selected;
    }
  }
  EXPECT_EQ(w.Description(), "");
  EXPECT_TRUE(w.DefaultsEnabled());

  test::ClickRow(*w.dialog, kIdAlgorithmList, 3);
  // Ctrl+click and Ctrl+Space keep the row selected: a single-selection list always has one.
  test::ClickRow(*w.dialog, kIdAlgorithmList, 3, true);
  Press(Key::kControlSpace);
  test::Click(*w.dialog, kIdParameters);
  EXPECT_EQ(w.edited, (std::vector<CAlgorithm*>{&edited}));
  EXPECT_EQ(w.Rows()[3], "* 5 Пожар {c.bin}");
  EXPECT_TRUE(w.DefaultsEnabled());
  EXPECT_EQ(w.dialog->GetFocusId(), kIdParameters);

  test::Click(*w.dialog, kIdDefaults);
  EXPECT_FALSE(ParamsDiffer(edited.current, edited.defaults));
  EXPECT_EQ(w.Rows()[3], "5 Пожар {c.bin}");
  EXPECT_FALSE(w.DefaultsEnabled());
  EXPECT_EQ(w.dialog->GetFocusId(), kIdAlgorithmList);
  EXPECT_EQ(w.List().GetCurSel(), 3);
  EXPECT_EQ(w.Description(), "описание");
  // A double click on the row opens the sheet as well.
  test::DoubleClickRow(*w.dialog, kIdAlgorithmList, 3);
  EXPECT_EQ(w.edited.size(), 2u);
  EXPECT_EQ(w.Rows()[3], "* 5 Пожар {c.bin}");
}

// With no algorithm the commands are disabled but help is not; every control has its tip; the
// window menu ends with the About box.
TEST(MainWindowTest, AnEmptyCatalogueTipsAndTheAboutBox) {
  Window w;
  w.Open();
  for (const int id : {kIdOk, kIdParameters, kIdDefaults})
    EXPECT_FALSE(w.dialog->IsDlgItemEnabled(id));
  test::Click(*w.dialog, kIdHelpButton);
  EXPECT_EQ(w.helpTopics, std::vector<std::uint32_t>{0x20000});
  w.dialog->GotoDlgCtrl(kIdAlgorithmList);
  Press(Key::kEnter);
  EXPECT_TRUE(w.written.empty());
  for (const int id : {kIdAlgorithmList, kIdDescription, kIdOk, kIdParameters, kIdDefaults}) {
    EXPECT_FALSE(test::ToolTip(*w.dialog, id).empty()) << id;
  }
  EXPECT_EQ(test::ToolTip(*w.dialog, kIdHelpButton), "Открытие файла помощи");

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
  EXPECT_EQ(w.dialog->GetFocusId(), kIdAlgorithmList);
  Press(Key::kDown);
  EXPECT_EQ(w.Description(), "второй");
  Press(Key::kEnter);
  test::Click(*w.dialog, kIdParameters);
  EXPECT_EQ(w.edited, (std::vector<CAlgorithm*>{w.catalogue[1].get()}));
  EXPECT_TRUE(w.dialog->IsWindowVisible());
  w.dialog->GotoDlgCtrl(kIdAlgorithmList);
  Press(Key::kEnd);
  EXPECT_EQ(w.dialog->GetSelectedAlgorithm(), w.catalogue[500].get());
  EXPECT_TRUE(test::IsReadOnly(*w.dialog, kIdDescription));
  EXPECT_TRUE(test::CanScrollVertically(*w.dialog, kIdDescription));
  EXPECT_TRUE(w.Description() == huge);
  Press(Key::kUp);
  test::Click(*w.dialog, kIdOk);
  EXPECT_EQ(w.written, (std::vector<CAlgorithm*>{w.catalogue[1].get(), w.catalogue[499].get()}));
}

}  // namespace
}  // namespace lunda
