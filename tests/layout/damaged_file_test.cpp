// Damaged variants of a valid layout file must be refused with a message that
// names the problem and its byte offset, never crash or allocate wildly.

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "layout/layout_file.h"

namespace vx {
namespace {

LampLayout sampleLayout() {
    LampLayout layout;
    for (int i = 0; i < 4; ++i) layout.lamps.push_back(Lamp::made(i, i % 2, i, 8));
    layout.effectLamps = {layout.lamps[0], layout.lamps[1]};
    Mode word = createMode("CM_LEFTTORIGHT_WORD");
    word.label = "Hello";
    word.colors = {1, 2, 3};
    Mode circle = createMode("CM_CIRCULAR_AREA");
    circle.circleKind = "CM_BRIGHTTODARK";
    circle.extraLamps = {2};
    layout.effects.modes = {word, circle};
    layout.effects.programGroups[0] = {word};
    layout.effects.clusters = {{0, 1}};
    layout.effects.clusterGroups = {{0}};
    layout.effects.layers[2] = {1, 3};
    return layout;
}

constexpr std::size_t kLampListAt = 44 + 1536;

TEST(DamagedFile, EveryTruncationIsRefused) {
    const auto bytes = encodeLayout(sampleLayout());
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        auto loaded = decodeLayout(std::span(bytes.data(), n));
        ASSERT_FALSE(loaded.ok()) << "length " << n;
        const auto& e = loaded.error();
        ASSERT_TRUE(e.offset.has_value());
        EXPECT_LE(*e.offset, n);
        EXPECT_FALSE(e.detail.empty());
    }
}

// Sets each 32-bit word to a huge value in turn: whatever it was, the loader
// either reads a valid document or refuses, and never tries to allocate for a
// count the file cannot hold.
TEST(DamagedFile, FlippedCountsAreRefusedOrHarmless) {
    const auto bytes = encodeLayout(sampleLayout());
    for (std::size_t at = 0; at + 4 <= bytes.size(); ++at) {
        for (std::uint32_t value : {0xFFFFFFFFu, 0x7FFFFFFFu, 0xEE6B2800u, 0x00010000u}) {
            auto damaged = bytes;
            for (int k = 0; k < 4; ++k)
                damaged[at + static_cast<std::size_t>(k)] =
                    static_cast<std::uint8_t>(value >> (8 * k));
            auto loaded = decodeLayout(damaged);
            if (!loaded.ok()) {
                EXPECT_TRUE(loaded.error().offset.has_value());
            }
        }
    }
}

// Bytes patched into a valid file, and what the loader must say about them.
TEST(DamagedFile, PatchedStructuresAreRefusedWithKeyAndOffset) {
    const std::size_t secondTag = kLampListAt + 2 + 6 + 5 + 32;
    const std::size_t end = encodeLayout(sampleLayout()).size();
    struct Case {
        const char* name;
        std::function<void(std::vector<std::uint8_t>&)> patch;
        const char* key;
        std::optional<std::size_t> offset;
        const char* detail;
    };
    const Case cases[] = {
        {"four billion lamps in a small file",
         [](auto& b) {
             b[kLampListAt] = b[kLampListAt + 1] = 0xFF;
             const std::vector<std::uint8_t> huge = {0x00, 0x28, 0x6B, 0xEE};
             b.insert(b.begin() + kLampListAt + 2, huge.begin(), huge.end());
         },
         "ERR_FILE_BAD_COUNT", kLampListAt, "4000000000"},
        {"wrong class name", [](auto& b) { b[kLampListAt + 2 + 6 + 1] = 'X'; },
         "ERR_FILE_BAD_CLASS", kLampListAt + 2, "CXamp"},
        {"class index never defined",
         [&](auto& b) {
             ASSERT_EQ(b[secondTag + 1], 0x80);
             b[secondTag] = 0x05;
         },
         "ERR_FILE_BAD_CLASS_REF", secondTag, ""},
        {"back reference to the first lamp",
         [&](auto& b) {
             b[secondTag] = 0x02;
             b[secondTag + 1] = 0x00;
         },
         "ERR_FILE_OBJECT_REF", std::nullopt, ""},
        {"a byte after the end", [](auto& b) { b.push_back(0); }, "ERR_FILE_TRAILING_DATA", end,
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto bytes = encodeLayout(sampleLayout());
        c.patch(bytes);
        auto loaded = decodeLayout(bytes);
        ASSERT_FALSE(loaded.ok());
        EXPECT_EQ(loaded.error().key, c.key);
        if (c.offset) {
            EXPECT_EQ(loaded.error().offset, *c.offset);
        }
        EXPECT_NE(loaded.error().detail.find(c.detail), std::string::npos);
    }
}

TEST(DamagedFile, OtherSchemaIsAccepted) {
    auto bytes = encodeLayout(sampleLayout());
    bytes[kLampListAt + 4] = 0x07;
    auto loaded = decodeLayout(bytes);
    ASSERT_TRUE(loaded.ok()) << loaded.error().describe();
    EXPECT_EQ(loaded->lamps, sampleLayout().lamps);
    // Written back with schema 1.
    EXPECT_EQ(encodeLayout(*loaded), encodeLayout(sampleLayout()));
}

TEST(DamagedFile, NegativeEffectCountsMeanNoRecords) {
    LampLayout layout;
    layout.effects.layers.clear();
    auto bytes = encodeLayout(layout);
    const std::size_t modeCount = kLampListAt + 2 + 8;
    for (int k = 0; k < 4; ++k) bytes[modeCount + static_cast<std::size_t>(k)] = 0xFF;
    auto loaded = decodeLayout(bytes);
    ASSERT_TRUE(loaded.ok());
    EXPECT_TRUE(loaded->effects.modes.empty());
}

}  // namespace
}  // namespace vx
