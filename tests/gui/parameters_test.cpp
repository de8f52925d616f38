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
#include "res/ids.h"

namespace lunda {
namespace {

using test::Key;
using test::Press;

constexpr int kEdit1 = ids::common_page::kFirstThreshold;
constexpr int kDelayEdit = ids::common_page::kStartDelay;
constexpr int kBinary1 = ids::common_page::kFirstBinaryCode;
constexpr int kSpin1 = ids::common_page::kFirstSpin;
constexpr int kValue = ids::channel_page::kFirstValue;
constexpr int kUnit = ids::channel_page::kFirstUnit;
constexpr int kAlternating = ids::common_page::kAlternatingCurrent;

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

// A typed text is read when the focus moves on: volts snap up to the next code. A refused text is
// prompted for, gets the focus back with its text selected and leaves the held value in place. The
// sheet opens in the first field with its text selected, and Tab selects the whole next one: typing
// replaces what is there.
TEST(ParameterPagesTest, TypedFieldsAreReadOrRefused) {
  const struct {
    int page;
    int field;
    const char* typed;
    int next;            // the control clicked after typing; 0: Tab
    std::string prompt;  // empty: no box
    const char* shown;   // in the field once the focus has moved on
    int stored;
  } cases[] = {
      {0, kEdit1, "3.3", 0, "", "3.31", 169},
      {0, kEdit1, "2.49", 0, "", "2.49", 127},
      {0, kEdit1, "2,5", 0, "Please enter a number.", "2.49", 127},
      {0, kEdit1, "3.3", kAlternating, "", "3.31", 169},  // a radio click rereads the page
      {0, kDelayEdit, "255", kEdit1, "", "255", 255},
      {0, kDelayEdit, "256", kEdit1, "Please enter an integer between 0 and 255.", "16", 16},
      {1, kValue + 2, "63", kValue + 3, "", "63", 63},
      // The click that gave a unit list the focus must not open its drop-down behind the box.
      {1, kValue + 2, "64", kUnit + 3, "Please enter an integer between 0 and 63.", "64", 2},
      {1, kValue + 2, "x", kUnit + 3, "Please enter a positive integer.", "2", 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    auto algorithm = Example();
    const AlgorithmParams& params = algorithm->current;
    const auto stored = [&c, &params] {
      return c.field == kEdit1 ? params.thresholds[0]
                               : (c.field == kDelayEdit ? params.startDelay : params.delays[2]);
    };
    algorithm->current.delays[2] = 2;
    const int held = stored();
    test::MessageBoxRecorder boxes;
    RunSheet(*algorithm, [&](const Sheet& s) {
      EXPECT_EQ(test::SelectedText(s.Page(0), kEdit1), "2.49");
      if (c.page != 0) test::ClickTab(s.sheet, c.page);
      s.Type(c.page, c.field, c.typed);
      c.next == 0 ? Press(Key::kTab) : s.Click(c.page, c.next);
      EXPECT_EQ(s.Text(c.page, c.field), c.shown);
      ASSERT_EQ(boxes.boxes.size(), c.prompt.empty() ? 0u : 1u);
      if (c.prompt.empty()) {
        const int next = c.next != 0 ? c.next : kEdit1 + 1;
        EXPECT_EQ(s.FocusId(c.page), next);
        if (c.next == 0) {
          EXPECT_EQ(test::SelectedText(s.Page(0), next), s.Text(0, next));  // the next, whole
        }
        EXPECT_EQ(s.ApplyEnabled(), c.stored != held);
      } else {
        EXPECT_EQ(boxes.boxes[0].text, c.prompt);
        EXPECT_EQ(s.FocusId(c.page), c.field);
        EXPECT_EQ(test::SelectedText(s.Page(c.page), c.field), c.shown);
        EXPECT_FALSE(test::IsDroppedDown(s.Page(c.page), c.next));
      }
      if (c.field == kEdit1) {
        EXPECT_EQ(s.Text(0, kBinary1), Binary(c.stored));
        EXPECT_EQ(CUpDown(s.Page(0), kSpin1).GetPos(), c.stored);
      }
      test::Click(s.sheet, kIdOk);
    });
    EXPECT_EQ(stored(), c.stored);
  }
}

// Each page shows its channel's share; a row whose purpose is exactly one of the two "not in use"
// texts is disabled, a near miss is not. The last page shown is "Канал 1".
TEST(ChannelPageTest, RowsComeFromTheChannelsShare) {
  auto algorithm = Example();
  const char* purposes[] = {"Не используется", "Всегда 0", "Не используется ", "не используется"};
  for (int j = 0; j < 4; ++j) algorithm->purposes[6 + j] = Utf8ToCp1251(purposes[j]);
  for (const int first : {0, 12, 24}) {
    algorithm->current.delays[first] = 0xC5;       // 5 days
    algorithm->current.delays[first + 11] = 0x7F;  // 63 minutes
  }
  AlgorithmParams expected = algorithm->current;
  expected.delays[1] = 0x41;
  RunSheet(*algorithm, [&](const Sheet& s) {
    for (const int page : {3, 2, 1}) {
      const int first = (page - 1) * 12;
      test::ClickTab(s.sheet, page);
      std::vector<std::string> shown;
      for (const int row : {0, 5, 11})
        for (const int id :
             {ids::channel_page::kFirstPurpose, ids::channel_page::kFirstLabel, kValue, kUnit})
          shown.push_back(s.Text(page, id + row));
      const auto n = [first](int k) { return std::to_string(first + k); };
      EXPECT_EQ(shown, (std::vector<std::string>{"Цель " + n(1), "T" + n(1), "5", "сут.",
                                                 "Цель " + n(6), "T" + n(6), n(5), "сек.",
                                                 "Цель " + n(12), "T" + n(12), "63", "мин."}));
    }
    std::vector<int> enabled;  // of each row's value and unit
    for (int j = 6; j < 10; ++j)
      enabled.push_back(s.Page(1).IsDlgItemEnabled(kValue + j) +
                        s.Page(1).IsDlgItemEnabled(kUnit + j));
    EXPECT_EQ(enabled, (std::vector<int>{0, 0, 2, 2}));
    // A unit change alone is written, and enables Apply once the focus moves on.
    s.Click(1, kValue + 11);
    Press(Key::kTab);
    Press(Key::kDown);
    EXPECT_EQ(s.Text(1, kUnit + 1), "мин.");
    EXPECT_FALSE(s.ApplyEnabled());
    Press(Key::kTab);
    EXPECT_TRUE(s.ApplyEnabled());
    test::Click(s.sheet, kIdOk);
  });
  EXPECT_TRUE(algorithm->current == expected);
}

// OK from another page writes what the pages shown hold; the pages never shown write nothing. A
// page change keeps the value as read; the next reread snaps it. A stored kind of current outside
// the radios checks neither and is written as alternating. A spin step moves one code from the
// stored one and stops at the ends; text typed but not yet read is dropped.
TEST(AppPropSheetTest, OkFromAnotherPageWritesWhatThePagesShownHold) {
  auto algorithm = Example();
  algorithm->current.thresholds = {0, 0, 127, 255};
  algorithm->current.sensorCurrent = 2;
  AlgorithmParams expected = algorithm->current;
  expected.thresholds = {131, 0, 128, 254};
  expected.sensorCurrent = 1;
  expected.delays[12] = 9;
  RunSheet(*algorithm, [&](const Sheet& s) {
    EXPECT_FALSE(s.Page(0).IsDlgButtonChecked(ids::common_page::kDirectCurrent) ||
                 s.Page(0).IsDlgButtonChecked(kAlternating));
    s.Type(0, kEdit1, "2.5695");
    test::ClickTab(s.sheet, 2);
    s.Type(2, kValue, "9");
    test::ClickTab(s.sheet, 0);
    EXPECT_EQ(s.Text(0, kEdit1) + " " + s.Text(0, kBinary1), "2.56 " + Binary(132));
    s.Click(0, kEdit1 + 1);
    EXPECT_EQ(s.Text(0, kBinary1), Binary(131));
    test::ClickArrow(s.Page(0), kSpin1 + 1, -1);
    s.Type(0, kEdit1 + 2, "3.3");
    test::ClickArrow(s.Page(0), kSpin1 + 2, +1);
    EXPECT_EQ(s.FocusId(0), kEdit1 + 2);
    test::ClickArrow(s.Page(0), kSpin1 + 3, +1);
    s.Click(0, kEdit1 + 3);
    Press(Key::kDown);
    std::vector<std::string> shown;
    for (int k = 1; k < 4; ++k)
      shown.push_back(s.Text(0, kEdit1 + k) + " " + s.Text(0, kBinary1 + k));
    EXPECT_EQ(shown, (std::vector<std::string>{"0 " + Binary(0), "2.5 " + Binary(128),
                                               "4.98 " + Binary(254)}));
    test::Click(s.sheet, kIdOk);
  });
  EXPECT_TRUE(algorithm->current == expected);
  EXPECT_EQ(algorithm->defaults.delays[12], 12);
}

// The caption is the whole row text, however long; help on any page opens the parameters topic.
// After "&Применить" the sheet stays open with nothing left to apply on any page; leaving it by
// the close box keeps what was applied: it leaves as Cancel and nothing more, the program goes on.
TEST(AppPropSheetTest, CaptionHelpApplyAndTheWaysOut) {
  auto algorithm = Example();
  algorithm->name = std::string(300, 'N');
  algorithm->current.startDelay = 3;
  const std::string caption = "* " + algorithm->name + " {alg7.bin}";
  std::vector<std::uint32_t> topics;
  const auto drive = [&](const Sheet& s) {
    EXPECT_EQ(s.sheet.GetWindowText(), caption);
    std::vector<std::string> texts;
    for (const int id : {kIdOk, kIdCancel, kIdHelp, kIdApplyNow})
      texts.push_back(s.sheet.GetDlgItemText(id));
    for (int i = 0; i < 4; ++i) texts.push_back(s.sheet.Items(kIdSheetTabs).ItemText(i));
    EXPECT_EQ(texts, (std::vector<std::string>{"OK", "&Отмена", "&Помощь", "&Применить", "Общие",
                                               "Канал 1", "Канал 2", "Канал 3"}));
    test::Click(s.sheet, kIdHelp);
    s.Type(0, kDelayEdit, "5");
    s.Click(0, kEdit1);
    test::ClickTab(s.sheet, 3);
    test::Click(s.sheet, kIdHelp);
    s.Type(3, kValue, "7");
    s.Click(3, kValue + 1);
    test::Click(s.sheet, kIdApplyNow);
    EXPECT_FALSE(s.ApplyEnabled());
    EXPECT_EQ(algorithm->current.startDelay, 5);
    s.Type(3, kValue, "9");
    test::CloseBox(s.sheet);
    EXPECT_FALSE(s.sheet.IsWindowVisible());
  };
  const int result =
      RunSheet(*algorithm, drive, [&topics](std::uint32_t context) { topics.push_back(context); });
  EXPECT_EQ(topics, (std::vector<std::uint32_t>{0x20002, 0x20002}));
  EXPECT_EQ(algorithm->current.startDelay, 5);
  EXPECT_EQ(algorithm->current.delays[24], 7);
  EXPECT_EQ(result, kIdCancel);
}

}  // namespace
}  // namespace lunda
