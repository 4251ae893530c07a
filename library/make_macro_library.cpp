// Builds the macro library that comes with the program from published package dimensions
// (JEDEC outlines, IPC-7351 nominal land patterns) and writes it below the folder given as the
// only argument:  build/library/make_macro_library library/Makros
// Every macro is one component with its ID and value labels on the top silkscreen.

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "base/units.h"
#include "document/document.h"
#include "geometry/text_strokes.h"
#include "project/macro_anchor.h"
#include "project/macro_file.h"

namespace pravelo {
namespace {

constexpr std::int32_t kLibraryClearance = 4000;  // 0.4 mm
constexpr double kSilkWidthMm = 0.2;

float libMm(double value) { return static_cast<float>(mmToUnits(value)); }
std::int32_t libMmInt(double value) { return static_cast<std::int32_t>(mmToUnits(value)); }

class Part {
 public:
  void pad(double x, double y, double drill, double size, std::uint8_t shape = kPadCircular) {
    TObjekt p = newObject();
    // Through-hole parts are soldered on the bottom copper.
    initPad(p, {libMm(x), libMm(y)}, kLayerC2, shape, libMm(drill / 2), libMm(size / 2));
    add(std::move(p));
  }
  void smd(double x, double y, double w, double h) {
    TObjekt p = newObject();
    initSmdPad(p, {libMm(x), libMm(y)}, libMmInt(w), kLayerC1, libMmInt(h));
    add(std::move(p));
  }
  void line(std::vector<std::pair<double, double>> points) {
    TObjekt t = newObject();
    initTrack(t, libMmInt(kSilkWidthMm), kLayerS1);
    for (auto [x, y] : points) addPoint(t, {libMm(x), libMm(y)});
    add(std::move(t));
  }
  void box(double left, double top, double right, double bottom) {
    line({{left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}});
  }
  void circle(double x, double y, double radius) {
    TObjekt c = newObject();
    initCircle(c, {libMm(x), libMm(y)}, libMmInt(radius + kSilkWidthMm / 2), kLayerS1,
               libMmInt(radius - kSilkWidthMm / 2));
    add(std::move(c));
  }
  // The ID label above the part and the value label below it.
  void labels(const char* id, const char* value, const char* package, double top, double bottom,
              double left) {
    label(id, kComponentIdText, left, top + 0.6, package);
    label(value, kComponentValueText, left, bottom - 2.0, package);
  }
  bool save(const std::filesystem::path& file, const std::string& line1, const std::string& line2) {
    for (auto& o : objects_) o->componentId = 1;
    ObjectList macro = macroFromBoard(objects_, 0);
    std::filesystem::create_directories(file.parent_path());
    return saveMacro(file, macro, line1, line2);
  }

 private:
  void add(TObjekt o) {
    o.clearance = kLibraryClearance;
    objects_.push_back(std::make_unique<TObjekt>(std::move(o)));
  }
  void label(const char* content, std::uint8_t role, double x, double y, const char* package) {
    TObjekt t = newObject();
    initText(t, {libMm(x), libMm(y)}, content, 0, 0, kLayerS1, 1, 1, libMmInt(1.2), 0);
    t.variant = role;
    t.optA = 1;
    if (role == kComponentIdText) {
      t.component.package = package;
      t.component.usePickPlace = 1;
    }
    buildTextStrokes(t, false);
    add(std::move(t));
  }

  ObjectList objects_;
};

std::string fixed(double v, int decimals) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", decimals, v);
  return text;
}

struct Library {
  std::filesystem::path root;
  bool ok = true;
  void write(Part& part, const std::string& folder, const std::string& name,
             const std::string& line1, const std::string& line2) {
    ok = part.save(root / folder / (name + ".pvm"), line1, line2) && ok;
  }
};

// Axial parts lying flat, pads on a pitch of whole 2.54 mm steps.
void axialParts(Library& lib) {
  for (int steps : {3, 4, 5, 6}) {
    const double pitch = steps * 2.54;
    const double body = pitch - 3.2;
    Part r;
    r.pad(0, 0, 0.8, 1.8);
    r.pad(pitch, 0, 0.8, 1.8);
    r.box(1.6, 1.25, 1.6 + body, -1.25);
    r.labels("R?", "R", ("AXIAL-" + fixed(pitch, 2)).c_str(), 1.25, -1.25, 1.6);
    lib.write(r, "Resistors", "R axial " + fixed(pitch, 2) + " mm", "Axial resistor",
              "Pitch " + fixed(pitch, 2) + " mm, drill 0.8 mm");
    Part d;
    d.pad(0, 0, 1.0, 2.0, kPadSquare);
    d.pad(pitch, 0, 1.0, 2.0);
    d.box(1.6, 1.0, 1.6 + body, -1.0);
    d.line({{2.1, 1.0}, {2.1, -1.0}});  // the cathode band, beside the square pad
    d.labels("D?", "1N4148", ("DO-AXIAL-" + fixed(pitch, 2)).c_str(), 1.0, -1.0, 1.6);
    lib.write(d, "Diodes", "D axial " + fixed(pitch, 2) + " mm", "Axial diode, cathode left",
              "Pitch " + fixed(pitch, 2) + " mm, drill 1.0 mm");
  }
}

// Radial electrolytic capacitors: lead spacing and body diameter.
void radialCapacitors(Library& lib) {
  const std::pair<double, double> sizes[] = {{2.0, 5.0}, {2.5, 6.3}, {3.5, 8.0}, {5.0, 10.0}};
  for (auto [pitch, diameter] : sizes) {
    Part c;
    c.pad(0, 0, 0.8, 1.6, kPadSquare);  // plus
    c.pad(pitch, 0, 0.8, 1.6);
    c.circle(pitch / 2, 0, diameter / 2);
    const std::string package = "CP-" + fixed(pitch, 1) + "x" + fixed(diameter, 1);
    c.labels("C?", "C", package.c_str(), diameter / 2, -diameter / 2, pitch / 2 - diameter / 2);
    lib.write(c, "Capacitors", "C radial " + fixed(pitch, 1) + " mm D" + fixed(diameter, 1),
              "Radial capacitor, plus at the square pad",
              "Pitch " + fixed(pitch, 1) + " mm, body " + fixed(diameter, 1) + " mm");
  }
}

// DIP: 2.54 mm pitch, rows 7.62 mm apart (15.24 mm from 24 pins on, the wide body).
void dualInLine(Library& lib) {
  for (int pins = 4; pins <= 40; pins += 2) {
    const bool wide = pins >= 24;
    const double rows = wide ? 15.24 : 7.62;
    const int half = pins / 2;
    Part ic;
    for (int i = 0; i < half; ++i) {
      ic.pad(i * 2.54, 0, 0.8, 1.6, i == 0 ? kPadSquare : kPadOctagon);
    }
    for (int i = half - 1; i >= 0; --i) ic.pad(i * 2.54, rows, 0.8, 1.6, kPadOctagon);
    const double left = -1.27;
    const double right = (half - 1) * 2.54 + 1.27;
    const double bottom = 1.2;
    const double top = rows - 1.2;
    ic.line({{left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, rows / 2 - 0.8}});
    ic.line({{left, rows / 2 + 0.8}, {left, top}});
    const std::string name = "DIP" + std::to_string(pins) + (wide ? " wide" : "");
    ic.labels("IC?", "IC", ("DIP-" + std::to_string(pins)).c_str(), rows + 0.8, -0.8, left);
    lib.write(ic, "ICs/DIP", name, "Dual in-line, " + std::to_string(pins) + " pins",
              "Pitch 2.54 mm, rows " + fixed(rows, 2) + " mm");
  }
}

// SOIC (JEDEC MS-012/MS-013): 1.27 mm pitch, IPC nominal pads 1.55 x 0.6 mm.
void smallOutline(Library& lib) {
  for (int pins : {8, 14, 16, 20, 24, 28}) {
    const bool wide = pins >= 20;
    const double centres = wide ? 9.4 : 5.4;  // pad centre to pad centre across
    const int half = pins / 2;
    Part ic;
    for (int i = 0; i < half; ++i) ic.smd(i * 1.27, 0, 0.6, 1.55);
    for (int i = half - 1; i >= 0; --i) ic.smd(i * 1.27, centres, 0.6, 1.55);
    const double left = -0.9;
    const double right = (half - 1) * 1.27 + 0.9;
    ic.box(left, centres - 1.5, right, 1.5);
    ic.circle(0, 2.2, 0.25);
    const std::string package = "SOIC-" + std::to_string(pins) + (wide ? "W" : "");
    ic.labels("IC?", "IC", package.c_str(), centres + 1.0, -1.0, left);
    lib.write(ic, "ICs/SOIC", package, "Small outline, " + std::to_string(pins) + " pins",
              "Pitch 1.27 mm, body " + std::string(wide ? "7.5" : "3.9") + " mm");
  }
}

// Pin headers on 2.54 mm, one or two rows.
void pinHeaders(Library& lib) {
  for (int rows : {1, 2}) {
    for (int count = 2; count <= 20; ++count) {
      Part h;
      for (int i = 0; i < count; ++i) {
        for (int r = 0; r < rows; ++r) {
          h.pad(i * 2.54, -r * 2.54, 1.0, 1.7, i == 0 && r == 0 ? kPadSquare : kPadCircular);
        }
      }
      const double top = 1.27;
      const double bottom = -(rows - 1) * 2.54 - 1.27;
      h.box(-1.27, top, count * 2.54 - 1.27, bottom);
      const std::string size = std::to_string(rows) + "x" + std::to_string(count);
      h.labels("J?", "Header", ("PINHEAD-" + size).c_str(), top, bottom, -1.27);
      lib.write(h, "Connectors/Pin headers", "Header " + size, "Pin header " + size,
                "Pitch 2.54 mm, drill 1.0 mm");
    }
  }
}

// Two SMD pads `centres` apart and a silkscreen line along either side of the gap between them;
// returns the lines' distance from the pads' centre line.
double twoPadBody(Part& p, double padW, double padH, double centres) {
  p.smd(0, 0, padW, padH);
  p.smd(centres, 0, padW, padH);
  const double edge = padH / 2 + 0.25;
  const double inner = padW / 2 + 0.15;
  p.line({{inner, edge}, {centres - inner, edge}});
  p.line({{inner, -edge}, {centres - inner, -edge}});
  return edge;
}

// Two-chip packages: IPC-7351 nominal pads (width across the gap, height) and their centres.
void chips(Library& lib) {
  struct Chip {
    const char* code;
    double padW;
    double padH;
    double centres;
  };
  const Chip sizes[] = {{"0402", 0.6, 0.6, 1.0},   {"0603", 0.9, 0.95, 1.6},
                        {"0805", 1.15, 1.45, 1.9}, {"1206", 1.15, 1.8, 3.0},
                        {"1210", 1.15, 2.7, 3.0},  {"2010", 1.2, 2.6, 4.6},
                        {"2512", 1.4, 3.3, 5.9}};
  for (const Chip& chip : sizes) {
    for (const char* kind : {"R", "C"}) {
      Part p;
      const double edge = twoPadBody(p, chip.padW, chip.padH, chip.centres);
      p.labels(kind[0] == 'R' ? "R?" : "C?", kind, chip.code, edge, -edge, -chip.padW / 2);
      lib.write(p, "SMD chips", std::string(kind) + " " + chip.code,
                std::string(kind[0] == 'R' ? "Chip resistor " : "Chip capacitor ") + chip.code,
                "Pads " + fixed(chip.padW, 2) + " x " + fixed(chip.padH, 2) + " mm");
    }
  }
}

// SIP: one row on 2.54 mm, the body drawn round the row (resistor networks and the like).
void singleInLine(Library& lib) {
  for (int pins = 3; pins <= 12; ++pins) {
    Part sip;
    for (int i = 0; i < pins; ++i)
      sip.pad(i * 2.54, 0, 0.8, 1.6, i == 0 ? kPadSquare : kPadOctagon);
    const double right = (pins - 1) * 2.54 + 1.27;
    sip.box(-1.27, 1.25, right, -1.25);
    sip.line({{1.27, 1.25}, {1.27, -1.25}});  // pin 1 marked by a partition
    const std::string package = "SIP-" + std::to_string(pins);
    sip.labels("RN?", "SIP", package.c_str(), 1.25, -1.25, -1.27);
    lib.write(sip, "ICs/SIP", "SIP" + std::to_string(pins),
              "Single in-line, " + std::to_string(pins) + " pins", "Pitch 2.54 mm, drill 0.8 mm");
  }
}

// Shrink small outlines on 0.65 mm: TSSOP (JEDEC MO-153, body 4.4 mm) and SSOP (MO-150, body
// 5.3 mm), IPC nominal pads.
void shrinkSmallOutline(Library& lib) {
  struct Family {
    const char* name;
    double body;
    double centres;  // pad centre to pad centre across
    double padH;
    std::vector<int> pins;
  };
  const Family families[] = {{"TSSOP", 4.4, 5.85, 1.45, {8, 14, 16, 20, 24, 28}},
                             {"SSOP", 5.3, 7.2, 1.75, {16, 20, 24, 28}}};
  for (const Family& f : families) {
    for (int pins : f.pins) {
      const int half = pins / 2;
      Part ic;
      for (int i = 0; i < half; ++i) ic.smd(i * 0.65, 0, 0.45, f.padH);
      for (int i = half - 1; i >= 0; --i) ic.smd(i * 0.65, f.centres, 0.45, f.padH);
      const double left = -0.7;
      const double right = (half - 1) * 0.65 + 0.7;
      const double inner = (f.centres - f.body) / 2;
      ic.box(left, f.centres - inner, right, inner);
      ic.circle(0, inner + 0.5, 0.2);
      const std::string package = std::string(f.name) + "-" + std::to_string(pins);
      ic.labels("IC?", "IC", package.c_str(), f.centres + f.padH / 2 + 0.3, -f.padH / 2 - 0.3,
                left);
      lib.write(ic, std::string("ICs/") + f.name, package,
                "Shrink small outline, " + std::to_string(pins) + " pins",
                "Pitch 0.65 mm, body " + fixed(f.body, 1) + " mm");
    }
  }
}

// Diodes in two-pad SMD packages: IPC nominal pads (width across the gap, height) and centres.
void smdDiodes(Library& lib) {
  struct Package {
    const char* name;
    double padW;
    double padH;
    double centres;
  };
  const Package packages[] = {{"SOD-323", 0.6, 0.5, 2.5},
                              {"SOD-123", 1.0, 1.2, 3.4},
                              {"SMA", 1.5, 1.7, 4.3},
                              {"SMB", 2.2, 2.3, 4.6}};
  for (const Package& pkg : packages) {
    Part d;  // the cathode on the left
    const double edge = twoPadBody(d, pkg.padW, pkg.padH, pkg.centres);
    const double band = pkg.padW / 2 + 0.15 + 0.2;
    d.line({{band, edge}, {band, -edge}});
    d.labels("D?", "D", pkg.name, edge, -edge, -pkg.padW / 2);
    lib.write(d, "Diodes", pkg.name, std::string("SMD diode ") + pkg.name + ", cathode left",
              "Pads " + fixed(pkg.padW, 2) + " x " + fixed(pkg.padH, 2) + " mm");
  }
}

// Screw terminal blocks: the two common pitches, the body reaching 4 mm behind the row.
void screwTerminals(Library& lib) {
  struct Pitch {
    double pitch;
    double drill;
    double pad;
    double depth;
  };
  for (const Pitch& p : {Pitch{5.0, 1.3, 2.6, 8.0}, Pitch{3.5, 1.1, 2.2, 7.0}}) {
    for (int poles = 2; poles <= 6; ++poles) {
      Part t;
      for (int i = 0; i < poles; ++i) {
        t.pad(i * p.pitch, 0, p.drill, p.pad, i == 0 ? kPadSquare : kPadCircular);
      }
      const double left = -p.pitch / 2;
      const double right = (poles - 0.5) * p.pitch;
      t.box(left, p.depth - 4.0, right, -4.0);
      t.line({{left, -2.6}, {right, -2.6}});  // the wire entry side
      const std::string name = std::to_string(poles) + "-pole " + fixed(p.pitch, 1) + " mm";
      t.labels("X?", "Terminal",
               ("TERMINAL-" + std::to_string(poles) + "P-" + fixed(p.pitch, 1)).c_str(),
               p.depth - 4.0, -4.0, left);
      lib.write(t, "Connectors/Screw terminals", "Terminal " + name, "Screw terminal " + name,
                "Drill " + fixed(p.drill, 1) + " mm, wires enter at the bottom");
    }
  }
}

void transistors(Library& lib) {
  Part to92;  // TO-92 with its leads bent to 2.54 mm
  for (int i = 0; i < 3; ++i) to92.pad(i * 2.54, 0, 0.8, 1.5, i == 0 ? kPadSquare : kPadCircular);
  to92.line({{-0.6, -1.6}, {5.68, -1.6}});
  to92.line({{-0.6, -1.6}, {-0.6, 1.2}, {1.0, 2.4}, {4.08, 2.4}, {5.68, 1.2}, {5.68, -1.6}});
  to92.labels("Q?", "BC547", "TO-92", 2.4, -1.6, -0.6);
  lib.write(to92, "Transistors", "TO-92", "TO-92, leads 2.54 mm", "Pads 1-2-3 from the left");

  Part to220;  // TO-220 standing, leads 2.54 mm
  for (int i = 0; i < 3; ++i) to220.pad(i * 2.54, 0, 1.1, 2.0, i == 0 ? kPadSquare : kPadOctagon);
  to220.box(-2.54, 1.9, 7.62, -2.6);
  to220.line({{-2.54, 0.9}, {7.62, 0.9}});  // the tab side
  to220.labels("Q?", "TO220", "TO-220", 1.9, -2.6, -2.54);
  lib.write(to220, "Transistors", "TO-220", "TO-220 standing, leads 2.54 mm", "Tab at the top");

  Part sot23;  // SOT-23: IPC nominal pads 0.6 x 0.7 mm
  sot23.smd(0, 0, 0.6, 0.7);
  sot23.smd(1.9, 0, 0.6, 0.7);
  sot23.smd(0.95, 2.2, 0.6, 0.7);
  sot23.box(-0.5, 1.8, 2.4, 0.4);
  sot23.labels("Q?", "SOT23", "SOT-23", 2.8, -0.6, -0.5);
  lib.write(sot23, "Transistors", "SOT-23", "SOT-23", "Pitch 0.95 mm");
  Part to126;  // TO-126 standing, leads 2.28 mm
  for (int i = 0; i < 3; ++i) to126.pad(i * 2.28, 0, 1.0, 1.8, i == 0 ? kPadSquare : kPadOctagon);
  to126.box(-1.72, 1.6, 6.28, -1.6);
  to126.line({{-1.72, 0.9}, {6.28, 0.9}});  // the metal back
  to126.labels("Q?", "BD139", "TO-126", 1.6, -1.6, -1.72);
  lib.write(to126, "Transistors", "TO-126", "TO-126 standing, leads 2.28 mm",
            "Metal back at the top");

  Part sot223;  // SOT-223: three leads on 2.3 mm and the tab across, IPC nominal pads
  for (int i = 0; i < 3; ++i) sot223.smd(i * 2.3, 0, 1.0, 2.0);
  sot223.smd(2.3, 6.3, 3.3, 2.0);
  sot223.box(-1.0, 4.9, 5.6, 1.4);
  sot223.labels("Q?", "SOT223", "SOT-223", 7.6, -1.3, -1.0);
  lib.write(sot223, "Transistors", "SOT-223", "SOT-223", "Pitch 2.3 mm, tab opposite pin 2");
}

}  // namespace
}  // namespace pravelo

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_macro_library FOLDER\n");
    return 2;
  }
  pravelo::Library lib{argv[1]};
  std::filesystem::remove_all(lib.root);
  pravelo::axialParts(lib);
  pravelo::radialCapacitors(lib);
  pravelo::dualInLine(lib);
  pravelo::singleInLine(lib);
  pravelo::smallOutline(lib);
  pravelo::shrinkSmallOutline(lib);
  pravelo::pinHeaders(lib);
  pravelo::chips(lib);
  pravelo::smdDiodes(lib);
  pravelo::screwTerminals(lib);
  pravelo::transistors(lib);
  return lib.ok ? 0 : 1;
}
