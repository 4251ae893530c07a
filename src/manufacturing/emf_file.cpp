#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "base/units.h"
#include "document/byte_io.h"
#include "manufacturing/vector_picture.h"

namespace pravelo {
namespace {

// The picture's logical unit: 0.01 mm, 100 world units.
constexpr double kEmfUnitsPerStep = 100;

enum EmfRecord : std::uint32_t {
  kEmrHeader = 1,
  kEmrPolygon = 3,
  kEmrPolyline = 4,
  kEmrEof = 14,
  kEmrSetPolyFillMode = 19,
  kEmrSelectObject = 37,
  kEmrCreateBrushIndirect = 39,
  kEmrDeleteObject = 40,
  kEmrExtCreatePen = 95,
};

constexpr std::uint32_t kEmfNullBrush = 0x80000005;
constexpr std::uint32_t kEmfNullPen = 0x80000008;
constexpr std::uint32_t kEmfBrushHandle = 1;
constexpr std::uint32_t kEmfPenHandle = 2;
constexpr std::uint32_t kEmfPenGeometric = 0x00010000;
constexpr std::uint32_t kEmfPenFlatCaps = 0x00000200;  // round caps and joins are 0

std::uint32_t emfColour(Rgb c) {
  return std::uint32_t{c.r} | (std::uint32_t{c.g} << 8) | (std::uint32_t{c.b} << 16);
}

std::int32_t emfX(double x) { return roundToInt32(x / kEmfUnitsPerStep); }
std::int32_t emfY(double y) { return roundToInt32(-y / kEmfUnitsPerStep); }

// Writes records and counts them; remembers which brush and pen are selected.
class EmfWriter {
 public:
  explicit EmfWriter(std::string& out) : out_(out) {}

  int records() const { return records_; }

  void record(EmfRecord type, std::initializer_list<std::uint32_t> values) {
    out_.put<std::uint32_t>(type);
    out_.put<std::uint32_t>(8 + 4 * values.size());
    for (std::uint32_t v : values) out_.put(v);
    ++records_;
  }

  void useBrush(Rgb colour) {
    if (mode_ == Mode::Fill && brush_ == colour) return;
    if (mode_ != Mode::Fill) record(kEmrSelectObject, {kEmfNullPen});
    if (brush_ != colour) {
      if (brush_) {
        record(kEmrSelectObject, {kEmfNullBrush});
        record(kEmrDeleteObject, {kEmfBrushHandle});
      }
      record(kEmrCreateBrushIndirect, {kEmfBrushHandle, 0, emfColour(colour), 0});
      brush_ = colour;
    }
    record(kEmrSelectObject, {kEmfBrushHandle});
    mode_ = Mode::Fill;
  }

  void usePen(Rgb colour, std::uint32_t width, bool roundCaps) {
    const PenKey key{colour, width, roundCaps};
    if (mode_ == Mode::Stroke && pen_ == key) return;
    if (mode_ != Mode::Stroke) record(kEmrSelectObject, {kEmfNullBrush});
    if (pen_ != key) {
      if (pen_) {
        record(kEmrSelectObject, {kEmfNullPen});
        record(kEmrDeleteObject, {kEmfPenHandle});
      }
      const std::uint32_t style = kEmfPenGeometric | (roundCaps ? 0 : kEmfPenFlatCaps);
      // offBmi, cbBmi, offBits, cbBits, then the pen: style, width, solid brush, colour, hatch,
      // no dash entries.
      record(kEmrExtCreatePen,
             {kEmfPenHandle, 0, 0, 0, 0, style, width, 0, emfColour(colour), 0, 0});
      pen_ = key;
    }
    record(kEmrSelectObject, {kEmfPenHandle});
    mode_ = Mode::Stroke;
  }

  void points(EmfRecord type, const std::vector<DPoint>& points) {
    std::int32_t left = INT32_MAX, top = INT32_MAX, right = INT32_MIN, bottom = INT32_MIN;
    for (const DPoint& p : points) {
      left = std::min(left, emfX(p.x));
      right = std::max(right, emfX(p.x));
      top = std::min(top, emfY(p.y));
      bottom = std::max(bottom, emfY(p.y));
    }
    out_.put<std::uint32_t>(type);
    out_.put<std::uint32_t>(28 + 8 * points.size());
    for (std::int32_t v : {left, top, right, bottom}) out_.put(v);
    out_.put<std::uint32_t>(points.size());
    for (const DPoint& p : points) {
      out_.put(emfX(p.x));
      out_.put(emfY(p.y));
    }
    ++records_;
  }

 private:
  enum class Mode { None, Fill, Stroke };
  struct PenKey {
    Rgb colour;
    std::uint32_t width;
    bool roundCaps;
    friend bool operator==(const PenKey&, const PenKey&) = default;
  };

  ByteWriter out_;
  int records_ = 0;
  Mode mode_ = Mode::None;
  std::optional<Rgb> brush_;
  std::optional<PenKey> pen_;
};

}  // namespace

std::string emfFileBytes(const VectorPicture& picture) {
  const std::int32_t width = emfX(picture.width);
  const std::int32_t height = emfY(-picture.height);
  // The reference device: 100 pixels a millimetre, so one logical unit is 0.01 mm.
  const auto widthMm = static_cast<std::uint32_t>(std::max<std::int32_t>(1, (width + 99) / 100));
  const auto heightMm = static_cast<std::uint32_t>(std::max<std::int32_t>(1, (height + 99) / 100));
  std::string out;
  EmfWriter emf(out);
  const auto w = static_cast<std::uint32_t>(width);
  const auto h = static_cast<std::uint32_t>(height);
  // Bounds in device units and frame in 0.01 mm (the same here), signature " EMF", version,
  // bytes and records (patched below), handles, reserved, no description, no palette, the
  // reference device in pixels and in millimetres.
  emf.record(kEmrHeader, {0,
                          0,
                          w,
                          h,
                          0,
                          0,
                          w,
                          h,
                          0x464D4520,
                          0x10000,
                          0,
                          0,
                          3,
                          0,
                          0,
                          0,
                          widthMm * 100,
                          heightMm * 100,
                          widthMm,
                          heightMm});
  emf.record(kEmrSetPolyFillMode, {1});  // alternate: the crossing-parity rule
  for (const VectorShape& shape : picture.shapes) {
    if (shape.points.empty()) continue;
    if (shape.width == 0) {
      emf.useBrush(shape.colour);
      emf.points(kEmrPolygon, shape.points);
      continue;
    }
    emf.usePen(shape.colour,
               static_cast<std::uint32_t>(
                   std::max<std::int64_t>(1, roundHalfEven(shape.width / kEmfUnitsPerStep))),
               shape.roundCaps);
    std::vector<DPoint> points = shape.points;
    if (points.size() == 1) points.push_back(points.front());
    emf.points(shape.closed ? kEmrPolygon : kEmrPolyline, points);
  }
  emf.record(kEmrEof, {0, 16, 20});
  // The header's handle count sits in the low half of its word; the reserved half stays 0.
  auto* header = reinterpret_cast<std::uint8_t*>(out.data());
  storeAt<std::uint32_t>(header, 48, out.size());
  storeAt<std::uint32_t>(header, 52, emf.records());
  return out;
}

}  // namespace pravelo
