#include "layout/layout_file.h"

#include <set>
#include <string>

#include "base/byte_reader.h"
#include "base/byte_writer.h"
#include "base/load_error.h"
#include "base/text_excerpt.h"
#include "effects/effect_file.h"
#include "layout/layout_limits.h"
#include "layout/layout_records.h"

namespace vx {
namespace {

// Tags of the framework's object-list encoding.
constexpr std::uint16_t kNewClassTag = 0xFFFF;
constexpr std::uint16_t kClassTagBit = 0x8000;
constexpr std::uint16_t kBigObjectTag = 0x7FFF;
constexpr std::uint32_t kBigClassTagBit = 0x80000000u;
constexpr std::uint16_t kBigCountEscape = 0xFFFF;
constexpr std::string_view kLampClass = "CLamp";
constexpr std::uint64_t kLampRecordBytes = 32;
constexpr std::uint64_t kEffectLampBytes = 12;

void writeLampObjects(ByteWriter& out, const std::vector<Lamp>& lamps) {
    if (lamps.size() < kBigCountEscape) {
        out.u16(static_cast<std::uint16_t>(lamps.size()));
    } else {
        out.u16(kBigCountEscape);
        out.u32(static_cast<std::uint32_t>(lamps.size()));
    }
    for (std::size_t i = 0; i < lamps.size(); ++i) {
        if (i == 0) {
            out.u16(kNewClassTag);
            out.u16(1);  // schema
            out.u16(static_cast<std::uint16_t>(kLampClass.size()));
            out.raw(kLampClass);
        } else {
            out.u16(kClassTagBit | 1);
        }
        kLampFields.write(out, lamps[i]);
    }
}

void writeEffectLamps(ByteWriter& out, const std::vector<Lamp>& lamps) {
    out.u32(static_cast<std::uint32_t>(lamps.size()));
    for (const auto& lamp : lamps) kEffectLampFields.write(out, lamp);
}

// Reads the object list of lamps. Indices follow the framework's scheme: 0 is
// the null object, and every class entry and every object takes the next one.
Status readLampObjects(ByteReader& in, std::vector<Lamp>& lamps) {
    const auto countOffset = in.offset();
    std::uint64_t count = in.u16();
    if (count == kBigCountEscape) count = in.u32();
    if (in.failed()) return truncatedError(in, "the lamp count");
    if (auto fits = checkCountFits(in, countOffset, count, 2 + kLampRecordBytes, "lamps"); !fits) {
        return fits;
    }
    lamps.reserve(static_cast<std::size_t>(count));
    std::set<std::uint32_t> classIndices;
    std::uint32_t nextIndex = 1;
    for (std::uint64_t i = 0; i < count; ++i) {
        const auto tagOffset = in.offset();
        // Named only when an error needs it: this loop runs once per lamp.
        const auto which = [i] { return "lamp " + std::to_string(i); };
        const auto tag = in.u16();
        if (in.failed()) return truncatedError(in, "the tag of " + which());
        if (tag == kNewClassTag) {
            in.u16();  // schema: any version reads the same record
            const auto nameLength = in.u16();
            const auto name = in.bytes(nameLength);
            if (in.failed()) return truncatedError(in, "the class entry of " + which());
            if (name != kLampClass) {
                return badValueError(tagOffset, "ERR_FILE_BAD_CLASS",
                                     "the lamp list names the class " + quotedExcerpt(name) +
                                         " where only \"CLamp\" is allowed");
            }
            classIndices.insert(nextIndex++);
        } else {
            std::uint32_t ref = tag;
            bool isClassRef = (tag & kClassTagBit) != 0;
            if (tag == kBigObjectTag) {
                const auto big = in.u32();
                if (in.failed()) return truncatedError(in, "the tag of " + which());
                isClassRef = (big & kBigClassTagBit) != 0;
                ref = big & ~kBigClassTagBit;
            } else {
                ref = static_cast<std::uint32_t>(tag & 0x7FFFu);
            }
            if (!isClassRef) {
                return badValueError(tagOffset, "ERR_FILE_OBJECT_REF",
                                     which() + " refers back to an earlier object (" +
                                         std::to_string(ref) + ") instead of holding a lamp");
            }
            if (!classIndices.contains(ref)) {
                return badValueError(tagOffset, "ERR_FILE_BAD_CLASS_REF",
                                     which() + " refers to class index " + std::to_string(ref) +
                                         ", which the file has not defined");
            }
        }
        Lamp lamp;
        const auto where = [&] { return "the record of " + which(); };
        if (auto s = kLampFields.read(in, lamp, where); !s) return s;
        lamps.push_back(lamp);
        ++nextIndex;
    }
    return {};
}

Status readEffectLamps(ByteReader& in, std::vector<Lamp>& lamps, const std::string& what) {
    const auto countOffset = in.offset();
    const auto count = in.u32();
    if (in.failed()) return truncatedError(in, "the count of " + what);
    if (auto fits = checkCountFits(in, countOffset, count, kEffectLampBytes, what); !fits) {
        return fits;
    }
    lamps.resize(count);
    for (auto& lamp : lamps) {
        if (auto s = kEffectLampFields.read(in, lamp, [&] { return what; }); !s) return s;
    }
    return {};
}

Status readSlots(ByteReader& in, std::array<SlotEntry, kSlotCount>& slots) {
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        auto& slot = slots[i];
        slot.a = in.i32();
        slot.b = in.i32();
        const auto countOffset = in.offset();
        const auto n = in.u32();
        const std::string what = "slot table entry " + std::to_string(i);
        if (in.failed()) return truncatedError(in, what);
        if (auto fits = checkCountFits(in, countOffset, n, 4, "values of " + what); !fits) {
            return fits;
        }
        slot.values.resize(n);
        for (auto& v : slot.values) v = in.u32();
    }
    return {};
}

}  // namespace

std::vector<std::uint8_t> encodeLayout(const LampLayout& layout) {
    ByteWriter out;
    out.reserve(44 + kSlotCount * 12 + layout.lamps.size() * 34 + layout.effectLamps.size() * 12 +
                1024);
    kHeadFields.write(out, layout);
    for (const auto& slot : layout.slots) {
        out.i32(slot.a);
        out.i32(slot.b);
        out.u32(static_cast<std::uint32_t>(slot.values.size()));
        for (auto v : slot.values) out.u32(v);
    }
    writeLampObjects(out, layout.lamps);
    writeEffectLamps(out, layout.effectLamps);
    writeEffectLamps(out, layout.spareLamps);
    writeEffectSections(out, layout.effects);
    return out.take();
}

Result<LampLayout> decodeLayout(std::span<const std::uint8_t> bytes) {
    if (bytes.size() > kMaxLayoutFileBytes) {
        return badValueError(kMaxLayoutFileBytes, "ERR_FILE_TOO_LARGE",
                             "the file holds " + std::to_string(bytes.size()) +
                                 " bytes, more than " + std::to_string(kMaxLayoutFileBytes) +
                                 ", the largest layout file");
    }
    ByteReader in(bytes);
    LampLayout layout;
    if (auto s = kHeadFields.read(in, layout, [] { return "the layout head"; }); !s) {
        return s.error();
    }
    if (auto s = readSlots(in, layout.slots); !s) return s.error();
    if (auto s = readLampObjects(in, layout.lamps); !s) return s.error();
    if (auto s = readEffectLamps(in, layout.effectLamps, "effect lamps"); !s) return s.error();
    if (auto s = readEffectLamps(in, layout.spareLamps, "spare lamps"); !s) return s.error();
    layout.effects = EffectData{};
    layout.effects.layers.clear();
    if (auto s = readEffectSections(in, layout.effects); !s) return s.error();
    if (!in.atEnd()) {
        return badValueError(
            in.offset(), "ERR_FILE_TRAILING_DATA",
            std::to_string(in.remaining()) + " bytes follow the end of the layer table");
    }
    return layout;
}

}  // namespace vx
