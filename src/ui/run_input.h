#pragma once

class QEvent;

namespace pravelo {

// While a long run lasts on the window's thread, input waits for its end: Escape is noted in
// `escape`, and keys, clicks and the wheel (with `mouseMoves` also pointer moves) are swallowed.
// Returns whether the event is swallowed.
bool holdInputDuringRun(const QEvent& event, bool& escape, bool mouseMoves = false);

}  // namespace pravelo
