// CChannelPage: one of the pages "Канал 1".."Канал 3" with the twelve delays of a channel.
#pragma once

#include <array>
#include <cstdint>

#include "algorithm/algorithm_params.h"
#include "gui/framework/property_page.h"
#include "gui/framework/tool_tips.h"
#include "gui/params/page_help.h"

namespace lunda {

class CAlgorithm;

// Edits a working copy of delays firstDelay..firstDelay+11 of algorithm.current and writes it back
// on apply. Rows whose purpose is "Не используется" or "Всегда 0" are shown but disabled.
class CChannelPage : public CPropertyPage {
 public:
  CChannelPage(CAlgorithm& algorithm, int firstDelay, ShowHelpFunction showHelp = {});

  void Reread();

  bool OnApply() override;

 protected:
  void DoDataExchange(DataExchange& dx) override;
  bool OnInitDialog() override;
  void OnControlFocusIn(int id) override;
  void OnHelp() override;

 private:
  [[nodiscard]] bool DiffersFromCurrent() const;

  CToolTips toolTips{*this};
  int firstDelay;
  CAlgorithm* algorithm;
  ShowHelpFunction showHelp;
  // Above 63 only between a failed range check and the fix.
  std::array<std::uint32_t, kDelaysPerChannel> values{};
  // Unit codes, or -1 while a unit list has no selection.
  std::array<int, kDelaysPerChannel> units{};
};

}  // namespace lunda
