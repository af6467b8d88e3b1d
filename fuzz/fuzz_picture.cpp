// Feeds arbitrary bytes, as a file, to the picture reader that scan and the
// desktop program use: the bounded file reader, the declared-size check and
// the decoder. Whatever it accepts must be no larger than the pixel limit,
// hold all its pixels, and decode the same from memory.

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>

#include "layout/picture/picture_decoder.h"

namespace {

// One file per fuzzing process, written for each input and removed after it
// (libFuzzer ends without running exit handlers).
std::filesystem::path inputFile() {
    return std::filesystem::temp_directory_path() /
           ("vexolume-fuzz-picture-" + std::to_string(::getpid()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto path = inputFile();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        if (!out) std::abort();
    }
    const auto read = vx::readPicture(path);
    std::filesystem::remove(path);
    const auto decoded = vx::decodePicture(std::span<const std::uint8_t>(data, size));
    if (read.ok() != decoded.ok()) std::abort();
    if (!read) return 0;
    const auto pixels =
        static_cast<std::uint64_t>(read->width) * static_cast<std::uint64_t>(read->height);
    if (read->empty() || pixels > vx::kMaxPicturePixels || read->rgb.size() != pixels * 3 ||
        *read != *decoded) {
        std::abort();
    }
    return 0;
}
