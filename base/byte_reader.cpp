#include "base/byte_reader.h"

#include <bit>

namespace vx {

bool ByteReader::take(std::size_t n) {
    if (failed_) return false;
    if (remaining() < n) {
        failed_ = true;
        failOffset_ = pos_;
        pos_ = data_.size();
        return false;
    }
    return true;
}

std::uint8_t ByteReader::u8() {
    if (!take(1)) return 0;
    return data_[pos_++];
}

std::uint16_t ByteReader::u16() {
    if (!take(2)) return 0;
    const auto v = static_cast<std::uint16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
    pos_ += 2;
    return v;
}

std::uint32_t ByteReader::u32() {
    if (!take(4)) return 0;
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | data_[pos_ + static_cast<std::size_t>(i)];
    pos_ += 4;
    return v;
}

float ByteReader::f32() { return std::bit_cast<float>(u32()); }

double ByteReader::f64() {
    const std::uint64_t lo = u32();
    const std::uint64_t hi = u32();
    return std::bit_cast<double>(lo | (hi << 32));
}

std::string ByteReader::bytes(std::size_t n) {
    if (!take(n)) return {};
    std::string out(reinterpret_cast<const char*>(data_.data() + pos_), n);
    pos_ += n;
    return out;
}

}  // namespace vx
