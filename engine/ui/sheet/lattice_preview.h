#pragma once
// A small lattice of lamps on which the engine plays a few modes, looping,
// on the virtual clock driven by a timer: the picture beside a kind or a
// style while the user chooses one.

#include <QTimer>
#include <QWidget>

#include <memory>

#include "engine/compiled_effects.h"
#include "engine/play/playback.h"
#include "layout/lamp_layout.h"

namespace vx {

class LatticePreview : public QWidget {
    Q_OBJECT
public:
    static constexpr int kColumns = 12;
    static constexpr int kRows = 8;
    static constexpr int kTickMs = 50;

    explicit LatticePreview(QWidget* parent = nullptr);
    ~LatticePreview() override;

    // Advances the show by one tick (the timer calls it).
    void tick();
    // Current lamp colours, 0x00BBGGRR, in lamp order.
    std::vector<ColorWord> colors() const;
    QSize sizeHint() const override { return {kColumns * 10 + 4, kRows * 10 + 4}; }

protected:
    // Plays `modes` one after the other over the lattice, from the start,
    // stopping the show before; no modes leaves the lattice dark.
    void playModes(ModeList modes);
    std::size_t lampCount() const { return lattice_.lamps.size(); }
    void paintEvent(QPaintEvent* event) override;

private:
    void restart();

    LampLayout lattice_;
    CompiledEffects effects_;
    std::unique_ptr<Playback> playback_;
    QTimer timer_;
};

}  // namespace vx
