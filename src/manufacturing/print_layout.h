#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "document/document.h"
#include "manufacturing/vector_picture.h"
#include "settings/settings.h"
#include "view/scan_picture.h"

namespace pravelo {

// Single image seen from the top or the bottom, or both sides one below the other or side by side.
enum class PrintArrangement { Top, Bottom, BelowEachOther, SideBySide };

// Everything the print dialog chooses. Lengths in document units (0.1 micrometre).
struct PrintOptions {
  std::array<bool, 7> layers{true, true, true, true, true, true, true};  // C1 .. O
  PrintArrangement arrangement = PrintArrangement::Top;
  bool mirrorSide2 = false;
  bool solderMask1 = false;
  bool solderMask2 = false;
  bool drillPlan = false;
  bool mirror = false;
  bool targets = false;
  bool outline = false;
  bool negative = false;
  bool blackWhite = false;
  bool scannedCopy = false;  // the scanned copies under the layers
  double scale = 1;          // 1 for "1:1"; 0.1 .. 5 with the free scale
  double factorX = 1;
  double factorY = 1;
  int tilesX = 1;
  int tilesY = 1;
  double tileSpacing = 0;
  double imageGap = 100000;  // between the two images of the dual arrangements
  bool maskPads = true;
  bool maskSmdPads = true;
  bool maskOthers = true;
  int maskOffsetPads = 3000;
  int maskOffsetSmdPads = 1000;
  int maskOffsetOthers = 1000;
  int drillTextHeight = 10000;
  bool drillTextInMil = false;
  // C1, S1, C2, S2, I1, I2, O, solder mask 1, solder mask 2, drill plan.
  std::array<Rgb, 10> colours{};
  double pageWidthMm = 210;  // the sheet
  double pageHeightMm = 297;
  double offsetXMm = 10;  // where the board's top-left corner lies on the sheet
  double offsetYMm = 10;
};

// The print colours and mask settings kept in the settings' "Drucken" section.
void applyPrintSettings(const PrintSettings& stored, PrintOptions& options);
// The other way round, when the print dialog closes.
void storePrintSettings(const PrintOptions& options, PrintSettings& stored);

// Which boxes of the print dialog the board allows: the seven layers (an object on the layer;
// I1 and I2 only with inner layers), solder mask 1 and 2 (an object with a mask opening on C1 or
// C2) and the drill plan (a through-hole pad with a hole on a copper or the outline layer).
std::array<bool, 10> printableLayers(const Board& board);

// The scanned copies of side 1 and 2 of a board, shared by every page that prints them; empty
// where the board has none.
using PrintTemplates = std::array<std::shared_ptr<const ScanPicture>, 2>;

// Loads the scanned copies the board header names (a copy that has moved is looked for by its
// name beside `layoutFile`); `messages` gets the reason for each one that could not be loaded.
PrintTemplates loadPrintTemplates(const BoardHeader& header, const std::string& layoutFile,
                                  std::vector<std::string>& messages);

// The correction factors the calibration accepts.
inline bool validPrintFactor(double f) { return f >= 0.8 && f <= 1.2; }

// One item of a printed page, in millimetres from the sheet's top-left corner, y downwards:
// a shape, a text (left end of its base line at `at`, height in millimetres), the start or end
// of a clip to the rectangle of `shape`'s first and third point, or a picture whose top-left,
// top-right and bottom-left corners lie at `shape`'s three points (mirrored when the second
// lies left of the first); a monochrome picture prints its black pixels in `shape`'s colour and
// leaves its white ones white.
struct PrintItem {
  enum class Kind { Shape, Text, ClipBegin, ClipEnd, Picture };
  Kind kind = Kind::Shape;
  VectorShape shape;
  std::string text;
  DPoint at;
  double height = 0;
  std::shared_ptr<const ScanPicture> picture;
};

struct PrintPage {
  double widthMm = 210;
  double heightMm = 297;
  std::vector<PrintItem> items;
};

// Text widths of the printed font (Helvetica), in ems, for centring the drill plan's figures.
double printTextWidthEm(const std::string& text);

// The composition of the page: every tile, with one or two images of the board each; with
// "Scanned copy" the board's `templates` under the layers.
PrintPage composePrintPage(const Board& board, const PrintOptions& options,
                           const PrintTemplates& templates = {});

// "Center": the sheet offset that centres the print on the sheet. The whole tiled area counts
// when the board outline or the targets are printed or two images are arranged; otherwise what
// the checked layers draw.
DPoint centredPrintOffset(const Board& board, const PrintOptions& options);

// The info line along the bottom of the sheet: a frame 1/60 of the sheet's height, the title
// with the scale in percent at the left and `dateTime` at the right.
void addPrintInfoLine(PrintPage& page, const std::string& title, double scale,
                      const std::string& dateTime);

}  // namespace pravelo
