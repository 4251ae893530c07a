#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "document/document.h"
#include "geometry/length_text.h"
#include "settings/settings.h"

namespace pravelo {

struct Editor;

// The pages of the properties panel: one per group of selected objects, in the order of the
// multi-selection list, and the board's own page for an empty selection.
enum class PropertyPage { Pads, SmdPads, Texts, Circles, Tracks, Zones, Board };
inline constexpr std::size_t kGroupCount = 6;

// Every field of the panel. Lengths and positions are in millimetres (positions relative to the
// user origin), angles in degrees, switches 0 or 1; the spoke buttons count clockwise from the
// top as the screen shows them.
enum class Property {
  PadX,
  PadY,
  PadShape,
  PadDiameter,
  PadDrill,
  PadThrough,
  PadThermal,
  PadSpokeWidth,
  PadLayersEqual,
  PadSpoke1,
  PadSpoke2,
  PadSpoke3,
  PadSpoke4,
  PadSpoke5,
  PadSpoke6,
  PadSpoke7,
  PadSpoke8,
  PadSpokesToggled,
  SmdX,
  SmdY,
  SmdSizeX,
  SmdSizeY,
  SmdThermal,
  SmdSpokeWidth,
  SmdSpoke1,
  SmdSpoke2,
  SmdSpoke3,
  SmdSpoke4,
  SmdSpoke5,
  SmdSpoke6,
  SmdSpoke7,
  SmdSpoke8,
  SmdSpokesToggled,
  TextContent,
  TextHeight,
  TextThickness,
  TextStyle,
  TextAngle,
  TextMirrorH,
  TextMirrorV,
  TextCutout,
  CircleX,
  CircleY,
  CircleDiameter,
  CircleWidth,
  CircleStart,
  CircleStop,
  CircleFilled,
  CircleCutout,
  TrackWidth,
  TrackFlatStart,
  TrackFlatEnd,
  TrackCutout,
  ZoneWidth,
  ZoneHatched,
  ZoneHatchFromOutline,
  ZoneHatchWidth,
  ZoneCutout,
  ZoneMaskOnly,
  BoardWidth,
  BoardHeight,
  BoardName,
  BoardMultilayer,
};
inline constexpr std::size_t kPropertyCount =
    static_cast<std::size_t>(Property::BoardMultilayer) + 1;

struct PropertyInfo {
  Property id;
  PropertyPage page;
  const char* scriptName;  // the field's name in edit scripts
  bool isText;             // a text field rather than a number
};
const PropertyInfo& propertyInfo(Property p);
std::optional<Property> propertyByScriptName(const std::string& name);

// What one field shows: `mixed` when the group's objects differ (a blank field, a grayed check
// box, a grey button); otherwise the first object's value.
struct ShownValue {
  bool mixed = false;
  double number = 0;
  std::string text;  // text fields, UTF-8
};

struct PropertiesSummary {
  // The selected objects of each group (indices into the board's list, in list order).
  std::array<std::vector<int>, kGroupCount> groups;
  // The rows of the multi-selection list: "2; Pads", one per non-empty group; shown only when
  // there are two or more.
  std::vector<PropertyPage> rows;
  std::vector<std::string> rowTexts;
  PropertyPage page = PropertyPage::Board;
  std::string kindLine;  // L_Typ
  std::array<ShownValue, kPropertyCount> values;
  // Read-only texts of the shown page; empty when they do not apply.
  std::string spokeWidth;   // the resulting spoke width of the first pad
  std::string trackLength;  // single track only
  std::string nodes;        // single track or zone only
  std::string imax;         // single track only, e.g. "3.13 A"
  std::string strokeWidth;  // texts: the effective stroke width
  std::string boardArea;    // e.g. "160 cm²"

  const ShownValue& operator[](Property p) const { return values[static_cast<std::size_t>(p)]; }
};

// The panel's view of the active board's selection. `chosen` is the row picked in the
// multi-selection list; when it is empty or not among the rows, the first row is shown.
PropertiesSummary summariseProperties(const Board& board, const OptionenSettings& options,
                                      LengthUnit unit,
                                      std::optional<PropertyPage> chosen = std::nullopt);

// A value typed or chosen in one field: `number` for number fields, `text` for text fields.
struct PropertyInput {
  double number = 0;
  std::string text;  // UTF-8
};

// Applies one changed field to every selected object of its page's group, or to the board;
// the other fields are left as they are on each object. Records the editing gesture's undo step
// before the first change (the caller ends the gesture with commitGesture) and asks the window
// where the panel asks. Returns whether anything changed.
bool applyProperty(Editor& editor, Property field, const PropertyInput& input);

// Current estimate of a track in amperes (copper thickness in µm, temperature rise in kelvin).
double trackImax(double widthMm, int copperUm, int riseKelvin);
// The board area text: cm² in mm mode, in² in mil mode.
std::string boardAreaText(std::int32_t width, std::int32_t height, LengthUnit unit);
// Spoke width in units as the ground plane draws it: a pad of outer radius `radius`, an SMD pad
// with the shorter side `side`.
std::int32_t padSpokeWidth(double radius, int percent);
std::int32_t smdSpokeWidth(double side, int percent);

// The spoke width slider, in percent.
inline constexpr int kMinSpokePercent = 10;
inline constexpr int kMaxSpokePercent = 150;

// Board sides the panel accepts, in millimetres, as for a new board.
inline constexpr double kMinBoardSideMm = 1;
inline constexpr double kMaxBoardSideMm = 500;

}  // namespace pravelo
