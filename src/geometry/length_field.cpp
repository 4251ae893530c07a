#include "geometry/length_field.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "base/units.h"
#include "geometry/length_text.h"

namespace pravelo {
namespace {

constexpr int kPixelsPerDragStep = 8;

// A millimetre limit as a whole number of mil: x 39.37 x 10, rounded, integer-divided by 10.
float milLimit(float mm) {
  return static_cast<float>(roundHalfEven(mmToFieldMilLimit(mm) * 10) / 10);
}

}  // namespace

void LengthField::setMil(bool mil) {
  if (mil == mil_) return;
  const double mm = valueMm();
  if (mil) {
    saved_ = {min_, max_, step_, decimals_};
    step_ = 0.1f;
    decimals_ = 1;
    max_ = milLimit(max_);
    min_ = milLimit(min_);
  } else {
    min_ = saved_.min;
    max_ = saved_.max;
    step_ = saved_.step;
    decimals_ = saved_.decimals;
  }
  mil_ = mil;
  setValueMm(mm);
}

bool LengthField::coarseStepping() const {
  return !(decimals_ == 0 || (decimals_ == 1 && max_ < 100) || step_ >= 0.25f);
}

double LengthField::shownValue() const { return parseDecimal(text_).value_or(committed_); }

double LengthField::valueMm() const {
  const double shown = shownValue();
  return mil_ ? fieldMilToMm(shown) : shown;
}

double LengthField::clamped(double v) const {
  return std::clamp(v, static_cast<double>(min_), std::max<double>(min_, max_));
}

void LengthField::setValueMm(double mm) {
  committed_ = clamped(mil_ ? mmToFieldMil(mm) : mm);
  text_ = formatFixed(committed_, decimals_);
}

bool LengthField::keyTyped() {
  const bool due = !typingBackupDone_;
  typingBackupDone_ = true;
  return due;
}

LengthFieldEvents LengthField::commit() {
  LengthFieldEvents events;
  events.exited = true;
  const auto typed = parseDecimal(text_);
  if (!typed) {
    // An unreadable text changes nothing: the last value is shown again.
    text_ = formatFixed(committed_, decimals_);
    return events;
  }
  committed_ = clamped(*typed);
  text_ = formatFixed(committed_, decimals_);
  events.changed = true;
  return events;
}

LengthFieldEvents LengthField::applyStepped(double v) {
  const double value = roundToDecimals(clamped(v), 4);
  LengthFieldEvents events;
  if (value == shownValue()) return events;
  events.backup = !gestureBackupDone_;
  gestureBackupDone_ = true;
  committed_ = value;
  text_ = formatFixed(value, decimals_);
  events.changed = true;
  return events;
}

// Coarse steps are `coarseFactor` plain steps, and the result snaps to their multiple.
LengthFieldEvents LengthField::stepBy(int steps, int coarseFactor, bool ctrl) {
  const bool coarse = coarseStepping() && !ctrl;
  const double size = coarse ? static_cast<double>(step_) * coarseFactor : step_;
  double v = shownValue() + steps * size;
  if (coarse) v = static_cast<double>(roundHalfEven(v / size)) * size;
  return applyStepped(v);
}

void LengthField::pressWheel(int y, WheelButton button) {
  wheelPressed_ = true;
  wheelDragged_ = false;
  gestureBackupDone_ = false;
  wheelButton_ = button;
  wheelAnchorY_ = y;
}

LengthFieldEvents LengthField::dragWheel(int y, bool ctrl) {
  if (!wheelPressed_ || wheelButton_ != WheelButton::Left) return {};
  const int n = (wheelAnchorY_ - y) / kPixelsPerDragStep;  // upward movement steps up
  if (n == 0) return {};
  wheelAnchorY_ -= n * kPixelsPerDragStep;
  wheelDragged_ = true;
  // Fast movements accelerate: n steps at once count as n x |n|.
  return stepBy(n * std::abs(n), 10, ctrl);
}

LengthFieldEvents LengthField::releaseWheel(bool ctrl) {
  if (!wheelPressed_) return {};
  wheelPressed_ = false;
  if (wheelDragged_) return {};
  return stepBy(wheelButton_ == WheelButton::Left ? 1 : -1, 5, ctrl);
}

}  // namespace pravelo
