#include "layout/ui/layout_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include "layout/history/delete_lamp_edit.h"
#include "layout/history/insert_lamp_edit.h"

namespace vx {

namespace {
constexpr int kScrollRange = 3000;
}

LayoutView::LayoutView(std::shared_ptr<LayoutDocument> document, QWidget* parent)
    : QAbstractScrollArea(parent), document_(std::move(document)) {
    horizontalScrollBar()->setRange(0, kScrollRange);
    verticalScrollBar()->setRange(0, kScrollRange);
    horizontalScrollBar()->setSingleStep(16);
    verticalScrollBar()->setSingleStep(16);
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(false);
    document_->addObserver(this);
}

LayoutView::~LayoutView() { document_->removeObserver(this); }

void LayoutView::setZoom(int zoom) {
    state_.zoom = std::max(1, zoom);
    zoomFitted_ = true;  // a chosen zoom is never fitted over
    viewport()->update();
    Q_EMIT zoomChanged(state_.zoom);
}

void LayoutView::setGridShown(bool shown) {
    state_.showGrid = shown;
    viewport()->update();
}

void LayoutView::setInsertMode() {
    insertMode_ = true;
    deleteMode_ = false;
    viewport()->update();
}

void LayoutView::setDeleteMode() {
    deleteMode_ = true;
    insertMode_ = false;
    viewport()->update();
}

void LayoutView::endModes() {
    insertMode_ = false;
    deleteMode_ = false;
    viewport()->update();
}

void LayoutView::layoutChanged(LayoutChange change) {
    (void)change;
    viewport()->update();
}

void LayoutView::scrollContentsBy(int dx, int dy) {
    (void)dx;
    (void)dy;
    state_.scrollX = horizontalScrollBar()->value();
    state_.scrollY = verticalScrollBar()->value();
    viewport()->update();
}

void LayoutView::paintOn(QPainter& painter, QSize client) {
    painter.fillRect(QRect(QPoint(0, 0), client), Qt::white);
    if (!document_->lampsShown()) return;
    const auto& lamps = document_->layout().lamps;
    if (!zoomFitted_) {
        state_.zoom = fittedZoom(lamps, client, state_.zoom);
        zoomFitted_ = true;
        Q_EMIT zoomChanged(state_.zoom);
    }
    state_.cellAligned = insertMode_ || deleteMode_;
    paintLayout(painter, document_->layout(), client, state_);
}

void LayoutView::paintEvent(QPaintEvent* event) {
    (void)event;
    QPainter painter(viewport());
    paintOn(painter, viewport()->size());
}

QImage LayoutView::render() {
    QImage image(viewport()->size(), QImage::Format_RGB32);
    QPainter painter(&image);
    paintOn(painter, image.size());
    return image;
}

void LayoutView::editAt(QPoint pos, bool dragging) {
    if (!insertMode_ && !deleteMode_) return;
    const int z = state_.zoom;
    // Integer division as the click rule has it; only a drag leaves the
    // window far enough to reach a negative cell.
    const int cx = (pos.x() + state_.scrollX) / z;
    const int cy = (pos.y() + state_.scrollY) / z;
    if (pos.x() + state_.scrollX < 0 || pos.y() + state_.scrollY < 0) {
        if (insertMode_) {
            Q_EMIT userMessage(dragging ? QStringLiteral("EDITIMGVIEW_ONLBDCLK_ORIF")
                                      : QStringLiteral("EDITIMGVIEW_ONLBDCLK_CIP"));
        }
        return;
    }
    const LatticeCell cell{cx, cy};
    std::unique_ptr<Edit> edit;
    if (insertMode_) {
        edit = std::make_unique<InsertLampEdit>(cell, stroke_);
    } else {
        edit = std::make_unique<DeleteLampEdit>(cell, stroke_);
    }
    if (document_->apply(std::move(edit))) document_->setLampsShown(true);
}

void LayoutView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    dragging_ = true;
    ++stroke_;
    document_->closeStep();
    editAt(event->position().toPoint(), false);
}

void LayoutView::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_ && (event->buttons() & Qt::LeftButton)) {
        editAt(event->position().toPoint(), true);
    }
}

void LayoutView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    dragging_ = false;
    document_->closeStep();
}

void LayoutView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) endModes();
}

}  // namespace vx
