#pragma once

#include "base/host.h"
#include "geometry/point.h"

namespace pravelo {

// What the tools ask of the window beyond messages and questions.
class EditorHost : public Host {
 public:
  // The drawing area's context menu at a world point.
  virtual void showContextMenu(DPoint world) = 0;
};

}  // namespace pravelo
