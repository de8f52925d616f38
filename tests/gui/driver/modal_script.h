// Plays the user's part in modal loops: each step runs on the next dialog that opens modally and
// becomes active, inside its loop; a step may itself open a dialog, whose step then runs inside
// that one's loop. A dialog met with no step left is cancelled, so that a wrong sequence fails
// its test instead of hanging it.
#pragma once

#include <deque>
#include <functional>
#include <set>
#include <utility>
#include <vector>

#include "gui/framework/dialog.h"
#include "gui_driver.h"
#include "test_ids.h"

namespace lunda::test {

class ModalScript {
 public:
  using Step = std::function<void(CDialog&)>;

  ModalScript& Then(Step step) {
    steps_.push_back(std::move(step));
    return *this;
  }

  // Template ids of the dialogs met, in order.
  std::vector<int> seen;
  [[nodiscard]] bool Done() const { return steps_.empty(); }

 private:
  void Tick() {
    CDialog* dialog = CDialog::ActiveModal();
    if (dialog == nullptr || !IsActive(*dialog)) return;
    if (!met_.insert(dialog->ModalRun()).second) return;
    seen.push_back(dialog->TemplateId());
    if (steps_.empty()) {
      dialog->EndDialog(kIdCancel);
      return;
    }
    Step step = std::move(steps_.front());
    steps_.pop_front();
    step(*dialog);
  }

  // A hidden window's timer: every backend's message loops run it, nested modal loops included.
  // A script is made before the modal runs it plays, so no dialog owns the window.
  class Ticker final : public CDialog {
   public:
    explicit Ticker(std::function<void()> tick)
        : CDialog(ids::test_page::kTemplate), tick_(std::move(tick)) {
      static_cast<void>(Create());
      SetTimer(1, 2);
    }

   private:
    bool OnInitDialog() override { return false; }  // no focus taken
    void OnTimer(int) override {
      SetTimer(1, 2);  // afresh, so that it also fires in a modal loop that its tick opens
      tick_();
    }

    std::function<void()> tick_;
  };

  std::deque<Step> steps_;
  std::set<int> met_;  // the modal runs met
  Ticker ticker_{[this] { Tick(); }};
};

}  // namespace lunda::test
