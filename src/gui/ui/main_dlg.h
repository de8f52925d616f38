// CMainDlg: the main window: the algorithm list, its description and the commands.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "algorithm/catalogue.h"
#include "gui/framework/dialog.h"
#include "gui/framework/tool_tips.h"
#include "gui/ui/algorithm_list_box.h"
#include "gui/ui/main_window_commands.h"
#include "res/ids.h"

namespace lunda {

// The window-menu entry "&О программе...": the command the classic About entry has.
inline constexpr int kIdmAbout = 0x0010;

inline constexpr std::uint32_t kMainWindowHelpContext = 0x20000;

class CMainDlg : public CDialog {
 public:
  using HelpFunction = std::function<void(std::uint32_t contextId)>;

  // Shows catalogue, which must outlive the window; commands and showHelp run the buttons.
  CMainDlg(const AlgorithmCatalogue& catalogue, MainWindowCommands commands, HelpFunction showHelp,
           CDialog* parent = nullptr);

  // The algorithm of the selected row, found by the row's position; null when no row is
  // selected.
  [[nodiscard]] CAlgorithm* GetSelectedAlgorithm();
  // The description and "По умолчанию" for the selected algorithm.
  void UpdateSelection();
  // "Параметры" and a double click on a row.
  void OnParameters();
  // "По умолчанию": defaults over current.
  void OnDefaults();
  // "Помощь".
  void OnHelpButton();

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(DataExchange& dx) override;
  void OnCommand(int id) override;
  void OnSelChange(int id) override;
  void OnDoubleClick(int id) override;
  std::optional<OwnerDrawnRow> OnDrawItem(int id, int row) override;
  // The About entry of the window menu.
  void OnSysCommand(int id) override;
  // "Запись": the write sequence on the selected algorithm; the window stays open.
  void OnOK() override;

 private:
  void SetUpToolTips();
  void FillList();
  // Puts the selected algorithm's current row text back into its row.
  void RefreshSelectedRow();
  void EnableDefaultsFor(const CAlgorithm* algorithm);

  const AlgorithmCatalogue& catalogue_;
  MainWindowCommands commands_;
  HelpFunction showHelp_;
  CToolTips toolTips_{*this};
  CAlgorithmListBox algorithmList_;
  std::string descriptionText_;
};

}  // namespace lunda
