#pragma once
// The value behind a numeric edit field with a spin button: one float kept
// inside a range, stepped by a fixed delta, shown with a fixed number of
// decimals. Typing that would leave a non-number or a value out of range is
// refused and the field keeps its text. Parsing and printing ignore the
// process locale (the point is always ".").

#include <cfloat>
#include <string>
#include <string_view>

namespace vx {

enum class NumCheck {
    Valid = 0,
    OutOfRange = 1,
    NotANumber = 2,
    Unfinished = 3,  // a lone "+" or "-": accepted while typing
};

class NumEditModel {
public:
    NumCheck validate(std::string_view text) const;

    // The value of the text; the last valid value when it does not parse.
    float value() const;
    // Refused (false, nothing changes) outside the range.
    bool setValue(float v);
    const std::string& text() const { return text_; }

    // A keystroke's result: kept when it validates to Valid or Unfinished;
    // otherwise the text goes back to what it was and false is returned.
    bool type(std::string_view newText);

    // Adds clicks x delta, clamped to the maximum; refused below the minimum.
    bool spin(int clicks);

    void setRange(float minimum, float maximum);
    float minimum() const { return min_; }
    float maximum() const { return max_; }
    void setDelta(float delta) { delta_ = delta; }
    float delta() const { return delta_; }
    void setDecimals(int decimals) { decimals_ = decimals; }
    // The decimals shown: the set number, raised to the digits that the
    // delta has after its point.
    int shownDecimals() const;
    std::string format(float v) const;

private:
    float min_ = -FLT_MAX;
    float max_ = FLT_MAX;
    float delta_ = 1.0f;
    int decimals_ = 0;
    float last_ = 0.0f;
    std::string text_ = "0";
};

// The spin button's own position: it lives in 0..1000 and is put back to 500
// whenever it comes within one click of an end, so it never stops the user.
class SpinPosition {
public:
    static constexpr int kLow = 0;
    static constexpr int kHigh = 1000;
    static constexpr int kMiddle = 500;

    void step(int clicks);
    int position() const { return pos_; }

private:
    int pos_ = kMiddle;
};

}  // namespace vx
