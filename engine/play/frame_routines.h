#pragma once
// The frame routines: how one compiled mode is played, by PlayKind. The
// start wait (startOffset) is not part of a routine; the playback launches a
// mode at its start time and the routine begins with its first step.

#include "effects/mode.h"
#include "engine/play/draw_surface.h"
#include "engine/play/play_control.h"
#include "engine/play/play_tables.h"
#include "engine/play/routine.h"

namespace vx {

// The routine of the mode's PlayKind. A PlayKind without a
// routine plays nothing. `control` is null in sequential play; the tables and
// the surface must outlive the routine.
Routine playFrames(Mode mode, const PlayTables& tables, DrawSurface& surface, PlayControl* control);

// PlayKinds 1 to 10.
Routine playGroupChange(Mode mode, const PlayTables& tables, DrawSurface& surface);
Routine playLampChange(Mode mode, const PlayTables& tables, DrawSurface& surface);
Routine playGroupFill(Mode mode, const PlayTables& tables, DrawSurface& surface);
Routine playLampFill(Mode mode, const PlayTables& tables, DrawSurface& surface);
// PlayKind 0, reading the mode's own colours.
Routine playFade(Mode mode, const PlayTables& tables, DrawSurface& surface);
// PlayKinds 253, 254, 255.
Routine playControl(Mode mode, const PlayTables& tables, DrawSurface& surface,
                    PlayControl* control);

// The shortened wait after one step of the lamp-list kinds (5, 6 and the
// fade): 10 x d less one ms per ten lamps, never below 0; an empty list
// counts as no lamps.
std::uint64_t lampStepWait(std::uint32_t stepDelay, std::size_t lampCount);
// The wait after one step of the group kinds (1 to 4), D lamps painted.
std::uint64_t groupStepWait(std::uint32_t stepDelay, std::size_t paintedLamps);

// How long one step lasts on the playback clock. Painting takes no time on a
// virtual clock, so a step is charged the painting time its wait was
// shortened for (the controller spends it sending the frame); and no step is
// shorter than 1 ms, so a mode whose waits are all 0 ms still lets time move.
std::uint64_t lampStepTime(std::uint32_t stepDelay, std::size_t lampCount);
std::uint64_t groupStepTime(std::uint32_t stepDelay, std::size_t paintedLamps);
// A step whose wait is not shortened for painting (kinds 7 to 10).
inline std::uint64_t plainStepTime(std::uint64_t wait) { return wait == 0 ? 1 : wait; }

}  // namespace vx
