// The position of a classic up-down control, for the backends that draw their own.
#pragma once

#include <algorithm>

namespace lunda {

// A range that runs either way (100 down to 0 until set), and a position kept inside it.
class UpDownPosition {
 public:
  void SetRange(int lower, int upper) {
    lower_ = lower;
    upper_ = upper;
    Set(position_);
  }
  void Set(int position) {
    position_ = std::clamp(position, std::min(lower_, upper_), std::max(lower_, upper_));
  }
  [[nodiscard]] int Get() const { return position_; }
  // One press of the up (+1) or down (-1) arrow, which steps towards the upper end for +1;
  // allowed(delta) decides, and the step counts from the position before it was asked, as the
  // system's control counts, whatever the dialog set meanwhile.
  template <typename Allowed>
  void Step(int direction, Allowed allowed) {
    const int delta = lower_ <= upper_ ? direction : -direction;
    const int from = position_;
    if (allowed(delta)) Set(from + delta);
  }

 private:
  int lower_ = 100;
  int upper_ = 0;
  int position_ = 0;
};

}  // namespace lunda
