#include "layout/layout_json.h"

#include <bit>
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "layout/layout_file.h"

namespace vx {
namespace {

using json::Json;

// A layout that uses every record and every optional field, with values the
// plain JSON types cannot carry unaided: bytes that are not UTF-8, NaN with a
// payload, infinities, negative zero and denormals.
LampLayout everyFieldLayout() {
    LampLayout layout;
    layout.backColor = 0x00123456;
    layout.scanScope = {-3, 4, 700, 500};
    layout.objectSize = std::bit_cast<float>(0x7FC00123u);  // NaN with a payload
    layout.reservedValue = -0.0f;
    layout.lampSize = std::numeric_limits<float>::denorm_min();
    layout.colorTolerance = -7;
    layout.lampPitch = -std::numeric_limits<double>::infinity();
    layout.slots[0] = {1, -2, {3, 4, 0xFFFFFFFFu}};
    layout.slots[127] = {std::numeric_limits<std::int32_t>::min(), 9, {}};
    layout.lamps.push_back(Lamp{1, 2, 0, 0xFFFFFFFFu, 8, 1, 12, 3});
    layout.lamps.push_back(Lamp{-1, 499, 1, 0, 0, 7, 0, 0});
    layout.effectLamps.push_back(effectLampRecord(layout.lamps[0]));
    layout.spareLamps.push_back(Lamp{5, 6, 7});

    Mode word = createMode("CM_UPTODOWN_WORD");
    word.label = std::string("caf\xC3\xA9 \x01\"quoted\"");
    word.wordStep = 3;
    word.wordColorMode = 1;
    word.colors = {255, 0, 0};
    word.stepDelay = 0xFFFFFFFFu;
    word.area = {1, 2, 3, 4};
    word.extraRect = {5, 6, 7, 8};
    word.extraLamps = {1};
    Mode circle = createMode("CM_CIRCULAR_AREA");
    circle.label = std::string("\xC4\xE3\xBA\xC3", 4);  // GBK, not UTF-8
    circle.circleX = 7;
    circle.circleY = -4;
    circle.circleRadius = 3;
    circle.circleKind = "CM_RIGHTDOWN_CF";
    Mode custom = createMode(std::string("CM_\xFF", 4));
    custom.label = std::string(300, 'x');
    custom.kindCode = 5;
    custom.clusterIndex = 0;
    custom.clusterGroupIndex = 0;
    layout.effects.modes = {word, circle, custom};
    layout.effects.programGroups[0] = {circle};
    layout.effects.programGroups[31] = {custom, word};
    layout.effects.clusters = {{0, 1}, {}};
    layout.effects.clusterGroups = {{1, 0}};
    layout.effects.layers.resize(53);
    layout.effects.layers[52] = {1};
    return layout;
}

TEST(LayoutJson, BinaryToJsonAndBackIsByteExact) {
    const auto bytes = encodeLayout(everyFieldLayout());
    const auto loaded = decodeLayout(bytes);
    ASSERT_TRUE(loaded.ok()) << loaded.error().describe();
    const auto text = layoutToJson(*loaded);
    const auto back = layoutFromJson(text);
    ASSERT_TRUE(back.ok()) << back.error().describe();
    EXPECT_EQ(encodeLayout(*back), bytes);
    // A second trip gives the same text: the form is stable for diffs.
    EXPECT_EQ(layoutToJson(*back), text);
}

TEST(LayoutJson, OddFloatsKeepTheirBitPatterns) {
    const auto j = layoutToJsonValue(everyFieldLayout());
    const auto& head = j["head"];
    EXPECT_EQ(head["objectSize"], (Json{{"bits", "0x7fc00123"}}));
    EXPECT_EQ(head["lampPitch"], (Json{{"bits", "0xfff0000000000000"}}));
    EXPECT_TRUE(head["reservedValue"].is_number_float());
    EXPECT_TRUE(head["lampSize"].is_number_float());

    auto back = layoutFromJsonValue(j);
    ASSERT_TRUE(back.ok()) << back.error().describe();
    EXPECT_EQ(std::bit_cast<std::uint32_t>(back->objectSize), 0x7FC00123u);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(back->reservedValue), 0x80000000u);
    EXPECT_EQ(back->lampSize, std::numeric_limits<float>::denorm_min());
    EXPECT_TRUE(std::isinf(back->lampPitch) && back->lampPitch < 0);
}

TEST(LayoutJson, FloatsAreWrittenInTheirShortestForm) {
    LampLayout layout;
    layout.objectSize = 0.1f;
    layout.lampSize = 3.4028235e38f;
    layout.lampPitch = 0.1;
    const auto head = layoutToJsonValue(layout)["head"];
    EXPECT_EQ(head["objectSize"].dump(), "0.1");
    EXPECT_EQ(head["lampPitch"].dump(), "0.1");
    const auto back = layoutFromJson(layoutToJson(layout));
    ASSERT_TRUE(back.ok()) << back.error().describe();
    EXPECT_EQ(back->objectSize, 0.1f);
    EXPECT_EQ(back->lampSize, 3.4028235e38f);
    EXPECT_EQ(back->lampPitch, 0.1);
}

TEST(LayoutJson, StringsAreTextWhenUtf8AndHexOtherwise) {
    const auto j = layoutToJsonValue(everyFieldLayout());
    const auto& modes = j["modes"];
    EXPECT_EQ(modes[0]["label"], "caf\xC3\xA9 \x01\"quoted\"");
    EXPECT_EQ(modes[1]["label"], (Json{{"hex", "c4e3bac3"}}));
    EXPECT_EQ(modes[2]["kind"], (Json{{"hex", "434d5fff"}}));

    EXPECT_TRUE(json::isValidUtf8("\xF0\x9F\x92\xA1"));
    EXPECT_FALSE(json::isValidUtf8("\xC0\x80"));          // overlong NUL
    EXPECT_FALSE(json::isValidUtf8("\xED\xA0\x80"));      // surrogate
    EXPECT_FALSE(json::isValidUtf8("\xF4\x90\x80\x80"));  // past U+10FFFF
    EXPECT_FALSE(json::isValidUtf8("\xE2\x82"));          // cut short
}

TEST(LayoutJson, OptionalModeFieldsFollowTheKind) {
    const auto j = layoutToJsonValue(everyFieldLayout());
    const auto& word = j["modes"][0];
    const auto& circle = j["modes"][1];
    EXPECT_EQ(word["wordStep"], 3);
    EXPECT_FALSE(word.contains("circleKind"));
    EXPECT_EQ(circle["circleKind"], "CM_RIGHTDOWN_CF");
    EXPECT_FALSE(circle.contains("wordStep"));

    // Required for the kinds the file keeps them for (see the error table),
    // accepted but not written for the others.
    auto extra = j;
    extra["modes"][1]["wordStep"] = 9;
    const auto r = layoutFromJsonValue(extra);
    ASSERT_TRUE(r.ok()) << r.error().describe();
    EXPECT_EQ(r->effects.modes[1].wordStep, 9);
    EXPECT_EQ(encodeLayout(*r), encodeLayout(everyFieldLayout()));
}

struct BadEdit {
    const char* name;
    void (*edit)(Json&);
    const char* key;
    const char* path;
};

TEST(LayoutJson, ErrorsNameTheJsonPath) {
    const BadEdit cases[] = {
        {"wrong type", [](Json& j) { j["lamps"][1]["port"] = "1"; }, "ERR_JSON_TYPE",
         "lamps[1].port"},
        {"float for integer", [](Json& j) { j["head"]["colourTolerance"] = 2.5; }, "ERR_JSON_TYPE",
         "head.colourTolerance"},
        {"missing field", [](Json& j) { j["modes"][2].erase("label"); }, "ERR_JSON_MISSING",
         "modes[2].label"},
        {"word step of a word kind", [](Json& j) { j["modes"][0].erase("wordStep"); },
         "ERR_JSON_MISSING", "modes[0].wordStep"},
        {"i32 too large", [](Json& j) { j["lamps"][0]["x"] = 2147483648u; }, "ERR_JSON_RANGE",
         "lamps[0].x"},
        {"u32 negative", [](Json& j) { j["clusters"][0][1] = -1; }, "ERR_JSON_RANGE",
         "clusters[0][1]"},
        {"u32 too large", [](Json& j) { j["lamps"][0]["colour"] = 4294967296u; }, "ERR_JSON_RANGE",
         "lamps[0].colour"},
        {"f32 too large", [](Json& j) { j["head"]["lampSize"] = 1e39; }, "ERR_JSON_RANGE",
         "head.lampSize"},
        {"bad bits",
         [](Json& j) {
             j["head"]["lampPitch"] = Json{{"bits", "0x12"}};
         },
         "ERR_JSON_RANGE", "head.lampPitch.bits"},
        {"bad hex",
         [](Json& j) {
             j["modes"][1]["label"] = Json{{"hex", "c4e"}};
         },
         "ERR_JSON_RANGE", "modes[1].label.hex"},
        {"unknown field", [](Json& j) { j["programGroups"][31][0]["colour"] = 1; },
         "ERR_JSON_UNKNOWN_FIELD", "programGroups[31][0].colour"},
        {"31 program groups", [](Json& j) { j["programGroups"].erase(31); }, "ERR_JSON_RANGE",
         "programGroups"},
        {"127 slots", [](Json& j) { j["slots"].erase(0); }, "ERR_JSON_RANGE", "slots"},
        {"area not an object", [](Json& j) { j["modes"][0]["area"] = Json::array(); },
         "ERR_JSON_TYPE", "modes[0].area"},
        {"wrong format", [](Json& j) { j["format"] = "something else"; }, "ERR_JSON_FORMAT",
         "format"},
        {"later version", [](Json& j) { j["version"] = 2; }, "ERR_JSON_FORMAT", "version"},
    };
    const auto good = layoutToJsonValue(everyFieldLayout());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto j = good;
        c.edit(j);
        const auto r = layoutFromJsonValue(j);
        ASSERT_FALSE(r.ok());
        EXPECT_EQ(r.error().key, c.key);
        EXPECT_EQ(r.error().detail.rfind(std::string(c.path) + ":", 0), 0u) << r.error().detail;
    }
}

TEST(LayoutJson, SyntaxErrorsNameTheByte) {
    const auto r = layoutFromJson("{\"format\": \"vexolume-layout\",\n  \"version\": 1,, }");
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().key, "ERR_JSON_SYNTAX");
    ASSERT_TRUE(r.error().offset.has_value());
    EXPECT_EQ(*r.error().offset, 45u);  // the second comma
}

TEST(LayoutJson, ShortLayerTablesArePaddedAsOnLoading) {
    auto j = layoutToJsonValue(LampLayout{});
    j["layers"] = Json::array({Json::array({2, 3})});
    const auto r = layoutFromJsonValue(j);
    ASSERT_TRUE(r.ok()) << r.error().describe();
    ASSERT_EQ(r->effects.layers.size(), kLayerCount);
    EXPECT_EQ(r->effects.layers[0], (Layer{2, 3}));
    EXPECT_TRUE(r->effects.layers[49].empty());
}

TEST(LayoutJson, FormIsChosenByNameThenContent) {
    const std::vector<std::uint8_t> jsonText = {' ', '\n', '{', '}'};
    const std::vector<std::uint8_t> binary = {'{', 0, 0, 0};
    EXPECT_TRUE(isJsonForm("a.JSON", binary));
    EXPECT_FALSE(isJsonForm("a.LED", jsonText));
    EXPECT_FALSE(isJsonForm("a.lam", jsonText));
    EXPECT_TRUE(isJsonForm("a.txt", jsonText));
    EXPECT_FALSE(isJsonForm("a", std::vector<std::uint8_t>{0, 0, '{'}));
}

}  // namespace
}  // namespace vx
