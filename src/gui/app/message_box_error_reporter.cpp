// Core messages shown as owner-less boxes.
#include "gui/app/message_box_error_reporter.h"

#include <QString>

#include "gui/framework/message_box.h"

namespace lunda {
namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void MessageBoxErrorReporter::ShowError(std::string_view utf8Text) {
  MessageBox(nullptr, FromUtf8(utf8Text), MessageIcon::kError);
}

void MessageBoxErrorReporter::ShowInfo(std::string_view utf8Text) {
  MessageBox(nullptr, FromUtf8(utf8Text), MessageIcon::kInformation);
}

}  // namespace lunda
