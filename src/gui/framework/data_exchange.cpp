// Field parsing, prompts and focus-and-select for the data exchange helpers.
#include "gui/framework/data_exchange.h"

#include <optional>
#include <vector>

#include "gui/framework/control_errors.h"
#include "gui/framework/dialog.h"
#include "gui/framework/list_box.h"
#include "gui/framework/message_box.h"
#include "gui/framework/number_parse.h"
#include "gui/framework/resources.h"

namespace lunda {
namespace {

// The classic double field reads its text through a 32-character buffer.
constexpr std::size_t kDoubleFieldChars = 31;

// Reads a control's text through a parser; on failure prompts and leaves value untouched.
template <typename T, typename Parser>
void ReadNumber(DataExchange& dx, int id, std::size_t maxChars, Parser parse, int promptId,
                T& value) {
  const std::string text = dx.Dialog().GetDlgItemText(id);
  const std::optional<T> parsed = parse(std::string_view(text).substr(0, maxChars));
  if (parsed) {
    value = *parsed;
  } else {
    dx.Fail(id, LoadString(promptId));
  }
}

std::optional<std::uint8_t> ParseByte(std::string_view text) {
  const std::optional<std::uint32_t> value = ParseUnsigned(text);
  if (!value || *value > 255) return std::nullopt;
  return static_cast<std::uint8_t>(*value);
}

// "%.15g", the shortest form without trailing zeros: 1.96, 2.5, 1, 0.
std::string DoubleText(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.15g", value);
  return text;
}

// A field whose text is already the one to show is left alone: rewriting it would drop the
// selection the dialog manager gave it on the way in, and the user's typing would then land in
// front of the old value instead of replacing it.
void ShowText(DataExchange& dx, int id, std::string_view text) {
  if (dx.Dialog().GetDlgItemText(id) != text) dx.Dialog().SetDlgItemText(id, text);
}

template <typename T, typename Parser>
void ExchangeNumber(DataExchange& dx, int id, std::size_t maxChars, Parser parse, int promptId,
                    T& value) {
  if (!dx.PrepareControl(id)) return;
  if (dx.SaveAndValidate()) {
    ReadNumber(dx, id, maxChars, parse, promptId, value);
  } else {
    ShowText(dx, id, std::to_string(value));
  }
}

}  // namespace

bool DataExchange::PrepareControl(int id) {
  if (Failed()) return false;
  lastControl_ = dialog_.HasDlgItem(id) ? id : 0;
  if (lastControl_ == 0) {
    ReportControlError("dialog " + std::to_string(dialog_.TemplateId()) + " has no control " +
                       std::to_string(id) + " to exchange");
    return false;
  }
  return true;
}

void DataExchange::Fail(int id, std::string_view prompt) {
  failedControl_ = id;
  MessageBox(&dialog_.TopLevel(), prompt, MessageIcon::kWarning);
  dialog_.GotoDlgCtrl(id);
  dialog_.Item(id).SelectAll();
}

void DDX_Text(DataExchange& dx, int id, double& value) {
  if (!dx.PrepareControl(id)) return;
  if (dx.SaveAndValidate()) {
    ReadNumber(dx, id, kDoubleFieldChars, ParseDouble, ids::strings::kParseReal, value);
  } else {
    ShowText(dx, id, DoubleText(value));
  }
}

void DDX_Text(DataExchange& dx, int id, std::uint8_t& value) {
  ExchangeNumber(dx, id, std::string::npos, ParseByte, ids::strings::kParseByte, value);
}

void DDX_Text(DataExchange& dx, int id, std::uint32_t& value) {
  ExchangeNumber(dx, id, std::string::npos, ParseUnsigned, ids::strings::kParseUInt, value);
}

void DDX_Text(DataExchange& dx, int id, int& value) {
  ExchangeNumber(dx, id, std::string::npos, ParseInt, ids::strings::kParseInt, value);
}

void DDX_Text(DataExchange& dx, int id, std::string& value) {
  if (!dx.PrepareControl(id)) return;
  if (dx.SaveAndValidate()) {
    value = dx.Dialog().GetDlgItemText(id);
  } else {
    ShowText(dx, id, value);
  }
}

void DDX_Radio(DataExchange& dx, int firstId, int& index) {
  if (!dx.PrepareControl(firstId)) return;
  CDialog& dialog = dx.Dialog();
  const std::vector<int> buttons = dialog.Template().RadioGroup(firstId);
  if (!dx.SaveAndValidate()) {
    for (std::size_t i = 0; i < buttons.size(); ++i) {
      dialog.CheckDlgButton(buttons[i], static_cast<int>(i) == index);
    }
    return;
  }
  index = -1;
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    if (dialog.IsDlgButtonChecked(buttons[i])) index = static_cast<int>(i);
  }
}

void DDX_CBIndex(DataExchange& dx, int id, int& index) {
  if (!dx.PrepareControl(id)) return;
  ItemControl& items = dx.Dialog().Items(id);
  if (dx.SaveAndValidate()) {
    index = items.Selection();
  } else {
    items.Select(index);
  }
}

void DDX_DateTime(DataExchange& dx, int id, CalendarDate& value) {
  if (!dx.PrepareControl(id)) return;
  DateControl& picker = dx.Dialog().Dates(id);
  if (dx.SaveAndValidate()) {
    if (const std::optional<CalendarDate> date = picker.Date()) value = *date;
  } else {
    picker.SetDate(value);
  }
}

void DDX_Control(DataExchange& dx, int id, CListBox& control) {
  if (dx.PrepareControl(id)) control = CListBox(dx.Dialog(), id);
}

void DDV_MinMaxUInt(DataExchange& dx, std::uint32_t value, std::uint32_t min, std::uint32_t max) {
  if (!dx.SaveAndValidate() || dx.Failed() || dx.LastControl() == 0) return;
  if (value < min || value > max) {
    dx.Fail(dx.LastControl(), FormatString(LoadString(ids::strings::kParseIntRange),
                                           {std::to_string(min), std::to_string(max)}));
  }
}

}  // namespace lunda
