#pragma once

#include <CLI/CLI.hpp>
#include <iosfwd>
#include <optional>
#include <string>

#include "base/text.h"
#include "document/document.h"
#include "manufacturing/image_export.h"

namespace pravelo {

// `pravelo-cli image FILE -o OUT.bmp|.gif|.jpg|.emf|.svg [--board N] [--step 1..12] [--bw]`:
// the picture the image export dialog writes.
struct ImageRequest {
  std::string file;
  std::string output;
  int board = -1;  // the file's active board
  int step = 6;
  bool blackWhite = false;
};

CLI::App* addImageCommand(CLI::App& app, ImageRequest& request, Language language);

// The format a file name's ending asks for, in any case.
std::optional<ImageFormat> imageFormatOfName(const std::string& file);

int runImageCommand(const Document& doc, const ImageRequest& request, std::ostream& err,
                    Language language);

}  // namespace pravelo
