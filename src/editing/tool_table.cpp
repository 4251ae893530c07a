#include "editing/tool_table.h"

#include <algorithm>
#include <array>

#include "editing/editing_texts.h"

namespace pravelo {

namespace {

// Hotkey positions: Zoom, Track, Pad, SMD pad, Circle, Rectangle, Zone, Special form, Text,
// Connections, Autoroute, Test, Measure, Photo view, Solder mask.
// clang-format off
constexpr std::array<ToolInfo, 16> kTools{{
    {ToolId::Edit,        "SB_Standard",    "edit",        texts::hintEdit,        Cursor::Arrow,     -1},
    {ToolId::Zoom,        "SB_Zoom",        "zoom",        texts::hintZoom,        Cursor::Magnifier,  0},
    {ToolId::Track,       "SB_Line",        "track",       texts::hintTrack,       Cursor::Arrow,      1},
    {ToolId::Pad,         "SB_Circle",      "pad",         texts::hintPad,         Cursor::Arrow,      2},
    {ToolId::SmdPad,      "SB_SMDPad",      "smd",         texts::hintSmdPad,      Cursor::Arrow,      3},
    {ToolId::Circle,      "SB_Ring",        "circle",      texts::hintCircle,      Cursor::Ring,       4},
    {ToolId::Rectangle,   "SB_Rechteck",    "rectangle",   texts::hintRectangle,   Cursor::Arrow,      5},
    {ToolId::Zone,        "SB_Polygon",     "zone",        texts::hintZone,        Cursor::Arrow,      6},
    {ToolId::SpecialForm, "SB_Vieleck",     "special",     texts::hintSpecial,     Cursor::Arrow,      7},
    {ToolId::Text,        "SB_LineText",    "text",        texts::hintText,        Cursor::Arrow,      8},
    {ToolId::Connections, "SB_Connect",     "connections", texts::hintConnections, Cursor::Connect,    9},
    {ToolId::Autoroute,   "SB_AutoRoute",   "autoroute",   texts::hintAutoroute,   Cursor::Autoroute, 10},
    {ToolId::Test,        "SB_Test",        "test",        texts::hintTest,        Cursor::Test,      11},
    {ToolId::Measure,     "SB_Messen",      "measure",     texts::hintMeasure,     Cursor::Arrow,     12},
    {ToolId::PhotoView,   "SB_RealAnsicht", "photo",       texts::hintPhotoView,   Cursor::Magnifier, 13},
    {ToolId::SolderMask,  "SB_Loetstopp",   "mask",        texts::hintSolderMask,  Cursor::Test,      14},
}};
// clang-format on

char32_t upper(char32_t c) { return c >= U'a' && c <= U'z' ? c - U'a' + U'A' : c; }

}  // namespace

std::span<const ToolInfo> toolTable() { return kTools; }

const ToolInfo& toolInfo(ToolId id) {
  // The placing state shows what the special-form tool shows.
  if (id == ToolId::Placing) id = ToolId::SpecialForm;
  return *std::find_if(kTools.begin(), kTools.end(),
                       [id](const ToolInfo& t) { return t.id == id; });
}

std::optional<ToolId> toolByScriptName(std::string_view name) {
  for (const ToolInfo& t : kTools) {
    if (name == t.scriptName) return t.id;
  }
  return std::nullopt;
}

std::optional<ToolId> toolForHotkey(std::string_view hotkeys, char32_t typed) {
  if (typed == U'_' || typed > 0x7f) return std::nullopt;
  std::optional<ToolId> found;
  int foundIndex = 1 << 30;
  for (const ToolInfo& t : kTools) {
    if (t.hotkeyIndex < 0 || t.hotkeyIndex >= static_cast<int>(hotkeys.size())) continue;
    const auto letter =
        static_cast<unsigned char>(hotkeys[static_cast<std::size_t>(t.hotkeyIndex)]);
    if (upper(letter) == upper(typed) && t.hotkeyIndex < foundIndex) {
      found = t.id;
      foundIndex = t.hotkeyIndex;
    }
  }
  return found;
}

}  // namespace pravelo
