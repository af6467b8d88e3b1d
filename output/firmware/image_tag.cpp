#include "output/firmware/image_tag.h"

#include <cstdio>
#include <fstream>

namespace vx {

std::string lampCountTag(std::size_t lampCount) {
    std::string digits = std::to_string(lampCount);
    if (digits.size() < 5) digits.insert(0, 5 - digits.size(), '0');
    return "[LampNum]" + digits;
}

std::string imageFileName(const std::string& documentName, const std::string& format) {
    return documentName.substr(0, documentName.find('.')) + format + ".hex";
}

Status appendLampCountTag(const std::filesystem::path& image, std::size_t lampCount) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(image, ec)) {
        return Error{"ID_MSG_CBINDLG_SEO", "cannot open " + image.string() + " to tag it"};
    }
    std::ofstream out(image, std::ios::binary | std::ios::app);
    if (!out) return Error{"ID_MSG_CBINDLG_SEO", "cannot open " + image.string() + " to tag it"};
    const std::string tag = lampCountTag(lampCount);
    out.write(tag.data(), static_cast<std::streamsize>(tag.size()));
    out.close();
    if (!out) return Error{"ID_MSG_CBINDLG_SEO", "cannot write the tag to " + image.string()};
    return {};
}

}  // namespace vx
