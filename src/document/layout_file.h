#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/text.h"
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
  int formatVersion = 6;  // the version the file was written in
};

// Parses a layout file of any format version 0 to 6, converting older versions to today's model;
// bytes after the project comment are ignored. Connection and route-end indices are resolved to
// pointers; indices that cannot be honoured are skipped. The one board of a version 0 to 2 file,
// which stored no name, gets the default board name in `language`. Throws FileFormatError for
// damaged input, before allocating anything a count claims beyond what the file can hold.
LayoutContents parseLayout(std::string_view bytes, Language language = Language::English);

// The document as a version-6 layout file, byte for byte.
std::string writeLayout(const Document& doc);

}  // namespace pravelo
