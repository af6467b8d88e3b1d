#include "effects/effect_file.h"

#include <string>

#include "base/load_error.h"
#include "effects/effect_archive.h"
#include "effects/mode_kind.h"

namespace vx {
namespace {

// Rectangles are stored top, bottom, left, right.
void writeRect(ByteWriter& out, const CellRect& r) {
    out.i32(r.top);
    out.i32(r.bottom);
    out.i32(r.left);
    out.i32(r.right);
}

void readRect(ByteReader& in, CellRect& r) {
    r.top = in.i32();
    r.bottom = in.i32();
    r.left = in.i32();
    r.right = in.i32();
}

void writeMode(ByteWriter& out, const Mode& m) {
    writeRect(out, m.area);
    out.i32(m.lampListIndex);
    out.i32(m.groupListIndex);
    out.i32(m.duration);
    archive::writeString(out, m.kind);
    archive::writeString(out, m.label);
    out.i32(m.stepCount);
    out.i32(m.kindCode);
    if (kinds::isWordKind(m.kind)) {
        out.i32(m.wordStep);
        out.i32(m.wordColorMode);
    }
    out.i32(m.startX);
    out.i32(m.startY);
    out.i32(m.bandWidth);
    out.u32(m.stepDelay);
    out.i32(m.startOffset);
    out.i32(m.colorIndex);
    if (kinds::isCircleKind(m.kind)) {
        out.i32(m.circleX);
        out.i32(m.circleY);
        out.i32(m.circleRadius);
        archive::writeString(out, m.circleKind);
    }
    archive::writeUintList(out, m.colors);
    archive::writeUintList(out, m.extraLamps);
    writeRect(out, m.extraRect);
}

Status readMode(ByteReader& in, Mode& m, const std::string& where) {
    readRect(in, m.area);
    m.lampListIndex = in.i32();
    m.groupListIndex = in.i32();
    m.duration = in.i32();
    auto kind = archive::readString(in, "the kind of " + where);
    if (!kind) return kind.error();
    m.kind = std::move(kind.value());
    auto label = archive::readString(in, "the label of " + where);
    if (!label) return label.error();
    m.label = std::move(label.value());
    m.stepCount = in.i32();
    m.kindCode = in.i32();
    if (kinds::isWordKind(m.kind)) {
        m.wordStep = in.i32();
        m.wordColorMode = in.i32();
    }
    m.startX = in.i32();
    m.startY = in.i32();
    m.bandWidth = in.i32();
    m.stepDelay = in.u32();
    m.startOffset = in.i32();
    m.colorIndex = in.i32();
    if (kinds::isCircleKind(m.kind)) {
        m.circleX = in.i32();
        m.circleY = in.i32();
        m.circleRadius = in.i32();
        auto inner = archive::readString(in, "the circle kind of " + where);
        if (!inner) return inner.error();
        m.circleKind = std::move(inner.value());
    }
    auto colors = archive::readUintList(in, "the colours of " + where);
    if (!colors) return colors.error();
    m.colors = std::move(colors.value());
    auto extra = archive::readUintList(in, "the supplementary lamps of " + where);
    if (!extra) return extra.error();
    m.extraLamps = std::move(extra.value());
    readRect(in, m.extraRect);
    if (in.failed()) return truncatedError(in, where);
    return {};
}

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
        auto read = readMode(in, m, "mode " + std::to_string(i) + " of " + what);
        if (!read) return read;
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
    for (const auto& m : effects.modes) writeMode(out, m);
    for (const auto& group : effects.programGroups) {
        out.u32(static_cast<std::uint32_t>(group.size()));
        for (const auto& m : group) writeMode(out, m);
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
