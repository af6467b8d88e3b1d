#pragma once
// The port table header "cport.h": one C51 array per port, CPort1 to CPort12,
// listing the lamp numbers of that port's chain from the far end to the
// start, each array ended by the marker 0xFFFF. Lines end in CR LF.

#include <filesystem>
#include <string>
#include <vector>

#include "base/result.h"
#include "layout/lamp.h"

namespace vx {

inline constexpr const char* kPortTableFileName = "cport.h";

// The whole text of "cport.h" for these lamps. A line break follows every
// order that is a multiple of 10; lamps sharing an order are all written, in
// list order.
std::string portTableText(const std::vector<Lamp>& lamps);

// Writes "cport.h" into `folder`, replacing any file there. On failure the
// error key is "EDITIMAGEDOC_ONCPORTOUT_CFCF" and nothing is written.
Status writePortTable(const std::vector<Lamp>& lamps, const std::filesystem::path& folder);

}  // namespace vx
