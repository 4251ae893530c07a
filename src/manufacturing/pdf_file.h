#pragma once

#include <string>

#include "manufacturing/print_layout.h"

namespace pravelo {

// A one-page PDF of the printed page, every shape as a vector path at its true size, texts in
// the standard font Helvetica, pictures as RGB images compressed with Flate.
std::string pdfFileBytes(const PrintPage& page);

}  // namespace pravelo
