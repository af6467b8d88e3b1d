#include "effects/num_edit_model.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(NumEditModel, ValidationResults) {
    NumEditModel edit;
    edit.setRange(2, 100);
    EXPECT_EQ(edit.validate("12a"), NumCheck::NotANumber);
    EXPECT_EQ(edit.validate(""), NumCheck::NotANumber);
    EXPECT_EQ(edit.validate("-"), NumCheck::Unfinished);
    EXPECT_EQ(edit.validate("+"), NumCheck::Unfinished);
    EXPECT_EQ(edit.validate("1e3"), NumCheck::OutOfRange);
    EXPECT_EQ(edit.validate("1"), NumCheck::OutOfRange);
    EXPECT_EQ(edit.validate(" 50 "), NumCheck::Valid);
    EXPECT_EQ(edit.validate("+2.5"), NumCheck::Valid);
}

TEST(NumEditModel, TypingKeepsTheOldTextOnABadKeystroke) {
    NumEditModel edit;
    edit.setRange(2, 1000);
    ASSERT_TRUE(edit.setValue(12));
    EXPECT_EQ(edit.text(), "12");
    EXPECT_FALSE(edit.type("12a"));
    EXPECT_EQ(edit.text(), "12");
    EXPECT_FALSE(edit.type("12000"));
    EXPECT_EQ(edit.text(), "12");
    EXPECT_TRUE(edit.type("120"));
    EXPECT_FLOAT_EQ(edit.value(), 120);
    EXPECT_FALSE(edit.setValue(1));
    EXPECT_FALSE(edit.setValue(1001));
    EXPECT_FLOAT_EQ(edit.value(), 120);
}

TEST(NumEditModel, DecimalsFollowTheDelta) {
    NumEditModel edit;
    edit.setDelta(0.25f);
    EXPECT_EQ(edit.shownDecimals(), 2);
    ASSERT_TRUE(edit.setValue(1.5f));
    EXPECT_EQ(edit.text(), "1.50");
    edit.setDelta(1.0f);
    edit.setDecimals(1);
    EXPECT_EQ(edit.format(3), "3.0");
}

TEST(NumEditModel, SpinningStopsAtTheMaximum) {
    NumEditModel edit;
    edit.setRange(2, 1000);
    ASSERT_TRUE(edit.setValue(999));
    EXPECT_TRUE(edit.spin(1));
    EXPECT_FLOAT_EQ(edit.value(), 1000);
    EXPECT_TRUE(edit.spin(3));
    EXPECT_FLOAT_EQ(edit.value(), 1000);
    ASSERT_TRUE(edit.setValue(2));
    EXPECT_FALSE(edit.spin(-1));  // below the minimum: refused
    EXPECT_FLOAT_EQ(edit.value(), 2);

    SpinPosition spin;
    spin.step(498);
    EXPECT_EQ(spin.position(), 998);
    spin.step(1);
    EXPECT_EQ(spin.position(), SpinPosition::kMiddle);
    spin.step(-499);
    EXPECT_EQ(spin.position(), SpinPosition::kMiddle);
}

}  // namespace
}  // namespace vx
