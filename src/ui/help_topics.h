#pragma once

namespace pravelo {

// Help topic numbers of the dialogs built so far.
inline constexpr int kHelpNewBoard = 6;
inline constexpr int kHelpProjectInfo = 56;

}  // namespace pravelo
