// The dialog framework on this build's backend: templates, number fields, a dialog's life, the
// dialog keyboard, data exchange with its prompts, calls about missing controls, and the
// property sheet rules the pages rely on.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "gui/framework/control_errors.h"
#include "gui/framework/data_exchange.h"
#include "gui/framework/dialog.h"
#include "gui/framework/number_parse.h"
#include "gui/framework/property_sheet.h"
#include "gui/framework/resources.h"
#include "gui_driver.h"
#include "message_box_recorder.h"
#include "modal_script.h"
#include "test_ids.h"

namespace lunda {
namespace {

using test::Key;
using test::Press;
namespace dlg = ids::test_dlg;
namespace page = ids::test_page;

// A template with fields for every helper, recording the commands it gets.
class TestDialog : public CDialog {
 public:
  TestDialog() : CDialog(dlg::kTemplate) {}

  double number = 0;
  std::string text;
  int radio = 0;
  int combo = 0;
  std::vector<int> commands;
  int initialisations = 0;
  bool exchangeMissing = false;  // also exchange a control the template lacks

 protected:
  bool OnInitDialog() override {
    ++initialisations;
    return CDialog::OnInitDialog();
  }
  void DoDataExchange(DataExchange& dx) override {
    DDX_Text(dx, dlg::kNumber, number);
    DDX_Text(dx, dlg::kText, text);
    DDX_Radio(dx, dlg::kFirstRadio, radio);
    DDX_CBIndex(dx, dlg::kCombo, combo);
    if (exchangeMissing) DDX_Text(dx, 4242, text);
  }
  void OnCommand(int id) override {
    commands.push_back(id);
    CDialog::OnCommand(id);
  }
};

// A test dialog, created and active so that keys and focus reach it.
std::unique_ptr<TestDialog> OpenDialog(int radio = 0) {
  auto dialog = std::make_unique<TestDialog>();
  dialog->radio = radio;
  EXPECT_TRUE(dialog->Create() && test::ShowActive(*dialog));
  return dialog;
}

TEST(TemplateTest, MalformedTemplatesAreRefusedWithAReason) {
  const std::string head = R"({"id":1,"size":[10,10],"controls":[)";
  const std::pair<std::string, std::string> cases[] = {
      {"{", ""},
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

TEST(NumberParseTest, ClassicFieldRules) {
  const std::pair<const char*, double> numbers[] = {
      {" \t2.5 \t", 2.5}, {"+4.5", 4.5}, {"2.5e-1", 0.25}, {"1.", 1}, {".5", 0.5}, {" 0.0e5", 0}};
  for (const auto& [text, value] : numbers) EXPECT_EQ(ParseDouble(text), value) << text;
  for (const char* text :
       {"-0", ".0", "1,5", "1.5V", "1 5", "   ", "-", "1e", "0x10", "inf", "1e999", "З"}) {
    EXPECT_EQ(ParseDouble(text), std::nullopt) << text;
  }
  EXPECT_EQ(ParseUnsigned("\t7\t"), 7u);
  EXPECT_EQ(ParseUnsigned("4294967295"), UINT32_MAX);
  for (const char* text : {"+5", "4294967296", "-0", "3.3", ""}) {
    EXPECT_EQ(ParseUnsigned(text), std::nullopt) << text;
  }
  EXPECT_EQ(ParseInt(" -12 "), -12);
  EXPECT_EQ(ParseInt("-2147483648"), INT32_MIN);
  EXPECT_EQ(ParseInt("2147483648"), std::nullopt);
  EXPECT_EQ(FormatString("between %1 and %2%3 %", {"0", "63"}), "between 0 and 63%3 %");
}

TEST(DialogTest, TabSkipsControlsWithoutTabStop) {
  // None of the radio buttons is checked: the system's dialog manager would stop at that one.
  const auto dialog = OpenDialog(-1);
  EXPECT_EQ(dialog->GetFocusId(), dlg::kNumber);
  std::vector<int> visited;
  for (int i = 0; i < 7; ++i) {
    Press(Key::kTab);
    visited.push_back(dialog->GetFocusId());
  }
  EXPECT_EQ(visited, (std::vector<int>{dlg::kSecond, dlg::kText, dlg::kList, dlg::kCombo,
                                       dlg::kOther, kIdOk, kIdCancel}));
}

TEST(DialogTest, EnterAndEscRunTheClassicCommands) {
  const struct {
    int focusId;
    Key key;
    std::vector<int> commands;
    bool okEnabled = true;
  } cases[] = {
      {dlg::kList, Key::kEnter, {kIdOk}},         // in a list: OK
      {dlg::kList, Key::kEnter, {}, false},       // the default button disabled: nothing
      {dlg::kNumber, Key::kEnter, {kIdOk}},       // in an edit
      {dlg::kOther, Key::kEnter, {dlg::kOther}},  // on a button: that button
      {dlg::kText, Key::kEnter, {}},              // in a want-return edit: stays there
      {dlg::kOther, Key::kEscape, {kIdCancel}},   // anywhere
      {dlg::kNumber, Key::kF1, {}},               // no Help button: F1 does nothing
  };
  for (const auto& c : cases) {
    const auto dialog = OpenDialog();
    dialog->GotoDlgCtrl(c.focusId);
    dialog->EnableDlgItem(kIdOk, c.okEnabled);
    dialog->commands.clear();
    Press(c.key);
    EXPECT_EQ(dialog->commands, c.commands) << "focus " << c.focusId;
  }
}

TEST(DataExchangeTest, ReadsStopAtTheFirstFieldRefusedWithItsClassicPrompt) {
  test::MessageBoxRecorder boxes;
  const auto dialog = OpenDialog();
  dialog->SetDlgItemText(dlg::kNumber, "1,5");
  dialog->SetDlgItemText(dlg::kText, "read");  // after the number
  Press(Key::kEnter);  // OK, which ends the dialog only once every field reads
  EXPECT_TRUE(dialog->IsWindowVisible());
  EXPECT_EQ(dialog->text, "");
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(std::tuple(boxes.boxes[0].text, boxes.boxes[0].icon, boxes.boxes[0].caption),
            std::tuple("Please enter a number.", MessageIcon::kWarning, ApplicationTitle()));
  // The focus is back in the failing field, its whole text selected.
  EXPECT_EQ(dialog->GetFocusId(), dlg::kNumber);
  EXPECT_EQ(test::SelectedText(*dialog, dlg::kNumber), "1,5");
  // Only the first 31 characters of a number are read.
  dialog->SetDlgItemText(dlg::kNumber, std::string(31, '1') + "x");
  Press(Key::kEnter);
  EXPECT_FALSE(dialog->IsWindowVisible());
  EXPECT_EQ(dialog->text, "read");
}

TEST(DataExchangeTest, RadioGroupAndComboIndexes) {
  // Stored index, then the index read back: 2 is past the group and checks none.
  for (const auto& [index, read] : {std::pair{0, 0}, {1, 1}, {-1, -1}, {2, -1}}) {
    TestDialog dialog;
    dialog.radio = 1 - std::max(index, 0);  // start from the other button
    dialog.combo = 2;
    ASSERT_TRUE(dialog.Create());
    dialog.radio = index;
    dialog.combo = index;
    EXPECT_TRUE(dialog.UpdateData(false));
    EXPECT_EQ(std::pair(dialog.IsDlgButtonChecked(dlg::kFirstRadio),
                        dialog.IsDlgButtonChecked(dlg::kSecondRadio)),
              std::pair(read == 0, read == 1));
    EXPECT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(std::pair(dialog.radio, dialog.combo), std::pair(read, index));
  }
}

// A dialog is made once however often Create is called, and afresh for each modal run; one
// without a parent is owned by the running modal dialog, which takes no input meanwhile. A call
// about a control it does not have, or of another kind, does nothing and is reported.
TEST(DialogTest, CreateOnceRunAfreshOwnedByTheRunningOneAndMissingControlsAreReported) {
  TestDialog dialog;
  EXPECT_TRUE(dialog.Create() && dialog.Create());
  EXPECT_EQ(dialog.initialisations, 1);
  test::ModalScript script;
  script
      .Then([](CDialog& d) {
        TestDialog inner;
        inner.DoModal();
        d.EndDialog(7);
      })
      .Then([&dialog](CDialog& inner) {
        test::Click(dialog, kIdCancel);
        EXPECT_TRUE(dialog.commands.empty());
        inner.EndDialog(1);
      })
      .Then([](CDialog& d) { d.EndDialog(8); });
  EXPECT_EQ(dialog.DoModal(), 7);
  EXPECT_EQ(dialog.DoModal(), 8);
  EXPECT_EQ(dialog.initialisations, 3);
  EXPECT_FALSE(dialog.IsCreated());
  std::vector<std::string> errors;
  const ControlErrorHandler previous =
      SetControlErrorHandler([&errors](std::string_view error) { errors.emplace_back(error); });
  ASSERT_TRUE(dialog.Create());
  dialog.SetDlgItemText(4242, "x");
  EXPECT_EQ(CListBox(dialog, dlg::kNumber).GetCount(), 0);
  EXPECT_EQ(dialog.GetDlgItemText(4242), "");
  dialog.exchangeMissing = true;
  dialog.UpdateData(false);
  SetControlErrorHandler(previous);
  ASSERT_EQ(errors.size(), 4u);
  EXPECT_EQ(errors[1], "control " + std::to_string(dlg::kNumber) + " of dialog " +
                           std::to_string(dlg::kTemplate) + " has no items");
}

using Log = std::vector<std::string>;

// A page with one unsigned field that logs every sheet notification.
class LogPage : public CPropertyPage {
 public:
  LogPage(std::string name, Log& log)
      : CPropertyPage(page::kTemplate), name_(std::move(name)), log_(log) {}

  std::uint32_t value = 0;
  bool refuseApply = false;

  void OnSetActive() override {
    Note("set-active");
    CPropertyPage::OnSetActive();
  }
  bool OnApply() override {
    Note("apply");
    return !refuseApply;
  }
  void OnReset() override { Note("reset"); }
  void OnHelp() override { Note("help"); }

 protected:
  void DoDataExchange(DataExchange& dx) override {
    Note(dx.SaveAndValidate() ? "read" : "show");
    DDX_Text(dx, page::kValue, value);
  }

 private:
  void Note(const char* what) { log_.push_back(name_ + ' ' + what); }

  std::string name_;
  Log& log_;
};

// A modal sheet with three pages A, B and C that the test owns, as the application does; drive
// runs inside its loop, and whatever it leaves open is cancelled by its Cancel button.
struct SheetRun {
  Log log;
  std::unique_ptr<LogPage> a = std::make_unique<LogPage>("A", log);
  std::unique_ptr<LogPage> b = std::make_unique<LogPage>("B", log);
  std::unique_ptr<LogPage> c = std::make_unique<LogPage>("C", log);
  std::unique_ptr<CPropertySheet> sheet = std::make_unique<CPropertySheet>("Sheet");
  int result = 0;

  void Run(const std::function<void(CPropertySheet&)>& drive) {
    for (LogPage* page : {a.get(), b.get(), c.get()}) sheet->AddPage(page);
    test::ModalScript script;
    script.Then([&drive](CDialog& d) {
      auto& s = static_cast<CPropertySheet&>(d);
      drive(s);
      if (s.IsWindowVisible()) test::Click(s, kIdCancel);
    });
    result = sheet->DoModal();
  }
};

// A page is made the first time it is shown, read when it is left and shown again when it comes
// back. The page keys go round the tabs from wherever the focus is, as a click on a tab does,
// and give the tabs the focus. A bad field keeps its page in front against a click, a key and OK,
// and keeps the focus. F1 and Esc in a page are the sheet's.
TEST(PropertySheetTest, PagesChangeByTabOrKeyUnlessAFieldIsBad) {
  test::MessageBoxRecorder boxes;
  SheetRun run;
  run.Run([&](CPropertySheet& sheet) {
    EXPECT_FALSE(run.b->IsCreated() || run.c->IsCreated());
    EXPECT_EQ(run.a->GetFocusId(), page::kValue);
    test::ClickTab(sheet, 1);
    Press(Key::kControlShiftTab);
    EXPECT_EQ(run.log, (Log{"A show", "A set-active", "A read", "B show", "B set-active", "B read",
                            "A set-active", "A show"}));
    EXPECT_FALSE(run.b->IsWindowVisible() || run.c->IsCreated());
    std::vector<int> shown;
    for (const Key key : {Key::kControlTab, Key::kControlPageDown, Key::kControlTab,
                          Key::kControlShiftTab, Key::kControlPageUp, Key::kControlPageUp}) {
      Press(key);
      shown.push_back(sheet.GetActiveIndex());
    }
    EXPECT_EQ(shown, (std::vector<int>{1, 2, 0, 2, 1, 0}));
    EXPECT_EQ(sheet.GetFocusId(), kIdSheetTabs);
    test::Type(*run.a, page::kValue, "-3");
    test::ClickTab(sheet, 2);
    test::Click(sheet, kIdOk);
    Press(Key::kControlTab);
    EXPECT_EQ(std::pair(sheet.GetActiveIndex(), sheet.Items(kIdSheetTabs).Selection()),
              std::pair(0, 0));
    EXPECT_EQ(run.a->GetFocusId(), page::kValue);
    EXPECT_EQ(boxes.boxes.size(), 3u);
    run.log.clear();
    Press(Key::kF1);
    sheet.EnableDlgItem(kIdHelp, false);
    Press(Key::kF1);
    Press(Key::kEscape);
    EXPECT_FALSE(sheet.IsWindowVisible());
  });
  EXPECT_EQ(run.log, (Log{"A help", "A reset", "B reset", "C reset"}));
}

TEST(PropertySheetTest, OkAppliesEveryCreatedPageInTabOrderUnlessOneRefuses) {
  for (const bool refuse : {false, true}) {
    SheetRun run;
    run.a->refuseApply = refuse;
    run.Run([&](CPropertySheet& sheet) {
      test::ClickTab(sheet, 1);
      run.b->SetDlgItemText(page::kValue, "12");
      test::ClickTab(sheet, 2);
      run.log.clear();
      run.c->GotoDlgCtrl(page::kNext);
      Press(Key::kEnter);  // Enter in a page runs the sheet's OK
    });
    EXPECT_EQ(run.b->value, 12u);
    EXPECT_EQ(run.result, refuse ? kIdCancel : kIdOk);
    // A page that refuses is brought to the front, and the sheet left open, here to be cancelled.
    const Log refused{"C read", "A apply", "C read",  "A set-active",
                      "A show", "A reset", "B reset", "C reset"};
    EXPECT_EQ(run.log, refuse ? refused : (Log{"C read", "A apply", "B apply", "C apply"}));
    // A page may die before its sheet, and after it as the members' order has it: the sheet
    // leaves its pages alone.
    run.a.reset();
  }
}

TEST(PropertySheetTest, ApplyFollowsTheModifiedPagesAndHelpGoesToTheActivePage) {
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
    test::Click(sheet, kIdHelp);
    EXPECT_EQ(run.log, (Log{"B read", "A apply", "B apply", "B set-active", "B show", "B help"}));
    // From the page's last field, Tab goes on to the sheet's buttons.
    run.b->GotoDlgCtrl(page::kNext);
    Press(Key::kTab);
    EXPECT_EQ(sheet.GetFocusId(), kIdOk);
    EXPECT_TRUE(sheet.IsWindowVisible());
  });
}

}  // namespace
}  // namespace lunda
