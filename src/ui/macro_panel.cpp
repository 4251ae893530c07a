#include "ui/macro_panel.h"

#include <QCheckBox>
#include <QDrag>
#include <QEvent>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPixmap>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "base/host.h"
#include "base/windows1252.h"
#include "document/document_texts.h"
#include "project/macro_file.h"
#include "project/macro_tree.h"
#include "ui/macro_panel_texts.h"
#include "ui/qt_text.h"
#include "ui/widget_hint.h"
#include "view/macro_preview.h"

namespace pravelo {
namespace {

constexpr int kMacroPathRole = Qt::UserRole;

QToolButton* macroButton(const char* name, const QString& caption, const Text& hint) {
  auto* button = new QToolButton;
  button->setObjectName(name);
  button->setText(caption);
  setWidgetHint(button, hint);
  return button;
}

// The library tree: macro nodes drag onto the board like the preview.
class MacroTree : public QTreeWidget {
 protected:
  QStringList mimeTypes() const override { return {kMacroMimeType}; }
  QMimeData* mimeData(const QList<QTreeWidgetItem*>& items) const override {
    if (items.isEmpty()) return nullptr;
    auto* mime = new QMimeData;
    mime->setData(kMacroMimeType, items.first()->data(0, kMacroPathRole).toString().toUtf8());
    return mime;
  }
};

void addMacroNodes(const std::vector<MacroNode>& nodes, QTreeWidgetItem* parent,
                   QTreeWidget* tree) {
  for (const MacroNode& node : nodes) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
    item->setText(0, QString::fromStdString(node.name));
    item->setData(0, kMacroPathRole, QString::fromStdString(node.path.string()));
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    if (!isMacroFileName(node.path)) item->setFlags(item->flags() & ~Qt::ItemIsDragEnabled);
    addMacroNodes(node.children, item, tree);
  }
}

QTreeWidgetItem* findMacroItem(QTreeWidget* tree, const QString& path) {
  for (QTreeWidgetItemIterator it(tree); *it; ++it) {
    if ((*it)->data(0, kMacroPathRole).toString() == path) return *it;
  }
  return nullptr;
}

}  // namespace

TMakroPanel::TMakroPanel(MacroPanel& state, Host& host, QWidget* parent)
    : QDockWidget(qtr(texts::macroPanelTitle), parent), state_(state), host_(host) {
  setObjectName("P_Makro");
  auto* body = new QWidget;
  auto* column = new QVBoxLayout(body);
  column->setContentsMargins(2, 2, 2, 2);
  column->setSpacing(1);

  tree_ = new MacroTree;
  tree_->setObjectName("TV_Makros");
  tree_->setDragDropMode(QAbstractItemView::DragOnly);
  tree_->setHeaderHidden(true);
  tree_->setMinimumHeight(32);
  tree_->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
  column->addWidget(tree_, 1);

  preview_ = new QLabel;
  preview_->setObjectName("PB_Makro");
  preview_->setMinimumSize(48, 32);
  preview_->setAlignment(Qt::AlignCenter);
  preview_->installEventFilter(this);
  setWidgetHint(preview_, texts::macroPreviewHint);
  // The picture follows the label's size, so its own size must not ask for more room.
  preview_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
  column->addWidget(preview_, 1);

  line1_ = new QLineEdit;
  line1_->setObjectName("E_Makrotext1");
  line2_ = new QLineEdit;
  line2_->setObjectName("E_Makrotext2");
  for (QLineEdit* line : {line1_, line2_}) {
    line->setMaxLength(static_cast<int>(kMacroLineMax));
    column->addWidget(line);
  }

  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(1);
  side_ = macroButton("SB_MakroLayerChange", "TOP", texts::macroSideHint);
  auto* save = macroButton("SB_MakroSave", "+", texts::macroSaveHint);
  auto* remove = macroButton("SB_MakroDelete", "X", texts::macroDeleteHint);
  vias_ = macroButton("SB_MakroDurchkontaktieren", "V", texts::macroViasHint);
  vias_->setCheckable(true);
  auto* rotate = macroButton("SB_MakroRotieren", QString::fromUtf8("90°"), texts::macroRotateHint);
  for (QToolButton* b : {side_, save, remove, vias_, rotate}) buttons->addWidget(b);
  column->addLayout(buttons);
  asComponent_ = new QCheckBox(qtr(texts::macroAsComponent));
  asComponent_->setObjectName("CB_Bauteil");
  column->addWidget(asComponent_);
  setWidget(body);

  connect(tree_, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* item) { nodeChosen(item); });
  connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
    if (isMacroFileName(item->data(0, kMacroPathRole).toString().toStdString())) {
      emit editRequested();
    }
  });
  connect(tree_, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item) {
    if (filling_) return;
    emit renameRequested(item->data(0, kMacroPathRole).toString(), item->text(0));
  });
  connect(side_, &QToolButton::clicked, this, [this] {
    setMacroSide(state_, !state_.top);
    showSwitches();
    showPreview();
  });
  connect(vias_, &QToolButton::toggled, this, [this](bool on) { state_.throughPads = on; });
  connect(rotate, &QToolButton::clicked, this, [this] {
    rotatePanelMacro(state_, true);
    showPreview();
  });
  connect(asComponent_, &QCheckBox::toggled, this, [this](bool on) {
    setMacroAsComponent(state_, on);
    showPreview();
  });
  connect(save, &QToolButton::clicked, this, &TMakroPanel::saveRequested);
  connect(remove, &QToolButton::clicked, this, &TMakroPanel::deleteRequested);
  connect(line1_, &QLineEdit::textEdited, this, [this](const QString& text) {
    setMacroLine(state_, 1, utf8ToWindows1252(text.toStdString()));
  });
  connect(line2_, &QLineEdit::textEdited, this, [this](const QString& text) {
    setMacroLine(state_, 2, utf8ToWindows1252(text.toStdString()));
  });
  showSwitches();
}

void TMakroPanel::showLibrary(const std::filesystem::path& root,
                              const std::filesystem::path& selected) {
  root_ = root;
  emit helpLine(qtr(texts::macroLoading) + "\n" + QString::fromStdString(root.string()).toLower());
  filling_ = true;
  tree_->clear();
  addMacroNodes(buildMacroTree(root), nullptr, tree_);
  filling_ = false;
  emit helpLine({});
  if (auto* item = findMacroItem(tree_, QString::fromStdString(selected.string()))) {
    tree_->setCurrentItem(item);
  }
}

void TMakroPanel::setScheme(const ColourScheme& scheme) {
  scheme_ = scheme;
  showPreview();
}

std::filesystem::path TMakroPanel::selectedFolder() const {
  const QTreeWidgetItem* item = tree_->currentItem();
  if (!item) return root_;
  const std::filesystem::path path = item->data(0, kMacroPathRole).toString().toStdString();
  return isMacroFileName(path) ? path.parent_path() : path;
}

void TMakroPanel::refresh() {
  showLibrary(root_, state_.file);
  showSwitches();
  showPreview();
}

void TMakroPanel::nodeChosen(QTreeWidgetItem* item) {
  if (!item || filling_) return;
  const std::filesystem::path path = item->data(0, kMacroPathRole).toString().toStdString();
  if (const auto problem = selectMacroFile(state_, path, currentLanguage())) {
    host_.showMessage(*problem, pravelo::tr(texts::productName), MessageIcon::Warning);
  }
  showSwitches();
  showPreview();
}

void TMakroPanel::showSwitches() {
  side_->setText(state_.top ? "TOP" : "BOT");
  vias_->setChecked(state_.throughPads);
  asComponent_->setChecked(state_.asComponent);
  line1_->setText(QString::fromStdString(windows1252ToUtf8(state_.line1)));
  line2_->setText(QString::fromStdString(windows1252ToUtf8(state_.line2)));
}

void TMakroPanel::showPreview() {
  const QSize size = preview_->size();
  const Frame frame = renderMacroPreview(state_.macro, scheme_, size.width(), size.height());
  const QImage image(frame.pixels.data(), frame.width, frame.height, frame.width * 4,
                     QImage::Format_RGBA8888);
  preview_->setPixmap(QPixmap::fromImage(image.copy()));
}

void TMakroPanel::startDrag() {
  if (state_.macro.empty()) return;
  auto* drag = new QDrag(this);
  auto* mime = new QMimeData;
  mime->setData(kMacroMimeType, QByteArray::fromStdString(state_.file.string()));
  drag->setMimeData(mime);
  drag->exec(Qt::CopyAction);
}

bool TMakroPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == preview_) {
    if (event->type() == QEvent::MouseButtonPress) {
      startDrag();
      return true;
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
      if (!state_.macro.empty()) emit editRequested();
      return true;
    }
    if (event->type() == QEvent::Resize) showPreview();
  }
  return QDockWidget::eventFilter(watched, event);
}

}  // namespace pravelo
