// Playing what compilation makes of a layout.

#include <gtest/gtest.h>

#include "engine/compile/compile_effects.h"
#include "play_test_support.h"

namespace vx::test {
namespace {

LampLayout rowOfLamps(std::int32_t count) {
    LampLayout layout;
    for (std::int32_t x = 0; x < count; ++x) layout.lamps.push_back(Lamp::made(x, 0, x, 8));
    return layout;
}

Mode fillMode(std::int32_t duration) {
    Mode m = createMode("CM_LEFTTORIGHT_CF");
    m.colors = {255, 0, 0};
    m.stepDelay = 1;
    m.area = CellRect{0, 0, 3, 0};
    m.duration = duration;
    return m;
}

TEST(PlayCompiled, ParallelModesOfALayoutStartAtTwoThenFiveAndFiveSeconds) {
    LampLayout layout = rowOfLamps(4);
    layout.effects.modes = {fillMode(30), fillMode(0), fillMode(50)};
    const CompiledEffects compiled = compileEffects(layout);
    const Recorder r = play(compiled, layout.lamps.size(), parallel(), 10'000);
    EXPECT_EQ(r.times('s'), (std::vector<std::int64_t>{2000, 5000, 5000}));
    // Each mode fills the four lamps left to right, 10 ms apart.
    EXPECT_EQ(r.only('p').size(), 12u);
    EXPECT_EQ(r.only('p')[3], (Event{2030, 'p', 3, rgb(255, 0, 0)}));
}

TEST(PlayCompiled, ARegroupInAProgramGroupStopsTheModesBeforeItThere) {
    LampLayout layout = rowOfLamps(4);
    Mode slow = fillMode(10);
    slow.stepDelay = 100;  // 1 s per lamp
    Mode regroup = createMode("CM_REGROUP");
    layout.effects.modes = {regroup, slow, slow};
    for (const std::int32_t source : {1, 2, 0}) {
        Mode entry = layout.effects.modes[static_cast<std::size_t>(source)];
        entry.kindCode = source;
        layout.effects.programGroups[5].push_back(entry);
    }
    const CompiledEffects compiled = compileEffects(layout);
    PlayRequest request = parallel();
    request.programGroup = 5;
    const Recorder r = play(compiled, layout.lamps.size(), request, 10'000);
    EXPECT_EQ(r.times('s'), (std::vector<std::int64_t>{2000, 3000, 4000}));
    EXPECT_EQ(r.positions('x'), (std::vector<std::uint64_t>{0, 1}));
    EXPECT_EQ(r.times('x'), (std::vector<std::int64_t>{4000, 4000}));
}

}  // namespace
}  // namespace vx::test
