#include "document/renumber.h"

#include <algorithm>
#include <vector>

namespace pravelo {
namespace {

// Replacing the smallest number >= i by i for i = 1, 2, ... gives every positive number its
// rank among the distinct positive numbers in use.
template <typename T>
T rankOf(const std::vector<T>& used, T number) {
  return static_cast<T>(std::lower_bound(used.begin(), used.end(), number) - used.begin() + 1);
}

template <typename T>
void sortUnique(std::vector<T>& v) {
  std::sort(v.begin(), v.end());
  v.erase(std::unique(v.begin(), v.end()), v.end());
}

}  // namespace

void renumberGroupsAndComponents(ObjectList& objects) {
  std::vector<std::int32_t> groups;
  std::vector<std::int16_t> components;
  for (const auto& o : objects) {
    for (std::int32_t g : o->groups) {
      if (g > 0) groups.push_back(g);
    }
    if (o->componentId > 0) components.push_back(o->componentId);
  }
  sortUnique(groups);
  sortUnique(components);
  for (auto& o : objects) {
    for (std::int32_t& g : o->groups) {
      if (g > 0) g = rankOf(groups, g);
    }
    if (o->componentId > 0) o->componentId = rankOf(components, o->componentId);
  }
}

}  // namespace pravelo
