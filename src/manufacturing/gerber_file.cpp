#include "manufacturing/gerber_file.h"

#include <charconv>
#include <cmath>

#include "base/units.h"

namespace pravelo {

std::string gerberMillimetres(std::int64_t units) {
  char text[40];
  // Written from the integer, so that no locale and no binary fraction can touch the digits.
  const bool negative = units < 0;
  const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(units) : units;
  // Ten units are a micrometre: three decimals keep whole micrometres, rounded half to even.
  std::uint64_t micrometres = magnitude / 10;
  const std::uint64_t rest = magnitude % 10;
  if (rest > 5 || (rest == 5 && micrometres % 2 == 1)) ++micrometres;
  auto [end, ec] = std::to_chars(text, text + sizeof text, micrometres / 1000);
  std::string result = (negative && micrometres != 0 ? "-" : "") + std::string(text, end);
  const unsigned fraction = static_cast<unsigned>(micrometres % 1000);
  result += '.';
  result += static_cast<char>('0' + fraction / 100);
  result += static_cast<char>('0' + fraction / 10 % 10);
  result += static_cast<char>('0' + fraction % 10);
  return result;
}

void GerberFile::begin(const std::string& layerName, const std::string& fileFunction) {
  nextCode_ = 10;
  apertures_.clear();
  body_.clear();
  body_.push_back("%LPD*%");
  header_ = {"%FSLAX34Y34*%", "%MOMM*%", "%LN" + layerName + "*%", "G71*", "G01*"};
  if (!fileFunction.empty()) {
    header_.push_back("%TF.FileFunction," + fileFunction + "*%");
    header_.push_back("%TF.Part,Single*%");
    header_.push_back("%TF.GenerationSoftware,Pravelo,Pravelo-Board,6.0*%");
  }
}

std::int64_t GerberFile::checked(double value) {
  const std::int64_t v = roundHalfEven(value);
  if ((v >= kGerberCoordinateLimit || v <= -kGerberCoordinateLimit) && !outOfRange_) {
    outOfRange_ = true;
    firstOutOfRange_ = v;
  }
  return v;
}

std::int64_t GerberFile::fileX(double x) {
  const double shifted = x + placement_.shiftX;
  return checked(placement_.mirror ? placement_.axis - shifted : shifted);
}

std::int64_t GerberFile::fileY(double y) { return checked(y + placement_.shiftY); }

std::string GerberFile::coordinates(DPoint p) {
  return "X" + std::to_string(fileX(p.x)) + "Y" + std::to_string(fileY(p.y));
}

void GerberFile::move(DPoint p) { body_.push_back(coordinates(p) + "D02*"); }

void GerberFile::draw(DPoint p) { body_.push_back(coordinates(p) + "D01*"); }

void GerberFile::select(int kind, std::int64_t hole, std::int64_t size, std::int64_t sizeX,
                        std::int64_t sizeY) {
  int code = 0;
  for (const Aperture& a : apertures_) {
    if (a.kind == kind && a.hole == hole && a.size == size && a.sizeX == sizeX &&
        a.sizeY == sizeY) {
      code = a.code;
      break;
    }
  }
  if (code == 0) {
    code = nextCode_++;
    apertures_.push_back({kind, hole, size, sizeX, sizeY, code});
  }
  body_.push_back("G54D" + std::to_string(code) + "*");
}

void GerberFile::setPenWidth(double width) { select(0, 0, roundHalfEven(width), 0, 0); }

void GerberFile::flashRound(double hole, double radius) {
  select(1, roundHalfEven(hole), roundHalfEven(radius), 0, 0);
  body_.push_back("D03*");
}

void GerberFile::flashRectangle(double sizeX, double sizeY) {
  select(3, 0, 0, roundHalfEven(sizeX), roundHalfEven(sizeY));
  body_.push_back("D03*");
}

void GerberFile::arc(DPoint centre, DPoint start, DPoint end, bool filled) {
  // A mirrored arc would turn clockwise; exchanging its ends keeps it anticlockwise.
  if (placement_.mirror) std::swap(start, end);
  const std::int64_t cx = fileX(centre.x);
  const std::int64_t cy = fileY(centre.y);
  const std::int64_t sx = fileX(start.x);
  const std::int64_t sy = fileY(start.y);
  const std::string to =
      coordinates(end) + "I" + std::to_string(cx - sx) + "J" + std::to_string(cy - sy) + "D01*";
  const std::string from = "X" + std::to_string(sx) + "Y" + std::to_string(sy);
  // Multi-quadrant mode: an arc whose ends coincide is the full circle, not nothing.
  body_.push_back("G75*");
  body_.push_back(from + "D02*");
  body_.push_back("G03" + to);
  body_.push_back("G01*");
  if (!filled) return;
  regionBegin();
  body_.push_back("G75*");
  body_.push_back(from + "D02*");
  body_.push_back("G03" + to);
  body_.push_back("G01*");
  // A region contour must be closed: the chord back to the start.
  body_.push_back(from + "D01*");
  regionEnd();
  // The pen along the chord, as the ring's own width reaches past it.
  body_.push_back(coordinates(end) + "D02*");
  body_.push_back(from + "D01*");
}

std::string GerberFile::finish() {
  body_.push_back("M02*");
  for (const Aperture& a : apertures_) {
    const std::string d = "%ADD" + std::to_string(a.code);
    switch (a.kind) {
      case 0:
        header_.push_back(d + "C," + gerberMillimetres(a.size) + "*%");
        break;
      case 1:
        header_.push_back(d + "C," + gerberMillimetres(2 * a.size) + "*%");
        break;
      default:
        header_.push_back(d + "R," + gerberMillimetres(a.sizeX) + "X" + gerberMillimetres(a.sizeY) +
                          "*%");
        break;
    }
  }
  std::string text;
  for (const auto* lines : {&header_, &body_}) {
    for (const std::string& line : *lines) {
      text += line;
      text += "\r\n";
    }
  }
  return text;
}

}  // namespace pravelo
