#pragma once

#include <array>
#include <optional>

#include "view/photo_options.h"

namespace pravelo {

struct ScanPicture;

// Colour of drill holes ("BohrlochFarbe").
enum class DrillHoleColour { Background = 0, White = 1, Black = 2 };

// What a picture shows beyond the board's own data: the display settings and the state of the
// tools that changes how objects look.
struct RenderOptions {
  bool antiAliased = true;      // the screen always is; printouts and rasters are not
  bool transparent = false;     // lower layers show through upper ones
  bool darkGroundPlane = true;  // "AutoMasseDunkel"
  bool allGroundPlanes = true;  // "AlleAutoMassen"
  DrillHoleColour drillHoleColour = DrillHoleColour::Background;
  bool solderMaskMode = false;   // the solder-mask tool: mask openings stand out
  bool routingTool = false;      // the connect or autoroute tool: selected bands in magenta
  bool autorouteTool = false;    // autorouted tracks show a centre line
  bool testMode = false;         // the connectivity test: no node handles
  bool dimmedHighlight = false;  // the test result's blink: selection colour 20 % darker
  bool showAllLayers = false;    // every layer counts as visible (photo view)
  bool allWhite = false;         // every object white (print and export masks)
  bool clipToView = true;        // skip objects outside the frame; off for previews and exports
  // A picture of the board itself (image export, photo view): selected objects look like the
  // others, and no handles, group markers or rubber bands are drawn.
  bool finishedBoard = false;
  bool showGrid = true;
  bool dotGrid = false;
  int gridMarking = 4;
  bool showOrigin = true;
  int draggedHandle = -1;        // node being dragged, -1 for none
  bool wholeObjectDrag = false;  // every handle drawn as dragged
  // The loaded scans of side 1 and 2 shown behind the board; previews and the photo view leave
  // them empty.
  std::array<const ScanPicture*, 2> templatePictures{};
  // "Exclusive": the scan of the active side alone, as if every layer were hidden.
  bool templateAlone = false;
  // The photo view of one side in place of the layer colours; the view transform must then be
  // the side's (mirrored for the bottom). The colour scheme is not used.
  std::optional<PhotoOptions> photo;
};

}  // namespace pravelo
