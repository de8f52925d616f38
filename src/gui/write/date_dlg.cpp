// CDateDlg: the picker is kept to the dates an image can carry.
#include "gui/write/date_dlg.h"

#include <QDateEdit>

#include "gui/framework/data_exchange.h"

namespace lunda {
namespace {

QDate ToQDate(const CalendarDate& date) { return QDate(date.year, date.month, date.day); }

}  // namespace

bool CDateDlg::OnInitDialog() {
  // A date outside this range would only be refused later by PatchImage, after the user has
  // read the instructions and pressed the controller's buttons.
  if (auto* picker = Control<QDateEdit>(kPickerId)) {
    picker->setDateRange(ToQDate(kFirstWritableDate), ToQDate(kLastWritableDate));
  }
  return CDialog::OnInitDialog();
}

void CDateDlg::DoDataExchange(DataExchange& dx) { DDX_DateTime(dx, kPickerId, date); }

CalendarDate ToCalendarDate(const QDate& date) { return {date.year(), date.month(), date.day()}; }

}  // namespace lunda
