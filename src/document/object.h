#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/units.h"

namespace pravelo {

// Object geometry point in internal units.
struct FPoint {
  float x = 0;
  float y = 0;
  friend bool operator==(const FPoint&, const FPoint&) = default;
};

enum Kind : std::uint8_t {
  kLegacyLine = 1,
  kPad = 2,
  kLegacyText = 3,
  kZone = 4,
  kCircle = 5,
  kTrack = 6,
  kText = 7,
  kSmdPad = 8,
};

enum Layer : std::uint8_t {
  kLayerC1 = 1,  // copper top
  kLayerS1 = 2,  // silkscreen top
  kLayerC2 = 3,  // copper bottom
  kLayerS2 = 4,  // silkscreen bottom
  kLayerI1 = 5,  // inner copper 1
  kLayerI2 = 6,  // inner copper 2
  kLayerO = 7,   // board outline
};
inline constexpr int kLayerCount = 7;

inline bool isCopperLayer(int layer) {
  return layer == kLayerC1 || layer == kLayerC2 || layer == kLayerI1 || layer == kLayerI2;
}

// Text roles (the `variant` of a stroke text).
enum TextRole : std::uint8_t { kPlainText = 0, kComponentIdText = 1, kComponentValueText = 2 };

// `thermalStamp` value that marks the thermal fields of a pad as valid.
inline constexpr std::uint32_t kThermalStamp = 123456789;
inline constexpr std::int32_t kDefaultPadSpokes = 0x55555555;  // four spokes on every layer
inline constexpr std::int32_t kDefaultSmdSpokes = 85;          // up, right, down, left
inline constexpr std::int32_t kDefaultSpokeWidthPercent = 100;

// Pick-and-place data carried by the ID text (role 1) of a component.
struct ComponentData {
  FPoint placeOffset;
  std::uint8_t centreMode = 0;
  double placeRotation = 0;
  std::string package;
  std::string comment;
  std::uint8_t usePickPlace = 0;
  friend bool operator==(const ComponentData&, const ComponentData&) = default;
};

// The single record type of every drawable object. The fields up to `maskOnly` form the
// 77-byte stored image (see object_image.h); their meaning depends on `kind`.
// Strings hold Windows-1252 bytes.
struct TObjekt {
  std::uint8_t kind = 0;
  FPoint pos;
  FPoint dim;
  std::int32_t width = 0;
  std::uint8_t selected = 0;
  std::uint8_t layer = 0;
  std::uint8_t variant = 0;
  std::int16_t componentId = 0;
  std::uint8_t scratch = 0;
  std::int32_t paramA = 0;
  std::uint8_t optA = 0;
  std::int32_t clearance = 0;
  std::uint8_t autorouted = 0;
  std::uint8_t optB = 0;
  std::uint8_t optC = 0;
  std::uint8_t cutout = 0;
  std::int32_t paramB = 0;
  std::uint8_t via = 0;
  std::uint8_t solderMask = 0;
  std::uint32_t thermalStamp = 0;
  std::uint8_t maskOnly = 0;

  std::vector<FPoint> points;         // kinds 2, 4, 6, 8 (and text children)
  std::vector<std::int32_t> groups;   // group stack, innermost last
  std::vector<TObjekt*> connections;  // kinds 2, 8: partners on the same board
  std::vector<TObjekt> children;      // kind 7: the glyph strokes (tracks)
  std::string text;                   // kinds 3, 7
  std::string name;                   // user-given name
  TObjekt* routeEndA = nullptr;       // autorouted tracks: the two pads whose
  TObjekt* routeEndB = nullptr;       // connection the track replaced
  ComponentData component;            // ID texts (role 1) only

  // Runtime-only state, never stored.
  std::uint8_t closed = 0;    // zones: outline closed back to the first vertex
  std::uint8_t copyMark = 0;  // source object of a running list copy
  std::uint8_t drawable = 1;  // 0 hides the object from drawing
  std::uint8_t drawMark = 0;  // drawing mark of the renderer
  // Through-hole pads: the enlargement their outline points were generated with; set only on
  // grown working copies (the stored outline is never enlarged).
  std::int32_t padEnlargement = 0;
};

// Pad shapes (`variant` of kind 2).
enum PadShape : std::uint8_t {
  kPadCircular = 1,
  kPadOctagon = 2,
  kPadSquare = 3,
  kPadRoundedH = 4,
  kPadOctagonH = 5,
  kPadRectangleH = 6,
  kPadRoundedV = 7,
  kPadOctagonV = 8,
  kPadRectangleV = 9,
};

inline bool isPadKind(int kind) { return kind == kPad || kind == kSmdPad; }
inline bool hasPointList(int kind) {
  return kind == kPad || kind == kZone || kind == kTrack || kind == kSmdPad;
}
inline bool isIdText(const TObjekt& o) { return o.kind == kText && o.variant == kComponentIdText; }
// ID and value labels can be hidden: then they are not drawn, cannot be selected and do not
// conduct.
inline bool isHiddenLabel(const TObjekt& o) {
  return o.kind == kText && (o.variant == kComponentIdText || o.variant == kComponentValueText) &&
         o.optA == 0;
}
inline bool isMaskOnlyZone(const TObjekt& o) {
  return o.kind == kZone && o.maskOnly != 0 && (o.layer == kLayerC1 || o.layer == kLayerC2);
}
// A pad whose drill is not smaller than the pad itself.
inline bool isPureHole(const TObjekt& o) { return o.kind == kPad && o.dim.y >= o.dim.x; }

TObjekt newObject();
void initTrack(TObjekt& o, std::int32_t width, std::uint8_t layer);
void initZone(TObjekt& o, std::int32_t width, std::uint8_t layer);
void initPad(TObjekt& o, FPoint centre, std::uint8_t layer, std::uint8_t shape, float drillRadius,
             float outerRadius);
void initSmdPad(TObjekt& o, FPoint centre, std::int32_t sizeX, std::uint8_t layer,
                std::int32_t sizeY);
void initCircle(TObjekt& o, FPoint centre, std::int32_t outerRadius, std::uint8_t layer,
                std::int32_t innerRadius);
void initText(TObjekt& o, FPoint anchor, std::string text, std::uint8_t mirrorVertical,
              std::uint8_t mirrorHorizontal, std::uint8_t layer, std::int32_t style,
              std::int32_t thickness, std::int32_t height, std::int32_t rotation);
void addPoint(TObjekt& o, FPoint p);
void pushGroup(TObjekt& o, std::int32_t group);

// Deep copy of `source` into `destination`; marks the source with `copyMark` so that a list
// copy can re-point connections and route ends to the copies afterwards.
void copyObject(TObjekt& source, TObjekt& destination);
// Releases the record's owned lists and strings. Removing references to it from partners is
// the deleting operation's duty.
void freeObject(TObjekt& o);

// Outline points of a through-hole pad of `shape` around `centre` with outer radius `radius`,
// grown by `enlargement` units; axis-parallel (a rotated pad is rotated afterwards).
std::vector<FPoint> padOutline(FPoint centre, float radius, int shape, int enlargement);
// The four corners of an SMD pad, clockwise from the top-left one.
std::vector<FPoint> smdPadCorners(FPoint centre, float sizeX, float sizeY);

}  // namespace pravelo
