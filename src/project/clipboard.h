#pragma once

#include <cstdint>
#include <vector>

#include "document/document.h"
#include "geometry/point.h"

namespace pravelo {

// The editor's own clipboard and the commands that copy, delete and bind objects together.
// Groups are the innermost numbers of the objects' group stacks; a unit is one innermost group,
// else one component, else one loose object.

// One more than the largest innermost group number, and at least 2.
std::int32_t nextGroupNumber(const ObjectList& objects);
// One more than the largest component number, and at least 2; may exceed the int16 range.
int nextComponentNumber(const ObjectList& objects);
// How many units the selected objects form.
int selectedUnitCount(const ObjectList& objects);

// Copy: the selected objects in board order, deselected, with connections and route ends among
// themselves; a component copied only in part becomes plain objects and plain texts.
void copySelection(const ObjectList& objects, ObjectList& clipboard);

// Delete: removes the selected objects except component labels, then the labels of components
// that have nothing else left. Connections and route ends to removed objects go too. False when
// nothing was removed.
bool deleteSelection(ObjectList& objects);

// Place clipboard: appends copies of the clipboard shifted by `offset`, selected, with new group
// and component numbers, and (with `group`) binds a paste of several units into one new group.
// Refuses, changing nothing, when a component number would pass the int16 range.
enum class PlaceResult { Placed, TooManyComponents };
PlaceResult placeClipboard(ObjectList& objects, const ObjectList& clipboard, DPoint offset,
                           bool group);

// Group: one new group number on every selected object when they form two units or more.
bool groupSelection(ObjectList& objects);
// Ungroup: the innermost group number of every selected object comes off.
bool ungroupSelection(ObjectList& objects);

}  // namespace pravelo
