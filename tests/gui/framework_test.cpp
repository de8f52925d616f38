// The dialog framework on this build's backend: templates, number fields, the dialog keyboard,
// data exchange with its prompts, and the property sheet rules the pages rely on.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "gui/framework/data_exchange.h"
#include "gui/framework/dialog.h"
#include "gui/framework/number_parse.h"
#include "gui/framework/property_sheet.h"
#include "gui/framework/resources.h"
#include "gui_driver.h"
#include "message_box_recorder.h"
#include "modal_script.h"

namespace lunda {
namespace {

using test::Key;
using test::MessageBoxRecorder;
using test::Press;
using test::ShowActive;

// Template 9001 with fields for every helper, recording the commands and focus entries it gets.
class TestDialog : public CDialog {
 public:
  TestDialog() : CDialog(9001) {}

  double number = 0;
  std::uint32_t count = 0;
  std::string text;
  int radio = 0;
  int combo = 0;
  std::vector<int> commands;
  std::vector<int> focusEntries;
  bool refuseClose = false;
  std::optional<int> result;

 protected:
  void DoDataExchange(DataExchange& dx) override {
    DDX_Text(dx, 10, number);
    DDX_Text(dx, 11, count);
    DDV_MinMaxUInt(dx, count, 0, 63);
    DDX_Text(dx, 12, text);
    DDX_Radio(dx, 20, radio);
    DDX_CBIndex(dx, 30, combo);
  }
  void OnCommand(int id) override {
    commands.push_back(id);
    CDialog::OnCommand(id);
  }
  void OnControlFocusIn(int id) override { focusEntries.push_back(id); }
  void OnOK() override {
    if (UpdateData(true)) End(kIdOk);
  }
  void OnCancel() override { End(kIdCancel); }
  void OnClose() override {
    if (!refuseClose) CDialog::OnClose();
  }

 private:
  void End(int code) {
    result = code;
    EndDialog(code);
  }
};

TEST(TemplateTest, MalformedTemplatesAreRefusedWithAReason) {
  const std::string head = R"({"id":1,"size":[10,10],"controls":[)";
  const std::pair<std::string, std::string> cases[] = {
      {"{", ""},
      {R"({"id":1})", "size"},
      {head + R"({"id":5,"kind":"slider","rect":[0,0,1,1]}]})", "slider"},
      {head + R"({"id":5,"kind":"edit","rect":[0,0,1]}]})", "rect"},
      {head + R"({"id":5,"kind":"edit","rect":[0,-1,1,1]}]})", "rect"},
      {head + R"({"id":5,"kind":"edit","rect":[0,0,1,1],"styles":["wantreturns"]}]})",
       "wantreturns"},
  };
  for (const auto& [json, reason] : cases) {
    std::string error;
    EXPECT_FALSE(ParseDialogTemplate(json, &error).has_value()) << json;
    EXPECT_NE(error.find(reason), std::string::npos) << error;
  }
  CDialog missing(4242);
  EXPECT_EQ(missing.DoModal(), -1);
}

// The parsed value as text, or "-" when the parser refuses it.
template <typename T>
std::string Shown(const std::optional<T>& parsed) {
  if (!parsed) return "-";
  std::ostringstream out;
  out << *parsed;
  return out.str();
}

TEST(NumberParseTest, ClassicFieldRules) {
  struct Case {
    char kind;  // d double, u unsigned, i int
    const char* text;
    const char* value;
  };
  const Case cases[] = {
      {'d', " \t2.5 \t", "2.5"},
      {'d', "+4.5", "4.5"},
      {'d', "2.5e-1", "0.25"},
      {'d', "1.", "1"},
      {'d', ".5", "0.5"},
      {'d', " 0.0e5", "0"},
      {'d', "-0", "-"},
      {'d', ".0", "-"},
      {'d', "1,5", "-"},
      {'d', "1.5V", "-"},
      {'d', "1 5", "-"},
      {'d', "   ", "-"},
      {'d', "-", "-"},
      {'d', "1e", "-"},
      {'d', "0x10", "-"},
      {'d', "inf", "-"},
      {'d', "1e999", "-"},
      {'d', "З", "-"},
      {'u', "\t7\t", "7"},
      {'u', "+5", "-"},
      {'u', "4294967295", "4294967295"},
      {'u', "4294967296", "-"},
      {'u', "-0", "-"},
      {'u', "3.3", "-"},
      {'u', "", "-"},
      {'i', " -12 ", "-12"},
      {'i', "-2147483648", "-2147483648"},
      {'i', "2147483648", "-"},
  };
  for (const Case& c : cases) {
    const std::string parsed = c.kind == 'd'   ? Shown(ParseDouble(c.text))
                               : c.kind == 'u' ? Shown(ParseUnsigned(c.text))
                                               : Shown(ParseInt(c.text));
    EXPECT_EQ(parsed, c.value) << c.kind << " '" << c.text << "'";
  }
  EXPECT_EQ(FormatString("between %1 and %2%3 %", {"0", "63"}), "between 0 and 63%3 %");
}

TEST(DialogTest, TabFollowsTemplateOrderAndSkipsControlsWithoutTabStop) {
  TestDialog dialog;
  dialog.radio = -1;  // the system's dialog manager also stops at a group's checked radio button
  ASSERT_TRUE(dialog.Create());
  ASSERT_TRUE(ShowActive(dialog));
  EXPECT_EQ(dialog.GetFocusId(), 10);
  std::vector<int> visited;
  for (int i = 0; i < 7; ++i) {
    Press(Key::kTab);
    visited.push_back(dialog.GetFocusId());
  }
  EXPECT_EQ(visited, (std::vector<int>{11, 12, 13, 30, 40, 1, 2}));
}

TEST(DialogTest, EnterAndEscRunTheClassicCommands) {
  struct Case {
    int focusId;
    Key key;
    std::vector<int> commands;
    int result;  // 0: still open
  };
  const Case cases[] = {
      {13, Key::kEnter, {kIdOk}, kIdOk},         // in a list: OK
      {10, Key::kEnter, {kIdOk}, kIdOk},         // in an edit
      {40, Key::kEnter, {40}, 0},                // on a button: that button
      {2, Key::kEnter, {kIdCancel}, kIdCancel},  // on Cancel
      {12, Key::kEnter, {}, 0},                  // in a want-return edit: stays there
      {10, Key::kEscape, {kIdCancel}, kIdCancel},
      {40, Key::kEscape, {kIdCancel}, kIdCancel},
      {10, Key::kF1, {}, 0},  // no Help button: F1 does nothing
  };
  for (const Case& c : cases) {
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create());
    ASSERT_TRUE(ShowActive(dialog));
    dialog.GotoDlgCtrl(c.focusId);
    dialog.commands.clear();
    Press(c.key);
    EXPECT_EQ(dialog.commands, c.commands) << "focus " << c.focusId;
    EXPECT_EQ(dialog.result.value_or(0), c.result) << "focus " << c.focusId;
  }
}

TEST(DialogTest, CloseBoxRunsCancelUnlessTheDialogRefuses) {
  TestDialog dialog;
  ASSERT_TRUE(dialog.Create());
  ASSERT_TRUE(ShowActive(dialog));
  dialog.refuseClose = true;
  test::CloseBox(dialog);
  EXPECT_TRUE(dialog.IsWindowVisible());
  dialog.refuseClose = false;
  test::CloseBox(dialog);
  EXPECT_EQ(dialog.result, kIdCancel);
}

TEST(DialogTest, DoModalReturnsTheResultReinitialisesAndOkReadsTheFieldsFirst) {
  MessageBoxRecorder boxes;
  TestDialog dialog;
  dialog.count = 5;
  test::ModalScript script;
  script.Then([](CDialog& d) { d.EndDialog(7); }).Then([](CDialog& d) {
    d.SetDlgItemText(11, "64");
    d.GotoDlgCtrl(10);
    Press(Key::kEnter);  // refused: 64 is out of range
    EXPECT_TRUE(d.IsWindowVisible());
    d.SetDlgItemText(11, "12");
    Press(Key::kEnter);
  });
  EXPECT_EQ(dialog.DoModal(), 7);
  dialog.count = 9;
  EXPECT_EQ(dialog.DoModal(), kIdOk);
  EXPECT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(dialog.count, 12u);
  EXPECT_TRUE(script.Done());
}

TEST(DataExchangeTest, ReadsAreParsedWithTheClassicPrompts) {
  const std::string number = "Please enter a number.";
  const std::string positive = "Please enter a positive integer.";
  struct Case {
    int field;
    std::string text;
    std::string prompt;  // empty: the read succeeds
  };
  const Case cases[] = {
      {10, "3.3", ""},
      {10, "1,5", number},
      {10, "", number},
      {10, std::string(31, '1') + "x", ""},  // only 31 characters are read
      {11, "\t63 ", ""},
      {11, "-1", positive},
      {11, "64", "Please enter an integer between 0 and 63."},
      {11, "99999999999", positive},
  };
  for (const Case& c : cases) {
    MessageBoxRecorder boxes;
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create());
    ASSERT_TRUE(ShowActive(dialog));
    dialog.SetDlgItemText(c.field, c.text);
    EXPECT_EQ(dialog.UpdateData(true), c.prompt.empty()) << c.text;
    if (c.prompt.empty()) {
      EXPECT_TRUE(boxes.boxes.empty());
      continue;
    }
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, c.prompt);
    EXPECT_EQ(boxes.boxes[0].icon, MessageIcon::kWarning);
    EXPECT_EQ(boxes.boxes[0].caption, "gui_tests");
    // The focus is back in the failing field, its whole text selected.
    EXPECT_EQ(dialog.GetFocusId(), c.field);
    EXPECT_EQ(test::SelectedText(dialog, c.field), c.text);
  }
}

TEST(DataExchangeTest, ReadingStopsAtTheFirstFailureAndARangeFailureKeepsTheNumber) {
  MessageBoxRecorder boxes;
  TestDialog dialog;
  dialog.number = 1.5;
  dialog.text = "old";
  ASSERT_TRUE(dialog.Create());
  dialog.SetDlgItemText(10, "x");
  dialog.SetDlgItemText(12, "new");
  EXPECT_FALSE(dialog.UpdateData(true));
  EXPECT_EQ(dialog.number, 1.5);
  EXPECT_EQ(dialog.text, "old");
  EXPECT_EQ(boxes.boxes.size(), 1u);
  dialog.SetDlgItemText(10, "2");
  dialog.SetDlgItemText(11, "64");
  EXPECT_FALSE(dialog.UpdateData(true));
  EXPECT_EQ(dialog.count, 64u);
}

TEST(DataExchangeTest, RadioGroupAndComboIndexes) {
  // Stored index, then the index read back: 2 is past the group and checks none.
  for (const auto& [index, read] : {std::pair{0, 0}, {1, 1}, {-1, -1}, {2, -1}}) {
    TestDialog dialog;
    dialog.radio = 1 - std::max(index, 0);  // start from the other button
    dialog.combo = 2;
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(dialog.GetDlgItemText(30), "c");
    dialog.radio = index;
    dialog.combo = index;
    EXPECT_TRUE(dialog.UpdateData(false));
    EXPECT_EQ(dialog.IsDlgButtonChecked(20), read == 0);
    EXPECT_EQ(dialog.IsDlgButtonChecked(21), read == 1);
    EXPECT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.radio, read);
    EXPECT_EQ(dialog.combo, index == 2 ? 2 : index);
  }
}

// Numbers are shown in their classic form; the framework's own writes and the focus moves of a
// failed read are no user action.
TEST(DataExchangeTest, FieldsAreShownQuietlyAndAFailureMovesTheFocusQuietly) {
  MessageBoxRecorder boxes;
  TestDialog dialog;
  ASSERT_TRUE(dialog.Create());
  ASSERT_TRUE(ShowActive(dialog));
  dialog.GotoDlgCtrl(12);
  dialog.focusEntries.clear();
  const std::pair<double, const char*> shown[] = {{1.96, "1.96"}, {1.0, "1"}, {-0.5, "-0.5"}};
  for (const auto& [value, text] : shown) {
    dialog.number = value;
    dialog.combo = 1;
    EXPECT_TRUE(dialog.UpdateData(false));
    EXPECT_EQ(dialog.GetDlgItemText(10), text);
  }
  dialog.SetDlgItemText(10, "bad");
  bool guardSeen = false;
  boxes.onBox = [&] { guardSeen = dialog.InDataExchange(); };
  EXPECT_FALSE(dialog.UpdateData(true));
  EXPECT_TRUE(guardSeen);
  EXPECT_FALSE(dialog.InDataExchange());
  EXPECT_EQ(dialog.GetFocusId(), 10);
  EXPECT_TRUE(dialog.commands.empty());
  EXPECT_TRUE(dialog.focusEntries.empty());
  Press(Key::kTab);  // while a user's move is reported
  EXPECT_EQ(dialog.focusEntries, (std::vector<int>{11}));
}

// A page with one unsigned field in edit 100 that logs every sheet notification.
class LogPage : public CPropertyPage {
 public:
  LogPage(int templateId, std::string name, std::vector<std::string>& log)
      : CPropertyPage(templateId), name_(std::move(name)), log_(log) {}

  std::uint32_t value = 0;
  bool refuseApply = false;

  void OnSetActive() override {
    log_.push_back(name_ + " set-active");
    CPropertyPage::OnSetActive();
  }
  bool OnApply() override {
    log_.push_back(name_ + " apply");
    return !refuseApply;
  }
  void OnReset() override { log_.push_back(name_ + " reset"); }
  void OnHelp() override { log_.push_back(name_ + " help"); }

 protected:
  bool OnInitDialog() override {
    log_.push_back(name_ + " init");
    return CPropertyPage::OnInitDialog();
  }
  void DoDataExchange(DataExchange& dx) override {
    log_.push_back(name_ + (dx.SaveAndValidate() ? " read" : " show"));
    DDX_Text(dx, 100, value);
  }

 private:
  std::string name_;
  std::vector<std::string>& log_;
};

using Log = std::vector<std::string>;

// A modal sheet with three pages A, B and C that the test owns, as the application does; drive
// runs inside its loop, and whatever it leaves open is cancelled.
struct SheetRun {
  Log log;
  std::unique_ptr<LogPage> a = std::make_unique<LogPage>(9010, "A", log);
  std::unique_ptr<LogPage> b = std::make_unique<LogPage>(9011, "B", log);
  std::unique_ptr<LogPage> c = std::make_unique<LogPage>(9012, "C", log);
  std::unique_ptr<CPropertySheet> sheet = std::make_unique<CPropertySheet>("Sheet");
  int result = 0;

  void Run(const std::function<void(CPropertySheet&)>& drive) {
    for (LogPage* page : {a.get(), b.get(), c.get()}) sheet->AddPage(page);
    test::ModalScript script;
    script.Then([&drive](CDialog& d) {
      auto& s = static_cast<CPropertySheet&>(d);
      drive(s);
      if (s.IsWindowVisible()) Press(Key::kEscape);
    });
    result = sheet->DoModal();
  }
};

TEST(PropertySheetTest, PagesAreCreatedWhenFirstShown) {
  SheetRun run;
  run.Run([&run](CPropertySheet& sheet) {
    EXPECT_TRUE(run.a->IsCreated());
    EXPECT_FALSE(run.b->IsCreated() || run.c->IsCreated());
    EXPECT_EQ(run.log, (Log{"A init", "A show", "A set-active"}));
    EXPECT_EQ(run.a->GetFocusId(), 100);
    run.log.clear();
    test::ClickTab(sheet, 1);
    test::ClickTab(sheet, 0);
    EXPECT_EQ(run.log, (Log{"A read", "B init", "B show", "B set-active", "B read", "A set-active",
                            "A show"}));
    EXPECT_TRUE(run.a->IsWindowVisible());
    EXPECT_FALSE(run.b->IsWindowVisible());
  });
}

TEST(PropertySheetTest, AFailingPageRefusesToBeLeft) {
  MessageBoxRecorder boxes;
  SheetRun run;
  run.Run([&](CPropertySheet& sheet) {
    run.a->SetDlgItemText(100, "-3");
    test::ClickTab(sheet, 2);
    EXPECT_EQ(sheet.GetActiveIndex(), 0);
    EXPECT_FALSE(run.c->IsCreated());
    EXPECT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(run.a->GetFocusId(), 100);
    test::Click(sheet, kIdOk);
    EXPECT_TRUE(sheet.IsWindowVisible());
  });
  EXPECT_EQ(std::count(run.log.begin(), run.log.end(), "A apply"), 0);
}

TEST(PropertySheetTest, OkAppliesEveryCreatedPageInTabOrderUnlessOneRefuses) {
  for (const bool refuse : {false, true}) {
    SheetRun run;
    run.a->refuseApply = refuse;
    int activeAfterOk = -1;
    run.Run([&](CPropertySheet& sheet) {
      test::ClickTab(sheet, 1);
      run.b->SetDlgItemText(100, "12");
      test::ClickTab(sheet, 2);
      run.log.clear();
      run.c->GotoDlgCtrl(101);
      Press(Key::kEnter);  // Enter in a page runs the sheet's OK
      if (refuse) activeAfterOk = sheet.GetActiveIndex();
    });
    EXPECT_EQ(run.b->value, 12u);
    if (refuse) {
      EXPECT_EQ(std::count(run.log.begin(), run.log.end(), "B apply"), 0);
      EXPECT_EQ(activeAfterOk, 0);  // the refusing page is brought to the front
    } else {
      EXPECT_EQ(run.log, (Log{"C read", "A apply", "B apply", "C apply"}));
      EXPECT_EQ(run.result, kIdOk);
    }
  }
}

TEST(PropertySheetTest, ApplyFollowsTheModifiedPages) {
  SheetRun run;
  run.Run([&](CPropertySheet& sheet) {
    EXPECT_FALSE(sheet.IsDlgItemEnabled(kIdApplyNow));
    run.a->SetModified(true);
    test::ClickTab(sheet, 1);
    run.b->SetModified(true);
    run.a->SetModified(false);
    EXPECT_TRUE(sheet.IsDlgItemEnabled(kIdApplyNow));
    run.b->SetModified(false);
    EXPECT_FALSE(sheet.IsDlgItemEnabled(kIdApplyNow));
    run.b->SetModified(true);
    run.log.clear();
    test::Click(sheet, kIdApplyNow);
    EXPECT_EQ(run.log, (Log{"B read", "A apply", "B apply", "B set-active", "B show"}));
    EXPECT_TRUE(sheet.IsWindowVisible());
  });
}

TEST(PropertySheetTest, CancelEscAndTheCloseBoxResetTheCreatedPages) {
  for (const int how : {0, 1, 2}) {  // the button, Esc in a page field, the close box
    SheetRun run;
    Log afterClose;
    run.Run([&](CPropertySheet& sheet) {
      test::ClickTab(sheet, 1);
      run.log.clear();
      if (how == 0) test::Click(sheet, kIdCancel);
      if (how == 1) Press(Key::kEscape);
      if (how == 2) test::CloseBox(sheet);
      afterClose = run.log;
    });
    // The system's sheet may reset twice for the close box (its close command and the close).
    EXPECT_EQ(std::set<std::string>(afterClose.begin(), afterClose.end()),
              (std::set<std::string>{"A reset", "B reset"}))
        << how;
    EXPECT_EQ(run.result, kIdCancel);
  }
}

TEST(PropertySheetTest, HelpGoesToTheActivePage) {
  SheetRun run;
  run.Run([&](CPropertySheet& sheet) {
    test::ClickTab(sheet, 2);
    run.log.clear();
    test::Click(sheet, kIdHelp);
    EXPECT_EQ(run.log, (Log{"C help"}));
  });
}

TEST(PropertySheetTest, PagesMayDieBeforeOrAfterTheSheet) {
  SheetRun first;
  first.Run([](CPropertySheet&) {});
  first.a.reset();  // a page first
  first.sheet.reset();
  SheetRun second;
  second.Run([](CPropertySheet&) {});
  second.sheet.reset();  // the sheet first: it must leave its pages alone
  second.a.reset();
}

}  // namespace
}  // namespace lunda
