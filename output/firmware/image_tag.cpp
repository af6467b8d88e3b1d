#include "output/firmware/image_tag.h"

#include "platform/file_io.h"

namespace vx {

std::string lampCountTag(std::size_t lampCount) {
    std::string digits = std::to_string(lampCount);
    if (digits.size() < 5) digits.insert(0, 5 - digits.size(), '0');
    return "[LampNum]" + digits;
}

std::string imageFileName(const std::string& documentName, const std::string& format) {
    return documentName.substr(0, documentName.find('.')) + format + ".hex";
}

Result<std::string> taggedImage(const std::filesystem::path& source, std::size_t lampCount) {
    auto bytes = readFileBytes(source);
    if (!bytes) return Error{"CRTBINDLG_ONBINGO_FDBCF", bytes.error().detail};
    return std::string(bytes->begin(), bytes->end()) + lampCountTag(lampCount);
}

}  // namespace vx
