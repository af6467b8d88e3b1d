// The bounded JSON parser: each limit refuses the first value that breaks it,
// naming the key and the place; a text within the limits parses to the same
// value, keys in their order, as the library's own parser gives.

#include "effects/effect_json_parse.h"

#include <string>

#include <gtest/gtest.h>

namespace vx::json {
namespace {

ParseLimits smallLimits() {
    ParseLimits l;
    l.maxDepth = 3;
    l.maxMembers = 3;
    l.maxKeyBytes = 8;
    l.maxValues = 12;
    l.arrayLimit = [](const std::vector<PathStep>& path) -> std::size_t {
        return path.size() == 1 && path[0].key == "short" ? 2 : 100;
    };
    return l;
}

TEST(BoundedParse, TextWithinTheLimitsParsesAsTheLibraryDoes) {
    const std::string text = R"({"b": 1, "a": [true, null, "x\n", 1.5, -2, 18446744073709551615],)"
                             R"( "c": {"z": [], "y": {}}})";
    const auto j = parseBounded(text, smallLimits());
    ASSERT_TRUE(j.ok()) << j.error().describe();
    EXPECT_EQ(j->dump(), Json::parse(text).dump());
}

TEST(BoundedParse, EachLimitRefusesWithKeyAndPlace) {
    struct Case {
        const char* text;
        const char* key;
        const char* detail;  // the start of the detail
        int offset;          // -1: none
    };
    const Case cases[] = {
        {R"({"short": [1, 2, 3]})", "ERR_JSON_TOO_LONG", "short: holds more than 2 entries", -1},
        {R"({"a": [[[1]]]})", "ERR_JSON_DEPTH", "a[0][0]: lists and records nest deeper", -1},
        {R"({"a": [1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12]})", "ERR_JSON_TOO_LARGE", "a[11]: ", -1},
        {R"({"a": 1, "b": 2, "c": 3, "d": 4})", "ERR_JSON_TOO_LONG", "the document: holds more",
         -1},
        {R"({"a": {"b": 1, "b": 2}})", "ERR_JSON_DUPLICATE_KEY", "a.b: appears twice", -1},
        {R"({"a\nlong key": 1})", "ERR_JSON_UNKNOWN_FIELD", "the document: the key \"a\\x0Alo", -1},
        {R"({"a": [0, 1e400]})", "ERR_JSON_RANGE", "a[1]: the number \"1e400\"", 10},
        {R"({"a": -123456789012345678901234567890})", "ERR_JSON_RANGE", "a: \"-1234567890", -1},
        {"{\"a\": \"\xFF\"}", "ERR_JSON_SYNTAX", "the JSON text is not well formed", 7},
        {R"({"a" 1})", "ERR_JSON_SYNTAX", "the JSON text is not well formed", 5},
        {R"({"a": 1} [])", "ERR_JSON_SYNTAX", "the JSON text is not well formed", 9},
        {"", "ERR_JSON_SYNTAX", "the JSON text is not well formed", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto r = parseBounded(c.text, smallLimits());
        ASSERT_FALSE(r.ok());
        EXPECT_EQ(r.error().key, c.key);
        EXPECT_EQ(r.error().detail.rfind(c.detail, 0), 0u) << r.error().detail;
        if (c.offset < 0) {
            EXPECT_FALSE(r.error().offset.has_value());
        } else {
            EXPECT_EQ(r.error().offset, static_cast<std::uint64_t>(c.offset));
        }
    }
}

TEST(BoundedParse, PathsQuoteKeysThatAreNotPlainNames) {
    const std::vector<PathStep> path{{"modes", 0, false}, {{}, 3, true}, {"odd key\n", 0, false}};
    EXPECT_EQ(pathText(path), "modes[3][\"odd key\\x0A\"]");
}

}  // namespace
}  // namespace vx::json
