#include "layout/layout_file.h"

#include <gtest/gtest.h>

#include "base/byte_writer.h"
#include "effects/mode_kind.h"

namespace vx {
namespace {

LampLayout twoLampLayout() {
    LampLayout layout;
    layout.lamps.push_back(Lamp::made(0, 0, 0, 8));
    layout.lamps.push_back(Lamp::made(0, 1, 1, 8));
    layout.effects.layers.clear();
    return layout;
}

std::vector<std::uint8_t> lampBytes(std::int32_t x, std::int32_t y, std::int32_t n) {
    ByteWriter w;
    w.i32(x);
    w.i32(y);
    w.i32(n);
    w.u32(0x00FF00);
    w.i32(8);
    w.i32(1);
    w.i32(0);
    w.i32(0);
    return w.take();
}

TEST(LayoutFile, TwoLampImageIsExact) {
    const auto bytes = encodeLayout(twoLampLayout());
    ByteWriter expected;
    expected.u32(0);
    for (std::int32_t v : {10, 10, 650, 450}) expected.i32(v);
    expected.f32(5000.0f);
    expected.f32(100.0f);
    expected.f32(40.0f);
    expected.i32(25);
    expected.f64(8.0);
    ASSERT_EQ(expected.size(), 44u);
    for (int i = 0; i < 1536; ++i) expected.u8(0);
    expected.u16(2);
    expected.raw(std::vector<std::uint8_t>{0xFF, 0xFF, 0x01, 0x00, 0x05, 0x00});
    expected.raw("CLamp");
    expected.raw(lampBytes(0, 0, 0));
    expected.u16(0x8001);
    expected.raw(lampBytes(0, 1, 1));
    expected.u32(0);  // effect lamps
    expected.u32(0);  // spare lamps
    // Empty effect sections: 4 + 32 x 4 + 4 + 4 + 4 bytes of zero counts.
    for (int i = 0; i < 1 + 32 + 3; ++i) expected.u32(0);
    EXPECT_EQ(bytes, expected.bytes());
}

TEST(LayoutFile, EmptySectionsLoadWithFiftyLayers) {
    const auto bytes = encodeLayout(twoLampLayout());
    auto loaded = decodeLayout(bytes);
    ASSERT_TRUE(loaded.ok()) << loaded.error().describe();
    EXPECT_EQ(loaded->effects.layers.size(), 50u);
    for (const auto& layer : loaded->effects.layers) EXPECT_TRUE(layer.empty());
    EXPECT_EQ(encodeLayout(*loaded).size(), bytes.size() + 50 * 4);
}

TEST(LayoutFile, LampCountIsU16BelowFFFFAndU32From) {
    for (std::size_t count : {0u, 65534u, 65535u, 70000u}) {
        LampLayout layout;
        for (std::size_t i = 0; i < count; ++i) {
            const auto n = static_cast<std::int32_t>(i);
            layout.lamps.push_back(Lamp::made(n % 300, n / 300, n, 8));
        }
        const auto bytes = encodeLayout(layout);
        const std::size_t at = 44 + 1536;
        if (count < 65535) {
            EXPECT_EQ(bytes[at] | (bytes[at + 1] << 8), static_cast<int>(count));
            // A new-class tag follows directly, or the effect-lamp count.
            EXPECT_EQ(bytes[at + 2], count > 0 ? 0xFF : 0);
        } else {
            EXPECT_EQ(bytes[at], 0xFF);
            EXPECT_EQ(bytes[at + 1], 0xFF);
            EXPECT_EQ(bytes[at + 2] | (bytes[at + 3] << 8) | (bytes[at + 4] << 16),
                      static_cast<int>(count));
        }
        auto loaded = decodeLayout(bytes);
        ASSERT_TRUE(loaded.ok()) << loaded.error().describe();
        EXPECT_EQ(loaded->lamps, layout.lamps);
    }
}

Mode fullMode(std::string kind) {
    Mode m = createMode(std::move(kind));
    m.label = "label of " + m.kind;
    m.kindCode = 7;
    m.colors = {255, 0, 0, 0, 128, 255};
    m.stepDelay = 10;
    m.area = {1, 2, 3, 4};
    m.stepCount = 5;
    m.duration = 6;
    m.startOffset = 7;
    m.startX = 8;
    m.startY = 9;
    m.bandWidth = 3;
    m.colorIndex = 11;
    m.clusterIndex = 12;
    m.clusterGroupIndex = -1;
    m.extraLamps = {4, 5};
    m.extraRect = {13, 14, 15, 16};
    if (kinds::isWordKind(m.kind)) {
        m.wordStep = 17;
        m.wordColorMode = 1;
    }
    if (kinds::isCircleKind(m.kind)) {
        m.circleX = 18;
        m.circleY = 19;
        m.circleRadius = 20;
        m.circleKind = "CM_LEFTTORIGHT_GC";
    }
    return m;
}

// Size of a mode record: 86 bytes plus strings, lists and optional fields.
std::size_t modeRecordSize(const Mode& m) {
    LampLayout a;
    a.effects.layers.clear();
    LampLayout b = a;
    b.effects.modes.push_back(m);
    return encodeLayout(b).size() - encodeLayout(a).size();
}

TEST(LayoutFile, ModeRecordsCarryExactlyTheirOptionalFields) {
    const auto sizeOf = [](const Mode& m) {
        return 86 + m.kind.size() + m.label.size() + 4 * (m.colors.size() + m.extraLamps.size());
    };
    const Mode word = fullMode("CM_UPTODOWN_WORD");
    EXPECT_EQ(modeRecordSize(word), sizeOf(word) + 8);
    const Mode diagonalWord = fullMode("CM_RIGHTUP_WORD");
    EXPECT_EQ(modeRecordSize(diagonalWord), sizeOf(diagonalWord));
    const Mode circle = fullMode("CM_CIRCULAR_AREA");
    EXPECT_EQ(modeRecordSize(circle), sizeOf(circle) + 12 + 1 + circle.circleKind.size());
    const Mode custom = fullMode("CM_CUSTOMMODE");
    EXPECT_EQ(modeRecordSize(custom), sizeOf(custom));
    // Case matters: a lower-case word name is not a word kind.
    const Mode lower = fullMode("cm_uptodown_word");
    EXPECT_EQ(modeRecordSize(lower), sizeOf(lower));
}

TEST(LayoutFile, RectanglesAreStoredTopBottomLeftRight) {
    LampLayout layout;
    layout.effects.layers.clear();
    Mode m = createMode("CM_EMPTYMODE");
    m.area = {1, 2, 3, 4};  // left, top, right, bottom
    layout.effects.modes.push_back(m);
    const auto bytes = encodeLayout(layout);
    const std::size_t at = 44 + 1536 + 2 + 4 + 4 + 4;
    EXPECT_EQ((std::vector<int>{bytes[at], bytes[at + 4], bytes[at + 8], bytes[at + 12]}),
              (std::vector<int>{2, 4, 1, 3}));
}

TEST(LayoutFile, StringLengthPrefixes) {
    const auto prefixOf = [](std::size_t length) {
        Mode m = createMode("CM_EMPTYMODE");
        m.label = std::string(length, 'x');
        LampLayout layout;
        layout.effects.modes.push_back(m);
        const auto bytes = encodeLayout(layout);
        const std::size_t at = 44 + 1536 + 2 + 4 + 4 + 4 + 28 + 1 + m.kind.size();
        auto loaded = decodeLayout(bytes);
        EXPECT_TRUE(loaded.ok());
        if (loaded.ok()) {
            EXPECT_EQ(loaded->effects.modes.at(0).label, m.label);
        }
        return std::vector<std::uint8_t>(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                                         bytes.begin() + static_cast<std::ptrdiff_t>(at) + 7);
    };
    EXPECT_EQ(prefixOf(254)[0], 254);
    EXPECT_EQ(prefixOf(255), (std::vector<std::uint8_t>{0xFF, 0xFF, 0x00, 'x', 'x', 'x', 'x'}));
    EXPECT_EQ(prefixOf(300), (std::vector<std::uint8_t>{0xFF, 0x2C, 0x01, 'x', 'x', 'x', 'x'}));
    EXPECT_EQ(prefixOf(0xFFFD), (std::vector<std::uint8_t>{0xFF, 0xFD, 0xFF, 'x', 'x', 'x', 'x'}));
    EXPECT_EQ(prefixOf(0xFFFE), (std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0, 0}));
}

TEST(LayoutFile, EveryFieldOfEveryCollectionRoundTrips) {
    LampLayout layout;
    layout.backColor = 0x123456;
    layout.scanScope = {1, 2, 3, 4};
    layout.objectSize = 1234.5f;
    layout.reservedValue = -1.0f;
    layout.lampSize = 12.25f;
    layout.colorTolerance = 200;
    layout.lampPitch = 3.0625;
    layout.slots[3] = {7, -8, {1, 2, 3}};
    for (int i = 0; i < 5; ++i) {
        Lamp lamp{i, 10 - i, i, 0x00AABBCCu + static_cast<std::uint32_t>(i), 8, 1, 1 + i % 2, i};
        layout.lamps.push_back(lamp);
        layout.effectLamps.push_back(effectLampRecord(lamp));
    }
    layout.spareLamps.push_back(effectLampRecord(layout.lamps[2]));
    for (auto kind : kinds::offeredKinds())
        layout.effects.modes.push_back(fullMode(std::string(kind)));
    layout.effects.modes[1].label = std::string("\xC4\xE3\xBA\xC3\xFF", 5);  // not UTF-8
    for (std::size_t g = 0; g < 32; g += 3) {
        Mode entry = layout.effects.modes[g];
        entry.kindCode = static_cast<std::int32_t>(g);
        layout.effects.programGroups[g] = {entry, layout.effects.modes[g + 1]};
    }
    layout.effects.clusters = {{0, 1, 2}, {}, {4}};
    layout.effects.clusterGroups = {{0, 2}, {1}};
    layout.effects.layers[0] = {0, 3};
    layout.effects.layers[49] = {4};

    const auto bytes = encodeLayout(layout);
    auto loaded = decodeLayout(bytes);
    ASSERT_TRUE(loaded.ok()) << loaded.error().describe();
    EXPECT_EQ(*loaded, layout);
    EXPECT_EQ(encodeLayout(*loaded), bytes);
}

TEST(LayoutFile, ShortLayerTableIsPaddedAndLongOneKept) {
    for (std::size_t count : {0u, 3u, 50u, 53u}) {
        LampLayout layout;
        layout.effects.layers.assign(count, Layer{});
        if (count > 0) layout.effects.layers[0] = {1, 2};
        auto loaded = decodeLayout(encodeLayout(layout));
        ASSERT_TRUE(loaded.ok());
        EXPECT_EQ(loaded->effects.layers.size(), std::max<std::size_t>(count, 50));
        if (count > 0) {
            EXPECT_EQ(loaded->effects.layers[0], (Layer{1, 2}));
        }
    }
}

TEST(LayoutFile, EffectLampsKeepOnlyPositionAndNumber) {
    LampLayout layout;
    Lamp lamp{3, 4, 5, 0x00FF00, 8, 1, 2, 9};
    layout.effectLamps.push_back(lamp);
    auto loaded = decodeLayout(encodeLayout(layout));
    ASSERT_TRUE(loaded.ok());
    const Lamp& back = loaded->effectLamps.at(0);
    EXPECT_EQ(back, (Lamp{3, 4, 5, 0x0000FF, 0, 1, 0, 0}));
}

}  // namespace
}  // namespace vx
