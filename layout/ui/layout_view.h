#pragma once
// The layout view: the lamps of one layout document on their lattice, with
// zoom, grid and the insert and delete modes. It observes the document, so
// an edit made in any window of the document shows here at once.

#include <QAbstractScrollArea>

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "layout/layout_document.h"
#include "layout/picture/picture.h"
#include "layout/ports.h"
#include "layout/scan/scan_view_state.h"
#include "layout/ui/layout_painter.h"

namespace vx {

class LayoutView : public QAbstractScrollArea, private LayoutObserver {
    Q_OBJECT
public:
    explicit LayoutView(std::shared_ptr<LayoutDocument> document, QWidget* parent = nullptr);
    ~LayoutView() override;

    LayoutDocument& document() { return *document_; }
    const std::shared_ptr<LayoutDocument>& sharedDocument() const { return document_; }

    int zoom() const { return zoom_; }
    void setZoom(int zoom);
    bool gridShown() const { return showGrid_; }
    void setGridShown(bool shown);
    bool insertMode() const { return insertMode_; }
    bool deleteMode() const { return deleteMode_; }
    void setInsertMode();
    void setDeleteMode();
    void endModes();
    // Port editing: clicks and drags add lamps to, insert them into or take
    // them out of a port's chain as the state says.
    const PortEditState& portState() const { return portState_; }
    void setPortState(const PortEditState& state);

    // The view as drawn at its current size, for tests and screenshots.
    QImage render();
    // Where the cells lie on the viewport: what is drawn, hovered, pressed
    // and dragged over. Fits the zoom first when the first drawing would.
    CellMapping cellMapping();

    // Picture scanning. Open Image shows the picture fitted to the view and
    // takes the background colour and scope from it as one step.
    bool openPicture(const Picture& picture);
    const Picture& shownPicture() const { return shown_; }
    const ScanViewState& scanState() const { return scan_; }
    void armBackColor() { scan_.armBackColor(); }
    void armScope() { scan_.armScope(); }
    // Scan and the empty lattice: the lamps come in one step when the timer
    // fires (scanFinished). False when nothing was started.
    bool startScan();
    bool startEmptyLattice();
    void togglePicture();

Q_SIGNALS:
    // A message for the user, by language key (shown by the main window).
    void userMessage(const QString& key);
    void zoomChanged(int zoom);
    void portStateChanged(const vx::PortEditState& state);
    // The lattice cell under the pointer, at every move (for the tools panel).
    void pointerCell(int x, int y);
    // A scan or empty lattice has put its lamps in: how many it found on a
    // lattice of columns x rows cells, `pitch` pels apart on the picture.
    void scanFinished(int found, int columns, int rows, double pitch);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void layoutChanged(LayoutChange change) override;
    void paintOn(QPainter& painter, QSize client);
    // The first drawing of shown lamps fits the zoom to them and centres
    // them; after that only a scan centres the view again, so that nothing
    // moves under the pointer unless the lamps were replaced.
    void fitIfDue(QSize client);
    CellMapping mappingFor(QSize client) const;
    void editAt(QPoint pos, bool dragging);
    void finishScan(const ScanSettingsRecord& settings, bool fromScan);
    void followScanStep();
    // The scan scope over the picture until the scan, and the rectangle
    // being dragged for it.
    void paintScope(QPainter& painter) const;
    void paintSamplePoints(QPainter& painter) const;
    bool applyScanSettings(const ScanSettingsRecord& settings, std::string_view textKey);

    std::shared_ptr<LayoutDocument> document_;
    int zoom_ = 16;
    bool showGrid_ = false;
    QPoint scroll_;
    bool zoomFitted_ = false;
    bool placed_ = false;  // the cells have their place on the viewport
    // The lamp bounds whose middle sits at the middle of the viewport; none:
    // cell (0, 0) at the top left.
    std::optional<CellRect> centredOn_;
    QSize placedClient_;  // the viewport's size when they were centred
    bool insertMode_ = false;
    bool deleteMode_ = false;
    PortEditState portState_;
    bool dragging_ = false;
    std::uint64_t stroke_ = 0;
    Picture shown_;
    QImage shownImage_;
    ScanViewState scan_;
    QPoint scopeEnd_;                    // the pointer during a scope drag
    std::optional<QPoint> pointerCell_;  // the cell last under the pointer
};

}  // namespace vx
