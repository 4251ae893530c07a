// Printing the active board: the print dialog and the printer setup.
#include <filesystem>
#include <string>
#include <vector>

#include "base/windows1252.h"
#include "editing/tool_machine.h"
#include "ui/main_window.h"
#include "ui/print_dialog.h"

namespace pravelo {

void MainWindow::createPrintDialog() {
  printDlg_ = new TPrint_Dlg(*host_, start_.settings, start_.folders.settings, this);
}

// The title of the print: the layout's file name and the board's name in brackets. The board's
// scanned copies come along for "Scanned copy"; one that cannot be loaded is left out and the
// rest prints without it.
void MainWindow::SB_PrintClick() {
  machine_->chooseTool(ToolId::Edit);
  showEditorState();
  const std::string file = doc_.fileName.empty()
                               ? std::string("Pravelo-Board")
                               : std::filesystem::path(doc_.fileName).filename().string();
  const Board& board = activeBoard(doc_);
  std::vector<std::string> unloaded;
  printDlg_->execute(board, file + " [" + windows1252ToUtf8(board.name) + "]",
                     loadPrintTemplates(board.header, doc_.fileName, unloaded));
}

void MainWindow::Druckereinrichten1Click() { printDlg_->setupPrinter(); }

}  // namespace pravelo
