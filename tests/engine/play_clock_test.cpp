// The playback clock: start rules, ordering within a millisecond, control
// modes and determinism.

#include <gtest/gtest.h>

#include <algorithm>

#include "play_test_support.h"

namespace vx::test {
namespace {

const ColorWord kRed = rgb(255, 0, 0);
const ColorWord kGreen = rgb(0, 255, 0);

// Four lamps; lamp list k < 4 is lamp k alone, list 4 is all four.
CompiledEffects show(std::vector<Mode> modes) {
    CompiledEffects e;
    e.modes = std::move(modes);
    e.clusters = {{0}, {1}, {2}, {3}, {0, 1, 2, 3}};
    e.clusterGroups = {{4}};
    e.colorGroup = {{255, 0, 0}, {0, 255, 0}};
    return e;
}

// A lamp fill over list `list` in colour `colour`: one paint per lamp.
Mode fill(std::int32_t list, std::int32_t duration, std::uint32_t delay = 1,
          std::int32_t color = 0) {
    Mode m = compiledMode(9, delay, 0, duration);
    m.clusterIndex = list;
    m.colorIndex = color;
    return m;
}

// A colour change over all lamps that plays for S x 100 ms.
Mode longChange(std::int32_t steps, std::int32_t duration) {
    Mode m = compiledMode(5, 10, steps, duration);
    m.clusterIndex = 4;
    return m;
}

TEST(PlayClock, ParallelModesStartTwoSecondsInPlusTheEarlierDurations) {
    const Recorder r = play(show({fill(0, 30), fill(1, 0), fill(2, 50)}), 4, parallel(), 20'000);
    EXPECT_EQ(r.positions('s'), (std::vector<std::uint64_t>{0, 1, 2}));
    EXPECT_EQ(r.times('s'), (std::vector<std::int64_t>{2000, 5000, 5000}));
    EXPECT_EQ(r.times('p'), (std::vector<std::int64_t>{2000, 5000, 5000}));
}

TEST(PlayClock, ModesActingAtTheSameMillisecondActInStartOrder) {
    CompiledEffects e = show({fill(4, 0, 10, 0), fill(4, 0, 10, 1)});
    Playback playback(e, 4, parallel());
    Recorder r;
    Playback recorded(e, 4, parallel(), &r);
    recorded.runUntil(2150);
    // At every shared millisecond the first mode paints before the second.
    const auto paints = r.only('p');
    ASSERT_EQ(paints.size(), 4u);
    EXPECT_EQ(paints[0].color, kRed);
    EXPECT_EQ(paints[1].color, kGreen);
    EXPECT_EQ(paints[2].t, 2100);
    EXPECT_EQ(paints[2].color, kRed);
    EXPECT_EQ(paints[3].color, kGreen);
    // The lamp colours seen between frames follow the clock.
    playback.runUntil(1999);
    EXPECT_EQ(playback.lampColors(), std::vector<ColorWord>(4, 0));
    playback.runUntil(2000);
    EXPECT_EQ(playback.lampColors()[0], kGreen);
    EXPECT_EQ(playback.lampColors()[1], 0u);
}

TEST(PlayClock, PartialPlayClampsItsEndAndRefusesAnEmptyRange) {
    std::vector<Mode> modes;
    for (int i = 0; i < 5; ++i) modes.push_back(fill(i % 4, 10));
    const CompiledEffects e = show(modes);
    const Recorder r = play(e, 4, partial(2, 10), 20'000);
    EXPECT_EQ(r.positions('s'), (std::vector<std::uint64_t>{2, 3, 4}));
    EXPECT_EQ(r.times('s'), (std::vector<std::int64_t>{2000, 3000, 4000}));

    Playback none(e, 4, partial(3, 1));
    EXPECT_TRUE(none.idle());
}

TEST(PlayClock, SequentialPlayRunsEachModeToItsEndFromTimeZero) {
    Mode first = fill(4, 50, 10);  // four lamps, 100 ms each
    first.startOffset = 7;
    Mode fade = compiledMode(0, 10, 0, 2);
    fade.colors = {0, 255, 0};
    fade.clusterIndex = 0;
    const Recorder r = play(show({first, fade, controlMode(255, 2)}), 4, sequential(), 20'000);
    EXPECT_EQ(r.times('s'), (std::vector<std::int64_t>{0, 400, 600}));
    EXPECT_EQ(r.times('e'), (std::vector<std::int64_t>{400, 600, 600}));
}

TEST(PlayControlModes, RegroupStopsTheEarlierModesAtItsStartTime) {
    const Recorder r = play(show({longChange(1000, 10), longChange(1000, 10), longChange(1000, 10),
                                  controlMode(253, 3, 10), longChange(1000, 10)}),
                            4, parallel(), 7000);
    EXPECT_EQ(r.positions('x'), (std::vector<std::uint64_t>{0, 1, 2}));
    EXPECT_EQ(r.times('x'), (std::vector<std::int64_t>{5000, 5000, 5000}));
    // Mode 0 acts at 5000 before the regroup that was started after it.
    const auto events = r.events;
    const auto stop = std::find(events.begin(), events.end(), Event{5000, 'x', 0, 0});
    ASSERT_NE(stop, events.end());
    EXPECT_NE(std::find(events.begin(), stop, Event{5000, 'p', 0, kRed}), stop);
    // Mode 4 plays on.
    EXPECT_EQ(r.positions('s').back(), 4u);
    EXPECT_TRUE(r.only('e').size() == 1 && r.only('e')[0].a == 3);
}

TEST(PlayControlModes, RegroupAsFirstModeStopsNothing) {
    const Recorder r =
        play(show({controlMode(253, 0, 10), longChange(50, 10)}), 4, parallel(), 20'000);
    EXPECT_TRUE(r.only('x').empty());
    EXPECT_EQ(r.times('e'), (std::vector<std::int64_t>{2000, 8000}));
}

TEST(PlayControlModes, EmptyModePaintsBlackAndStopsOnlyInThreadedPlay) {
    const auto modes = std::vector<Mode>{longChange(1000, 10), controlMode(254, 1, 10)};
    const Recorder r = play(show(modes), 4, parallel(), 5000);
    EXPECT_EQ(r.positions('x'), std::vector<std::uint64_t>{0});
    const auto paints = r.only('p');
    ASSERT_GE(paints.size(), 4u);
    for (std::size_t i = paints.size() - 4; i < paints.size(); ++i) {
        EXPECT_EQ(paints[i].t, 3000);
        EXPECT_EQ(paints[i].color, 0u);
    }

    const Recorder seq = play(show({longChange(2, 10), controlMode(254, 1, 10), longChange(1, 0)}),
                              4, sequential(), 5000);
    EXPECT_TRUE(seq.only('x').empty());
    EXPECT_EQ(seq.times('e'), (std::vector<std::int64_t>{200, 200, 300}));
}

TEST(PlayControlModes, RegressRestartsOnlyAParallelPlayback) {
    const auto modes = std::vector<Mode>{longChange(1000, 10), controlMode(255, 1, 10)};
    const Recorder r = play(show(modes), 4, parallel(), 9500);
    EXPECT_EQ(r.times('s'), (std::vector<std::int64_t>{2000, 3000, 5000, 6000, 8000, 9000}));
    EXPECT_EQ(r.positions('s'), (std::vector<std::uint64_t>{0, 1, 0, 1, 0, 1}));
    EXPECT_EQ(r.times('x'), (std::vector<std::int64_t>{3000, 6000, 9000}));

    const Recorder seq = play(show(modes), 4, sequential(), 200'000);
    EXPECT_EQ(seq.times('s'), (std::vector<std::int64_t>{0, 100'000}));
    EXPECT_TRUE(seq.only('x').empty());
    const Recorder part = play(show(modes), 4, partial(0, 1), 200'000);
    EXPECT_EQ(part.times('s'), (std::vector<std::int64_t>{2000, 3000}));
    EXPECT_TRUE(part.only('x').empty());
}

TEST(PlayControlModes, InAProgramGroupControlModesCountProgramPositions) {
    // The regroup is compiled mode 0 but third in program group 3.
    CompiledEffects e = show({controlMode(253, 0, 10), longChange(1000, 10), longChange(1000, 10),
                              longChange(1000, 10)});
    e.programGroups[3] = {1, 2, 3, 0};
    PlayRequest request = parallel();
    request.programGroup = 3;
    const Recorder r = play(e, 4, request, 10'000);
    EXPECT_EQ(r.times('s'), (std::vector<std::int64_t>{2000, 3000, 4000, 5000}));
    EXPECT_EQ(r.positions('x'), (std::vector<std::uint64_t>{0, 1, 2}));
    EXPECT_EQ(playList(e, request)[3].stepCount, 3);
    // A program group with a position past the compiled list skips it.
    e.programGroups[3] = {1, 9};
    EXPECT_EQ(playList(e, request).size(), 1u);
}

TEST(PlayClock, StepsOfLargeListsLastAsLongAsOnTheController) {
    // 20 steps over 160 lamps with stepDelay 1: the wait after each step is
    // 0 ms (10 - 15 painting), but painting is charged, 15 ms a step.
    CompiledEffects e = show({compiledMode(5, 1, 20)});
    e.clusters.push_back(UintList(160));
    for (std::uint32_t i = 0; i < 160; ++i) e.clusters.back()[i] = i;
    e.modes[0].clusterIndex = 5;
    const Recorder r = play(e, 160, sequential(), 10'000);
    EXPECT_EQ(r.times('e'), std::vector<std::int64_t>{300});
    const auto paints = r.times('p');
    ASSERT_EQ(paints.size(), 20u * 160u);
    EXPECT_EQ(paints[160], 15);
    EXPECT_EQ(paints.back(), 19 * 15);
}

TEST(PlayClock, ModesWithoutWaitsStillLetTheClockMove) {
    // stepDelay 0 everywhere: every step of every kind takes 1 ms, so a
    // parallel show that starts over at 3 s keeps moving instead of spinning.
    Mode change = compiledMode(1, 0, 1'000'000);
    Mode lampChange = compiledMode(5, 0, 1'000'000);
    lampChange.clusterIndex = 4;
    CompiledEffects e =
        show({change, lampChange, fill(4, 0, 0), compiledMode(7, 0, 0, 10), controlMode(255, 4)});
    Recorder r;
    Playback playback(e, 4, parallel(), &r);
    playback.runUntil(2010);
    // Both changes paint once a millisecond from 2000 ms on.
    std::vector<std::int64_t> changeSteps;
    for (const Event& ev : r.only('p')) {
        if (ev.a == 3 && (changeSteps.empty() || changeSteps.back() != ev.t))
            changeSteps.push_back(ev.t);
    }
    EXPECT_EQ(changeSteps.front(), 2000);
    EXPECT_EQ(changeSteps.back(), 2010);
    EXPECT_EQ(changeSteps.size(), 11u);
    playback.runUntil(20'000);
    EXPECT_EQ(playback.now(), 20'000);
    EXPECT_FALSE(playback.idle());
    // The regress comes 1 s after the others, which start 2 s in: the show
    // starts over every 3 s.
    std::vector<std::int64_t> restarts;
    for (const Event& ev : r.only('s')) {
        if (ev.a == 0) restarts.push_back(ev.t);
    }
    EXPECT_EQ(restarts,
              (std::vector<std::int64_t>{2000, 5000, 8000, 11'000, 14'000, 17'000, 20'000}));

    // In sequential play each mode ends after its steps of 1 ms.
    const Recorder seq = play(show({compiledMode(1, 0, 1000), lampChange}), 4, sequential(), 2500);
    EXPECT_EQ(seq.times('e'), std::vector<std::int64_t>{1000});
    EXPECT_EQ(seq.times('s'), (std::vector<std::int64_t>{0, 1000}));
}

TEST(PlayClock, StopAllEndsEveryModeWhereItStands) {
    CompiledEffects e = show({longChange(1000, 10), fill(1, 10)});
    Recorder r;
    Playback playback(e, 4, parallel(), &r);
    playback.runUntil(2500);
    playback.stopAll();
    EXPECT_TRUE(playback.idle());
    EXPECT_EQ(r.positions('x'), std::vector<std::uint64_t>{0});  // mode 1 had not started
    const std::size_t before = r.events.size();
    playback.runUntil(100'000);
    EXPECT_EQ(r.events.size(), before);
}

TEST(PlayClock, TheSameShowGivesTheSameTimelineEveryRun) {
    CompiledEffects e =
        show({longChange(40, 3), compiledMode(2, 3, 30, 0), fill(4, 5, 7, 1),
              controlMode(253, 3, 4), compiledMode(7, 2, 0, 6), controlMode(255, 5, 20)});
    e.colorGroup.push_back({1, 2, 3, 4, 5, 6, 7, 8, 9});
    e.modes[1].colorIndex = 2;
    const Recorder a = play(e, 4, parallel(), 30'000);
    const Recorder b = play(e, 4, parallel(), 30'000);
    EXPECT_GT(a.events.size(), 100u);
    EXPECT_EQ(a.events, b.events);
}

}  // namespace
}  // namespace vx::test
