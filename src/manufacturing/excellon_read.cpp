#include "manufacturing/excellon_read.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <unordered_map>

#include "base/units.h"
#include "document/object_list.h"
#include "geometry/pad_geometry.h"
#include "manufacturing/gerber_format.h"
#include "manufacturing/gerber_import_texts.h"
#include "manufacturing/gerber_shapes.h"
#include "manufacturing/import_error.h"

namespace pravelo {
namespace {

constexpr int kDrillToolCount = 200;
constexpr std::int32_t kDrillDefaultDiameter = 8000;
constexpr std::int32_t kDrillSmallestDiameter = 5;
constexpr double kDrillPadReach = 300;
constexpr double kDrillStrokeReach = 100;
constexpr double kBareHoleLimit = 5000000;
constexpr int kDrillMaxDigits = 18;

bool drillDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimmedLine(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) {
    s.remove_prefix(1);
  }
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
    s.remove_suffix(1);
  return s;
}

struct DrillLine {
  std::string_view text;
  int number;
};

// Trimmed lines without empty ones and comments.
std::vector<DrillLine> drillLines(std::string_view bytes) {
  std::vector<DrillLine> lines;
  int number = 0;
  std::size_t start = 0;
  while (start <= bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos) end = bytes.size();
    ++number;
    const std::string_view line = trimmedLine(bytes.substr(start, end - start));
    if (!line.empty() && line.front() != ';') lines.push_back({line, number});
    start = end + 1;
  }
  return lines;
}

// The number text after a letter: signs, digits and decimal separators.
std::string_view numberText(std::string_view s) {
  std::size_t n = 0;
  while (n < s.size() &&
         (drillDigit(s[n]) || s[n] == '+' || s[n] == '-' || s[n] == '.' || s[n] == ',')) {
    ++n;
  }
  return s.substr(0, n);
}

double drillNumber(std::string_view text, const ExcellonReadSettings& settings, int line) {
  bool negative = false;
  std::size_t i = 0;
  while (i < text.size() && (text[i] == '+' || text[i] == '-')) negative ^= text[i++] == '-';
  std::string digits(text.substr(i));
  double value = 0;
  if (settings.suppression == ZeroSuppression::Decimal) {
    std::replace(digits.begin(), digits.end(), ',', '.');
    if (!parseGerberDecimal(digits, value)) throw ImportError(texts::importNumberExpected, line);
  } else {
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), drillDigit)) {
      throw ImportError(texts::importNumberExpected, line);
    }
    if (digits.size() > kDrillMaxDigits) throw ImportError(texts::importNumberTooLarge, line);
    const double n = static_cast<double>(std::stoll(digits));
    const int count = static_cast<int>(digits.size());
    if (settings.suppression == ZeroSuppression::Leading) {
      value = n / std::pow(10.0, settings.decimalDigits);
    } else {
      // The integer places come first; missing places are trailing zeros.
      value = n * std::pow(10.0, settings.integerDigits - count);
    }
  }
  const double units = (negative ? -value : value) * (settings.inch ? 254000.0 : kUnitsPerMm);
  if (!(std::abs(units) <= kImportCoordinateLimit)) {
    throw ImportError(texts::importCoordinateTooFar, line);
  }
  return units;
}

// The tool number after "T" (with its sign); nothing when there are no digits.
std::optional<long long> toolNumber(std::string_view line) {
  std::size_t i = 1;
  bool negative = false;
  while (i < line.size() && (line[i] == '+' || line[i] == '-')) negative ^= line[i++] == '-';
  long long n = 0;
  const std::size_t first = i;
  for (; i < line.size() && drillDigit(line[i]); ++i) {
    n = std::min<long long>(n * 10 + (line[i] - '0'), 1000000);
  }
  if (i == first) return std::nullopt;
  return negative ? -n : n;
}

using ToolTable = std::array<std::int32_t, kDrillToolCount + 1>;

ToolTable toolTable(const std::vector<DrillLine>& lines, const ExcellonReadSettings& settings) {
  ToolTable table;
  table.fill(kDrillDefaultDiameter);
  for (const DrillLine& l : lines) {
    if (l.text.front() != 'T') continue;
    const std::size_t c = l.text.find('C');
    const std::optional<long long> n = toolNumber(l.text);
    if (c == std::string_view::npos || !n || *n < 1 || *n > kDrillToolCount) continue;
    std::string_view text = l.text.substr(c + 1);
    std::size_t length = 0;
    while (length < text.size() && (drillDigit(text[length]) || text[length] == '.')) ++length;
    double diameter = 0;
    if (!parseGerberDecimal(text.substr(0, length), diameter)) continue;
    const double units = diameter * (settings.inch ? 254000.0 : kUnitsPerMm);
    if (units > kImportCoordinateLimit) throw ImportError(texts::importCoordinateTooFar, l.number);
    table[*n] = std::max<std::int32_t>(kDrillSmallestDiameter, roundToInt32(units));
  }
  return table;
}

// Cells twice the reach of a search, so that three by three cells cover it.
class PointGrid {
 public:
  explicit PointGrid(double reach) : cell_(2 * reach) {}
  void add(FPoint p, std::size_t index) { cells_[key(cellOf(p.x), cellOf(p.y))].push_back(index); }
  template <typename Visit>
  void near(FPoint p, Visit visit) const {
    const std::int64_t cx = cellOf(p.x);
    const std::int64_t cy = cellOf(p.y);
    for (std::int64_t dx = -1; dx <= 1; ++dx) {
      for (std::int64_t dy = -1; dy <= 1; ++dy) {
        const auto found = cells_.find(key(cx + dx, cy + dy));
        if (found == cells_.end()) continue;
        for (std::size_t i : found->second) visit(i);
      }
    }
  }

 private:
  std::int64_t cellOf(double v) const { return static_cast<std::int64_t>(std::floor(v / cell_)); }
  static std::uint64_t key(std::int64_t x, std::int64_t y) {
    return (static_cast<std::uint64_t>(x) << 32) ^ static_cast<std::uint32_t>(y);
  }
  double cell_;
  std::unordered_map<std::uint64_t, std::vector<std::size_t>> cells_;
};

bool isOblongStroke(const TObjekt& t) {
  if (t.kind != kTrack || t.points.size() != 2) return false;
  const double dx = double(t.points[1].x) - t.points[0].x;
  const double dy = double(t.points[1].y) - t.points[0].y;
  const double length = std::hypot(dx, dy);
  return std::abs(length - t.width) < kDrillStrokeReach &&
         (std::abs(dy) < kDrillStrokeReach || std::abs(dx) < kDrillStrokeReach);
}

FPoint strokeMiddle(const TObjekt& t) {
  return {(t.points[0].x + t.points[1].x) / 2, (t.points[0].y + t.points[1].y) / 2};
}

class Driller {
 public:
  Driller(ObjectList& objects, bool createVias)
      : objects_(objects),
        createVias_(createVias),
        pads_(kDrillPadReach),
        strokes_(kDrillStrokeReach) {
    for (std::size_t i = 0; i < objects.size(); ++i) {
      const TObjekt& o = *objects[i];
      if (o.kind == kPad) pads_.add(o.pos, i);
      if (isOblongStroke(o)) strokes_.add(strokeMiddle(o), i);
    }
    doomed_.assign(objects.size(), false);
  }

  void drill(const DrillHit& hit) {
    if (drillPads(hit)) return;
    if (replaceStrokes(hit)) return;
    if (std::abs(hit.at.x) < kBareHoleLimit && std::abs(hit.at.y) < kBareHoleLimit) {
      TObjekt hole = newObject();
      initPad(hole, hit.at, kLayerC2, kPadCircular, hit.radius, hit.radius);
      add(std::move(hole));
    }
  }

  void finish() {
    std::size_t i = 0;
    removeObjectsIf(objects_, [&](const TObjekt&) { return doomed_[i++]; });
  }

 private:
  std::size_t add(TObjekt o) {
    objects_.push_back(std::make_unique<TObjekt>(std::move(o)));
    doomed_.push_back(false);
    pads_.add(objects_.back()->pos, objects_.size() - 1);
    return objects_.size() - 1;
  }

  // A top and a bottom pad at one hit become one via: the first keeps the hole, the rest go.
  void applyViaRule(std::vector<std::size_t> group) {
    if (!createVias_ || group.empty()) return;
    std::sort(group.begin(), group.end());
    const auto onLayer = [&](int layer) {
      return std::any_of(group.begin(), group.end(),
                         [&](std::size_t i) { return objects_[i]->layer == layer; });
    };
    if (!onLayer(kLayerC1) || !onLayer(kLayerC2)) return;
    objects_[group.front()]->via = 1;
    for (std::size_t k = 1; k < group.size(); ++k) doomed_[group[k]] = true;
  }

  bool drillPads(const DrillHit& hit) {
    std::vector<std::size_t> group;
    pads_.near(hit.at, [&](std::size_t i) {
      TObjekt& pad = *objects_[i];
      if (doomed_[i] || std::abs(pad.pos.x - hit.at.x) > kDrillPadReach ||
          std::abs(pad.pos.y - hit.at.y) > kDrillPadReach) {
        return;
      }
      pad.dim.y = hit.radius;
      if (pad.dim.x < hit.radius) {
        pad.dim.x = hit.radius;
        regeneratePadOutline(pad, std::nullopt, 0);
      }
      group.push_back(i);
    });
    applyViaRule(group);
    return !group.empty();
  }

  bool replaceStrokes(const DrillHit& hit) {
    std::vector<std::size_t> group;
    strokes_.near(hit.at, [&](std::size_t i) {
      const TObjekt& t = *objects_[i];
      const FPoint m = strokeMiddle(t);
      if (doomed_[i] ||
          std::hypot(double(m.x) - hit.at.x, double(m.y) - hit.at.y) >= kDrillStrokeReach) {
        return;
      }
      const bool horizontal = std::abs(double(t.points[1].y) - t.points[0].y) < kDrillStrokeReach;
      TObjekt pad = newObject();
      initPad(pad, hit.at, t.layer, horizontal ? kPadRoundedH : kPadRoundedV, hit.radius,
              t.width / 2.0f);
      pad.clearance = kImportClearance;
      doomed_[i] = true;
      group.push_back(add(std::move(pad)));
    });
    applyViaRule(group);
    return !group.empty();
  }

  ObjectList& objects_;
  bool createVias_;
  PointGrid pads_;
  PointGrid strokes_;
  std::vector<bool> doomed_;
};

}  // namespace

std::vector<DrillHit> readExcellon(std::string_view bytes, const ExcellonReadSettings& settings) {
  if (bytes.size() >= kExcellonFileLimit) throw ImportError(texts::importFileTooLarge, 0);
  const std::vector<DrillLine> lines = drillLines(bytes);
  const ToolTable table = toolTable(lines, settings);
  std::vector<DrillHit> hits;
  // No tool is loaded until the file selects one.
  bool loaded = false;
  float radius = 0;
  double x = 0;
  double y = 0;
  for (const DrillLine& l : lines) {
    const std::string_view s = l.text;
    if (s.front() == 'T' && s.size() > 1) {
      const std::optional<long long> n = toolNumber(s);
      if (!n) continue;
      loaded = *n != 0;
      if (loaded) {
        const bool defined = *n >= 1 && *n <= kDrillToolCount;
        radius =
            static_cast<float>(roundHalfEven((defined ? table[*n] : kDrillDefaultDiameter) / 2.0));
      }
      continue;
    }
    if (s.front() != 'X' && s.front() != 'Y') continue;
    const std::size_t atY = s.find('Y');
    if (s.front() == 'X') x = drillNumber(numberText(s.substr(1)), settings, l.number);
    if (atY != std::string_view::npos) {
      y = drillNumber(numberText(s.substr(atY + 1)), settings, l.number);
    }
    if (!loaded) break;
    hits.push_back({{static_cast<float>(x), static_cast<float>(y)}, radius});
  }
  return hits;
}

bool isValidExcellon(std::string_view bytes) {
  for (const DrillLine& l : drillLines(bytes)) {
    if (l.text.front() != 'T' || l.text.find('C') == std::string_view::npos) continue;
    const std::optional<long long> n = toolNumber(l.text);
    if (n && *n >= 1 && *n <= kDrillToolCount) return true;
  }
  return false;
}

bool excellonIsMetric(std::string_view bytes) {
  return bytes.find("METRIC") != std::string_view::npos ||
         bytes.find("M71") != std::string_view::npos;
}

SuppressionGuess detectZeroSuppression(std::string_view bytes) {
  std::vector<std::string_view> values;
  for (const DrillLine& l : drillLines(bytes)) {
    const std::size_t atY = l.text.find('Y');
    if (l.text.front() != 'X' || atY == std::string_view::npos) continue;
    for (std::string_view v : {l.text.substr(1, atY - 1), l.text.substr(atY + 1)}) {
      v = trimmedLine(v);
      if (!v.empty() && (v.front() == '+' || v.front() == '-')) v.remove_prefix(1);
      values.push_back(v);
    }
  }
  if (values.empty()) return {ZeroSuppression::None, true};
  const auto any = [&](auto test) { return std::any_of(values.begin(), values.end(), test); };
  if (any([](std::string_view v) { return v.find_first_of(".,") != std::string_view::npos; })) {
    return {ZeroSuppression::Decimal, true};
  }
  const std::size_t length = values.front().size();
  if (!any([&](std::string_view v) { return v.size() != length; })) {
    return {ZeroSuppression::None, true};
  }
  const bool startsWithZero =
      any([](std::string_view v) { return !v.empty() && v.front() == '0'; });
  const bool endsWithZero = any([](std::string_view v) { return !v.empty() && v.back() == '0'; });
  if (!startsWithZero && endsWithZero) return {ZeroSuppression::Leading, true};
  if (!endsWithZero && startsWithZero) return {ZeroSuppression::Trailing, true};
  return {ZeroSuppression::None, false};
}

void drillHits(ObjectList& objects, const std::vector<DrillHit>& hits, bool createVias) {
  Driller driller(objects, createVias);
  for (const DrillHit& hit : hits) driller.drill(hit);
  driller.finish();
}

bool integerDigitsUsed(ZeroSuppression s) {
  return s == ZeroSuppression::None || s == ZeroSuppression::Trailing;
}
bool decimalDigitsUsed(ZeroSuppression s) { return s == ZeroSuppression::Leading; }

std::string zeroFormatExample(const ExcellonReadSettings& settings) {
  std::string text;
  int digit = 0;
  const auto next = [&] {
    digit = digit % 9 + 1;
    return static_cast<char>('0' + digit);
  };
  if (integerDigitsUsed(settings.suppression)) {
    for (int i = 0; i < settings.integerDigits; ++i) text += next();
  } else {
    text += "...";
  }
  text += ",";
  if (decimalDigitsUsed(settings.suppression)) {
    for (int i = 0; i < settings.decimalDigits; ++i) text += next();
  } else {
    text += "...";
  }
  return text;
}

}  // namespace pravelo
