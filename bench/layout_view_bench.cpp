// The layout view at 60,000 lamps (300 x 200, one cell left empty), offscreen
// in a 1800 x 1000 view: a repaint, a hover readout, an insert or delete with
// its undo, and one step of a port-wiring drag across 1,000 lamps, each of
// which should stay within one 60 Hz frame (16 ms).

#include <benchmark/benchmark.h>

#include <QApplication>

#include <QImage>
#include <QMouseEvent>
#include "bench/qt_bench_app.h"

#include <algorithm>
#include <memory>

#include "layout/history/delete_lamp_edit.h"
#include "layout/history/insert_lamp_edit.h"
#include "layout/layout_document.h"
#include "layout/ui/layout_tools_panel.h"
#include "layout/ui/layout_view.h"

namespace {

constexpr std::int32_t kColumns = 300;
constexpr std::int32_t kRows = 200;
constexpr vx::LatticeCell kHole{150, 100};
constexpr std::int32_t kDragLamps = 1000;

std::shared_ptr<vx::LayoutDocument> bigLayout() {
    vx::LampLayout layout;
    std::int32_t n = 0;
    for (std::int32_t x = 0; x < kColumns; ++x) {
        for (std::int32_t y = 0; y < kRows; ++y) {
            if (x == kHole.x && y == kHole.y) continue;
            layout.lamps.push_back(vx::Lamp::made(x, y, n++, 10));
        }
    }
    auto document = std::make_shared<vx::LayoutDocument>(std::move(layout));
    document->setLampsShown(true);
    return document;
}

// A view showing the layout, fitted on its first repaint as a window is.
struct ViewFixture {
    QApplication& app = vx::bench::qtApplication();  // before any widget
    std::shared_ptr<vx::LayoutDocument> document = bigLayout();
    vx::LayoutView view{document};
    ViewFixture() {
        view.resize(1800, 1000);
        view.render();
    }
    // The middle of a cell while the view draws lamps on their cells.
    // Where the view draws the cell: the same mapping its presses go through.
    QPointF cellCentre(std::int32_t x, std::int32_t y) {
        return QRectF(view.cellMapping().cellRect(x, y)).center();
    }
    void send(QEvent::Type type, QPointF at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, view.viewport()->mapToGlobal(at), Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(view.viewport(), &event);
    }
};

}  // namespace

void BM_LayoutViewRepaint60000Lamps(benchmark::State& state) {
    ViewFixture f;
    std::uint64_t checksum = 0;
    for (auto _ : state) checksum += f.view.render().pixel(900, 500);
    benchmark::DoNotOptimize(checksum);
}
BENCHMARK(BM_LayoutViewRepaint60000Lamps)->Unit(benchmark::kMillisecond);

// A pointer move and the readout of the cell under it, as the tools panel
// shows it.
void BM_LayoutViewHover60000Lamps(benchmark::State& state) {
    ViewFixture f;
    std::size_t found = 0;
    QObject::connect(&f.view, &vx::LayoutView::pointerCell, [&](int x, int y) {
        if (vx::readPointer(f.document->layout(), x, y, f.view.zoom()).lampNumber) ++found;
    });
    std::int32_t x = 0;
    for (auto _ : state) {
        f.send(QEvent::MouseMove, f.cellCentre(x, kRows / 2), Qt::NoButton);
        x = (x + 7) % kColumns;
    }
    benchmark::DoNotOptimize(found);
}
BENCHMARK(BM_LayoutViewHover60000Lamps)->Unit(benchmark::kMillisecond);

// Insert Lamp on the empty cell and its undo; Delete Lamp on a lamp and its
// undo. The view hears of every change.
void BM_LayoutViewInsertUndo60000Lamps(benchmark::State& state) {
    ViewFixture f;
    for (auto _ : state) {
        f.document->apply(std::make_unique<vx::InsertLampEdit>(kHole));
        f.document->undo();
    }
}
BENCHMARK(BM_LayoutViewInsertUndo60000Lamps)->Unit(benchmark::kMillisecond);

void BM_LayoutViewDeleteUndo60000Lamps(benchmark::State& state) {
    ViewFixture f;
    for (auto _ : state) {
        f.document->apply(std::make_unique<vx::DeleteLampEdit>(vx::LatticeCell{10, 10}));
        f.document->undo();
    }
}
BENCHMARK(BM_LayoutViewDeleteUndo60000Lamps)->Unit(benchmark::kMillisecond);

// Port 1, Add: one drag down and up the first five columns wires 1,000
// lamps. One iteration is one pointer step of the drag with the repaint it
// asks for; each drag is undone before the next.
void BM_LayoutViewWiringDragStep(benchmark::State& state) {
    ViewFixture f;
    f.view.setPortState(vx::chooseOperation(vx::choosePort({}, 1), vx::PortOperation::Add));
    f.view.render();
    std::int32_t step = kDragLamps;
    std::int32_t wired = 0;
    for (auto _ : state) {
        if (step == kDragLamps) {
            state.PauseTiming();
            wired = std::max(wired, vx::highestPortOrder(f.document->layout().lamps, 1));
            f.send(QEvent::MouseButtonRelease, f.cellCentre(0, 0), Qt::NoButton);
            while (f.document->undo()) {
            }
            f.view.setPortState(vx::chooseOperation(vx::choosePort({}, 1), vx::PortOperation::Add));
            f.send(QEvent::MouseButtonPress, f.cellCentre(0, 0), Qt::LeftButton);
            step = 1;
            state.ResumeTiming();
        }
        const std::int32_t column = step / kRows;
        const std::int32_t down = step % kRows;
        const std::int32_t row = column % 2 == 0 ? down : kRows - 1 - down;
        f.send(QEvent::MouseMove, f.cellCentre(column, row), Qt::LeftButton);
        benchmark::DoNotOptimize(f.view.render().pixel(0, 0));
        ++step;
    }
    wired = std::max(wired, vx::highestPortOrder(f.document->layout().lamps, 1));
    state.counters["wired"] = static_cast<double>(wired);
}
BENCHMARK(BM_LayoutViewWiringDragStep)->Unit(benchmark::kMillisecond)->Iterations(kDragLamps);
