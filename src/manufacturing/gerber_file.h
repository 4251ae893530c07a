#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "geometry/point.h"

namespace pravelo {

// Where a document point lands in a Gerber file: shifted so that the board's lower left corner
// (or the user origin) is 0,0, and mirrored about file x = `axis` when asked. Applied while
// writing; the objects themselves never move.
struct GerberPlacement {
  double shiftX = 0;
  double shiftY = 0;
  bool mirror = false;
  double axis = 0;
};

// Coordinates are written in format 3.4 of millimetres, which is exactly one unit; values from
// this size on do not fit.
inline constexpr std::int64_t kGerberCoordinateLimit = 10000000;

// One RS-274X file collected in memory: the header with the format statements and the aperture
// definitions (numbered from D10 in order of first use) and the body. Document points go in;
// the placement turns them into file coordinates, rounded half to even.
class GerberFile {
 public:
  explicit GerberFile(const GerberPlacement& placement) : placement_(placement) {}

  // Starts a file for the layer `layerName`; with `fileFunction` (not empty) the file also
  // carries the attributes that name its part, function and maker.
  void begin(const std::string& layerName, const std::string& fileFunction = {});

  void move(DPoint p);
  void draw(DPoint p);
  void setPenWidth(double width);
  // Flashes at the current point: the selected aperture, or a pad aperture found or made.
  void flash() { body_.push_back("D03*"); }
  void flashRound(double hole, double radius);
  void flashRectangle(double sizeX, double sizeY);
  void regionBegin() { body_.push_back("G36*"); }
  void regionEnd() { body_.push_back("G37*"); }
  void clearPolarity() { body_.push_back("%LPC*%"); }
  void darkPolarity() { body_.push_back("%LPD*%"); }
  // A line of the body as it is (a statement without coordinates).
  void statement(const std::string& line) { body_.push_back(line); }
  // An anticlockwise arc on the current pen from `start` to `end` (equal: the full circle);
  // filled, the figure closed by its chord is filled too.
  void arc(DPoint centre, DPoint start, DPoint end, bool filled);

  // The whole file, lines ended by CR LF.
  std::string finish();

  // Whether a coordinate did not fit the number format, and the first one that did not, in
  // units.
  bool outOfRange() const { return outOfRange_; }
  std::int64_t firstOutOfRange() const { return firstOutOfRange_; }

 private:
  struct Aperture {
    int kind;  // 0 round pen, 1 round pad flash, 3 rectangle flash
    std::int64_t hole;
    std::int64_t size;
    std::int64_t sizeX;
    std::int64_t sizeY;
    int code;
  };
  std::int64_t fileX(double x);
  std::int64_t fileY(double y);
  std::int64_t checked(double value);
  std::string coordinates(DPoint p);
  void select(int kind, std::int64_t hole, std::int64_t size, std::int64_t sizeX,
              std::int64_t sizeY);

  GerberPlacement placement_;
  std::vector<std::string> header_;
  std::vector<std::string> body_;
  std::vector<Aperture> apertures_;
  int nextCode_ = 10;
  bool outOfRange_ = false;
  std::int64_t firstOutOfRange_ = 0;
};

// A length in units as millimetres with three decimals, a point as separator: 2540 is "0.254".
std::string gerberMillimetres(std::int64_t units);

}  // namespace pravelo
