#pragma once

#include "document/document.h"

namespace pravelo {

// Older files measured legacy font heights in screen pixels; this resolution converts them
// where the screen's own is not known.
inline constexpr double kStandardPixelsPerInch = 96;

// Replaces every legacy font text (kind 3) of a loaded object list, in place, by a bold stroke
// text of the same content, layer and group numbers whose strokes start at the legacy text's
// corner. Legacy texts without visible content are removed. Records no undo step.
void replaceLegacyTexts(ObjectList& objects, double pixelsPerInch);

}  // namespace pravelo
