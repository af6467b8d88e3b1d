#pragma once
// The effect view: the lamps handed over by Transfer Data, drawn as cells
// on which effects are picked and previewed. It observes the same layout
// document as the layout view.

#include <QWidget>

#include <memory>

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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void layoutChanged(LayoutChange change) override;
    void paintOn(QPainter& painter, QSize client);

    std::shared_ptr<LayoutDocument> document_;
    int cellSize_ = 1;  // 1 = fit to the window at every draw
};

}  // namespace vx
