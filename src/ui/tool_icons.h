#pragma once

#include <QIcon>
#include <QString>

#include "editing/ground_plane_controls.h"
#include "editing/tool_table.h"

namespace pravelo {

// The picture of a tool button with the tool's hotkey letter, if it has one, in its lower right
// corner. The pad
// tool shows the current pad shape instead (size_column.h).
QIcon toolIcon(ToolId tool, const QString& hotkey);

// The ground-plane button: a copper plane with a pad in its gap while on, the empty board while
// off, greyed on a layer without a plane.
QIcon groundPlaneIcon(PlaneGlyph glyph);

}  // namespace pravelo
