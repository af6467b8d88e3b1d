#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <set>
#include <tuple>

#include "engine/ui/sheet/circular_area_dialog.h"
#include "engine/ui/sheet/color_list_page.h"
#include "engine/ui/sheet/gradient_dialog.h"
#include "engine/ui/sheet/kind_list.h"
#include "engine/ui/sheet/kind_preview.h"
#include "engine/ui/sheet/lamp_group_page.h"
#include "engine/ui/sheet/mode_list_page.h"
#include "engine/ui/sheet/mode_parameter_page.h"
#include "engine/ui/sheet/num_field.h"
#include "engine/ui/sheet/page_widgets.h"
#include "engine/ui/sheet/program_group_page.h"
#include "platform/ui/dialog_texts.h"
#include "tests/engine/ui/sheet/sheet_fixture.h"

namespace vx::test {
namespace {

void selectRow(QListWidget* list, int row) {
    list->clearSelection();
    list->setCurrentRow(row);
    list->item(row)->setSelected(true);
}

void selectKind(ModeListPage* page, const QString& kind) {
    const auto items = page->kindList()->findItems(kind, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1);
    selectRow(page->kindList(), page->kindList()->row(items.front()));
}

// Adds a sweep, a kernel and an empty mode with their default settings.
void addThreeModes(ModeSheetDialog& sheet) {
    for (const char* kind : {"CM_LEFTTORIGHT_GC", "CM_KERNELBD", "CM_EMPTYMODE"}) {
        selectKind(sheet.modeListPage(), kind);
        sheet.modeListPage()->add();
        sheet.parameterPage()->commit();
    }
}

// In every language each button of the sheet says what it does in a
// tooltip, and each kind keeps its identifier with a readable name beside it.
TEST(SheetTexts, EveryButtonHasATooltipAndEveryKindAName) {
    qtApplication();
    for (const char* language : {"English", "Chinese", "CTChinese", "French", "German", "Italy"}) {
        SCOPED_TRACE(language);
        const LanguageTable table = bundledTable(language);
        LayoutDocument document(latticeLayout());
        ModeSheetDialog sheet(document, table, SheetHooks{});
        for (const QPushButton* b : sheet.findChildren<QPushButton*>()) {
            if (b->text().isEmpty()) continue;
            EXPECT_FALSE(b->toolTip().trimmed().isEmpty()) << b->text().toStdString();
        }
        const QListWidget* kinds = sheet.modeListPage()->kindList();
        ASSERT_EQ(kinds->count(), 70);
        std::set<QString> names;
        for (int i = 0; i < kinds->count(); ++i) {
            const QListWidgetItem* item = kinds->item(i);
            EXPECT_TRUE(item->text().startsWith("CM_"));
            const QString name = item->data(kKindNameRole).toString();
            EXPECT_FALSE(name.isEmpty()) << item->text().toStdString();
            EXPECT_EQ(item->toolTip(), name);
            names.insert(name);
        }
        EXPECT_EQ(names.size(), 70u);  // no two kinds read alike
    }
    // The English names are the English table's, drawn beside the identifier.
    const LanguageTable english = bundledTable();
    LayoutDocument document(latticeLayout());
    ModeSheetDialog sheet(document, english, SheetHooks{});
    const auto found = sheet.modeListPage()->kindList()->findItems("CM_KERNELBD", Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found.front()->data(kKindNameRole).toString().toStdString(),
              english.LookUpText("ID_MSG_PAGE3_MODE_NAME51"));
}

TEST_F(SheetTest, PagesAndTitlesComeFromTheLanguageTable) {
    EXPECT_EQ(sheet_->windowTitle().toStdString(), table_.LookUpText("IDD_LED_MODE"));
    auto* list = sheet_->modeListPage();
    EXPECT_EQ(list->kindList()->count(), 70);
    selectKind(list, "CM_KERNELBD");
    EXPECT_EQ(list->infoText()->text().toStdString(),
              table_.LookUpText("ID_MSG_PAGE3_MODE_INFO51"));
    // The preview plays the kind on its small lattice.
    EXPECT_EQ(list->preview()->kind(), "CM_KERNELBD");
    selectKind(list, "CM_LEFTTORIGHT_GC");
    bool lit = false;
    for (int i = 0; i < 40 && !lit; ++i) {
        list->preview()->tick();
        for (ColorWord c : list->preview()->colors()) lit = lit || c != 0;
    }
    EXPECT_TRUE(lit);
}

TEST_F(SheetTest, ModeListButtonsWithoutSelectionExplainThemselves) {
    auto* list = sheet_->modeListPage();
    list->add();
    list->edit();
    list->remove();
    list->copy();
    list->paste();
    list->markStart();
    list->markEnd();
    list->insert();
    EXPECT_EQ(messages, (std::vector<std::string>{"PAGE3_ONBUTTON1_PSAT", "PAGE3_ONBUTTON4_PSAK",
                                                  "PAGE3_ONBUTTON2_PSATO", "PAGE3_ONBUTTON8_PSAT",
                                                  "PAGE3_ONBUTTON9_PSAT", "PAGE3_ONBUTTON6_PSAK",
                                                  "PAGE3_ONBUTTON7_PSAK", "PAGE3_ONBUTTON3_PSAT"}));
    EXPECT_TRUE(effects().modes.empty());
}

TEST_F(SheetTest, ParameterPageLocksFieldsAndDerivesHoldTime) {
    auto* list = sheet_->modeListPage();
    selectKind(list, "CM_REGRESS");
    list->add();
    EXPECT_EQ(sheet_->currentPage(), SheetPage::ColorList);
    sheet_->showPage(SheetPage::Parameter);
    auto* page = sheet_->parameterPage();
    for (ParamField f : {ParamField::Interval, ParamField::Loop, ParamField::HoldTime,
                         ParamField::Step, ParamField::LayerCode, ParamField::WordStep,
                         ParamField::WordColorMode, ParamField::StartPoint, ParamField::Area}) {
        EXPECT_TRUE(page->isLocked(f)) << static_cast<int>(f);
    }
    EXPECT_EQ(page->labelEdit()->text(), "CM_REGRESS");

    selectKind(list, "CM_LEFTDOWN_CF");
    list->add();
    sheet_->showPage(SheetPage::Parameter);
    EXPECT_TRUE(page->isLocked(ParamField::Loop));
    EXPECT_FALSE(page->isLocked(ParamField::Step));
    EXPECT_FALSE(page->isLocked(ParamField::HoldTime));
    EXPECT_EQ(page->columnLabel(3)->text().toStdString(), table_.LookUpText("IDD112_5310_EDIT16C"));
    EXPECT_EQ(page->columnLabel(4)->text().toStdString(), table_.LookUpText("IDD112_1311_EDIT17C"));

    // Interval 5 and Loop 30 give Hold time 15 once the field is left.
    QLineEdit* interval = page->field(ParamField::Interval);
    interval->setText("5");
    Q_EMIT interval->textEdited("5");
    page->field(ParamField::Loop)->setText("30");
    Q_EMIT interval->editingFinished();
    EXPECT_EQ(page->field(ParamField::HoldTime)->text(), "15");
    // Edited Hold time stays once nothing changed since.
    page->field(ParamField::HoldTime)->setText("99");
    Q_EMIT page->field(ParamField::HoldTime)->textEdited("99");
    EXPECT_EQ(page->field(ParamField::HoldTime)->text(), "99");

    // "GC/GF" index 1 locks Loop and the word step.
    selectKind(list, "CM_LEFTTORIGHT_WORD");
    list->add();
    sheet_->showPage(SheetPage::Parameter);
    EXPECT_FALSE(page->isLocked(ParamField::Loop));
    EXPECT_TRUE(page->isLocked(ParamField::ExtraScope));
    Q_EMIT page->wordColorBox()->activated(1);
    EXPECT_TRUE(page->isLocked(ParamField::Loop));
    EXPECT_TRUE(page->isLocked(ParamField::WordStep));
}

TEST_F(SheetTest, GradientDialogAndSaveColorChecks) {
    auto* list = sheet_->modeListPage();
    selectKind(list, "CM_LEFTTORIGHT_SCROLL");
    list->add();
    auto* colors = sheet_->colorListPage();
    EXPECT_TRUE(colors->hint()->text().contains(
        QString::fromStdString(table_.LookUpText("ID_MSG_PAGE2_CM_INFO14"))));

    // Without end colours nothing is made.
    fillDialog = [](QDialog&) { return true; };
    colors->gradient();
    EXPECT_EQ(lastMessage(), "PAGE2_ONBUTTON4_PSTC");

    fillDialog = [this](QDialog& d) {
        auto& dialog = dynamic_cast<GradientDialog&>(d);
        picks = {{0, 0, 0}, {255, 255, 255}};
        dialog.findChildren<QPushButton*>()[0]->click();
        dialog.findChildren<QPushButton*>()[1]->click();
        dialog.steps()->edit()->setText("3");
        Q_EMIT dialog.steps()->edit()->textEdited("3");
        // A fourth digit would leave the range: refused, "3" stays.
        dialog.steps()->edit()->setText("3000");
        Q_EMIT dialog.steps()->edit()->textEdited("3000");
        EXPECT_EQ(dialog.steps()->edit()->text(), "3");
        return true;
    };
    colors->gradient();
    ASSERT_EQ(colors->colors().size(), 3u);
    EXPECT_EQ(colors->colors()[1], (Rgb{127, 127, 127}));
    EXPECT_EQ(colors->colorList()->item(1)->text(), " 127R 127G 127B");

    colors->saveColors();  // three colours on a scroll kind
    EXPECT_EQ(lastMessage(), "PAGE2_ONBUTTON4_TFCW");
    EXPECT_TRUE(sheet_->context().state.current.colors.empty());

    selectRow(colors->colorList(), 1);
    colors->removeSingle();
    colors->saveColors();
    EXPECT_EQ(sheet_->context().state.current.colors, (UintList{0, 0, 0, 255, 255, 255}));
    EXPECT_TRUE(colors->colors().empty());
}

TEST_F(SheetTest, NamedColorGroupsGoToTheLibraryFile) {
    auto* colors = sheet_->colorListPage();
    picks = {{7, 8, 9}, {255, 0, 0}};
    colors->addColor();
    colors->addColor();
    fillDialog = [](QDialog& d) {
        d.findChild<QLineEdit*>()->setText("Mine");
        return true;
    };
    colors->addGroup();
    ASSERT_EQ(colors->groupNames()->count(), 1);
    EXPECT_EQ(colors->groupNames()->item(0)->text(), "Mine");
    const auto file = ColorDataFile::load(folder_.path() / "ColorData.sav");
    ASSERT_TRUE(file.ok());
    EXPECT_EQ(file.value().lines().back(), "     [Mine]  7  8  9255  0  0");

    colors->removeAll();
    colors->outputGroup();
    EXPECT_EQ(lastMessage(), "PAGE2_ONBUTTON12_PSAC");
    selectRow(colors->groupNames(), 0);
    colors->outputGroup();
    EXPECT_EQ(colors->colors(), (std::vector<Rgb>{{7, 8, 9}, {255, 0, 0}}));
    colors->clearGroup();
    EXPECT_EQ(lastMessage(), "PAGE2_ONBUTTON14_DYRW");
    EXPECT_EQ(ColorDataFile::load(folder_.path() / "ColorData.sav").value().lines().back(),
              "     [Mine]");
}

TEST_F(SheetTest, ProgramEditorSaveRulesAndUndo) {
    addThreeModes(*sheet_);
    ASSERT_EQ(effects().modes.size(), 3u);
    auto* programs = sheet_->programGroupPage();
    programs->removeAll();
    programs->save();
    EXPECT_EQ(lastMessage(), "MODEGRPEDIT_ONBTNMOK_YSIA");

    programs->dropOn(3, {"2_CM_EMPTYMODE", "0_CM_LEFTTORIGHT_GC"});
    programs->save();
    ASSERT_EQ(effects().programGroups[3].size(), 2u);
    EXPECT_EQ(effects().programGroups[3][0].kindCode, 2);
    EXPECT_EQ(effects().programGroups[3][1].kind, "CM_LEFTTORIGHT_GC");
    EXPECT_EQ(programs->programTree()->topLevelItem(0)->child(3)->child(0)->text(0),
              "2_CM_EMPTYMODE");

    programs->insertAll();
    programs->save();
    for (const auto& group : effects().programGroups) EXPECT_EQ(group.size(), 3u);
    document_->undo();
    EXPECT_EQ(effects().programGroups[3].size(), 2u);
    EXPECT_TRUE(effects().programGroups[0].empty());
}

TEST_F(SheetTest, DeletingAModeRenumbersProgramsAndUndoRestores) {
    auto* list = sheet_->modeListPage();
    addThreeModes(*sheet_);
    sheet_->programGroupPage()->insertAll();
    sheet_->programGroupPage()->save();
    const EffectData before = effects();
    selectRow(list->modeList(), 0);
    list->remove();
    ASSERT_EQ(effects().modes.size(), 2u);
    EXPECT_EQ(effects().programGroups[5][0].kindCode, 0);
    EXPECT_EQ(effects().programGroups[5][0].kind, "CM_KERNELBD");
    EXPECT_EQ(list->modeList()->count(), 2);
    document_->undo();
    EXPECT_EQ(effects(), before);
    EXPECT_EQ(list->modeList()->count(), 3);
}

TEST_F(SheetTest, StepsAsideWhilePickingAndReturnsToTheAskingPage) {
    auto* list = sheet_->modeListPage();
    selectKind(list, "CM_EXPANDCIRCULAR_GC");
    list->add();
    sheet_->show();
    sheet_->showPage(SheetPage::Parameter);
    std::vector<PickKind> asked;
    QObject::connect(sheet_.get(), &ModeSheetDialog::pickRequested,
                     [&asked](PickKind k) { asked.push_back(k); });
    sheet_->parameterPage()->findChildren<QPushButton*>()[0]->click();  // "&Start"
    EXPECT_EQ(asked, std::vector<PickKind>{PickKind::StartPoint});
    EXPECT_FALSE(sheet_->isVisible());
    sheet_->showPage(SheetPage::Modes);
    sheet_->pointPicked(10, 13);
    sheet_->endPicking();
    EXPECT_TRUE(sheet_->isVisible());
    EXPECT_EQ(sheet_->currentPage(), SheetPage::Parameter);
    EXPECT_EQ(sheet_->parameterPage()->startField(0)->text(), "10");
    sheet_->parameterPage()->commit();
    ASSERT_EQ(effects().modes.size(), 1u);
    EXPECT_EQ(effects().modes[0].startX, 2);  // 10 pixels at 4 per cell
    EXPECT_EQ(effects().modes[0].startY, 3);
}

}  // namespace
}  // namespace vx::test

namespace vx::test {
namespace {

void clickControl(QWidget* page, int id) {
    auto* b = qobject_cast<QPushButton*>(controlWidget(page, id));
    ASSERT_NE(b, nullptr) << id;
    b->click();
}

UintList rows(const QListWidget* list) {
    UintList out;
    for (int i = 0; i < list->count(); ++i) out.push_back(list->item(i)->text().toUInt());
    return out;
}

// A custom mode of a lamp-list-group kind, built with the page's buttons from
// lamps picked on the view.
TEST_F(SheetTest, LampGroupButtonsPickInternAndCommitAGroupOfLists) {
    selectKind(sheet_->modeListPage(), "CM_CUSTOMMODE");
    sheet_->modeListPage()->add();
    sheet_->showPage(SheetPage::Parameter);
    QLineEdit* playKind = sheet_->parameterPage()->field(ParamField::LayerCode);
    playKind->setText("1");
    Q_EMIT playKind->textEdited("1");
    auto* page = sheet_->clusterPage();
    sheet_->showPage(SheetPage::GroupList);
    const auto pick = [this](int button, std::initializer_list<std::uint32_t> lamps) {
        clickControl(sheet_->clusterPage(), button);
        for (std::uint32_t lamp : lamps) sheet_->lampPicked(lamp);
        sheet_->endPicking();
    };
    pick(1058, {3, 1, 3});     // "&AddLamp": a listed lamp is not added twice
    clickControl(page, 1059);  // "InsertLa&mp" needs a place
    EXPECT_EQ(lastMessage(), "PAGE5_ONBUTTON8_PSAL");
    selectRow(page->lampList(), 1);
    pick(1059, {7, 8});
    pick(1060, {8, 9});  // "&DeleteLamp"; 9 is not listed
    EXPECT_EQ(rows(page->lampList()), (UintList{3, 7, 1}));
    clickControl(page, 1064);  // "Add&Group"
    clickControl(page, 1062);  // "&NewGroup"
    pick(1058, {5});
    selectRow(page->groupList(), 0);
    clickControl(page, 1065);  // "&InsertGroup" before the selected entry
    clickControl(page, 1062);
    pick(1058, {3, 7, 1});
    clickControl(page, 1064);  // equal lists are stored once
    EXPECT_EQ(effects().clusters, (ClusterTable{{3, 7, 1}, {5}}));
    EXPECT_EQ(rows(page->groupList()), (UintList{1, 0, 0}));
    clickControl(page, 1067);  // "Inpu&tGrpGrp"
    EXPECT_EQ(effects().clusterGroups, (ClusterGroupTable{{1, 0, 0}}));
    EXPECT_EQ(sheet_->currentPage(), SheetPage::Modes);
    sheet_->parameterPage()->commit();
    ASSERT_EQ(effects().modes.size(), 1u);
    EXPECT_EQ(std::pair(effects().modes[0].clusterGroupIndex, effects().modes[0].kindCode),
              std::pair(0, 1));
}

TEST_F(SheetTest, CircularAreaDialogOkNeedsAKindAndStartsTheCircleMode) {
    selectKind(sheet_->modeListPage(), "CM_CIRCULAR_AREA");
    sheet_->show();
    sheet_->modeListPage()->add();
    CircularAreaDialog* dialog = sheet_->modeListPage()->circleDialog();
    clickControl(dialog, 1);
    EXPECT_EQ(lastMessage(), "CIRAREADLG_ONOK_PS");
    EXPECT_TRUE(dialog->isVisible());
    clickControl(dialog, 1102);  // "Center Of Circle": dialog and sheet step aside
    EXPECT_FALSE(dialog->isVisible() || sheet_->isVisible());
    sheet_->pointPicked(20, 13);
    sheet_->endPicking();
    EXPECT_TRUE(dialog->isVisible());
    dialog->radiusField()->setText("3");
    selectRow(dialog->kindList(), 50);  // CM_KERNELBD
    clickControl(dialog, 1);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(sheet_->currentPage(), SheetPage::ColorList);
    sheet_->parameterPage()->commit();
    ASSERT_EQ(effects().modes.size(), 1u);
    const Mode& m = effects().modes[0];
    EXPECT_EQ(std::tuple(m.kind, m.circleX, m.circleY, m.circleRadius, m.circleKind),
              std::tuple("CM_CIRCULAR_AREA", 5, 3, 3, "CM_KERNELBD"));  // 4 pixels per cell
}

TEST_F(SheetTest, ControlsCarryTheirTooltipsFromTheLanguageTable) {
    const auto tip = [this](const char* k) { return QString::fromStdString(table_.LookUpText(k)); };
    EXPECT_EQ(controlWidget(sheet_->colorListPage(), 1108)->toolTip(), tip("IDD108_m_p2tip14"));
    EXPECT_EQ(controlWidget(sheet_->modeListPage(), 1096)->toolTip(), tip("IDD109_m_p3tip8"));
    EXPECT_EQ(sheet_->parameterPage()->field(ParamField::HoldTime)->toolTip(),
              tip("IDD112_m_p6tip3"));
}

}  // namespace
}  // namespace vx::test
