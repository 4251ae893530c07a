// Printing the active board: the print dialog and the printer setup.
#include <filesystem>

#include "base/windows1252.h"
#include "editing/tool_machine.h"
#include "ui/main_window.h"
#include "ui/print_dialog.h"

namespace pravelo {

void MainWindow::createPrintDialog() { printDlg_ = new TPrint_Dlg(*host_, start_.settings, this); }

// The title of the print: the layout's file name and the board's name in brackets.
void MainWindow::SB_PrintClick() {
  machine_->chooseTool(ToolId::Edit);
  showEditorState();
  const std::string file = doc_.fileName.empty()
                               ? std::string("Pravelo-Board")
                               : std::filesystem::path(doc_.fileName).filename().string();
  printDlg_->execute(activeBoard(doc_),
                     file + " [" + windows1252ToUtf8(activeBoard(doc_).name) + "]");
}

void MainWindow::Druckereinrichten1Click() { printDlg_->setupPrinter(); }

}  // namespace pravelo
