#pragma once
// One playback of compiled effects on a virtual clock. Every playing mode is
// a routine; the playback advances time, resumes each routine whose wait has
// ended, and keeps the current colour of every lamp. Modes that act at the
// same millisecond act in the order in which they were started, so the same
// request always gives the same timeline. Memory depends on the number of
// lamps and modes, never on how long the show runs.

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "engine/compiled_effects.h"
#include "engine/play/draw_surface.h"
#include "engine/play/play_control.h"
#include "engine/play/play_observer.h"
#include "engine/play/play_tables.h"
#include "engine/play/routine.h"

namespace vx {

// PlayState values.
namespace playstate {
inline constexpr std::int32_t kIdle = 0;
inline constexpr std::int32_t kSequential = 1;
inline constexpr std::int32_t kParallel = 2;
inline constexpr std::int32_t kPartial = 3;
inline constexpr std::int32_t kStartOver = 4;
inline constexpr std::int32_t kParallelRunning = 5;
}  // namespace playstate

enum class PlayOrder { Sequential, Parallel, Partial };

struct PlayRequest {
    PlayOrder order = PlayOrder::Parallel;
    // Play this program group's list instead of all compiled modes. Control
    // modes then count positions in that list.
    std::optional<std::size_t> programGroup;
    // Partial play: list positions first .. last, the end clamped to the list.
    std::size_t first = 0;
    std::size_t last = 0;
    // Surface width for the caption each started mode draws.
    std::int32_t surfaceWidth = 800;
};

// The list of modes a request plays: all compiled modes or one program
// group's (copies; control modes get their position in this list).
std::vector<Mode> playList(const CompiledEffects& effects, const PlayRequest& request);

class Playback final : private DrawSurface, private PlayControl {
public:
    // `effects` must outlive the playback. lampCount is the number of lamps
    // in the layout's lamp list; paints of other positions are dropped.
    Playback(const CompiledEffects& effects, std::size_t lampCount, const PlayRequest& request,
             PlayObserver* observer = nullptr);
    ~Playback() override;
    Playback(const Playback&) = delete;
    Playback& operator=(const Playback&) = delete;

    // Plays everything due up to and including time `ms`, then sets the clock
    // to `ms` (never backwards).
    void runUntil(std::int64_t ms);
    // Stops every playing mode where it stands (Start, closing the demo).
    void stopAll();

    std::int64_t now() const { return now_; }
    // No mode is waiting to act: the show is over unless restarted.
    bool idle() const { return queue_.empty(); }
    std::int32_t playState() const { return playState_; }
    // Current colour of each lamp, black until painted.
    const std::vector<ColorWord>& lampColors() const { return colors_; }
    const std::vector<Mode>& modes() const { return list_; }

private:
    struct Task {
        Routine routine;
        std::size_t position = 0;  // in list_
        std::int64_t wake = 0;
        bool started = false;
    };
    using Key = std::pair<std::int64_t, std::uint64_t>;  // wake time, start order

    void startThreads(std::size_t first, std::size_t end);
    void launch(std::size_t position, std::int64_t at);
    void step(std::uint64_t id);
    void stop(std::uint64_t id);

    // DrawSurface
    void paint(std::uint32_t lamp, ColorWord color) override;
    void paintEach(std::span<const std::uint32_t> lamps,
                   std::span<const ColorWord> colors) override;
    void paintAll(std::span<const std::uint32_t> lamps, ColorWord color) override;
    void text(std::int32_t x, std::int32_t y, std::string_view s) override;
    // PlayControl
    void stopEarlierModes(std::size_t p) override;
    bool parallelRunning() const override;
    void startOver() override;

    PlayTables tables_;
    PlayRequest request_;
    PlayObserver* observer_;
    std::vector<Mode> list_;
    std::vector<ColorWord> colors_;
    std::int32_t playState_ = playstate::kIdle;
    std::int64_t now_ = 0;
    std::uint64_t nextId_ = 0;
    std::map<std::uint64_t, Task> tasks_;  // playing modes by start order
    std::set<Key> queue_;
    std::vector<std::uint64_t> playingThreads_;  // start order of this generation
    std::uint64_t current_ = 0;                  // id of the mode being resumed
    std::size_t nextSequential_ = 0;
    bool restartPending_ = false;
};

}  // namespace vx
