#include "cli/layout_output.h"

#include "layout/layout_file.h"
#include "layout/layout_json.h"
#include "platform/file_io.h"

namespace vx::cli {

Status writeLayoutOutput(const std::filesystem::path& path, const LampLayout& layout) {
    std::string ext = path.extension().string();
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ext == ".json") return writeFileAtomically(path, layoutToJson(layout));
    return writeFileAtomically(path, encodeLayout(layout));
}

}  // namespace vx::cli
