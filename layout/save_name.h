#pragma once
// The name a layout is saved under when the user picks one: the file name
// upper-cased, ".LED" appended unless it then ends so. Folders are left alone
// so that the path still resolves on a case-sensitive file system.

#include <filesystem>

namespace vx {

std::filesystem::path layoutSaveName(const std::filesystem::path& chosen);

}  // namespace vx
