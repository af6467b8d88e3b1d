#include "effects/parameter_rules.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "effects/kind_shape.h"
#include "effects/mode_kind.h"

namespace vx {
namespace {

using F = ParamField;

std::set<F> lockedFields(const std::string& kind, std::int32_t wordColorMode = 0,
                         const std::string& circleKind = "") {
    Mode m = createMode(kind);
    m.wordColorMode = wordColorMode;
    m.circleKind = circleKind;
    const ParameterPageRules rules = parameterPageRules(m, false);
    std::set<F> out;
    for (std::size_t i = 0; i < kParamFieldCount; ++i) {
        if (rules.locked[i]) out.insert(static_cast<F>(i));
    }
    return out;
}

TEST(ParameterPageRules, ReadOnlyFieldsPerKind) {
    const std::set<F> none;
    EXPECT_EQ(lockedFields("CM_EMPTYMODE"),
              (std::set<F>{F::Interval, F::Loop, F::Step, F::LayerCode, F::WordStep,
                           F::WordColorMode, F::StartPoint, F::Area}));
    EXPECT_EQ(lockedFields("CM_REGROUP"), lockedFields("CM_EMPTYMODE"));
    EXPECT_EQ(lockedFields("CM_REGRESS"),
              (std::set<F>{F::Interval, F::Loop, F::HoldTime, F::Step, F::LayerCode, F::WordStep,
                           F::WordColorMode, F::StartPoint, F::Area}));
    EXPECT_EQ(lockedFields("CM_CUSTOMMODE"),
              (std::set<F>{F::Step, F::WordStep, F::StartPoint, F::Area}));
    EXPECT_EQ(lockedFields("CM_KERNELBD"), (std::set<F>{F::Step, F::WordStep}));
    EXPECT_EQ(lockedFields("CM_LEFTTORIGHT_GC"), std::set<F>{F::WordStep});
    EXPECT_EQ(lockedFields("CM_RIGHTDOWN_GOBC"), std::set<F>{F::WordStep});
    EXPECT_EQ(lockedFields("CM_ASIDEFRAME_SCROLL"), std::set<F>{F::WordStep});
    EXPECT_EQ(lockedFields("CM_LEFTUP_GF"), (std::set<F>{F::Loop, F::WordStep}));
    EXPECT_EQ(lockedFields("CM_UPTODOWN_CC"), (std::set<F>{F::Step, F::WordStep}));
    EXPECT_EQ(lockedFields("CM_SIDEFRAME_CC"), (std::set<F>{F::Step, F::WordStep}));
    EXPECT_EQ(lockedFields("CM_RIGHTUP_CC"), std::set<F>{F::WordStep});
    EXPECT_EQ(lockedFields("CM_DOWNTOUP_CF"), (std::set<F>{F::Loop, F::Step, F::WordStep}));
    EXPECT_EQ(lockedFields("CM_LEFTDOWN_CF"), (std::set<F>{F::Loop, F::WordStep}));
    // Rings and words also lose the supplementary scope.
    EXPECT_EQ(lockedFields("CM_EXPANDCIRCULAR_GC"), (std::set<F>{F::WordStep, F::ExtraScope}));
    EXPECT_EQ(lockedFields("CM_SHRINKCIRCULAR_GF"),
              (std::set<F>{F::Loop, F::WordStep, F::ExtraScope}));
    EXPECT_EQ(lockedFields("CM_LEFTTORIGHT_WORD"), (std::set<F>{F::Step, F::ExtraScope}));
    // wordColorMode 1 adds Loop and the word step.
    EXPECT_EQ(lockedFields("CM_LEFTTORIGHT_WORD", 1),
              (std::set<F>{F::Step, F::ExtraScope, F::Loop, F::WordStep}));
    // A circular area follows its inner kind; an unknown kind locks nothing.
    EXPECT_EQ(lockedFields("CM_CIRCULAR_AREA", 0, "CM_SIDEFRAME_CF"),
              lockedFields("CM_SIDEFRAME_CF"));
    EXPECT_EQ(lockedFields("CM_CIRCULAR_AREA", 0, "CM_KERNELBD"), lockedFields("CM_KERNELBD"));
    EXPECT_EQ(lockedFields("CM_NO_SUCH_KIND"), none);
}

TEST(ParameterPageRules, EveryOfferedKindHasRules) {
    for (auto kind : kinds::offeredKinds()) {
        const auto rules = parameterPageRules(createMode(std::string(kind)), false);
        EXPECT_FALSE(rules.labelKeys[4].empty()) << kind;
        if (!kinds::isCircleKind(kind)) {
            // Every kind but the circle (decided by its inner kind) locks something.
            bool any = false;
            for (bool b : rules.locked) any = any || b;
            EXPECT_TRUE(any) << kind;
        }
    }
}

TEST(HoldTimeRule, DerivedFromIntervalAndLoopOnlyAfterAChange) {
    EXPECT_EQ(holdTimeFor(5, 30), 15);
    EXPECT_EQ(holdTimeFor(7, 3), 2);  // 21 / 10, rounded down
    EXPECT_EQ(holdTimeFor(0, 99), 0);
    HoldTimeRule rule;
    EXPECT_FALSE(rule.settle(5, 30).has_value());  // nothing changed yet
    rule.timingEdited();
    EXPECT_EQ(rule.settle(5, 30), 15);
    EXPECT_FALSE(rule.settle(5, 40).has_value());  // settled once per change
    rule.timingEdited();
    rule.reset();
    EXPECT_FALSE(rule.settle(5, 30).has_value());
}

TEST(CellConversion, PixelsRoundDownToCellsAndBack) {
    EXPECT_EQ(cellFromPixels(10, 4), 2);
    EXPECT_EQ(pixelsFromCell(2, 4), 8);
    EXPECT_EQ(cellFromPixels(-1, 4), -1);
    EXPECT_EQ(cellFromPixels(7, 0), 7);  // no cell size yet: kept
}

}  // namespace
}  // namespace vx
