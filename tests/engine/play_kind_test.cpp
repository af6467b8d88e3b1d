#include "engine/play_kind.h"

#include <gtest/gtest.h>

#include "effects/mode_kind.h"

namespace vx {
namespace {

TEST(PlayKind, EveryKindThatCanPlayInACircleHasARow) {
    for (auto kind : kinds::circleInnerKinds()) {
        const auto pk = playKindOf(kind);
        ASSERT_TRUE(pk.has_value()) << kind;
        EXPECT_TRUE(isClusterPlayKind(*pk) || isClusterGroupPlayKind(*pk)) << kind;
        EXPECT_NE(isClusterPlayKind(*pk), isClusterGroupPlayKind(*pk)) << kind;
    }
}

TEST(PlayKind, RightUpRowIsAsymmetric) {
    EXPECT_EQ(playKindOf("CM_RIGHTUP_GC"), 4);
    EXPECT_EQ(playKindOf("CM_RIGHTUP_SCROLL"), 4);
    EXPECT_EQ(playKindOf("CM_RIGHTUP_GOBC"), 1);
    EXPECT_EQ(playKindOf("CM_RIGHTDOWN_GC"), 1);
    EXPECT_EQ(playKindOf("CM_RIGHTDOWN_GOBC"), 4);
}

TEST(PlayKind, ControlKindsAndKindsWithoutARow) {
    EXPECT_EQ(playKindOf("CM_REGROUP"), 253);
    EXPECT_EQ(playKindOf("CM_EMPTYMODE"), 254);
    EXPECT_EQ(playKindOf("CM_REGRESS"), 255);
    for (auto kind :
         {"CM_CUSTOMMODE", "CM_CIRCULAR_AREA", "CM_LEFTTORIGHT_WORD", "", "cm_brighttodark"}) {
        EXPECT_FALSE(playKindOf(kind).has_value()) << kind;
    }
    EXPECT_EQ(playKindOf("CM_KERNELBD"), 0);
    EXPECT_EQ(playKindOf("CM_SIDEFRAME_CF"), 10);
}

}  // namespace
}  // namespace vx
