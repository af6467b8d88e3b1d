// The JSON reader refuses text that breaks the form's limits, each with its
// key and place, without building more than the largest layout.

#include <cstdint>
#include <functional>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "layout/layout_file.h"
#include "layout/layout_json.h"
#include "layout/layout_limits.h"

namespace vx {
namespace {

using json::Json;

constexpr std::int64_t kMarker = 987654321;

// The JSON text of a small layout whose value at `where` is the marker, with
// the marker's text then replaced by `replacement`, so the damage can be
// anything the text can spell.
std::string damaged(const std::function<Json&(Json&)>& where, const std::string& replacement) {
    LampLayout layout;
    layout.lamps = {Lamp{1, 2, 0}, Lamp{3, 4, 1}};
    layout.effects.clusters = {{0, 1}};
    auto j = layoutToJsonValue(layout);
    where(j) = kMarker;
    auto text = j.dump();
    const auto at = text.find(std::to_string(kMarker));
    return text.replace(at, std::to_string(kMarker).size(), replacement);
}

std::string repeated(const std::string& piece, std::size_t times) {
    std::string s;
    s.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i) s += piece;
    return s;
}

Json& lampX(Json& j) { return j["lamps"][0]["x"]; }
Json& lampSize(Json& j) { return j["head"]["lampSize"]; }
Json& clusters(Json& j) { return j["clusters"]; }
Json& slots(Json& j) { return j["slots"]; }
Json& groups(Json& j) { return j["programGroups"]; }
Json& firstLamp(Json& j) { return j["lamps"][0]; }

struct BadText {
    const char* name;
    std::string text;
    const char* key;
    const char* place;  // the JSON path the detail starts with; "" for a byte offset
};

TEST(LayoutJsonLimits, RefusalsNameKeyAndPlace) {
    const std::string slot = R"({"a":0,"b":0,"values":[]})";
    const std::string fields = R"({"x":1,"y":1,"number":1,"colour":1,"diameter":1,"state":1,)"
                               R"("port":1,"portOrder":1,"a":1,"b":1,"c":1,"d":1,"e":1,"f":1,)"
                               R"("g":1,"h":1,"i":1,"j":1,"k":1,"l":1,"m":1,"n":1,"o":1,"p":1})";
    const BadText cases[] = {
        {"float beyond double", damaged(lampX, "1e400"), "ERR_JSON_RANGE", ""},
        {"negative float beyond double", damaged(lampSize, "-1e400"), "ERR_JSON_RANGE", ""},
        {"300-digit integer", damaged(lampX, repeated("9", 300)), "ERR_JSON_RANGE", "lamps[0].x"},
        {"duplicate key", damaged(lampX, "1,\"x\":2"), "ERR_JSON_DUPLICATE_KEY", "lamps[0].x"},
        {"duplicate top key", "{\"format\":1,\"format\":1}", "ERR_JSON_DUPLICATE_KEY", "format"},
        {"deep lists", damaged(clusters, repeated("[", 1000000)), "ERR_JSON_DEPTH", "clusters"},
        {"deep document", repeated("[", 1000000), "ERR_JSON_DEPTH", "[0]"},
        {"deep records", damaged(lampX, repeated("{\"x\":", 100000)), "ERR_JSON_DEPTH",
         "lamps[0].x"},
        {"129 slots", damaged(slots, "[" + repeated(slot + ",", 128) + slot + "]"),
         "ERR_JSON_TOO_LONG", "slots"},
        {"33 program groups", damaged(groups, "[" + repeated("[],", 32) + "[]]"),
         "ERR_JSON_TOO_LONG", "programGroups"},
        {"a record with 24 fields", damaged(firstLamp, fields), "ERR_JSON_TOO_LONG", "lamps[0]"},
        {"invalid UTF-8", damaged(lampX, "\"\xC3\x28\""), "ERR_JSON_SYNTAX", ""},
        {"control byte in a string", damaged(lampX, "\"a\nb\""), "ERR_JSON_SYNTAX", ""},
        {"truncated", damaged(lampX, "1").substr(0, 300), "ERR_JSON_SYNTAX", ""},
        {"long unknown key", damaged(firstLamp, "{\"" + repeated("k\\n", 1000) + "\":1}"),
         "ERR_JSON_UNKNOWN_FIELD", "lamps[0]"},
        {"text after the document", damaged(lampX, "1") + "{}", "ERR_JSON_SYNTAX", ""},
        {"wrong type for a list", damaged(clusters, "{}"), "ERR_JSON_TYPE", "clusters"},
        {"string for a number", damaged(lampX, "\"1\""), "ERR_JSON_TYPE", "lamps[0].x"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto r = layoutFromJson(c.text);
        ASSERT_FALSE(r.ok());
        const auto& e = r.error();
        EXPECT_EQ(e.key, c.key) << e.describe();
        if (*c.place == '\0') {
            EXPECT_TRUE(e.offset.has_value()) << e.describe();
        } else {
            EXPECT_EQ(e.detail.rfind(c.place, 0), 0u) << e.detail;
        }
        // One short line, whatever the text held.
        EXPECT_EQ(e.describe().find('\n'), std::string::npos);
        EXPECT_LT(e.describe().size(), 400u) << e.describe();
    }
}

TEST(LayoutJsonLimits, TheLargestFilesFitBothLimits) {
    // Layouts made of one kind of record each, with the longest values: the
    // JSON of each stays within kJsonBytesPerFileByte of its binary size, so a
    // binary file at the size limit converts to JSON the reader takes. (The
    // circle modes of a program group come closest: 7.2 bytes a byte.)
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    constexpr auto kMax = std::numeric_limits<std::uint32_t>::max();
    Mode word = createMode("CM_LEFTTORIGHT_WORD");
    word.area = word.extraRect = {kMin, kMin, kMin, kMin};
    word.kindCode = word.stepCount = word.duration = word.startOffset = kMin;
    word.startX = word.startY = word.bandWidth = word.colorIndex = kMin;
    word.clusterIndex = word.clusterGroupIndex = word.wordStep = word.wordColorMode = kMin;
    word.stepDelay = kMax;
    Mode circle = word;
    circle.kind = "CM_CIRCULAR_AREA";
    circle.circleX = circle.circleY = circle.circleRadius = kMin;
    circle.label = circle.circleKind = std::string(1, '\x01');
    const Lamp lamp{kMin, kMin, kMin, kMax, kMin, kMin, kMin, kMin};

    const std::function<void(LampLayout&)> kinds[] = {
        [&](LampLayout& l) { l.lamps.assign(200, lamp); },
        [&](LampLayout& l) { l.effectLamps.assign(200, lamp); },
        [&](LampLayout& l) { l.spareLamps.assign(200, lamp); },
        [&](LampLayout& l) { l.effects.modes.assign(200, word); },
        [&](LampLayout& l) { l.effects.programGroups[31].assign(200, circle); },
        [&](LampLayout& l) { l.effects.clusters.assign(200, UintList(100, kMax)); },
        [&](LampLayout& l) { l.effects.layers.assign(20000, UintList{}); },
        [&](LampLayout& l) { l.slots[5].values.assign(200, kMax); },
        [&](LampLayout& l) { l.effects.modes.assign(200, createMode(std::string(200, '\x02'))); },
    };
    for (std::size_t k = 0; k < std::size(kinds); ++k) {
        SCOPED_TRACE(k);
        LampLayout layout;
        kinds[k](layout);
        const auto binary = encodeLayout(layout);
        const auto text = layoutToJson(layout);
        EXPECT_LE(text.size(), kJsonBytesPerFileByte * binary.size());
        const auto back = layoutFromJson(text);
        ASSERT_TRUE(back.ok()) << back.error().describe();
        EXPECT_EQ(encodeLayout(*back), binary);
    }
}

TEST(LayoutJsonLimits, FilesBeyondTheLimitAreRefusedUnread) {
    const std::vector<std::uint8_t> bytes(kMaxLayoutFileBytes + 1, 0);
    const auto r = decodeLayout(bytes);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().key, "ERR_FILE_TOO_LARGE");
    const std::string text(kMaxLayoutJsonBytes + 1, ' ');
    const auto j = layoutFromJson(text);
    ASSERT_FALSE(j.ok());
    EXPECT_EQ(j.error().key, "ERR_FILE_TOO_LARGE");
}

}  // namespace
}  // namespace vx
