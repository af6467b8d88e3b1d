#pragma once
// A layout whose effects need one colour group more than CSTGRP.h holds.

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

inline std::filesystem::path writeTooColorfulLayout(const std::filesystem::path& folder) {
    const std::filesystem::path path = folder / "colourful.led";
    const auto bytes = encodeLayout(tooColorfulLayout());
    if (!writeFileAtomically(path, std::string(bytes.begin(), bytes.end()))) return {};
    return path;
}

}  // namespace vx::test
