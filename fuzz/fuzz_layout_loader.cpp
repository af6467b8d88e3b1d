// Feeds arbitrary bytes to the layout-file loader. Whatever loads must save
// to a file that loads to the same layout and saves to the same bytes again,
// and must survive the trip through the JSON form unchanged (checked for
// inputs of up to 4 KB, where the fuzzer spends most of its time; the JSON
// trip of larger ones would slow every run down for little gain).

#include <cstdint>
#include <cstdlib>
#include <span>

#include "layout/layout_file.h"
#include "layout/layout_json.h"

namespace {

constexpr std::size_t kJsonTripLimit = 4096;

// Layouts compared field by field, except the head's floats: a NaN is not
// equal to itself, so those are covered by comparing the saved bytes.
bool sameRecords(const vx::LampLayout& a, const vx::LampLayout& b) {
    return a.backColor == b.backColor && a.scanScope == b.scanScope &&
           a.colorTolerance == b.colorTolerance && a.slots == b.slots && a.lamps == b.lamps &&
           a.effectLamps == b.effectLamps && a.spareLamps == b.spareLamps && a.effects == b.effects;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto first = vx::decodeLayout(std::span<const std::uint8_t>(data, size));
    if (!first) return 0;
    const auto bytes = vx::encodeLayout(*first);
    const auto second = vx::decodeLayout(bytes);
    if (!second || !sameRecords(*first, *second) || vx::encodeLayout(*second) != bytes) {
        std::abort();
    }
    if (size > kJsonTripLimit) return 0;
    const auto third = vx::layoutFromJson(vx::layoutToJson(*first));
    if (!third || !sameRecords(*first, *third) || vx::encodeLayout(*third) != bytes) {
        std::abort();
    }
    return 0;
}
