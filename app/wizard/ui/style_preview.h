#pragma once
// The styles page's preview box: the modes of one wizard style played by the
// engine on a small lattice, looping, on the virtual clock driven by a timer.

#include <QTimer>
#include <QWidget>

#include <memory>
#include <optional>

#include "engine/compiled_effects.h"
#include "engine/play/playback.h"
#include "layout/lamp_layout.h"

namespace vx {

class StylePreview : public QWidget {
    Q_OBJECT
public:
    static constexpr int kColumns = 12;
    static constexpr int kRows = 8;
    static constexpr int kTickMs = 50;

    explicit StylePreview(QWidget* parent = nullptr);
    ~StylePreview() override;

    // Starts the show of `style` (0..13), stopping the one before.
    void play(std::size_t style);
    std::optional<std::size_t> style() const { return style_; }
    // Advances the show by one tick (the timer calls it).
    void tick();
    // Current lamp colours, 0x00BBGGRR, in lamp order.
    std::vector<ColorWord> colors() const;
    QSize sizeHint() const override { return {kColumns * 10 + 4, kRows * 10 + 4}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void restart();

    LampLayout lattice_;
    CompiledEffects effects_;
    std::unique_ptr<Playback> playback_;
    std::optional<std::size_t> style_;
    QTimer timer_;
};

}  // namespace vx
