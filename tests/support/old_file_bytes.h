#pragma once

// Builds files of the format versions 0 to 5 byte by byte, at the offsets of the old record
// tables, independently of the program's readers. Bytes a table leaves out are filled with
// junk, so that a reader looking at them shows.

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace pravelo::testing {

inline constexpr char kOldJunk = static_cast<char>(0xA5);

// Little-endian numbers and fixed fields appended one after the other.
struct OldBytes {
  std::string bytes;

  template <typename T>
  OldBytes& put(T value) {
    char raw[sizeof(T)];
    std::memcpy(raw, &value, sizeof(T));
    bytes.append(raw, sizeof(T));
    return *this;
  }
  OldBytes& raw(const std::string& more) {
    bytes += more;
    return *this;
  }
  // A length byte and a field of `capacity` bytes, the unused rest zero.
  OldBytes& shortString(const std::string& s, std::size_t capacity) {
    bytes += static_cast<char>(s.size());
    bytes += s;
    bytes.append(capacity - s.size(), '\0');
    return *this;
  }
  OldBytes& counted(const std::string& s) {
    put(static_cast<std::int32_t>(s.size()));
    bytes += s;
    return *this;
  }
  OldBytes& versionWord(int version) {
    return put(0xFFAA3300u + static_cast<std::uint32_t>(version));
  }
};

template <typename T>
void oldPutAt(std::string& image, std::size_t offset, T value) {
  std::memcpy(image.data() + offset, &value, sizeof(T));
}

inline void oldTextAt(std::string& image, std::size_t offset, const std::string& text) {
  image[offset] = static_cast<char>(text.size());
  std::memcpy(image.data() + offset + 1, text.data(), text.size());
}

// The fields an old image can hold; each version writes those its table lists.
struct OldImage {
  std::uint8_t kind = 0;
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // int16, int32 or float by version
  std::int32_t width = 0;
  std::uint8_t selected = 1;
  std::uint8_t layer = 0;
  std::uint8_t variant = 0;
  std::string text;  // versions 0 to 3: inside the image
  std::int16_t componentId = 0;
  std::int32_t paramA = 0;
  std::uint8_t optA = 0;
  std::int32_t clearance = 0;
  std::uint8_t autorouted = 0, optB = 0, optC = 0, cutout = 0;
  std::int32_t paramB = 0;
  std::uint8_t via = 0, solderMask = 0;
  std::uint32_t thermalStamp = 0;
  std::uint8_t maskOnly = 0;
};

inline std::string oldImageBytes(int version, const OldImage& f) {
  if (version <= 2) {
    std::string b(49, kOldJunk);
    b[0] = static_cast<char>(f.kind);
    oldPutAt(b, 1, static_cast<std::int16_t>(f.x1));
    oldPutAt(b, 3, static_cast<std::int16_t>(f.y1));
    oldPutAt(b, 5, static_cast<std::int16_t>(f.x2));
    oldPutAt(b, 7, static_cast<std::int16_t>(f.y2));
    oldPutAt(b, 9, static_cast<std::int16_t>(f.width));
    b[11] = static_cast<char>(f.selected);
    b[12] = static_cast<char>(f.layer);
    b[13] = static_cast<char>(f.variant);
    oldTextAt(b, 14, f.text);
    oldPutAt(b, 34, f.componentId);
    oldPutAt(b, 37, static_cast<std::int16_t>(f.paramA));
    return b;
  }
  std::string b(version == 3 ? 74 : version == 4 ? 75 : 77, kOldJunk);
  b[0] = static_cast<char>(f.kind);
  if (version == 5) {
    oldPutAt(b, 1, f.x1);
    oldPutAt(b, 5, f.y1);
    oldPutAt(b, 9, f.x2);
    oldPutAt(b, 13, f.y2);
  } else {
    oldPutAt(b, 1, static_cast<std::int32_t>(f.x1));
    oldPutAt(b, 5, static_cast<std::int32_t>(f.y1));
    oldPutAt(b, 9, static_cast<std::int32_t>(f.x2));
    oldPutAt(b, 13, static_cast<std::int32_t>(f.y2));
  }
  oldPutAt(b, 17, f.width);
  b[21] = static_cast<char>(f.selected);
  b[22] = static_cast<char>(f.layer);
  b[23] = static_cast<char>(f.variant);
  if (version == 3) {
    oldTextAt(b, 24, f.text);
    oldPutAt(b, 44, f.componentId);  // ignored by the reader
    oldPutAt(b, 47, f.paramA);
    b[56] = static_cast<char>(f.optA);
    oldPutAt(b, 57, f.clearance);
    return b;
  }
  oldPutAt(b, 28, f.componentId);  // ignored by the reader
  oldPutAt(b, 31, f.paramA);
  b[40] = static_cast<char>(f.optA);
  oldPutAt(b, 41, f.clearance);
  if (version == 4) {
    b[53] = static_cast<char>(f.autorouted);
    b[54] = static_cast<char>(f.optB);
    b[55] = static_cast<char>(f.optC);
    b[56] = static_cast<char>(f.cutout);
    return b;
  }
  b[49] = static_cast<char>(f.autorouted);
  b[50] = static_cast<char>(f.optB);
  b[51] = static_cast<char>(f.optC);
  b[52] = static_cast<char>(f.cutout);
  oldPutAt(b, 53, f.paramB);
  b[57] = static_cast<char>(f.via);
  b[58] = static_cast<char>(f.solderMask);
  oldPutAt(b, 62, f.thermalStamp);
  b[74] = static_cast<char>(f.maskOnly);  // ignored by the reader
  return b;
}

// The fields of the old board headers (versions 3 to 5).
struct OldHeader {
  std::int32_t width = 16000;  // old units
  std::int32_t height = 10000;
  std::array<std::uint8_t, 7> groundPlane{};  // version 3 and 4: only C1 and C2
  double grid = 127;
  double zoom = 0.1;
  std::int32_t scrollX = 0, scrollY = 0;
  std::int32_t activeLayer = 3;
  std::array<std::uint8_t, 7> visible{1, 1, 1, 1, 0, 0, 1};  // version 4: layers 1 to 4
  std::array<std::uint8_t, 2> templateShown{};
  std::array<std::string, 2> templateFile;
  std::array<std::int32_t, 2> dpi{600, 600}, offsetX{}, offsetY{}, tint{65280, 65280};
  std::int32_t originX = 0, originY = 0;  // versions 4 and 5
  std::uint8_t multilayer = 0;            // version 5
};

inline std::string oldHeaderBytes(int version, const OldHeader& h) {
  if (version == 5) {
    std::string b(499, '\0');
    oldPutAt(b, 4, h.width);
    oldPutAt(b, 8, h.height);
    std::memcpy(b.data() + 12, h.groundPlane.data(), 7);
    oldPutAt(b, 19, h.grid);
    oldPutAt(b, 27, h.zoom);
    oldPutAt(b, 35, h.scrollX);
    oldPutAt(b, 39, h.scrollY);
    oldPutAt(b, 43, h.activeLayer);
    std::memcpy(b.data() + 47, h.visible.data(), 7);
    b[54] = static_cast<char>(h.templateShown[0]);
    b[55] = static_cast<char>(h.templateShown[1]);
    oldTextAt(b, 56, h.templateFile[0]);
    oldTextAt(b, 257, h.templateFile[1]);
    for (int side = 0; side < 2; ++side) {
      oldPutAt(b, 458 + 4 * side, h.dpi[side]);
      oldPutAt(b, 466 + 4 * side, h.offsetX[side]);
      oldPutAt(b, 474 + 4 * side, h.offsetY[side]);
      oldPutAt(b, 482 + 4 * side, h.tint[side]);
    }
    oldPutAt(b, 490, h.originX);
    oldPutAt(b, 494, h.originY);
    b[498] = static_cast<char>(h.multilayer);
    return b;
  }
  std::string b(version == 3 ? 482 : 490, kOldJunk);
  oldPutAt(b, 4, h.width);
  oldPutAt(b, 8, h.height);
  b[12] = static_cast<char>(h.groundPlane[0]);
  b[13] = static_cast<char>(h.groundPlane[2]);
  oldPutAt(b, 14, h.grid);
  oldPutAt(b, 22, h.zoom);
  oldPutAt(b, 30, h.scrollX);
  oldPutAt(b, 34, h.scrollY);
  oldPutAt(b, 38, h.activeLayer);
  if (version == 4) std::memcpy(b.data() + 42, h.visible.data(), 4);
  b[46] = static_cast<char>(h.templateShown[0]);
  b[47] = static_cast<char>(h.templateShown[1]);
  oldTextAt(b, 48, h.templateFile[0]);
  oldTextAt(b, 249, h.templateFile[1]);
  const std::int32_t numbers[8] = {h.dpi[0],     h.dpi[1],     h.offsetX[0], h.offsetX[1],
                                   h.offsetY[0], h.offsetY[1], h.tint[0],    h.tint[1]};
  for (int i = 0; i < 8; ++i) oldPutAt(b, 450 + 4 * i, numbers[i]);
  if (version == 4) {
    oldPutAt(b, 482, h.originX);
    oldPutAt(b, 486, h.originY);
  }
  return b;
}

// One object block of an old version: the image and what follows it in that version.
struct OldObject {
  OldImage image;
  std::string text;                             // version 4 and 5 (counted string)
  std::string name;                             // version 5
  std::vector<std::int32_t> groups;             // versions 2 to 5
  std::vector<std::pair<float, float>> points;  // zones and tracks (version 5: all point kinds)
  std::vector<OldObject> children;              // texts of versions 4 and 5
  std::int32_t partner = -1;                    // through-hole pads of versions 3 and 4
};

inline std::string oldObjectBytes(int version, const OldObject& o) {
  OldBytes b;
  b.raw(oldImageBytes(version, o.image));
  if (version >= 4) b.counted(o.text);
  if (version == 5) b.counted(o.name);
  auto number = [&](float v) {
    if (version <= 2) {
      b.put(static_cast<std::int16_t>(v));
    } else if (version <= 4) {
      b.put(static_cast<std::int32_t>(v));
    } else {
      b.put(v);
    }
  };
  if (version == 2) {
    b.put(static_cast<std::int16_t>(o.groups.size()));
    for (std::int32_t g : o.groups) b.put(static_cast<std::int16_t>(g));
  } else if (version > 2) {
    b.put(static_cast<std::int32_t>(o.groups.size()));
    for (std::int32_t g : o.groups) b.put(g);
  }
  const std::uint8_t kind = o.image.kind;
  const bool hasPoints =
      version == 5 ? (kind == 2 || kind == 4 || kind == 6 || kind == 8) : (kind == 4 || kind == 6);
  if (hasPoints) {
    if (version <= 2) {
      b.put(static_cast<std::int16_t>(o.points.size()));
    } else {
      b.put(static_cast<std::int32_t>(o.points.size()));
    }
    for (const auto& [x, y] : o.points) {
      number(x);
      number(y);
    }
  }
  if (version >= 4 && kind == 7) {
    b.put(static_cast<std::int32_t>(o.children.size()));
    for (const OldObject& child : o.children) {
      b.raw(oldImageBytes(version, child.image));
      b.put(static_cast<std::int32_t>(child.points.size()));
      for (const auto& [x, y] : child.points) {
        number(x);
        number(y);
      }
    }
  }
  if ((version == 3 || version == 4) && kind == 2) b.put(o.partner);
  return b.bytes;
}

// The connection lists (one per pad that has a list in `version`, in list order) and the route
// ends of the autorouted tracks.
struct OldSection {
  std::vector<OldObject> objects;
  std::vector<std::vector<std::int32_t>> connections;
  std::vector<std::pair<std::int32_t, std::int32_t>> routeEnds;
};

inline std::string oldSectionBytes(int version, const OldSection& section) {
  OldBytes b;
  if (version <= 2) {
    b.put(static_cast<std::int16_t>(section.objects.size()));
  } else {
    b.put(static_cast<std::int32_t>(section.objects.size()));
  }
  for (const OldObject& o : section.objects) b.raw(oldObjectBytes(version, o));
  if (version <= 2) return b.bytes;
  for (const auto& list : section.connections) {
    b.put(static_cast<std::int32_t>(list.size()));
    for (std::int32_t index : list) b.put(index);
  }
  for (const auto& [a, e] : section.routeEnds) b.put(a).put(e);
  return b.bytes;
}

// A whole file of version 0 to 2: the board size in old units and the objects.
inline std::string earlyLayoutBytes(int version, std::int32_t width, std::int32_t height,
                                    const OldSection& section) {
  OldBytes b;
  b.versionWord(version).put(width).put(height);
  return b.raw(oldSectionBytes(version, section)).bytes;
}

struct OldBoard {
  std::string name;
  OldHeader header;
  OldSection section;
};

struct OldProject {
  std::string title, author, company, comment;
};

// A whole file of version 3 to 5.
inline std::string oldLayoutBytes(int version, const std::vector<OldBoard>& boards,
                                  std::int32_t activeBoard, const OldProject& project = {}) {
  OldBytes b;
  b.versionWord(version).put(static_cast<std::int32_t>(boards.size()));
  for (const OldBoard& board : boards) {
    b.shortString(board.name, 30);
    b.raw(oldHeaderBytes(version, board.header));
    b.raw(oldSectionBytes(version, board.section));
  }
  b.put(activeBoard);
  if (version == 3) return b.put(std::int32_t{12345}).put(std::int32_t{-678}).bytes;
  b.shortString(project.title, 100).shortString(project.author, 100);
  b.shortString(project.company, 100).counted(project.comment);
  return b.bytes;
}

// A macro file: the version word, the object section and from version 4 the description lines.
inline std::string oldMacroBytes(int version, const OldSection& section,
                                 const std::string& line1 = "", const std::string& line2 = "") {
  OldBytes b;
  b.versionWord(version).raw(oldSectionBytes(version, section));
  if (version >= 4) b.shortString(line1, 50).shortString(line2, 50);
  return b.bytes;
}

}  // namespace pravelo::testing
