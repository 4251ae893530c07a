#include "document/old_object_section.h"

#include <memory>
#include <utility>
#include <vector>

#include "base/units.h"
#include "document/document_texts.h"
#include "document/object_list.h"
#include "document/old_object_image.h"
#include "document/stored_fields.h"

namespace pravelo {
namespace {

constexpr std::int32_t kNoPartner = -1;

bool usesShortNumbers(int version) { return version <= 2; }
std::size_t oldNumberSize(int version) { return usesShortNumbers(version) ? 2 : 4; }

std::size_t readOldCount(ByteReader& in, int version, const Text& field, std::size_t itemSize) {
  return usesShortNumbers(version) ? readShortCount(in, field, itemSize)
                                   : readCount(in, field, itemSize);
}

std::int32_t readOldNumber(ByteReader& in, int version, const Text& field) {
  return usesShortNumbers(version) ? in.get<std::int16_t>(field) : in.get<std::int32_t>(field);
}

// The fewest bytes an object of `version` takes: its image, then the text of version 4 and the
// group count of versions 2 and later.
std::size_t minOldObjectBlock(int version) {
  std::size_t size = oldObjectImageSize(version);
  if (version == 4) size += 4;
  if (version >= 2) size += oldNumberSize(version);
  return size;
}

void readOldImage(ByteReader& in, int version, const Text& field, TObjekt& o) {
  const std::size_t at = in.offset();
  const std::string_view image = in.getBytes(oldObjectImageSize(version), field);
  readOldObjectImage(reinterpret_cast<const std::uint8_t*>(image.data()), version, at, o);
}

void readOldGroups(ByteReader& in, int version, TObjekt& o) {
  const std::size_t count =
      readOldCount(in, version, texts::fieldGroupCount, oldNumberSize(version));
  o.groups.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    o.groups.push_back(readOldNumber(in, version, texts::fieldGroup));
  }
}

void readOldVertices(ByteReader& in, int version, std::vector<FPoint>& points) {
  const std::size_t count =
      readOldCount(in, version, texts::fieldPointCount, 2 * oldNumberSize(version));
  points.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    const auto x = static_cast<float>(readOldNumber(in, version, texts::fieldPoint));
    const auto y = static_cast<float>(readOldNumber(in, version, texts::fieldPoint));
    points.push_back({oldLength(x), oldLength(y)});
  }
}

// Version 4 stored a text's strokes with it.
void readOldChildren(ByteReader& in, TObjekt& o) {
  constexpr int kVersion = 4;
  const std::size_t count = readCount(in, texts::fieldChildCount, oldObjectImageSize(kVersion) + 4);
  o.children.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    TObjekt child = newObject();
    readOldImage(in, kVersion, texts::fieldChild, child);
    readOldVertices(in, kVersion, child.points);
    o.children.push_back(std::move(child));
  }
}

std::unique_ptr<TObjekt> readOldObject(ByteReader& in, int version, std::int32_t& partner) {
  auto o = std::make_unique<TObjekt>(newObject());
  readOldImage(in, version, texts::fieldObject, *o);
  if (version == 4) o->text = readCountedString(in, texts::fieldText, 255);
  if (version >= 2) readOldGroups(in, version, *o);
  if (o->kind == kZone || o->kind == kTrack) readOldVertices(in, version, o->points);
  if (version == 4 && o->kind == kText) readOldChildren(in, *o);
  partner = kNoPartner;
  if (version >= 3 && o->kind == kPad) partner = in.get<std::int32_t>(texts::fieldPartner);
  applyOldObjectDefaults(*o, version);
  o->closed = 1;
  return o;
}

// Versions 3 and 4 kept a plated-through pad as one pad per side, each naming the other as its
// partner. The first of such a pair survives as a via pad; `survivor` maps every object to the
// one that stands for it, the removed halves are marked in `scratch`.
std::vector<std::uint32_t> findPlatedPairs(ObjectList& objects,
                                           const std::vector<std::int32_t>& partnerOf) {
  const std::size_t n = objects.size();
  std::vector<std::uint32_t> survivor(n);
  for (std::size_t i = 0; i < n; ++i) {
    survivor[i] = static_cast<std::uint32_t>(i);
    objects[i]->scratch = 0;
  }
  for (std::size_t p = 0; p < n; ++p) {
    TObjekt& pad = *objects[p];
    if (pad.kind != kPad) continue;
    pad.via = 0;
    const std::int32_t q = partnerOf[p];
    // A pad naming itself, or anything but another pad, is no pair.
    const bool pair = q >= 0 && static_cast<std::size_t>(q) < n &&
                      static_cast<std::size_t>(q) != p && objects[q]->kind == kPad &&
                      pad.scratch == 0 && partnerOf[q] == static_cast<std::int32_t>(p);
    if (pair) {
      pad.via = 1;
      objects[q]->scratch = 1;
      survivor[q] = static_cast<std::uint32_t>(p);
    }
    pad.optA = 0;
  }
  return survivor;
}

// The pads' connection lists (version 3: through-hole pads only), each partner replaced by the
// pad that stands for it, for the removed halves of plated pairs as well as for the others.
void readOldConnections(ByteReader& in, int version, ObjectList& objects,
                        const std::vector<std::uint32_t>& survivor) {
  const std::size_t n = objects.size();
  std::vector<std::vector<std::uint32_t>> partners(n);
  for (std::size_t i = 0; i < n; ++i) {
    const int kind = objects[i]->kind;
    if (kind != kPad && !(version >= 4 && kind == kSmdPad)) continue;
    const std::size_t count = readCount(in, texts::fieldConnectionCount, 4);
    for (std::size_t k = 0; k < count; ++k) {
      const auto index = in.get<std::int32_t>(texts::fieldConnection);
      if (index < 0 || static_cast<std::size_t>(index) >= n) continue;
      partners[survivor[i]].push_back(survivor[static_cast<std::size_t>(index)]);
    }
  }
  linkConnections(objects, partners);
}

void readOldRouteEnds(ByteReader& in, ObjectList& objects,
                      const std::vector<std::uint32_t>& survivor) {
  auto resolve = [&](std::int32_t index) -> TObjekt* {
    if (index < 0 || static_cast<std::size_t>(index) >= objects.size()) return nullptr;
    TObjekt* end = objects[survivor[static_cast<std::size_t>(index)]].get();
    return isPadKind(end->kind) ? end : nullptr;
  };
  for (auto& o : objects) {
    if (o->kind != kTrack || o->autorouted == 0) continue;
    o->routeEndA = resolve(in.get<std::int32_t>(texts::fieldRouteEnd));
    o->routeEndB = resolve(in.get<std::int32_t>(texts::fieldRouteEnd));
  }
}

void mergePlatedPairs(ByteReader& in, int version, ObjectList& objects,
                      const std::vector<std::int32_t>& partnerOf) {
  const std::vector<std::uint32_t> survivor = findPlatedPairs(objects, partnerOf);
  readOldConnections(in, version, objects, survivor);
  if (version == 4) readOldRouteEnds(in, objects, survivor);
  removeObjectsIf(objects, [](const TObjekt& o) { return o.scratch != 0; });
}

// The stored outlines of old pads do not follow today's shapes; they are generated anew.
void rebuildPadOutlines(ObjectList& objects) {
  for (auto& o : objects) {
    if (o->kind == kSmdPad) {
      o->points = smdPadCorners(o->pos, static_cast<float>(roundHalfEven(o->dim.x)),
                                static_cast<float>(roundHalfEven(o->dim.y)));
    } else if (o->kind == kPad) {
      o->points = padOutline(o->pos, o->dim.x, o->variant, 0);
    }
  }
}

void convertLegacyLines(ObjectList& objects) {
  for (auto& o : objects) {
    if (o->kind != kLegacyLine) continue;
    auto track = std::make_unique<TObjekt>(newObject());
    initTrack(*track, o->width, o->layer);
    track->points = {o->pos, o->dim};
    track->clearance = o->clearance;
    track->componentId = o->componentId;
    track->groups = std::move(o->groups);
    o = std::move(track);
  }
}

}  // namespace

void readOldObjectSection(ByteReader& in, int version, ObjectList& objects) {
  const std::size_t count =
      readOldCount(in, version, texts::fieldObjectCount, minOldObjectBlock(version));
  std::vector<std::int32_t> partnerOf(count, kNoPartner);
  objects.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    objects.push_back(readOldObject(in, version, partnerOf[i]));
  }
  if (version >= 3) mergePlatedPairs(in, version, objects, partnerOf);
  rebuildPadOutlines(objects);
  convertLegacyLines(objects);
}

void exchangeCopperLayers(ObjectList& objects) {
  for (auto& o : objects) {
    if (o->layer == kLayerC1) {
      o->layer = kLayerC2;
    } else if (o->layer == kLayerC2) {
      o->layer = kLayerC1;
    }
  }
}

}  // namespace pravelo
