#include "cli/render_command.h"

#include <sys/mman.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <ostream>
#include <sstream>

#include "cli/cli.h"
#include "cli/cli_texts.h"
#include "cli/command_io.h"
#include "cli/outlines_texts.h"
#include "cli/png_file.h"
#include "cli/render_texts.h"
#include "document/document_texts.h"
#include "project/save_problem.h"
#include "settings/app_folders.h"
#include "view/colour_scheme.h"
#include "view/photo_view.h"
#include "view/renderer.h"

namespace pravelo {
namespace {

// Pictures larger than this are refused rather than allocated.
constexpr double kMaxPixels = 100e6;
constexpr int kMaxSide = 32767;
constexpr double kUnitsPerInch = 254000;

struct PictureSize {
  int width = 0;
  int height = 0;
  double zoom = 0;
};

std::optional<PictureSize> pictureSize(const RenderRequest& r, const BoardHeader& header) {
  const double w = header.width;
  const double h = header.height;
  double zoom = 0;
  if (!r.size.empty()) {
    int maxWidth = 0;
    int maxHeight = 0;
    char x = 0;
    std::istringstream in(r.size);
    if (!(in >> maxWidth >> x >> maxHeight) || (x != 'x' && x != 'X') || !in.eof() ||
        maxWidth <= 0 || maxHeight <= 0) {
      return std::nullopt;
    }
    zoom = std::min(maxWidth / w, maxHeight / h);
  } else {
    zoom = (r.dpi > 0 ? r.dpi : 300) / kUnitsPerInch;
  }
  const double width = std::max(1.0, std::round(w * zoom));
  const double height = std::max(1.0, std::round(h * zoom));
  if (width > kMaxSide || height > kMaxSide || width * height > kMaxPixels) return PictureSize{};
  return PictureSize{static_cast<int>(width), static_cast<int>(height), zoom};
}

// Applies --layers and --active-layer to the header; false for an unknown layer name.
bool applyLayerChoice(const RenderRequest& r, BoardHeader& header, std::string& bad) {
  if (!r.layers.empty()) {
    header.layerVisible.fill(0);
    std::stringstream names(r.layers);
    std::string name;
    int first = 0;
    while (std::getline(names, name, ',')) {
      const std::optional<int> layer = layerNamed(name);
      if (!layer) {
        bad = name;
        return false;
      }
      header.layerVisible[*layer - 1] = 1;
      if (!first) first = *layer;
    }
    // The active layer is always drawn; keep it among the chosen ones.
    if (first && !header.layerVisible[header.activeLayer - 1]) header.activeLayer = first;
  }
  if (!r.activeLayer.empty()) {
    const std::optional<int> layer = layerNamed(r.activeLayer);
    if (!layer) {
      bad = r.activeLayer;
      return false;
    }
    header.activeLayer = *layer;
  }
  return true;
}

// A picture of many megabytes is thousands of fresh pages, and faulting them in one by one costs
// about as much as drawing the board: ask for huge pages before the memory is first touched.
Frame blankFrame(int width, int height) {
  Frame frame;
  const std::size_t bytes = static_cast<std::size_t>(width) * height * 4;
  frame.pixels.reserve(bytes);
#ifdef MADV_HUGEPAGE
  constexpr std::uintptr_t kPage = 4096;
  const auto start = reinterpret_cast<std::uintptr_t>(frame.pixels.data());
  const std::uintptr_t first = (start + kPage - 1) & ~(kPage - 1);
  const std::uintptr_t last = (start + bytes) & ~(kPage - 1);
  // Only advice: without huge pages the frame is merely slower to fill.
  if (last > first) madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#endif
  frame.pixels.resize(bytes);
  frame.width = width;
  frame.height = height;
  return frame;
}

ColourScheme schemeNumbered(int number) {
  if (number == 0) return standardScheme();
  const std::filesystem::path settings =
      settingsFolderFor(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"), programFolder());
  return loadScheme(settings, number);
}

RenderOptions layerOptions(const RenderRequest& request) {
  RenderOptions options;
  options.transparent = request.transparent;
  options.showGrid = request.grid;
  options.showOrigin = request.origin;
  return options;
}

}  // namespace

std::optional<int> layerNamed(const std::string& name) {
  std::string n;
  for (char c : name) {
    if (c != ' ') n += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  static const std::pair<const char*, int> kNames[] = {
      {"C1", 1}, {"K1", 1}, {"S1", 2}, {"B1", 2}, {"C2", 3}, {"K2", 3}, {"S2", 4},
      {"B2", 4}, {"I1", 5}, {"I2", 6}, {"O", 7},  {"U", 7},  {"1", 1},  {"2", 2},
      {"3", 3},  {"4", 4},  {"5", 5},  {"6", 6},  {"7", 7}};
  for (const auto& [text, layer] : kNames) {
    if (n == text) return layer;
  }
  return std::nullopt;
}

CLI::App* addRenderCommand(CLI::App& app, RenderRequest& request, Language language) {
  CLI::App* command = app.add_subcommand("render", tr(texts::cliRenderHelp, language));
  command->fallthrough();
  command->add_option("FILE", request.file, tr(texts::cliFileHelp, language))->required();
  command->add_option("-o,--output", request.output, tr(texts::cliPngHelp, language))->required();
  command->add_option("--board", request.board, tr(texts::cliBoardNumberHelp, language));
  CLI::Option* dpi = command->add_option("--dpi", request.dpi, tr(texts::cliDpiHelp, language));
  CLI::Option* size = command->add_option("--size", request.size, tr(texts::cliSizeHelp, language));
  dpi->excludes(size);
  command->add_option("--layers", request.layers, tr(texts::cliLayersHelp, language));
  command->add_option("--active-layer", request.activeLayer,
                      tr(texts::cliActiveLayerHelp, language));
  command->add_flag("--transparent", request.transparent, tr(texts::cliTransparentHelp, language));
  command->add_option("--scheme", request.scheme, tr(texts::cliSchemeHelp, language))
      ->check(CLI::Range(0, 3));
  command->add_flag("--grid", request.grid, tr(texts::cliGridHelp, language));
  command->add_flag("--origin", request.origin, tr(texts::cliOriginHelp, language));
  CLI::Option* photo =
      command->add_option("--photo", request.photo, tr(texts::cliPhotoHelp, language))
          ->check(CLI::IsMember({"top", "bottom"}));
  command->add_flag("--xray", request.xRay, tr(texts::cliXRayHelp, language))->needs(photo);
  return command;
}

int runRender(Document& doc, const RenderRequest& request, std::ostream& err, Language language) {
  Board* chosen = chosenBoard(doc, request.board, err, language);
  if (!chosen) return kExitUsage;
  Board& board = *chosen;
  std::string badLayer;
  if (!applyLayerChoice(request, board.header, badLayer)) {
    err << tr(texts::cliUnknownLayer, language) << badLayer << "\n";
    return kExitUsage;
  }
  const std::optional<PictureSize> size = pictureSize(request, board.header);
  if (!size) {
    err << tr(texts::cliBadSize, language) << request.size << "\n";
    return kExitUsage;
  }
  if (size->width == 0) {
    err << tr(texts::cliPictureTooLarge, language) << "\n";
    return kExitUsage;
  }
  const ViewTransform view{size->zoom, 0, 0};
  Frame frame = blankFrame(size->width, size->height);
  if (!request.photo.empty()) {
    // Silkscreen and colours as the photo view starts without saved settings.
    PhotoOptions photo;
    photo.side = request.photo == "bottom" ? PhotoSide::Bottom : PhotoSide::Top;
    photo.xRay = request.xRay;
    renderPhotoView(board, photoViewTransform(view, board.header, photo.side), photo, frame);
  } else {
    renderBoard(board, view, schemeNumbered(request.scheme), layerOptions(request), frame);
  }
  std::error_code error;
  if (!writePngFile(request.output, frame, &error)) {
    err << couldNotSaveMessage(request.output, error, language) << "\n";
    return kExitBadInput;
  }
  return kExitOk;
}

}  // namespace pravelo
