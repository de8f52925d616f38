// Answers every message box with OK at once and keeps what it would have shown.
#pragma once

#include <vector>

#include "gui/framework/dialog_ids.h"
#include "gui/framework/message_box.h"

namespace lunda::test {

class MessageBoxRecorder {
 public:
  MessageBoxRecorder()
      : previous_(SetMessageBoxHandler([this](const MessageBoxRequest& request) {
          boxes.push_back(request);
          return kIdOk;
        })) {}
  ~MessageBoxRecorder() { SetMessageBoxHandler(previous_); }

  std::vector<MessageBoxRequest> boxes;

 private:
  MessageBoxHandler previous_;
};

}  // namespace lunda::test
