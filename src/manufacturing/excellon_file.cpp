#include "manufacturing/excellon_file.h"

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <ctime>

#include "base/units.h"
#include "document/document_texts.h"
#include "manufacturing/milling_objects.h"

namespace pravelo {
namespace {

// Every line of the file goes through here, so the line ending is fixed in one place.
class ExcellonLines {
 public:
  void add(std::string_view line) {
    text_ += line;
    text_ += "\r\n";
  }
  std::string take() { return std::move(text_); }

 private:
  std::string text_;
};

bool metric(ExcellonFormat format) { return format != ExcellonFormat::Inch24; }

// Units per step of the last written digit.
double digitStep(ExcellonFormat format) {
  const double unitsPerFileUnit = metric(format) ? kUnitsPerMm : 25.4 * kUnitsPerMm;
  return unitsPerFileUnit / std::pow(10.0, decimalDigits(format));
}

std::string padded(std::string digits, int width) {
  if (static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), '0');
  return digits;
}

// "0.800" in mm, "0.0315" in inch: the tool table's fixed decimals, independent of the locale.
std::string toolDiameter(std::int32_t diameter, ExcellonFormat format) {
  const int decimals = metric(format) ? 3 : 4;
  const double step = metric(format) ? 10.0 : 25.4;
  const std::int64_t n = roundHalfEven(diameter / step);
  const std::int64_t scale = metric(format) ? 1000 : 10000;
  return std::to_string(n / scale) + "." + padded(std::to_string(n % scale), decimals);
}

std::string unitLine(const ExcellonOptions& o) {
  if (o.m71) return metric(o.format) ? "M71" : "M72";
  // TZ keeps the trailing zeros, which is what a number without its leading zeros still has.
  return std::string(metric(o.format) ? "METRIC" : "INCH") + (o.deleteLeadingZeros ? ",TZ" : ",LZ");
}

}  // namespace

ExcellonOptions excellonOptions(const ExcellonSettings& s) {
  ExcellonOptions o;
  o.format = s.MM32 ? ExcellonFormat::Mm32 : s.MM33 ? ExcellonFormat::Mm33 : ExcellonFormat::Inch24;
  o.deleteLeadingZeros = s.Zero;
  o.decimalPoint = s.Komma;
  o.m71 = s.M71;
  o.noG90 = s.G90;
  o.noComments = s.Kommentare;
  return o;
}

void storeExcellonOptions(const ExcellonOptions& o, ExcellonSettings& s) {
  s.MM32 = o.format == ExcellonFormat::Mm32;
  s.MM33 = o.format == ExcellonFormat::Mm33;
  s.Zoll = o.format == ExcellonFormat::Inch24;
  s.Zero = o.deleteLeadingZeros;
  s.Komma = o.decimalPoint;
  s.M71 = o.m71;
  s.G90 = o.noG90;
  s.Kommentare = o.noComments;
}

int integerDigits(ExcellonFormat format) { return metric(format) ? 3 : 2; }

int decimalDigits(ExcellonFormat format) {
  return format == ExcellonFormat::Mm32 ? 2 : format == ExcellonFormat::Mm33 ? 3 : 4;
}

std::string excellonNumber(double units, const ExcellonOptions& o) {
  const std::int64_t n = roundHalfEven(units / digitStep(o.format));
  const int whole = integerDigits(o.format);
  const int decimals = decimalDigits(o.format);
  const std::string sign = n < 0 ? "-" : "";
  const std::string digits = std::to_string(n < 0 ? -n : n);
  if (o.decimalPoint) {
    const std::string all = padded(digits, decimals + 1);
    std::string integer = all.substr(0, all.size() - decimals);
    if (!o.deleteLeadingZeros) integer = padded(integer, whole);
    return sign + integer + "." + all.substr(all.size() - decimals);
  }
  std::string all = padded(digits, whole + decimals);
  if (o.deleteLeadingZeros) {
    const std::size_t first = all.find_first_not_of('0');
    all = first == std::string::npos ? "0" : all.substr(first);
  }
  return sign + all;
}

DrillTransform drillTransform(const Board& board, DrillSide side, bool camOrigin) {
  const BoardHeader& h = board.header;
  DrillTransform t;
  t.dx = camOrigin ? -static_cast<double>(h.originX) : 0.0;
  t.dy = camOrigin ? -static_cast<double>(h.originY) : static_cast<double>(h.height);
  if (side == DrillSide::BottomGerber) {
    t.mirrored = true;
    t.mirrorSum = camOrigin ? 0.0 : static_cast<double>(h.width);
  } else if (side == DrillSide::BottomMilling) {
    const TRect extent = millingExtent(board);
    t.mirrored = true;
    t.mirrorSum = static_cast<double>(extent.left) + extent.right + 2 * t.dx;
  }
  return t;
}

FilePoint toFile(const DrillTransform& t, FPoint p) {
  const double x = p.x + t.dx;
  return {t.mirrored ? t.mirrorSum - x : x, p.y + t.dy};
}

int holesOutOfRange(const Board& board, const std::vector<DrillTool>& tools,
                    const ExcellonOptions& o) {
  const double limit = std::pow(10.0, integerDigits(o.format) + decimalDigits(o.format));
  const double step = digitStep(o.format);
  const DrillTransform t = drillTransform(board, o.side, o.camOrigin);
  int count = 0;
  for (const DrillTool& tool : tools) {
    for (const TObjekt* pad : tool.holes) {
      const FilePoint p = toFile(t, pad->pos);
      const auto digits = [&](double v) {
        return std::abs(static_cast<double>(roundHalfEven(v / step)));
      };
      if (digits(p.x) >= limit || digits(p.y) >= limit) ++count;
    }
  }
  return count;
}

std::string excellonFile(const Board& board, const std::vector<DrillTool>& tools,
                         const ExcellonOptions& o, std::string_view date) {
  ExcellonLines file;
  file.add("M48");
  if (!o.noComments) {
    file.add(std::string(";DRILL file {") + texts::productCaption.en + "} date " +
             std::string(date));
    file.add(";FILE_FORMAT=" + std::to_string(integerDigits(o.format)) + ":" +
             std::to_string(decimalDigits(o.format)));
  }
  file.add(unitLine(o));
  for (std::size_t i = 0; i < tools.size(); ++i) {
    file.add("T" + std::to_string(i + 1) + "C" + toolDiameter(tools[i].diameter, o.format));
  }
  file.add("%");
  if (!o.noG90) file.add("G90");
  const DrillTransform t = drillTransform(board, o.side, o.camOrigin);
  for (std::size_t i = 0; i < tools.size(); ++i) {
    file.add("T" + std::to_string(i + 1));
    for (const TObjekt* pad : tools[i].holes) {
      const FilePoint p = toFile(t, pad->pos);
      file.add("X" + excellonNumber(p.x, o) + "Y" + excellonNumber(p.y, o));
    }
  }
  file.add("M30");
  return file.take();
}

std::string drillFileText(const Board& board, const ExcellonOptions& options,
                          std::string_view date) {
  DrillSelection selection = options.selection;
  selection.singleTool = false;
  return excellonFile(board, collectDrills(board, selection), options, date);
}

std::string drillFileDate() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  return text;
}

}  // namespace pravelo
