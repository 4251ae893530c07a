#include "project/object_names.h"

namespace pravelo {

namespace {

bool blank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

}  // namespace

std::string firstSelectedName(const ObjectList& objects) {
  for (const auto& o : objects) {
    if (o->selected && !o->name.empty()) return o->name;
  }
  return {};
}

std::string contextMenuName(const ObjectList& objects, int picked) {
  if (picked >= 0 && picked < static_cast<int>(objects.size())) {
    const std::string& name = objects[static_cast<std::size_t>(picked)]->name;
    if (!name.empty()) return name;
  }
  return firstSelectedName(objects);
}

void nameSelection(ObjectList& objects, std::string_view entered) {
  const std::string name(trimmed(entered));
  for (const auto& o : objects) {
    if (o->selected) o->name = name;
  }
}

}  // namespace pravelo
