#pragma once
// Little-endian reader over a byte buffer. A read past the end sets a sticky
// failure that remembers where it happened; later reads return zero. Callers
// check failed() at points where a bad value would do harm (counts, tags), so
// a damaged file never drives an allocation or a loop beyond its own size.

#include <cstdint>
#include <span>
#include <string>

namespace vx {

class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> data) : data_(data) {}

    std::uint8_t u8();
    std::uint16_t u16();
    std::uint32_t u32();
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    float f32();
    double f64();
    // Takes n bytes as they are (no code-page conversion).
    std::string bytes(std::size_t n);

    std::size_t offset() const { return pos_; }
    std::size_t remaining() const { return data_.size() - pos_; }
    bool atEnd() const { return pos_ == data_.size(); }

    // True when an earlier read ran past the end; failOffset() is where.
    bool failed() const { return failed_; }
    std::size_t failOffset() const { return failOffset_; }

private:
    bool take(std::size_t n);

    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
    bool failed_ = false;
    std::size_t failOffset_ = 0;
};

}  // namespace vx
