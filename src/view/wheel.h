#pragma once

namespace pravelo {

// Turns wheel deltas (eighths of a degree; one notch is 120, high-resolution wheels send less)
// into whole zoom steps, positive away from the user. Events that follow the previously handled
// one by less than 0.05 ms are ignored.
class WheelSteps {
 public:
  int add(int angleDelta, double nowMs);

 private:
  int pending_ = 0;
  bool handledBefore_ = false;
  double lastHandledMs_ = 0;
};

}  // namespace pravelo
