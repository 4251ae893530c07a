#pragma once

#include <string>

#include "base/text.h"
#include "document/document.h"

namespace pravelo {

struct ConnectionCounts {
  int removed = 0;
  int remaining = 0;
};

// Removes every connection whose two pads are already joined by copper or plane (connections
// themselves are not followed), both list entries together. Each connection counts once.
ConnectionCounts removeRoutedConnections(Board& board);

// The two counts as the information box shows them, lines separated by a carriage return.
std::string connectionCountsMessage(const ConnectionCounts& counts, Language language);

}  // namespace pravelo
