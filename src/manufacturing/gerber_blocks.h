#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pravelo {

// One data block of a Gerber file, or one whole extended statement ("%...%"), with the line of
// the file it starts on.
struct GerberBlock {
  std::string text;
  int line = 0;
};

// The blocks of a Gerber file: lines trimmed, empty ones dropped, every line split after each
// "*", an extended statement joined until its closing "%" (or the end of the file), and the
// short D-codes "D1*", "D2*", "D3*" of data blocks written out as "D01*", "D02*", "D03*".
std::vector<GerberBlock> gerberBlocks(std::string_view bytes);

}  // namespace pravelo
