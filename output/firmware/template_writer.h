#pragma once
// Writing the firmware template into a build's folder.

#include <filesystem>
#include <string>
#include <vector>

namespace vx {

// Writes every template file into `folder`. A file that cannot be written is
// skipped; the names of the files written are returned.
std::vector<std::string> writeFirmwareTemplate(const std::filesystem::path& folder);

}  // namespace vx
