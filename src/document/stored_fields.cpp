#include "document/stored_fields.h"

#include <unordered_set>

#include "document/document_texts.h"

namespace pravelo {
namespace {

// A count stored as `Stored`, checked as readCount describes.
template <typename Stored>
std::size_t readStoredCount(ByteReader& in, const Text& field, std::size_t itemSize,
                            std::int32_t surplus) {
  const std::size_t at = in.offset();
  const std::int32_t stored = in.get<Stored>(field);
  if (stored < 0) throw FileFormatError(texts::problemNegativeCount, field, at);
  if (stored < surplus) throw FileFormatError(texts::problemCountTooSmall, field, at);
  const auto count = static_cast<std::uint64_t>(stored - surplus);
  if (count * itemSize > in.remaining()) {
    throw FileFormatError(texts::problemCountTooLarge, field, at);
  }
  return static_cast<std::size_t>(count);
}

}  // namespace

std::size_t readCount(ByteReader& in, const Text& field, std::size_t itemSize,
                      std::int32_t surplus) {
  return readStoredCount<std::int32_t>(in, field, itemSize, surplus);
}

std::size_t readShortCount(ByteReader& in, const Text& field, std::size_t itemSize) {
  return readStoredCount<std::int16_t>(in, field, itemSize, 0);
}

std::string readCountedString(ByteReader& in, const Text& field, std::size_t max) {
  const std::size_t at = in.offset();
  const auto n = in.get<std::int32_t>(field);
  if (n <= 0) return {};
  if (static_cast<std::size_t>(n) > max) {
    throw FileFormatError(texts::problemStringTooLong, field, at);
  }
  return std::string(in.getBytes(static_cast<std::size_t>(n), field));
}

std::string readShortString(ByteReader& in, std::size_t capacity, const Text& field) {
  const std::size_t at = in.offset();
  const std::string_view bytes = in.getBytes(capacity + 1, field);
  const std::size_t n = static_cast<std::uint8_t>(bytes[0]);
  if (n > capacity) throw FileFormatError(texts::problemStringTooLong, field, at);
  return std::string(bytes.substr(1, n));
}

void linkConnections(ObjectList& objects, const std::vector<std::vector<std::uint32_t>>& partners) {
  const std::size_t n = objects.size();
  auto edge = [](std::uint64_t a, std::uint64_t b) { return a << 32 | b; };
  std::unordered_set<std::uint64_t> edges;
  std::vector<std::vector<std::uint32_t>> kept(n);
  for (std::size_t i = 0; i < n; ++i) {
    if (!isPadKind(objects[i]->kind)) continue;
    for (std::uint32_t j : partners[i]) {
      if (j >= n || j == i || !isPadKind(objects[j]->kind)) continue;
      if (edges.insert(edge(i, j)).second) kept[i].push_back(j);
    }
  }
  for (std::size_t i = 0; i < n; ++i) {
    // Only the lists of other objects grow here, since no pad lists itself.
    for (std::uint32_t j : kept[i]) {
      if (edges.insert(edge(j, i)).second) kept[j].push_back(static_cast<std::uint32_t>(i));
    }
  }
  for (std::size_t i = 0; i < n; ++i) {
    objects[i]->connections.reserve(kept[i].size());
    for (std::uint32_t j : kept[i]) objects[i]->connections.push_back(objects[j].get());
  }
}

}  // namespace pravelo
