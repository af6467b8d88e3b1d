// `scan` on hostile pictures, under a CPU-time and a memory limit: each is
// refused with one line and status 1 before it costs 512 MB, and nothing is
// written; large pictures within the limits still scan.

#include <stb/stb_image_write.h>
#include <sys/stat.h>
#include <zlib.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/cli/limited_run.h"
#include "tests/support/temp_folder.h"

namespace vx::test {
namespace {

namespace fs = std::filesystem;

const fs::path kPictures = fs::path(VEXOLUME_TEST_DATA) / "bad_input" / "pictures";
constexpr std::uint64_t kRefusalBytes = std::uint64_t{512} << 20;

RunLimits pictureLimits() {
    RunLimits l;
    l.cpuSeconds = kSanitized ? 30 : 5;
    l.addressSpaceBytes = kSanitized ? 0 : kRefusalBytes;
    return l;
}

void putBigEndian(std::string& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((v >> shift) & 0xFF);
}

void putChunk(std::string& out, const char* type, const std::string& data) {
    putBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::string typed = type + data;
    out += typed;
    putBigEndian(out,
                 static_cast<std::uint32_t>(::crc32(0, reinterpret_cast<const Bytef*>(typed.data()),
                                                    static_cast<uInt>(typed.size()))));
}

// An 8 x 8 RGB PNG whose image data expands to a gigabyte of zeros.
std::string pngBomb() {
    std::string png = "\x89PNG\r\n\x1a\n";
    std::string head;
    putBigEndian(head, 8);
    putBigEndian(head, 8);
    head += std::string("\x08\x02\x00\x00\x00", 5);
    putChunk(png, "IHDR", head);
    z_stream z{};
    deflateInit(&z, Z_BEST_SPEED);
    const std::vector<Bytef> zeros(1 << 20, 0);
    std::string data;
    std::vector<Bytef> out(1 << 16);
    for (int block = 0; block < 1024; ++block) {
        z.next_in = const_cast<Bytef*>(zeros.data());
        z.avail_in = static_cast<uInt>(zeros.size());
        const int flush = block == 1023 ? Z_FINISH : Z_NO_FLUSH;
        do {
            z.next_out = out.data();
            z.avail_out = static_cast<uInt>(out.size());
            deflate(&z, flush);
            data.append(reinterpret_cast<const char*>(out.data()), out.size() - z.avail_out);
        } while (z.avail_out == 0);
    }
    deflateEnd(&z);
    putChunk(png, "IDAT", data);
    putChunk(png, "IEND", "");
    return png;
}

// Inputs too large or too strange to keep in the source tree, made on demand.
fs::path makePicture(const TempFolder& dir, const std::string& name) {
    const auto path = dir.path() / name;
    if (name == "dev_zero") return "/dev/zero";
    if (name == "fifo.png") ::mkfifo(path.c_str(), 0600);
    if (name == "empty.png") dir.write(name, "");
    if (name == "bomb.png") dir.write(name, pngBomb());
    if (name == "layout.png") fs::copy_file(VEXOLUME_SOURCE_DIR "/examples/sample.led", path);
    // A 2 GB sparse file that starts as a PNG: refused by its size, unread.
    if (name == "giant.png") {
        dir.write(name, "\x89PNG\r\n\x1a\n");
        fs::resize_file(path, std::uintmax_t{2} << 30);
    }
    return path;
}

struct BadPictureCase {
    std::string name;
    std::string says;  // a part of the one line
};

std::vector<BadPictureCase> badPictures() {
    std::vector<BadPictureCase> cases{
        {"dev_zero", "more than 128000000 bytes"},
        {"giant.png", "more than 128000000 bytes"},
        {"fifo.png", "empty"},  // no writer: read as empty, at once
        {"empty.png", "empty"},
        {"bomb.png", "expands past"},
        {"layout.png", "not a picture"},
        {"declares_12000.png", "12000 x 12000 pixels, more than the 64 megapixels"},
        {"declares_30000.png", "30000 x 30000 pixels"},
        {"declares_30000.bmp", "30000 x 30000 pixels"},
        {"declares_65000.jpg", "65000 x 65000 pixels"},
        {"declares_65535.gif", "65535 x 65535 pixels"},
        {"cut_short.jpg", "not a picture"},
        {"cut_short.png", "not a picture"},
        {"text.png", "not a picture"},
    };
    return cases;
}

class BadPicture : public ::testing::TestWithParam<BadPictureCase> {};

TEST_P(BadPicture, ScanRefusesItInOneLineWithinLimits) {
    const TempFolder dir;
    const auto& param = GetParam();
    auto input = kPictures / param.name;
    if (!fs::exists(input)) input = makePicture(dir, param.name);
    const auto out = dir.path() / "stdout";
    const auto err = dir.path() / "stderr";
    const auto r =
        runLimited(VEXOLUME_CLI, {"scan", input.string(), "--view", "640x480", "-o", "out.led"},
                   dir.path(), out, err, pictureLimits());
    ASSERT_TRUE(r.exited) << "ended by signal " << r.signal << " after " << r.seconds << " s";
    if (kSanitized) {
        EXPECT_LT(r.maxRssKilobytes, kRefusalBytes / 1024);
    }
    EXPECT_EQ(r.status, 1);
    const auto message = readText(err);
    EXPECT_EQ(message.rfind("vexolume-cli: ", 0), 0u) << message;
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
    EXPECT_NE(message.find(param.says), std::string::npos) << message;
    EXPECT_EQ(readText(out), "");
    EXPECT_FALSE(fs::exists(dir.path() / "out.led"));
}

INSTANTIATE_TEST_SUITE_P(Hostile, BadPicture, ::testing::ValuesIn(badPictures()),
                         [](const ::testing::TestParamInfo<BadPictureCase>& p) {
                             std::string n = p.param.name;
                             std::replace_if(
                                 n.begin(), n.end(),
                                 [](char c) {
                                     return !std::isalnum(static_cast<unsigned char>(c));
                                 },
                                 '_');
                             return n;
                         });

// A 4000 x 3000 photo and a 50-megapixel camera picture (8688 x 5792) scan.
TEST(LargePicture, PicturesWithinTheLimitsStillScan) {
    const TempFolder dir;
    for (const auto& [w, h] : {std::pair{4000, 3000}, std::pair{8688, 5792}}) {
        SCOPED_TRACE(std::to_string(w) + " x " + std::to_string(h));
        std::vector<std::uint8_t> rgb(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) *
                                      3);
        for (std::size_t i = 0; i < rgb.size(); ++i) rgb[i] = static_cast<std::uint8_t>(i / 7919);
        const auto picture = dir.path() / "photo.jpg";
        ASSERT_TRUE(stbi_write_jpg(picture.c_str(), w, h, 3, rgb.data(), 80));
        rgb = {};
        RunLimits limits;
        limits.cpuSeconds = kSanitized ? 60 : 10;
        limits.wallSeconds = 120;
        const auto r = runLimited(VEXOLUME_CLI,
                                  {"scan", picture.string(), "--view", "640x480", "-o", "out.led"},
                                  dir.path(), dir.path() / "stdout", dir.path() / "stderr", limits);
        ASSERT_TRUE(r.exited && r.status == 0) << readText(dir.path() / "stderr");
        EXPECT_NE(readText(dir.path() / "stdout")
                      .find("(picture " + std::to_string(w) + " x " + std::to_string(h)),
                  std::string::npos);
    }
}

}  // namespace
}  // namespace vx::test
