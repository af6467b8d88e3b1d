#include "output/twin/recorded_effects.h"

#include <utility>

namespace vx {

bool isReversedColourKind(std::int32_t playKind) { return playKind == 3 || playKind == 6; }
bool isOtherWayKind(std::int32_t playKind) { return playKind == 4; }
bool isGroupFillKind(std::int32_t playKind) { return playKind == 7 || playKind == 8; }

CompiledEffects asRecorded(CompiledEffects effects) {
    for (Mode& m : effects.modes) {
        if (m.playKind == 3 || m.playKind == 4) {
            m.playKind = 2;
        } else if (m.playKind == 6) {  // read from the end of the reversed list
            const auto index = static_cast<std::size_t>(m.colorIndex);
            if (index >= effects.colorGroup.size()) continue;
            UintList reversed;
            const UintList& list = effects.colorGroup[index];
            for (std::size_t i = list.size() / 3; i-- > 0;) {
                for (std::size_t c = 0; c < 3; ++c) reversed.push_back(list[3 * i + c]);
            }
            m.colorIndex = static_cast<std::int32_t>(effects.colorGroup.size());
            effects.colorGroup.push_back(std::move(reversed));
        }
    }
    return effects;
}

}  // namespace vx
