// The demo document: picture placement, the bitmap parameters file, the
// adjust-mode tools and what the play states start.

#include <gtest/gtest.h>

#include "engine/demo/demo_document.h"
#include "platform/file_io.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

std::vector<Lamp> lampsInARow(std::int32_t n) {
    std::vector<Lamp> lamps;
    for (std::int32_t i = 0; i < n; ++i) lamps.push_back(Lamp::made(i, i % 2, i, 8));
    return lamps;
}

DemoDocument demo(std::int32_t playState) {
    CompiledEffects e;
    e.modes.resize(5);
    e.programGroups[5] = {0, 2};
    return DemoDocument(lampsInARow(11), e, playState, 1, 3);
}

TEST(BmpParameters, PlacementIsKeptRelativeToTheCellSizeAboutTheCentre) {
    const NormalisedPlacement n = normalisePlacement({100, 50, 2.0}, 10, 800, 600);
    EXPECT_DOUBLE_EQ(n.x, 370.0);  // 10 + 400 - 40
    EXPECT_DOUBLE_EQ(n.y, 275.0);  // 5 + 300 - 30
    EXPECT_DOUBLE_EQ(n.scale, 0.2);
    EXPECT_EQ(placeFromNormalised(n, 20, 800, 600), (PicturePlacement{-200, -200, 4.0}));
    EXPECT_EQ(placeFromNormalised(n, 10, 800, 600), (PicturePlacement{100, 50, 2.0}));

    const auto bytes = encodeBmpParameters(n);
    const std::string text(bytes.begin() + 1, bytes.end());
    EXPECT_EQ(text, "370.000000,275.000000,0.200000,2,");
    EXPECT_EQ(bytes[0], text.size());
    const BmpParameters back = decodeBmpParameters(bytes);
    EXPECT_EQ(back.x, 370.0);
    EXPECT_EQ(back.y, 275.0);
    EXPECT_EQ(back.scale, 0.2);
    EXPECT_EQ(back.pending, 2);
}

TEST(BmpParameters, MissingOrBrokenFieldsLeaveTheirValuesAlone) {
    const std::string three = "\x0b"
                              "1.5,2.5,3.5";
    const BmpParameters p = decodeBmpParameters({three.begin(), three.end()});
    EXPECT_EQ(p.x, 1.5);
    EXPECT_EQ(p.scale, 3.5);
    EXPECT_FALSE(p.pending.has_value());
    const std::string broken = "\x06"
                               "x,,7,1";
    const BmpParameters q = decodeBmpParameters({broken.begin(), broken.end()});
    EXPECT_FALSE(q.x.has_value());
    EXPECT_FALSE(q.y.has_value());
    EXPECT_EQ(q.scale, 7.0);
    EXPECT_EQ(q.pending, 1);
    EXPECT_FALSE(decodeBmpParameters({}).x.has_value());
}

TEST(DemoDocument, SavedPlacementFollowsANewCellSizeAndAFileRoundTrips) {
    test::TempFolder folder;
    DemoDocument d = demo(playstate::kParallel);
    d.fitCellSizeIfUnset(800, 600);
    EXPECT_EQ(d.cellSize(), 20);  // 10 columns on 800 pixels, limited to 20
    d.scaleDialogClosed(10);
    d.openPicture("C:\\shows\\hall.bmp");
    EXPECT_EQ(d.picturePath(), "C:/shows/hall.bmp");
    d.setTool(PictureTool::Move);
    d.mouseDown(10, 10);
    d.mouseUp(110, 60);
    EXPECT_EQ(d.picture(), (PicturePlacement{100, 50, 1.0}));
    const auto bytes = d.saveBmpParameters(800, 600);
    EXPECT_EQ(d.placementPending(), 2);
    ASSERT_TRUE(
        writeFileAtomically(folder.path() / "bmp.h", std::string(bytes.begin(), bytes.end())));

    // Another demo reads the file: the picture lands where it was for cell
    // size 10, and moves with the cell size chosen afterwards.
    DemoDocument other = demo(playstate::kParallel);
    other.scaleDialogClosed(10);
    ASSERT_TRUE(other.loadBmpParameters(folder.path() / "bmp.h").ok());
    EXPECT_EQ(other.normalised(), d.normalised());
    other.applyPendingPlacement(800, 600);
    EXPECT_EQ(other.picture(), (PicturePlacement{100, 50, 1.0}));
    EXPECT_EQ(other.placementPending(), 1);
    other.scaleDialogClosed(20);
    EXPECT_EQ(other.placementPending(), 2);
    other.applyPendingPlacement(800, 600);
    EXPECT_EQ(other.picture(), (PicturePlacement{-200, -200, 2.0}));
    EXPECT_EQ(other.cellSizeCopy(), 20);

    const Status missing = other.loadBmpParameters(folder.path() / "none.h");
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().key, "DEMODOC_ONOPENCODE_OFB");
    EXPECT_EQ(other.picture(), (PicturePlacement{-200, -200, 2.0}));
}

TEST(DemoDocument, AdjustToolsWidenMinishAndMoveOnlyWithAPicture) {
    DemoDocument d = demo(playstate::kParallel);
    d.setTool(PictureTool::Widen);
    EXPECT_FALSE(d.mouseDown(0, 0));  // no picture yet
    d.openPicture("hall.png");
    EXPECT_TRUE(d.adjustMode());
    EXPECT_TRUE(d.showLamps());
    d.setScaleStep(0.5);
    EXPECT_TRUE(d.mouseDown(0, 0));
    EXPECT_DOUBLE_EQ(d.picture().scale, 1.5);
    d.setTool(PictureTool::Minish);
    int shrinks = 0;
    while (d.mouseDown(0, 0)) ++shrinks;
    EXPECT_EQ(shrinks, 3);  // 1.0, 0.5, 0.0: at 0.1 or below nothing happens
    EXPECT_DOUBLE_EQ(d.picture().scale, 0.0);
    EXPECT_FALSE(d.mouseUp(50, 50));  // up moves only in move mode
    d.start();
    d.setTool(PictureTool::Move);
    d.mouseDown(0, 0);
    EXPECT_FALSE(d.mouseUp(50, 50));  // out of adjust mode
    EXPECT_EQ(d.picture().x, 0);
}

TEST(DemoDocument, PlayStatesStartOnceAndStartReplaysTheFirstState) {
    DemoDocument parallel = demo(playstate::kParallel);
    EXPECT_FALSE(parallel.takePendingPlay(800).has_value());  // adjust mode
    parallel.start();
    auto request = parallel.takePendingPlay(640);
    ASSERT_TRUE(request.has_value());
    EXPECT_EQ(request->order, PlayOrder::Parallel);
    EXPECT_EQ(request->surfaceWidth, 640);
    EXPECT_EQ(parallel.playState(), playstate::kParallelRunning);
    EXPECT_FALSE(parallel.takePendingPlay(640).has_value());  // a redraw starts nothing
    parallel.selectProgramGroup(5);
    EXPECT_EQ(parallel.modeCount(), 2u);
    request = parallel.takePendingPlay(640);
    ASSERT_TRUE(request.has_value());
    EXPECT_EQ(request->programGroup, std::optional<std::size_t>{5});

    DemoDocument partial = demo(playstate::kPartial);
    partial.start();
    request = partial.takePendingPlay(800);
    ASSERT_TRUE(request.has_value());
    EXPECT_EQ(request->order, PlayOrder::Partial);
    EXPECT_EQ(request->first, 1u);
    EXPECT_EQ(request->last, 3u);
    EXPECT_EQ(partial.playState(), playstate::kIdle);
    partial.start();
    EXPECT_EQ(partial.playState(), playstate::kPartial);

    DemoDocument sequential = demo(playstate::kSequential);
    sequential.start();
    EXPECT_EQ(sequential.takePendingPlay(800)->order, PlayOrder::Sequential);
    EXPECT_EQ(sequential.playState(), playstate::kIdle);
    sequential.openPicture("hall.bmp");  // back to adjust mode: nothing starts
    sequential.start();
    sequential.openPicture("hall.bmp");
    EXPECT_FALSE(sequential.takePendingPlay(800).has_value());
}

}  // namespace
}  // namespace vx
