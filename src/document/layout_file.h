#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "document/document.h"

namespace pravelo {

// Limits of the stored strings, in bytes.
inline constexpr std::size_t kBoardNameMax = 30;
inline constexpr std::size_t kCountedStringMax = 255;
inline constexpr std::size_t kProjectStringMax = 100;
inline constexpr std::size_t kProjectCommentMax = 2000;

// What a layout file holds, before it joins a document.
struct LayoutContents {
  std::vector<std::unique_ptr<Board>> boards;
  int activeBoard = 0;  // as stored; may lie outside the boards
  ProjectInfo project;
};

// Parses a version-6 layout file; bytes after the project comment are ignored. Connection and
// route-end indices are resolved to pointers; indices that cannot be honoured are skipped. Throws
// FileFormatError for damaged input, before allocating anything a count claims beyond what the file
// can hold.
LayoutContents parseLayout(std::string_view bytes);

// The document as a version-6 layout file, byte for byte.
std::string writeLayout(const Document& doc);

// The object section of a board block on its own: count, objects, connections, route ends.
std::string writeObjectSection(const ObjectList& objects);

}  // namespace pravelo
