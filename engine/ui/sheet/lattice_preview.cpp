#include "engine/ui/sheet/lattice_preview.h"

#include <QPainter>

#include "engine/compile/compile_effects.h"

namespace vx {
namespace {

// Modes start 2 s into a parallel playback; the show begins there.
constexpr std::int64_t kFirstStartMs = 2000;

LampLayout previewLattice() {
    LampLayout layout;
    std::int32_t number = 0;
    for (std::int32_t x = 0; x < LatticePreview::kColumns; ++x) {
        for (std::int32_t y = 0; y < LatticePreview::kRows; ++y) {
            layout.lamps.push_back(Lamp::made(x, y, number++, 8));
        }
    }
    layout.effectLamps = transferredLamps(layout.lamps);
    return layout;
}

}  // namespace

LatticePreview::LatticePreview(QWidget* parent) : QWidget(parent), lattice_(previewLattice()) {
    setMinimumSize(sizeHint());
    timer_.setInterval(kTickMs);
    connect(&timer_, &QTimer::timeout, this, &LatticePreview::tick);
}

LatticePreview::~LatticePreview() = default;

void LatticePreview::playModes(ModeList modes) {
    timer_.stop();
    playback_.reset();
    lattice_.effects = EffectData{};
    if (!modes.empty()) {
        lattice_.effects.modes = std::move(modes);
        effects_ = compileEffects(lattice_);
        restart();
        timer_.start();
    }
    update();
}

void LatticePreview::restart() {
    playback_ = std::make_unique<Playback>(effects_, lattice_.lamps.size(), PlayRequest{});
    playback_->runUntil(kFirstStartMs);
}

void LatticePreview::tick() {
    if (!playback_) return;
    if (playback_->idle()) {
        restart();  // the show loops
    } else {
        playback_->runUntil(playback_->now() + kTickMs);
    }
    update();
}

std::vector<ColorWord> LatticePreview::colors() const {
    if (!playback_) return std::vector<ColorWord>(lattice_.lamps.size(), 0);
    return playback_->lampColors();
}

void LatticePreview::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    const int cell = std::max(2, std::min(width() / kColumns, height() / kRows));
    const int offX = (width() - cell * kColumns) / 2;
    const int offY = (height() - cell * kRows) / 2;
    const auto colors = this->colors();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(60, 60, 60));
    for (std::size_t i = 0; i < lattice_.lamps.size(); ++i) {
        const Lamp& lamp = lattice_.lamps[i];
        const ColorWord c = i < colors.size() ? colors[i] : 0;
        p.setBrush(QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                          static_cast<int>((c >> 16) & 0xFF)));
        p.drawRoundedRect(
            QRect(offX + lamp.x * cell + 1, offY + lamp.y * cell + 1, cell - 2, cell - 2),
            cell * 0.3, cell * 0.3);
    }
}

}  // namespace vx
