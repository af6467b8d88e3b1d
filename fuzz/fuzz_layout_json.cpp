// Feeds arbitrary text to the reader of the layout's JSON form. A text it
// takes must give a layout that survives the binary file and the JSON form
// again unchanged; a text it refuses must be refused with one line naming a
// key. Crashes, hangs and memory beyond the limits are what the fuzzer finds.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "layout/layout_file.h"
#include "layout/layout_json.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto first = vx::layoutFromJson(text);
    if (!first) {
        const auto line = first.error().describe();
        if (first.error().key.empty() || line.find('\n') != std::string::npos) std::abort();
        return 0;
    }
    const auto bytes = vx::encodeLayout(*first);
    const auto second = vx::decodeLayout(bytes);
    if (!second || vx::encodeLayout(*second) != bytes) std::abort();
    const auto again = vx::layoutToJson(*first);
    const auto third = vx::layoutFromJson(again);
    if (!third || vx::encodeLayout(*third) != bytes || vx::layoutToJson(*third) != again) {
        std::abort();
    }
    return 0;
}
