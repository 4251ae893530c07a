#pragma once

#include "manufacturing/print_layout.h"

class QPainter;

namespace pravelo {

// Paints a composed page with vectors, so that the printout is sharp at any resolution. The
// painter's unit must be the millimetre, its origin the sheet's top-left corner.
void paintPrintPage(QPainter& painter, const PrintPage& page);

}  // namespace pravelo
