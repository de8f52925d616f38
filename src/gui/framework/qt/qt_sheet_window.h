// The Qt backend's property sheet: a tab strip over the pages and the four buttons, with the
// rules of the system's property sheet.
#pragma once

#include <QTabBar>

#include "gui/framework/qt/qt_dialog_window.h"

namespace lunda {

class CPropertyPage;

class QtSheetWindow : public QtDialogWindow, public SheetWindow {
  Q_OBJECT

 public:
  explicit QtSheetWindow(CPropertySheet& sheet);
  ~QtSheetWindow() override;

  int RunModal(const DialogTemplate& dialogTemplate, CDialog* owner) override;
  bool CreateModeless(const DialogTemplate& dialogTemplate, CDialog* owner) override;

  [[nodiscard]] int ActivePage() const override { return active_; }
  bool SetActivePage(int index) override;
  void SetTabText(int index, std::string_view text) override;
  void PageChanged(int index, bool changed) override;

  [[nodiscard]] QTabBar* Tabs() const { return tabs_; }

 protected:
  // OK, Cancel, Apply and Help are the sheet's own; the close box is Cancel.
  void OnWindowCommand(int id) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  [[nodiscard]] DialogTemplate SheetTemplate(const DialogTemplate& caption) const;
  bool Open(const DialogTemplate& dialogTemplate, CDialog* owner);
  // Reads the active page and applies every created page; false when one refused.
  bool ApplyPages();
  void UpdateApplyButton();

  CPropertySheet& sheet_;
  std::vector<bool> changed_;
  QTabBar* tabs_ = nullptr;
  QWidget* pageArea_ = nullptr;
  int active_ = -1;
};

}  // namespace lunda
