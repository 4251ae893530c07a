#include "copper/overlap_pairs.h"

#include <algorithm>

namespace pravelo {

bool rectsMeet(const TRect& a, const TRect& b) {
  return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

std::vector<std::pair<int, int>> overlappingPairs(const std::vector<std::optional<TRect>>& boxes) {
  std::vector<int> order;
  for (int i = 0; i < static_cast<int>(boxes.size()); ++i) {
    if (boxes[i]) order.push_back(i);
  }
  std::sort(order.begin(), order.end(),
            [&](int a, int b) { return boxes[a]->left < boxes[b]->left; });
  std::vector<std::pair<int, int>> pairs;
  for (std::size_t k = 0; k < order.size(); ++k) {
    const TRect& a = *boxes[order[k]];
    for (std::size_t m = k + 1; m < order.size() && boxes[order[m]]->left <= a.right; ++m) {
      if (!rectsMeet(a, *boxes[order[m]])) continue;
      pairs.emplace_back(std::min(order[k], order[m]), std::max(order[k], order[m]));
    }
  }
  std::sort(pairs.begin(), pairs.end());
  return pairs;
}

std::vector<std::vector<int>> neighbourLists(const std::vector<std::optional<TRect>>& boxes) {
  std::vector<std::vector<int>> lists(boxes.size());
  for (const auto& [a, b] : overlappingPairs(boxes)) {
    lists[a].push_back(b);
    lists[b].push_back(a);
  }
  for (std::vector<int>& list : lists) std::sort(list.begin(), list.end());
  return lists;
}

}  // namespace pravelo
