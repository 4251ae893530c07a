#pragma once

#include <QDialog>

#include "base/host.h"
#include "document/document.h"
#include "geometry/length_text.h"

class QCheckBox;
class QPlainTextEdit;

namespace pravelo {

// The drill list: count and diameter per drill of the active board, rebuilt when a check box
// changes, and a button that copies it to the clipboard.
class TBohrInfoDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TBohrInfoDlg(Host& host, QWidget* parent = nullptr);

  // Lists the board's drills; the board must stay while the dialog shows it.
  void showBoard(const Board& board, LengthUnit unit);
  void execute(const Board& board, LengthUnit unit);
  QString listText() const;

 private:
  void rebuild();
  void copyToClipboard();

  Host& host_;
  const Board* board_ = nullptr;
  LengthUnit unit_ = LengthUnit::Mm;
  QCheckBox* simple_;
  QCheckBox* throughHole_;
  QPlainTextEdit* list_;
};

}  // namespace pravelo
