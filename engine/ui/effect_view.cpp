#include "engine/ui/effect_view.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

#include "engine/ui/effect_painter.h"
#include "layout/history/layer_edit.h"

namespace vx {

EffectView::EffectView(std::shared_ptr<LayoutDocument> document, QWidget* parent)
    : QWidget(parent), document_(std::move(document)) {
    document_->addObserver(this);
}

EffectView::~EffectView() {
    // Windows made over this view (the mode sheet) hold its document: they
    // go first, while the document is still here.
    qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
    document_->removeObserver(this);
}

bool EffectView::setCellSize(int size) {
    if (size < 2 || size > kMaxCellSize) return false;
    cellSize_ = size;
    update();
    return true;
}

void EffectView::layoutChanged(LayoutChange change) {
    (void)change;
    update();
}

void EffectView::paintOn(QPainter& painter, QSize client) {
    painter.fillRect(QRect(QPoint(0, 0), client), Qt::black);
    const auto& lamps = document_->layout().effectLamps;
    if (cellSize_ == 1) cellSize_ = fittedCellSize(lamps, client);
    paintEffectLamps(painter, lamps, client, cellSize_);
    if (const Layer* layer = layerByNumber(document_->layout().effects, editedLayer_)) {
        // A layer holds lamp-list positions; the lamp there carries its number.
        std::vector<std::uint32_t> numbers;
        for (std::uint32_t p : *layer) {
            if (p < lamps.size()) numbers.push_back(static_cast<std::uint32_t>(lamps[p].number));
        }
        paintMarkedLamps(painter, lamps, numbers, client, cellSize_, QColor(0, 255, 0));
    }
    if (!picking_) return;
    std::vector<std::uint32_t> blue = marked_;
    if (pickedRect_) {
        for (const Lamp& lamp : lamps) {
            if (pickedRect_->contains(lamp.x, lamp.y))
                blue.push_back(static_cast<std::uint32_t>(lamp.number));
        }
    }
    paintMarkedLamps(painter, lamps, blue, client, cellSize_, QColor(0, 0, 255));
}

void EffectView::setPicking(bool on, bool rectangle) {
    picking_ = on;
    pickingRectangle_ = on && rectangle;
    dragStart_.reset();
    pickedRect_.reset();
    rectBeforeDrag_.reset();
    update();
}

// A click or a drag extends the rectangle picked so far (or starts it), so
// the double click that ends picking inside it leaves it as it is.
void EffectView::dragTo(QPoint cell) {
    dragEnd_ = cell;
    if (pickingRectangle_ && dragStart_) {
        const QRect dragged = QRect(*dragStart_, dragEnd_).normalized();
        pickedRect_ = rectBeforeDrag_ ? rectBeforeDrag_->united(dragged) : dragged;
        update();
    }
}

void EffectView::setMarkedLamps(std::vector<std::uint32_t> marked) {
    marked_ = std::move(marked);
    update();
}

void EffectView::setEditedLayer(int layer, bool removing) {
    editedLayer_ = layerByNumber(document_->layout().effects, layer) ? layer : 0;
    removingFromLayer_ = removing;
    ++layerStroke_;
    update();
}

QPoint EffectView::cellUnder(QPoint pixel) const {
    return cellAt(document_->layout().effectLamps, size(), std::max(cellSize_, 1), pixel);
}

void EffectView::editLayerAt(QPoint cell) {
    const auto& lamps = document_->layout().effectLamps;
    for (std::size_t i = 0; i < lamps.size(); ++i) {
        if (lamps[i].x != cell.x() || lamps[i].y != cell.y()) continue;
        document_->apply(std::make_unique<LayerEdit>(
            editedLayer_, static_cast<std::uint32_t>(i),
            removingFromLayer_ ? LayerEdit::Action::Remove : LayerEdit::Action::Add, layerStroke_));
        return;
    }
}

void EffectView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint cell = cellUnder(event->position().toPoint());
    if (editedLayer_ > 0 && !picking_) {
        editLayerAt(cell);
        return;
    }
    if (!picking_ || cell.x() < 0 || cell.y() < 0 || cell.x() >= 500 || cell.y() >= 500) return;
    dragStart_ = cell;
    rectBeforeDrag_ = pickedRect_;
    dragTo(cell);
    const int c = std::max(cellSize_, 1);
    Q_EMIT cellPicked(cell.x() * c, cell.y() * c,
                      lampAtCell(document_->layout().effectLamps, cell));
}

void EffectView::mouseMoveEvent(QMouseEvent* event) {
    if (dragStart_) dragTo(cellUnder(event->position().toPoint()));
}

void EffectView::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragStart_ || event->button() != Qt::LeftButton) return;
    dragTo(cellUnder(event->position().toPoint()));
    const int c = std::max(cellSize_, 1);
    const QRect r = pickedRect_ ? *pickedRect_ : QRect(*dragStart_, dragEnd_).normalized();
    dragStart_.reset();
    Q_EMIT areaPicked(r.left() * c, r.top() * c, r.right() * c, r.bottom() * c);
}

void EffectView::mouseDoubleClickEvent(QMouseEvent* event) {
    (void)event;
    if (!picking_) return;
    setPicking(false);
    Q_EMIT pickingEnded();
}

void EffectView::paintEvent(QPaintEvent* event) {
    (void)event;
    QPainter painter(this);
    paintOn(painter, size());
}

QImage EffectView::render() {
    QImage image(size(), QImage::Format_RGB32);
    QPainter painter(&image);
    paintOn(painter, image.size());
    return image;
}

}  // namespace vx
