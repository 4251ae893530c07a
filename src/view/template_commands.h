#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "base/host.h"
#include "document/board_header.h"
#include "view/scan_picture.h"

namespace pravelo {

// The scans behind the active board, one per side (index side - 1). They are not part of the
// document: the header keeps their file names, and they are read again whenever a board becomes
// the active one.
struct TemplatePictures {
  std::array<std::optional<ScanPicture>, 2> sides;
};

// What the renderer draws the scans from.
std::array<const ScanPicture*, 2> renderedTemplates(const TemplatePictures& pictures);

// The settings of one side that the template dialog and edit scripts change.
enum class TemplateSetting { Shown, Dpi, OffsetX, OffsetY, Tint };

inline constexpr int kTemplateDpiMin = 20;
inline constexpr int kTemplateDpiMax = 2400;
inline constexpr int kTemplateOffsetMax = 3000;  // tenths of a millimetre, either way
inline constexpr std::int32_t kTemplateTintMax = 0xFFFFFF;

// A board became the active one: both scans are discarded and each side with a stored name is
// loaded again. A file that has gone or cannot be read is reported; the stored settings stay,
// so the stored resolution wins over the file's, and a side left without a scan is no longer
// shown. A file found by its name in the layout's folder keeps that place as its name.
void reloadTemplates(BoardHeader& header, TemplatePictures& pictures, const std::string& layoutFile,
                     Host& host);

// Loads `file` (UTF-8) as the scan of `side`: the side is shown, with the file's resolution and
// its full name. A file that is missing, unreadable or whose name the layout file cannot hold is
// reported, and nothing changes. Returns whether it was loaded.
bool loadTemplate(BoardHeader& header, TemplatePictures& pictures, int side,
                  const std::string& file, const std::string& layoutFile, Host& host);

// Discards the scan of `side` and its name; the side is no longer shown.
void removeTemplate(BoardHeader& header, TemplatePictures& pictures, int side);

// Sets one setting of `side`. A value out of its range, or showing a side without a scan, is
// reported and changes nothing. Returns whether the value was taken.
bool setTemplateSetting(BoardHeader& header, const TemplatePictures& pictures, int side,
                        TemplateSetting setting, std::int32_t value, Host& host);

// Every shown flag turned over, as the "Hide" button does while it is held.
void invertTemplatesShown(BoardHeader& header);

// Whether the side of the active layer has a scan: the two status-bar buttons are shown then.
bool activeSideHasTemplate(const BoardHeader& header, const TemplatePictures& pictures);

// What the dialog's page of one side enables and shows.
struct TemplateSideControls {
  bool loaded = false;         // "Delete bitmap", "Show bitmap", resolution and offsets usable
  bool colourVisible = false;  // "Color:" and its panel, only for a monochrome scan
};
TemplateSideControls templateSideControls(const TemplatePictures& pictures, int side);

}  // namespace pravelo
