#include "layout/lamp_grid.h"

#include <gtest/gtest.h>

#include "layout/save_name.h"

namespace vx {
namespace {

TEST(LampGrid, LaterLampOnSameCellWins) {
    const std::vector<Lamp> lamps = {Lamp::made(3, 4, 0, 8), Lamp::made(3, 4, 1, 8),
                                     Lamp::made(499, 499, 2, 8)};
    LampGrid grid(lamps);
    EXPECT_EQ(grid.at(3, 4), 1);
    EXPECT_EQ(grid.cells()[249999], 2);
    EXPECT_EQ(grid.cells()[4 * 500 + 3], 1);
    EXPECT_EQ(grid.at(0, 0), LampGrid::kEmpty);
}

TEST(LampGrid, LampsOffTheGridHaveNoCell) {
    const std::vector<Lamp> lamps = {Lamp::made(-1, 0, 0, 8), Lamp::made(500, 2, 1, 8),
                                     Lamp::made(0, 500, 2, 8)};
    LampGrid grid(lamps);
    EXPECT_EQ(std::count(grid.cells().begin(), grid.cells().end(), LampGrid::kEmpty), 500 * 500);
    EXPECT_EQ(grid.at(500, 2), LampGrid::kEmpty);
}

TEST(SaveName, UpperCasesTheNameOnlyAndAppendsLed) {
    EXPECT_EQ(layoutSaveName("/home/ann/Shows/front.led"), "/home/ann/Shows/FRONT.LED");
    EXPECT_EQ(layoutSaveName("/home/ann/Shows/front"), "/home/ann/Shows/FRONT.LED");
    EXPECT_EQ(layoutSaveName("/tmp/a.lam"), "/tmp/A.LAM.LED");
    EXPECT_EQ(layoutSaveName("relative/x.Led"), "relative/X.LED");
}

}  // namespace
}  // namespace vx
