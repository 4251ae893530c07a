#include <string>

#include "geometry/length_text.h"
#include "manufacturing/vector_picture.h"

namespace pravelo {
namespace {

constexpr double kSvgUnitsPerMm = 10000;

// Millimetres with up to four decimals, in the C locale whatever the user's locale is.
void putSvgNumber(std::string& out, double units) {
  out += formatFixedTrimmed(units / kSvgUnitsPerMm, 4);
}

std::string svgColour(Rgb c) {
  static const char kDigits[] = "0123456789abcdef";
  std::string text = "#";
  for (std::uint8_t v : {c.r, c.g, c.b}) {
    text += kDigits[v >> 4];
    text += kDigits[v & 15];
  }
  return text;
}

void putSvgPoints(std::string& out, const std::vector<DPoint>& points) {
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (i) out += ' ';
    putSvgNumber(out, points[i].x);
    out += ',';
    putSvgNumber(out, -points[i].y);
  }
}

}  // namespace

std::string svgFileBytes(const VectorPicture& picture) {
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";
  out += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"";
  putSvgNumber(out, picture.width);
  out += "mm\" height=\"";
  putSvgNumber(out, picture.height);
  out += "mm\" viewBox=\"0 0 ";
  putSvgNumber(out, picture.width);
  out += ' ';
  putSvgNumber(out, picture.height);
  out += "\">\r\n";
  for (const VectorShape& shape : picture.shapes) {
    if (shape.width == 0) {
      out += "<polygon fill=\"" + svgColour(shape.colour) + "\" points=\"";
    } else {
      out += shape.closed ? "<polygon" : "<polyline";
      out += " fill=\"none\" stroke=\"" + svgColour(shape.colour) + "\" stroke-width=\"";
      putSvgNumber(out, shape.width);
      out += "\" stroke-linecap=\"";
      out += shape.roundCaps ? "round" : "butt";
      out += "\" stroke-linejoin=\"round\" points=\"";
    }
    // A single point still shows as a dot with round caps when it is drawn twice.
    std::vector<DPoint> points = shape.points;
    if (points.size() == 1) points.push_back(points.front());
    putSvgPoints(out, points);
    out += "\"/>\r\n";
  }
  out += "</svg>\r\n";
  return out;
}

}  // namespace pravelo
