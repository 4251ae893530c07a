#pragma once

#include <optional>
#include <string>

#include "document/board_header.h"
#include "view/frame.h"
#include "view/scan_picture.h"
#include "view/view_transform.h"

namespace pravelo {

// A scan loaded for one side of a board, with the resolution its file gave (already as the
// resolution field shows it) and the name under which it was found.
struct LoadedTemplate {
  ScanPicture picture;
  int dpi = 300;
  std::string fileName;
};

// The outcome of loading: the template, or the message saying why there is none.
struct TemplateLoad {
  std::optional<LoadedTemplate> loaded;
  std::string message;
};

// Loads a scan: a name ending in ".bmp" (any case) as a Windows bitmap, anything else as a JPEG.
// A file that is not where the name says is looked for by its name alone in the folder of
// `layoutFile`. Names longer than the board header can hold are refused rather than cut.
TemplateLoad loadBackgroundTemplate(const std::string& fileName, const std::string& layoutFile);

// The side whose template the active layer shows: 1 for C1 and S1, 2 for C2 and S2, else 0.
int templateSideOfLayer(int layer);

// Which part of the scan is drawn where: the source rectangle in image pixels and the screen
// rectangle it is stretched to.
struct TemplateMapping {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  double screenLeft = 0;
  double screenTop = 0;
  double screenWidth = 0;
  double screenHeight = 0;
};

// The part of a `imageWidth` x `imageHeight` scan of `dpi` with its top-left corner at
// (offsetX, offsetY) tenths of a millimetre right of and below the board's top-left corner that
// covers the frame of `clientWidth` x `clientHeight` pixels.
TemplateMapping templateMapping(const ViewTransform& view, int clientWidth, int clientHeight,
                                int dpi, int offsetX, int offsetY, int imageWidth, int imageHeight);

// Draws side `side` (1 or 2) of the header's templates into `frame`, dropping pixels when
// reducing. A monochrome scan shows its black pixels in the side's tint and its white ones in
// `background`.
void drawBackgroundTemplate(Frame& frame, const ScanPicture& picture, const BoardHeader& header,
                            int side, const ViewTransform& view, Rgb background);

}  // namespace pravelo
