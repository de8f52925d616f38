// CAppPropSheet: the parameter sheet with the application's button and tab texts.
#pragma once

#include "gui/framework/property_sheet.h"

namespace lunda {

// Expects its pages in the order "Общие", "Канал 1", "Канал 2", "Канал 3". The close box closes
// it as Cancel and nothing more: the program goes on with the main window.
class CAppPropSheet : public CPropertySheet {
 public:
  using CPropertySheet::CPropertySheet;

 protected:
  bool OnInitDialog() override;
};

}  // namespace lunda
