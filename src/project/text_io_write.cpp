#include "project/text_io_write.h"

#include <algorithm>
#include <string_view>

#include "base/units.h"
#include "geometry/pad_geometry.h"
#include "geometry/point.h"
#include "project/text_io_read.h"

namespace pravelo {

namespace {

class RecordWriter {
 public:
  RecordWriter(std::string& out, std::string_view keyword) : out_(out) { out_ += keyword; }
  ~RecordWriter() { out_ += ";\r\n"; }
  RecordWriter(const RecordWriter&) = delete;
  RecordWriter& operator=(const RecordWriter&) = delete;

  void integer(std::string_view name, std::int64_t value) {
    begin(name);
    out_ += std::to_string(value);
  }
  void length(std::string_view name, double value) { integer(name, roundToInt32(value)); }
  void flag(std::string_view name, bool value) {
    begin(name);
    out_ += value ? "true" : "false";
  }
  void point(std::string_view name, FPoint p) {
    begin(name);
    out_ += std::to_string(roundToInt32(p.x));
    out_ += '/';
    out_ += std::to_string(roundToInt32(-static_cast<double>(p.y)));
  }
  void vertices(const std::vector<FPoint>& points) {
    for (std::size_t i = 0; i < points.size(); ++i) point("P" + std::to_string(i), points[i]);
  }
  void text(std::string_view content) {
    begin("TEXT");
    out_ += '|';
    out_ += content;
    out_ += '|';
  }
  // The parameters every kind but the pads starts with.
  void common(const TObjekt& o) {
    integer("LAYER", o.layer);
    if (o.clearance != kTextIoStandardClearance) integer("CLEAR", o.clearance);
    if (o.cutout != 0) flag("CUTOUT", true);
    if (o.solderMask != 0) flag("SOLDERMASK", true);
  }
  void padCommon(const TObjekt& o) {
    integer("LAYER", o.layer);
    if (o.clearance != kTextIoStandardClearance) integer("CLEAR", o.clearance);
    if (o.solderMask == 0) flag("SOLDERMASK", false);
  }
  // Rotations in 1/100 degree; a turn that rounds to a full circle is none.
  void rotation(double degrees) {
    const std::int64_t hundredths = roundHalfEven(degrees * 100) % 36000;
    if (hundredths != 0) integer("ROTATION", hundredths);
  }

 private:
  void begin(std::string_view name) {
    out_ += ',';
    out_ += name;
    out_ += '=';
  }
  std::string& out_;
};

// A flat end counts only where its segment is longer than half the width.
bool flatEnd(const TObjekt& track, int bit) {
  if ((track.variant & bit) == 0 || track.points.size() < 2) return false;
  const std::size_t n = track.points.size();
  const double length = bit == 1 ? distance(track.points[0], track.points[1])
                                 : distance(track.points[n - 2], track.points[n - 1]);
  return length > track.width / 2.0;
}

void writePad(std::string& out, const TObjekt& o) {
  RecordWriter r(out, "PAD");
  r.padCommon(o);
  r.point("POS", o.pos);
  r.integer("FORM", o.variant);
  r.length("SIZE", 2.0 * o.dim.x);
  r.length("DRILL", 2.0 * o.dim.y);
  if (o.via != 0) r.flag("VIA", true);
  r.rotation(padRotation(o));
  if (o.optB != 0) {
    r.flag("THERMAL", true);
    r.flag("THERMAL_TRACKS_INDIVIDUAL", o.optA != 0);
    r.integer("THERMAL_TRACKS", o.paramA);
    r.integer("THERMAL_TRACKS_WIDTH", o.paramB);
  }
}

void writeSmdPad(std::string& out, const TObjekt& o) {
  RecordWriter r(out, "SMDPAD");
  r.padCommon(o);
  r.point("POS", smdPadCentre(o));
  r.length("SIZE_X", o.dim.x);
  r.length("SIZE_Y", o.dim.y);
  r.rotation(cornerRotation(o.points));
  if (o.optB != 0) {
    r.flag("THERMAL", true);
    r.integer("THERMAL_TRACKS", o.paramA);
    r.integer("THERMAL_TRACKS_WIDTH", o.paramB);
  }
}

void writeZone(std::string& out, const TObjekt& o) {
  RecordWriter r(out, "ZONE");
  r.common(o);
  r.integer("WIDTH", o.width);
  if (o.optB != 0) r.flag("HATCH", true);
  if (o.optC == 0) r.flag("HATCH_AUTO", false);
  if (o.optB != 0 && o.optC == 0) r.integer("HATCH_WIDTH", o.paramB);
  r.vertices(o.points);
}

void writeCircle(std::string& out, const TObjekt& o) {
  RecordWriter r(out, "CIRCLE");
  r.common(o);
  r.point("CENTER", o.pos);
  const double outer = o.dim.x;
  const double inner = o.dim.y;
  r.length("RADIUS", outer - (outer - inner) / 2);
  r.length("WIDTH", outer - inner);
  if (o.paramA != 0) r.integer("START", o.paramA);
  if (o.width != 0) r.integer("STOP", o.width);
  if (o.optA != 0) r.flag("FILL", true);
}

void writeTrack(std::string& out, const TObjekt& o) {
  RecordWriter r(out, "TRACK");
  r.common(o);
  r.integer("WIDTH", o.width);
  if (flatEnd(o, 1)) r.flag("FLATSTART", true);
  if (flatEnd(o, 2)) r.flag("FLATEND", true);
  r.vertices(o.points);
}

void writeText(std::string& out, const TObjekt& o) {
  RecordWriter r(out, "TEXT");
  r.common(o);
  r.point("POS", o.pos);
  r.length("HEIGHT", o.dim.x);
  const std::int32_t thickness = roundToInt32(o.dim.y);
  if (thickness != 1) r.integer("THICKNESS", thickness);
  if (o.width != 1) r.integer("STYLE", o.width);
  if (o.optB != 0) r.flag("MIRROR_HORZ", true);
  if (o.optC != 0) r.flag("MIRROR_VERT", true);
  if (o.paramB != 0) r.integer("ROTATION", o.paramB);
  r.text(o.text);
}

}  // namespace

std::vector<const TObjekt*> textIoExportObjects(const ObjectList& objects) {
  const bool anySelected =
      std::any_of(objects.begin(), objects.end(), [](const auto& o) { return o->selected != 0; });
  std::vector<const TObjekt*> result;
  for (const auto& o : objects) {
    if (!anySelected || o->selected != 0) result.push_back(o.get());
  }
  return result;
}

const TObjekt* unwritableText(const std::vector<const TObjekt*>& objects) {
  for (const TObjekt* o : objects) {
    if (o->kind == kText && o->text.find_first_of("|\r\n") != std::string::npos) return o;
  }
  return nullptr;
}

std::string writeTextIo(const std::vector<const TObjekt*>& objects) {
  std::string out;
  for (const TObjekt* o : objects) {
    switch (o->kind) {
      case kPad:
        writePad(out, *o);
        break;
      case kSmdPad:
        writeSmdPad(out, *o);
        break;
      case kZone:
        writeZone(out, *o);
        break;
      case kCircle:
        writeCircle(out, *o);
        break;
      case kTrack:
        writeTrack(out, *o);
        break;
      case kText:
        writeText(out, *o);
        break;
      default:
        break;  // legacy lines and legacy font texts have no record
    }
  }
  return out;
}

}  // namespace pravelo
