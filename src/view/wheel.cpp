#include "view/wheel.h"

namespace pravelo {
namespace {
constexpr int kDeltaPerStep = 120;
constexpr double kMinEventGapMs = 0.05;
}  // namespace

int WheelSteps::add(int angleDelta, double nowMs) {
  if (handledBefore_ && nowMs - lastHandledMs_ < kMinEventGapMs) return 0;
  pending_ += angleDelta;
  const int steps = pending_ / kDeltaPerStep;
  pending_ -= steps * kDeltaPerStep;
  if (steps != 0) {
    handledBefore_ = true;
    lastHandledMs_ = nowMs;
  }
  return steps;
}

}  // namespace pravelo
