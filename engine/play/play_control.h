#pragma once
// What the control modes may do to the playback that runs them. A playback
// that has no list of started modes (sequential play) passes no control.

#include <cstddef>

namespace vx {

class PlayControl {
public:
    virtual ~PlayControl() = default;

    // Stops, where they stand, the modes at positions 0 .. p-1 of the list of
    // started modes. The calling mode never stops itself: reaching its own
    // position ends the loop, so later modes keep playing.
    virtual void stopEarlierModes(std::size_t p) = 0;
    // True while a parallel playback runs (PlayState 5).
    virtual bool parallelRunning() const = 0;
    // Stops every started mode but the calling one and starts the whole
    // parallel playback over at the current time.
    virtual void startOver() = 0;
};

}  // namespace vx
