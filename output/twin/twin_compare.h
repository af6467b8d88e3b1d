#pragma once
// Comparing what the controller sends with what the preview shows, on one
// clock that starts with the program's first frame. Each controller frame,
// decoded into lamp colours through the layout's ports, shows a state of the
// preview or of the program as the controller's records carry it (see
// PreviewModel). Frames come in the preview's order, so the state a frame
// shows is the first matching one from the state the last frame showed on,
// up to kTwinDriftMs ahead (effects that cycle show the same state again
// later). The frame agrees when that state is the preview's and holds within
// kTwinWindowMs of the frame's time: the controller samples its lamps at its
// own rate, and a frame leaves only once its step is painted. A state of the
// records' program is one of the documented differences, named by the rule
// behind it; a preview state at another time is a documented difference of
// step timing, and the clock follows the controller from there. A frame that
// matches neither is an unexplained difference.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "engine/compiled_effects.h"
#include "layout/lamp.h"
#include "output/firmware/dmx_frames.h"
#include "output/twin/preview_model.h"

namespace vx {

inline constexpr std::int64_t kTwinWindowMs = 30;
inline constexpr std::int64_t kTwinDriftMs = 1000;

enum class TwinVerdict {
    Agrees,
    ReversedColours,  // PlayKinds 3 and 6 show their colours in reverse
    OtherWay,         // PlayKind 4 moves the other way
    FillFromBlack,    // a group fill blacks out its groups first
    Loops,            // the controller plays the program again
    StepTiming,       // the controller's steps last as long as painting and sending take
    Unexplained,
};
inline constexpr std::size_t kTwinVerdictCount = 7;

// A stable name for reports and JSON ("agrees", "reversed-colours" ...).
const char* twinVerdictName(TwinVerdict verdict);
bool isDocumented(TwinVerdict verdict);

struct TwinPoint {
    std::int64_t ms = 0;     // on the preview's clock
    std::uint32_t lamp = 0;  // lamp number
    std::int32_t mode = -1;  // position in the program group; -1 when no mode painted it
};

struct TwinFrameResult {
    TwinVerdict verdict = TwinVerdict::Agrees;
    std::optional<TwinPoint> where;  // the first lamp that differs from the preview
};

struct TwinModeCount {
    std::int32_t mode = -1;
    std::array<std::size_t, kTwinVerdictCount> frames{};  // by verdict (Agrees unused)
};

struct TwinReport {
    std::size_t framesCompared = 0;
    std::size_t framesDiffering = 0;
    std::array<std::size_t, kTwinVerdictCount> frames{};  // by verdict
    std::vector<TwinModeCount> byMode;                    // modes with differences, by position
    std::optional<std::pair<TwinVerdict, TwinPoint>> first;
    std::optional<TwinPoint> firstUnexplained;
    bool agrees() const { return frames[static_cast<std::size_t>(TwinVerdict::Unexplained)] == 0; }
};

// The lamps in the order the controller sends them: port 1 from portOrder 1
// upward, then port 2 ... 12; lamps on no port are not sent. Each entry is a
// lamp number.
std::vector<std::uint32_t> lampChain(std::span<const Lamp> lamps);

class TwinComparer {
public:
    TwinComparer(const CompiledEffects& effects, std::span<const Lamp> lamps, std::size_t program);

    // Compares the frame the controller sent at `ms` of the preview's clock;
    // frames come in time order.
    TwinFrameResult compare(std::int64_t ms, const DmxFrame& frame);
    const TwinReport& report() const { return report_; }

    // The lamp colours by lamp number: of a frame, and of the preview at the
    // time a frame of `ms` is compared with (after compare()).
    std::vector<ColorWord> decode(const DmxFrame& frame) const;
    std::vector<ColorWord> previewAt(std::int64_t ms) const;
    const std::vector<Mode>& modes() const { return preview_.modes(); }
    std::int64_t drift() const { return drift_; }

private:
    // The first stretch of time within [from, to] in which the model shows
    // `sent`, first and last ms.
    using Span = std::pair<std::int64_t, std::int64_t>;
    std::optional<Span> firstMatch(const PreviewModel& model, const std::vector<ColorWord>& sent,
                                   std::int64_t from, std::int64_t to) const;
    std::optional<TwinPoint> firstDifference(const PreviewState& state,
                                             const std::vector<ColorWord>& sent,
                                             std::int64_t ms) const;
    TwinVerdict documentedRule(TwinPoint& where, std::int64_t ms) const;
    void count(TwinVerdict verdict, const std::optional<TwinPoint>& where);

    std::vector<std::uint32_t> chain_;
    std::size_t lampCount_;
    PreviewModel preview_;
    PreviewModel controller_;
    std::int64_t drift_ = 0;      // controller clock minus preview clock, from step timing
    std::int64_t lastShown_ = 0;  // the preview time of the state the last frame showed
    TwinReport report_;
};

}  // namespace vx
