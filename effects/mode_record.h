#pragma once
// The fields of a Mode record, in the order of the binary file, with their
// JSON keys and places. The word fields are kept only for word kinds and the
// circle fields only for the circle kind.

#include "effects/mode.h"
#include "effects/mode_kind.h"
#include "effects/record_fields.h"

namespace vx {

inline bool keepsWordFields(const Mode& m) { return kinds::isWordKind(m.kind); }
inline bool keepsCircleFields(const Mode& m) { return kinds::isCircleKind(m.kind); }

inline constexpr FieldTable<Mode, 23> kModeFields(std::array{
    field<&Mode::area>("area", 5),
    field<&Mode::clusterIndex>("lampListIndex", 13),
    field<&Mode::clusterGroupIndex>("groupListIndex", 14),
    field<&Mode::duration>("duration", 7),
    field<&Mode::kind>("kind", 0, "the kind"),
    field<&Mode::label>("label", 1, "the label"),
    field<&Mode::stepCount>("stepCount", 6),
    field<&Mode::kindCode>("kindCode", 2),
    field<&Mode::wordStep>("wordStep", 15, {}, keepsWordFields),
    field<&Mode::wordColorMode>("wordColorMode", 16, {}, keepsWordFields),
    field<&Mode::startX>("startX", 9),
    field<&Mode::startY>("startY", 10),
    field<&Mode::bandWidth>("bandWidth", 11),
    field<&Mode::stepDelay>("stepDelay", 4),
    field<&Mode::startOffset>("startOffset", 8),
    field<&Mode::colorIndex>("colorIndex", 12),
    field<&Mode::circleX>("circleX", 19, {}, keepsCircleFields),
    field<&Mode::circleY>("circleY", 20, {}, keepsCircleFields),
    field<&Mode::circleRadius>("circleRadius", 21, {}, keepsCircleFields),
    field<&Mode::circleKind>("circleKind", 22, "the circle kind", keepsCircleFields),
    field<&Mode::colors>("colors", 3, "the colours"),
    field<&Mode::extraLamps>("extraLamps", 17, "the supplementary lamps"),
    field<&Mode::extraRect>("extraRect", 18),
});

}  // namespace vx
