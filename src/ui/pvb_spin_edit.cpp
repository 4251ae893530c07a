#include "ui/pvb_spin_edit.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <algorithm>

#include "geometry/length_text.h"

namespace pravelo {

namespace {

// The text box holds at least this many characters, and more when the limits need them.
constexpr int kMinCharacters = 7;
constexpr int kWheelWidth = 11;
constexpr int kRidgeSpacing = 4;

bool ctrlHeld(const QInputEvent* event) { return event->modifiers() & Qt::ControlModifier; }

}  // namespace

// The wheel image: a ribbed cylinder whose ribs follow the drag.
class SpinWheel : public QWidget {
 public:
  explicit SpinWheel(TPvbSpinEdit* owner) : QWidget(owner), owner_(owner) {
    setObjectName("PB_Rad");
    setFixedWidth(kWheelWidth);
    setCursor(Qt::SizeVerCursor);
    // The right button steps down; it must not open a context menu.
    setContextMenuPolicy(Qt::PreventContextMenu);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    QLinearGradient shade(0, 0, width(), 0);
    shade.setColorAt(0, QColor(90, 90, 90));
    shade.setColorAt(0.4, QColor(225, 225, 225));
    shade.setColorAt(1, QColor(70, 70, 70));
    p.fillRect(rect(), shade);
    p.setPen(QColor(40, 40, 40));
    for (int y = phase_; y < height(); y += kRidgeSpacing) p.drawLine(1, y, width() - 2, y);
  }

  void mousePressEvent(QMouseEvent* event) override {
    const auto button = event->button() == Qt::RightButton ? WheelButton::Right : WheelButton::Left;
    lastY_ = event->position().toPoint().y();
    owner_->wheelPressed(lastY_, button);
  }

  void mouseMoveEvent(QMouseEvent* event) override {
    if (!(event->buttons() & Qt::LeftButton)) return;
    const int y = event->position().toPoint().y();
    phase_ = ((phase_ + y - lastY_) % kRidgeSpacing + kRidgeSpacing) % kRidgeSpacing;
    lastY_ = y;
    update();
    owner_->wheelDragged(y, ctrlHeld(event));
  }

  void mouseReleaseEvent(QMouseEvent* event) override { owner_->wheelReleased(ctrlHeld(event)); }

 private:
  TPvbSpinEdit* owner_;
  int phase_ = 0;
  int lastY_ = 0;
};

TPvbSpinEdit::TPvbSpinEdit(QWidget* parent)
    : QWidget(parent), edit_(new QLineEdit(this)), wheel_(new SpinWheel(this)), unit_(new QLabel) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(1);
  edit_->setObjectName("E_Edit");
  edit_->setAlignment(Qt::AlignRight);
  // Digits, a sign and one separator; a comma is read as the decimal point.
  edit_->setValidator(
      new QRegularExpressionValidator(QRegularExpression("[-+]?[0-9]*[.,]?[0-9]*"), edit_));
  edit_->installEventFilter(this);
  connect(edit_, &QLineEdit::textEdited, this, [this](const QString& typed) {
    blank_ = false;
    if (field_.keyTyped()) emit OnBackup();
    field_.setTypedText(typed.toStdString());
  });
  unit_->setObjectName("L_Einheit");
  unit_->hide();
  layout->addWidget(edit_);
  layout->addWidget(wheel_);
  layout->addWidget(unit_);
  setBigFont(false);
  applyColours(false);
  showText();
}

void TPvbSpinEdit::setMin(float v) {
  field_.setMin(v);
  fitText();
  setValue(value());
}

void TPvbSpinEdit::setMax(float v) {
  field_.setMax(v);
  fitText();
  setValue(value());
}

void TPvbSpinEdit::setStep(float v) { field_.setStep(v); }

void TPvbSpinEdit::setNachkommaStellen(int decimals) {
  field_.setDecimals(decimals);
  fitText();
  setValue(value());
}

void TPvbSpinEdit::setMIL(bool mil) {
  field_.setMil(mil);
  fitText();
  unit_->setText(unitCaption(mil ? LengthUnit::Mil : LengthUnit::Mm));
  showText();
}

void TPvbSpinEdit::setMitEinheit(bool shown) {
  unit_->setText(unitCaption(field_.mil() ? LengthUnit::Mil : LengthUnit::Mm));
  unit_->setVisible(shown);
}

void TPvbSpinEdit::setBigFont(bool big) {
  QFont font = edit_->font();
  font.setPointSize(big ? 9 : 8);
  edit_->setFont(font);
  unit_->setFont(font);
  fitText();
}

// Every value within the limits fits, with its sign and all decimals: a board side of
// 500.0000 mm needs eight characters.
void TPvbSpinEdit::fitText() {
  const auto widest = std::max(formatFixed(field_.min(), field_.decimals()).size(),
                               formatFixed(field_.max(), field_.decimals()).size());
  const int characters = std::max(kMinCharacters, static_cast<int>(widest));
  edit_->setMaxLength(characters);
  // Room for the characters and the frame.
  edit_->setFixedWidth(QFontMetrics(edit_->font()).horizontalAdvance(QString(characters + 1, '0')) +
                       8);
}

void TPvbSpinEdit::setBlank() {
  blank_ = true;
  edit_->clear();
}

void TPvbSpinEdit::setEditTextColor(const QColor& colour) {
  textColour_ = colour;
  applyColours(edit_->hasFocus());
}

void TPvbSpinEdit::setEditBKColor(const QColor& colour) {
  backColour_ = colour;
  applyColours(edit_->hasFocus());
}

void TPvbSpinEdit::setValue(double mm) {
  field_.setValueMm(mm);
  showText();
}

QString TPvbSpinEdit::text() const { return QString::fromStdString(field_.text()); }

void TPvbSpinEdit::showText() {
  blank_ = false;
  edit_->setText(text());
}

// While the box has the focus it is shown black on white.
void TPvbSpinEdit::applyColours(bool focused) {
  QPalette palette = edit_->palette();
  palette.setColor(QPalette::Base, focused ? QColor(Qt::white) : backColour_);
  palette.setColor(QPalette::Text, focused ? QColor(Qt::black) : textColour_);
  edit_->setPalette(palette);
}

bool TPvbSpinEdit::eventFilter(QObject* watched, QEvent* event) {
  if (watched != edit_) return QWidget::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::FocusIn:
      field_.enter();
      typing_ = true;
      applyColours(true);
      emit OnEditEnter();
      break;
    case QEvent::FocusOut: {
      const auto reason = static_cast<QFocusEvent*>(event)->reason();
      // A context menu or another window taking the focus for a moment does not end the edit.
      if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason) break;
      applyColours(false);
      commitTyping();
      break;
    }
    case QEvent::KeyPress: {
      auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        // Enter commits and takes the focus away, without reaching a dialog's default button.
        commitTyping();
        edit_->clearFocus();
        return true;
      }
      if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
        // The arrow keys click the wheel.
        field_.pressWheel(0, key->key() == Qt::Key_Up ? WheelButton::Left : WheelButton::Right);
        report(field_.releaseWheel(ctrlHeld(key)));
        return true;
      }
      break;
    }
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

void TPvbSpinEdit::commitTyping() {
  if (!typing_) return;
  typing_ = false;
  // Leaving a blank field without typing keeps it blank and changes nothing.
  if (blank_) return;
  report(field_.commit());
}

void TPvbSpinEdit::report(const LengthFieldEvents& events) {
  showText();
  if (events.backup) emit OnBackup();
  if (events.changed) emit OnEditChange();
  if (events.exited) emit OnEditExit();
}

void TPvbSpinEdit::wheelPressed(int y, WheelButton button) {
  field_.pressWheel(y, button);
  emit OnRadMouseDown();
}

void TPvbSpinEdit::wheelDragged(int y, bool ctrl) { report(field_.dragWheel(y, ctrl)); }

void TPvbSpinEdit::wheelReleased(bool ctrl) {
  report(field_.releaseWheel(ctrl));
  emit OnRadMouseUp();
}

}  // namespace pravelo
