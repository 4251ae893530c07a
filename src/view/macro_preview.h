#pragma once

#include <optional>

#include "document/document.h"
#include "geometry/rect.h"
#include "view/colour_scheme.h"
#include "view/frame.h"
#include "view/view_transform.h"

namespace pravelo {

inline constexpr int kMacroPreviewMargin = 10;  // pixels on each side

// The view that fits `extent` into a `width` x `height` picture with the margin on each side,
// centred; nothing when the extent is empty (every object hidden) or the picture has no room.
std::optional<ViewTransform> macroPreviewView(const TRect& extent, int width, int height);

// The macro's visible objects drawn fitted into a picture of the scheme's background colour,
// with every layer shown; a macro with nothing visible gives the bare background.
Frame renderMacroPreview(const ObjectList& macro, const ColourScheme& scheme, int width,
                         int height);

}  // namespace pravelo
