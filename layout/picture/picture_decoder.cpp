#include "layout/picture/picture_decoder.h"

#include <climits>
#include <cstring>
#include <memory>

#include <stb/stb_image.h>

#include "platform/file_io.h"

namespace vx {
namespace {

struct StbFree {
    void operator()(stbi_uc* pixels) const { stbi_image_free(pixels); }
};

}  // namespace

Result<Picture> decodePicture(std::span<const std::uint8_t> bytes) {
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT_MAX)) {
        return Error{"ERR_PICTURE_FORMAT", "the file is empty or too large to be a picture"};
    }
    int width = 0;
    int height = 0;
    int channels = 0;
    // Asking for three channels flattens grey, palette and alpha pictures to RGB.
    std::unique_ptr<stbi_uc, StbFree> pixels(stbi_load_from_memory(
        bytes.data(), static_cast<int>(bytes.size()), &width, &height, &channels, 3));
    if (!pixels || width <= 0 || height <= 0) {
        const char* reason = stbi_failure_reason();
        return Error{"ERR_PICTURE_FORMAT",
                     std::string("not a picture this program reads (PNG, JPEG, BMP or GIF)") +
                         (reason ? std::string(": ") + reason : std::string())};
    }
    Picture picture(width, height);
    std::memcpy(picture.rgb.data(), pixels.get(), picture.rgb.size());
    return picture;
}

Result<Picture> readPicture(const std::filesystem::path& path) {
    auto bytes = readFileBytes(path);
    if (!bytes) return bytes.error();
    return decodePicture(*bytes);
}

}  // namespace vx
