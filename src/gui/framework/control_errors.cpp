// The default answer to a call about a missing control: say so, and stop a debug build there.
#include "gui/framework/control_errors.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

namespace lunda {
namespace {

ControlErrorHandler& Handler() {
  static ControlErrorHandler handler;
  return handler;
}

}  // namespace

ControlErrorHandler SetControlErrorHandler(ControlErrorHandler handler) {
  return std::exchange(Handler(), std::move(handler));
}

void ReportControlError(std::string_view message) {
  if (Handler()) {
    Handler()(message);
    return;
  }
  std::fprintf(stderr, "lunda: %.*s\n", static_cast<int>(message.size()), message.data());
#ifndef NDEBUG
  std::abort();
#endif
}

}  // namespace lunda
