// The controller image reader that guards the simulator: what an SDCC image
// holds is read, and every kind of damage or foreign file is refused with
// the line where it goes wrong.

#include "output/firmware/hex_image.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <string>

#include "platform/file_io.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

Result<HexImage> parse(const std::string& text) {
    return parseHexImage(
        std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

// A jump to itself at 0, sixteen bytes at 0x0010, the end: as packihx writes.
const std::string kImage = ":03000000020000FB\n"
                           ":10001000000102030405060708090A0B0C0D0E0F68\n"
                           ":00000001FF\n";

TEST(HexImage, ReadsRecordsIntoTheCodeSpaceWithOrWithoutTheLampCountTag) {
    for (const std::string& text :
         {kImage, kImage + "[LampNum]00160", ":020000040000FA\r\n" + kImage + "\r\n"}) {
        auto image = parse(text);
        ASSERT_TRUE(image.ok()) << image.error().describe();
        EXPECT_EQ(image->code.size(), kCodeSpaceBytes);
        EXPECT_EQ(image->dataBytes, 19u);
        EXPECT_EQ(image->code[0], 0x02);
        EXPECT_EQ(image->code[0x1F], 0x0F);
        EXPECT_EQ(image->code[0x20], 0xFF);  // not written
        EXPECT_TRUE(image->records.ends_with(":00000001FF\n"));
        EXPECT_EQ(image->records.find("LampNum"), std::string::npos);
    }
}

TEST(HexImage, RefusesDamageWithItsLineAndOffset) {
    struct Case {
        std::string text;
        std::string why;
    };
    const Case cases[] = {
        {":03000000020000FC\n:00000001FF\n", "line 1: checksum"},
        {":04000000020000FB\n:00000001FF\n", "line 1: the record's length says 4"},
        {":03000000020000FB\n:0300000002000\n:00000001FF\n",
         "line 2: the record is too short or odd"},
        {":03000000020000FB\n:03000000020G00FB\n:00000001FF\n",
         "line 2: a record holds a character"},
        {":02FFFF000102FD\n:00000001FF\n", "line 1: data beyond the 64 KB"},
        {":020000040001F9\n" + kImage, "line 1: an address base outside"},
        {":03000000020000FB\n:00000006FA\n:00000001FF\n", "line 2: unknown record type 6"},
        {":03000000020000FB\n", "no end-of-file record"},
        {":00000001FF\n", "no data records"},
        {kImage + "[LampNum]00160\n:03000000020000FB\n", "line 5: text after the end-of-file"},
        {"03000000020000FB\n", "line 1: a record must start with ':'"},
        {"", "no end-of-file record"},
    };
    for (const Case& c : cases) {
        auto image = parse(c.text);
        ASSERT_FALSE(image.ok()) << c.text;
        EXPECT_EQ(image.error().key, "ERR_HEX_IMAGE");
        EXPECT_NE(image.error().detail.find(c.why), std::string::npos) << image.error().detail;
        EXPECT_TRUE(image.error().offset.has_value());
    }
    // The offset is where the damaged line starts.
    EXPECT_EQ(*parse(":03000000020000FB\n:0300000002000\n:00000001FF\n").error().offset, 18u);
}

TEST(HexImage, RefusesForeignFilesAtOnceWithoutReadingDevices) {
    test::TempFolder dir;
    auto layout = readHexImage(VEXOLUME_SOURCE_DIR "/examples/sample.led");
    ASSERT_FALSE(layout.ok());
    EXPECT_EQ(layout.error().key, "ERR_HEX_IMAGE");

    std::string noise(4096, '\0');
    for (std::size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<char>((i * 7919) >> 3);
    ASSERT_TRUE(writeFileAtomically(dir.path() / "noise.hex", noise));
    EXPECT_EQ(readHexImage(dir.path() / "noise.hex").error().key, "ERR_HEX_IMAGE");

    EXPECT_EQ(readHexImage("/dev/zero").error().key, "ERR_HEX_IMAGE");
    ASSERT_EQ(::mkfifo((dir.path() / "fifo.hex").c_str(), 0600), 0);
    EXPECT_EQ(readHexImage(dir.path() / "fifo.hex").error().key, "ERR_HEX_IMAGE");
    {
        std::ofstream big(dir.path() / "big.hex", std::ios::binary);
        big.seekp(static_cast<std::streamoff>(kMaxHexFileBytes));
        big.put(':');
    }
    auto tooBig = readHexImage(dir.path() / "big.hex");
    EXPECT_NE(tooBig.error().detail.find("larger than any controller image"), std::string::npos);
    EXPECT_EQ(readHexImage(dir.path() / "none.hex").error().key, "ERR_FILE_OPEN");
}

}  // namespace
}  // namespace vx
