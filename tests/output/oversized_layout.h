#pragma once
// Layouts too large for the controller: one whose effects need one colour
// group more than CSTGRP.h holds, and ones whose colour tables fill its code
// memory.

#include <filesystem>
#include <string>

#include "layout/layout_file.h"
#include "platform/file_io.h"

namespace vx::test {

// Four lamps in a row and 102 chases over them, each in its own colours,
// all in program group 0.
inline LampLayout tooColorfulLayout() {
    LampLayout layout;
    for (std::int32_t i = 0; i < 4; ++i) layout.lamps.push_back(Lamp::made(i, 0, i, 10));
    for (std::uint32_t i = 0; i < 102; ++i) {
        Mode mode = createMode("CM_LEFTTORIGHT_CC");
        mode.area = {0, 0, 3, 0};
        mode.colors = {i, 0, 0, 0, 0, i};
        mode.stepDelay = 5;
        mode.stepCount = 4;
        mode.duration = 10;
        layout.effects.modes.push_back(mode);
        mode.kindCode = static_cast<std::int32_t>(i);
        layout.effects.programGroups[0].push_back(mode);
    }
    return layout;
}

// Four lamps and `modes` chases of `colours` colours each, every list its own
// (all within the table limits): the colour tables alone take modes x colours
// x 3 bytes of the controller's code memory.
inline LampLayout manyColoursLayout(std::uint32_t modes, std::uint32_t colours) {
    LampLayout layout;
    for (std::int32_t i = 0; i < 4; ++i) layout.lamps.push_back(Lamp::made(i, 0, i, 10));
    for (std::uint32_t i = 0; i < modes; ++i) {
        Mode mode = createMode("CM_LEFTTORIGHT_CC");
        mode.area = {0, 0, 3, 0};
        mode.colors.clear();
        for (std::uint32_t c = 0; c < colours; ++c)
            mode.colors.insert(mode.colors.end(), {i, c % 256, c / 256});
        mode.stepDelay = 5;
        mode.stepCount = 4;
        mode.duration = 10;
        layout.effects.modes.push_back(mode);
        mode.kindCode = static_cast<std::int32_t>(i);
        layout.effects.programGroups[i % 32].push_back(mode);
    }
    return layout;
}

inline std::filesystem::path writeTooColorfulLayout(const std::filesystem::path& folder) {
    const std::filesystem::path path = folder / "colourful.led";
    const auto bytes = encodeLayout(tooColorfulLayout());
    if (!writeFileAtomically(path, std::string(bytes.begin(), bytes.end()))) return {};
    return path;
}

}  // namespace vx::test
