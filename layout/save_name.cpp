#include "layout/save_name.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace vx {

std::filesystem::path layoutSaveName(const std::filesystem::path& chosen) {
    std::string name = chosen.filename().string();
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (name.size() < 4 || name.compare(name.size() - 4, 4, ".LED") != 0) name += ".LED";
    return chosen.parent_path() / name;
}

}  // namespace vx
