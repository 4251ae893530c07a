#include "project/board_commands.h"

#include "base/text.h"
#include "base/units.h"
#include "base/windows1252.h"
#include "document/document_texts.h"
#include "document/object_list.h"
#include "project/boards.h"

namespace pravelo {

void deleteBoardCommand(Document& doc, Host& host) {
  if (doc.boards.size() <= 1) {
    host.showMessage(tr(texts::cannotDeleteLastBoard), tr(texts::productName),
                     MessageIcon::Information);
    return;
  }
  const std::string question = fillIn(
      texts::deleteBoard, {quoted(windows1252ToUtf8(trimmedBoardName(activeBoard(doc).name)))});
  const Answer answer =
      host.ask(question, tr(texts::productName), Buttons::OkCancel, MessageIcon::Question);
  if (answer == Answer::Ok) removeBoard(doc, doc.activeBoard);
  doc.modified = true;
}

std::string boardAddedMessage(const std::string& name) {
  return fillIn(texts::boardAdded, {quoted(windows1252ToUtf8(trimmedBoardName(name)))});
}

bool hasInnerLayerObjects(const Board& board) {
  for (const auto& o : board.objects) {
    if (o->layer == kLayerI1 || o->layer == kLayerI2) return true;
  }
  return false;
}

bool setMultilayer(Board& board, bool on) {
  BoardHeader& header = board.header;
  const std::uint8_t multilayer = on ? 1 : 0;
  if (multilayer == header.multilayer) return false;
  // Only switching off deletes: a file may hold inner-layer objects with the switch off, and
  // they stay until the user turns the switch on and off again.
  if (!multilayer) {
    removeObjectsIf(board.objects,
                    [](const TObjekt& o) { return o.layer == kLayerI1 || o.layer == kLayerI2; });
    header.groundPlane[kLayerI1 - 1] = 0;
    header.groundPlane[kLayerI2 - 1] = 0;
  }
  header.multilayer = multilayer;
  header.layerVisible[kLayerI1 - 1] = multilayer;
  header.layerVisible[kLayerI2 - 1] = multilayer;
  return true;
}

}  // namespace pravelo
