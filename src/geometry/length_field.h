#pragma once

#include <string>
#include <utility>

namespace pravelo {

// What the length field widget reports after an action, in this order.
struct LengthFieldEvents {
  bool backup = false;   // OnBackup: before the first change of an editing gesture
  bool changed = false;  // OnEditChange
  bool exited = false;   // OnEditExit
};

enum class WheelButton { Left, Right };

// The behaviour of the numeric length field (`TPvbSpinEdit`) without its widgets: limits, the
// unit switch, typing, and stepping with the wheel image. The field shows its value in mm or
// mil and always delivers millimetres. Limits and step are in the shown unit.
class LengthField {
 public:
  float min() const { return min_; }
  float max() const { return max_; }
  float step() const { return step_; }
  int decimals() const { return decimals_; }
  bool mil() const { return mil_; }
  void setMin(float v) { min_ = v; }
  void setMax(float v) { max_ = v; }
  void setStep(float v) { step_ = v; }
  void setDecimals(int v) { decimals_ = v; }

  // Switching to mil keeps the millimetre value, converts the limits to whole mil and steps by
  // 0.1 mil with 1 decimal; switching back restores the millimetre settings.
  void setMil(bool mil);

  // Larger wheel steps exist unless the field is coarse already.
  bool coarseStepping() const;

  // The text shown in the box.
  const std::string& text() const { return text_; }
  // The value in millimetres, read from the text (typed mil are divided by 39.37).
  double valueMm() const;
  // Shows `mm` in the field's unit, clamped to the limits.
  void setValueMm(double mm);

  // Typing: the box got the focus; a key was typed (true when OnBackup is due, once per focus);
  // the text now reads `typed`; leaving the box or pressing Enter commits it.
  void enter() { typingBackupDone_ = false; }
  bool keyTyped();
  void setTypedText(std::string typed) { text_ = std::move(typed); }
  LengthFieldEvents commit();

  // The wheel image: a press, vertical drags with the left button (8 pixels per step), and the
  // release, which steps once when nothing was dragged (left up, right down).
  void pressWheel(int y, WheelButton button);
  LengthFieldEvents dragWheel(int y, bool ctrl);
  LengthFieldEvents releaseWheel(bool ctrl);

 private:
  double shownValue() const;
  double clamped(double v) const;
  LengthFieldEvents applyStepped(double v);
  LengthFieldEvents stepBy(int steps, int coarseFactor, bool ctrl);

  float min_ = 0;
  float max_ = 99.9f;
  float step_ = 0.1f;
  int decimals_ = 1;
  bool mil_ = false;
  struct MmSettings {
    float min, max, step;
    int decimals;
  } saved_{};
  std::string text_ = "0.0";
  double committed_ = 0;  // last valid shown value, restored when a typed text is unreadable
  bool typingBackupDone_ = false;
  bool wheelPressed_ = false;
  bool wheelDragged_ = false;
  bool gestureBackupDone_ = false;
  WheelButton wheelButton_ = WheelButton::Left;
  int wheelAnchorY_ = 0;
};

}  // namespace pravelo
