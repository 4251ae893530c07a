#include "document/object_pack.h"

#include <cstring>
#include <unordered_map>

#include "document/byte_io.h"
#include "document/object_image.h"

namespace pravelo {
namespace {

constexpr std::size_t kSelectedAt = 21;  // offset of `selected` in the object image

template <typename T>
void putList(ByteWriter& out, const std::vector<T>& items) {
  out.put(static_cast<std::uint32_t>(items.size()));
  out.putBytes(items.data(), items.size() * sizeof(T));
}

void putString(ByteWriter& out, const std::string& s) {
  out.put(static_cast<std::uint32_t>(s.size()));
  out.putBytes(s.data(), s.size());
}

void putObject(ByteWriter& out, const TObjekt& o) {
  std::uint8_t image[kObjectImageSize];
  writeObjectImage(o, image);
  image[kSelectedAt] = 0;
  out.putBytes(image, kObjectImageSize);
  putString(out, o.text);
  putString(out, o.name);
  putList(out, o.groups);
  putList(out, o.points);
  out.put(static_cast<std::uint32_t>(o.children.size()));
  for (const TObjekt& child : o.children) putObject(out, child);
  if (isIdText(o)) {
    const ComponentData& c = o.component;
    out.put(c.placeOffset.x);
    out.put(c.placeOffset.y);
    out.put(c.centreMode);
    out.put(c.placeRotation);
    putString(out, c.package);
    putString(out, c.comment);
    out.put(c.usePickPlace);
  }
}

// Reads what this file wrote, so it trusts the bytes.
class Unpacker {
 public:
  explicit Unpacker(std::string_view bytes) : at_(bytes.data()) {}

  template <typename T>
  T get() {
    T value;
    std::memcpy(&value, at_, sizeof(T));
    at_ += sizeof(T);
    return value;
  }
  template <typename T>
  void getList(std::vector<T>& items) {
    items.resize(get<std::uint32_t>());
    if (items.empty()) return;
    std::memcpy(items.data(), at_, items.size() * sizeof(T));
    at_ += items.size() * sizeof(T);
  }
  std::string getString() {
    const auto n = get<std::uint32_t>();
    std::string s(at_, n);
    at_ += n;
    return s;
  }
  void getObject(TObjekt& o) {
    readObjectImage(reinterpret_cast<const std::uint8_t*>(at_), o);
    at_ += kObjectImageSize;
    o.text = getString();
    o.name = getString();
    getList(o.groups);
    getList(o.points);
    o.children.resize(get<std::uint32_t>(), newObject());
    for (TObjekt& child : o.children) getObject(child);
    if (isIdText(o)) {
      ComponentData& c = o.component;
      c.placeOffset.x = get<float>();
      c.placeOffset.y = get<float>();
      c.centreMode = get<std::uint8_t>();
      c.placeRotation = get<double>();
      c.package = getString();
      c.comment = getString();
      c.usePickPlace = get<std::uint8_t>();
    }
    if (o.kind == kZone) o.closed = 1;
  }

 private:
  const char* at_;
};

}  // namespace

void packObjects(const ObjectList& objects, std::string& bytes) {
  std::unordered_map<const TObjekt*, std::int32_t> indexOf;
  indexOf.reserve(objects.size());
  for (std::size_t i = 0; i < objects.size(); ++i) {
    indexOf.emplace(objects[i].get(), static_cast<std::int32_t>(i));
  }
  auto index = [&](const TObjekt* o) {
    const auto it = indexOf.find(o);
    return it == indexOf.end() ? -1 : it->second;
  };

  bytes.clear();
  ByteWriter out(bytes);
  out.put(static_cast<std::uint32_t>(objects.size()));
  for (const auto& o : objects) putObject(out, *o);
  std::vector<std::int32_t> partners;
  for (const auto& o : objects) {
    partners.clear();
    for (const TObjekt* partner : o->connections) {
      if (const std::int32_t i = index(partner); i >= 0) partners.push_back(i);
    }
    putList(out, partners);
    out.put(index(o->routeEndA));
    out.put(index(o->routeEndB));
  }
}

ObjectList unpackObjects(std::string_view bytes) {
  Unpacker in(bytes);
  ObjectList objects(in.get<std::uint32_t>());
  for (auto& o : objects) {
    o = std::make_unique<TObjekt>(newObject());
    in.getObject(*o);
  }
  auto at = [&](std::int32_t i) {
    return i < 0 ? nullptr : objects[static_cast<std::size_t>(i)].get();
  };
  std::vector<std::int32_t> partners;
  for (auto& o : objects) {
    in.getList(partners);
    o->connections.reserve(partners.size());
    for (std::int32_t i : partners) o->connections.push_back(at(i));
    o->routeEndA = at(in.get<std::int32_t>());
    o->routeEndB = at(in.get<std::int32_t>());
  }
  return objects;
}

}  // namespace pravelo
