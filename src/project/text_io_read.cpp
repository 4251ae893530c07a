#include "project/text_io_read.h"

#include <cctype>
#include <limits>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "base/units.h"
#include "geometry/angles.h"
#include "geometry/point.h"
#include "geometry/text_strokes.h"
#include "project/text_io_error.h"
#include "project/text_io_texts.h"

namespace pravelo {

namespace {


bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string upperTrimmed(std::string_view s) {
  std::size_t first = 0;
  std::size_t last = s.size();
  while (first < last && isBlank(s[first])) ++first;
  while (last > first && isBlank(s[last - 1])) --last;
  std::string result(s.substr(first, last - first));
  for (char& c : result) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return result;
}

struct RawRecord {
  std::string text;  // without line breaks and without the closing ";"
  int line = 1;      // where the record starts
  bool complete = false;
  bool textOpen = false;  // ended inside the "|...|" of a text
};

// Cuts the file into records at each ";" outside the content of a TEXT record.
std::vector<RawRecord> splitRecords(std::string_view bytes) {
  std::vector<RawRecord> records;
  RawRecord current;
  bool started = false;
  bool keywordRead = false;
  bool quoting = false;  // the record is a TEXT record, whose "|...|" may hold ";"
  bool inText = false;
  int line = 1;
  auto finish = [&](bool complete) {
    current.complete = complete;
    current.textOpen = inText;
    records.push_back(std::move(current));
    current = RawRecord{};
    started = keywordRead = quoting = inText = false;
  };
  for (const char c : bytes) {
    if (c == '\n') {
      ++line;
      continue;
    }
    if (c == '\r') continue;
    if (c == ';' && !inText) {
      if (started) finish(true);
      continue;
    }
    if (!started) {
      if (isBlank(c)) continue;
      started = true;
      current.line = line;
    }
    if (c == ',' && !keywordRead) {
      keywordRead = true;
      quoting = upperTrimmed(current.text) == "TEXT";
    }
    if (c == '|' && quoting) inText = !inText;
    current.text += c;
  }
  if (started) finish(false);
  return records;
}

// One record's parameters after its text content has been cut out, blanks removed and letters
// upper-cased.
class Record {
 public:
  Record(std::string keyword, int line, const std::string& parameters)
      : keyword_(std::move(keyword)), line_(line) {
    for (const char c : parameters) {
      if (!isBlank(c)) {
        clean_ += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      }
    }
    std::size_t start = 0;
    while (start <= clean_.size()) {
      std::size_t end = clean_.find(',', start);
      if (end == std::string::npos) end = clean_.size();
      const std::string_view item = std::string_view(clean_).substr(start, end - start);
      const std::size_t eq = item.find('=');
      if (eq != std::string_view::npos) values_.emplace(item.substr(0, eq), item.substr(eq + 1));
      start = end + 1;
    }
  }
  // The values point into `clean_`.
  Record(const Record&) = delete;
  Record& operator=(const Record&) = delete;

  [[noreturn]] void fail(const Text& problem, std::string_view name) const {
    throw TextIoError(problem, std::string(name), keyword_, line_);
  }

  std::optional<std::int32_t> integer(std::string_view name) const {
    const auto it = values_.find(name);
    if (it == values_.end()) return std::nullopt;
    std::string_view rest = it->second;
    return readInteger(name, rest);
  }

  std::int32_t required(std::string_view name) const {
    const std::optional<std::int32_t> v = integer(name);
    if (!v) fail(texts::textIoMissing, name);
    return *v;
  }

  std::int32_t inRange(std::string_view name, std::int32_t value, std::int64_t lo,
                       std::int64_t hi) const {
    if (value < lo || value > hi) fail(texts::textIoOutOfRange, name);
    return value;
  }
  std::optional<std::int32_t> inRange(std::string_view name, std::optional<std::int32_t> value,
                                      std::int64_t lo, std::int64_t hi) const {
    if (value) inRange(name, *value, lo, hi);
    return value;
  }

  // Any value beginning with "T" is true.
  std::optional<bool> flag(std::string_view name) const {
    const auto it = values_.find(name);
    if (it == values_.end()) return std::nullopt;
    return !it->second.empty() && it->second.front() == 'T';
  }

  // "x/y" with y counted downwards, as a world point.
  std::optional<FPoint> point(std::string_view name) const {
    const auto it = values_.find(name);
    if (it == values_.end()) return std::nullopt;
    std::string_view rest = it->second;
    const std::int32_t x = readInteger(name, rest);
    if (rest.empty() || rest.front() != '/') fail(texts::textIoNoSlash, name);
    rest.remove_prefix(1);
    const std::int32_t y = readInteger(name, rest);
    return FPoint{static_cast<float>(x), static_cast<float>(-static_cast<double>(y))};
  }

  std::vector<FPoint> vertices() const {
    std::vector<FPoint> points;
    for (std::size_t i = 0;; ++i) {
      const std::optional<FPoint> p = point("P" + std::to_string(i));
      if (!p) return points;
      points.push_back(*p);
    }
  }

 private:
  // The first character and every digit directly after it must form a 32-bit integer; what
  // follows them is left in `rest`.
  std::int32_t readInteger(std::string_view name, std::string_view& rest) const {
    std::size_t i = 0;
    bool negative = false;
    if (!rest.empty() && (rest[0] == '-' || rest[0] == '+')) {
      negative = rest[0] == '-';
      i = 1;
    }
    const std::size_t digitsStart = i;
    std::int64_t value = 0;
    bool overflow = false;
    while (i < rest.size() && rest[i] >= '0' && rest[i] <= '9') {
      value = value * 10 + (rest[i] - '0');
      if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) {
        overflow = true;
        value = 0;
      }
      ++i;
    }
    if (i == digitsStart) fail(texts::textIoNotInteger, name);
    if (negative) value = -value;
    if (overflow || value > std::numeric_limits<std::int32_t>::max()) {
      fail(texts::textIoTooLarge, name);
    }
    rest.remove_prefix(i);
    return static_cast<std::int32_t>(value);
  }

  std::string keyword_;
  int line_;
  std::string clean_;
  std::unordered_map<std::string_view, std::string_view> values_;
};

constexpr std::int64_t kMaxInt = std::numeric_limits<std::int32_t>::max();

std::uint8_t layerOf(const Record& r, std::uint8_t fallback) {
  return static_cast<std::uint8_t>(
      r.inRange("LAYER", r.integer("LAYER"), 1, kLayerCount).value_or(fallback));
}

std::uint8_t flagByte(const Record& r, std::string_view name, bool fallback) {
  return r.flag(name).value_or(fallback) ? 1 : 0;
}

// Clearance, cut-out and mask of tracks, zones, circles and texts.
void readCommon(const Record& r, TObjekt& o, std::int32_t clearance) {
  o.clearance = r.inRange("CLEAR", r.integer("CLEAR"), 0, kMaxInt).value_or(clearance);
  o.cutout = flagByte(r, "CUTOUT", false);
  o.solderMask = flagByte(r, "SOLDERMASK", false);
}

void readThermal(const Record& r, TObjekt& o) {
  if (const auto on = r.flag("THERMAL")) o.optB = *on ? 1 : 0;
  if (const auto pattern = r.integer("THERMAL_TRACKS")) o.paramA = *pattern;
  if (const auto percent = r.integer("THERMAL_TRACKS_WIDTH")) o.paramB = *percent;
}

std::int32_t width(const Record& r, std::int32_t fallback) {
  return r.inRange("WIDTH", r.integer("WIDTH"), 0, kMaxInt).value_or(fallback);
}

std::vector<FPoint> vertices(const Record& r, std::size_t least, std::string_view kind) {
  std::vector<FPoint> points = r.vertices();
  if (points.size() < least) r.fail(texts::textIoTooFewVertices, kind);
  return points;
}

TObjekt readTrack(const Record& r, const TextIoDefaults& d) {
  TObjekt o = newObject();
  initTrack(o, width(r, d.trackWidth), layerOf(r, d.layer));
  readCommon(r, o, kTextIoStandardClearance);
  if (r.flag("FLATSTART").value_or(false)) o.variant |= 1;
  if (r.flag("FLATEND").value_or(false)) o.variant |= 2;
  o.points = vertices(r, 2, "TRACK");
  return o;
}

TObjekt readZone(const Record& r, const TextIoDefaults& d) {
  TObjekt o = newObject();
  initZone(o, width(r, d.trackWidth), layerOf(r, d.layer));
  readCommon(r, o, d.clearance);
  if (const auto hatch = r.flag("HATCH")) o.optB = *hatch ? 1 : 0;
  if (const auto automatic = r.flag("HATCH_AUTO")) o.optC = *automatic ? 1 : 0;
  if (const auto hatchWidth = r.inRange("HATCH_WIDTH", r.integer("HATCH_WIDTH"), 0, kMaxInt)) {
    o.paramB = *hatchWidth;
  }
  o.points = vertices(r, 3, "ZONE");
  return o;
}

TObjekt readPad(const Record& r) {
  const FPoint pos = r.point("POS").value_or(FPoint{});
  const std::int32_t shape = r.inRange("FORM", r.integer("FORM"), 1, 9).value_or(kPadCircular);
  const std::int32_t size = r.inRange("SIZE", r.required("SIZE"), 1, kMaxInt);
  const std::int32_t drill = r.inRange("DRILL", r.required("DRILL"), 0, kMaxInt);
  TObjekt o = newObject();
  initPad(o, pos, kLayerC1, static_cast<std::uint8_t>(shape), static_cast<float>(drill / 2.0),
          static_cast<float>(size / 2.0));
  o.layer = layerOf(r, kLayerC1);
  o.clearance = r.inRange("CLEAR", r.integer("CLEAR"), 0, kMaxInt).value_or(kTextIoStandardClearance);
  o.solderMask = flagByte(r, "SOLDERMASK", true);
  if (const auto via = r.flag("VIA")) o.via = *via ? 1 : 0;
  if (const auto perLayer = r.flag("THERMAL_TRACKS_INDIVIDUAL")) o.optA = *perLayer ? 1 : 0;
  readThermal(r, o);
  if (const auto hundredths = r.integer("ROTATION")) {
    rotatePoints(o.points, o.pos, -*hundredths / 100.0);
  }
  return o;
}

TObjekt readSmdPad(const Record& r) {
  const FPoint pos = r.point("POS").value_or(FPoint{});
  const std::int32_t sizeX = r.inRange("SIZE_X", r.required("SIZE_X"), 1, kMaxInt);
  const std::int32_t sizeY = r.inRange("SIZE_Y", r.required("SIZE_Y"), 1, kMaxInt);
  TObjekt o = newObject();
  initSmdPad(o, pos, sizeX, kLayerC1, sizeY);
  o.layer = layerOf(r, kLayerC1);
  o.clearance = r.inRange("CLEAR", r.integer("CLEAR"), 0, kMaxInt).value_or(kTextIoStandardClearance);
  o.solderMask = flagByte(r, "SOLDERMASK", true);
  readThermal(r, o);
  if (const auto hundredths = r.integer("ROTATION")) {
    rotatePoints(o.points, o.pos, -*hundredths / 100.0);
  }
  return o;
}

TObjekt readText(const Record& r, std::string content) {
  const FPoint pos = r.point("POS").value_or(FPoint{});
  const std::int32_t height = r.inRange("HEIGHT", r.required("HEIGHT"), 1, kMaxInt);
  const std::int32_t thickness = r.inRange("THICKNESS", r.integer("THICKNESS"), 0, 2).value_or(1);
  const std::int32_t style = r.inRange("STYLE", r.integer("STYLE"), 0, 2).value_or(1);
  const std::int32_t rotation = r.integer("ROTATION").value_or(0);
  TObjekt o = newObject();
  initText(o, pos, std::move(content), flagByte(r, "MIRROR_VERT", false),
           flagByte(r, "MIRROR_HORZ", false), kLayerC1, style, thickness, height, rotation);
  o.layer = layerOf(r, kLayerC1);
  readCommon(r, o, kTextIoStandardClearance);
  buildTextStrokes(o, false);
  return o;
}

TObjekt readCircle(const Record& r) {
  const FPoint centre = r.point("CENTER").value_or(FPoint{});
  const double radius = r.inRange("RADIUS", r.required("RADIUS"), 1, kMaxInt);
  const double ring = r.inRange("WIDTH", r.required("WIDTH"), 0, kMaxInt);
  TObjekt o = newObject();
  initCircle(o, centre, roundToInt32(radius + ring / 2), kLayerC1, roundToInt32(radius - ring / 2));
  o.layer = layerOf(r, kLayerC1);
  readCommon(r, o, kTextIoStandardClearance);
  if (const auto start = r.integer("START")) o.paramA = normalised(MilliDeg{*start}).value;
  if (const auto stop = r.integer("STOP")) o.width = normalised(MilliDeg{*stop}).value;
  if (const auto fill = r.flag("FILL")) o.optA = *fill ? 1 : 0;
  return o;
}

}  // namespace

ObjectList readTextIo(std::string_view bytes, const TextIoDefaults& defaults) {
  ObjectList objects;
  for (RawRecord& raw : splitRecords(bytes)) {
    const std::size_t comma = raw.text.find(',');
    if (comma == std::string::npos) continue;
    std::string keyword = upperTrimmed(std::string_view(raw.text).substr(0, comma));
    const bool known = keyword == "TRACK" || keyword == "ZONE" || keyword == "PAD" ||
                       keyword == "SMDPAD" || keyword == "CIRCLE" || keyword == "TEXT";
    if (!known) continue;
    if (!raw.complete) {
      throw TextIoError(raw.textOpen ? texts::textIoUnclosedText : texts::textIoNoSemicolon, "",
                        keyword, raw.line);
    }
    // The content of a text is taken before anything else, so that nothing in it can be read
    // as a parameter.
    std::string content;
    if (keyword == "TEXT") {
      const std::size_t open = raw.text.find('|');
      if (open != std::string::npos) {
        const std::size_t close = raw.text.find('|', open + 1);
        content = raw.text.substr(open + 1, close - open - 1);
        raw.text.erase(open, close - open + 1);
      }
    }
    const Record r(keyword, raw.line, raw.text.substr(comma));
    TObjekt o;
    if (keyword == "TRACK") {
      o = readTrack(r, defaults);
    } else if (keyword == "ZONE") {
      o = readZone(r, defaults);
    } else if (keyword == "PAD") {
      o = readPad(r);
    } else if (keyword == "SMDPAD") {
      o = readSmdPad(r);
    } else if (keyword == "TEXT") {
      o = readText(r, std::move(content));
    } else {
      o = readCircle(r);
    }
    objects.push_back(std::make_unique<TObjekt>(std::move(o)));
  }
  return objects;
}

}  // namespace pravelo
