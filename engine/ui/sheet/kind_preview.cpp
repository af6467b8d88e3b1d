#include "engine/ui/sheet/kind_preview.h"

#include "effects/kind_shape.h"
#include "effects/mode_kind.h"

namespace vx {

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

void KindPreview::play(const std::string& kind) {
    kind_ = kind;
    playModes(kind.empty() ? ModeList{} : ModeList{previewMode(kind)});
}

}  // namespace vx
