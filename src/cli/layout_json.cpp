#include "cli/layout_json.h"

#include <charconv>
#include <unordered_map>

#include "base/windows1252.h"
#include "document/layout_version.h"

namespace pravelo {
namespace {

using Json = nlohmann::ordered_json;

Json point(FPoint p) { return Json::array({jsonFloat(p.x), jsonFloat(p.y)}); }

Json points(const std::vector<FPoint>& list) {
  Json result = Json::array();
  for (FPoint p : list) result.push_back(point(p));
  return result;
}

template <typename T, std::size_t N>
Json numbers(const std::array<T, N>& values) {
  Json result = Json::array();
  for (T v : values) result.push_back(v);
  return result;
}

Json text(const std::string& windows1252) { return windows1252ToUtf8(windows1252); }

Json header(const BoardHeader& h) {
  return Json{{"width", h.width},
              {"height", h.height},
              {"groundPlane", numbers(h.groundPlane)},
              {"grid", h.grid},
              {"zoom", h.zoom},
              {"scrollX", h.scrollX},
              {"scrollY", h.scrollY},
              {"activeLayer", h.activeLayer},
              {"layerVisible", numbers(h.layerVisible)},
              {"templateShown", numbers(h.templateShown)},
              {"templateFile", Json::array({text(h.templateFile[0]), text(h.templateFile[1])})},
              {"templateDpi", numbers(h.templateDpi)},
              {"templateOffsetX", numbers(h.templateOffsetX)},
              {"templateOffsetY", numbers(h.templateOffsetY)},
              {"templateTint", numbers(h.templateTint)},
              {"originX", h.originX},
              {"originY", h.originY},
              {"multilayer", h.multilayer}};
}

// The stored fields shared by objects and text strokes.
Json imageFields(const TObjekt& o) {
  return Json{{"kind", o.kind},
              {"pos", point(o.pos)},
              {"dim", point(o.dim)},
              {"width", o.width},
              {"layer", o.layer},
              {"variant", o.variant},
              {"componentId", o.componentId},
              {"paramA", o.paramA},
              {"optA", o.optA},
              {"clearance", o.clearance},
              {"autorouted", o.autorouted},
              {"optB", o.optB},
              {"optC", o.optC},
              {"cutout", o.cutout},
              {"paramB", o.paramB},
              {"via", o.via},
              {"solderMask", o.solderMask},
              {"thermalStamp", o.thermalStamp},
              {"maskOnly", o.maskOnly}};
}

Json component(const ComponentData& c) {
  return Json{{"placeOffset", point(c.placeOffset)}, {"centreMode", c.centreMode},
              {"placeRotation", c.placeRotation},    {"package", text(c.package)},
              {"comment", text(c.comment)},          {"usePickPlace", c.usePickPlace}};
}

Json object(const TObjekt& o, const std::unordered_map<const TObjekt*, int>& indexOf) {
  auto index = [&](const TObjekt* partner) {
    const auto it = indexOf.find(partner);
    return it == indexOf.end() ? -1 : it->second;
  };
  Json j = imageFields(o);
  j["text"] = text(o.text);
  j["name"] = text(o.name);
  j["groups"] = o.groups;
  if (hasPointList(o.kind)) j["points"] = points(o.points);
  if (isPadKind(o.kind)) {
    Json partners = Json::array();
    for (const TObjekt* partner : o.connections) partners.push_back(index(partner));
    j["connections"] = partners;
  }
  if (o.kind == kText) {
    Json children = Json::array();
    for (const TObjekt& child : o.children) {
      Json c = imageFields(child);
      c["points"] = points(child.points);
      children.push_back(c);
    }
    j["children"] = children;
  }
  if (o.kind == kTrack && o.autorouted != 0) {
    j["routeEnds"] = Json::array({index(o.routeEndA), index(o.routeEndB)});
  }
  if (isIdText(o)) j["component"] = component(o.component);
  return j;
}

Json board(const Board& b) {
  return Json{
      {"name", text(b.name)}, {"header", header(b.header)}, {"objects", objectsJson(b.objects)}};
}

}  // namespace

nlohmann::ordered_json objectsJson(const ObjectList& list) {
  std::unordered_map<const TObjekt*, int> indexOf;
  indexOf.reserve(list.size());
  for (std::size_t i = 0; i < list.size(); ++i) indexOf.emplace(list[i].get(), static_cast<int>(i));
  Json objects = Json::array();
  for (const auto& o : list) objects.push_back(object(*o, indexOf));
  return objects;
}

double jsonFloat(float f) {
  char digits[32];
  const auto written = std::to_chars(digits, digits + sizeof digits, f);
  double d = f;
  std::from_chars(digits, written.ptr, d);
  return d;
}

nlohmann::ordered_json layoutJson(const Document& doc) {
  Json boards = Json::array();
  for (const auto& b : doc.boards) boards.push_back(board(*b));
  return Json{{"version", kLayoutVersion},
              {"activeBoard", doc.activeBoard},
              {"project",
               {{"title", text(doc.project.title)},
                {"author", text(doc.project.author)},
                {"company", text(doc.project.company)},
                {"comment", text(doc.project.comment)}}},
              {"boards", boards}};
}

}  // namespace pravelo
