#include "output/firmware/template_writer.h"

#include "output/firmware/template_files.h"
#include "platform/file_io.h"

namespace vx {

std::vector<std::string> writeFirmwareTemplate(const std::filesystem::path& folder) {
    std::vector<std::string> written;
    for (const auto& file : firmwareTemplateFiles()) {
        if (writeFileAtomically(folder / file.name, file.bytes)) {
            written.emplace_back(file.name);
        }
    }
    return written;
}

}  // namespace vx
