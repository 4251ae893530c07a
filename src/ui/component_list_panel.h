#pragma once

#include <QDockWidget>
#include <array>
#include <string>
#include <vector>

#include "document/document.h"
#include "project/component_list.h"

class QTableWidget;

namespace pravelo {

// The component list: one row per component of the board, sorted by name. Choosing a row
// selects the component, the name and value cells are edited in place, a double click opens the
// component dialog. The column widths live in the array it is given (negative: hidden).
class TBTList : public QDockWidget {
  Q_OBJECT

 public:
  static constexpr int kColumns = 7;
  // `widths` must outlive the panel.
  explicit TBTList(std::array<int, kColumns>& widths, QWidget* parent = nullptr);

  // Lists the components of `board` (null: none); the board must stay until the next call.
  void showBoard(const Board* board);
  // Lists anew after the board's objects changed.
  void refresh();
  const std::vector<ComponentListEntry>& entries() const { return entries_; }

 signals:
  void componentChosen(int component);
  // A name or value cell was edited; the text is Windows-1252.
  void cellEdited(int component, ComponentListCell cell, const std::string& text);
  void componentOpened(int component);
  void exportRequested();

 private:
  void showColumn(int column, bool shown);
  void cellChanged(int row, int column);
  void fitWidth();

  std::array<int, kColumns>& widths_;
  const Board* board_ = nullptr;
  std::vector<ComponentListEntry> entries_;
  bool filling_ = false;
  QTableWidget* table_;
};

}  // namespace pravelo
