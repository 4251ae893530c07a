#pragma once

#include <QColor>
#include <QSize>
#include <QWidget>

namespace pravelo {

// The drawing area: a surface of the board's size at the current zoom. Until objects are
// rendered it shows the board area filled with the colour scheme's background.
class BoardView : public QWidget {
 public:
  explicit BoardView(QWidget* parent = nullptr);

  void showBoard(QSize pixels, QColor background);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor background_;
};

}  // namespace pravelo
