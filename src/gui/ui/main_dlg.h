// CMainDlg: the main window, template 102: the algorithm list, its description and the commands.
#pragma once

#include <QIcon>
#include <QString>
#include <cstdint>
#include <functional>

#include "algorithm/catalogue.h"
#include "gui/framework/dialog.h"
#include "gui/ui/main_window_commands.h"

class QListWidgetItem;
class QMenu;

namespace lunda {

class CAlgorithmListBox;
class CToolTips;

inline constexpr int kIdAlgorithmList = 1000;
inline constexpr int kIdDescription = 1001;
inline constexpr int kIdParameters = 3;
inline constexpr int kIdDefaults = 4;
inline constexpr int kIdHelpButton = 9;

// Window-menu commands, numbered as the classic system menu numbers them.
inline constexpr int kIdmAbout = 0x0010;
inline constexpr int kScMinimize = 0xF020;
inline constexpr int kScClose = 0xF060;

inline constexpr std::uint32_t kMainWindowHelpContext = 0x20000;

class CMainDlg : public CDialog {
  Q_OBJECT

 public:
  using HelpFunction = std::function<void(std::uint32_t contextId)>;

  // Shows catalogue, which must outlive the window; commands and showHelp run the buttons.
  CMainDlg(const AlgorithmCatalogue& catalogue, MainWindowCommands commands, HelpFunction showHelp,
           QWidget* parent = nullptr);
  ~CMainDlg() override;

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
  // A window-menu command: the About box, minimise or close.
  void OnSysCommand(int id);
  // The window menu: the platform's system menu cannot be extended from Qt, so the window
  // offers its own on a right click on its background and on Alt+Space.
  [[nodiscard]] QMenu* SystemMenu() const { return systemMenu_; }

 protected:
  QWidget* CreateControl(const ControlTemplate& control, QWidget* parent) override;
  bool OnInitDialog() override;
  void DoDataExchange(DataExchange& dx) override;
  void OnCommand(int id) override;
  // "Запись": the write sequence on the selected algorithm; the window stays open.
  void OnOK() override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void BuildSystemMenu();
  void SetUpToolTips();
  void FillList();
  // Puts the selected algorithm's current row text back into its row.
  void RefreshSelectedRow();
  void EnableDefaultsFor(const CAlgorithm* algorithm);
  void OnRowDoubleClicked(QListWidgetItem* item);

  const AlgorithmCatalogue& catalogue_;
  MainWindowCommands commands_;
  HelpFunction showHelp_;
  CToolTips* toolTips_ = nullptr;
  CAlgorithmListBox* algorithmList_ = nullptr;
  QString descriptionText_;
  QIcon icon_;
  QMenu* systemMenu_ = nullptr;
};

}  // namespace lunda
