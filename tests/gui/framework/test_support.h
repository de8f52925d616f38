// Helpers shared by the framework tests: a message-box recorder and a dialog over template 9001.
#pragma once

#include <QTest>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <vector>

#include "gui/framework/data_exchange.h"
#include "gui/framework/dialog.h"
#include "gui/framework/message_box.h"

namespace lunda::test {

// Answers every box with OK at once and keeps what it would have shown.
class MessageBoxRecorder {
 public:
  MessageBoxRecorder()
      : previous_(SetMessageBoxHandler([this](const MessageBoxRequest& request) {
          boxes.push_back(request);
          if (onBox) onBox();
          return kIdOk;
        })) {}
  ~MessageBoxRecorder() { SetMessageBoxHandler(previous_); }
  MessageBoxRecorder(const MessageBoxRecorder&) = delete;
  MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

  std::vector<MessageBoxRequest> boxes;
  std::function<void()> onBox;  // runs while a box would be open

 private:
  MessageBoxHandler previous_;
};

// Shows a widget's window and waits until it is active, so focus can be tested.
inline bool ShowActive(QWidget* widget) {
  QWidget* window = widget->window();
  window->show();
  window->activateWindow();
  return QTest::qWaitForWindowActive(window);
}

// Template 9001 with fields for every helper, recording the commands and focus entries it gets.
class TestDialog : public CDialog {
 public:
  TestDialog() : CDialog(9001) {}

  double number = 0;
  std::uint8_t byte = 0;
  std::uint32_t count = 0;
  QString text;
  int radio = 0;
  int combo = 0;
  std::vector<int> commands;
  std::vector<int> focusEntries;
  bool refuseClose = false;

  using CDialog::DoDataExchange;

 protected:
  void DoDataExchange(DataExchange& dx) override {
    DDX_Text(dx, 10, number);
    DDX_Text(dx, 11, count);
    DDV_MinMaxUInt(dx, count, 0, 63);
    DDX_Text(dx, 12, text);
    DDX_Radio(dx, 20, radio);
    DDX_CBIndex(dx, 30, combo);
  }
  void OnCommand(int id) override {
    commands.push_back(id);
    CDialog::OnCommand(id);
  }
  void OnControlFocusIn(int id) override { focusEntries.push_back(id); }
  void OnClose() override {
    if (!refuseClose) CDialog::OnClose();
  }
};

}  // namespace lunda::test
