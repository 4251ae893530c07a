#include "view/template_commands.h"

#include <filesystem>
#include <string_view>
#include <system_error>

#include "base/text.h"
#include "base/windows1252.h"
#include "document/document_texts.h"
#include "view/background_template.h"
#include "view/background_template_texts.h"

namespace pravelo {
namespace {

void reportTemplateProblem(Host& host, const std::string& message) {
  host.showMessage(message, tr(texts::productName), MessageIcon::Error);
}

// The header keeps names as Windows-1252; a name that does not come back unchanged would name
// another file when the layout is opened again.
std::optional<std::string> storableName(const std::string& utf8) {
  std::string stored = utf8ToWindows1252(utf8);
  if (windows1252ToUtf8(stored) != utf8) return std::nullopt;
  return stored;
}

std::string absoluteName(const std::string& file) {
  std::error_code error;
  const std::filesystem::path full = std::filesystem::absolute(file, error);
  return error ? file : full.lexically_normal().string();
}

bool validSide(int side) { return side == 1 || side == 2; }

// Why `value` cannot be `setting`; nothing when it can.
std::optional<std::string> settingProblem(const TemplatePictures& pictures, int side,
                                          TemplateSetting setting, std::int32_t value) {
  const std::string shown = std::to_string(value);
  switch (setting) {
    case TemplateSetting::Shown:
      if (value != 0 && !pictures.sides[side - 1]) {
        return fillIn(texts::templateNotLoaded, {std::to_string(side)});
      }
      return std::nullopt;
    case TemplateSetting::Dpi:
      if (value < kTemplateDpiMin || value > kTemplateDpiMax) {
        return fillIn(texts::templateDpiRange, {shown});
      }
      return std::nullopt;
    case TemplateSetting::OffsetX:
    case TemplateSetting::OffsetY:
      if (value < -kTemplateOffsetMax || value > kTemplateOffsetMax) {
        return fillIn(texts::templateOffsetRange, {shown});
      }
      return std::nullopt;
    case TemplateSetting::Tint:
      if (value < 0 || value > kTemplateTintMax) return fillIn(texts::templateTintRange, {shown});
      return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace

std::array<const ScanPicture*, 2> renderedTemplates(const TemplatePictures& pictures) {
  std::array<const ScanPicture*, 2> rendered{};
  for (std::size_t i = 0; i < 2; ++i) {
    if (pictures.sides[i]) rendered[i] = &*pictures.sides[i];
  }
  return rendered;
}

void reloadTemplates(BoardHeader& header, TemplatePictures& pictures, const std::string& layoutFile,
                     Host& host) {
  for (std::size_t i = 0; i < 2; ++i) {
    pictures.sides[i].reset();
    if (!header.templateFile[i].empty()) {
      TemplateLoad load =
          loadBackgroundTemplate(windows1252ToUtf8(header.templateFile[i]), layoutFile);
      if (load.loaded) {
        pictures.sides[i] = std::move(load.loaded->picture);
        if (auto stored = storableName(load.loaded->fileName)) header.templateFile[i] = *stored;
      } else {
        reportTemplateProblem(host, load.message);
      }
    }
    if (!pictures.sides[i]) header.templateShown[i] = 0;
  }
}

bool loadTemplate(BoardHeader& header, TemplatePictures& pictures, int side,
                  const std::string& file, const std::string& layoutFile, Host& host) {
  if (!validSide(side)) return false;
  TemplateLoad load = loadBackgroundTemplate(file.empty() ? file : absoluteName(file), layoutFile);
  if (!load.loaded) {
    reportTemplateProblem(host, load.message);
    return false;
  }
  const std::optional<std::string> stored = storableName(load.loaded->fileName);
  if (!stored) {
    reportTemplateProblem(host, fillIn(texts::templateNameNotStorable, {load.loaded->fileName}));
    return false;
  }
  const std::size_t i = static_cast<std::size_t>(side - 1);
  pictures.sides[i] = std::move(load.loaded->picture);
  header.templateFile[i] = *stored;
  header.templateDpi[i] = load.loaded->dpi;
  header.templateShown[i] = 1;
  return true;
}

void removeTemplate(BoardHeader& header, TemplatePictures& pictures, int side) {
  if (!validSide(side)) return;
  const std::size_t i = static_cast<std::size_t>(side - 1);
  pictures.sides[i].reset();
  header.templateFile[i].clear();
  header.templateShown[i] = 0;
}

bool setTemplateSetting(BoardHeader& header, const TemplatePictures& pictures, int side,
                        TemplateSetting setting, std::int32_t value, Host& host) {
  if (!validSide(side)) return false;
  if (const auto problem = settingProblem(pictures, side, setting, value)) {
    reportTemplateProblem(host, *problem);
    return false;
  }
  const std::size_t i = static_cast<std::size_t>(side - 1);
  switch (setting) {
    case TemplateSetting::Shown:
      header.templateShown[i] = value != 0 ? 1 : 0;
      break;
    case TemplateSetting::Dpi:
      header.templateDpi[i] = value;
      break;
    case TemplateSetting::OffsetX:
      header.templateOffsetX[i] = value;
      break;
    case TemplateSetting::OffsetY:
      header.templateOffsetY[i] = value;
      break;
    case TemplateSetting::Tint:
      header.templateTint[i] = value;
      break;
  }
  return true;
}

void invertTemplatesShown(BoardHeader& header) {
  for (std::uint8_t& shown : header.templateShown) shown = shown != 0 ? 0 : 1;
}

bool activeSideHasTemplate(const BoardHeader& header, const TemplatePictures& pictures) {
  const int side = templateSideOfLayer(header.activeLayer);
  return side != 0 && pictures.sides[static_cast<std::size_t>(side - 1)].has_value();
}

TemplateSideControls templateSideControls(const TemplatePictures& pictures, int side) {
  TemplateSideControls controls;
  if (!validSide(side)) return controls;
  const auto& picture = pictures.sides[static_cast<std::size_t>(side - 1)];
  controls.loaded = picture.has_value();
  controls.colourVisible = picture && picture->monochrome;
  return controls;
}

}  // namespace pravelo
