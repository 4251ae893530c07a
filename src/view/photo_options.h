#pragma once

namespace pravelo {

enum class PhotoSide { Top, Bottom };

// What the photo view shows. The colour choices are indices into the fixed lists: board
// "Green", "Blue", "Copper"; finish "Gold", "Silver", "---" (exposed copper as under the mask).
struct PhotoOptions {
  PhotoSide side = PhotoSide::Top;
  bool silkscreen = true;
  bool xRay = true;
  int boardColour = 0;
  int finish = 0;
  friend bool operator==(const PhotoOptions&, const PhotoOptions&) = default;
};

}  // namespace pravelo
