#pragma once
// Writing the firmware template into the tool folder and removing it again.

#include <filesystem>
#include <string>
#include <vector>

namespace vx {

// Writes every template file into `folder`. A file that cannot be written is
// skipped; the names of the files written are returned.
std::vector<std::string> writeFirmwareTemplate(const std::filesystem::path& folder);

// Deletes the template files from `folder`; missing files are no error.
void deleteFirmwareTemplate(const std::filesystem::path& folder);

}  // namespace vx
