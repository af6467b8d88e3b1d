#include "effects/num_edit_model.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace vx {
namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// One number, optionally signed, with blanks around it and nothing else.
std::optional<float> parseNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isSpace(text[i])) ++i;
    if (i < text.size() && text[i] == '+') ++i;
    float v = 0.0f;
    const char* first = text.data() + i;
    const char* last = text.data() + text.size();
    const auto [end, ec] = std::from_chars(first, last, v);
    if (ec != std::errc()) return std::nullopt;
    for (const char* p = end; p != last; ++p) {
        if (!isSpace(*p)) return std::nullopt;
    }
    return v;
}

}  // namespace

NumCheck NumEditModel::validate(std::string_view text) const {
    if (text == "+" || text == "-") return NumCheck::Unfinished;
    const auto v = parseNumber(text);
    if (!v) return NumCheck::NotANumber;
    if (*v < min_ || *v > max_) return NumCheck::OutOfRange;
    return NumCheck::Valid;
}

float NumEditModel::value() const {
    const auto v = parseNumber(text_);
    return v ? *v : last_;
}

bool NumEditModel::setValue(float v) {
    if (v < min_ || v > max_) return false;
    last_ = v;
    text_ = format(v);
    return true;
}

bool NumEditModel::type(std::string_view newText) {
    const NumCheck check = validate(newText);
    if (check == NumCheck::OutOfRange || check == NumCheck::NotANumber) return false;
    text_ = std::string(newText);
    if (check == NumCheck::Valid) last_ = value();
    return true;
}

bool NumEditModel::spin(int clicks) {
    const float next = std::min(value() + static_cast<float>(clicks) * delta_, max_);
    return setValue(next);
}

void NumEditModel::setRange(float minimum, float maximum) {
    min_ = minimum;
    max_ = maximum;
}

int NumEditModel::shownDecimals() const {
    // The delta printed as "%G" prints it: six significant digits.
    char buf[64];
    const auto [end, ec] =
        std::to_chars(buf, buf + sizeof buf, delta_, std::chars_format::general, 6);
    if (ec != std::errc()) return decimals_;
    const std::string_view printed(buf, static_cast<std::size_t>(end - buf));
    const auto point = printed.find('.');
    if (point == std::string_view::npos) return decimals_;
    // Digits up to an exponent, if any.
    const auto exponent = printed.find_first_of("eE", point);
    const auto after = (exponent == std::string_view::npos ? printed.size() : exponent) - point - 1;
    return std::max(decimals_, static_cast<int>(after));
}

std::string NumEditModel::format(float v) const {
    char buf[128];
    const auto [end, ec] =
        std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, shownDecimals());
    if (ec != std::errc()) return text_;
    return std::string(buf, end);
}

void SpinPosition::step(int clicks) {
    pos_ = std::clamp(pos_ + clicks, kLow, kHigh);
    if (pos_ <= kLow + 1 || pos_ >= kHigh - 1) pos_ = kMiddle;
}

}  // namespace vx
