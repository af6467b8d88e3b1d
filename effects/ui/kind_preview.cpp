#include "effects/ui/kind_preview.h"

#include <QPainter>

#include "effects/kind_shape.h"
#include "effects/mode_kind.h"
#include "engine/compile/compile_effects.h"

namespace vx {
namespace {

// Modes start 2 s into a parallel playback; the preview begins there.
constexpr std::int64_t kFirstStartMs = 2000;

LampLayout previewLattice() {
    LampLayout layout;
    std::int32_t number = 0;
    for (std::int32_t x = 0; x < KindPreview::kColumns; ++x) {
        for (std::int32_t y = 0; y < KindPreview::kRows; ++y) {
            Lamp lamp;
            lamp.x = x;
            lamp.y = y;
            lamp.number = number++;
            layout.lamps.push_back(lamp);
        }
    }
    layout.effectLamps = layout.lamps;
    return layout;
}

}  // namespace

Mode previewMode(const std::string& kind) {
    Mode m = createMode(kind);
    const auto family = kinds::classifyKind(kinds::ruleKind(kind, "")).family;
    const bool twoColors = family == kinds::Family::Brightness || family == kinds::Family::Scroll ||
                           family == kinds::Family::Word;
    m.colors = twoColors ? UintList{255, 40, 0, 0, 40, 255}
                         : UintList{255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 0};
    m.stepDelay = 8;
    m.stepCount = 3;
    m.duration = 40;
    m.bandWidth = 2;
    m.area = {0, 0, KindPreview::kColumns - 1, KindPreview::kRows - 1};
    m.startX = KindPreview::kColumns / 2;
    m.startY = KindPreview::kRows / 2;
    m.label = kind;
    if (kinds::isCircleKind(kind)) {
        m.circleKind = "CM_EXPANDCIRCULAR_GC";
        m.circleX = m.startX;
        m.circleY = m.startY;
        m.circleRadius = 4;
    }
    return m;
}

KindPreview::KindPreview(QWidget* parent) : QWidget(parent), lattice_(previewLattice()) {
    setMinimumSize(sizeHint());
    timer_.setInterval(kTickMs);
    connect(&timer_, &QTimer::timeout, this, &KindPreview::tick);
}

KindPreview::~KindPreview() = default;

void KindPreview::play(const std::string& kind) {
    timer_.stop();
    playback_.reset();
    kind_ = kind;
    lattice_.effects = EffectData{};
    if (!kind.empty()) {
        lattice_.effects.modes.push_back(previewMode(kind));
        effects_ = compileEffects(lattice_);
        restart();
        timer_.start();
    }
    update();
}

void KindPreview::restart() {
    playback_ = std::make_unique<Playback>(effects_, lattice_.lamps.size(), PlayRequest{});
    playback_->runUntil(kFirstStartMs);
}

void KindPreview::tick() {
    if (!playback_) return;
    if (playback_->idle()) {
        restart();  // loop the illustration
    } else {
        playback_->runUntil(playback_->now() + kTickMs);
    }
    update();
}

std::vector<ColorWord> KindPreview::colors() const {
    if (!playback_) return std::vector<ColorWord>(lattice_.lamps.size(), 0);
    return playback_->lampColors();
}

void KindPreview::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    const int cell = std::max(2, std::min(width() / kColumns, height() / kRows));
    const int offX = (width() - cell * kColumns) / 2;
    const int offY = (height() - cell * kRows) / 2;
    const auto colors = this->colors();
    p.setRenderHint(QPainter::Antialiasing);
    for (std::size_t i = 0; i < lattice_.lamps.size(); ++i) {
        const Lamp& lamp = lattice_.lamps[i];
        const ColorWord c = i < colors.size() ? colors[i] : 0;
        const QColor color(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                           static_cast<int>((c >> 16) & 0xFF));
        const QRect r(offX + lamp.x * cell + 1, offY + lamp.y * cell + 1, cell - 2, cell - 2);
        p.setPen(QColor(60, 60, 60));
        p.setBrush(color);
        p.drawRoundedRect(r, cell * 0.3, cell * 0.3);
    }
}

}  // namespace vx
