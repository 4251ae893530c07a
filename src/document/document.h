#pragma once

#include <memory>
#include <string>
#include <vector>

#include "document/board_header.h"
#include "document/object.h"
#include "document/undo_snapshot.h"
#include "document/zoom_history.h"

namespace pravelo {

// A board's objects in stored order. Records live on the heap so that connection lists and
// route ends can point at them while the list changes.
using ObjectList = std::vector<std::unique_ptr<TObjekt>>;

struct Board {
  std::string name;  // Windows-1252, without the blank of the tab caption
  BoardHeader header;
  ObjectList objects;
  UndoStack undoStack;  // undo_history.h
  UndoStack redoStack;
  ZoomHistory zoomHistory;
};

struct ProjectInfo {
  std::string title;  // Windows-1252, at most 100 bytes each
  std::string author;
  std::string company;
  std::string comment;  // lines separated by CR LF, at most 2000 bytes

  friend bool operator==(const ProjectInfo&, const ProjectInfo&) = default;
};

// The open project: an ordered list of boards, one of them active.
struct Document {
  std::vector<std::unique_ptr<Board>> boards;
  int activeBoard = -1;  // -1 only while boards are created, deleted or loaded
  std::string fileName;  // full path of the layout file; empty when never saved
  std::string lastFolder;
  bool modified = false;
  ProjectInfo project;
  // The editor's clipboard, shared by all boards; never saved and not part of undo.
  ObjectList clipboard;
};

inline Board& activeBoard(Document& doc) { return *doc.boards.at(doc.activeBoard); }
inline const Board& activeBoard(const Document& doc) { return *doc.boards.at(doc.activeBoard); }

}  // namespace pravelo
