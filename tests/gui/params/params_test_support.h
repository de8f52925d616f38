// Helpers shared by the parameter editor tests: an example algorithm and a driven sheet run.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "algorithm/algorithm.h"
#include "algorithm/cp1251.h"
#include "gui/params/app_prop_sheet.h"
#include "gui/params/edit_parameters.h"
#include "test_support.h"

namespace lunda::test {

// A fresh example: thresholds at code 127, delay 16 s, direct current, delay k = k seconds,
// purposes "Цель k".
inline std::unique_ptr<CAlgorithm> Example() {
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
  CAppPropSheet& sheet;

  [[nodiscard]] CPropertyPage* Page(int index) const { return sheet.GetPage(index); }
  [[nodiscard]] QWidget* Control(int page, int id) const { return Page(page)->GetDlgItem(id); }
  [[nodiscard]] QLineEdit* Edit(int page, int id) const {
    return qobject_cast<QLineEdit*>(Control(page, id));
  }
  [[nodiscard]] QString Text(int page, int id) const { return Page(page)->GetDlgItemText(id); }
  [[nodiscard]] QPushButton* Button(int id) const { return sheet.Control<QPushButton>(id); }
  [[nodiscard]] bool ApplyEnabled() const { return Button(kIdApplyNow)->isEnabled(); }

  void Click(QWidget* widget) const { QTest::mouseClick(widget, Qt::LeftButton); }
  void ClickButton(int id) const { Click(Button(id)); }
  void ClickTab(int index) const {
    QTabBar* tabs = sheet.GetTabControl();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
  }
  // Clicks into the edit (a focus entry), then replaces its text by typing.
  void Type(int page, int id, const QString& text) const {
    QLineEdit* edit = Edit(page, id);
    Click(edit);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
  }
  void Tab() const { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }
  [[nodiscard]] int FocusId(int page) const {
    return Page(page)->ControlId(QApplication::focusWidget());
  }
};

// Runs EditParameters over algorithm and hands the open, active sheet to drive. Whatever drive
// leaves open is cancelled, so a failed check never leaves the modal loop running.
inline void RunSheet(CAlgorithm& algorithm, const std::function<void(const Sheet&)>& drive,
                     ShowHelpFunction showHelp = {}) {
  QTimer::singleShot(0, [&drive] {
    auto* sheet = qobject_cast<CAppPropSheet*>(QApplication::activeModalWidget());
    if (!sheet) {
      QFAIL("no parameter sheet is open");
    }
    if (QTest::qWaitForWindowActive(sheet)) {
      drive(Sheet{*sheet});
    } else {
      QFAIL("the parameter sheet did not become active");
    }
    if (sheet->isVisible()) sheet->EndDialog(kIdCancel);
  });
  EditParameters(algorithm, nullptr, std::move(showHelp));
}

}  // namespace lunda::test
