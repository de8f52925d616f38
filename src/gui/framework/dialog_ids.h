// The classic command ids that dialogs, sheets and message boxes share.
#pragma once

namespace lunda {

inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdHelp = 9;
inline constexpr int kIdSheetTabs = 12320;  // the property sheet's tab control
inline constexpr int kIdApplyNow = 12321;   // the property sheet's Apply button

}  // namespace lunda
