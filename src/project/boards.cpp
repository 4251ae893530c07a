#include "project/boards.h"

#include <algorithm>
#include <utility>

#include "base/text.h"
#include "base/windows1252.h"
#include "document/document_texts.h"
#include "document/object_list.h"

namespace pravelo {

Board& addBoard(Document& doc, std::string name, std::int32_t width, std::int32_t height,
                bool originAtTop) {
  auto board = std::make_unique<Board>();
  board->name = trimmedBoardName(name);
  board->header = newBoardHeader(width, height, originAtTop);
  doc.boards.push_back(std::move(board));
  const int index = static_cast<int>(doc.boards.size()) - 1;
  if (doc.activeBoard != index) activateBoard(doc, index);
  return *doc.boards.back();
}

void storeActiveBoardState(Document& doc) {
  if (doc.activeBoard < 0) return;
  BoardHeader& header = activeBoard(doc).header;
  for (std::string& file : header.templateFile) {
    if (file.size() > kTemplateNameMax) file.resize(kTemplateNameMax);
  }
}

void activateBoard(Document& doc, int index) {
  storeActiveBoardState(doc);
  doc.activeBoard = index;
  deselectAll(activeBoard(doc).objects);
}

void removeBoard(Document& doc, int index) {
  doc.boards.erase(doc.boards.begin() + index);
  doc.activeBoard = -1;
  doc.modified = true;
  if (doc.boards.empty()) return;
  activateBoard(doc, std::min(index, static_cast<int>(doc.boards.size()) - 1));
}

void copyActiveBoard(Document& doc) {
  Board& source = activeBoard(doc);
  const std::string name =
      utf8ToWindows1252(tr(texts::copyOfPrefix)) + trimmedBoardName(source.name);
  const BoardHeader header = source.header;
  const std::vector<TObjekt*> objects = objectPointers(source.objects);
  Board& copy = addBoard(doc, name, header.width, header.height);
  copy.header = header;
  copyObjectList(objects, copy.objects);
  doc.modified = true;
}

namespace {

bool moveActiveBoardTo(Document& doc, int target) {
  const int from = doc.activeBoard;
  if (from < 0 || target < 0 || target >= static_cast<int>(doc.boards.size()) || target == from) {
    return false;
  }
  auto board = std::move(doc.boards[from]);
  doc.boards.erase(doc.boards.begin() + from);
  doc.boards.insert(doc.boards.begin() + target, std::move(board));
  doc.activeBoard = target;
  doc.modified = true;
  return true;
}

}  // namespace

bool moveActiveBoardToLast(Document& doc) {
  return moveActiveBoardTo(doc, static_cast<int>(doc.boards.size()) - 1);
}

bool moveActiveBoardRight(Document& doc) { return moveActiveBoardTo(doc, doc.activeBoard + 1); }

bool moveActiveBoardToFirst(Document& doc) { return moveActiveBoardTo(doc, 0); }

bool moveActiveBoardLeft(Document& doc) { return moveActiveBoardTo(doc, doc.activeBoard - 1); }

std::string trimmedBoardName(const std::string& name) {
  const auto first = name.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  const auto last = name.find_last_not_of(' ');
  return name.substr(first, last - first + 1);
}

void addDefaultBoard(Document& doc, bool originAtTop) {
  addBoard(doc, utf8ToWindows1252(tr(texts::defaultBoardName)), 160 * kUnitsPerMm,
           100 * kUnitsPerMm, originAtTop);
}

Document defaultDocument(bool originAtTop) {
  Document doc;
  addDefaultBoard(doc, originAtTop);
  doc.modified = false;
  return doc;
}

bool discardDocument(Document& doc, Host& host, const std::function<bool()>& save) {
  const bool empty =
      doc.boards.size() <= 1 && (doc.activeBoard < 0 || activeBoard(doc).objects.empty());
  if (!empty && doc.modified) {
    const Answer answer = host.ask(tr(texts::saveChanges), tr(texts::productName),
                                   Buttons::YesNoCancel, MessageIcon::Question);
    if (answer == Answer::Cancel) return false;
    if (answer == Answer::Yes && !save()) return false;
  }
  doc.boards.clear();
  doc.activeBoard = -1;
  doc.project = {};
  return true;
}

}  // namespace pravelo
