// Modal message boxes with the application title, and the seam that lets tests answer them.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "gui/framework/backend/services.h"

namespace lunda {

class CDialog;

// Everything a box would show; handed to the installed handler.
struct MessageBoxRequest {
  const CDialog* owner = nullptr;  // null: no owner window
  std::string text;                // UTF-8, "\n" breaks lines
  std::string caption;
  MessageIcon icon = MessageIcon::kError;
};

// Answers a box instead of showing it and returns the button id the box would have returned.
using MessageBoxHandler = std::function<int(const MessageBoxRequest&)>;

// Shows a modal box with one OK button and returns 1 (IDOK). An empty caption means the
// application title.
int MessageBox(const CDialog* owner, std::string_view text, MessageIcon icon,
               std::string_view caption = {});

// Installs a handler that receives every later box instead of the screen (null restores the real
// boxes) and returns the one it replaces.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

}  // namespace lunda
