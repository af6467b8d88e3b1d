#include "effects/effect_file.h"

#include <string>

#include "base/load_error.h"
#include "effects/effect_archive.h"
#include "effects/mode_record.h"

namespace vx {
namespace {

// Reads a record count. Zero and negative counts mean no records.
Result<std::size_t> readCount(ByteReader& in, std::uint64_t minRecordBytes,
                              const std::string& what) {
    const auto start = in.offset();
    const auto count = in.i32();
    if (in.failed()) return truncatedError(in, "the count of " + what);
    if (count <= 0) return std::size_t{0};
    const auto n = static_cast<std::uint64_t>(count);
    if (auto fits = checkCountFits(in, start, n, minRecordBytes, what); !fits) return fits.error();
    return static_cast<std::size_t>(n);
}

Status readModes(ByteReader& in, std::vector<Mode>& modes, const std::string& what) {
    auto count = readCount(in, kMinModeRecordBytes, what);
    if (!count) return count.error();
    modes.reserve(*count);
    for (std::size_t i = 0; i < *count; ++i) {
        Mode m;
        const auto where = [&] { return "mode " + std::to_string(i) + " of " + what; };
        if (auto read = kModeFields.read(in, m, where); !read) return read;
        modes.push_back(std::move(m));
    }
    return {};
}

Status readLists(ByteReader& in, std::vector<UintList>& lists, const std::string& what) {
    auto count = readCount(in, 4, what);
    if (!count) return count.error();
    lists.reserve(*count);
    for (std::size_t i = 0; i < *count; ++i) {
        auto list = archive::readUintList(in, "entry " + std::to_string(i) + " of " + what);
        if (!list) return list.error();
        lists.push_back(std::move(list.value()));
    }
    return {};
}

void writeLists(ByteWriter& out, const std::vector<UintList>& lists) {
    out.u32(static_cast<std::uint32_t>(lists.size()));
    for (const auto& list : lists) archive::writeUintList(out, list);
}

}  // namespace

void writeEffectSections(ByteWriter& out, const EffectData& effects) {
    out.u32(static_cast<std::uint32_t>(effects.modes.size()));
    for (const auto& m : effects.modes) kModeFields.write(out, m);
    for (const auto& group : effects.programGroups) {
        out.u32(static_cast<std::uint32_t>(group.size()));
        for (const auto& m : group) kModeFields.write(out, m);
    }
    writeLists(out, effects.clusters);
    writeLists(out, effects.clusterGroups);
    writeLists(out, effects.layers);
}

Status readEffectSections(ByteReader& in, EffectData& effects) {
    if (auto s = readModes(in, effects.modes, "the mode list"); !s) return s;
    for (std::size_t g = 0; g < kProgramGroupCount; ++g) {
        auto s = readModes(in, effects.programGroups[g], "program group " + std::to_string(g));
        if (!s) return s;
    }
    if (auto s = readLists(in, effects.clusters, "the cluster table"); !s) return s;
    if (auto s = readLists(in, effects.clusterGroups, "the cluster group table"); !s) return s;
    LayerTable layers;
    if (auto s = readLists(in, layers, "the layer table"); !s) return s;
    padLayers(layers);
    effects.layers = std::move(layers);
    return {};
}

}  // namespace vx
