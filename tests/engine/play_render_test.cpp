// Playback geometry, lamp pictures and the animated GIF.

#include <gif_lib.h>
#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <numeric>

#include "engine/play/play_geometry.h"
#include "engine/render/gif_writer.h"
#include "engine/render/lamp_picture.h"
#include "engine/render/png_writer.h"
#include "engine/render/render_show.h"
#include "play_test_support.h"

namespace vx::test {
namespace {

std::vector<Lamp> grid(std::int32_t columns, std::int32_t rows) {
    std::vector<Lamp> lamps;
    for (std::int32_t x = 0; x < columns; ++x) {
        for (std::int32_t y = 0; y < rows; ++y) {
            lamps.push_back(Lamp::made(x, y, static_cast<std::int32_t>(lamps.size()), 8));
        }
    }
    return lamps;
}

TEST(PlayGeometry, CellSizeFollowsTheLongerSpreadAndIsLimitedTo20) {
    EXPECT_EQ(fitCellSize(allLampBounds(grid(100, 40)), 800, 600), 8);
    EXPECT_EQ(fitCellSize(allLampBounds(grid(10, 5)), 800, 600), 20);
    EXPECT_EQ(fitCellSize(allLampBounds(grid(40, 100)), 800, 600), 6);
    EXPECT_EQ(fitCellSize(allLampBounds(grid(1, 1)), 800, 600), 20);   // no extent
    EXPECT_EQ(fitCellSize(allLampBounds(grid(1, 400)), 800, 300), 1);  // never 0
}

TEST(PlayGeometry, CellsAreCentredOnTheSurface) {
    const PlayGeometry g(allLampBounds(grid(10, 5)), 20, 800, 600);
    EXPECT_EQ(g.offX, 310);
    EXPECT_EQ(g.offY, 260);
    const PixelRect first = g.cell(0, 0);
    EXPECT_EQ((std::array{first.left, first.top, first.right, first.bottom}),
              (std::array{300, 250, 320, 270}));
    const PixelRect last = g.cell(9, 4);
    EXPECT_EQ(800 - last.right, first.left);  // symmetric about the centre
    EXPECT_EQ(g.cornerSize(), 18);
}

std::size_t litPixels(const Picture& image) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < image.rgb.size(); i += 3) {
        if (image.rgb[i] != 0 || image.rgb[i + 1] != 0 || image.rgb[i + 2] != 0) ++n;
    }
    return n;
}

TEST(LampPicture, DrawsEachLampInItsColorSquareOrRounded) {
    const auto lamps = grid(2, 1);
    const PlayGeometry g(allLampBounds(lamps), 10, 40, 20);
    Picture image(40, 20);
    const std::vector<ColorWord> colors{rgb(10, 20, 30), 0};
    drawLamps(image, lamps, colors, g, CellShape::Square);
    EXPECT_EQ(litPixels(image), 100u);  // the black lamp is black on black
    const PixelRect box = g.cell(0, 0);
    const auto at = [&](std::int32_t x, std::int32_t y) {
        return static_cast<std::size_t>(y * 40 + x) * 3;
    };
    const auto* corner = &image.rgb[at(box.left, box.top)];
    EXPECT_EQ((std::array{corner[0], corner[1], corner[2]}),
              (std::array<std::uint8_t, 3>{10, 20, 30}));

    drawLamps(image, lamps, colors, g, CellShape::Rounded);
    EXPECT_LT(litPixels(image), 100u);
    EXPECT_GT(litPixels(image), 60u);
    EXPECT_EQ(image.rgb[at(box.left, box.top)], 0);  // corner cut off
    EXPECT_EQ(image.rgb[at(box.left + 5, box.top + 5)], 10);
}

struct Gif {
    GifFileType* file = nullptr;
    explicit Gif(const std::string& path) {
        int error = 0;
        file = DGifOpenFileName(path.c_str(), &error);
        if (file != nullptr && DGifSlurp(file) != GIF_OK) {
            DGifCloseFile(file, &error);
            file = nullptr;
        }
    }
    ~Gif() {
        int error = 0;
        if (file != nullptr) DGifCloseFile(file, &error);
    }
    Gif(const Gif&) = delete;
    Gif& operator=(const Gif&) = delete;

    int delay(int image) const {
        GraphicsControlBlock gcb{};
        DGifSavedExtensionToGCB(file, image, &gcb);
        return gcb.DelayTime;
    }
    // The colour shown at (x, y) after frame `image`: frames store only the
    // rectangle that changed, so look back to the last frame covering it.
    GifColorType pixel(int image, int x, int y) const {
        for (int i = image; i >= 0; --i) {
            const SavedImage& saved = file->SavedImages[i];
            const GifImageDesc& d = saved.ImageDesc;
            if (x < d.Left || y < d.Top || x >= d.Left + d.Width || y >= d.Top + d.Height) continue;
            const ColorMapObject* map = d.ColorMap != nullptr ? d.ColorMap : file->SColorMap;
            return map->Colors[saved.RasterBits[(y - d.Top) * d.Width + (x - d.Left)]];
        }
        return GifColorType{1, 2, 3};
    }
    GifImageDesc region(int image) const { return file->SavedImages[image].ImageDesc; }
};

TEST(RenderGif, WritesTheTimelineAsFramesOfTheDemoGeometry) {
    CompiledEffects e;
    Mode fill = compiledMode(9, 50, 0);  // one lamp every 500 ms
    e.modes = {fill};
    e.clusters = {{0, 1, 2}};
    e.colorGroup = {{250, 0, 0, 0, 0, 250}};
    const auto lamps = grid(3, 1);
    const std::string path =
        (std::filesystem::temp_directory_path() / "vexolume_play_render_test.gif").string();
    RenderSettings settings;
    settings.seconds = 4;
    settings.fps = 4;
    settings.cellSize = 10;
    settings.shape = CellShape::Square;
    ASSERT_TRUE(renderGif(lamps, e, parallel(), settings, path).ok());

    const RenderFrame frame = renderFrame(lamps, settings);
    EXPECT_EQ(frame.width, 40);
    EXPECT_EQ(frame.height, 20);
    Gif gif(path);
    ASSERT_NE(gif.file, nullptr);
    EXPECT_EQ(gif.file->SWidth, 40);
    EXPECT_EQ(gif.file->SHeight, 20);
    // Frames at 0 .. 3750 ms; nothing before 2000, then a lamp every 500 ms.
    // Equal frames are merged into one longer frame.
    ASSERT_EQ(gif.file->ImageCount, 4);
    std::vector<int> delays;
    for (int i = 0; i < gif.file->ImageCount; ++i) delays.push_back(gif.delay(i));
    EXPECT_EQ(delays, (std::vector<int>{200, 50, 50, 100}));
    const PlayGeometry g(allLampBounds(lamps), 10, 40, 20);
    const PixelRect lamp0 = g.cell(0, 0);
    const PixelRect lamp1 = g.cell(1, 0);
    EXPECT_EQ(gif.pixel(0, lamp0.left + 2, lamp0.top + 2).Red, 0);
    EXPECT_EQ(gif.pixel(1, lamp0.left + 2, lamp0.top + 2).Red, 250);
    EXPECT_EQ(gif.pixel(1, lamp1.left + 2, lamp1.top + 2).Blue, 0);
    EXPECT_EQ(gif.pixel(2, lamp1.left + 2, lamp1.top + 2).Blue, 250);
    EXPECT_EQ(gif.pixel(3, lamp0.left + 2, lamp0.top + 2).Red, 250);
    // The first frame is whole; later ones hold only the cell that changed.
    EXPECT_EQ(gif.region(0).Width, 40);
    const PixelRect lamp2 = g.cell(2, 0);
    EXPECT_EQ(gif.region(3).Left, lamp2.left);
    EXPECT_EQ(gif.region(3).Width, lamp2.right - lamp2.left);
    std::filesystem::remove(path);
}

TEST(RenderGif, ManyColorsFallBackToAFixedPalette) {
    const std::string path =
        (std::filesystem::temp_directory_path() / "vexolume_play_palette_test.gif").string();
    auto writer = GifWriter::open(path, 32, 32);
    ASSERT_TRUE(writer.ok());
    Picture image(32, 32);
    for (std::size_t i = 0; i < image.rgb.size() / 3; ++i) {
        image.rgb[i * 3] = static_cast<std::uint8_t>(i & 0xFF);
        image.rgb[i * 3 + 1] = static_cast<std::uint8_t>(i >> 2);
        image.rgb[i * 3 + 2] = 255;
    }
    ASSERT_TRUE(writer->addFrame(image, 10).ok());
    ASSERT_TRUE(writer->close().ok());
    Gif gif(path);
    ASSERT_NE(gif.file, nullptr);
    ASSERT_EQ(gif.file->ImageCount, 1);
    EXPECT_EQ(gif.pixel(0, 31, 31).Blue, 255);
    EXPECT_NEAR(gif.pixel(0, 31, 31).Red, 255, 40);
    std::filesystem::remove(path);

    EXPECT_FALSE(GifWriter::open("/nonexistent-folder/x.gif", 4, 4).ok());
}

std::uint32_t be32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return std::uint32_t{b[at]} << 24 | std::uint32_t{b[at + 1]} << 16 |
           std::uint32_t{b[at + 2]} << 8 | b[at + 3];
}

TEST(RenderPng, EncodesRowsThatInflateBackToThePicture) {
    Picture image(3, 2);
    for (std::size_t i = 0; i < image.rgb.size(); ++i)
        image.rgb[i] = static_cast<std::uint8_t>(i * 13);
    const auto png = encodePng(image);
    ASSERT_GT(png.size(), 8u + 25 + 12 + 12);
    EXPECT_EQ(std::string(png.begin() + 1, png.begin() + 4), "PNG");
    EXPECT_EQ(std::string(png.begin() + 12, png.begin() + 16), "IHDR");
    EXPECT_EQ(be32(png, 16), 3u);
    EXPECT_EQ(be32(png, 20), 2u);
    // IHDR's CRC covers type and data.
    EXPECT_EQ(be32(png, 29), static_cast<std::uint32_t>(crc32(0, png.data() + 12, 17)));
    const std::uint32_t idat = be32(png, 33);
    EXPECT_EQ(std::string(png.begin() + 37, png.begin() + 41), "IDAT");
    std::vector<std::uint8_t> raw(2 * (3 * 3 + 1));
    uLongf rawSize = raw.size();
    ASSERT_EQ(uncompress(raw.data(), &rawSize, png.data() + 41, idat), Z_OK);
    ASSERT_EQ(rawSize, raw.size());
    for (std::size_t y = 0; y < 2; ++y) {
        EXPECT_EQ(raw[y * 10], 0);  // no filter
        for (std::size_t i = 0; i < 9; ++i) EXPECT_EQ(raw[y * 10 + 1 + i], image.rgb[y * 9 + i]);
    }
    EXPECT_EQ(std::string(png.end() - 8, png.end() - 4), "IEND");
}

TEST(RenderPng, WritesOneNumberedFramePerTick) {
    CompiledEffects e;
    e.modes = {compiledMode(9, 50, 0)};
    e.clusters = {{0, 1, 2}};
    e.colorGroup = {{250, 0, 0}};
    const auto folder = std::filesystem::temp_directory_path() / "vexolume_play_png_frames";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    RenderSettings settings;
    settings.seconds = 1.5;
    settings.fps = 2;
    ASSERT_TRUE(renderPngFrames(grid(3, 1), e, parallel(), settings, folder).ok());
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names,
              (std::vector<std::string>{"frame-00000.png", "frame-00001.png", "frame-00002.png"}));
    std::filesystem::remove_all(folder);
    EXPECT_FALSE(
        renderPngFrames(grid(3, 1), e, parallel(), settings, folder).ok());  // no such folder
}

}  // namespace
}  // namespace vx::test
