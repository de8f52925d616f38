// The headless windows: made from their templates in memory, run modally in a loop of their own.
#include "gui/framework/headless/headless_window.h"

#include <algorithm>
#include <cstdio>
#include <thread>

namespace lunda {
namespace {

// The windows that exist, for their timers.
std::vector<HeadlessWindow*>& Windows() {
  static std::vector<HeadlessWindow*> windows;
  return windows;
}

bool IsAlive(const HeadlessWindow* window) {
  return window != nullptr &&
         std::find(Windows().begin(), Windows().end(), window) != Windows().end() &&
         window->Exists();
}

// Long enough for any test's transmission, short enough that a modal run nothing ends fails.
constexpr auto kGiveUp = std::chrono::seconds(60);

}  // namespace

std::unique_ptr<DialogWindow> CreateDialogWindow(WindowHost& host) {
  return std::make_unique<HeadlessWindow>(host);
}

HeadlessWindow::HeadlessWindow(WindowHost& host) : host_(host) { Windows().push_back(this); }

HeadlessWindow::~HeadlessWindow() {
  Destroy();
  std::erase(Windows(), this);
}

HeadlessWindow*& HeadlessWindow::ActiveWindow() {
  static HeadlessWindow* active = nullptr;
  return active;
}

HeadlessWindow::FocusPlace& HeadlessWindow::FocusedPlace() {
  static FocusPlace focus;
  return focus;
}

HeadlessWindow* HeadlessWindow::Active() {
  return IsAlive(ActiveWindow()) ? ActiveWindow() : nullptr;
}

HeadlessControl* HeadlessWindow::Focused() {
  const FocusPlace& focus = FocusedPlace();
  return IsAlive(focus.window) ? focus.window->ControlOf(focus.id) : nullptr;
}

void HeadlessWindow::MoveFocus(HeadlessControl& control) {
  if (Focused() == &control) return;
  HeadlessWindow& window = control.Window();
  FocusedPlace() = {&window, control.Template().id};
  // The dialog manager selects an edit's text on the way in.
  control.selectedAll = true;
  if (window.TopLevel().IsVisible()) {
    window.host_.Act({UserAction::Kind::kFocusIn, control.Template().id});
  }
}

void HeadlessWindow::Build(const DialogTemplate& dialogTemplate) {
  Destroy();
  template_ = dialogTemplate;
  for (const ControlTemplate& c : template_.controls) {
    controls_.push_back(std::make_unique<HeadlessControl>(*this, c));
  }
  exists_ = true;
}

bool HeadlessWindow::Create(const DialogTemplate& dialogTemplate, DialogWindow* owner) {
  Build(dialogTemplate);
  owner_ = owner ? &Of(*owner) : nullptr;
  host_.InitDialog();
  return true;
}

bool HeadlessWindow::CreatePage(const DialogTemplate& dialogTemplate, DialogWindow& parent,
                                const UnitRect&) {
  Build(dialogTemplate);
  parent_ = &Of(parent);
  parent_->pages_.insert(parent_->pages_.begin(), this);
  host_.InitDialog();
  return true;
}

int HeadlessWindow::RunModal(const DialogTemplate& dialogTemplate, DialogWindow* owner) {
  if (!Create(dialogTemplate, owner)) return -1;
  HeadlessWindow* previousActive = Active();
  const FocusPlace previousFocus = FocusedPlace();
  if (owner_) ++owner_->modalChildren_;
  visible_ = true;
  running_ = true;
  result_.reset();
  Activate(this);
  const auto giveUp = std::chrono::steady_clock::now() + kGiveUp;
  while (!result_ && exists_) {
    if (!Pump() || std::chrono::steady_clock::now() > giveUp) {
      std::fprintf(stderr, "lunda: nothing ends the modal run of dialog %d\n", template_.id);
      result_ = -1;
    }
  }
  running_ = false;
  visible_ = false;
  if (IsAlive(owner_)) --owner_->modalChildren_;
  // The owner gets its focus back as it had it, which is no entry of the user's.
  Activate(previousActive);
  if (IsAlive(previousFocus.window)) FocusedPlace() = previousFocus;
  return result_.value_or(-1);
}

void HeadlessWindow::EndModal(int result) {
  if (!running_) return;
  result_ = result;
  visible_ = false;
}

void HeadlessWindow::Destroy() {
  while (!pages_.empty()) pages_.front()->Destroy();
  if (parent_) std::erase(parent_->pages_, this);
  parent_ = nullptr;
  controls_.clear();
  timers_.clear();
  windowMenu_.clear();
  exists_ = false;
  visible_ = false;
  // A window made later in the same place is another one.
  if (FocusedPlace().window == this) FocusedPlace() = {};
  if (ActiveWindow() == this) ActiveWindow() = nullptr;
}

int HeadlessWindow::FocusId() const {
  const FocusPlace& focus = FocusedPlace();
  return focus.window == this && exists_ ? focus.id : 0;
}

void HeadlessWindow::StartTimer(int id, int periodMs) {
  const std::chrono::milliseconds period(periodMs);
  timers_[id] = {period, std::chrono::steady_clock::now() + period};
}

HeadlessControl* HeadlessWindow::ControlOf(int id) {
  if (!exists_ || id == -1) return nullptr;
  for (const auto& control : controls_) {
    if (control->Template().id == id) return control.get();
  }
  return nullptr;
}

HeadlessWindow& HeadlessWindow::TopLevel() { return parent_ ? parent_->TopLevel() : *this; }

bool HeadlessWindow::TakesInput() { return TopLevel().modalChildren_ == 0; }

std::vector<HeadlessControl*> HeadlessWindow::TabStops() {
  std::vector<HeadlessControl*> stops;
  for (HeadlessWindow* page : pages_) {
    if (page->IsVisible()) std::ranges::copy(page->TabStops(), std::back_inserter(stops));
  }
  for (const auto& control : controls_) {
    if (control->Template().styles.tabStop && control->TakesFocus()) stops.push_back(control.get());
  }
  return stops;
}

bool HeadlessWindow::Pump() {
  bool timers = false;
  for (HeadlessWindow* window : std::vector<HeadlessWindow*>(Windows())) {
    if (!IsAlive(window)) continue;
    std::vector<int> due;
    const auto now = std::chrono::steady_clock::now();
    for (auto& [id, timer] : window->timers_) {
      timers = true;
      if (now < timer.due) continue;
      timer.due = now + timer.period;
      due.push_back(id);
    }
    for (const int id : due) {
      if (IsAlive(window) && window->timers_.contains(id)) {
        window->host_.Act({UserAction::Kind::kTimer, id});
      }
    }
  }
  // A round that would only spin leaves other threads (a transmission) their time.
  std::this_thread::sleep_for(std::chrono::microseconds(200));
  return timers;
}

}  // namespace lunda
