#include "output/live/ola_output.h"

#include <string>

#ifdef VEXOLUME_HAVE_OLA
#include <ola/DmxBuffer.h>
#include <ola/Logging.h>
#include <ola/client/StreamingClient.h>
#endif

namespace vx {

#ifdef VEXOLUME_HAVE_OLA

namespace {

class OlaOutput final : public DmxOutput {
public:
    explicit OlaOutput(std::uint16_t port) : port_(port), client_(options(port)) {}

    bool connect() { return client_.Setup(); }

    Status send(std::uint16_t universe, std::span<const std::uint8_t> slots) override {
        buffer_.Set(slots.data(), static_cast<unsigned int>(slots.size()));
        if (!client_.SendDmx(universe, buffer_)) {
            return Error{"ERR_LIVE_OLA", "olad closed the connection while universe " +
                                             std::to_string(universe) + " was sent"};
        }
        return {};
    }

    std::string describe() const override {
        return "OLA (olad on port " + std::to_string(port_) + ")";
    }

private:
    static ola::client::StreamingClient::Options options(std::uint16_t port) {
        ola::client::StreamingClient::Options o;
        o.auto_start = false;
        o.server_port = port;
        return o;
    }
    std::uint16_t port_;
    ola::client::StreamingClient client_;
    ola::DmxBuffer buffer_;
};

}  // namespace

Result<std::unique_ptr<DmxOutput>> openOlaOutput(std::uint16_t rpcPort) {
    auto output = std::make_unique<OlaOutput>(rpcPort);
    if (!output->connect()) {
        return Error{"ERR_LIVE_OLA", "no olad answers on port " + std::to_string(rpcPort) +
                                         " (start it with `olad`, or choose sACN)"};
    }
    return std::unique_ptr<DmxOutput>(std::move(output));
}

#else

Result<std::unique_ptr<DmxOutput>> openOlaOutput(std::uint16_t) {
    return Error{"ERR_LIVE_OLA",
                 "this program was built without OLA (install libola-dev and rebuild)"};
}

#endif

}  // namespace vx
