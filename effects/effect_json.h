#pragma once
// The effect collections in the JSON form of a layout: modes, the 32 program
// groups, the cluster, cluster-group and layer tables. Every field of a Mode
// record is written; wordStep/wordColorMode only for word kinds and the
// circle fields only for the circle kind, since the file keeps them only there.

#include "effects/effect_data.h"
#include "effects/effect_json_fields.h"

namespace vx::json {

Json fromMode(const Mode& mode);
Mode readMode(Reader& in, const Json& j, const std::string& path);

// Adds the keys "modes", "programGroups", "clusters", "clusterGroups" and
// "layers" to the object `out`.
void addEffects(Json& out, const EffectData& effects);
// Reads those keys from object j. The layer table is padded to 50 entries as
// the binary loader does.
EffectData readEffects(Reader& in, const Json& j, const std::string& path);

}  // namespace vx::json
