#pragma once

#include <string>
#include <vector>

#include "document/document.h"
#include "geometry/point.h"
#include "project/component_list.h"
#include "settings/settings.h"

namespace pravelo {

// The columns of a component data export, by their stored codes.
enum class PickPlaceColumn {
  Number = 1,
  Id = 2,
  Value = 3,
  Layer = 4,
  Position = 5,
  Rotation = 6,
  Package = 7,
  Comment = 8,
};
inline constexpr int kPickPlaceColumnCount = 8;
inline constexpr int kMaxPickPlaceDecimals = 4;

// What the export writes. Texts are UTF-8.
struct PickPlaceOptions {
  std::vector<int> columns{1, 2, 3, 4, 5, 6};  // column codes in file order
  char separator = '\t';
  bool mil = false;
  int decimals = 2;
  bool stripZeros = false;
  std::string topText = "Top";
  std::string bottomText = "Bottom";
  bool rotationPrefix = false;
  // Filters; not stored.
  bool smd = true;
  bool throughHole = false;
  bool top = true;
  bool bottom = true;
  bool pickPlaceOnly = false;
  // Positions from the user origin instead of the lower left board corner.
  bool camOrigin = true;
  friend bool operator==(const PickPlaceOptions&, const PickPlaceOptions&) = default;
};

// The stored part of the options, checked: unknown or repeated column codes are dropped, an
// unusable separator becomes the tab, the decimals stay within 0 to 4.
PickPlaceOptions pickPlaceOptions(const ComponentExportSettings& stored, bool camOrigin);
void storePickPlaceOptions(const PickPlaceOptions& options, ComponentExportSettings& stored);

// A list entry with its placement point in document units (meaningful with pick-and-place data).
struct PickPlaceRow {
  ComponentListEntry entry;
  DPoint centre;
};

// The board's components in list order with their centres, computed once for every preview.
std::vector<PickPlaceRow> pickPlaceRows(const Board& board);

// A position coordinate in the file: millimetres or mil with the chosen decimals, trailing zeros
// after the decimal point removed when asked.
std::string pickPlaceCoordinate(double units, const PickPlaceOptions& options);

// The lines of the rows that pass the filters, in the chosen columns; no line ends.
std::vector<std::string> pickPlaceLines(const std::vector<PickPlaceRow>& rows,
                                        const BoardHeader& header, const PickPlaceOptions& options);

// The whole file, UTF-8, lines ended by CR LF: the header naming the layout and the date, the
// column titles, then the lines.
std::string pickPlaceFileText(const std::vector<PickPlaceRow>& rows, const BoardHeader& header,
                              const PickPlaceOptions& options, const std::string& layoutName,
                              const std::string& date);

}  // namespace pravelo
