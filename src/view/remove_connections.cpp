#include "view/remove_connections.h"

#include <algorithm>
#include <string>
#include <unordered_map>

#include "view/connectivity.h"
#include "view/view_texts.h"

namespace pravelo {

ConnectionCounts removeRoutedConnections(Board& board) {
  // The copper does not change while connections go, so one grouping serves every pad.
  std::vector<int> group;
  {
    Connectivity connectivity(board);
    group = connectivity.components();
  }
  std::unordered_map<const TObjekt*, int> groupOf;
  for (std::size_t i = 0; i < board.objects.size(); ++i) {
    groupOf.emplace(board.objects[i].get(), group[i]);
  }
  const auto joined = [&](const TObjekt* a, const TObjekt* b) {
    const int g = groupOf.at(a);
    return g >= 0 && g == groupOf.at(b);
  };
  ConnectionCounts counts;
  for (const auto& o : board.objects) {
    TObjekt* p = o.get();
    std::vector<TObjekt*> kept;
    for (TObjekt* q : p->connections) {
      if (!joined(p, q)) {
        kept.push_back(q);
        continue;
      }
      ++counts.removed;
      auto& back = q->connections;
      back.erase(std::remove(back.begin(), back.end(), p), back.end());
    }
    p->connections = std::move(kept);
  }
  int ends = 0;
  for (const auto& o : board.objects) ends += static_cast<int>(o->connections.size());
  counts.remaining = ends / 2;
  return counts;
}

std::string connectionCountsMessage(const ConnectionCounts& counts, Language language) {
  return fillIn(texts::connectionsRemoved, language,
                {std::to_string(counts.removed), std::to_string(counts.remaining)});
}

}  // namespace pravelo
