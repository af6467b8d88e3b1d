#pragma once
// Compilation of a layout's effect data into what playback and the
// controller output read ("Creat Data"): word modes are expanded into line
// modes, every mode gets its PlayKind and its lamp or group list, and the
// 32 program groups are resolved to compiled positions.
//
// Compilation reads the layout's `lamps` (not the effect-lamp copy) and its
// `effects`. It is a pure rebuild: the layout is not changed and nothing of an
// earlier compilation survives.
//
// What the compiled modes hold:
// - playKind: the PlayKind (0..10, 253..255). A mode whose kind is in no row
//   of the PlayKind table plays its kindCode (a custom mode plays the
//   designer's PlayKind). kindCode keeps what the designer set.
// - colorIndex: index into colorGroup for playKind 1..10 (and for any other
//   playKind of 10 or less except 0); the fade (0) reads `colors` itself.
// - clusterIndex (PlayKinds 0, 5, 6, 9, 10) into clusters, clusterGroupIndex
//   (1, 2, 3, 4, 7, 8) into clusterGroups. A custom mode keeps the designer's
//   indices; the designer's clusters and cluster groups are the first entries
//   of those tables, so the indices stay valid.
// - Control modes (253 regroup, 254 empty, 255 regress): stepCount holds the
//   mode's own position in the compiled mode list (after dropped modes).
//   Control modes act on the threads of the modes before them by position in
//   the playing-thread list; in a parallel playback of all modes that is this
//   position. When a single program group plays, its play list is
//   programGroups[g] and the player must use the control mode's index within
//   that list instead (look the compiled position up in the list).
//
// Decisions where the behaviour was ours to choose:
// - A custom mode is dropped when the index its PlayKind needs names none of
//   the designer's lists: -1 (none chosen), any other negative value, or an
//   index at or beyond the end of the designer's clusters (lamp lists) or
//   cluster groups (group lists). What is kept always names a list that the
//   controller files hold.
// - A program-group entry stands for exactly the compiled modes that came
//   from its source mode: one position for an ordinary mode, the run of line
//   modes for a horizontal or vertical word mode, nothing for a diagonal word
//   mode, a dropped custom mode or a source index outside the ModeList. Modes
//   dropped before an entry therefore never shift it.
// - The word record of a vertical word mode counts one line per column of
//   the layout bounds (right - left + 1), of a horizontal one one line per row
//   (bottom - top + 1): exactly the line modes generated.
// - A word mode with fewer than six colour components takes black for each
//   missing colour (text colour from components 0..2, background from 3..5).
//   A word mode whose clusterIndex names no Cluster has no text lamps: every
//   lamp of its lines takes the background colour. Its lines are generated
//   all the same, so program-group positions never depend on the colours.
// - A word mode plays its lines as fills (CF) only for wordColorMode 1; any
//   other value gives colour changes (CC), and only 0 appends the wordStep
//   background colours (at most kMaxWordGap of them). The colour walk of a
//   line runs from the row (column) of the lowest-numbered lamp to that of
//   the highest-numbered one.
// - The layout bounds cover the lamps on the 500 x 500 grid; lamps off the grid
//   have no cell and play nowhere. A layout without such lamps has bounds
//   (0, 0, -1, -1): scans visit nothing and word modes produce no lines.
// - Cells outside the grid hold no lamp; bands, rings and outlines that
//   reach past its edge simply find nothing there.
// - A bandWidth below 1 counts as 1 for the band builders and rings, as 0
//   does (a negative width would never reach the far side). The diagonal
//   lamp lists take bandWidth lines, so 0 or less gives an empty list.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/compiled_effects.h"
#include "layout/lamp_layout.h"

namespace vx {

// The whole compilation: ExpandWordModes, CompileModes, ExpandProgramGroups.
CompiledEffects compileEffects(const LampLayout& layout);

}  // namespace vx
