// Cutting a captured serial stream into DMX frames.

#include <gtest/gtest.h>

#include "output/firmware/dmx_frames.h"

namespace vx {
namespace {

TEST(DmxFrames, SplitsByStartCodeAndLengthAndDropsWhatFitsNoFrame) {
    // Two lamps: frames of 7 bytes. A stray byte first (out of step), two
    // frames whose slots hold zeros too, then an unfinished frame.
    const std::vector<std::uint8_t> bytes = {9, 0, 1, 0, 3, 4, 0, 6, 0, 0, 0, 0, 0, 0, 0, 0, 7};
    const DmxCapture capture = splitDmxFrames(bytes, 2);
    ASSERT_EQ(capture.frames.size(), 2u);
    EXPECT_EQ(capture.frames[0], (DmxFrame{0, 1, 0, 3, 4, 0, 6}));
    EXPECT_EQ(capture.frames[1], (DmxFrame{0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(capture.skippedBytes, 1u + 2u);

    EXPECT_TRUE(splitDmxFrames({}, 5).frames.empty());
    const std::vector<std::uint8_t> startCodes = {0, 0, 0};
    EXPECT_EQ(splitDmxFrames(startCodes, 0).frames.size(), 3u);  // no lamps: start code only
}

TEST(DmxFrames, DistinctFramesFoldRepeatsOnly) {
    const std::vector<DmxFrame> frames = {{0, 1}, {0, 1}, {0, 2}, {0, 1}, {0, 1}};
    EXPECT_EQ(distinctFrames(frames), (std::vector<DmxFrame>{{0, 1}, {0, 2}, {0, 1}}));
    EXPECT_TRUE(distinctFrames({}).empty());
}

}  // namespace
}  // namespace vx
