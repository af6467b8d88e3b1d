#pragma once
// Live DMX through a running OLA daemon (olad), which drives whatever
// Art-Net, sACN or USB interfaces its user has patched to the universes.
// Frames are streamed without waiting for replies.

#include <cstdint>
#include <memory>

#include "output/live/dmx_output.h"

namespace vx {

// Connects to olad's RPC port on this machine. Fails, and never starts an
// olad of its own, when none is running, or when the program was built
// without OLA's client library.
Result<std::unique_ptr<DmxOutput>> openOlaOutput(std::uint16_t rpcPort);

}  // namespace vx
