#include "manufacturing/gerber_read.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <optional>

#include "base/units.h"
#include "geometry/point.h"
#include "manufacturing/gerber_apertures.h"
#include "manufacturing/gerber_cleanup.h"
#include "manufacturing/gerber_import_texts.h"
#include "manufacturing/gerber_shapes.h"
#include "manufacturing/import_error.h"

namespace pravelo {
namespace {

// The work a file may cause: a fixed allowance plus a share per byte, so that no input makes
// the reader run or allocate without bound.
constexpr long long kGerberBaseWork = 2000000;
constexpr long long kGerberWorkPerByte = 8;
constexpr std::size_t kRegionPointLimit = 9999;
// Arcs in regions become chords of at most this angle.
constexpr double kRegionArcStepDegrees = 5;

// What one data block asks for.
struct BlockCodes {
  bool hasX = false, hasY = false, hasI = false, hasJ = false;
  double x = 0, y = 0, i = 0, j = 0;
  bool d01 = false, d02 = false, d03 = false;
  bool g01 = false, g02 = false, g03 = false;
  bool g36 = false, g37 = false, g74 = false, g75 = false;
  std::optional<int> selects;  // D10 ... D9999
};

class GerberReader {
 public:
  GerberReader(std::uint8_t layer, const GerberFormat& format, const GerberApertures& apertures,
               long long& steps, long long budget)
      : format_(format), apertures_(apertures), budget_(budget) {
    target_.objects = &objects_;
    target_.layer = layer;
    target_.unitsPerFileUnit = format.inch ? 254000.0 : double(kUnitsPerMm);
    target_.steps = &steps;
  }

  void read(const GerberBlock& block);
  void finish() {
    if (regionMode_) endContour();
  }
  ObjectList take() { return std::move(objects_); }

 private:
  BlockCodes codes(const GerberBlock& block) const;
  FPoint documentPoint(DPoint p) const;
  void regionDraw(DPoint to);
  void regionArc(DPoint to, const BlockCodes& c);
  void endContour();
  void drawArc(DPoint to, const BlockCodes& c);
  std::optional<DPoint> arcCentre(DPoint to, const BlockCodes& c) const;
  const GerberAperture* currentAperture() const {
    const auto found = aperture_ ? apertures_.find(*aperture_) : apertures_.end();
    return found == apertures_.end() ? nullptr : &found->second;
  }

  GerberFormat format_;
  const GerberApertures& apertures_;
  long long budget_;
  ObjectList objects_;
  GerberTarget target_;

  bool dark_ = true;
  bool drawMode_ = false;
  bool regionMode_ = false;
  bool contourDrawn_ = false;
  std::vector<FPoint> contour_;
  bool multiQuadrant_ = false;
  bool clockwise_ = false;
  std::optional<int> aperture_;
  DPoint current_;
};

int wholeCode(std::string_view value) {
  int n = 0;
  for (char c : value) {
    if (c < '0' || c > '9') return -1;
    n = n * 10 + (c - '0');
    if (n > 99999) return -1;
  }
  return value.empty() ? -1 : n;
}

BlockCodes GerberReader::codes(const GerberBlock& block) const {
  BlockCodes c;
  for (const GerberWord& w : gerberWords(block.text)) {
    const auto number = [&](int integer, int decimal) {
      return gerberNumber(w.value, integer, decimal, format_.leadingZerosOmitted, block.line);
    };
    switch (w.letter) {
      case 'X':
        c.hasX = true;
        c.x = number(format_.integerX, format_.decimalX);
        break;
      case 'Y':
        c.hasY = true;
        c.y = number(format_.integerY, format_.decimalY);
        break;
      case 'I':
        c.hasI = true;
        c.i = number(format_.integerX, format_.decimalX);
        break;
      case 'J':
        c.hasJ = true;
        c.j = number(format_.integerY, format_.decimalY);
        break;
      case 'G': {
        const int g = wholeCode(w.value);
        c.g01 |= g == 1;
        c.g02 |= g == 2;
        c.g03 |= g == 3;
        c.g36 |= g == 36;
        c.g37 |= g == 37;
        c.g74 |= g == 74;
        c.g75 |= g == 75;
        break;
      }
      case 'D': {
        const int d = wholeCode(w.value);
        c.d01 |= d == 1;
        c.d02 |= d == 2;
        c.d03 |= d == 3;
        if (d >= 10 && d <= 9999) c.selects = d;
        break;
      }
      default:
        break;
    }
  }
  return c;
}

FPoint GerberReader::documentPoint(DPoint p) const {
  const double x = p.x * target_.unitsPerFileUnit;
  const double y = p.y * target_.unitsPerFileUnit;
  checkImportRange(target_, x);
  checkImportRange(target_, y);
  return {static_cast<float>(x), static_cast<float>(y)};
}

void GerberReader::read(const GerberBlock& block) {
  target_.line = block.line;
  if (*target_.steps > budget_) throw ImportError(texts::importTooMuchWork, block.line);
  ++*target_.steps;
  const std::string& text = block.text;
  if (text.rfind("G04", 0) == 0) return;
  if (text.front() == '%') {
    if (text.rfind("%LPD", 0) == 0) dark_ = true;
    if (text.rfind("%LPC", 0) == 0) dark_ = false;
    return;
  }
  const BlockCodes c = codes(block);
  if (c.d01) drawMode_ = true;
  if (c.d02) drawMode_ = false;
  if (c.g36 && !regionMode_) {
    regionMode_ = true;
    contourDrawn_ = false;
    contour_ = {documentPoint(current_)};
  }
  if (c.g37 && regionMode_) {
    endContour();
    regionMode_ = false;
  }
  if (c.g75) multiQuadrant_ = true;
  if (c.g74) multiQuadrant_ = false;
  if (c.g03) clockwise_ = false;
  if (c.g02) clockwise_ = true;

  const bool moves = c.hasX || c.hasY;
  const DPoint next{c.hasX ? c.x : current_.x, c.hasY ? c.y : current_.y};
  if (moves) documentPoint(next);  // refuses points too far out even when only moved to
  // A lone "G02*" or "G03*" only sets the direction; an explicit move never draws.
  const bool arc = (c.hasI || c.hasJ || c.g02 || c.g03) && !c.g01 && (moves || c.hasI || c.hasJ) &&
                   !c.d02 && !c.d03;
  if (arc) {
    if (regionMode_) {
      regionArc(next, c);
    } else {
      drawArc(next, c);
    }
  } else if (!c.d03 && moves) {
    if (regionMode_) {
      if (drawMode_) {
        regionDraw(next);
      } else if (!contourDrawn_) {
        contour_ = {documentPoint(next)};
      } else {
        // A move after drawn edges starts the next contour of the same region.
        endContour();
        contour_ = {documentPoint(next)};
      }
    } else if (drawMode_ && dark_) {
      if (const GerberAperture* a = currentAperture()) {
        addImportTrack(target_, documentPoint(current_), documentPoint(next),
                       a->parameter(0) * target_.unitsPerFileUnit);
      }
    }
  }
  if (c.selects) aperture_ = c.selects;
  if (c.d03 && dark_) {
    if (const GerberAperture* a = currentAperture())
      flashAperture(target_, *a, documentPoint(next));
  }
  current_ = next;
}

void GerberReader::regionDraw(DPoint to) {
  contourDrawn_ = true;
  if (contour_.size() < kRegionPointLimit) contour_.push_back(documentPoint(to));
}

void GerberReader::endContour() {
  if (dark_ && contour_.size() >= 3) addImportZone(target_, contour_);
  contour_.clear();
  contourDrawn_ = false;
}

// Anticlockwise angle from `a` to `b` around `centre`, in degrees 0 ... 360.
double sweepDegrees(DPoint centre, DPoint a, DPoint b, bool clockwise) {
  const double from = std::atan2(a.y - centre.y, a.x - centre.x);
  const double to = std::atan2(b.y - centre.y, b.x - centre.x);
  double sweep = (clockwise ? from - to : to - from) * 180 / std::numbers::pi;
  while (sweep < 0) sweep += 360;
  while (sweep >= 360) sweep -= 360;
  return sweep;
}

std::optional<DPoint> GerberReader::arcCentre(DPoint to, const BlockCodes& c) const {
  if (multiQuadrant_) return DPoint{current_.x + c.i, current_.y + c.j};
  // Single quadrant: I and J are distances without sign. Of the four centres they allow, the
  // arc is the one of at most 90 degrees in the commanded direction whose ends lie on one circle.
  if (to.x == current_.x && to.y == current_.y) return std::nullopt;
  std::optional<DPoint> best;
  double bestMismatch = 0;
  bool bestFits = false;
  for (const double sx : {1.0, -1.0}) {
    for (const double sy : {1.0, -1.0}) {
      const DPoint centre{current_.x + sx * std::abs(c.i), current_.y + sy * std::abs(c.j)};
      const double rs = std::hypot(current_.x - centre.x, current_.y - centre.y);
      const double re = std::hypot(to.x - centre.x, to.y - centre.y);
      const double mismatch = std::abs(rs - re);
      const bool fits = sweepDegrees(centre, current_, to, clockwise_) <= 90 + 1e-6;
      if (!best || (fits && !bestFits) || (fits == bestFits && mismatch < bestMismatch)) {
        best = centre;
        bestMismatch = mismatch;
        bestFits = fits;
      }
    }
  }
  return best;
}

void GerberReader::regionArc(DPoint to, const BlockCodes& c) {
  const std::optional<DPoint> centre = arcCentre(to, c);
  if (!centre) return;
  contourDrawn_ = true;
  const bool full = to.x == current_.x && to.y == current_.y;
  const double sweep = full ? 360 : sweepDegrees(*centre, current_, to, clockwise_);
  const int steps = std::max(1, static_cast<int>(std::ceil(sweep / kRegionArcStepDegrees)));
  const double r = std::hypot(current_.x - centre->x, current_.y - centre->y);
  const double start = std::atan2(current_.y - centre->y, current_.x - centre->x);
  const double direction = clockwise_ ? -1 : 1;
  for (int k = 1; k < steps; ++k) {
    const double a = start + direction * sweep * k / steps * std::numbers::pi / 180;
    if (contour_.size() < kRegionPointLimit) {
      contour_.push_back(documentPoint({centre->x + r * std::cos(a), centre->y + r * std::sin(a)}));
    }
  }
  if (contour_.size() < kRegionPointLimit) contour_.push_back(documentPoint(to));
}

std::int32_t milliDegreesOf(DPoint centre, DPoint p) {
  const double a = std::atan2(p.y - centre.y, p.x - centre.x) * 180000 / std::numbers::pi;
  std::int64_t m = roundHalfEven(a) % 360000;
  if (m < 0) m += 360000;
  return static_cast<std::int32_t>(m);
}

void GerberReader::drawArc(DPoint to, const BlockCodes& c) {
  const GerberAperture* a = currentAperture();
  if (!a) return;
  const std::optional<DPoint> centre = arcCentre(to, c);
  if (!centre) return;
  const double f = target_.unitsPerFileUnit;
  const double w = a->parameter(0) * f;
  const double r = std::hypot(current_.x - centre->x, current_.y - centre->y) * f;
  const bool full = to.x == current_.x && to.y == current_.y;
  std::int32_t start = 0;
  std::int32_t stop = 0;
  if (!full) {
    const std::int32_t from = milliDegreesOf(*centre, current_);
    const std::int32_t until = milliDegreesOf(*centre, to);
    start = clockwise_ ? until : from;
    stop = clockwise_ ? from : until;
    // Ends too close to tell apart as angles: a piece too short to be an arc.
    if (start == stop) {
      addImportTrack(target_, documentPoint(current_), documentPoint(to), w);
      return;
    }
  }
  checkImportRange(target_, r + w);
  TObjekt o = newObject();
  initCircle(o, documentPoint(*centre), roundToInt32(r + w / 2), target_.layer,
             roundToInt32(std::max(0.0, r - w / 2)));
  o.paramA = start;
  o.width = stop;
  addImportObject(target_, std::move(o));
}

}  // namespace

ObjectList readGerber(std::string_view bytes, std::uint8_t layer, const GerberDefaults& defaults) {
  if (bytes.size() >= kGerberFileLimit) throw ImportError(texts::importFileTooLarge, 0);
  const std::vector<GerberBlock> blocks = gerberBlocks(bytes);
  const GerberFormat format = gerberFormat(blocks, defaults);
  const long long budget =
      kGerberBaseWork + kGerberWorkPerByte * static_cast<long long>(bytes.size());
  long long steps = 0;
  const GerberMacros macros = gerberMacros(blocks);
  const GerberApertures apertures = gerberApertures(blocks, macros, steps, budget);
  GerberReader reader(layer, format, apertures, steps, budget);
  for (const GerberBlock& block : blocks) reader.read(block);
  reader.finish();
  ObjectList objects = reader.take();
  cleanImportedZones(objects);
  return objects;
}

}  // namespace pravelo
