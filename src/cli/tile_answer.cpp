#include "cli/tile_answer.h"

#include <algorithm>
#include <cmath>
#include <locale>
#include <sstream>

#include "cli/answer_values.h"
#include "cli/edit_texts.h"
#include "cli/text_answer.h"

namespace pravelo {

namespace {

using TileFieldSetter = std::function<void(TileValues&, const TileDialog&)>;

TileFieldSetter tileFieldSetter(const std::string& name, const std::string& value) {
  if (name == "mode") {
    if (value != "tile" && value != "circular") {
      throw BadTextAnswer(fillIn(texts::answerTileMode, {value}));
    }
    const TileMode mode = value == "tile" ? TileMode::Tile : TileMode::Circular;
    return [mode](TileValues& v, const TileDialog&) { v.mode = mode; };
  }
  // A column or row count past the limit becomes the most that fit, as in the dialog.
  if (name == "columns") {
    const int n = answerWhole(name, value, 1, kMaxTileFieldCount);
    return [n](TileValues& v, const TileDialog& d) {
      v.columns = limitTileCount(n, v.rows, d.maxTiles);
    };
  }
  if (name == "rows") {
    const int n = answerWhole(name, value, 1, kMaxTileFieldCount);
    return [n](TileValues& v, const TileDialog& d) {
      v.rows = limitTileCount(n, v.columns, d.maxTiles);
    };
  }
  if (name == "dx" || name == "dy") {
    const double mm = answerNumber(name, value, -kMaxTileDistanceMm, kMaxTileDistanceMm);
    if (name == "dx") return [mm](TileValues& v, const TileDialog&) { v.columnDistanceMm = mm; };
    return [mm](TileValues& v, const TileDialog&) { v.rowDistanceMm = mm; };
  }
  if (name == "count") {
    const int n = answerWhole(name, value, 1, kMaxTileFieldCount);
    return [n](TileValues& v, const TileDialog& d) {
      v.count = std::min(n, maxCircleCount(d.maxTiles));
    };
  }
  if (name == "radius") {
    const double mm = answerNumber(name, value, -kMaxTileRadiusMm, kMaxTileRadiusMm);
    return [mm](TileValues& v, const TileDialog&) { v.radiusMm = mm; };
  }
  if (name == "angle") {
    const double a = answerNumber(name, value, -kMaxTileAngle, kMaxTileAngle);
    return [a](TileValues& v, const TileDialog&) { v.angle = a; };
  }
  if (name == "rotate") {
    if (value != "1" && value != "0") throw BadTextAnswer(fillIn(texts::answerFlag, {name, value}));
    const bool on = value == "1";
    return [on](TileValues& v, const TileDialog&) { v.rotate = on; };
  }
  if (name == "startx" || name == "starty") {
    const double mm = answerNumber(name, value, -kMaxTileDistanceMm, kMaxTileDistanceMm);
    if (name == "startx") return [mm](TileValues& v, const TileDialog&) { v.startXMm = mm; };
    return [mm](TileValues& v, const TileDialog&) { v.startYMm = mm; };
  }
  // The pad buttons: the start point on the k-th selected pad, counted from 1 and wrapping.
  if (name == "pad") {
    const int k = answerWhole(name, value, 1, 1000000);
    return [k](TileValues& v, const TileDialog& d) {
      if (d.padOffsets.empty()) return;
      const DPoint at = d.padOffsets[static_cast<std::size_t>(k - 1) % d.padOffsets.size()];
      v.startXMm = at.x;
      v.startYMm = at.y;
    };
  }
  throw BadTextAnswer(fillIn(texts::answerUnknownTileField, {name}));
}

}  // namespace

TileValues TileAnswer::applyTo(const TileDialog& shown) const {
  TileValues v = shown.values;
  for (const auto& set : fields) set(v, shown);
  return v;
}

TileAnswer parseTileAnswer(const std::vector<std::string>& words) {
  TileAnswer answer;
  for (std::size_t i = 2; i < words.size(); ++i) {
    const std::size_t eq = words[i].find('=');
    if (eq == std::string::npos) throw BadTextAnswer(fillIn(texts::answerNotNameValue, {words[i]}));
    answer.fields.push_back(tileFieldSetter(words[i].substr(0, eq), words[i].substr(eq + 1)));
  }
  return answer;
}

}  // namespace pravelo
