#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "document/document.h"
#include "settings/settings.h"

namespace pravelo {

enum class GerberContent { Copper, Plain, SolderMask, SmdMask };

// One output file of the Gerber export.
struct GerberOutput {
  const char* name;       // the short name on the command line ("C1", "LS1", ...)
  const char* layerName;  // written after %LN
  int layer;              // the document layer it shows
  GerberContent content;
  std::string GerberSettings::*extension;  // the file-name ending in the settings
  const char* fileFunction;                // the Gerber X2 file function
};

// In the order the files are written.
extern const std::array<GerberOutput, 11> kGerberOutputs;

// The dialog's choices that shape the files. Offsets in units.
struct GerberOptions {
  bool mirror = false;
  bool camOrigin = true;  // coordinates relative to the user origin
  bool frame = false;     // the board's edge drawn in every file
  bool punchHoles = false;
  bool centrePunch = false;  // punch holes of 0.3 mm only
  bool maskPads = true;
  bool maskSmdPads = true;
  bool maskOthers = true;
  bool maskInverted = false;
  std::int32_t maskPadOffset = 3000;
  std::int32_t maskSmdOffset = 1000;
  std::int32_t maskOthersOffset = 1000;
  bool smdMaskInverted = false;
  std::int32_t smdMaskOffset = 0;
  bool x2Attributes = false;
};

// Whether the board has anything for the output, so that it can be chosen.
bool gerberOutputAvailable(const Board& board, const GerberOutput& output);

struct GerberLayerFile {
  std::string text;
  bool outOfRange = false;
  std::int64_t firstOutOfRange = 0;  // units, as written
};

// The complete file of one output.
GerberLayerFile gerberLayerFile(const Board& board, const GerberOutput& output,
                                const GerberOptions& options);

}  // namespace pravelo
