#include "engine/compile/word_modes.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "effects/mode_kind.h"
#include "layout/lamp_grid.h"

namespace vx {

namespace {

// One colour of a mode's colour list as stored: components above 255 stay
// whole (the controller writes them as they are), where Rgb would keep only
// their low byte.
using WideColor = std::array<std::uint32_t, 3>;

WideColor colorAt(const UintList& components, std::size_t i) {
    if (components.size() < 3 * i + 3) return {0, 0, 0};
    return {components[3 * i], components[3 * i + 1], components[3 * i + 2]};
}

struct WordShape {
    bool vertical = false;
    bool reversed = false;  // DOWNTOUP / RIGHTTOLEFT
};

WordShape shapeOf(std::string_view kind) {
    if (kind == "CM_UPTODOWN_WORD") return {true, false};
    if (kind == "CM_DOWNTOUP_WORD") return {true, true};
    if (kind == "CM_LEFTTORIGHT_WORD") return {false, false};
    return {false, true};  // CM_RIGHTTOLEFT_WORD
}

const char* lineKind(const WordShape& s, bool fill) {
    if (s.vertical) {
        if (s.reversed) return fill ? "CM_DOWNTOUP_CF" : "CM_DOWNTOUP_CC";
        return fill ? "CM_UPTODOWN_CF" : "CM_UPTODOWN_CC";
    }
    if (s.reversed) return fill ? "CM_RIGHTTOLEFT_CF" : "CM_RIGHTTOLEFT_CC";
    return fill ? "CM_LEFTTORIGHT_CF" : "CM_LEFTTORIGHT_CC";
}

// The lamp numbers of a word's text: a bit per number up to the highest lamp
// number (bounded), a sorted list for the rest.
class TextLamps {
public:
    TextLamps() = default;
    TextLamps(const UintList& lamps, std::uint32_t denseSize) : dense_(denseSize) {
        for (const std::uint32_t n : lamps) {
            if (n < denseSize) {
                dense_[n] = true;
            } else {
                rest_.push_back(n);
            }
        }
        std::sort(rest_.begin(), rest_.end());
    }
    bool holds(std::uint32_t n) const {
        if (n < dense_.size()) return dense_[n];
        return std::binary_search(rest_.begin(), rest_.end(), n);
    }

private:
    std::vector<bool> dense_;
    std::vector<std::uint32_t> rest_;
};

constexpr std::int32_t kDenseLimit = 1 << 20;

class WordExpander {
public:
    WordExpander(const ClusterTable& clusters, std::span<const Lamp> lamps, const CellRect& bounds)
        : clusters_(clusters), grid_(lamps), bounds_(bounds) {
        // The colour walk runs from the first to the last lamp in number order.
        if (!lamps.empty()) {
            const auto [lo, hi] = std::minmax_element(
                lamps.begin(), lamps.end(),
                [](const Lamp& a, const Lamp& b) { return a.number < b.number; });
            first_ = *lo;
            denseSize_ =
                static_cast<std::uint32_t>(std::clamp(hi->number, -1, kDenseLimit - 1) + 1);
            last_ = *hi;
            haveLamps_ = true;
        }
    }

    // Appends the line modes of one straight word; returns how many.
    std::uint32_t expand(const Mode& word, ModeList& out) const {
        const WordShape shape = shapeOf(word.kind);
        const bool fill = word.wordColorMode == 1;
        const std::int32_t from = shape.vertical ? bounds_.left : bounds_.top;
        const std::int32_t to = shape.vertical ? bounds_.right : bounds_.bottom;
        const TextLamps text = textLamps(word);
        const WideColor textColor = colorAt(word.colors, 0);
        const WideColor background = colorAt(word.colors, 1);
        std::uint32_t count = 0;
        for (std::int32_t line = from; line <= to; ++line) {
            Mode m = word;
            m.kind = lineKind(shape, fill);
            m.area = lineArea(shape.vertical, line);
            std::vector<WideColor> pattern;
            walkLine(shape.vertical, line, [&](std::int32_t lamp) {
                const bool isText = text.holds(static_cast<std::uint32_t>(lamp));
                pattern.push_back(isText ? textColor : background);
            });
            // Reversed fills put each colour in front of the ones before it.
            if (shape.reversed && fill) std::reverse(pattern.begin(), pattern.end());
            if (word.wordColorMode == 0 && word.wordStep > 0) {
                pattern.insert(pattern.end(),
                               static_cast<std::size_t>(std::min(word.wordStep, kMaxWordGap)),
                               background);
            }
            m.colors.clear();
            m.colors.reserve(3 * pattern.size());
            for (const WideColor& c : pattern) m.colors.insert(m.colors.end(), c.begin(), c.end());
            m.duration = line == to ? word.duration : 0;
            out.push_back(std::move(m));
            ++count;
        }
        return count;
    }

private:
    TextLamps textLamps(const Mode& word) const {
        if (word.clusterIndex < 0 ||
            static_cast<std::size_t>(word.clusterIndex) >= clusters_.size()) {
            return {};
        }
        return TextLamps(clusters_[static_cast<std::size_t>(word.clusterIndex)], denseSize_);
    }

    // (x, first row with a lamp, x, last such row) for a column, and the
    // like for a row; -1 for both ends of a line without lamps.
    CellRect lineArea(bool vertical, std::int32_t line) const {
        std::int32_t lo = -1;
        std::int32_t hi = -1;
        for (std::int32_t i = 0; i < LampGrid::kSize; ++i) {
            const std::int32_t v = vertical ? grid_.at(line, i) : grid_.at(i, line);
            if (v == LampGrid::kEmpty) continue;
            if (lo < 0) lo = i;
            hi = i;
        }
        return vertical ? CellRect{line, lo, line, hi} : CellRect{lo, line, hi, line};
    }

    template <class F>
    void walkLine(bool vertical, std::int32_t line, F f) const {
        if (!haveLamps_) return;
        const std::int32_t from = vertical ? first_.y : first_.x;
        const std::int32_t to = vertical ? last_.y : last_.x;
        for (std::int32_t i = std::max(from, 0); i <= std::min(to, LampGrid::kSize - 1); ++i) {
            const std::int32_t v = vertical ? grid_.at(line, i) : grid_.at(i, line);
            if (v != LampGrid::kEmpty) f(v);
        }
    }

    const ClusterTable& clusters_;
    LampGrid grid_;
    CellRect bounds_;
    Lamp first_;
    Lamp last_;
    std::uint32_t denseSize_ = 0;
    bool haveLamps_ = false;
};

}  // namespace

ExpandedModes expandWordModes(const ModeList& modes, const ClusterTable& clusters,
                              std::span<const Lamp> lamps, const CellRect& bounds) {
    const WordExpander expander(clusters, lamps, bounds);
    ExpandedModes out;
    for (std::size_t i = 0; i < modes.size(); ++i) {
        const Mode& m = modes[i];
        if (kinds::isWordKind(m.kind)) {
            const std::uint32_t n = expander.expand(m, out.modes);
            out.sources.insert(out.sources.end(), n, i);
            out.words.push_back(WordRecord{static_cast<std::uint32_t>(i), n});
        } else if (!kinds::isAnyWordKind(m.kind)) {
            out.modes.push_back(m);
            out.sources.push_back(i);
        }
    }
    return out;
}

}  // namespace vx
