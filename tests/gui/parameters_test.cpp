// The parameter sheet as the main window runs it: "Общие" (thresholds shown and typed, prompts,
// spins, the current kind, a page change), the channel pages (rows, disabled rows, typed values,
// units), the caption, OK, Apply, the ways out and help.
#include <gtest/gtest.h>

#include <bitset>
#include <cstdint>
#include <string>
#include <vector>

#include "algorithm/algorithm.h"
#include "algorithm/cp1251.h"
#include "gui/framework/up_down.h"
#include "gui/params/edit_parameters.h"
#include "gui_driver.h"
#include "message_box_recorder.h"
#include "modal_script.h"

namespace lunda {
namespace {

using test::Key;
using test::MessageBoxRecorder;
using test::Press;

constexpr int kEdit1 = 1020;
constexpr int kEdit2 = 1021;
constexpr int kDelayEdit = 1011;
constexpr int kBinary1 = 1030;
constexpr int kSpin1 = 1500;
constexpr int kValue = 1100;
constexpr int kUnit = 1200;
constexpr int kPurpose = 1300;
constexpr int kLabel = 1400;
constexpr int kDirect = 1012;
constexpr int kAlternating = 1013;

std::string Binary(int code) { return std::bitset<8>(static_cast<unsigned>(code)).to_string(); }

// A fresh example: thresholds at code 127, delay 16 s, direct current, delay k = k seconds,
// purposes "Цель k".
std::unique_ptr<CAlgorithm> Example() {
  auto algorithm = std::make_unique<CAlgorithm>();
  algorithm->name = Utf8ToCp1251("Алгоритм 7");
  algorithm->file = "alg7.bin";
  for (int k = 0; k < kDelayCount; ++k) {
    algorithm->defaults.delays[k] = static_cast<std::uint8_t>(k);
    algorithm->purposes[k] = Utf8ToCp1251("Цель " + std::to_string(k + 1));
  }
  algorithm->current = algorithm->defaults;
  return algorithm;
}

// The open sheet as a test drives it.
struct Sheet {
  CPropertySheet& sheet;

  [[nodiscard]] CPropertyPage& Page(int index) const { return *sheet.GetPage(index); }
  [[nodiscard]] std::string Text(int page, int id) const { return Page(page).GetDlgItemText(id); }
  [[nodiscard]] bool ApplyEnabled() const { return sheet.IsDlgItemEnabled(kIdApplyNow); }
  [[nodiscard]] int FocusId(int page) const { return Page(page).GetFocusId(); }
  void Type(int page, int id, std::string_view text) const { test::Type(Page(page), id, text); }
  void Click(int page, int id) const { test::Click(Page(page), id); }
  void ClickButton(int id) const { test::Click(sheet, id); }
  void ClickTab(int index) const { test::ClickTab(sheet, index); }
};

// Runs the parameter sheet over algorithm and hands the open, active sheet to drive; returns how
// the sheet ended. Whatever drive leaves open is cancelled, so a failed check never leaves the
// modal loop running.
int RunSheet(CAlgorithm& algorithm, const std::function<void(const Sheet&)>& drive,
             ShowHelpFunction showHelp = {}) {
  test::ModalScript script;
  script.Then([&drive](CDialog& dialog) {
    auto& sheet = static_cast<CPropertySheet&>(dialog);
    drive(Sheet{sheet});
    if (sheet.IsWindowVisible()) test::Click(sheet, kIdCancel);
  });
  const ParameterSheet parameters = CreateParameterSheet(algorithm, nullptr, std::move(showHelp));
  const int result = parameters.sheet->DoModal();
  EXPECT_TRUE(script.Done());
  return result;
}

// Each stored code is shown, and typing the shown text reads the same code back; typed volts
// snap up to the next code; a refused text leaves the stored value in place.
TEST(CommonPageTest, ThresholdsShownAndTyped) {
  struct Case {
    int stored;
    std::string typed;
    int code;
    std::string shown;
    std::string prompt;  // empty: no box
  };
  std::vector<Case> cases;
  const std::pair<int, const char*> stored[] = {
      {0, "0"},      {1, "0.01"},   {2, "0.03"},  {26, "0.5"},   {51, "1"},     {77, "1.5"},
      {100, "1.96"}, {127, "2.49"}, {128, "2.5"}, {169, "3.31"}, {254, "4.98"}, {255, "5"}};
  for (const auto& [code, shown] : stored) cases.push_back({code, shown, code, shown, ""});
  const std::string notANumber = "Please enter a number.";
  const std::vector<Case> typed = {
      {127, "2.5", 128, "2.5", ""},       {127, "3.3", 169, "3.31", ""},
      {127, "1.95", 100, "1.96", ""},     {127, "0.02", 2, "0.03", ""},
      {127, "0.005", 1, "0.01", ""},      {127, "4.99", 255, "5", ""},
      {127, "7", 255, "5", ""},           {127, "-1", 0, "0", ""},
      {127, " 2.5e0 ", 128, "2.5", ""},   {127, "2,5", 127, "2.49", notANumber},
      {127, "", 127, "2.49", notANumber}, {127, "три", 127, "2.49", notANumber},
  };
  cases.insert(cases.end(), typed.begin(), typed.end());
  for (const Case& c : cases) {
    SCOPED_TRACE("stored " + std::to_string(c.stored) + ", typed '" + c.typed + "'");
    auto algorithm = Example();
    algorithm->current.thresholds.fill(static_cast<std::uint8_t>(c.stored));
    MessageBoxRecorder boxes;
    RunSheet(*algorithm, [&](const Sheet& s) {
      if (c.code == c.stored) {
        // The sheet opens in the first field with its text selected: typing replaces it.
        EXPECT_EQ(test::SelectedText(s.Page(0), kEdit1), c.shown);
        EXPECT_EQ(s.Text(0, kEdit1 + 3), c.shown);
        EXPECT_EQ(s.Text(0, kBinary1 + 3), Binary(c.code));
      }
      s.Type(0, kEdit1, c.typed);
      Press(Key::kTab);
      ASSERT_EQ(boxes.boxes.size(), c.prompt.empty() ? 0u : 1u);
      if (!c.prompt.empty()) {
        EXPECT_EQ(boxes.boxes[0].text, c.prompt);
      }
      EXPECT_EQ(s.FocusId(0), c.prompt.empty() ? kEdit2 : kEdit1);
      if (c.prompt.empty()) {
        EXPECT_EQ(test::SelectedText(s.Page(0), kEdit2), s.Text(0, kEdit2));  // the next, whole
      }
      EXPECT_EQ(s.Text(0, kEdit1), c.shown);
      EXPECT_EQ(s.Text(0, kBinary1), Binary(c.code));
      EXPECT_EQ(CUpDown(s.Page(0), kSpin1).GetPos(), c.code);
      EXPECT_EQ(s.ApplyEnabled(), c.code != c.stored);
      s.ClickButton(kIdOk);
    });
    EXPECT_EQ(algorithm->current.thresholds[0], c.code);
  }
}

TEST(CommonPageTest, SpinStepsOneCodeAndStopsAtTheEnds) {
  struct Case {
    int stored;
    const char* typed;  // before the click; the spin steps from the stored code
    int direction;
    bool key;  // Up or Down in the field instead of a click on an arrow
    int code;
    const char* shown;
  };
  const Case cases[] = {{127, "", +1, false, 128, "2.5"},    {127, "", -1, false, 126, "2.47"},
                        {255, "", +1, false, 255, "5"},      {0, "", -1, false, 0, "0"},
                        {127, "3.3", +1, false, 128, "2.5"}, {127, "", +1, true, 128, "2.5"},
                        {127, "", -1, true, 126, "2.47"}};
  for (const Case& c : cases) {
    auto algorithm = Example();
    algorithm->current.thresholds[1] = static_cast<std::uint8_t>(c.stored);
    RunSheet(*algorithm, [&](const Sheet& s) {
      if (*c.typed) s.Type(0, kEdit2, c.typed);
      if (c.key) {
        s.Click(0, kEdit2);
        Press(c.direction > 0 ? Key::kUp : Key::kDown);
      } else {
        test::ClickArrow(s.Page(0), kSpin1 + 1, c.direction);
      }
      if (*c.typed) {
        EXPECT_EQ(s.FocusId(0), kEdit2);
      }
      EXPECT_EQ(s.Text(0, kEdit2), c.shown);
      EXPECT_EQ(s.Text(0, kBinary1 + 1), Binary(c.code));
      EXPECT_EQ(s.ApplyEnabled(), c.code != c.stored);
      s.ClickButton(kIdOk);
    });
    EXPECT_EQ(algorithm->current.thresholds[1], c.code) << c.stored << " " << c.direction;
  }
}

// A radio click rereads the page, snapping the typed threshold; OK writes the kind the radios
// show. A stored kind outside them checks neither and is written as alternating: the sheet opens
// with the focus entering the first threshold field, whose reread reports the change.
TEST(CommonPageTest, RadioClickRereadsAndOkWritesTheKind) {
  struct Case {
    int stored;
    int radio;  // clicked after typing 3.3; 0: nothing clicked
    int written;
  };
  const Case cases[] = {{0, kAlternating, 1}, {1, kDirect, 0}, {2, 0, 1}};
  for (const Case& c : cases) {
    auto algorithm = Example();
    algorithm->current.sensorCurrent = c.stored;
    RunSheet(*algorithm, [&](const Sheet& s) {
      EXPECT_EQ(s.Page(0).IsDlgButtonChecked(kDirect), c.stored == 0);
      EXPECT_EQ(s.Page(0).IsDlgButtonChecked(kAlternating), c.stored == 1);
      if (c.radio != 0) {
        s.Type(0, kEdit1, "3.3");
        s.Click(0, c.radio);
        EXPECT_EQ(s.Text(0, kEdit1), "3.31");
      }
      EXPECT_TRUE(s.ApplyEnabled());
      s.ClickButton(kIdOk);
    });
    EXPECT_EQ(algorithm->current.sensorCurrent, c.written) << c.stored;
  }
}

TEST(CommonPageTest, StartDelayTakesBytesOnly) {
  // -1: refused, and the field shows the 16 s held before.
  const std::pair<const char*, int> cases[] = {{"255", 255}, {" 7\t", 7}, {"256", -1},
                                               {"+5", -1},   {"-1", -1},  {"", -1}};
  for (const auto& [typed, stored] : cases) {
    auto algorithm = Example();
    MessageBoxRecorder boxes;
    RunSheet(*algorithm, [&](const Sheet& s) {
      s.Type(0, kDelayEdit, typed);
      s.Click(0, kEdit1);
      ASSERT_EQ(boxes.boxes.size(), stored < 0 ? 1u : 0u) << typed;
      if (stored < 0) {
        EXPECT_EQ(boxes.boxes[0].text, "Please enter an integer between 0 and 255.");
        EXPECT_EQ(s.FocusId(0), kDelayEdit);
        EXPECT_EQ(test::SelectedText(s.Page(0), kDelayEdit), "16");
      }
      s.ClickButton(kIdOk);
    });
    EXPECT_EQ(algorithm->current.startDelay, stored < 0 ? 16 : stored) << typed;
  }
}

// The page change keeps the value as read; the next reread snaps it.
TEST(CommonPageTest, PageChangeKeepsTheValueAsReadUntilTheNextReread) {
  auto algorithm = Example();
  RunSheet(*algorithm, [&](const Sheet& s) {
    s.Type(0, kEdit1, "2.5695");
    s.ClickTab(1);
    EXPECT_EQ(s.sheet.GetActiveIndex(), 1);
    s.ClickTab(0);
    EXPECT_EQ(s.Text(0, kBinary1), Binary(132));
    EXPECT_EQ(s.Text(0, kEdit1), "2.56");
    s.Click(0, kEdit2);
    EXPECT_EQ(s.Text(0, kBinary1), Binary(131));
    s.ClickButton(kIdOk);
  });
  EXPECT_EQ(algorithm->current.thresholds[0], 131);
}

TEST(ChannelPageTest, RowsComeFromTheChannelsShare) {
  for (const int page : {1, 2, 3}) {
    const int firstDelay = (page - 1) * 12;
    auto algorithm = Example();
    algorithm->current.delays[firstDelay] = 0xC5;       // 5 days
    algorithm->current.delays[firstDelay + 11] = 0x7F;  // 63 minutes
    algorithm->purposes[firstDelay + 1] += std::string(200, '.');
    RunSheet(*algorithm, [&](const Sheet& s) {
      s.ClickTab(page);
      EXPECT_EQ(s.Text(page, kPurpose), "Цель " + std::to_string(firstDelay + 1));
      EXPECT_TRUE(test::ShowsTextStart(s.Page(page), kPurpose + 1));  // a long purpose's start
      EXPECT_EQ(s.Text(page, kLabel), "T" + std::to_string(firstDelay + 1));
      EXPECT_EQ(s.Text(page, kLabel + 11), "T" + std::to_string(firstDelay + 12));
      EXPECT_EQ(s.Text(page, kValue), "5");
      EXPECT_EQ(s.Text(page, kUnit), "сут.");
      EXPECT_EQ(s.Text(page, kValue + 5), std::to_string(firstDelay + 5));
      EXPECT_EQ(s.Text(page, kUnit + 5), "сек.");
      EXPECT_EQ(s.Text(page, kValue + 11), "63");
      EXPECT_EQ(s.Text(page, kUnit + 11), "мин.");
      s.ClickButton(kIdOk);
    });
    EXPECT_EQ(algorithm->current.delays[firstDelay], 0xC5);
    EXPECT_EQ(algorithm->current.delays[firstDelay + 11], 0x7F);
  }
}

TEST(ChannelPageTest, RowsNotInUseAreDisabledByExactText) {
  const std::pair<const char*, bool> cases[] = {{"Не используется", false},
                                                {"Всегда 0", false},
                                                {"Не используется ", true},
                                                {"не используется", true},
                                                {"", true}};
  for (const auto& [purpose, enabled] : cases) {
    auto algorithm = Example();
    algorithm->purposes[3] = Utf8ToCp1251(purpose);
    algorithm->current.delays[3] = 0x87;  // 7 hours
    RunSheet(*algorithm, [&](const Sheet& s) {
      s.ClickTab(1);
      EXPECT_EQ(s.Page(1).IsDlgItemEnabled(kValue + 3), enabled) << purpose;
      EXPECT_EQ(s.Page(1).IsDlgItemEnabled(kUnit + 3), enabled) << purpose;
      EXPECT_EQ(s.Text(1, kValue + 3), "7");
      EXPECT_EQ(s.Text(1, kUnit + 3), "час.");
      s.Click(1, kValue + 4);
      s.ClickButton(kIdOk);
    });
    EXPECT_EQ(algorithm->current.delays[3], 0x87);
  }
}

TEST(ChannelPageTest, TypedValues) {
  const std::string positive = "Please enter a positive integer.";
  struct Case {
    const char* typed;
    std::string prompt;  // empty: no box
    const char* shown;   // in the row once the focus has moved on
    int next;            // the control clicked after typing
  };
  // The click that gave a unit list the focus must not open its drop-down behind the box.
  const Case cases[] = {{"63", "", "63", kValue + 3},
                        {" 7 ", "", "7", kValue + 3},
                        {"64", "Please enter an integer between 0 and 63.", "64", kUnit + 3},
                        {"-3", positive, "2", kValue + 3},
                        {"1 2", positive, "2", kValue + 3},
                        {"", positive, "2", kValue + 3},
                        {"x", positive, "2", kUnit + 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    auto algorithm = Example();
    algorithm->current.delays[2] = 2;
    MessageBoxRecorder boxes;
    RunSheet(*algorithm, [&](const Sheet& s) {
      s.ClickTab(1);
      s.Type(1, kValue + 2, c.typed);
      s.Click(1, c.next);
      EXPECT_EQ(s.Text(1, kValue + 2), c.shown);
      EXPECT_FALSE(test::IsDroppedDown(s.Page(1), kUnit + 3));
      if (c.prompt.empty()) {
        EXPECT_TRUE(boxes.boxes.empty());
        EXPECT_EQ(s.FocusId(1), c.next);
        EXPECT_EQ(s.ApplyEnabled(), std::string(c.shown) != "2");
        s.ClickButton(kIdOk);
        return;
      }
      ASSERT_EQ(boxes.boxes.size(), 1u);
      EXPECT_EQ(boxes.boxes[0].text, c.prompt);
      EXPECT_EQ(s.FocusId(1), kValue + 2);
      EXPECT_EQ(test::SelectedText(s.Page(1), kValue + 2), c.shown);
      s.Type(1, kValue + 2, "11");
      s.ClickButton(kIdOk);
    });
    const int stored = c.prompt.empty() ? std::stoi(c.shown) : 11;
    EXPECT_EQ(algorithm->current.delays[2], stored);
  }
}

TEST(ChannelPageTest, UnitChangeAloneIsWrittenAndEnablesApplyOnTheNextEntry) {
  auto algorithm = Example();
  RunSheet(*algorithm, [&](const Sheet& s) {
    s.ClickTab(1);
    s.Click(1, kValue + 11);
    Press(Key::kTab);
    EXPECT_EQ(s.FocusId(1), kUnit + 1);
    Press(Key::kDown);
    EXPECT_EQ(s.Text(1, kUnit + 1), "мин.");
    EXPECT_FALSE(s.ApplyEnabled());
    Press(Key::kTab);
    EXPECT_EQ(s.FocusId(1), kUnit + 2);
    EXPECT_TRUE(s.ApplyEnabled());
    s.ClickButton(kIdOk);
  });
  EXPECT_EQ(algorithm->current.delays[1], 0x41);
}

TEST(AppPropSheetTest, CaptionButtonsAndTabsSpeakRussianAndLongNamesStayWhole) {
  const std::pair<std::string, int> cases[] = {{"Алгоритм 7", 3}, {std::string(300, 'N'), 16}};
  for (const auto& [name, startDelay] : cases) {
    auto algorithm = Example();
    algorithm->name = Utf8ToCp1251(name);
    algorithm->current.startDelay = static_cast<std::uint8_t>(startDelay);
    RunSheet(*algorithm, [&](const Sheet& s) {
      EXPECT_EQ(s.sheet.GetWindowText(), (startDelay != 16 ? "* " : "") + name + " {alg7.bin}");
      EXPECT_EQ(s.sheet.GetDlgItemText(kIdOk), "OK");
      EXPECT_EQ(s.sheet.GetDlgItemText(kIdCancel), "&Отмена");
      EXPECT_EQ(s.sheet.GetDlgItemText(kIdHelp), "&Помощь");
      EXPECT_EQ(s.sheet.GetDlgItemText(kIdApplyNow), "&Применить");
      const char* tabs[] = {"Общие", "Канал 1", "Канал 2", "Канал 3"};
      for (int i = 0; i < 4; ++i) EXPECT_EQ(test::TabText(s.sheet, i), tabs[i]);
    });
  }
}

// Only the pages shown are read back: "Канал 1" and "Канал 3" were never created.
TEST(AppPropSheetTest, OkFromAnotherPageWritesTheShownPagesOnly) {
  auto algorithm = Example();
  algorithm->current.thresholds = {0, 1, 169, 255};
  AlgorithmParams expected = algorithm->current;
  expected.delays[12] = 9;
  std::vector<bool> created;
  RunSheet(*algorithm, [&](const Sheet& s) {
    s.ClickTab(2);
    s.Type(2, kValue, "9");
    s.ClickTab(0);
    EXPECT_EQ(s.sheet.GetActiveIndex(), 0);
    for (int i = 0; i < 4; ++i) created.push_back(s.Page(i).IsCreated());
    s.ClickButton(kIdOk);
  });
  EXPECT_EQ(created, (std::vector<bool>{true, false, true, false}));
  EXPECT_TRUE(algorithm->current == expected);
  EXPECT_EQ(algorithm->defaults.delays[12], 12);
}

// After "&Применить" the sheet stays open; leaving it keeps what was applied, except Enter (OK).
// The close box leaves as Cancel and nothing more: the program goes on.
TEST(AppPropSheetTest, ApplyThenLeave) {
  enum class Leave { kCancelButton, kEscape, kCloseBox, kEnter };
  const std::pair<Leave, int> cases[] = {
      {Leave::kCancelButton, 5}, {Leave::kEscape, 5}, {Leave::kCloseBox, 5}, {Leave::kEnter, 7}};
  for (const auto& [leave, startDelay] : cases) {
    auto algorithm = Example();
    const int result = RunSheet(*algorithm, [&](const Sheet& s) {
      s.Type(0, kDelayEdit, "5");
      s.Click(0, kEdit1);
      EXPECT_TRUE(s.ApplyEnabled());
      s.ClickButton(kIdApplyNow);
      EXPECT_TRUE(s.sheet.IsWindowVisible());
      EXPECT_FALSE(s.ApplyEnabled());
      EXPECT_EQ(algorithm->current.startDelay, 5);
      // The caption stays as it was when the sheet opened.
      EXPECT_EQ(s.sheet.GetWindowText(), "Алгоритм 7 {alg7.bin}");
      s.Type(0, kDelayEdit, "7");
      s.Click(0, kEdit1);
      if (leave == Leave::kCancelButton) s.ClickButton(kIdCancel);
      if (leave == Leave::kEscape) Press(Key::kEscape);
      if (leave == Leave::kCloseBox) test::CloseBox(s.sheet);
      if (leave == Leave::kEnter) Press(Key::kEnter);
    });
    EXPECT_EQ(algorithm->current.startDelay, startDelay);
    EXPECT_EQ(result, leave == Leave::kEnter ? kIdOk : kIdCancel);
  }
}

TEST(AppPropSheetTest, HelpOnAnyPageOpensTheParametersTopic) {
  auto algorithm = Example();
  std::vector<std::uint32_t> topics;
  const auto drive = [](const Sheet& s) {
    s.ClickButton(kIdHelp);
    s.ClickTab(3);
    s.ClickButton(kIdHelp);
    EXPECT_TRUE(s.sheet.IsWindowVisible());
  };
  RunSheet(*algorithm, drive, [&topics](std::uint32_t context) { topics.push_back(context); });
  EXPECT_EQ(topics, (std::vector<std::uint32_t>{0x20002, 0x20002}));
}

}  // namespace
}  // namespace lunda
