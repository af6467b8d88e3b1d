#include "effects/mode_kind.h"

#include <gtest/gtest.h>

#include <set>

namespace vx {
namespace {

TEST(ModeKinds, SeventyDistinctOfferedKindsAndSixtyOneInsideACircle) {
    const auto offered = kinds::offeredKinds();
    EXPECT_EQ(offered.size(), 70u);
    EXPECT_EQ(std::set<std::string_view>(offered.begin(), offered.end()).size(), 70u);
    const auto inner = kinds::circleInnerKinds();
    ASSERT_EQ(inner.size(), 61u);
    EXPECT_EQ(inner.front(), "CM_LEFTTORIGHT_GC");
    EXPECT_EQ(inner[48], "CM_BRIGHTTODARK");
    EXPECT_EQ(inner.back(), "CM_ASIDEFRAME_SCROLL");
    for (auto k : inner) {
        EXPECT_FALSE(kinds::isAnyWordKind(k) || kinds::isControlKind(k) || kinds::isCustomKind(k) ||
                     kinds::isCircleKind(k))
            << k;
    }
}

}  // namespace
}  // namespace vx
