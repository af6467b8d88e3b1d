// A designer's session on the sheet: a mode of each family, two programs,
// saved, reopened and compiled by vexolume-cli.

#include <nlohmann/json.hpp>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <cstdlib>
#include <fstream>

#include "engine/ui/sheet/color_list_page.h"
#include "engine/ui/sheet/gradient_dialog.h"
#include "engine/ui/sheet/lamp_group_page.h"
#include "engine/ui/sheet/mode_list_page.h"
#include "engine/ui/sheet/mode_parameter_page.h"
#include "engine/ui/sheet/num_field.h"
#include "engine/ui/sheet/program_group_page.h"
#include "tests/engine/ui/sheet/sheet_fixture.h"

namespace vx::test {
namespace {

class SheetSession : public SheetTest {
protected:
    void chooseKind(const char* kind) {
        auto* list = sheet_->modeListPage();
        const auto items = list->kindList()->findItems(kind, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1);
        list->kindList()->clearSelection();
        list->kindList()->setCurrentItem(items.front());
        items.front()->setSelected(true);
    }
    void pickColors(std::vector<Rgb> picked) {
        picks.assign(picked.begin(), picked.end());
        for (std::size_t i = 0; i < picked.size(); ++i) sheet_->colorListPage()->addColor();
        sheet_->colorListPage()->saveColors();
    }
    // Picks lamps on the lamp groups page and makes them the mode's lamp list.
    void pickLamps(std::initializer_list<std::uint32_t> picked) {
        sheet_->clusterPage()->addLamps();
        for (std::uint32_t lamp : picked) sheet_->lampPicked(lamp);
        sheet_->endPicking();
        sheet_->clusterPage()->inputGroup();
    }
    // Add a mode of `kind`: colours, lamps, then parameters, then "&OK".
    void addMode(const char* kind, std::vector<Rgb> picked, const char* label,
                 std::function<void(ModeParameterPage*)> parameters = {},
                 std::initializer_list<std::uint32_t> lamps = {}) {
        chooseKind(kind);
        sheet_->modeListPage()->add();
        pickColors(std::move(picked));
        if (lamps.size() > 0) pickLamps(lamps);
        sheet_->showPage(SheetPage::Parameter);
        auto* page = sheet_->parameterPage();
        if (lamps.size() == 0) {
            page->field(ParamField::Interval)->setText("5");
            page->field(ParamField::Loop)->setText("4");
            page->field(ParamField::HoldTime)->setText("20");
            page->field(ParamField::Step)->setText("2");
        }
        page->labelEdit()->setText(label);
        if (parameters) parameters(page);
        page->commit();
    }

    nlohmann::json compileJson(const std::filesystem::path& file) {
        const auto out = folder_.path() / "compile.json";
        const std::string command = std::string("'") + VEXOLUME_CLI + "' compile --json '" +
                                    file.string() + "' > '" + out.string() + "'";
        EXPECT_EQ(std::system(command.c_str()), 0);
        std::ifstream in(out);
        return nlohmann::json::parse(in, nullptr, false);
    }
};

constexpr Rgb kRed{255, 0, 0}, kBlue{0, 0, 255}, kWhite{255, 255, 255}, kBlack{0, 0, 0};

TEST_F(SheetSession, EveryFamilyTwoProgramsSavedReopenedAndCompiled) {
    addMode("CM_LEFTTORIGHT_SCROLL", {kRed, kBlue}, "scan");
    addMode("CM_UPTODOWN_CC", {kRed, kWhite, kBlue}, "band");
    addMode("CM_EXPANDCIRCULAR_GC", {kBlue, kWhite}, "ring", [](ModeParameterPage* p) {
        p->pointPicked(20, 12);  // cell (5, 3) at 4 pixels per cell
    });
    addMode("CM_BRIGHTTODARK", {kWhite, kBlack}, "fade");

    // A word: its text lamps are a lamp list chosen on the lamp groups page.
    addMode("CM_LEFTTORIGHT_WORD", {kRed, kBlack}, "word",
            [](ModeParameterPage* p) { p->field(ParamField::WordStep)->setText("2"); }, {0, 1, 2});
    // A custom mode playing kind 0 over lamps 6, 12, 18. Typed: Interval 10
    // and Loop 4 make Hold time 4 when OK settles it.
    addMode("CM_CUSTOMMODE", {kRed, kBlue}, "custom",
            [](ModeParameterPage* p) {
                for (auto [f, text] :
                     {std::pair{ParamField::Interval, "10"}, {ParamField::Loop, "4"}}) {
                    QLineEdit* e = p->field(f);
                    e->setText(text);
                    Q_EMIT e->textEdited(text);
                }
            },
            {6, 12, 18});
    addMode("CM_REGROUP", {}, "control");
    EXPECT_TRUE(messages.empty()) << messages.front();

    const EffectData& fx = effects();
    ASSERT_EQ(fx.modes.size(), 7u);
    EXPECT_EQ(fx.modes[2].startX, 5);
    EXPECT_EQ(fx.modes[2].startY, 3);
    EXPECT_EQ(fx.clusters, (ClusterTable{{0, 1, 2}, {6, 12, 18}}));
    EXPECT_EQ(fx.modes[4].clusterIndex, 0);
    EXPECT_EQ(fx.modes[4].wordStep, 2);
    EXPECT_EQ(fx.modes[5].clusterIndex, 1);
    EXPECT_EQ(fx.modes[5].kindCode, 0);

    // Program 0: scan, band, ring. Program 1: fade, custom, control.
    auto* programs = sheet_->programGroupPage();
    programs->removeAll();
    programs->dropOn(0, {"0_scan", "1_band", "2_ring"});
    programs->dropOn(1, {"3_fade", "5_custom", "6_control"});
    programs->save();

    const auto saved = folder_.path() / "SHOW.LED";
    ASSERT_TRUE(document_->saveAs(saved).ok());
    auto reopened = LayoutDocument::open(document_->path());
    ASSERT_TRUE(reopened.ok());
    EXPECT_EQ(reopened.value()->layout().effects, fx);

    const nlohmann::json c = compileJson(document_->path());
    ASSERT_TRUE(c.is_object());
    // The word becomes one line mode per lattice row, behind the four modes
    // before it; the custom mode and the control follow.
    std::vector<std::string> labels;
    for (const auto& m : c["modes"]) labels.push_back(m["label"].get<std::string>());
    ASSERT_EQ(labels.size(), 6u + kLatticeRows);
    EXPECT_EQ(labels[0], "scan");
    EXPECT_EQ(labels[3], "fade");
    EXPECT_EQ(labels[4], "word");
    EXPECT_EQ(labels[4 + kLatticeRows], "custom");
    EXPECT_EQ(labels.back(), "control");
    // Hold time 20 everywhere but in the custom mode: 10 x 4 / 10.
    EXPECT_EQ(c["modes"][0]["duration"], 20);
    EXPECT_EQ(c["modes"][0]["stepDelay"], 5);
    const auto& custom = c["modes"][4 + kLatticeRows];
    EXPECT_EQ(custom["stepDelay"], 10);
    EXPECT_EQ(custom["duration"], 4);
    // Its lamps: the cluster picked on the lamp groups page.
    const auto lampList = custom["lampListIndex"].get<std::size_t>();
    EXPECT_EQ(c["cstGroup"][lampList], (nlohmann::json{6, 12, 18}));
    // The scan's colours, red then blue.
    const auto colorIndex = c["modes"][0]["colorIndex"].get<std::size_t>();
    EXPECT_EQ(c["colorGroup"][colorIndex], (nlohmann::json{255, 0, 0, 0, 0, 255}));
    EXPECT_EQ(c["programGroups"][0], (nlohmann::json{0, 1, 2}));
    EXPECT_EQ(c["programGroups"][1], (nlohmann::json{3, 4 + kLatticeRows, 5 + kLatticeRows}));
    EXPECT_EQ(c["programGroups"][2], nlohmann::json::array());
}

// From the bundled sample: a gradient sweep and a chase over a lamp group,
// both in program 3, which vexolume-cli then plays.
TEST_F(SheetSession, SampleGetsAGradientSweepAndALampGroupChaseInProgramThree) {
    auto opened =
        LayoutDocument::open(std::filesystem::path(VEXOLUME_SOURCE_DIR) / "examples/sample.led");
    ASSERT_TRUE(opened.ok());
    SheetHooks hooks = sheet_->context().hooks;
    sheet_.reset();  // it watches the lattice document
    document_ = std::move(opened.value());
    sheet_ = std::make_unique<ModeSheetDialog>(*document_, table_, std::move(hooks));
    const std::size_t before = effects().modes.size();
    const std::size_t inProgram3 = effects().programGroups[3].size();
    chooseKind("CM_LEFTTORIGHT_GC");
    sheet_->modeListPage()->add();
    fillDialog = [this](QDialog& d) {
        picks = {{255, 0, 0}, {0, 0, 255}};
        const auto buttons = d.findChildren<QPushButton*>();
        buttons[0]->click();
        buttons[1]->click();
        QLineEdit* steps = dynamic_cast<GradientDialog&>(d).steps()->edit();
        steps->setText("6");
        Q_EMIT steps->textEdited("6");
        return true;
    };
    sheet_->colorListPage()->gradient();
    ASSERT_EQ(sheet_->colorListPage()->colors().size(), 6u);
    sheet_->colorListPage()->saveColors();
    sheet_->showPage(SheetPage::Parameter);
    sheet_->parameterPage()->labelEdit()->setText("Gradient sweep");
    sheet_->parameterPage()->commit();

    addMode("CM_CUSTOMMODE", {{0, 255, 0}, {0, 0, 0}}, "Lamp chase",
            [](ModeParameterPage* p) {
                QLineEdit* playKind = p->field(ParamField::LayerCode);
                playKind->setText("5");
                Q_EMIT playKind->textEdited("5");
            },
            {0, 1, 2, 3, 4, 5});
    ASSERT_EQ(effects().modes.size(), before + 2);
    EXPECT_GE(effects().modes.back().clusterIndex, 0);
    EXPECT_EQ(effects().modes.back().kindCode, 5);

    auto* programs = sheet_->programGroupPage();
    programs->rebuild();
    programs->dropOn(3, {QString::fromStdString(entryText(before, "Gradient sweep")),
                         QString::fromStdString(entryText(before + 1, "Lamp chase"))});
    programs->save();
    ASSERT_EQ(effects().programGroups[3].size(), inProgram3 + 2);
    EXPECT_EQ(effects().programGroups[3].back().label, "Lamp chase");
    const auto file = folder_.path() / "SAMPLE3.LED";
    ASSERT_TRUE(document_->saveAs(file).ok());

    // Both new entries of program 3 start playing.
    const auto timeline = folder_.path() / "timeline.txt";
    const std::string play = std::string("'") + VEXOLUME_CLI + "' timeline '" +
                             document_->path().string() + "' --program 3 --until 120000 > '" +
                             timeline.string() + "'";
    ASSERT_EQ(std::system(play.c_str()), 0);
    std::ifstream in(timeline);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (std::size_t position : {inProgram3, inProgram3 + 1}) {
        EXPECT_NE(text.find(" start " + std::to_string(position) + " "), std::string::npos)
            << position;
    }
}

}  // namespace
}  // namespace vx::test
