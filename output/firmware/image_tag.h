#pragma once
// The firmware image file in the working folder and its lamp-count tag.

#include <cstddef>
#include <filesystem>
#include <string>

#include "base/result.h"

namespace vx {

// "[LampNum]" and the lamp count left-padded with "0" to five digits: 14 bytes
// for counts below 100000 (7 lamps: "[LampNum]00007").
std::string lampCountTag(std::size_t lampCount);

// The image file name: the document name up to its first ".", then the format
// and ".hex" ("sample.led", "1" -> "sample1.hex").
std::string imageFileName(const std::string& documentName, const std::string& format);

// The hex image `source` with the tag appended. Fails (key
// "CRTBINDLG_ONBINGO_FDBCF") when the source cannot be read.
Result<std::string> taggedImage(const std::filesystem::path& source, std::size_t lampCount);

}  // namespace vx
