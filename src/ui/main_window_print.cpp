// Printing the active board: the print dialog and the printer setup.
#include <filesystem>
#include <memory>
#include <string>

#include "base/windows1252.h"
#include "editing/tool_machine.h"
#include "ui/main_window.h"
#include "ui/print_dialog.h"

namespace pravelo {

void MainWindow::createPrintDialog() {
  printDlg_ = new TPrint_Dlg(*host_, start_.settings, start_.folders.settings, this);
}

// The title of the print: the layout's file name and the board's name in brackets. "Scanned
// copy" prints the scans the view shows; the dialog is modal, so they stay as they are while it
// is open and are lent to it without a copy.
void MainWindow::SB_PrintClick() {
  machine_->chooseTool(ToolId::Edit);
  showEditorState();
  const std::string file = doc_.fileName.empty()
                               ? std::string("Pravelo-Board")
                               : std::filesystem::path(doc_.fileName).filename().string();
  const Board& board = activeBoard(doc_);
  PrintTemplates lent;
  for (std::size_t side = 0; side < lent.size(); ++side) {
    if (templates_.sides[side]) lent[side] = {std::shared_ptr<void>(), &*templates_.sides[side]};
  }
  printDlg_->execute(board, file + " [" + windows1252ToUtf8(board.name) + "]", lent);
}

void MainWindow::Druckereinrichten1Click() { printDlg_->setupPrinter(); }

}  // namespace pravelo
