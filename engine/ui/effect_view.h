#pragma once
// The effect view: the lamps handed over by Transfer Data, drawn as cells
// on which effects are picked and previewed. It observes the same layout
// document as the layout view.

#include <QWidget>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "layout/layout_document.h"

namespace vx {

class EffectView : public QWidget, private LayoutObserver {
    Q_OBJECT
public:
    explicit EffectView(std::shared_ptr<LayoutDocument> document, QWidget* parent = nullptr);
    ~EffectView() override;

    LayoutDocument& document() { return *document_; }
    const std::shared_ptr<LayoutDocument>& sharedDocument() const { return document_; }

    int cellSize() const { return cellSize_; }
    // Takes a cell size of 2 to 20; anything else is refused with false and
    // the view stays as it is.
    bool setCellSize(int size);

    QImage render();

    // Picking for the effect pages: while on, a click reports its cell and
    // lamp, a drag the rectangle of cells it covered, and a double click
    // ends the picking. `marked`: the picked list, drawn blue. With
    // `rectangle` the lamps inside the dragged rectangle are drawn blue too.
    void setPicking(bool on, bool rectangle = false);
    bool picking() const { return picking_; }
    void setMarkedLamps(std::vector<std::uint32_t> marked);
    // Layer Edit: clicks add lamps to layer n (1..50) or remove them, as
    // undoable steps; 0 ends layer editing. The layer is drawn green.
    void setEditedLayer(int layer, bool removing);
    int editedLayer() const { return editedLayer_; }

Q_SIGNALS:
    // `pixelX`, `pixelY`: the cell times the cell size, as the pages show
    // coordinates; `lamp`: the lamp number in that cell or -1.
    void cellPicked(int pixelX, int pixelY, int lamp);
    void areaPicked(int left, int top, int right, int bottom);
    void pickingEnded();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void layoutChanged(LayoutChange change) override;
    void paintOn(QPainter& painter, QSize client);

    QPoint cellUnder(QPoint pixel) const;
    void dragTo(QPoint cell);
    void editLayerAt(QPoint cell);

    std::shared_ptr<LayoutDocument> document_;
    int cellSize_ = 1;  // 1 = fit to the window at every draw
    bool picking_ = false;
    std::vector<std::uint32_t> marked_;
    bool pickingRectangle_ = false;
    std::optional<QPoint> dragStart_;
    QPoint dragEnd_;
    std::optional<QRect> pickedRect_;  // cells, while picking a rectangle
    std::optional<QRect> rectBeforeDrag_;
    int editedLayer_ = 0;
    bool removingFromLayer_ = false;
    std::uint64_t layerStroke_ = 0;
};

}  // namespace vx
