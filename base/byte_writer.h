#pragma once
// Little-endian writer for the layout file and other binary outputs.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

class ByteWriter {
public:
    void u8(std::uint8_t v) { bytes_.push_back(v); }
    void u16(std::uint16_t v);
    void u32(std::uint32_t v);
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void f32(float v);
    void f64(double v);
    void raw(std::span<const std::uint8_t> data);
    void raw(std::string_view data);

    std::size_t size() const { return bytes_.size(); }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }
    void reserve(std::size_t n) { bytes_.reserve(n); }

private:
    std::vector<std::uint8_t> bytes_;
};

}  // namespace vx
