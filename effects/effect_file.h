#pragma once
// The effect sections that end a layout file: the ModeList, the 32 program
// groups, the ClusterTable, the ClusterGroupTable and the LayerTable.

#include "base/byte_reader.h"
#include "base/byte_writer.h"
#include "base/result.h"
#include "effects/effect_data.h"

namespace vx {

// Seven i32, two empty strings, two i32, a point, four i32, two empty lists
// and four i32: the smallest a Mode record can be.
inline constexpr std::uint64_t kMinModeRecordBytes = 28 + 1 + 1 + 8 + 8 + 16 + 4 + 4 + 16;

void writeEffectSections(ByteWriter& out, const EffectData& effects);

// Reads the sections into `effects`, which should be freshly made. The layer
// table read from the file replaces the one in `effects` and is padded to 50.
// On error `effects` holds whatever was read so far and should be discarded.
Status readEffectSections(ByteReader& in, EffectData& effects);

}  // namespace vx
