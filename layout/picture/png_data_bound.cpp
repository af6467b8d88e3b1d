#include "layout/picture/png_data_bound.h"

#include <zlib.h>

#include <array>
#include <cstring>
#include <string>

namespace vx {
namespace {

constexpr std::array<std::uint8_t, 8> kSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

std::uint32_t bigEndian32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) << 24 | static_cast<std::uint32_t>(p[1]) << 16 |
           static_cast<std::uint32_t>(p[2]) << 8 | static_cast<std::uint32_t>(p[3]);
}

int channelsOf(std::uint8_t colourType) {
    switch (colourType) {
        case 2: return 3;   // RGB
        case 4: return 2;   // grey and alpha
        case 6: return 4;   // RGBA
        default: return 1;  // grey, palette
    }
}

// The signature, then the IHDR chunk: length, type, 13 bytes of fields.
bool hasHeader(std::span<const std::uint8_t> bytes) {
    constexpr std::size_t kHeaderEnd = 8 + 8 + 13;
    return bytes.size() >= kHeaderEnd &&
           std::memcmp(bytes.data(), kSignature.data(), kSignature.size()) == 0 &&
           std::memcmp(bytes.data() + 12, "IHDR", 4) == 0;
}

// The most bytes the image data may expand to: a filter byte and the packed
// samples of every row. Interlacing splits the picture into seven passes,
// whose rows add up to less than twice the height plus seven, each with a
// filter byte and a partly filled last byte.
std::uint64_t expandedLimit(const std::uint8_t* ihdr) {
    const std::uint64_t width = bigEndian32(ihdr);
    const std::uint64_t height = bigEndian32(ihdr + 4);
    const std::uint64_t bits = ihdr[8];
    const int channels = channelsOf(ihdr[9]);
    const std::uint64_t rowBytes = (width * bits * static_cast<std::uint64_t>(channels) + 7) / 8;
    return (rowBytes + 1) * height + 4 * (2 * height + 7);
}

// Inflates into a scratch buffer, counting, until the stream ends, goes
// wrong or expands past the limit.
class Inflater {
public:
    explicit Inflater(std::uint64_t limit) : limit_(limit) {
        ok_ = ::inflateInit(&stream_) == Z_OK;
    }
    ~Inflater() {
        if (ok_) ::inflateEnd(&stream_);
    }
    Inflater(const Inflater&) = delete;
    Inflater& operator=(const Inflater&) = delete;

    // Feeds one chunk's data; false once there is nothing more to learn.
    bool feed(const std::uint8_t* data, std::size_t size) {
        if (!ok_) return false;
        stream_.next_in = const_cast<Bytef*>(data);
        stream_.avail_in = static_cast<uInt>(size);
        while (true) {
            stream_.next_out = scratch_.data();
            stream_.avail_out = static_cast<uInt>(scratch_.size());
            const int r = ::inflate(&stream_, Z_NO_FLUSH);
            expanded_ += scratch_.size() - stream_.avail_out;
            if (expanded_ > limit_) return false;
            if (r == Z_BUF_ERROR) return true;  // wants the next chunk
            if (r != Z_OK) return false;        // ended, or damaged
            if (stream_.avail_in == 0 && stream_.avail_out > 0) return true;
        }
    }
    bool overLimit() const { return expanded_ > limit_; }
    std::uint64_t limit() const { return limit_; }

private:
    z_stream stream_{};
    std::array<Bytef, 1 << 16> scratch_{};
    std::uint64_t limit_;
    std::uint64_t expanded_ = 0;
    bool ok_ = false;
};

}  // namespace

std::optional<std::pair<std::uint32_t, std::uint32_t>> pngDeclaredSize(
    std::span<const std::uint8_t> bytes) {
    if (!hasHeader(bytes)) return std::nullopt;
    return std::pair{bigEndian32(bytes.data() + 16), bigEndian32(bytes.data() + 20)};
}

Status checkPngDataSize(std::span<const std::uint8_t> bytes) {
    if (!hasHeader(bytes)) return {};
    Inflater inflater(expandedLimit(bytes.data() + 16));
    std::size_t at = 8;
    while (bytes.size() - at >= 12) {
        const std::uint64_t length = bigEndian32(bytes.data() + at);
        const std::uint8_t* type = bytes.data() + at + 4;
        if (length > bytes.size() - at - 12) break;  // cut short: the decoder says so
        if (std::memcmp(type, "IEND", 4) == 0) break;
        if (std::memcmp(type, "IDAT", 4) == 0 &&
            !inflater.feed(type + 4, static_cast<std::size_t>(length))) {
            break;
        }
        at += static_cast<std::size_t>(length) + 12;
    }
    if (inflater.overLimit()) {
        return Error{"ERR_PICTURE_FORMAT", "the PNG's image data expands past the " +
                                               std::to_string(inflater.limit()) +
                                               " bytes its declared size needs"};
    }
    return {};
}

}  // namespace vx
