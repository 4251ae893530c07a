#pragma once

#include <QColor>
#include <QWidget>

#include "geometry/length_field.h"

class QLabel;
class QLineEdit;

namespace pravelo {

class SpinWheel;

// The length field of every panel and dialog: a text box, a wheel image that is clicked or
// dragged to step the value, and an optional unit label. It shows mm or mil by the unit switch
// and always delivers millimetres. Limits and step are given in the shown unit.
class TPvbSpinEdit : public QWidget {
  Q_OBJECT

 public:
  explicit TPvbSpinEdit(QWidget* parent = nullptr);

  float min() const { return field_.min(); }
  float max() const { return field_.max(); }
  float step() const { return field_.step(); }
  int nachkommaStellen() const { return field_.decimals(); }
  bool isMil() const { return field_.mil(); }
  void setMin(float v);
  void setMax(float v);
  void setStep(float v);
  void setNachkommaStellen(int decimals);
  // Switches the field between mm and mil; the value in millimetres stays.
  void setMIL(bool mil);
  void setMitEinheit(bool shown);
  void setBigFont(bool big);
  void setEditTextColor(const QColor& colour);
  void setEditBKColor(const QColor& colour);

  // The value in millimetres.
  double value() const { return field_.valueMm(); }
  void setValue(double mm);
  QString text() const;
  // Shows an empty box (the selected objects differ) until a value is set, typed or stepped.
  void setBlank();
  bool isBlank() const { return blank_; }

 signals:
  void OnBackup();  // before the first change of an editing gesture
  void OnEditChange();
  void OnEditEnter();
  void OnEditExit();
  void OnRadMouseDown();
  void OnRadMouseUp();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend class SpinWheel;
  void wheelPressed(int y, WheelButton button);
  void wheelDragged(int y, bool ctrl);
  void wheelReleased(bool ctrl);
  void commitTyping();
  void report(const LengthFieldEvents& events);
  void showText();
  void fitText();
  void applyColours(bool focused);

  LengthField field_;
  QLineEdit* edit_;
  SpinWheel* wheel_;
  QLabel* unit_;
  QColor textColour_{255, 255, 0};
  QColor backColour_{0, 0, 0};
  bool typing_ = false;  // the box has the focus and its text is not committed yet
  bool blank_ = false;
};

}  // namespace pravelo
