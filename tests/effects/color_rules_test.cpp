#include <gtest/gtest.h>

#include "effects/color_data_file.h"
#include "effects/color_gradient.h"
#include "effects/color_rules.h"

namespace vx {
namespace {

std::vector<Rgb> gradient(Rgb s, Rgb e, int n, GradientShape shape) {
    auto g = makeGradient(s, e, n, shape);
    EXPECT_TRUE(g.has_value());
    return g ? *g : std::vector<Rgb>{};
}

// Hand-worked: s + (e - s) x f(i / (n - 1)), each change truncated toward zero.
TEST(Gradient, EndsAndMiddleOfEachShape) {
    const Rgb black{0, 0, 0}, white{255, 255, 255};
    EXPECT_EQ(gradient(black, white, 3, GradientShape::Linear),
              (std::vector<Rgb>{{0, 0, 0}, {127, 127, 127}, {255, 255, 255}}));
    // A falling component rounds toward its start value.
    EXPECT_EQ(gradient(white, black, 3, GradientShape::Linear),
              (std::vector<Rgb>{{255, 255, 255}, {128, 128, 128}, {0, 0, 0}}));
    // Rising 0 -> 200 in R, falling 255 -> 0 in G, flat 9 in B.
    const Rgb s{0, 255, 9}, e{200, 0, 9};
    const auto sin3 = gradient(s, e, 3, GradientShape::Sin);
    EXPECT_EQ(sin3, (std::vector<Rgb>{{0, 255, 9}, {141, 75, 9}, {199, 1, 9}}));
    const auto cos3 = gradient(s, e, 3, GradientShape::Cos);
    EXPECT_EQ(cos3, (std::vector<Rgb>{{0, 255, 9}, {58, 181, 9}, {199, 1, 9}}));
    const auto lin = gradient(s, e, 1000, GradientShape::Linear);
    ASSERT_EQ(lin.size(), 1000u);
    EXPECT_EQ(lin.front(), s);
    EXPECT_EQ(lin[500], (Rgb{100, 128, 9}));
    EXPECT_EQ(lin.back(), e);
    const auto sin1000 = gradient(s, e, 1000, GradientShape::Sin);
    EXPECT_EQ(sin1000[500], (Rgb{141, 75, 9}));
    EXPECT_EQ(sin1000.back(), (Rgb{199, 1, 9}));
    const auto cos1000 = gradient(s, e, 1000, GradientShape::Cos);
    EXPECT_EQ(cos1000[1], s);  // the cosine starts slowly
    EXPECT_EQ(cos1000[500], (Rgb{58, 181, 9}));
}

TEST(Gradient, AcceptsTwoToAThousandSteps) {
    const Rgb a{1, 2, 3}, b{4, 5, 6};
    for (auto shape : {GradientShape::Linear, GradientShape::Sin, GradientShape::Cos}) {
        EXPECT_FALSE(makeGradient(a, b, 1, shape).has_value());
        EXPECT_FALSE(makeGradient(a, b, 1001, shape).has_value());
        EXPECT_FALSE(makeGradient(a, b, -5, shape).has_value());
        ASSERT_TRUE(makeGradient(a, b, 2, shape).has_value());
        EXPECT_EQ(makeGradient(a, b, 2, shape)->front(), a);
        EXPECT_EQ(makeGradient(a, b, 1000, shape)->size(), 1000u);
    }
    EXPECT_EQ(*makeGradient(a, b, 2, GradientShape::Linear), (std::vector<Rgb>{a, b}));
}

TEST(SaveColorRules, CountsPerKind) {
    auto refusal = [](std::string kind, std::size_t n, std::string inner = "") {
        Mode m = createMode(std::move(kind));
        m.circleKind = std::move(inner);
        return std::string(saveColorRefusal(m, n).value_or(""));
    };
    EXPECT_EQ(refusal("CM_BRIGHTTODARK", 3), "PAGE2_ONBUTTON4_YAAT");
    EXPECT_EQ(refusal("CM_SIDEFRAMEBD", 1), "PAGE2_ONBUTTON4_YAAT");
    EXPECT_EQ(refusal("CM_KERNELBD", 2), "");
    EXPECT_EQ(refusal("CM_CIRCULAR_AREA", 3, "CM_KERNELBD"), "PAGE2_ONBUTTON4_YAAT");
    EXPECT_EQ(refusal("CM_CIRCULAR_AREA", 2, "CM_KERNELBD"), "");
    EXPECT_EQ(refusal("CM_LEFTTORIGHT_SCROLL", 3), "PAGE2_ONBUTTON4_TFCW");
    EXPECT_EQ(refusal("CM_LEFTTORIGHT_SCROLL", 2), "");
    EXPECT_EQ(refusal("CM_UPTODOWN_WORD", 1), "PAGE2_ONBUTTON4_YSAT");
    EXPECT_EQ(refusal("CM_LEFTUP_WORD", 0), "PAGE2_ONBUTTON4_YSAT");
    EXPECT_EQ(refusal("CM_UPTODOWN_WORD", 3), "PAGE2_ONBUTTON4_TFCW");
    EXPECT_EQ(refusal("CM_UPTODOWN_WORD", 2), "");
    EXPECT_EQ(refusal("CM_LEFTTORIGHT_GC", 0), "");
    EXPECT_EQ(refusal("CM_LEFTTORIGHT_GC", 40), "");
    EXPECT_EQ(refusal("CM_CUSTOMMODE", 7), "");
}

TEST(SaveColorRules, HintKeysAndEntryText) {
    Mode m = createMode("CM_CIRCULAR_AREA");
    m.circleKind = "CM_LEFTUP_SCROLL";
    EXPECT_EQ(colorHintKey(m), "ID_MSG_PAGE2_CM_INFO14");
    EXPECT_EQ(colorHintKey(createMode("CM_REGRESS")), "ID_MSG_PAGE2_CM_INFO2");
    EXPECT_EQ(colorHintKey(createMode("CM_SHRINKCIRCULAR_GF")), "ID_MSG_PAGE2_CM_INFO4");
    EXPECT_EQ(colorHintKey(createMode("CM_DOWNTOUP_WORD")), "ID_MSG_PAGE2_CM_INFO15");
    EXPECT_EQ(colorHintKey(createMode("CM_CUSTOMMODE")), "ID_MSG_PAGE2_CM_INFO5");
    EXPECT_EQ(colorHintKey(createMode("CM_KERNELBD")), "ID_MSG_PAGE2_CM_INFO3");

    EXPECT_EQ(colorEntryText({7, 255, 0}), "   7R 255G   0B");
    EXPECT_EQ(colorFromEntryText("   7R 255G   0B"), (Rgb{7, 255, 0}));
    EXPECT_FALSE(colorFromEntryText("   7R 256G   0B").has_value());
    EXPECT_FALSE(colorFromEntryText("   7R 25 G   0B").has_value());
    EXPECT_EQ(invertedColor({0, 100, 255}), (Rgb{255, 155, 0}));
}

TEST(ColorDataFile, NamesFromLineFiftyOneAndFieldsOfThreeCharacters) {
    std::string text = "     [Header]\n";
    for (int i = 1; i <= 50; ++i) text += "     [Mirror" + std::to_string(i) + "]\n";
    text += "     [Warm]  7255  0 10 20 30\n     [Cool]\n     [Section end]\n     [After]\n";
    ColorDataFile file = ColorDataFile::fromText(text);
    EXPECT_EQ(file.names(), (std::vector<std::string>{"Warm", "Cool"}));
    EXPECT_EQ(file.groupColors(0), (std::vector<Rgb>{{7, 255, 0}, {10, 20, 30}}));
    EXPECT_EQ(file.groupColors(1), std::vector<Rgb>{});
    EXPECT_FALSE(file.groupColors(2).has_value());

    EXPECT_TRUE(file.extendGroup(1, {{1, 2, 3}}));
    EXPECT_EQ(file.lines()[52], "     [Cool]  1  2  3");
    EXPECT_TRUE(file.clearGroup(0));
    EXPECT_EQ(file.lines()[51], "     [Warm]");
    EXPECT_EQ(file.lines()[1], "     [Mirror1]");  // not its mirror: names differ
    file.appendGroup("ColorGroup:0", {{255, 0, 0}});
    EXPECT_EQ(file.lines().back(), "     [ColorGroup:0]255  0  0");
    EXPECT_EQ(ColorDataFile::fromText(file.text()).lines(), file.lines());
    EXPECT_EQ(ColorDataFile::proposedName({"ColorGroup:0", "Warm", "ColorGroupX"}), "ColorGroup:2");
}

TEST(ColorDataFile, EditsKeepTheMirrorLinesInStep) {
    std::string text = "     [Colour groups]\n";
    std::string named;
    for (int i = 0; i < 50; ++i) {
        const std::string line = "     [G" + std::to_string(i) + "]  1  2  3\n";
        text += line;
        named += line;
    }
    ColorDataFile file = ColorDataFile::fromText(text + named);
    ASSERT_EQ(file.names().size(), 50u);
    EXPECT_TRUE(file.extendGroup(4, {{4, 5, 6}}));
    EXPECT_EQ(file.lines()[5], file.lines()[55]);
    EXPECT_EQ(file.groupColors(4), (std::vector<Rgb>{{1, 2, 3}, {4, 5, 6}}));
    EXPECT_TRUE(file.clearGroup(49));
    EXPECT_EQ(file.lines()[50], "     [G49]");
    EXPECT_EQ(file.lines()[100], "     [G49]");
}

TEST(ColorDataFile, ShippedFileHasFiftyConsistentGroups) {
    const auto loaded = ColorDataFile::load(VEXOLUME_SOURCE_DIR "/share/vexolume/ColorData.sav");
    ASSERT_TRUE(loaded.ok()) << loaded.error().describe();
    const ColorDataFile& file = loaded.value();
    const auto names = file.names();
    ASSERT_GE(names.size(), 50u);
    for (std::size_t k = 0; k < names.size(); ++k) {
        const auto colors = file.groupColors(k);
        ASSERT_TRUE(colors.has_value()) << names[k];
        EXPECT_GE(colors->size(), 2u) << names[k];
        // One line below its list position the group is found again.
        if (k + 1 < ColorDataFile::kFirstNamedLine) {
            EXPECT_EQ(file.lines()[k + 1], file.lines()[ColorDataFile::kFirstNamedLine + k]);
        }
        // Written back field by field it is the same line.
        EXPECT_EQ(ColorDataFile::groupLine(names[k], *colors),
                  file.lines()[ColorDataFile::kFirstNamedLine + k]);
    }
}

}  // namespace
}  // namespace vx
