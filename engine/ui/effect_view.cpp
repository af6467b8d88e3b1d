#include "engine/ui/effect_view.h"

#include <QPainter>

#include "engine/ui/effect_painter.h"

namespace vx {

EffectView::EffectView(std::shared_ptr<LayoutDocument> document, QWidget* parent)
    : QWidget(parent), document_(std::move(document)) {
    document_->addObserver(this);
}

EffectView::~EffectView() { document_->removeObserver(this); }

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
