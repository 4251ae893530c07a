#include "editing/properties.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "base/units.h"
#include "base/windows1252.h"
#include "copper/thermal_spokes.h"
#include "document/document_texts.h"
#include "editing/editor.h"
#include "editing/properties_texts.h"
#include "editing/size_fields.h"
#include "editing/text_dialog_values.h"
#include "geometry/pad_geometry.h"
#include "geometry/point.h"
#include "geometry/text_strokes.h"
#include "geometry/translate.h"
#include "project/board_commands.h"
#include "project/boards.h"

namespace pravelo {

namespace {

using P = Property;
using Page = PropertyPage;

constexpr PropertyInfo kProperties[] = {
    {P::PadX, Page::Pads, "pad.x", false},
    {P::PadY, Page::Pads, "pad.y", false},
    {P::PadShape, Page::Pads, "pad.shape", false},
    {P::PadDiameter, Page::Pads, "pad.diameter", false},
    {P::PadDrill, Page::Pads, "pad.drill", false},
    {P::PadThrough, Page::Pads, "pad.through", false},
    {P::PadThermal, Page::Pads, "pad.thermal", false},
    {P::PadSpokeWidth, Page::Pads, "pad.spokewidth", false},
    {P::PadLayersEqual, Page::Pads, "pad.alllayers", false},
    {P::PadSpoke1, Page::Pads, "pad.spoke1", false},
    {P::PadSpoke2, Page::Pads, "pad.spoke2", false},
    {P::PadSpoke3, Page::Pads, "pad.spoke3", false},
    {P::PadSpoke4, Page::Pads, "pad.spoke4", false},
    {P::PadSpoke5, Page::Pads, "pad.spoke5", false},
    {P::PadSpoke6, Page::Pads, "pad.spoke6", false},
    {P::PadSpoke7, Page::Pads, "pad.spoke7", false},
    {P::PadSpoke8, Page::Pads, "pad.spoke8", false},
    {P::PadSpokesToggled, Page::Pads, "pad.togglespokes", false},
    {P::SmdX, Page::SmdPads, "smd.x", false},
    {P::SmdY, Page::SmdPads, "smd.y", false},
    {P::SmdSizeX, Page::SmdPads, "smd.sizex", false},
    {P::SmdSizeY, Page::SmdPads, "smd.sizey", false},
    {P::SmdThermal, Page::SmdPads, "smd.thermal", false},
    {P::SmdSpokeWidth, Page::SmdPads, "smd.spokewidth", false},
    {P::SmdSpoke1, Page::SmdPads, "smd.spoke1", false},
    {P::SmdSpoke2, Page::SmdPads, "smd.spoke2", false},
    {P::SmdSpoke3, Page::SmdPads, "smd.spoke3", false},
    {P::SmdSpoke4, Page::SmdPads, "smd.spoke4", false},
    {P::SmdSpoke5, Page::SmdPads, "smd.spoke5", false},
    {P::SmdSpoke6, Page::SmdPads, "smd.spoke6", false},
    {P::SmdSpoke7, Page::SmdPads, "smd.spoke7", false},
    {P::SmdSpoke8, Page::SmdPads, "smd.spoke8", false},
    {P::SmdSpokesToggled, Page::SmdPads, "smd.togglespokes", false},
    {P::TextContent, Page::Texts, "text.content", true},
    {P::TextHeight, Page::Texts, "text.height", false},
    {P::TextThickness, Page::Texts, "text.thickness", false},
    {P::TextStyle, Page::Texts, "text.style", false},
    {P::TextAngle, Page::Texts, "text.angle", false},
    {P::TextMirrorH, Page::Texts, "text.mirrorh", false},
    {P::TextMirrorV, Page::Texts, "text.mirrorv", false},
    {P::TextCutout, Page::Texts, "text.cutout", false},
    {P::CircleX, Page::Circles, "circle.x", false},
    {P::CircleY, Page::Circles, "circle.y", false},
    {P::CircleDiameter, Page::Circles, "circle.diameter", false},
    {P::CircleWidth, Page::Circles, "circle.width", false},
    {P::CircleStart, Page::Circles, "circle.start", false},
    {P::CircleStop, Page::Circles, "circle.stop", false},
    {P::CircleFilled, Page::Circles, "circle.filled", false},
    {P::CircleCutout, Page::Circles, "circle.cutout", false},
    {P::TrackWidth, Page::Tracks, "track.width", false},
    {P::TrackFlatStart, Page::Tracks, "track.flatstart", false},
    {P::TrackFlatEnd, Page::Tracks, "track.flatend", false},
    {P::TrackCutout, Page::Tracks, "track.cutout", false},
    {P::ZoneWidth, Page::Zones, "zone.width", false},
    {P::ZoneHatched, Page::Zones, "zone.hatched", false},
    {P::ZoneHatchFromOutline, Page::Zones, "zone.hatchfromoutline", false},
    {P::ZoneHatchWidth, Page::Zones, "zone.hatchwidth", false},
    {P::ZoneCutout, Page::Zones, "zone.cutout", false},
    {P::ZoneMaskOnly, Page::Zones, "zone.maskonly", false},
    {P::BoardWidth, Page::Board, "board.width", false},
    {P::BoardHeight, Page::Board, "board.height", false},
    {P::BoardName, Page::Board, "board.name", true},
    {P::BoardMultilayer, Page::Board, "board.multilayer", false},
};
static_assert(std::size(kProperties) == kPropertyCount);

constexpr Kind kGroupKinds[kGroupCount] = {kPad, kSmdPad, kText, kCircle, kTrack, kZone};

// What a field needs beyond the object: the user origin and the layer whose spokes the buttons
// show.
struct Context {
  double originX = 0;
  double originY = 0;
  int activeLayer = kLayerC1;
};

Context contextOf(const BoardHeader& header) {
  return {static_cast<double>(header.originX), static_cast<double>(header.originY),
          header.activeLayer};
}

std::size_t index(Property p) { return static_cast<std::size_t>(p); }

std::optional<std::size_t> groupOf(const TObjekt& o) {
  if (o.selected == 0 || o.drawable == 0 || isHiddenLabel(o)) return std::nullopt;
  for (std::size_t g = 0; g < kGroupCount; ++g) {
    if (o.kind == kGroupKinds[g]) return g;
  }
  return std::nullopt;
}

// Spoke buttons: 1..8 for the button of a spoke property, 0 otherwise.
int spokeButton(Property p) {
  if (p >= P::PadSpoke1 && p <= P::PadSpoke8)
    return static_cast<int>(p) - static_cast<int>(P::PadSpoke1) + 1;
  if (p >= P::SmdSpoke1 && p <= P::SmdSpoke8)
    return static_cast<int>(p) - static_cast<int>(P::SmdSpoke1) + 1;
  return 0;
}

// The screen shows the spokes turned with the pad: by whole 45 degree steps, 8 counting as 0.
int rotationSteps(const TObjekt& o) {
  const double rotation = o.kind == kSmdPad ? cornerRotation(o.points) : padRotation(o);
  return static_cast<int>(roundHalfEven(rotation / 45.0)) % 8;
}

std::uint8_t rotateLeft(std::uint8_t byte, int n) {
  n &= 7;
  return static_cast<std::uint8_t>((byte << n) | (byte >> ((8 - n) & 7)));
}

// The byte of the spoke pattern the buttons show and change: an SMD pad has only one, a pad
// with equal layers uses its C1 byte everywhere, and a pad with its own spokes per layer shows
// those of the active copper layer; while silkscreen or the outline is active, those of the
// pad's own layer (the bottom spokes of a bottom pad while S2 is active).
int patternByte(const TObjekt& o, const Context& c) {
  if (o.kind == kSmdPad || o.optA == 0) return 0;
  return spokeLayerByte(isCopperLayer(c.activeLayer) ? c.activeLayer : o.layer);
}

std::uint8_t spokePattern(const TObjekt& o, const Context& c) {
  return static_cast<std::uint8_t>(static_cast<std::uint32_t>(o.paramA) >> (8 * patternByte(o, c)));
}

std::uint8_t shownSpokes(const TObjekt& o, const Context& c) {
  return rotateLeft(spokePattern(o, c), rotationSteps(o));
}

// Writes a pattern byte: to the one byte shown, or to all four when the layers are equal.
void storeSpokes(TObjekt& o, std::uint8_t pattern, const Context& c) {
  auto bits = static_cast<std::uint32_t>(o.paramA);
  if (o.kind == kSmdPad) {
    bits = (bits & ~0xFFu) | pattern;
  } else if (o.optA == 0) {
    bits = pattern * 0x01010101u;
  } else {
    const int shift = 8 * patternByte(o, c);
    bits = (bits & ~(0xFFu << shift)) | (static_cast<std::uint32_t>(pattern) << shift);
  }
  o.paramA = static_cast<std::int32_t>(bits);
}

// Thermal fields written by the panel are valid from then on; a pad from an old file gets the
// defaults first.
void ensureThermalData(TObjekt& o) {
  if (o.thermalStamp == kThermalStamp) return;
  o.paramA = o.kind == kSmdPad ? kDefaultSmdSpokes : kDefaultPadSpokes;
  o.paramB = kDefaultSpokeWidthPercent;
  o.thermalStamp = kThermalStamp;
}

double relative(double coordinate, double origin) { return (coordinate - origin) / kUnitsPerMm; }

double numberOf(const TObjekt& o, Property p, const Context& c) {
  if (const int k = spokeButton(p)) return (shownSpokes(o, c) >> (k - 1)) & 1;
  switch (p) {
    case P::PadX:
    case P::SmdX:
    case P::CircleX:
      return relative(o.pos.x, c.originX);
    case P::PadY:
    case P::SmdY:
    case P::CircleY:
      return relative(o.pos.y, c.originY);
    case P::PadShape:
      return shapeForRotation(o.variant, padRotation(o));
    case P::PadDiameter:
      return 2.0 * o.dim.x / kUnitsPerMm;
    case P::PadDrill:
      return 2.0 * o.dim.y / kUnitsPerMm;
    case P::PadThrough:
      return o.via;
    case P::PadThermal:
    case P::SmdThermal:
    case P::ZoneHatched:
    case P::TextMirrorH:
      return o.optB;
    case P::PadSpokeWidth:
    case P::SmdSpokeWidth:
    case P::TextAngle:
      return o.paramB;
    case P::PadLayersEqual:
      return o.optA == 0 ? 1 : 0;
    case P::SmdSizeX:
      return o.points.size() >= 3 ? distance(o.points[0], o.points[1]) / kUnitsPerMm : 0;
    case P::SmdSizeY:
      return o.points.size() >= 3 ? distance(o.points[1], o.points[2]) / kUnitsPerMm : 0;
    case P::TextHeight:
      return o.dim.x / kUnitsPerMm;
    case P::TextThickness:
      return o.dim.y;
    case P::TextStyle:
      return o.width;
    case P::TextMirrorV:
    case P::ZoneHatchFromOutline:
      return o.optC;
    case P::TextCutout:
    case P::CircleCutout:
    case P::TrackCutout:
    case P::ZoneCutout:
      return o.cutout;
    case P::CircleDiameter:
      return (double{o.dim.x} + o.dim.y) / kUnitsPerMm;
    case P::CircleWidth:
      return (double{o.dim.x} - o.dim.y) / kUnitsPerMm;
    case P::CircleStart:
      return o.paramA / 1000.0;
    case P::CircleStop:
      return o.width / 1000.0;
    case P::CircleFilled:
      return o.optA;
    case P::TrackWidth:
    case P::ZoneWidth:
      return static_cast<double>(o.width) / kUnitsPerMm;
    case P::TrackFlatStart:
      return o.variant & 1;
    case P::TrackFlatEnd:
      return (o.variant >> 1) & 1;
    case P::ZoneHatchWidth:
      return static_cast<double>(o.paramB) / kUnitsPerMm;
    case P::ZoneMaskOnly:
      return o.maskOnly;
    default:
      return 0;
  }
}

template <class T>
bool assign(T& field, T value) {
  if (field == value) return false;
  field = value;
  return true;
}

std::uint8_t flag(double v) { return v != 0 ? 1 : 0; }
std::uint8_t copperFlag(const TObjekt& o, double v) { return flag(v) && isCopperLayer(o.layer); }

int lengthUnits(double mm) { return roundToInt32(mm * kUnitsPerMm); }
int fieldUnits(SizeField field, double mm) { return clampToField(field, lengthUnits(mm)); }

// A position typed relative to the origin moves the whole object.
bool moveTo(TObjekt& o, bool horizontal, double mm, const Context& c) {
  const double target =
      static_cast<double>(roundHalfEven(mm * kUnitsPerMm + (horizontal ? c.originX : c.originY)));
  const double delta = target - (horizontal ? o.pos.x : o.pos.y);
  if (delta == 0) return false;
  translateObject(o, horizontal ? delta : 0, horizontal ? 0 : delta);
  return true;
}

bool setPadRadius(TObjekt& o, bool outer, double mm) {
  const float radius =
      static_cast<float>(fieldUnits(outer ? SizeField::Aussen : SizeField::Innen, mm) / 2.0);
  if (!outer) return assign(o.dim.y, radius);
  // A pad smaller than its drill is raised to the drill.
  if (!assign(o.dim.x, std::max(radius, o.dim.y))) return false;
  regeneratePadOutline(o, std::nullopt, 0);
  return true;
}

bool setThermal(TObjekt& o, double v) {
  const std::uint8_t on = copperFlag(o, v);
  if (on) ensureThermalData(o);
  bool changed = assign(o.optB, on);
  // Spokes need a gap to cross.
  if (on) changed |= assign(o.clearance, std::max(o.clearance, 1000));
  return changed;
}

bool setSpokeBit(TObjekt& o, int button, double v, const Context& c) {
  ensureThermalData(o);
  const int bit = ((button - 1 - rotationSteps(o)) % 8 + 8) % 8;
  const std::uint8_t before = spokePattern(o, c);
  const auto mask = static_cast<std::uint8_t>(1u << bit);
  const auto after = static_cast<std::uint8_t>(v != 0 ? before | mask : before & ~mask);
  const std::int32_t was = o.paramA;
  storeSpokes(o, after, c);
  return o.paramA != was;
}

bool toggleSpokes(TObjekt& o, const Context& c) {
  ensureThermalData(o);
  storeSpokes(o, static_cast<std::uint8_t>(~spokePattern(o, c)), c);
  return true;
}

bool setLayersEqual(TObjekt& o, double v, const Context& c) {
  if (v == 0) return assign(o.optA, std::uint8_t{1});
  if (o.optA == 0) return false;
  ensureThermalData(o);
  const std::uint8_t shown = spokePattern(o, c);
  o.optA = 0;
  storeSpokes(o, shown, c);
  return true;
}

bool setSmdSize(TObjekt& o, bool x, double mm) {
  if (o.points.size() < 3) return false;
  const int units = fieldUnits(x ? SizeField::SMDPad_X : SizeField::SMDPad_Y, mm);
  const int now = roundToInt32(distance(o.points[x ? 0 : 1], o.points[x ? 1 : 2]));
  if (units == now) return false;
  resizeSmdPad(o, x ? units : -1, x ? -1 : units);
  return true;
}

// The ring between the outer and inner radius from its centre-line diameter and width; the
// width never exceeds the diameter, so that the inner radius stays at or above 0.
bool setRing(TObjekt& o, std::optional<double> diameterMm, std::optional<double> widthMm) {
  const double diameter =
      std::max(0.0, diameterMm ? *diameterMm * kUnitsPerMm : double{o.dim.x} + o.dim.y);
  const double width =
      std::clamp(widthMm ? *widthMm * kUnitsPerMm : double{o.dim.x} - o.dim.y, 0.0, diameter);
  const FPoint dim{static_cast<float>(roundHalfEven((diameter + width) / 2)),
                   static_cast<float>(roundHalfEven((diameter - width) / 2))};
  return assign(o.dim, dim);
}

std::int32_t milliDegrees(double degrees) {
  const std::int32_t v = roundToInt32(degrees * 1000) % 360000;
  return v < 0 ? v + 360000 : v;
}

// New strokes carry the text's selection, as selecting a text passes it on to them.
void rebuildStrokes(TObjekt& text) {
  buildTextStrokes(text, false);
  for (TObjekt& stroke : text.children) stroke.selected = text.selected;
}

bool setTextNumber(TObjekt& o, Property p, double v) {
  switch (p) {
    case P::TextHeight:
      return assign(o.dim.x, static_cast<float>(
                                 lengthUnits(std::clamp(v, kMinTextHeightMm, kMaxTextHeightMm))));
    case P::TextThickness:
      return assign(o.dim.y, static_cast<float>(std::clamp(roundToInt32(v), 0, 2)));
    case P::TextStyle:
      return assign(o.width, std::clamp(roundToInt32(v), 0, 2));
    case P::TextAngle:
      return assign(o.paramB, milliDegrees(v) / 1000);
    case P::TextMirrorH:
      return assign(o.optB, flag(v));
    case P::TextMirrorV:
      return assign(o.optC, flag(v));
    case P::TextCutout:
      return assign(o.cutout, copperFlag(o, v));
    default:
      return false;
  }
}

bool setNumber(TObjekt& o, Property p, double v, const Context& c) {
  if (const int k = spokeButton(p)) return setSpokeBit(o, k, v, c);
  switch (p) {
    case P::PadX:
    case P::SmdX:
    case P::CircleX:
      return moveTo(o, true, v, c);
    case P::PadY:
    case P::SmdY:
    case P::CircleY:
      return moveTo(o, false, v, c);
    case P::PadShape: {
      const int shape = roundToInt32(v);
      if (shape < kPadCircular || shape > kPadRectangleV) return false;
      const std::uint8_t variant = o.variant;
      const std::vector<FPoint> points = o.points;
      regeneratePadOutline(o, shape, 0);
      return o.variant != variant || o.points != points;
    }
    case P::PadDiameter:
      return setPadRadius(o, true, v);
    case P::PadDrill:
      return setPadRadius(o, false, v);
    case P::PadThrough:
      return assign(o.via, copperFlag(o, v));
    case P::PadThermal:
    case P::SmdThermal:
      return setThermal(o, v);
    case P::PadSpokeWidth:
    case P::SmdSpokeWidth:
      ensureThermalData(o);
      return assign(o.paramB, std::clamp(roundToInt32(v), kMinSpokePercent, kMaxSpokePercent));
    case P::PadLayersEqual:
      return setLayersEqual(o, v, c);
    case P::PadSpokesToggled:
    case P::SmdSpokesToggled:
      return toggleSpokes(o, c);
    case P::SmdSizeX:
      return setSmdSize(o, true, v);
    case P::SmdSizeY:
      return setSmdSize(o, false, v);
    case P::TextHeight:
    case P::TextThickness:
    case P::TextStyle:
    case P::TextAngle:
    case P::TextMirrorH:
    case P::TextMirrorV:
    case P::TextCutout:
      if (!setTextNumber(o, p, v)) return false;
      rebuildStrokes(o);
      return true;
    case P::CircleDiameter:
      return setRing(o, v, std::nullopt);
    case P::CircleWidth:
      return setRing(o, std::nullopt, v);
    case P::CircleStart:
      return assign(o.paramA, milliDegrees(v));
    case P::CircleStop:
      return assign(o.width, milliDegrees(v));
    case P::CircleFilled:
      return assign(o.optA, flag(v));
    case P::CircleCutout:
    case P::TrackCutout:
    case P::ZoneCutout:
      return assign(o.cutout, copperFlag(o, v));
    case P::TrackWidth:
    case P::ZoneWidth:
      return assign(o.width, fieldUnits(SizeField::Breite, v));
    case P::TrackFlatStart:
    case P::TrackFlatEnd: {
      const std::uint8_t bit = p == P::TrackFlatStart ? 1 : 2;
      return assign(o.variant,
                    static_cast<std::uint8_t>(v != 0 ? o.variant | bit : o.variant & ~bit));
    }
    case P::ZoneHatched:
      return assign(o.optB, flag(v));
    case P::ZoneHatchFromOutline:
      return assign(o.optC, flag(v));
    case P::ZoneHatchWidth:
      return assign(o.paramB, fieldUnits(SizeField::Breite, v));
    case P::ZoneMaskOnly:
      return assign(o.maskOnly, static_cast<std::uint8_t>(
                                    flag(v) && (o.layer == kLayerC1 || o.layer == kLayerC2)));
    default:
      return false;
  }
}

constexpr std::size_t kMaxTextBytes = 255;
constexpr std::size_t kMaxBoardNameBytes = 30;

std::string cut(std::string bytes, std::size_t limit) {
  if (bytes.size() > limit) bytes.resize(limit);
  return bytes;
}

bool setText(TObjekt& o, const std::string& utf8) {
  if (!assign(o.text, cut(utf8ToWindows1252(utf8), kMaxTextBytes))) return false;
  rebuildStrokes(o);
  return true;
}

bool setBoardSide(std::int32_t& side, double mm) {
  return assign(side, lengthUnits(std::clamp(mm, kMinBoardSideMm, kMaxBoardSideMm)));
}

bool applyToBoard(Board& board, Property p, const PropertyInput& input) {
  switch (p) {
    case P::BoardWidth:
      return setBoardSide(board.header.width, input.number);
    case P::BoardHeight:
      return setBoardSide(board.header.height, input.number);
    case P::BoardName:
      return assign(board.name,
                    cut(trimmedBoardName(utf8ToWindows1252(input.text)), kMaxBoardNameBytes));
    case P::BoardMultilayer:
      return setMultilayer(board, input.number != 0);
    default:
      return false;
  }
}

// Questions come before the gesture's first change, so that Cancel leaves everything as it was.
bool confirmed(Editor& editor, Property p, const PropertyInput& input,
               const std::vector<TObjekt*>& targets) {
  const Board& board = editor.board();
  if (p == P::BoardMultilayer && input.number == 0 && board.header.multilayer &&
      hasInnerLayerObjects(board)) {
    const std::string question =
        std::string(tr(texts::innerLayersDeleted)) + "\n\n" + tr(texts::continueQuestion);
    const Answer a =
        editor.host.ask(question, tr(texts::productName), Buttons::OkCancel, MessageIcon::Warning);
    return a == Answer::Ok || a == Answer::Yes;
  }
  if (p == P::PadLayersEqual && input.number != 0 &&
      std::ranges::any_of(targets, [](const TObjekt* o) { return o->optA != 0; })) {
    const Answer a = editor.host.ask(tr(texts::thermalAllLayers), tr(texts::productName),
                                     Buttons::OkCancel, MessageIcon::Question);
    return a == Answer::Ok || a == Answer::Yes;
  }
  return true;
}

const Text& rowName(PropertyPage page, bool one) {
  switch (page) {
    case Page::Pads:
      return one ? texts::rowPad : texts::rowPads;
    case Page::SmdPads:
      return one ? texts::rowSmdPad : texts::rowSmdPads;
    case Page::Texts:
      return one ? texts::rowText : texts::rowTexts;
    case Page::Circles:
      return one ? texts::rowCircle : texts::rowCircles;
    case Page::Tracks:
      return one ? texts::rowTrack : texts::rowTracks;
    case Page::Zones:
    case Page::Board:
      break;
  }
  return one ? texts::rowZone : texts::rowZones;
}

// A number with `digits` significant digits, without exponent or trailing zeros where possible.
std::string general(double v, int digits) {
  char buffer[64];
  const auto end =
      std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::general, digits);
  return std::string(buffer, end.ptr);
}

double trackLengthUnits(const TObjekt& o) {
  double length = 0;
  for (std::size_t i = 1; i < o.points.size(); ++i)
    length += distance(o.points[i - 1], o.points[i]);
  return length;
}

// Millimetre texts with two decimals, as "0.75 mm"; mil as the standard length text.
std::string shortLength(double units, LengthUnit unit) {
  return formatLength(units, unit, unit == LengthUnit::Mm ? 2 : -1);
}

void fillExtras(PropertiesSummary& s, const Board& board, const OptionenSettings& options,
                LengthUnit unit) {
  if (s.page == Page::Board) {
    s.boardArea = boardAreaText(board.header.width, board.header.height, unit);
    return;
  }
  const auto& members = s.groups[static_cast<std::size_t>(s.page)];
  const TObjekt& first = *board.objects[static_cast<std::size_t>(members.front())];
  const bool single = members.size() == 1;
  switch (s.page) {
    case Page::Pads:
      s.spokeWidth = shortLength(padSpokeWidth(first.dim.x, first.paramB), unit);
      break;
    case Page::SmdPads:
      s.spokeWidth = shortLength(smdSpokeWidth(smdPadSmallerSide(first), first.paramB), unit);
      break;
    case Page::Texts:
      s.strokeWidth =
          formatLength(textStrokeWidth(first.dim.x, static_cast<int>(first.dim.y)), unit);
      break;
    case Page::Tracks:
      if (!single) break;
      s.trackLength = formatLength(trackLengthUnits(first), unit);
      s.nodes = std::to_string(first.points.size());
      s.imax = general(trackImax(unitsToMm(first.width), options.Imax_CU, options.Imax_DT), 3) +
               tr(texts::amperes);
      break;
    case Page::Zones:
      if (single) s.nodes = std::to_string(first.points.size());
      break;
    default:
      break;
  }
}

void summariseBoard(PropertiesSummary& s, const Board& board) {
  auto set = [&s](Property p, double number, std::string text = {}) {
    s.values[index(p)] = {false, number, std::move(text)};
  };
  set(P::BoardWidth, unitsToMm(board.header.width));
  set(P::BoardHeight, unitsToMm(board.header.height));
  set(P::BoardName, 0, windows1252ToUtf8(board.name));
  set(P::BoardMultilayer, board.header.multilayer != 0);
}

}  // namespace

const PropertyInfo& propertyInfo(Property p) { return kProperties[index(p)]; }

std::optional<Property> propertyByScriptName(const std::string& name) {
  for (const PropertyInfo& info : kProperties) {
    if (name == info.scriptName) return info.id;
  }
  return std::nullopt;
}

PropertiesSummary summariseProperties(const Board& board, const OptionenSettings& options,
                                      LengthUnit unit, std::optional<PropertyPage> chosen) {
  PropertiesSummary s;
  for (std::size_t i = 0; i < board.objects.size(); ++i) {
    if (const auto g = groupOf(*board.objects[i])) s.groups[*g].push_back(static_cast<int>(i));
  }
  for (std::size_t g = 0; g < kGroupCount; ++g) {
    if (s.groups[g].empty()) continue;
    const auto page = static_cast<PropertyPage>(g);
    const std::size_t count = s.groups[g].size();
    s.rows.push_back(page);
    s.rowTexts.push_back(std::to_string(count) + tr(rowName(page, count == 1)));
  }
  if (s.rows.empty()) {
    s.page = Page::Board;
    s.kindLine = tr(texts::kindBoard);
    summariseBoard(s, board);
    fillExtras(s, board, options, unit);
    return s;
  }
  s.page = chosen && std::ranges::find(s.rows, *chosen) != s.rows.end() ? *chosen : s.rows.front();
  const auto& members = s.groups[static_cast<std::size_t>(s.page)];
  const std::string row = tr(rowName(s.page, members.size() == 1));
  s.kindLine = std::to_string(members.size()) + " " + row.substr(2);

  const Context c = contextOf(board.header);
  const TObjekt& first = *board.objects[static_cast<std::size_t>(members.front())];
  for (const PropertyInfo& info : kProperties) {
    if (info.page != s.page) continue;
    ShownValue& shown = s.values[index(info.id)];
    if (info.isText) {
      shown.text = windows1252ToUtf8(first.text);
      for (const int m : members) {
        if (board.objects[static_cast<std::size_t>(m)]->text != first.text) shown.mixed = true;
      }
      continue;
    }
    shown.number = numberOf(first, info.id, c);
    for (const int m : members) {
      if (numberOf(*board.objects[static_cast<std::size_t>(m)], info.id, c) != shown.number) {
        shown.mixed = true;
        break;
      }
    }
  }
  fillExtras(s, board, options, unit);
  return s;
}

bool applyProperty(Editor& editor, Property field, const PropertyInput& input) {
  Board& board = editor.board();
  const PropertyPage page = propertyInfo(field).page;
  std::vector<TObjekt*> targets;
  if (page != Page::Board) {
    for (const auto& o : board.objects) {
      const auto g = groupOf(*o);
      if (g && *g == static_cast<std::size_t>(page)) targets.push_back(o.get());
    }
    if (targets.empty()) return false;
  }
  if (!confirmed(editor, field, input, targets)) return false;

  const bool opened = !editor.gesture;
  editor.beginChange();
  bool changed = false;
  if (page == Page::Board) {
    changed = applyToBoard(board, field, input);
  } else {
    const Context c = contextOf(board.header);
    for (TObjekt* o : targets) {
      changed |= propertyInfo(field).isText ? setText(*o, input.text)
                                            : setNumber(*o, field, input.number, c);
    }
  }
  if (!changed && opened) editor.revertGesture();
  if (changed) editor.repaint.repaintAll();
  return changed;
}

double trackImax(double widthMm, int copperUm, int riseKelvin) {
  const double t = copperUm / 1000.0;
  return 0.7 * 5.25 * std::sqrt(t * widthMm * (widthMm + t) * riseKelvin);
}

std::string boardAreaText(std::int32_t width, std::int32_t height, LengthUnit unit) {
  const double w = unitsToMm(width);
  const double h = unitsToMm(height);
  const bool mil = unit == LengthUnit::Mil;
  const double area = mil ? (w / 25.4) * (h / 25.4) : (w / 10) * (h / 10);
  return general(static_cast<double>(roundHalfEven(area * 1000)) / 1000, 4) +
         tr(mil ? texts::areaIn2 : texts::areaCm2);
}

std::int32_t padSpokeWidth(double radius, int percent) {
  return roundToInt32(radius / 1.5 / 100 * percent);
}

std::int32_t smdSpokeWidth(double side, int percent) {
  return roundToInt32(side / 3 / 100 * percent);
}

}  // namespace pravelo
