#pragma once

#include <cstdint>
#include <string>

#include "document/document.h"

namespace pravelo {

// The three kinds of board the new-board dialog offers, in the order of its buttons.
enum class NewBoardMode { Empty = 0, Rectangular = 1, Round = 2 };

// The fields of the new-board dialog, in millimetres. They keep their values for the whole run.
struct NewBoardValues {
  NewBoardMode mode = NewBoardMode::Empty;
  double emptyWidth = 160;     // SE_Leer_X
  double emptyHeight = 100;    // SE_Leer_Y
  double rectWidth = 160;      // SE_Rect_X
  double rectHeight = 100;     // SE_Rect_Y
  double rectMargin = 20;      // SE_Rect_Rand
  double roundDiameter = 100;  // SE_Rund_DM
  double roundMargin = 20;     // SE_Rund_Rand
  std::string name;            // E_Name, UTF-8 as typed
};

struct BoardSize {
  std::int32_t width = 0;  // units
  std::int32_t height = 0;
  friend bool operator==(const BoardSize&, const BoardSize&) = default;
};

// The largest working area a board may have on a side, in units (500 mm).
inline constexpr std::int32_t kMaxWorkingArea = 5000000;

// The working area around a rectangular or round outline: the outline plus a margin on each side.
BoardSize rectangularWorkingArea(const NewBoardValues& values);
BoardSize roundWorkingArea(const NewBoardValues& values);
// The size of the board the dialog asks for, in its current mode.
BoardSize newBoardSize(const NewBoardValues& values);

// A working-area side shown in red and refused by OK.
inline bool isTooBig(std::int32_t units) { return units > kMaxWorkingArea; }
// Whether OK may close the dialog: an outline mode must not exceed 500 mm on either side.
bool newBoardAcceptable(const NewBoardValues& values);

// Puts the chosen outline on the active board (the one just added with `newBoardSize`) on the
// outline layer and moves the user origin to its top-left or bottom-left corner. Does nothing in
// the empty mode.
void drawBoardOutline(Document& doc, const NewBoardValues& values, bool originAtTop);

}  // namespace pravelo
