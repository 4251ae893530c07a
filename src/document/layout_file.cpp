#include "document/layout_file.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>
#include <unordered_set>

#include "document/byte_io.h"
#include "document/document_texts.h"
#include "document/layout_version.h"
#include "document/object_image.h"

namespace pravelo {
namespace {

static_assert(sizeof(FPoint) == 8, "vertices are stored as two packed floats");

// The smallest number of bytes each counted item occupies, so that a count can be checked
// against the rest of the file before anything is allocated for it.
constexpr std::size_t kMinBoardBlock = kBoardNameMax + 1 + kBoardHeaderSize + 4;
constexpr std::size_t kMinObjectBlock = kObjectImageSize + 3 * 4;  // text, name, group count
constexpr std::size_t kMinChildBlock = kObjectImageSize + 4;       // vertex count
constexpr std::size_t kIndexSize = 4;
constexpr std::size_t kGroupSize = 4;
constexpr std::size_t kVertexSize = sizeof(FPoint);

// ---------------------------------------------------------------------------------------------
// Reading

// A count of `itemSize`-byte items; a mask-only zone stores one more than it has (`surplus`).
std::size_t readCount(ByteReader& in, const Text& field, std::size_t itemSize,
                      std::int32_t surplus = 0) {
  const std::size_t at = in.offset();
  const auto stored = in.get<std::int32_t>(field);
  if (stored < 0) throw FileFormatError(texts::problemNegativeCount, field, at);
  if (stored < surplus) throw FileFormatError(texts::problemCountTooSmall, field, at);
  const auto count = static_cast<std::uint64_t>(stored - surplus);
  if (count * itemSize > in.remaining()) {
    throw FileFormatError(texts::problemCountTooLarge, field, at);
  }
  return static_cast<std::size_t>(count);
}

// An int32 length and that many bytes; a length of 0 or less is an empty string.
std::string readCountedString(ByteReader& in, const Text& field, std::size_t max) {
  const std::size_t at = in.offset();
  const auto n = in.get<std::int32_t>(field);
  if (n <= 0) return {};
  if (static_cast<std::size_t>(n) > max) {
    throw FileFormatError(texts::problemStringTooLong, field, at);
  }
  return std::string(in.getBytes(static_cast<std::size_t>(n), field));
}

// A length byte and a field of `capacity` bytes.
std::string readShortString(ByteReader& in, std::size_t capacity, const Text& field) {
  const std::size_t at = in.offset();
  const std::string_view bytes = in.getBytes(capacity + 1, field);
  const std::size_t n = static_cast<std::uint8_t>(bytes[0]);
  if (n > capacity) throw FileFormatError(texts::problemStringTooLong, field, at);
  return std::string(bytes.substr(1, n));
}

void readImage(ByteReader& in, const Text& field, TObjekt& o) {
  const std::string_view image = in.getBytes(kObjectImageSize, field);
  readObjectImage(reinterpret_cast<const std::uint8_t*>(image.data()), o);
  o.selected = 0;
}

void readVertices(ByteReader& in, std::size_t count, std::vector<FPoint>& points) {
  const std::string_view bytes = in.getBytes(count * kVertexSize, texts::fieldPoint);
  points.resize(count);
  if (count > 0) std::memcpy(points.data(), bytes.data(), bytes.size());
}

void readGroups(ByteReader& in, TObjekt& o) {
  const std::size_t count = readCount(in, texts::fieldGroupCount, kGroupSize);
  const std::string_view bytes = in.getBytes(count * kGroupSize, texts::fieldGroup);
  o.groups.resize(count);
  if (count > 0) std::memcpy(o.groups.data(), bytes.data(), bytes.size());
}

void readChildren(ByteReader& in, TObjekt& o) {
  const std::size_t count = readCount(in, texts::fieldChildCount, kMinChildBlock);
  o.children.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    TObjekt child = newObject();
    readImage(in, texts::fieldChild, child);
    readVertices(in, readCount(in, texts::fieldPointCount, kVertexSize), child.points);
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

std::unique_ptr<TObjekt> readObject(ByteReader& in) {
  auto o = std::make_unique<TObjekt>(newObject());
  readImage(in, texts::fieldObject, *o);
  o->text = readCountedString(in, texts::fieldText, kCountedStringMax);
  o->name = readCountedString(in, texts::fieldName, kCountedStringMax);
  readGroups(in, *o);
  o->closed = 1;
  if (hasPointList(o->kind)) {
    const std::int32_t surplus = isMaskOnlyZone(*o) ? 1 : 0;
    readVertices(in, readCount(in, texts::fieldPointCount, kVertexSize, surplus), o->points);
  }
  if (o->kind == kText) readChildren(in, *o);
  // The file's own rule: any text with bit 0 of its role carries component data.
  if (o->kind == kText && (o->variant & 1) != 0) readComponentData(in, o->component);
  return o;
}

// Partner lists of the pads. An index outside the list, at the pad itself, at an object that
// is not a pad, or repeated, is skipped; a partner missing the way back gets it, so that the
// lists end up symmetric.
void readConnections(ByteReader& in, ObjectList& objects) {
  const std::size_t n = objects.size();
  std::vector<std::vector<std::uint32_t>> partners(n);
  std::vector<std::int64_t> listedBy(n, -1);  // the last pad whose list named the object
  for (std::size_t i = 0; i < n; ++i) {
    if (!isPadKind(objects[i]->kind)) continue;
    const std::size_t count = readCount(in, texts::fieldConnectionCount, kIndexSize);
    for (std::size_t k = 0; k < count; ++k) {
      const auto index = in.get<std::int32_t>(texts::fieldConnection);
      if (index < 0 || static_cast<std::size_t>(index) >= n) continue;
      const auto j = static_cast<std::size_t>(index);
      if (j == i || !isPadKind(objects[j]->kind) || listedBy[j] == static_cast<std::int64_t>(i)) {
        continue;
      }
      listedBy[j] = static_cast<std::int64_t>(i);
      partners[i].push_back(static_cast<std::uint32_t>(j));
    }
  }
  auto edge = [](std::uint64_t a, std::uint64_t b) { return a << 32 | b; };
  std::unordered_set<std::uint64_t> edges;
  for (std::size_t i = 0; i < n; ++i) {
    for (std::uint32_t j : partners[i]) edges.insert(edge(i, j));
  }
  for (std::size_t i = 0; i < n; ++i) {
    for (std::uint32_t j : partners[i]) {
      if (edges.insert(edge(j, i)).second) partners[j].push_back(static_cast<std::uint32_t>(i));
    }
  }
  for (std::size_t i = 0; i < n; ++i) {
    objects[i]->connections.reserve(partners[i].size());
    for (std::uint32_t j : partners[i]) objects[i]->connections.push_back(objects[j].get());
  }
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

void readHeader(ByteReader& in, BoardHeader& header) {
  const std::size_t at = in.offset();
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(
      in.getBytes(kBoardHeaderSize, texts::fieldBoardHeader).data());
  for (std::size_t offset : {std::size_t{56}, std::size_t{257}}) {
    if (bytes[offset] > kTemplateNameMax) {
      throw FileFormatError(texts::problemStringTooLong, texts::fieldTemplateName, at + offset);
    }
  }
  readBoardHeader(bytes, header);
}

std::unique_ptr<Board> readBoard(ByteReader& in) {
  auto board = std::make_unique<Board>();
  board->name = readShortString(in, kBoardNameMax, texts::fieldBoardName);
  readHeader(in, board->header);
  const std::size_t count = readCount(in, texts::fieldObjectCount, kMinObjectBlock);
  board->objects.reserve(count);
  for (std::size_t i = 0; i < count; ++i) board->objects.push_back(readObject(in));
  readConnections(in, board->objects);
  readRouteEnds(in, board->objects);
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

// The object count, the objects, each pad's partners and each routed track's two ends.
void writeObjects(ByteWriter& out, const ObjectList& objects) {
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

void writeBoard(ByteWriter& out, const Board& board) {
  writeShortString(out, board.name, kBoardNameMax);
  std::uint8_t header[kBoardHeaderSize];
  writeBoardHeader(board.header, header);
  out.putBytes(header, kBoardHeaderSize);
  writeObjects(out, board.objects);
}

}  // namespace

LayoutContents parseLayout(std::string_view bytes) {
  ByteReader in(bytes);
  if (in.get<std::uint32_t>(texts::fieldVersion) != kLayoutVersionBase + kLayoutVersion) {
    throw FileFormatError(texts::problemUnsupportedVersion, texts::fieldVersion, 0);
  }
  const std::size_t countAt = in.offset();
  const auto boardCount = in.get<std::int32_t>(texts::fieldBoardCount);
  if (boardCount < 1)
    throw FileFormatError(texts::problemNoBoards, texts::fieldBoardCount, countAt);
  if (static_cast<std::uint64_t>(boardCount) * kMinBoardBlock > in.remaining()) {
    throw FileFormatError(texts::problemCountTooLarge, texts::fieldBoardCount, countAt);
  }
  LayoutContents contents;
  contents.boards.reserve(static_cast<std::size_t>(boardCount));
  for (std::int32_t b = 0; b < boardCount; ++b) contents.boards.push_back(readBoard(in));

  contents.activeBoard = in.get<std::int32_t>(texts::fieldActiveBoard);
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

std::string writeObjectSection(const ObjectList& objects) {
  std::string bytes;
  ByteWriter out(bytes);
  writeObjects(out, objects);
  return bytes;
}

}  // namespace pravelo
