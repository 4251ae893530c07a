#pragma once

#include <QWidget>

#include "document/document.h"
#include "view/colour_scheme.h"
#include "view/render_options.h"

namespace pravelo {

// The drawing area: a surface of the board's size at its zoom inside the scroll box; each paint
// renders the exposed part of it.
class BoardView : public QWidget {
 public:
  explicit BoardView(QWidget* parent = nullptr);

  // Shows the active board of `doc`, sized for its zoom, and keeps showing whichever board is
  // active; nothing while the document has none. The document, scheme and options must outlive
  // the view.
  void showActiveBoard(const Document& doc, const ColourScheme& scheme,
                       const RenderOptions& options);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const Document* doc_ = nullptr;
  const ColourScheme* scheme_ = nullptr;
  const RenderOptions* options_ = nullptr;
};

}  // namespace pravelo
