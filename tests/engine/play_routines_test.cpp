// Frame routines, played one at a time from t = 0 (sequential play).

#include <gtest/gtest.h>

#include "engine/play/frame_routines.h"
#include "play_test_support.h"

namespace vx::test {
namespace {

const ColorWord C0 = rgb(255, 0, 0);
const ColorWord C1 = rgb(0, 255, 0);
const ColorWord C2 = rgb(0, 0, 255);

CompiledEffects fiveLamps(Mode mode) {
    CompiledEffects e;
    e.modes = {std::move(mode)};
    e.clusters = {{0, 1}, {2}, {3, 4}, {0, 1, 2, 3, 4}, {}};
    e.clusterGroups = {{0, 1, 2}};
    e.colorGroup = {{255, 0, 0, 0, 255, 0, 0, 0, 255}};
    return e;
}

Recorder playOne(const Mode& mode, std::int64_t until = 1'000'000) {
    return play(fiveLamps(mode), 5, sequential(), until);
}

std::vector<ColorWord> colors(const std::vector<Event>& paints) {
    std::vector<ColorWord> out;
    for (const Event& e : paints) out.push_back(e.color);
    return out;
}

std::vector<std::uint64_t> lamps(const std::vector<Event>& paints) {
    std::vector<std::uint64_t> out;
    for (const Event& e : paints) out.push_back(e.a);
    return out;
}

// Paints at time t, in paint order.
std::vector<Event> paintsAt(const Recorder& r, std::int64_t t) {
    std::vector<Event> out;
    for (const Event& e : r.only('p')) {
        if (e.t == t) out.push_back(e);
    }
    return out;
}

Mode fade(std::vector<std::uint32_t> colors, std::uint32_t delay, std::int32_t steps,
          std::int32_t duration) {
    Mode m = compiledMode(0, delay, steps, duration);
    m.colors = std::move(colors);
    m.clusterIndex = 1;  // one lamp
    return m;
}

std::vector<std::uint32_t> reds(const Recorder& r) {
    std::vector<std::uint32_t> out;
    for (const Event& e : r.only('p')) out.push_back(e.color & 0xFF);
    return out;
}

TEST(PlayFade, FadesInStepsThenHoldsTheEndColor) {
    const Recorder r = playOne(fade({255, 0, 0, 0, 0, 0}, 10, 5, 10));
    EXPECT_EQ(reds(r), (std::vector<std::uint32_t>{255, 204, 153, 102, 51, 0, 0, 0, 0, 0}));
    EXPECT_EQ(r.times('p'),
              (std::vector<std::int64_t>{0, 100, 200, 300, 400, 500, 600, 700, 800, 900}));
    EXPECT_EQ(r.times('e'), std::vector<std::int64_t>{1000});

    const Recorder once = playOne(fade({255, 0, 0, 0, 0, 0}, 10, 0, 3));
    EXPECT_EQ(reds(once), (std::vector<std::uint32_t>{255, 0, 0}));
}

TEST(PlayFade, StepDelayZeroActsAsOneAndDurationZeroPlaysNothing) {
    const Recorder fast = playOne(fade({255, 0, 0, 0, 0, 0}, 0, 5, 1));
    EXPECT_EQ(fast.times('p'), (std::vector<std::int64_t>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90}));

    const Recorder none = playOne(fade({255, 0, 0, 0, 0, 0}, 10, 5, 0));
    EXPECT_TRUE(none.only('p').empty());
    EXPECT_EQ(none.times('e'), std::vector<std::int64_t>{0});
}

TEST(PlayFade, MovesEveryChannelByTheLargestStepWithoutOvershoot) {
    const Recorder r = playOne(fade({10, 200, 30, 20, 100, 30}, 10, 2, 3));
    EXPECT_EQ(colors(r.only('p')),
              (std::vector<ColorWord>{rgb(10, 200, 30), rgb(20, 150, 30), rgb(20, 100, 30)}));
    // Without colours the fade goes from black to black.
    const Recorder dark = playOne(fade({}, 10, 2, 1));
    EXPECT_EQ(colors(dark.only('p')), std::vector<ColorWord>{0});
}

TEST(PlayFade, StepsLastTheirFullTimeWhateverTheLampCount) {
    // The wait is 100 - 2 ms for 25 lamps; the 2 ms of painting are charged
    // on the clock, so 2 frames end at 200 ms, as on the controller.
    CompiledEffects e = fiveLamps(fade({255, 0, 0, 0, 0, 0}, 10, 5, 2));
    e.clusters[1] = UintList(25);
    for (std::uint32_t i = 0; i < 25; ++i) e.clusters[1][i] = i;
    const Recorder r = play(e, 25, sequential(), 10'000);
    EXPECT_EQ(r.times('e'), std::vector<std::int64_t>{200});
}

TEST(PlayStepWaits, LampAndGroupKindsSubtractThePaintingEstimate) {
    EXPECT_EQ(lampStepWait(10, 0), 100u);  // an empty list counts as no lamps
    EXPECT_EQ(lampStepWait(10, 1), 100u);
    EXPECT_EQ(lampStepWait(10, 11), 99u);
    EXPECT_EQ(lampStepWait(10, 1000), 1u);
    EXPECT_EQ(lampStepWait(10, 1001), 0u);
    EXPECT_EQ(lampStepWait(10, 10'000), 0u);
    EXPECT_EQ(groupStepWait(10, 19), 100u);
    EXPECT_EQ(groupStepWait(10, 100), 95u);
    EXPECT_EQ(groupStepWait(10, 980), 51u);
    EXPECT_EQ(groupStepWait(10, 1000), 50u);  // never below 5 x stepDelay
    EXPECT_EQ(groupStepWait(0, 0), 0u);
}

TEST(PlayStepWaits, StepsAreChargedTheirPaintingAndLastAtLeastOneMillisecond) {
    // Wait plus painting: 10 x stepDelay while the wait can absorb it.
    EXPECT_EQ(lampStepTime(10, 11), 100u);
    EXPECT_EQ(lampStepTime(10, 1000), 100u);
    EXPECT_EQ(lampStepTime(1, 160), 15u);       // wait 0, painting 15
    EXPECT_EQ(lampStepTime(10, 10'000), 999u);  // painting outlasts the step
    EXPECT_EQ(groupStepTime(10, 160), 100u);
    EXPECT_EQ(groupStepTime(10, 1000), 100u);  // wait 50 + painting 50
    EXPECT_EQ(groupStepTime(10, 4000), 250u);  // wait held at 50, painting 200
    EXPECT_EQ(groupStepTime(1, 160), 13u);     // wait 5, painting 8
    // Nothing to paint and no wait: still 1 ms.
    EXPECT_EQ(lampStepTime(0, 0), 1u);
    EXPECT_EQ(lampStepTime(0, 5), 1u);
    EXPECT_EQ(groupStepTime(0, 19), 1u);
    EXPECT_EQ(plainStepTime(0), 1u);
    EXPECT_EQ(plainStepTime(90), 90u);
}

TEST(PlayLampChange, PatternMovesBackwardForFiveAndForwardForSix) {
    Mode five = compiledMode(5, 5, 2);
    five.clusterIndex = 3;
    const Recorder r5 = playOne(five);
    EXPECT_EQ(lamps(paintsAt(r5, 0)), (std::vector<std::uint64_t>{0, 1, 2, 3, 4}));
    EXPECT_EQ(colors(paintsAt(r5, 0)), (std::vector<ColorWord>{C0, C1, C2, C0, C1}));
    EXPECT_EQ(colors(paintsAt(r5, 50)), (std::vector<ColorWord>{C1, C2, C0, C1, C2}));
    EXPECT_EQ(r5.times('e'), std::vector<std::int64_t>{100});

    Mode six = five;
    six.playKind = 6;
    const Recorder r6 = playOne(six);
    // Painted from the last lamp; by lamp, step 0 reads C1 C2 C0 C1 C2.
    EXPECT_EQ(lamps(paintsAt(r6, 0)), (std::vector<std::uint64_t>{4, 3, 2, 1, 0}));
    EXPECT_EQ(colors(paintsAt(r6, 0)), (std::vector<ColorWord>{C2, C1, C0, C2, C1}));
    EXPECT_EQ(colors(paintsAt(r6, 50)), (std::vector<ColorWord>{C1, C0, C2, C1, C0}));
}

TEST(PlayGroupChange, FourKindsDifferInDirectionAndColorEnd) {
    // Groups {0,1}, {2}, {3,4}, painted last group first.
    const std::vector<std::uint64_t> order{3, 4, 2, 0, 1};
    struct Case {
        std::int32_t kind;
        std::vector<ColorWord> step0, step1;
    };
    const std::vector<Case> cases = {
        {1, {C2, C2, C1, C0, C0}, {C0, C0, C2, C1, C1}},
        {2, {C0, C0, C1, C2, C2}, {C1, C1, C2, C0, C0}},
        {3, {C2, C2, C1, C0, C0}, {C1, C1, C0, C2, C2}},
        {4, {C0, C0, C1, C2, C2}, {C2, C2, C0, C1, C1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        const Recorder r = playOne(compiledMode(c.kind, 10, 2));
        EXPECT_EQ(lamps(paintsAt(r, 0)), order);
        EXPECT_EQ(colors(paintsAt(r, 0)), c.step0);
        EXPECT_EQ(colors(paintsAt(r, 100)), c.step1);
        EXPECT_EQ(r.times('e'), std::vector<std::int64_t>{200});
    }
}

TEST(PlayFills, LightOneMorePerStepAndKeepThem) {
    const Recorder r7 = playOne(compiledMode(7, 10, 0));
    EXPECT_EQ(lamps(r7.only('p')), (std::vector<std::uint64_t>{0, 1, 2, 3, 4}));
    EXPECT_EQ(colors(r7.only('p')), (std::vector<ColorWord>{C0, C0, C1, C2, C2}));
    EXPECT_EQ(r7.times('p'), (std::vector<std::int64_t>{0, 0, 90, 180, 180}));
    EXPECT_EQ(r7.times('e'), std::vector<std::int64_t>{270});

    const Recorder r8 = playOne(compiledMode(8, 10, 0));
    EXPECT_EQ(lamps(r8.only('p')), (std::vector<std::uint64_t>{3, 4, 2, 0, 1}));
    EXPECT_EQ(colors(r8.only('p')), (std::vector<ColorWord>{C0, C0, C1, C2, C2}));

    Mode nine = compiledMode(9, 10, 0);
    nine.clusterIndex = 3;
    const Recorder r9 = playOne(nine);
    EXPECT_EQ(lamps(r9.only('p')), (std::vector<std::uint64_t>{0, 1, 2, 3, 4}));
    EXPECT_EQ(colors(r9.only('p')), (std::vector<ColorWord>{C0, C1, C2, C0, C1}));
    EXPECT_EQ(r9.times('p'), (std::vector<std::int64_t>{0, 100, 200, 300, 400}));

    Mode ten = nine;
    ten.playKind = 10;
    const Recorder r10 = playOne(ten);
    EXPECT_EQ(lamps(r10.only('p')), (std::vector<std::uint64_t>{4, 3, 2, 1, 0}));
    EXPECT_EQ(colors(r10.only('p')), (std::vector<ColorWord>{C0, C1, C2, C0, C1}));
}

TEST(PlayGuards, ShortColorListsEmptyListsAndMissingEntries) {
    // Fewer than 3 components: fills end at once, colour changes only wait.
    for (const std::int32_t kind : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}) {
        SCOPED_TRACE(kind);
        CompiledEffects e = fiveLamps(compiledMode(kind, 10, 3));
        e.modes[0].clusterIndex = 3;
        e.colorGroup[0] = {255, 0};
        const Recorder r = play(e, 5, sequential(), 10'000);
        EXPECT_TRUE(r.only('p').empty());
        EXPECT_EQ(r.times('e'), std::vector<std::int64_t>{kind <= 6 ? 300 : 0});
    }
    // An empty lamp list waits 10 x stepDelay per step; so does an index
    // beyond the table, which plays as an empty list.
    for (const std::int32_t index : {4, 99, -1}) {
        Mode five = compiledMode(5, 10, 2);
        five.clusterIndex = index;
        const Recorder r = playOne(five);
        EXPECT_TRUE(r.only('p').empty());
        EXPECT_EQ(r.times('e'), std::vector<std::int64_t>{200});
    }
    // No steps, no groups, no lamps: the routine ends as soon as it starts.
    Mode noSteps = compiledMode(2, 10, 0);
    EXPECT_EQ(playOne(noSteps).times('e'), std::vector<std::int64_t>{0});
    Mode noGroups = compiledMode(7, 10, 0);
    noGroups.clusterGroupIndex = 5;
    EXPECT_EQ(playOne(noGroups).times('e'), std::vector<std::int64_t>{0});
    // A group index beyond CstGroup is an empty group, still a step.
    CompiledEffects e = fiveLamps(compiledMode(7, 10, 0));
    e.clusterGroups[0] = {0, 77, 2};
    const Recorder r = play(e, 5, sequential(), 10'000);
    EXPECT_EQ(lamps(r.only('p')), (std::vector<std::uint64_t>{0, 1, 3, 4}));
    EXPECT_EQ(r.times('e'), std::vector<std::int64_t>{270});
    // A PlayKind without a routine plays nothing.
    EXPECT_EQ(playOne(compiledMode(42, 10, 3)).times('e'), std::vector<std::int64_t>{0});
}

TEST(PlayGuards, PaintsOfLampsOutsideTheLayoutAreDropped) {
    Mode nine = compiledMode(9, 1, 0);
    nine.clusterIndex = 3;
    CompiledEffects e = fiveLamps(nine);
    Playback playback(e, 3, sequential());
    playback.runUntil(1000);
    EXPECT_EQ(playback.lampColors(), (std::vector<ColorWord>{C0, C1, C2}));
}

}  // namespace
}  // namespace vx::test
