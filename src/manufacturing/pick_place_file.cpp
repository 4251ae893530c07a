#include "manufacturing/pick_place_file.h"

#include <algorithm>
#include <map>

#include "base/units.h"
#include "base/windows1252.h"
#include "geometry/length_text.h"
#include "manufacturing/component_centre.h"

namespace pravelo {

namespace {

constexpr char kPickPlaceNoData[] = "---";
constexpr char kPickPlaceLineEnd[] = "\r\n";

bool usableSeparator(int code) { return code == '\t' || code == ',' || code == ';'; }

// A field holding the separator is quoted, so that readers still find the columns.
std::string field(const std::string& text, char separator) {
  if (text.find(separator) == std::string::npos) return text;
  std::string quotedText = "\"";
  for (const char c : text) {
    quotedText += c;
    if (c == '"') quotedText += '"';
  }
  return quotedText + "\"";
}

bool passesFilters(const ComponentListEntry& e, const PickPlaceOptions& o) {
  const bool type = e.smd ? o.smd : o.throughHole;
  const bool side = e.topSide ? o.top : o.bottom;
  return type && side && (!o.pickPlaceOnly || e.hasPickPlace);
}

std::string position(const PickPlaceRow& row, const BoardHeader& header,
                     const PickPlaceOptions& o) {
  const std::string sep(1, o.separator);
  if (!row.entry.hasPickPlace) return kPickPlaceNoData + sep + kPickPlaceNoData;
  const double x = o.camOrigin ? row.centre.x - header.originX : row.centre.x;
  const double y = o.camOrigin ? row.centre.y - header.originY : row.centre.y + header.height;
  return pickPlaceCoordinate(x, o) + sep + pickPlaceCoordinate(y, o);
}

std::string cell(PickPlaceColumn column, int number, const PickPlaceRow& row,
                 const BoardHeader& header, const PickPlaceOptions& o) {
  const ComponentListEntry& e = row.entry;
  switch (column) {
    case PickPlaceColumn::Number:
      return std::to_string(number);
    case PickPlaceColumn::Id:
      return field(windows1252ToUtf8(e.name), o.separator);
    case PickPlaceColumn::Value:
      return field(windows1252ToUtf8(e.value), o.separator);
    case PickPlaceColumn::Layer:
      return field(e.topSide ? o.topText : o.bottomText, o.separator);
    case PickPlaceColumn::Position:
      return position(row, header, o);
    case PickPlaceColumn::Rotation:
      return (o.rotationPrefix ? "R" : "") + e.rotation;
    case PickPlaceColumn::Package:
      return field(windows1252ToUtf8(e.package), o.separator);
    case PickPlaceColumn::Comment:
      return field(windows1252ToUtf8(e.comment), o.separator);
  }
  return {};
}

std::string columnTitle(PickPlaceColumn column, char separator) {
  switch (column) {
    case PickPlaceColumn::Number:
      return "No";
    case PickPlaceColumn::Id:
      return "Name";
    case PickPlaceColumn::Value:
      return "Value";
    case PickPlaceColumn::Layer:
      return "Layer";
    case PickPlaceColumn::Position:
      return "Pos-X" + std::string(1, separator) + "Pos-Y";
    case PickPlaceColumn::Rotation:
      return "Rot";
    case PickPlaceColumn::Package:
      return "Package";
    case PickPlaceColumn::Comment:
      return "Comment";
  }
  return {};
}

template <typename Each>
std::string joined(const std::vector<int>& columns, char separator, Each each) {
  std::string line;
  for (std::size_t i = 0; i < columns.size(); ++i) {
    if (i > 0) line += separator;
    line += each(static_cast<PickPlaceColumn>(columns[i]));
  }
  return line;
}

}  // namespace

PickPlaceOptions pickPlaceOptions(const ComponentExportSettings& stored, bool camOrigin) {
  PickPlaceOptions o;
  o.columns.clear();
  for (const int code : stored.columns) {
    if (code >= 1 && code <= kPickPlaceColumnCount &&
        std::ranges::find(o.columns, code) == o.columns.end()) {
      o.columns.push_back(code);
    }
  }
  o.separator = usableSeparator(stored.Delimiter) ? static_cast<char>(stored.Delimiter) : '\t';
  o.mil = stored.Unit == 1;
  o.decimals = std::clamp(stored.NK, 0, kMaxPickPlaceDecimals);
  o.stripZeros = stored.ZeroDel;
  o.topText = stored.LayerTop;
  o.bottomText = stored.LayerBottom;
  o.rotationPrefix = stored.RPrefix;
  o.camOrigin = camOrigin;
  return o;
}

void storePickPlaceOptions(const PickPlaceOptions& options, ComponentExportSettings& stored) {
  stored.columns = options.columns;
  stored.Delimiter = static_cast<unsigned char>(options.separator);
  stored.Unit = options.mil ? 1 : 0;
  stored.NK = options.decimals;
  stored.ZeroDel = options.stripZeros;
  stored.LayerTop = options.topText;
  stored.LayerBottom = options.bottomText;
  stored.RPrefix = options.rotationPrefix;
}

std::vector<PickPlaceRow> pickPlaceRows(const Board& board) {
  std::map<int, std::vector<const TObjekt*>> members;
  for (const auto& o : board.objects) {
    if (o->componentId != 0) members[o->componentId].push_back(o.get());
  }
  std::vector<PickPlaceRow> rows;
  for (ComponentListEntry& entry : componentList(board.objects)) {
    const std::vector<const TObjekt*>& m = members[entry.component];
    DPoint centre{};
    if (entry.hasPickPlace) {
      const auto id = std::ranges::find_if(m, [](const TObjekt* o) { return isIdText(*o); });
      centre = componentCentre(m, (*id)->component);
    }
    rows.push_back({std::move(entry), centre});
  }
  return rows;
}

std::string pickPlaceCoordinate(double units, const PickPlaceOptions& options) {
  // A mil is exactly 254 units, so whole inches come out whole.
  const double value = options.mil ? unitsToMil(units) : unitsToMm(units);
  return options.stripZeros ? formatFixedTrimmed(value, options.decimals)
                            : formatFixed(value, options.decimals);
}

std::vector<std::string> pickPlaceLines(const std::vector<PickPlaceRow>& rows,
                                        const BoardHeader& header,
                                        const PickPlaceOptions& options) {
  std::vector<std::string> lines;
  for (const PickPlaceRow& row : rows) {
    if (!passesFilters(row.entry, options)) continue;
    const int number = static_cast<int>(lines.size()) + 1;
    lines.push_back(joined(options.columns, options.separator, [&](PickPlaceColumn c) {
      return cell(c, number, row, header, options);
    }));
  }
  return lines;
}

std::string pickPlaceFileText(const std::vector<PickPlaceRow>& rows, const BoardHeader& header,
                              const PickPlaceOptions& options, const std::string& layoutName,
                              const std::string& date) {
  std::string text = "* Partlist from file: \"" + layoutName + "\" / " + date + kPickPlaceLineEnd;
  text += std::string("*") + kPickPlaceLineEnd;
  if (std::ranges::find(options.columns, static_cast<int>(PickPlaceColumn::Position)) !=
      options.columns.end()) {
    text += std::string("* All coordinates in ") + (options.mil ? "mil" : "mm") +
            kPickPlaceLineEnd + "*" + kPickPlaceLineEnd;
  }
  text += "* " +
          joined(options.columns, options.separator,
                 [&](PickPlaceColumn c) { return columnTitle(c, options.separator); }) +
          kPickPlaceLineEnd;
  text += std::string("*") + kPickPlaceLineEnd;
  for (const std::string& line : pickPlaceLines(rows, header, options)) {
    text += line + kPickPlaceLineEnd;
  }
  return text;
}

}  // namespace pravelo
