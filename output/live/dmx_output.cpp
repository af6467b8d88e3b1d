#include "output/live/dmx_output.h"

#include <unistd.h>

#include <charconv>
#include <string>

#include "output/live/ola_output.h"
#include "output/live/sacn_output.h"

namespace vx {

namespace {

Error badTarget(std::string_view target) {
    return Error{"ERR_LIVE_TARGET", "unknown output \"" + std::string(target) +
                                        "\": use ola, sacn (multicast) or sacn:HOST[:PORT]"};
}

std::string hostName() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return "localhost";
    return name;
}

}  // namespace

Result<std::unique_ptr<DmxOutput>> openDmxOutput(std::string_view target, std::uint16_t olaPort) {
    if (target == "ola") return openOlaOutput(olaPort);
    if (target != "sacn" && !target.starts_with("sacn:")) return badTarget(target);

    SacnTarget sacn;
    sacn.source.cid = stableSacnCid(hostName());
    if (target.starts_with("sacn:")) {
        std::string_view rest = target.substr(5);
        const auto colon = rest.rfind(':');
        if (colon != std::string_view::npos) {
            const std::string_view port = rest.substr(colon + 1);
            unsigned value = 0;
            const auto [end, ec] = std::from_chars(port.data(), port.data() + port.size(), value);
            if (ec != std::errc{} || end != port.data() + port.size() || value == 0 ||
                value > 65535) {
                return badTarget(target);
            }
            sacn.port = static_cast<std::uint16_t>(value);
            rest = rest.substr(0, colon);
        }
        if (rest.empty()) return badTarget(target);
        sacn.host = std::string(rest);
    }
    auto output = SacnOutput::open(sacn);
    if (!output) return output.error();
    return std::unique_ptr<DmxOutput>(std::move(*output));
}

Result<LiveOutput> openLiveOutput(std::string_view target, std::uint16_t olaPort) {
    auto opened = openDmxOutput(target, olaPort);
    if (opened) return LiveOutput{std::move(*opened), std::nullopt};
    if (target != "ola" || opened.error().key != "ERR_LIVE_OLA") return opened.error();
    auto sacn = openDmxOutput("sacn", olaPort);
    if (!sacn) return sacn.error();
    return LiveOutput{std::move(*sacn), opened.error()};
}

}  // namespace vx
