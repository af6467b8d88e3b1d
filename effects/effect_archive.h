#pragma once
// Encodings used inside the effect sections: length-prefixed byte strings and
// uint lists stored with their last index.

#include <string>

#include "base/byte_reader.h"
#include "base/byte_writer.h"
#include "base/result.h"
#include "effects/mode.h"

namespace vx::archive {

// Length prefix: one byte below 255; else 0xFF and a u16 below 0xFFFE;
// else 0xFF, 0xFFFF and a u32.
void writeString(ByteWriter& out, const std::string& s);
Result<std::string> readString(ByteReader& in, const std::string& what);

// i32 last index (count - 1, so -1 when empty), then the elements.
void writeUintList(ByteWriter& out, const UintList& list);
// A negative last index reads as an empty list.
Result<UintList> readUintList(ByteReader& in, const std::string& what);

}  // namespace vx::archive
