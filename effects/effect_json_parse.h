#pragma once
// Parsing JSON text into a Json value under limits that a file format sets:
// how deep containers nest, how many entries each array may hold (decided by
// where the array sits), how many values and object members there may be.
// Limits are checked while the text is read (the library's SAX interface), so
// a value larger than its place allows is never built: the parse stops at the
// first entry too many. Duplicate keys are refused.
//
// Every failure is an Error with a key, a sentence and the place: the byte
// offset of a syntax error or an overflowing number, else the JSON path.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "effects/effect_json_fields.h"

namespace vx::json {

// One step of the path to a value: a member key, or an array index.
struct PathStep {
    std::string key;
    std::size_t index = 0;
    bool isIndex = false;
};

struct ParseLimits {
    std::size_t maxDepth = 0;     // containers within one another; the root is depth 1
    std::size_t maxMembers = 0;   // members of one object
    std::size_t maxKeyBytes = 0;  // length of one key
    std::size_t maxValues = 0;    // numbers and arrays in the whole text
    // The most entries the array at `path` may hold.
    std::function<std::size_t(const std::vector<PathStep>& path)> arrayLimit;
};

Result<Json> parseBounded(std::string_view text, const ParseLimits& limits);

// A path as the Reader names it: "modes[3].colors"; a key that is not a
// plain name is shown quoted ("a[\"odd key\"]").
std::string pathText(const std::vector<PathStep>& path);

}  // namespace vx::json
