// The picture scan: settings and their refusals, the lattice, the tolerance
// rule and the scan view's state.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "layout/picture/picture_decoder.h"
#include "layout/picture/picture_scaling.h"
#include "layout/scan/lattice_scan.h"
#include "layout/scan/scan_settings.h"
#include "layout/scan/scan_view_state.h"

namespace vx {
namespace {

void setPixel(Picture& p, std::int32_t x, std::int32_t y, std::uint8_t r, std::uint8_t g,
              std::uint8_t b) {
    const auto o = p.offset(x, y);
    p.rgb[o] = r;
    p.rgb[o + 1] = g;
    p.rgb[o + 2] = b;
}

Picture filled(std::int32_t w, std::int32_t h, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    Picture p(w, h);
    for (std::int32_t i = 0; i < w * h; ++i) setPixel(p, i % w, i / w, r, g, b);
    return p;
}

TEST(ScanLattice, DefaultSettingsGivePitch512And125By85Cells) {
    LampLayout layout;
    prepareScan(layout);
    EXPECT_DOUBLE_EQ(layout.lampPitch, 5.12);
    EXPECT_EQ(latticeSize(layout.scanScope, layout.lampPitch), (LatticeSize{125, 85}));
}

TEST(ScanLattice, PitchesWithoutCellsAndTheGridLimit) {
    const ScanScope scope;
    EXPECT_TRUE(std::isinf(scanPitch(scope, 0.0f, 40.0f)));  // object size 0
    EXPECT_EQ(latticeSize(scope, scanPitch(scope, 0.0f, 40.0f)), (LatticeSize{0, 0}));
    EXPECT_EQ(latticeSize(scope, -5.0), (LatticeSize{0, 0}));
    EXPECT_EQ(latticeSize(scope, std::numeric_limits<double>::quiet_NaN()), (LatticeSize{0, 0}));
    // 640 / 0.5 = 1280 columns: the lamp grid holds 500.
    EXPECT_EQ(latticeSize(scope, 0.5), (LatticeSize{500, 500}));
}

TEST(ScanTolerance, AChannelExactlyAtTheToleranceIsBackgroundOneMoreIsALamp) {
    const ColorWord back = 0x00646464;                 // 100, 100, 100
    EXPECT_TRUE(isBackground(0x0064646E, back, 10));   // red 110
    EXPECT_FALSE(isBackground(0x0064646F, back, 10));  // red 111
    EXPECT_TRUE(isBackground(0x005A6464, back, 10));   // blue 90
    EXPECT_FALSE(isBackground(0x00596464, back, 10));  // blue 89
    EXPECT_FALSE(isBackground(0x00646F64, back, 10));  // green 111
    // The empty-lattice tolerance takes every colour for background.
    EXPECT_TRUE(isBackground(0x00FFFFFF, 0, kEmptyLatticeTolerance));

    // The same rule decides what the lattice scan keeps.
    ScanSettingsRecord settings;
    settings.scanScope = {0, 0, 20, 10};
    settings.lampPitch = 10.0;
    settings.backColor = back;
    settings.colorTolerance = 10;
    Picture shown = filled(30, 20, 100, 100, 100);
    setPixel(shown, 0, 0, 110, 100, 100);
    setPixel(shown, 10, 0, 111, 100, 100);
    const auto lamps = latticeScan(shown, settings);
    ASSERT_EQ(lamps.size(), 1u);
    EXPECT_EQ(lamps[0], Lamp::made(1, 0, 0, 10));
}

TEST(ScanLattice, LampsAreNumberedInColumnOrderAtTruncatedSamplePoints) {
    ScanSettingsRecord settings;
    settings.scanScope = {2, 3, 32, 33};
    settings.lampPitch = 7.5;  // 4 x 4 cells, samples at 2, 9, 17, 24 and 3, 10, 18, 25
    settings.backColor = 0;
    settings.colorTolerance = 20;
    Picture shown = filled(40, 40, 0, 0, 0);
    setPixel(shown, 17, 3, 200, 0, 0);       // column 2, row 0
    setPixel(shown, 9, 25, 0, 200, 0);       // column 1, row 3
    setPixel(shown, 9, 10, 0, 0, 200);       // column 1, row 1
    setPixel(shown, 10, 10, 255, 255, 255);  // between samples: never read
    const auto lamps = latticeScan(shown, settings);
    ASSERT_EQ(lamps.size(), 3u);
    EXPECT_EQ(lamps[0], Lamp::made(1, 1, 0, 7));
    EXPECT_EQ(lamps[1], Lamp::made(1, 3, 1, 7));
    EXPECT_EQ(lamps[2], Lamp::made(2, 0, 2, 7));

    // Samples beyond the shown picture count as background.
    settings.scanScope = {0, 0, 100, 100};
    settings.lampPitch = 10.0;
    EXPECT_EQ(latticeScan(filled(25, 25, 255, 255, 255), settings).size(), 9u);
}

TEST(ScanSettings, LampSizeMustLieStrictlyBetween1And1000AndToleranceIn1To254) {
    LampLayout layout;
    const auto with = [&](double lamp, std::int64_t tolerance) {
        return acceptScanSettings(layout, ScanSettingsEntry{1234.0, lamp, tolerance});
    };
    for (const double refused : {1.0, 1000.0, 0.0, -3.0}) {
        const auto out = with(refused, 30);
        EXPECT_EQ(out.lampSize, 40.0f) << refused;
        ASSERT_EQ(out.refusals.size(), 1u);
        EXPECT_EQ(out.refusals[0], "EDITIMGVIEW_ONSCANSETOTHER_PIT");
        EXPECT_EQ(out.objectSize, 1234.0f);  // still taken
        EXPECT_EQ(out.colorTolerance, 30);
    }
    EXPECT_EQ(with(1.01, 30).lampSize, 1.01f);
    EXPECT_TRUE(with(1.01, 30).refusals.empty());
    EXPECT_EQ(with(999.9, 30).lampSize, 999.9f);
    for (const std::int64_t refused : {0, 255}) {
        const auto out = with(50.0, refused);
        EXPECT_EQ(out.colorTolerance, 25);
        ASSERT_EQ(out.refusals.size(), 1u);
        EXPECT_EQ(out.refusals[0], "EDITIMGVIEW_ONSCANSETOTHER_PITV");
        EXPECT_EQ(out.lampSize, 50.0f);
    }
    EXPECT_EQ(with(50.0, 1).colorTolerance, 1);
    EXPECT_EQ(with(50.0, 254).colorTolerance, 254);
    const auto both = with(1000.0, 0);
    EXPECT_EQ(both.refusals, (std::vector<std::string>{"EDITIMGVIEW_ONSCANSETOTHER_PIT",
                                                       "EDITIMGVIEW_ONSCANSETOTHER_PITV"}));
    // An object size of 0 is taken; the pitch is then infinite.
    auto zero = acceptScanSettings(layout, ScanSettingsEntry{0.0, 40.0, 25});
    EXPECT_TRUE(zero.refusals.empty());
    storeScanSettings(layout, zero);
    prepareScan(layout);
    EXPECT_TRUE(std::isinf(layout.lampPitch));
    EXPECT_TRUE(latticeScan(filled(700, 500, 255, 0, 0), ScanSettingsRecord::of(layout)).empty());
}

TEST(ScanSettings, ScopeDraggedAnyWayIsStoredNormalised) {
    EXPECT_EQ(normalisedScope(300, 200, 10, 20), (ScanScope{10, 20, 300, 200}));
    EXPECT_EQ(normalisedScope(10, 200, 300, 20), (ScanScope{10, 20, 300, 200}));
}

TEST(ScanPicture, FitFactorAndBoxScalingAreExact) {
    EXPECT_EQ(fitFactor(800, 600, {640, 480}), 0.8f);
    EXPECT_EQ(fitFactor(1000, 100, {500, 500}), 0.5f);
    EXPECT_EQ(fitFactor(0, 100, {500, 500}), 0.0f);
    EXPECT_EQ(shownExtent(800, 0.8f), 640);

    // 4 x 2 to 2 x 1: each target pixel averages a 2 x 2 block.
    Picture p(4, 2);
    const std::uint8_t values[] = {0, 100, 200, 255, 50, 150, 0, 1};
    for (std::int32_t i = 0; i < 8; ++i) setPixel(p, i % 4, i / 4, values[i], 0, 9);
    const Picture half = scalePicture(p, 2, 1);
    ASSERT_EQ(half.width, 2);
    EXPECT_EQ(half.colorAt(0, 0), 0x00090000u | 75u);   // (0 + 100 + 50 + 150) / 4
    EXPECT_EQ(half.colorAt(1, 0), 0x00090000u | 114u);  // (200 + 255 + 0 + 1) / 4
    // Growing keeps a plain picture plain.
    const Picture grown = scalePicture(filled(1, 1, 7, 8, 9), 3, 3);
    EXPECT_EQ(grown, filled(3, 3, 7, 8, 9));
    // Open Image takes pixel (10, 10) and the shown extent less 20 on the right.
    LampLayout layout;
    Picture shown = filled(640, 480, 20, 30, 40);
    takeShownPicture(layout, shown, 800, 600, 0.8f);
    EXPECT_EQ(layout.backColor, 0x00281E14u);
    EXPECT_EQ(layout.scanScope, (ScanScope{1, 1, 620, 480}));
}

TEST(ScanPicture, DecodingRefusesWhatIsNoPicture) {
    const std::uint8_t junk[] = {'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c'};
    const auto bad = decodePicture(junk);
    ASSERT_FALSE(bad.ok());
    EXPECT_EQ(bad.error().key, "ERR_PICTURE_FORMAT");
    EXPECT_FALSE(decodePicture({}).ok());

    // A 2 x 1 24-bit BMP: blue-green-red bytes, rows padded to 4 bytes.
    const std::uint8_t bmp[] = {'B', 'M', 62, 0, 0, 0, 0, 0, 0,  0,  54, 0,   0, 0,  // file header
                                40,  0,   0,  0, 2, 0, 0, 0, 1,  0,  0,  0,   1, 0,   24, 0,
                                0,   0,   0,  0, 8, 0, 0, 0, 0,  0,  0,  0,   0, 0,   0,  0,
                                0,   0,   0,  0, 0, 0, 0, 0, 30, 20, 10, 255, 0, 128, 0,  0};
    const auto decoded = decodePicture(bmp);
    ASSERT_TRUE(decoded.ok()) << decoded.error().describe();
    EXPECT_EQ(decoded->width, 2);
    EXPECT_EQ(decoded->colorAt(0, 0), 0x001E140Au);
    EXPECT_EQ(decoded->colorAt(1, 0), 0x00FF0080u);
}

TEST(ScanView, ScopeDragBackColorAndTheOnceOnlyScan) {
    ScanViewState view;
    EXPECT_FALSE(view.press(5, 5));  // not armed: an ordinary press
    view.armScope();
    ASSERT_TRUE(view.press(300, 200));
    EXPECT_TRUE(view.scopeDragging());
    EXPECT_EQ(view.release(10, 20), (ScanScope{10, 20, 300, 200}));
    EXPECT_FALSE(view.release(1, 1));

    Picture shown = filled(40, 40, 0, 0, 0);
    setPixel(shown, 12, 13, 1, 2, 3);
    EXPECT_FALSE(view.doubleClick(12, 13, shown));
    view.armBackColor();
    EXPECT_EQ(view.doubleClick(12, 13, shown), ColorWord{0x030201});
    EXPECT_FALSE(view.pickingBackColor());

    LampLayout layout;
    const auto settings = view.startScan(layout);
    ASSERT_TRUE(settings);
    EXPECT_DOUBLE_EQ(settings->lampPitch, 5.12);
    EXPECT_FALSE(view.startScan(layout));  // once per view, silently
    view.armScope();
    EXPECT_FALSE(view.scopeArmed());
    EXPECT_TRUE(view.pictureShown());
    (void)view.finishScan(shown, *settings);
    EXPECT_FALSE(view.pictureShown());

    // The empty lattice runs after a scan too, and finds nothing.
    const auto empty = view.startEmptyLattice(layout);
    EXPECT_EQ(empty.colorTolerance, kEmptyLatticeTolerance);
    EXPECT_TRUE(view.finishScan(filled(700, 500, 255, 255, 255), empty).empty());
}

}  // namespace
}  // namespace vx
