// CDateDlg: the picker is kept to the dates an image can carry.
#include "gui/write/date_dlg.h"

#include "gui/framework/data_exchange.h"
#include "gui/framework/date_picker.h"

namespace lunda {

bool CDateDlg::OnInitDialog() {
  // A date outside this range would only be refused later by PatchImage, after the user has
  // read the instructions and pressed the controller's buttons.
  CDateTimeCtrl(*this, ids::date_dlg::kPicker).SetRange(kFirstWritableDate, kLastWritableDate);
  return CDialog::OnInitDialog();
}

void CDateDlg::DoDataExchange(DataExchange& dx) { DDX_DateTime(dx, ids::date_dlg::kPicker, date); }

}  // namespace lunda
