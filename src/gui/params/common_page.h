// CCommonPage: the page "Общие" with the four sensor thresholds, start-up delay and current kind.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "gui/framework/property_page.h"
#include "gui/framework/tool_tips.h"
#include "gui/params/page_help.h"

namespace lunda {

class CAlgorithm;

// Edits a working copy of the common share of algorithm.current and writes it back on apply.
// Thresholds are held in volts; every focus entry into an edit and every radio click snaps them
// up to their codes (Reread), and the spins step from the last snapped code.
class CCommonPage : public CPropertyPage {
 public:
  explicit CCommonPage(CAlgorithm& algorithm, ShowHelpFunction showHelp = {});

  void Reread();
  // A step of delta from threshold k's spin.
  void StepThreshold(int k, int delta);

  bool OnApply() override;

 protected:
  void DoDataExchange(DataExchange& dx) override;
  bool OnInitDialog() override;
  void OnCommand(int id) override;
  void OnControlFocusIn(int id) override;
  // A step of a threshold's spin: StepThreshold.
  bool OnDeltaPos(int id, int delta) override;
  void OnHelp() override;

 private:
  [[nodiscard]] bool DiffersFromCurrent() const;

  CToolTips toolTips{*this};
  CAlgorithm* algorithm;
  ShowHelpFunction showHelp;
  std::array<std::uint8_t, 4> codes{};
  std::array<double, 4> volts{};
  std::array<std::string, 4> binaryTexts;
  std::uint8_t startDelay = 0;
  int sensorCurrent = 0;
};

}  // namespace lunda
