#include "manufacturing/gerber_blocks.h"

namespace pravelo {
namespace {

bool isBlankByte(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

std::string_view trimmedPiece(std::string_view s) {
  while (!s.empty() && isBlankByte(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlankByte(s.back())) s.remove_suffix(1);
  return s;
}

// The trimmed, non-empty pieces of the file: each line cut after every "*".
std::vector<GerberBlock> blockPieces(std::string_view bytes) {
  std::vector<GerberBlock> pieces;
  int line = 1;
  std::size_t start = 0;
  const auto cut = [&](std::size_t end) {
    const std::string_view piece = trimmedPiece(bytes.substr(start, end - start));
    if (!piece.empty()) pieces.push_back({std::string(piece), line});
  };
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '*') {
      cut(i + 1);
      start = i + 1;
    } else if (bytes[i] == '\n') {
      cut(i);
      start = i + 1;
      ++line;
    }
  }
  cut(bytes.size());
  return pieces;
}

void widenShortDCode(std::string& block) {
  static const char* const kShortCodes[][2] = {{"D1*", "D01*"}, {"D2*", "D02*"}, {"D3*", "D03*"}};
  for (const auto& [shortCode, longCode] : kShortCodes) {
    const std::size_t at = block.find(shortCode);
    // "D1*" inside "D11*" is a different code.
    if (at == std::string::npos) continue;
    if (at > 0 && block[at - 1] >= '0' && block[at - 1] <= '9') continue;
    block.replace(at, 3, longCode);
  }
}

}  // namespace

std::vector<GerberBlock> gerberBlocks(std::string_view bytes) {
  std::vector<GerberBlock> pieces = blockPieces(bytes);
  std::vector<GerberBlock> blocks;
  blocks.reserve(pieces.size());
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    GerberBlock block = std::move(pieces[i]);
    if (block.text.front() == '%') {
      // An extended statement runs to the piece that closes it; a file that ends first ends it.
      while ((block.text.size() < 2 || block.text.back() != '%') && i + 1 < pieces.size()) {
        block.text += pieces[++i].text;
      }
    } else {
      widenShortDCode(block.text);
    }
    blocks.push_back(std::move(block));
  }
  return blocks;
}

}  // namespace pravelo
