#include "effects/effect_archive.h"

#include "base/load_error.h"

namespace vx::archive {

void writeString(ByteWriter& out, const std::string& s) {
    const auto n = s.size();
    if (n < 0xFF) {
        out.u8(static_cast<std::uint8_t>(n));
    } else if (n < 0xFFFE) {
        out.u8(0xFF);
        out.u16(static_cast<std::uint16_t>(n));
    } else {
        out.u8(0xFF);
        out.u16(0xFFFF);
        out.u32(static_cast<std::uint32_t>(n));
    }
    out.raw(s);
}

Result<std::string> readString(ByteReader& in, const std::string& what) {
    const auto start = in.offset();
    std::uint64_t n = in.u8();
    if (n == 0xFF) {
        const auto word = in.u16();
        if (word == 0xFFFE) {
            return badValueError(start, "ERR_FILE_BAD_STRING",
                                 "the length of " + what + " uses a wide-character marker");
        }
        n = word == 0xFFFF ? in.u32() : word;
    }
    if (in.failed()) return truncatedError(in, "the length of " + what);
    if (n > in.remaining()) {
        return Error{
            "ERR_FILE_BAD_COUNT",
            "the length of " + what + " (" + std::to_string(n) + ") runs past the end of the file",
            start};
    }
    return in.bytes(static_cast<std::size_t>(n));
}

void writeUintList(ByteWriter& out, const UintList& list) {
    out.i32(static_cast<std::int32_t>(list.size()) - 1);
    for (auto v : list) out.u32(v);
}

Result<UintList> readUintList(ByteReader& in, const std::string& what) {
    const auto start = in.offset();
    const auto last = in.i32();
    if (in.failed()) return truncatedError(in, what);
    UintList list;
    if (last < 0) return list;
    const auto count = static_cast<std::uint64_t>(last) + 1;
    if (auto fits = checkCountFits(in, start, count, 4, "elements of " + what); !fits) {
        return fits.error();
    }
    list.resize(static_cast<std::size_t>(count));
    for (auto& v : list) v = in.u32();
    return list;
}

}  // namespace vx::archive
