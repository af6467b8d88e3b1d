#include "effects/mode_sheet.h"

#include <algorithm>

#include "effects/mode_kind.h"
#include "effects/parameter_rules.h"

namespace vx {

void ModeSheetState::beginNew(std::string_view kind, bool insert) {
    current = createMode(std::string(kind));
    adding = !insert;
    inserting = insert;
    replacing = false;
    openedForEdit = false;
    custom = kinds::isCustomKind(kind);
}

void ModeSheetState::beginEdit(const ModeList& modes, std::size_t index) {
    if (index >= modes.size()) return;
    current = modes[index];
    adding = false;
    inserting = false;
    replacing = true;
    openedForEdit = true;
    custom = false;
    rememberedIndex = index;
}

void ModeSheetState::endCommit() {
    adding = false;
    inserting = false;
    replacing = false;
    openedForEdit = false;
    custom = false;
}

ParameterValues parameterValuesFor(const Mode& mode, std::int32_t cellSize) {
    ParameterValues v;
    v.stepDelay = mode.stepDelay;
    v.stepCount = mode.stepCount;
    v.duration = mode.duration;
    v.bandWidth = mode.bandWidth;
    v.layerCode = mode.kindCode;
    v.wordStep = mode.wordStep;
    v.wordColorMode = mode.wordColorMode;
    v.startX = pixelsFromCell(mode.startX, cellSize);
    v.startY = pixelsFromCell(mode.startY, cellSize);
    v.area = {pixelsFromCell(mode.area.left, cellSize), pixelsFromCell(mode.area.top, cellSize),
              pixelsFromCell(mode.area.right, cellSize),
              pixelsFromCell(mode.area.bottom, cellSize)};
    v.label = mode.label.empty() ? mode.kind : mode.label;
    return v;
}

ModeCommit commitMode(const ModeSheetState& state, const ParameterValues& values,
                      std::int32_t cellSize, const SupplementaryBuffer& extra,
                      std::vector<std::size_t> selected, std::size_t modeCount) {
    ModeCommit commit;
    Mode& m = commit.mode;
    m = state.current;
    m.stepDelay = values.stepDelay;
    m.stepCount = values.stepCount;
    m.duration = values.duration;
    m.bandWidth = values.bandWidth;
    m.kindCode = values.layerCode;
    m.wordStep = values.wordStep;
    m.wordColorMode = values.wordColorMode;
    m.startX = cellFromPixels(values.startX, cellSize);
    m.startY = cellFromPixels(values.startY, cellSize);
    m.area = {cellFromPixels(values.area.left, cellSize), cellFromPixels(values.area.top, cellSize),
              cellFromPixels(values.area.right, cellSize),
              cellFromPixels(values.area.bottom, cellSize)};
    m.label = values.label;
    const bool onlyMarker = extra.lamps.size() == 1 && extra.lamps.front() == kNoLampsMarker;
    m.extraLamps = onlyMarker ? UintList{} : extra.lamps;
    m.extraRect = extra.rect;

    if ((state.adding || state.inserting) && state.custom && kinds::isCustomKind(m.kind)) {
        m.clusterIndex = -1;
        m.clusterGroupIndex = -1;
    }

    if (state.replacing && state.rememberedIndex < modeCount) {
        commit.action = CommitAction::Replace;
        commit.replaceIndex = state.rememberedIndex;
    } else if (state.adding) {
        commit.action = CommitAction::Append;
    } else if (state.inserting) {
        commit.action = CommitAction::Insert;
        std::erase_if(selected, [modeCount](std::size_t i) { return i >= modeCount; });
        std::sort(selected.begin(), selected.end());
        selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
        if (selected.empty()) {
            commit.insertPositions.push_back(modeCount);  // an empty box appends
        } else {
            // Each copy lands before its entry; earlier copies push the later
            // entries down by one each.
            for (std::size_t k = 0; k < selected.size(); ++k) {
                commit.insertPositions.push_back(selected[k] + k);
            }
        }
    }
    return commit;
}

}  // namespace vx
