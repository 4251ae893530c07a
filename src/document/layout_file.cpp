#include "document/layout_file.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <unordered_map>

#include "document/byte_io.h"
#include "document/document_texts.h"
#include "document/layout_version.h"
#include "document/object_image.h"
#include "document/object_section.h"
#include "document/old_board_header.h"
#include "document/old_object_image.h"
#include "document/old_object_section.h"
#include "document/stored_fields.h"

namespace pravelo {
namespace {

static_assert(sizeof(FPoint) == 8, "vertices are stored as two packed floats");

// The smallest number of bytes each counted item occupies, so that a count can be checked
// against the rest of the file before anything is allocated for it.
constexpr std::size_t kMinObjectBlock = kObjectImageSize + 3 * 4;  // text, name, group count
constexpr std::size_t kMinChildBlock = kObjectImageSize + 4;       // vertex count
constexpr std::size_t kIndexSize = 4;
constexpr std::size_t kGroupSize = 4;
constexpr std::size_t kVertexSize = sizeof(FPoint);

// ---------------------------------------------------------------------------------------------
// Reading

// Version 5 differs from version 6 only in its images and vertices (old units) and in what it
// lacks: component data and the mask-only switch.
void readImage(ByteReader& in, int version, const Text& field, TObjekt& o) {
  const std::size_t at = in.offset();
  const auto* image =
      reinterpret_cast<const std::uint8_t*>(in.getBytes(kObjectImageSize, field).data());
  if (version == kLayoutVersion) {
    readObjectImage(image, o);
    o.selected = 0;
  } else {
    readOldObjectImage(image, version, at, o);
  }
}

void readVertices(ByteReader& in, int version, std::size_t count, std::vector<FPoint>& points) {
  const std::string_view bytes = in.getBytes(count * kVertexSize, texts::fieldPoint);
  points.resize(count);
  if (count > 0) std::memcpy(points.data(), bytes.data(), bytes.size());
  if (version != kLayoutVersion) {
    for (FPoint& p : points) p = {oldLength(p.x), oldLength(p.y)};
  }
}

void readGroups(ByteReader& in, TObjekt& o) {
  const std::size_t count = readCount(in, texts::fieldGroupCount, kGroupSize);
  const std::string_view bytes = in.getBytes(count * kGroupSize, texts::fieldGroup);
  o.groups.resize(count);
  if (count > 0) std::memcpy(o.groups.data(), bytes.data(), bytes.size());
}

void readChildren(ByteReader& in, int version, TObjekt& o) {
  const std::size_t count = readCount(in, texts::fieldChildCount, kMinChildBlock);
  o.children.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    TObjekt child = newObject();
    readImage(in, version, texts::fieldChild, child);
    readVertices(in, version, readCount(in, texts::fieldPointCount, kVertexSize), child.points);
    o.children.push_back(std::move(child));
  }
}

void readComponentData(ByteReader& in, ComponentData& c) {
  c.placeOffset.x = in.get<float>(texts::fieldComponentData);
  c.placeOffset.y = in.get<float>(texts::fieldComponentData);
  c.centreMode = in.get<std::uint8_t>(texts::fieldComponentData);
  c.placeRotation = in.get<double>(texts::fieldComponentData);
  c.package = readCountedString(in, texts::fieldComponentData, kCountedStringMax);
  c.comment = readCountedString(in, texts::fieldComponentData, kCountedStringMax);
  c.usePickPlace = in.get<std::uint8_t>(texts::fieldComponentData);
}

std::unique_ptr<TObjekt> readObject(ByteReader& in, int version) {
  auto o = std::make_unique<TObjekt>(newObject());
  readImage(in, version, texts::fieldObject, *o);
  o->text = readCountedString(in, texts::fieldText, kCountedStringMax);
  o->name = readCountedString(in, texts::fieldName, kCountedStringMax);
  readGroups(in, *o);
  o->closed = 1;
  if (hasPointList(o->kind)) {
    const std::int32_t surplus = isMaskOnlyZone(*o) ? 1 : 0;
    readVertices(in, version, readCount(in, texts::fieldPointCount, kVertexSize, surplus),
                 o->points);
  }
  if (o->kind == kText) readChildren(in, version, *o);
  // Version 5 texts had no roles yet, so they carry no component data either.
  if (version != kLayoutVersion) applyOldObjectDefaults(*o, version);
  // The file's own rule: any text with bit 0 of its role carries component data.
  if (o->kind == kText && (o->variant & 1) != 0) readComponentData(in, o->component);
  return o;
}

// Partner lists of the pads, made symmetric.
void readConnections(ByteReader& in, ObjectList& objects) {
  const std::size_t n = objects.size();
  std::vector<std::vector<std::uint32_t>> partners(n);
  for (std::size_t i = 0; i < n; ++i) {
    if (!isPadKind(objects[i]->kind)) continue;
    const std::size_t count = readCount(in, texts::fieldConnectionCount, kIndexSize);
    for (std::size_t k = 0; k < count; ++k) {
      const auto index = in.get<std::int32_t>(texts::fieldConnection);
      if (index >= 0 && static_cast<std::size_t>(index) < n) {
        partners[i].push_back(static_cast<std::uint32_t>(index));
      }
    }
  }
  linkConnections(objects, partners);
}

// Route ends of autorouted tracks; an end that is not a pad of this board stays empty.
void readRouteEnds(ByteReader& in, ObjectList& objects) {
  auto resolve = [&](std::int32_t index) -> TObjekt* {
    if (index < 0 || static_cast<std::size_t>(index) >= objects.size()) return nullptr;
    TObjekt* end = objects[static_cast<std::size_t>(index)].get();
    return isPadKind(end->kind) ? end : nullptr;
  };
  for (auto& o : objects) {
    if (o->kind != kTrack || o->autorouted == 0) continue;
    o->routeEndA = resolve(in.get<std::int32_t>(texts::fieldRouteEnd));
    o->routeEndB = resolve(in.get<std::int32_t>(texts::fieldRouteEnd));
  }
}

// Versions 0 to 3 kept the two copper sides the other way round.
void exchangeCopperSides(Board& board) {
  exchangeCopperLayers(board.objects);
  std::swap(board.header.groundPlane[kLayerC1 - 1], board.header.groundPlane[kLayerC2 - 1]);
}

// Version 1 components become groups: one new group number per component number in use, in
// the order of the numbers.
void turnComponentsIntoGroups(ObjectList& objects) {
  std::map<std::int16_t, std::vector<TObjekt*>> components;
  std::int32_t lastGroup = 0;
  for (auto& o : objects) {
    for (std::int32_t g : o->groups) lastGroup = std::max(lastGroup, g);
    if (o->componentId != 0) components[o->componentId].push_back(o.get());
    o->componentId = 0;
  }
  for (auto& [number, members] : components) {
    ++lastGroup;
    for (TObjekt* o : members) pushGroup(*o, lastGroup);
  }
}

void readHeader(ByteReader& in, int version, BoardHeader& header) {
  const std::size_t at = in.offset();
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(
      in.getBytes(oldBoardHeaderSize(version), texts::fieldBoardHeader).data());
  if (version == kLayoutVersion) {
    readStoredBoardHeader(bytes, at, header);
  } else {
    readOldBoardHeader(bytes, version, at, header);
  }
}

// Versions 3 to 6 keep boards in blocks of name, header and object section.
std::unique_ptr<Board> readBoard(ByteReader& in, int version) {
  auto board = std::make_unique<Board>();
  board->name = readShortString(in, kBoardNameMax, texts::fieldBoardName);
  readHeader(in, version, board->header);
  if (version >= 5) {
    readObjectSection(in, board->objects, version);
  } else {
    readOldObjectSection(in, version, board->objects);
  }
  if (version <= 3) exchangeCopperSides(*board);
  return board;
}

// Versions 0 to 2 hold one board without name or header: its size, then its objects.
std::unique_ptr<Board> readEarlyBoard(ByteReader& in, int version, const std::string& name) {
  auto board = std::make_unique<Board>();
  board->name = name;
  const auto width = in.get<std::int32_t>(texts::fieldBoardSize);
  const auto height = in.get<std::int32_t>(texts::fieldBoardSize);
  board->header = newBoardHeader(oldBoardSide(width), oldBoardSide(height));
  readOldObjectSection(in, version, board->objects);
  exchangeCopperSides(*board);
  if (version == 1) turnComponentsIntoGroups(board->objects);
  return board;
}

// ---------------------------------------------------------------------------------------------
// Writing

void writeCountedString(ByteWriter& out, const std::string& s, std::size_t max) {
  const std::size_t n = std::min(s.size(), max);
  out.put(static_cast<std::int32_t>(n));
  out.putBytes(s.data(), n);
}

void writeShortString(ByteWriter& out, const std::string& s, std::size_t capacity) {
  const std::size_t n = std::min(s.size(), capacity);
  out.put(static_cast<std::uint8_t>(n));
  out.putBytes(s.data(), n);
  out.putZeros(capacity - n);
}

void writeImage(ByteWriter& out, const TObjekt& o) {
  std::uint8_t image[kObjectImageSize];
  writeObjectImage(o, image);
  out.putBytes(image, kObjectImageSize);
}

void writeVertices(ByteWriter& out, const std::vector<FPoint>& points, std::int32_t surplus) {
  out.put(static_cast<std::int32_t>(points.size()) + surplus);
  out.putBytes(points.data(), points.size() * kVertexSize);
}

void writeComponentData(ByteWriter& out, const ComponentData& c) {
  out.put(c.placeOffset.x);
  out.put(c.placeOffset.y);
  out.put(c.centreMode);
  out.put(c.placeRotation);
  writeCountedString(out, c.package, kCountedStringMax);
  writeCountedString(out, c.comment, kCountedStringMax);
  out.put(c.usePickPlace);
}

void writeObject(ByteWriter& out, const TObjekt& o) {
  writeImage(out, o);
  writeCountedString(out, o.text, kCountedStringMax);
  writeCountedString(out, o.name, kCountedStringMax);
  out.put(static_cast<std::int32_t>(o.groups.size()));
  out.putBytes(o.groups.data(), o.groups.size() * kGroupSize);
  if (hasPointList(o.kind)) writeVertices(out, o.points, isMaskOnlyZone(o) ? 1 : 0);
  if (o.kind == kText) {
    out.put(static_cast<std::int32_t>(o.children.size()));
    for (const TObjekt& child : o.children) {
      writeImage(out, child);
      writeVertices(out, child.points, 0);
    }
  }
  if (isIdText(o)) writeComponentData(out, o.component);
}

void writeBoard(ByteWriter& out, const Board& board) {
  writeShortString(out, board.name, kBoardNameMax);
  std::uint8_t header[kBoardHeaderSize];
  writeBoardHeader(board.header, header);
  out.putBytes(header, kBoardHeaderSize);
  writeObjectSection(out, board.objects);
}

}  // namespace

void readObjectSection(ByteReader& in, ObjectList& objects, int version) {
  const std::size_t count = readCount(in, texts::fieldObjectCount, kMinObjectBlock);
  objects.reserve(count);
  for (std::size_t i = 0; i < count; ++i) objects.push_back(readObject(in, version));
  readConnections(in, objects);
  readRouteEnds(in, objects);
}

void writeObjectSection(ByteWriter& out, const ObjectList& objects) {
  out.put(static_cast<std::int32_t>(objects.size()));
  for (const auto& o : objects) writeObject(out, *o);

  std::unordered_map<const TObjekt*, std::int32_t> indexOf;
  indexOf.reserve(objects.size());
  for (std::size_t i = 0; i < objects.size(); ++i) {
    indexOf.emplace(objects[i].get(), static_cast<std::int32_t>(i));
  }
  auto index = [&](const TObjekt* o) {
    const auto it = indexOf.find(o);
    return it == indexOf.end() ? -1 : it->second;
  };
  std::vector<std::int32_t> partners;
  for (const auto& o : objects) {
    if (!isPadKind(o->kind)) continue;
    partners.clear();
    for (const TObjekt* partner : o->connections) {
      if (const std::int32_t i = index(partner); i >= 0) partners.push_back(i);
    }
    out.put(static_cast<std::int32_t>(partners.size()));
    out.putBytes(partners.data(), partners.size() * kIndexSize);
  }
  for (const auto& o : objects) {
    if (o->kind != kTrack || o->autorouted == 0) continue;
    out.put(index(o->routeEndA));
    out.put(index(o->routeEndB));
  }
}

LayoutContents parseLayout(std::string_view bytes, Language language) {
  ByteReader in(bytes);
  const std::int64_t version =
      static_cast<std::int64_t>(in.get<std::uint32_t>(texts::fieldVersion)) - kLayoutVersionBase;
  if (version < 0 || version > kLayoutVersion) {
    throw FileFormatError(texts::problemUnsupportedVersion, texts::fieldVersion, 0);
  }
  LayoutContents contents;
  contents.formatVersion = static_cast<int>(version);
  if (version <= 2) {
    contents.boards.push_back(
        readEarlyBoard(in, contents.formatVersion, tr(texts::defaultBoardName, language)));
    return contents;
  }
  const std::size_t countAt = in.offset();
  const auto boardCount = in.get<std::int32_t>(texts::fieldBoardCount);
  if (boardCount < 1)
    throw FileFormatError(texts::problemNoBoards, texts::fieldBoardCount, countAt);
  const std::size_t minBoardBlock =
      kBoardNameMax + 1 + oldBoardHeaderSize(contents.formatVersion) + 4;
  if (static_cast<std::uint64_t>(boardCount) * minBoardBlock > in.remaining()) {
    throw FileFormatError(texts::problemCountTooLarge, texts::fieldBoardCount, countAt);
  }
  contents.boards.reserve(static_cast<std::size_t>(boardCount));
  for (std::int32_t b = 0; b < boardCount; ++b) {
    contents.boards.push_back(readBoard(in, contents.formatVersion));
  }

  contents.activeBoard = in.get<std::int32_t>(texts::fieldActiveBoard);
  if (version == 3) {
    // Version 3 stored one origin for all boards after them; each board keeps its header's.
    in.getBytes(8, texts::fieldOrigin);
    return contents;
  }
  contents.project.title = readShortString(in, kProjectStringMax, texts::fieldProjectInfo);
  contents.project.author = readShortString(in, kProjectStringMax, texts::fieldProjectInfo);
  contents.project.company = readShortString(in, kProjectStringMax, texts::fieldProjectInfo);
  // Whatever follows the comment (junk appended by a transfer, say) is no part of the document.
  contents.project.comment = readCountedString(in, texts::fieldProjectComment, kProjectCommentMax);
  return contents;
}

std::string writeLayout(const Document& doc) {
  std::string bytes;
  ByteWriter out(bytes);
  out.put(kLayoutVersionBase + kLayoutVersion);
  out.put(static_cast<std::int32_t>(doc.boards.size()));
  for (const auto& board : doc.boards) writeBoard(out, *board);
  out.put(static_cast<std::int32_t>(doc.activeBoard));
  writeShortString(out, doc.project.title, kProjectStringMax);
  writeShortString(out, doc.project.author, kProjectStringMax);
  writeShortString(out, doc.project.company, kProjectStringMax);
  writeCountedString(out, doc.project.comment, kProjectCommentMax);
  return bytes;
}

}  // namespace pravelo
