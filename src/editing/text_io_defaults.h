#pragma once

#include "document/board_header.h"
#include "editing/size_fields.h"
#include "project/text_io_read.h"

namespace pravelo {

// What an imported record leaves out is taken from the editor: the track width and clearance
// for new objects and the board's active layer.
TextIoDefaults textIoDefaults(const SizeFields& sizes, const BoardHeader& header);

}  // namespace pravelo
