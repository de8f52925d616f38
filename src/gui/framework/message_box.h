// Modal message boxes with the application title, and the seam that lets tests answer them.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>

namespace lunda {

enum class MessageIcon { kError, kWarning, kInformation };

// Everything a box would show; handed to the installed handler.
struct MessageBoxRequest {
  QWidget* parent = nullptr;
  QString text;
  QString caption;
  MessageIcon icon = MessageIcon::kError;
};

// Answers a box instead of showing it and returns the button id the box would have returned.
using MessageBoxHandler = std::function<int(const MessageBoxRequest&)>;

// The executable's file name without folder and extension ("lunda" for lunda.exe).
[[nodiscard]] QString ApplicationTitle();

// Shows a modal box with one OK button and returns 1 (IDOK). An empty caption means the
// application title.
int MessageBox(QWidget* parent, const QString& text, MessageIcon icon,
               const QString& caption = QString());

// Installs a handler that receives every later box instead of the screen (null restores the real
// boxes) and returns the one it replaces.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

}  // namespace lunda
