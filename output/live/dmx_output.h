#pragma once
// Where live DMX goes. One interface, one implementation per transport
// (sACN over UDP, the OLA daemon), chosen by a short text such as "ola",
// "sacn" (multicast) or "sacn:HOST[:PORT]" (unicast).

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/result.h"

namespace vx {

class DmxOutput {
public:
    virtual ~DmxOutput() = default;
    // Sends one universe: up to 512 slots after the start code 0.
    virtual Status send(std::uint16_t universe, std::span<const std::uint8_t> slots) = 0;
    // "sACN to 10.0.0.5:5568", for logs and the command line.
    virtual std::string describe() const = 0;
};

// Opens the output a text names. OLA needs a running olad; `olaPort` is the
// port of its RPC server (9010 unless olad was started otherwise).
Result<std::unique_ptr<DmxOutput>> openDmxOutput(std::string_view target,
                                                 std::uint16_t olaPort = 9010);

// What the user's choice of output opened. "ola" with no olad answering
// goes on as sACN multicast, so the lamps still light; `fallback` then holds
// why OLA was not used, for the caller to tell the user.
struct LiveOutput {
    std::unique_ptr<DmxOutput> output;
    std::optional<Error> fallback;
};
Result<LiveOutput> openLiveOutput(std::string_view target, std::uint16_t olaPort = 9010);

}  // namespace vx
