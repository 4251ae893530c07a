#pragma once

#include "editing/editor.h"
#include "settings/settings.h"
#include "view/photo_options.h"

namespace pravelo {

// The photo view's options kept in the settings section "RealAnsicht"; the side is not kept.
PhotoOptions photoOptionsOf(const PhotoViewSettings& stored, PhotoSide side);
PhotoViewSettings photoViewSettingsOf(const PhotoOptions& options);

// The tool machine opens the view when the Photo view tool is chosen and closes it when another
// tool is: opening takes the options from the settings, closing puts them back. The board
// point in the middle of the view stays there as the picture turns over.
void openPhotoView(Editor& editor);
void closePhotoView(Editor& editor);

// The options panel (or a script) changed the options: the picture is drawn anew at once.
void setPhotoOptions(Editor& editor, const PhotoOptions& options);

}  // namespace pravelo
