// The property sheet rules the pages rely on: lazy creation, kill-active veto, apply order,
// Apply enabled by changes, reset on Cancel, help to the active page, the close box as Cancel.
#include "gui/framework/property_sheet.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <memory>

#include "test_support.h"

namespace lunda {
namespace {

using test::MessageBoxRecorder;
using test::ShowActive;

// A page with one unsigned field in edit 100 that logs every sheet notification.
class LogPage : public CPropertyPage {
 public:
  LogPage(int templateId, QString name, QStringList& log)
      : CPropertyPage(templateId), name_(std::move(name)), log_(log) {}

  std::uint32_t value = 0;
  bool refuseApply = false;

 protected:
  bool OnInitDialog() override {
    log_ << name_ + " init";
    return CPropertyPage::OnInitDialog();
  }
  void DoDataExchange(DataExchange& dx) override {
    log_ << name_ + (dx.SaveAndValidate() ? " read" : " show");
    DDX_Text(dx, 100, value);
  }
  void OnSetActive() override {
    log_ << name_ + " set-active";
    CPropertyPage::OnSetActive();
  }
  bool OnApply() override {
    log_ << name_ + " apply";
    return !refuseApply;
  }
  void OnReset() override { log_ << name_ + " reset"; }
  void OnHelp() override { log_ << name_ + " help"; }

 private:
  QString name_;
  QStringList& log_;
};

// A sheet with three pages A, B and C that the test owns, as the application does.
struct Fixture {
  QStringList log;
  std::unique_ptr<CPropertySheet> sheet = std::make_unique<CPropertySheet>("Sheet");
  std::unique_ptr<LogPage> a = std::make_unique<LogPage>(9010, "A", log);
  std::unique_ptr<LogPage> b = std::make_unique<LogPage>(9011, "B", log);
  std::unique_ptr<LogPage> c = std::make_unique<LogPage>(9012, "C", log);

  bool Open() {
    for (LogPage* page : {a.get(), b.get(), c.get()}) sheet->AddPage(page);
    return sheet->Create() && ShowActive(sheet.get());
  }
  QPushButton* Button(int id) const { return sheet->Control<QPushButton>(id); }
};

class PropertySheetTest : public QObject {
  Q_OBJECT

 private slots:
  void PagesAreCreatedWhenFirstShownAndPlacedAtTheOrigin() {
    Fixture f;
    QVERIFY(f.Open());
    QVERIFY(f.a->IsCreated());
    QVERIFY(!f.b->IsCreated() && !f.c->IsCreated());
    QCOMPARE(f.log, (QStringList{"A init", "A show", "A set-active"}));
    QCOMPARE(f.sheet->GetTabControl()->count(), 3);
    QCOMPARE(f.sheet->GetTabControl()->tabText(1), QStringLiteral("Page B"));
    QCOMPARE(QApplication::focusWidget(), f.a->GetDlgItem(100));
    QTest::keyClick(f.a->GetDlgItem(100), Qt::Key_Tab);
    QTest::keyClick(f.a->GetDlgItem(101), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f.Button(kIdOk));
    f.log.clear();
    f.sheet->GetTabControl()->setCurrentIndex(1);
    f.sheet->GetTabControl()->setCurrentIndex(0);
    QCOMPARE(f.log, (QStringList{"A read", "B init", "B show", "B set-active", "B read",
                                 "A set-active", "A show"}));
    QVERIFY(f.a->isVisible() && !f.b->isVisible());
    QCOMPARE(f.a->pos(), QPoint(0, 0));
    QCOMPARE(f.b->pos(), QPoint(0, 0));
  }

  void FailingPageRefusesToBeLeft() {
    MessageBoxRecorder boxes;
    Fixture f;
    QVERIFY(f.Open());
    f.a->SetDlgItemText(100, QStringLiteral("-3"));
    f.sheet->GetTabControl()->setCurrentIndex(2);
    QCOMPARE(f.sheet->GetActiveIndex(), 0);
    QCOMPARE(f.sheet->GetTabControl()->currentIndex(), 0);
    QVERIFY(!f.c->IsCreated());
    QCOMPARE(boxes.boxes.size(), std::size_t{1});
    QCOMPARE(QApplication::focusWidget(), f.a->GetDlgItem(100));
    QTest::mouseClick(f.Button(kIdOk), Qt::LeftButton);
    QVERIFY(f.sheet->isVisible());
    QVERIFY(!f.log.contains("A apply"));
  }

  void OkAppliesEveryCreatedPageInTabOrderUnlessOneRefuses() {
    for (const bool refuse : {false, true}) {
      Fixture f;
      QVERIFY(f.Open());
      f.sheet->SetActivePage(1);
      f.b->SetDlgItemText(100, QStringLiteral("12"));
      f.a->refuseApply = refuse;
      f.sheet->SetActivePage(2);
      f.log.clear();
      QTest::keyClick(f.c->GetDlgItem(101), Qt::Key_Return);  // Enter in a page runs the OK
      if (refuse) QVERIFY(!f.log.contains("B apply"));
      if (!refuse) QCOMPARE(f.log, (QStringList{"C read", "A apply", "B apply", "C apply"}));
      QCOMPARE(f.b->value, 12u);
      QCOMPARE(f.sheet->isVisible(), refuse);
      // A refusing page is brought to the front.
      QCOMPARE(f.sheet->GetActiveIndex(), refuse ? 0 : 2);
      if (!refuse) QCOMPARE(f.sheet->result(), kIdOk);
    }
  }

  void ApplyFollowsTheModifiedPages() {
    Fixture f;
    QVERIFY(f.Open());
    QPushButton* apply = f.Button(kIdApplyNow);
    QVERIFY(!apply->isEnabled());
    f.a->SetModified(true);
    f.sheet->SetActivePage(1);
    f.b->SetModified(true);
    f.a->SetModified(false);
    QVERIFY(apply->isEnabled());
    f.b->SetModified(false);
    QVERIFY(!apply->isEnabled());
    f.b->SetModified(true);
    f.log.clear();
    QTest::mouseClick(apply, Qt::LeftButton);
    QCOMPARE(f.log, (QStringList{"B read", "A apply", "B apply"}));
    QVERIFY(f.sheet->isVisible());
  }

  void CancelEscAndCloseBoxResetCreatedPages() {
    for (const int how : {0, 1, 2}) {  // the button, Esc in a page field, the close box
      Fixture f;
      QVERIFY(f.Open());
      f.sheet->SetActivePage(1);
      f.log.clear();
      if (how == 0) QTest::mouseClick(f.Button(kIdCancel), Qt::LeftButton);
      if (how == 1) QTest::keyClick(f.b->GetDlgItem(100), Qt::Key_Escape);
      if (how == 2) f.sheet->close();
      QCOMPARE(f.log, (QStringList{"A reset", "B reset"}));
      QCOMPARE(f.sheet->result(), kIdCancel);
      QVERIFY(!f.sheet->isVisible());
    }
  }

  void HelpGoesToTheActivePage() {
    Fixture f;
    QVERIFY(f.Open());
    f.sheet->SetActivePage(2);
    f.log.clear();
    QTest::mouseClick(f.Button(kIdHelp), Qt::LeftButton);
    QCOMPARE(f.log, (QStringList{"C help"}));
    QCOMPARE(f.c->pos(), QPoint(0, 0));
  }

  void PagesMayDieBeforeOrAfterTheSheet() {
    Fixture first;
    QVERIFY(first.Open());
    first.a.reset();  // the page first, as the application deletes them
    first.sheet.reset();
    Fixture second;
    QVERIFY(second.Open());
    QPointer<LogPage> page = second.a.get();
    second.sheet.reset();  // the sheet first: it must leave its pages alone
    QVERIFY(!page.isNull());
  }
};

}  // namespace
}  // namespace lunda

int RunPropertySheetTests(int argc, char** argv) {
  lunda::PropertySheetTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "property_sheet_test.moc"
