#include "view/background_template.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <system_error>

#include "base/file_io.h"
#include "base/units.h"
#include "view/background_template_texts.h"

namespace pravelo {
namespace {

bool templateExists(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

bool hasBmpExtension(const std::string& fileName) {
  std::string extension = std::filesystem::path(fileName).extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return extension == ".BMP";
}

int clampedToInt(std::int64_t v) {
  return static_cast<int>(std::clamp<std::int64_t>(v, INT32_MIN / 2, INT32_MAX / 2));
}

}  // namespace

TemplateLoad loadBackgroundTemplate(const std::string& fileName, const std::string& layoutFile) {
  TemplateLoad result;
  if (fileName.size() > kTemplateNameMax) {
    result.message = fillIn(texts::templateNameTooLong, {fileName});
    return result;
  }
  std::string found = fileName;
  if (!templateExists(found)) {
    const std::filesystem::path beside = std::filesystem::path(layoutFile).parent_path() /
                                         std::filesystem::path(fileName).filename();
    if (fileName.empty() || !templateExists(beside) || beside.string().size() > kTemplateNameMax) {
      result.message = fillIn(texts::templateMissing, {fileName});
      return result;
    }
    found = beside.string();
  }
  const std::optional<std::string> bytes = readWholeFile(found);
  std::optional<ScanPicture> picture;
  int readDpi = 0;
  if (bytes && hasBmpExtension(found)) {
    picture = readBmpScan(*bytes);
    readDpi = bmpScanResolution(*bytes);
  } else if (bytes) {
    picture = readJpegScan(*bytes);
    readDpi = jfifScanResolution(*bytes);
  }
  if (!picture) {
    result.message = fillIn(texts::templateUnreadable, {found});
    return result;
  }
  result.loaded = LoadedTemplate{std::move(*picture), scanResolutionField(readDpi), found};
  return result;
}

int templateSideOfLayer(int layer) {
  if (layer == kLayerC1 || layer == kLayerS1) return 1;
  if (layer == kLayerC2 || layer == kLayerS2) return 2;
  return 0;
}

TemplateMapping templateMapping(const ViewTransform& view, int clientWidth, int clientHeight,
                                int dpi, int offsetX, int offsetY, int imageWidth,
                                int imageHeight) {
  const double z = view.zoom;
  const double f = dpi / 25.4 / kUnitsPerMm / z;  // image pixels per screen pixel
  const double px = static_cast<double>(view.scrollX);
  const double py = static_cast<double>(view.scrollY);
  const double gx = static_cast<double>(roundHalfEven(offsetX * 1000.0 * z));
  const double gy = static_cast<double>(roundHalfEven(offsetY * 1000.0 * z));
  TemplateMapping m;
  m.left = std::max(0, clampedToInt(roundHalfEven(f * (px - gx))) - 1);
  m.top = std::max(0, clampedToInt(roundHalfEven(f * (py - gy))) - 1);
  m.width = std::min(imageWidth, clampedToInt(roundHalfEven(clientWidth * f)) + 2);
  m.height = std::min(imageHeight, clampedToInt(roundHalfEven(clientHeight * f)) + 2);
  m.screenLeft = m.left / f - px + gx;
  m.screenTop = m.top / f - py + gy;
  m.screenWidth = m.width / f;
  m.screenHeight = m.height / f;
  return m;
}

void drawBackgroundTemplate(Frame& frame, const ScanPicture& picture, const BoardHeader& header,
                            int side, const ViewTransform& view, Rgb background) {
  const int i = side - 1;
  const TemplateMapping m = templateMapping(view, frame.width, frame.height, header.templateDpi[i],
                                            header.templateOffsetX[i], header.templateOffsetY[i],
                                            picture.width, picture.height);
  if (m.width <= 0 || m.height <= 0 || m.left >= picture.width || m.top >= picture.height) return;
  const int tint = header.templateTint[i];
  const Rgb ink{static_cast<std::uint8_t>(tint & 0xFF),
                static_cast<std::uint8_t>((tint >> 8) & 0xFF),
                static_cast<std::uint8_t>((tint >> 16) & 0xFF)};
  const int x0 = std::max(0, static_cast<int>(std::ceil(m.screenLeft)));
  const int y0 = std::max(0, static_cast<int>(std::ceil(m.screenTop)));
  const int x1 = std::min(frame.width, static_cast<int>(std::ceil(m.screenLeft + m.screenWidth)));
  const int y1 = std::min(frame.height, static_cast<int>(std::ceil(m.screenTop + m.screenHeight)));
  const int right = std::min(picture.width, m.left + m.width);
  const int bottom = std::min(picture.height, m.top + m.height);
  for (int y = y0; y < y1; ++y) {
    const int sy = m.top + static_cast<int>((y - m.screenTop) * m.height / m.screenHeight);
    if (sy >= bottom) break;
    std::uint8_t* out = frame.row(y) + 4 * x0;
    for (int x = x0; x < x1; ++x, out += 4) {
      const int sx = m.left + static_cast<int>((x - m.screenLeft) * m.width / m.screenWidth);
      if (sx >= right) break;
      const std::uint8_t* p =
          picture.rgb.data() + (static_cast<std::size_t>(sy) * picture.width + sx) * 3;
      Rgb colour{p[0], p[1], p[2]};
      if (picture.monochrome) colour = (p[0] | p[1] | p[2]) == 0 ? ink : background;
      out[0] = colour.r;
      out[1] = colour.g;
      out[2] = colour.b;
    }
  }
}

}  // namespace pravelo
