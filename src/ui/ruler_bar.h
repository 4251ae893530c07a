#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "view/ruler.h"

namespace pravelo {

// One of the two rulers beside the drawing area, with the marker that follows the pointer.
class RulerBar : public QWidget {
 public:
  RulerBar(RulerAxis axis, QWidget* parent);

  // The view it follows; the pixel range is the widget's own.
  void follow(const RulerSpec& spec);
  // The marker at a ruler pixel, or none while the pointer is elsewhere.
  void setMarker(std::optional<int> pixel);
  std::optional<int> marker() const { return marker_; }
  // The marks over the widget's own pixel range, as painted.
  std::vector<RulerTick> ticks() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  RulerSpec spec_;
  std::optional<int> marker_;
};

}  // namespace pravelo
