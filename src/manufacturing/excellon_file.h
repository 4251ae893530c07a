#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "document/document.h"
#include "manufacturing/drill_collection.h"
#include "settings/settings.h"

namespace pravelo {

// Unit and digits of the coordinates: integer digits, decimal digits.
enum class ExcellonFormat { Mm32, Mm33, Inch24 };

// Which side the drill file looks from; the bottom views mirror X like the Gerber export or like
// the milling output.
enum class DrillSide { Top, BottomGerber, BottomMilling };

struct ExcellonOptions {
  DrillSelection selection;  // single tool is never used for a file
  ExcellonFormat format = ExcellonFormat::Inch24;
  bool deleteLeadingZeros = false;
  bool decimalPoint = false;
  bool m71 = false;  // M71/M72 instead of METRIC/INCH
  bool noG90 = false;
  bool noComments = false;
  DrillSide side = DrillSide::Top;
  bool camOrigin = true;  // coordinates relative to the board's user origin
};

// The stored part of the options, and back.
ExcellonOptions excellonOptions(const ExcellonSettings& settings);
void storeExcellonOptions(const ExcellonOptions& options, ExcellonSettings& settings);

int integerDigits(ExcellonFormat format);
int decimalDigits(ExcellonFormat format);

// A coordinate in units as the file writes it, sign included.
std::string excellonNumber(double units, const ExcellonOptions& options);

// A document point in file coordinates (units): lower left board corner or user origin at 0,0,
// X mirrored for the bottom sides.
struct DrillTransform {
  double dx = 0;
  double dy = 0;
  bool mirrored = false;
  double mirrorSum = 0;  // file X = mirrorSum - X when mirrored
};
DrillTransform drillTransform(const Board& board, DrillSide side, bool camOrigin);
struct FilePoint {
  double x = 0;
  double y = 0;
};
FilePoint toFile(const DrillTransform& t, FPoint p);

// How many holes have a coordinate with more integer digits than the format holds.
int holesOutOfRange(const Board& board, const std::vector<DrillTool>& tools,
                    const ExcellonOptions& options);

// The whole drill file, lines ended by CR LF; `date` goes into the header comment.
std::string excellonFile(const Board& board, const std::vector<DrillTool>& tools,
                         const ExcellonOptions& options, std::string_view date);

// The drill file of a board with the options, as both the dialog and the command line write it.
std::string drillFileText(const Board& board, const ExcellonOptions& options,
                          std::string_view date);

// Local date and time for the header comment.
std::string drillFileDate();

}  // namespace pravelo
