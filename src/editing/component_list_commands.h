#pragma once

#include <string>

#include "editing/editor.h"
#include "project/component_list.h"

namespace pravelo {

// What the component list panel does to the board.

// A row chosen: the component's objects become the selection.
void selectListedComponent(Editor& editor, int component);

// A name or value cell edited in place (Windows-1252 text): one undo step. False, changing
// nothing, when the component has no such label or the text is the same.
bool editComponentListCell(Editor& editor, int component, ComponentListCell cell,
                           const std::string& text);

}  // namespace pravelo
