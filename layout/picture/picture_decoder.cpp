#include "layout/picture/picture_decoder.h"

#include <cstring>
#include <memory>
#include <new>
#include <string>

#include <stb/stb_image.h>

#include "layout/picture/png_data_bound.h"
#include "platform/bounded_read.h"

namespace vx {
namespace {

struct StbFree {
    void operator()(stbi_uc* pixels) const { stbi_image_free(pixels); }
};

// stb_image's own reasons are those of whichever format it tried last, so
// they are not passed on.
Error notAPicture(const char* reason) {
    return Error{"ERR_PICTURE_FORMAT",
                 std::string("not a picture this program reads (PNG, JPEG, BMP or GIF)") +
                     (reason ? std::string(": ") + reason : std::string())};
}

Error fileTooLarge() {
    return Error{"ERR_PICTURE_TOO_LARGE", "the file holds more than " +
                                              std::to_string(kMaxPictureFileBytes) +
                                              " bytes, more than this program reads as a picture"};
}

Status withinPixelLimit(std::uint64_t width, std::uint64_t height) {
    if (width * height <= kMaxPicturePixels) return {};
    return Error{"ERR_PICTURE_TOO_LARGE", "the picture declares " + std::to_string(width) + " x " +
                                              std::to_string(height) + " pixels, more than the " +
                                              std::to_string(kMaxPicturePixels / 1'000'000) +
                                              " megapixels this program reads"};
}

}  // namespace

Result<PictureSize> declaredPictureSize(std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) return notAPicture("the file is empty");
    if (bytes.size() > kMaxPictureFileBytes) return fileTooLarge();
    // stb_image takes a PNG above about 350 megapixels for no picture at all.
    if (const auto png = pngDeclaredSize(bytes)) {
        if (Status s = withinPixelLimit(png->first, png->second); !s) return s.error();
    }
    int width = 0;
    int height = 0;
    int channels = 0;
    if (!stbi_info_from_memory(bytes.data(), static_cast<int>(bytes.size()), &width, &height,
                               &channels) ||
        width <= 0 || height <= 0) {
        return notAPicture(nullptr);
    }
    if (Status s =
            withinPixelLimit(static_cast<std::uint64_t>(width), static_cast<std::uint64_t>(height));
        !s) {
        return s.error();
    }
    return PictureSize{width, height};
}

Result<Picture> decodePicture(std::span<const std::uint8_t> bytes) {
    const auto size = declaredPictureSize(bytes);
    if (!size) return size.error();
    if (const Status data = checkPngDataSize(bytes); !data) return data.error();
    int width = 0;
    int height = 0;
    int channels = 0;
    // Asking for three channels flattens grey, palette and alpha pictures to RGB.
    std::unique_ptr<stbi_uc, StbFree> pixels(stbi_load_from_memory(
        bytes.data(), static_cast<int>(bytes.size()), &width, &height, &channels, 3));
    if (!pixels || width != size->width || height != size->height) {
        return notAPicture("the picture is damaged or cut short");
    }
    try {
        Picture picture(width, height);
        std::memcpy(picture.rgb.data(), pixels.get(), picture.rgb.size());
        return picture;
    } catch (const std::bad_alloc&) {
        return Error{"ERR_PICTURE_TOO_LARGE", "there is not enough memory for its " +
                                                  std::to_string(width) + " x " +
                                                  std::to_string(height) + " pixels"};
    }
}

Result<std::vector<std::uint8_t>> readPictureFile(const std::filesystem::path& path) {
    auto bytes = readFileAtMost(path, kMaxPictureFileBytes);
    if (!bytes && bytes.error().key == "ERR_FILE_TOO_LARGE") return fileTooLarge();
    return bytes;
}

Result<Picture> readPicture(const std::filesystem::path& path) {
    const auto bytes = readPictureFile(path);
    if (!bytes) return bytes.error();
    return decodePicture(*bytes);
}

Result<PictureSize> checkPictureFile(const std::filesystem::path& path) {
    const auto bytes = readPictureFile(path);
    if (!bytes) return bytes.error();
    return declaredPictureSize(*bytes);
}

}  // namespace vx
