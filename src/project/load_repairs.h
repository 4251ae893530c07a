#pragma once

#include "document/document.h"

namespace pravelo {

// Every repair and normalisation a freshly read board gets, in order: values that later
// arithmetic cannot take, the thermal stamp of pads, circle angles stored in whole degrees,
// legacy font texts replaced by stroke texts, the board clean-up, the pad normalisation, header
// values and the inner-layer visibility.
void repairLoadedBoard(Board& board);

// Values that cannot be used are replaced: coordinates and sizes that are not finite or lie
// beyond the 32-bit range by 0, a text role above 2
// by 0, a pad shape outside 1..9 by 1, and a pad outline whose point count does not fit its
// shape is generated again from the pad's fields.
void repairObjectValues(TObjekt& o);

// A pad written before thermal settings existed gets thermal off, four spokes of full width.
void repairThermalStamp(TObjekt& pad);

// Circle angles stored in whole degrees (both within +-1000) become thousandths of a degree.
void repairCircleAngles(TObjekt& circle);

// Size, grid, zoom and active layer that would break the view take a new board's values; a grid
// or zoom outside its range is taken to the nearest limit.
void repairBoardHeader(BoardHeader& header);

}  // namespace pravelo
