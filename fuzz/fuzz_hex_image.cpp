// Feeds arbitrary bytes to the controller image reader that guards the
// simulator. Whatever it accepts must read back the same from the records it
// kept (what the simulator is given), with every byte inside the code space.

#include <cstdint>
#include <cstdlib>
#include <span>

#include "output/firmware/hex_image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto first = vx::parseHexImage(std::span<const std::uint8_t>(data, size));
    if (!first) return 0;
    if (first->code.size() != vx::kCodeSpaceBytes || first->dataBytes == 0) std::abort();
    const auto* records = reinterpret_cast<const std::uint8_t*>(first->records.data());
    const auto second = vx::parseHexImage(std::span(records, first->records.size()));
    if (!second || second->records != first->records || second->code != first->code ||
        second->dataBytes != first->dataBytes) {
        std::abort();
    }
    return 0;
}
