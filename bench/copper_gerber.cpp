#include "copper_gerber.h"

#include <charconv>
#include <cmath>
#include <map>
#include <sstream>

namespace pravelo {
namespace {

class GerberWriter {
 public:
  explicit GerberWriter(float boardHeight) : shiftY_(boardHeight) {}

  void select(float diameter) {
    const int units = static_cast<int>(std::nearbyint(diameter));
    const int code =
        apertures_.try_emplace(units, 10 + static_cast<int>(apertures_.size())).first->second;
    if (code != current_) body_ << 'D' << code << "*\n";
    current_ = code;
  }
  void move(FPoint p) { point(p, "D02"); }
  void draw(FPoint p) { point(p, "D01"); }
  void flash(FPoint p) { point(p, "D03"); }

  void stroke(const std::vector<FPoint>& points, float width) {
    if (points.empty()) return;
    select(width);
    if (points.size() == 1) {
      flash(points.front());
      return;
    }
    move(points.front());
    for (std::size_t i = 1; i < points.size(); ++i) draw(points[i]);
  }
  void region(const std::vector<FPoint>& points) {
    if (points.size() < 3) return;
    body_ << "G36*\n";
    move(points.front());
    for (std::size_t i = 1; i < points.size(); ++i) draw(points[i]);
    draw(points.front());
    body_ << "G37*\n";
  }
  void clear() { body_ << "%LPC*%\n"; }

  std::string finish() const {
    std::string out = "G04 Copper of the render benchmark board*\n%FSLAX46Y46*%\n%MOMM*%\n";
    for (const auto& [units, code] : apertures_) {
      out += "%ADD" + std::to_string(code) + "C," + millimetres(units) + "*%\n";
    }
    return out + "%LPD*%\n" + body_.str() + "M02*\n";
  }

 private:
  // 0.1 micrometre units as millimetres with four decimals.
  static std::string millimetres(int units) {
    char text[32];
    const auto end =
        std::to_chars(text, text + sizeof text, units / 10000.0, std::chars_format::fixed, 4);
    return std::string(text, end.ptr);
  }
  // Six decimals of a millimetre are 100 per unit.
  void point(FPoint p, const char* operation) {
    body_ << 'X' << static_cast<long long>(std::nearbyint(p.x * 100.0)) << 'Y'
          << static_cast<long long>(std::nearbyint((p.y + shiftY_) * 100.0)) << operation << "*\n";
  }

  float shiftY_;
  std::map<int, int> apertures_;
  int current_ = 0;
  std::ostringstream body_;
};

bool onLayer(const TObjekt& o, int layer) {
  return o.layer == layer || (o.via && (layer == kLayerC1 || layer == kLayerC2));
}

}  // namespace

std::string copperGerber(const Board& board, int layer) {
  GerberWriter gerber(static_cast<float>(board.header.height));
  for (const auto& object : board.objects) {
    const TObjekt& o = *object;
    if (!onLayer(o, layer)) continue;
    switch (o.kind) {
      case kTrack:
        gerber.stroke(o.points, static_cast<float>(o.width));
        break;
      case kZone: {
        gerber.region(o.points);
        std::vector<FPoint> closed = o.points;
        if (!closed.empty()) closed.push_back(closed.front());
        gerber.stroke(closed, static_cast<float>(o.width));
        break;
      }
      case kSmdPad:
        gerber.region(o.points);
        break;
      case kPad:
        if (o.dim.y >= o.dim.x) break;  // a pure hole
        if (o.variant == kPadCircular) {
          gerber.stroke({o.pos}, 2 * o.dim.x);
        } else if ((o.variant == kPadRoundedH || o.variant == kPadRoundedV) &&
                   o.points.size() >= 2) {
          gerber.stroke({o.points[0], o.points[1]}, 2 * o.dim.x);
        } else {
          gerber.region(o.points);
        }
        break;
      default:
        break;
    }
  }
  gerber.clear();
  for (const auto& object : board.objects) {
    const TObjekt& o = *object;
    if (o.kind == kPad && onLayer(o, layer) && o.dim.y > 0) gerber.stroke({o.pos}, 2 * o.dim.y);
  }
  return gerber.finish();
}

}  // namespace pravelo
