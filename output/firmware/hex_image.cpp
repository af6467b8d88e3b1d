#include "output/firmware/hex_image.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <string_view>

#include "platform/file_io.h"

namespace vx {
namespace {

constexpr const char* kKey = "ERR_HEX_IMAGE";
constexpr std::string_view kTagPrefix = "[LampNum]";

enum RecordType : unsigned {
    kData = 0,
    kEndOfFile = 1,
    kSegmentBase = 2,
    kSegmentStart = 3,
    kLinearBase = 4,
    kLinearStart = 5,
};

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool isBlank(std::string_view line) {
    return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {
        image_.code.assign(kCodeSpaceBytes, 0xFF);
    }

    Result<HexImage> run() {
        bool ended = false;
        while (next()) {
            if (ended) {
                if (isBlank(line_) || isTag(line_)) continue;
                return refuse("text after the end-of-file record");
            }
            if (isBlank(line_)) continue;
            std::optional<Error> bad = record(ended);
            if (bad) return *bad;
        }
        if (!ended) return refuse("no end-of-file record", text_.size());
        if (image_.dataBytes == 0) return refuse("no data records", 0);
        return std::move(image_);
    }

private:
    // The next line (without its LF) in line_, its start in lineStart_.
    bool next() {
        if (pos_ >= text_.size()) return false;
        lineStart_ = pos_;
        const auto end = text_.find('\n', pos_);
        const auto stop = end == std::string_view::npos ? text_.size() : end;
        line_ = text_.substr(pos_, stop - pos_);
        pos_ = stop + 1;
        ++lineNumber_;
        return true;
    }

    static bool isTag(std::string_view line) {
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!line.starts_with(kTagPrefix)) return false;
        const auto digits = line.substr(kTagPrefix.size());
        return !digits.empty() && digits.size() <= 10 &&
               digits.find_first_not_of("0123456789") == std::string_view::npos;
    }

    Error refuse(const std::string& why, std::size_t offset) const {
        return Error{kKey, "not an Intel HEX image: " + why, offset};
    }
    Error refuse(const std::string& why) const {
        return Error{kKey,
                     "not an Intel HEX image: line " + std::to_string(lineNumber_) + ": " + why,
                     lineStart_};
    }

    std::optional<Error> record(bool& ended) {
        std::string_view r = line_;
        if (!r.empty() && r.back() == '\r') r.remove_suffix(1);
        if (r.empty() || r[0] != ':') return refuse("a record must start with ':'");
        r.remove_prefix(1);
        if (r.size() < 10 || r.size() % 2 != 0) return refuse("the record is too short or odd");
        std::vector<unsigned> bytes;
        bytes.reserve(r.size() / 2);
        for (std::size_t i = 0; i < r.size(); i += 2) {
            const int hi = hexDigit(r[i]);
            const int lo = hexDigit(r[i + 1]);
            if (hi < 0 || lo < 0) return refuse("a record holds a character that is no hex digit");
            bytes.push_back(static_cast<unsigned>(hi * 16 + lo));
        }
        const unsigned count = bytes[0];
        if (bytes.size() != count + 5u) {
            return refuse("the record's length says " + std::to_string(count) +
                          " data bytes but it holds " + std::to_string(bytes.size() - 5));
        }
        unsigned sum = 0;
        for (unsigned b : bytes) sum += b;
        if ((sum & 0xFF) != 0) return refuse("checksum mismatch");
        const unsigned address = (bytes[1] << 8) | bytes[2];
        const unsigned type = bytes[3];
        switch (type) {
            case kData:
                if (address + count > kCodeSpaceBytes) {
                    return refuse("data beyond the 64 KB code space of the controller");
                }
                for (unsigned i = 0; i < count; ++i) {
                    image_.code[address + i] = static_cast<std::uint8_t>(bytes[4 + i]);
                }
                image_.dataBytes += count;
                break;
            case kEndOfFile:
                if (count != 0) return refuse("the end-of-file record holds data");
                ended = true;
                break;
            case kSegmentBase:
            case kLinearBase:
                // The 8051's code space is 64 KB: only a zero base keeps inside it.
                if (count != 2 || bytes[4] != 0 || bytes[5] != 0) {
                    return refuse("an address base outside the 64 KB code space of the controller");
                }
                break;
            case kSegmentStart:
            case kLinearStart:
                if (count != 4) return refuse("a start address record of the wrong length");
                break;
            default: return refuse("unknown record type " + std::to_string(type));
        }
        image_.records.append(r.data() - 1, r.size() + 1);
        image_.records += '\n';
        return std::nullopt;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t lineStart_ = 0;
    std::size_t lineNumber_ = 0;
    std::string_view line_;
    HexImage image_;
};

}  // namespace

Result<HexImage> parseHexImage(std::span<const std::uint8_t> text) {
    return Parser(std::string_view(reinterpret_cast<const char*>(text.data()), text.size())).run();
}

Result<HexImage> readHexImage(const std::filesystem::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return Error{"ERR_FILE_OPEN", "cannot open " + path.string() + ": " + std::strerror(errno)};
    }
    if (!S_ISREG(info.st_mode)) {
        return Error{kKey, path.string() + " is not a regular file"};
    }
    if (static_cast<std::uintmax_t>(info.st_size) > kMaxHexFileBytes) {
        return Error{kKey, path.string() + " is " + std::to_string(info.st_size) +
                               " bytes, larger than any controller image"};
    }
    auto bytes = readFileBytes(path);
    if (!bytes) return bytes.error();
    if (bytes->size() > kMaxHexFileBytes) {
        return Error{kKey, path.string() + " grew larger than any controller image"};
    }
    return parseHexImage(*bytes);
}

}  // namespace vx
