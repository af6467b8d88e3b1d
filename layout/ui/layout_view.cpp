#include "layout/ui/layout_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include "layout/history/delete_lamp_edit.h"
#include "layout/history/insert_lamp_edit.h"
#include "layout/history/wire_port_edit.h"
#include "layout/layout_bounds.h"

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
    zoom_ = std::max(1, zoom);
    zoomFitted_ = true;  // a chosen zoom is never fitted over
    viewport()->update();
    Q_EMIT zoomChanged(zoom_);
}

void LayoutView::setGridShown(bool shown) {
    showGrid_ = shown;
    viewport()->update();
}

void LayoutView::setInsertMode() {
    insertMode_ = true;
    deleteMode_ = false;
    setPortState(chooseOperation(portState_, PortOperation::None));
}

void LayoutView::setDeleteMode() {
    deleteMode_ = true;
    insertMode_ = false;
    // Deleting a lamp takes it out of its port's chain first.
    setPortState(chooseOperation(portState_, PortOperation::Remove));
}

void LayoutView::endModes() {
    insertMode_ = false;
    deleteMode_ = false;
    setPortState(chooseOperation(portState_, PortOperation::None));
}

void LayoutView::setPortState(const PortEditState& state) {
    // Choosing a port operation ends the lamp modes; Delete Lamp keeps its own.
    if (state.operation != PortOperation::None && !deleteMode_) insertMode_ = false;
    if (state.operation != PortOperation::Remove) deleteMode_ = false;
    portState_ = state;
    viewport()->update();
    Q_EMIT portStateChanged(portState_);
}

void LayoutView::layoutChanged(LayoutChange change) {
    (void)change;
    followScanStep();
    viewport()->update();
    // The readout of the cell under the pointer follows the lamp just
    // inserted, deleted or wired there.
    if (pointerCell_) Q_EMIT pointerCell(pointerCell_->x(), pointerCell_->y());
}

void LayoutView::scrollContentsBy(int dx, int dy) {
    (void)dx;
    (void)dy;
    scroll_ = QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
    viewport()->update();
}

void LayoutView::paintOn(QPainter& painter, QSize client) {
    painter.fillRect(QRect(QPoint(0, 0), client), Qt::white);
    // The picture lies behind the lattice, unscrolled, as the scan reads it.
    if (scan_.pictureShown() && !shownImage_.isNull()) {
        painter.drawImage(0, 0, shownImage_);
        paintScope(painter);
    }
    if (!document_->lampsShown()) return;
    fitIfDue(client);
    paintLayout(painter, document_->layout(), client, {mappingFor(client), showGrid_});
}

void LayoutView::fitIfDue(QSize client) {
    if (placed_ || !document_->lampsShown()) return;
    placed_ = true;
    const auto& lamps = document_->layout().lamps;
    if (!lamps.empty()) centredOn_ = allLampBounds(lamps);
    placedClient_ = client;
    if (zoomFitted_) return;
    zoom_ = fittedZoom(lamps, client, zoom_);
    zoomFitted_ = true;
    Q_EMIT zoomChanged(zoom_);
}

CellMapping LayoutView::mappingFor(QSize client) const {
    if (!centredOn_) return {zoom_, -scroll_};
    // Centred in the client area the view had when it placed the lamps, so
    // that resizing the window moves nothing.
    (void)client;
    return CellMapping::centred(*centredOn_, placedClient_.width(), placedClient_.height(), zoom_,
                                scroll_);
}

CellMapping LayoutView::cellMapping() {
    fitIfDue(viewport()->size());
    return mappingFor(viewport()->size());
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
    const bool wiring = !insertMode_ && !deleteMode_ && portState_.operation != PortOperation::None;
    if (!insertMode_ && !deleteMode_ && !wiring) return;
    // The first edit of a view that has drawn no lamps yet keeps the cells
    // where they are, so the lamp lands under the pointer and stays there.
    if (!document_->lampsShown()) placed_ = true;
    const QPoint at = cellMapping().cellAt(pos);
    if (at.x() < 0 || at.y() < 0) {
        if (insertMode_) {
            Q_EMIT userMessage(dragging ? QStringLiteral("EDITIMGVIEW_ONLBDCLK_ORIF")
                                        : QStringLiteral("EDITIMGVIEW_ONLBDCLK_CIP"));
        }
        return;
    }
    const LatticeCell cell{at.x(), at.y()};
    if (wiring) {
        const PortEditState before = portState_;
        if (document_->apply(std::make_unique<WirePortEdit>(cell, portState_, stroke_))) {
            // The step that took the click (it may have merged into the
            // drag's step) says where the chain goes on.
            const auto* run = dynamic_cast<const WirePortEdit*>(document_->history().nextUndo());
            if (run != nullptr) portState_ = run->stateAfter();
            if (!(portState_ == before)) Q_EMIT portStateChanged(portState_);
        }
        return;
    }
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
    const QPoint pos = event->position().toPoint();
    if (scan_.press(pos.x(), pos.y())) {
        scopeEnd_ = pos;
        return;
    }
    dragging_ = true;
    ++stroke_;
    document_->closeStep();
    editAt(event->position().toPoint(), false);
}

void LayoutView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (scan_.scopeDragging()) {
        scopeEnd_ = pos;
        viewport()->update();
    }
    pointerCell_ = cellMapping().cellAt(pos);
    Q_EMIT pointerCell(pointerCell_->x(), pointerCell_->y());
    if (dragging_ && (event->buttons() & Qt::LeftButton)) {
        editAt(event->position().toPoint(), true);
    }
}

void LayoutView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint pos = event->position().toPoint();
    if (const auto scope = scan_.release(pos.x(), pos.y())) {
        ScanSettingsRecord settings = ScanSettingsRecord::of(document_->layout());
        settings.scanScope = *scope;
        applyScanSettings(settings, "ID_SCAN_SCOPE");
        return;
    }
    dragging_ = false;
    document_->closeStep();
}

void LayoutView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint pos = event->position().toPoint();
    if (const auto color = scan_.doubleClick(pos.x(), pos.y(), shown_)) {
        ScanSettingsRecord settings = ScanSettingsRecord::of(document_->layout());
        settings.backColor = *color;
        applyScanSettings(settings, "ID_SCAN_BACK");
        return;
    }
    endModes();
}

}  // namespace vx
