// Writes a picture of each page of the mode editing sheet for the
// documentation, over the bundled sample with a few modes defined:
//
//   QT_QPA_PLATFORM=offscreen sheet_screenshot docs/
//
// gives docs/sheet-modelist.png, sheet-colorlist.png, sheet-grouplist.png,
// sheet-parameter.png and sheet-programs.png, and the two dialogs of the
// pages: sheet-gradient.png and sheet-circle.png.

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

#include <filesystem>
#include <iostream>

#include "engine/ui/sheet/circular_area_dialog.h"
#include "engine/ui/sheet/color_list_page.h"
#include "engine/ui/sheet/gradient_dialog.h"
#include "engine/ui/sheet/kind_preview.h"
#include "engine/ui/sheet/lamp_group_page.h"
#include "engine/ui/sheet/mode_list_page.h"
#include "engine/ui/sheet/mode_parameter_page.h"
#include "engine/ui/sheet/mode_sheet_dialog.h"
#include "engine/ui/sheet/num_field.h"
#include "engine/ui/sheet/program_group_page.h"
#include "layout/history/insert_mode_edit.h"
#include "platform/ui/dialog_texts.h"

namespace fs = std::filesystem;

namespace {

vx::Mode mode(const char* kind, const char* label, vx::UintList colors) {
    vx::Mode m = vx::createMode(kind);
    m.label = label;
    m.colors = std::move(colors);
    m.stepDelay = 5;
    m.stepCount = 10;
    m.duration = 5;
    m.bandWidth = 2;
    return m;
}

void selectKind(QListWidget* list, const char* kind) {
    const auto items = list->findItems(kind, Qt::MatchExactly);
    if (items.isEmpty()) return;
    list->setCurrentItem(items.front());
    items.front()->setSelected(true);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: sheet_screenshot <folder>\n";
        return 2;
    }
    QApplication app(argc, argv);
    const fs::path source = VEXOLUME_SOURCE_DIR;
    const fs::path out = argv[1];
    auto table = vx::LanguageTable::load(source / "share/vexolume/Mullanguage/English.ini");
    auto document = vx::LayoutDocument::open(source / "examples/sample.led");
    if (!table || !document) {
        std::cerr << "cannot read the sample or the English table\n";
        return 1;
    }
    vx::LayoutDocument& doc = *document.value();
    doc.apply(vx::InsertModeEdit::append(
        doc.layout(), mode("CM_LEFTTORIGHT_GC", "Sunrise sweep",
                           {40, 0, 60, 255, 60, 0, 255, 160, 0, 255, 240, 180})));
    doc.apply(vx::InsertModeEdit::append(
        doc.layout(), mode("CM_EXPANDCIRCULAR_GF", "Blue rings", {0, 0, 255, 255, 255, 255})));
    doc.apply(vx::InsertModeEdit::append(
        doc.layout(), mode("CM_BRIGHTTODARK", "Fade out", {255, 255, 255, 0, 0, 0})));

    // The colour picker answers orange, then blue (the gradient's two ends).
    vx::SheetHooks hooks;
    int picked = 0;
    hooks.pickColor = [&picked]() -> std::optional<vx::Rgb> {
        return picked++ % 2 == 0 ? vx::Rgb{255, 120, 0} : vx::Rgb{0, 60, 255};
    };
    vx::ModeSheetDialog sheet(doc, table.value(), std::move(hooks));
    sheet.setCellSize(8);
    sheet.setColorDataFile(source / "share/vexolume/ColorData.sav");
    sheet.resize(860, 520);
    sheet.show();

    auto* list = sheet.modeListPage();
    selectKind(list->kindList(), "CM_EXPANDCIRCULAR_GC");
    for (int i = 0; i < 30; ++i) list->preview()->tick();
    list->modeList()->item(0)->setSelected(true);
    list->modeList()->setCurrentRow(0);
    list->edit();  // opens the sweep on the parameter page

    auto* colors = sheet.colorListPage();
    colors->showModeColors();
    colors->groupNames()->setCurrentRow(0);

    int status = 0;
    const std::pair<vx::SheetPage, const char*> pages[] = {
        {vx::SheetPage::Modes, "sheet-modelist.png"},
        {vx::SheetPage::ColorList, "sheet-colorlist.png"},
        {vx::SheetPage::GroupList, "sheet-grouplist.png"},
        {vx::SheetPage::Parameter, "sheet-parameter.png"},
        {vx::SheetPage::Programs, "sheet-programs.png"},
    };
    // The lamp groups page shows the lamps of the sample's custom mode; the
    // parameter page the sweep again.
    const auto editMode = [list](int row) {
        list->modeList()->clearSelection();
        list->modeList()->setCurrentRow(row);
        list->modeList()->item(row)->setSelected(true);
        list->edit();
    };
    for (const auto& [page, name] : pages) {
        if (page == vx::SheetPage::GroupList) editMode(8);
        if (page == vx::SheetPage::Parameter) editMode(0);
        sheet.showPage(page);
        if (page == vx::SheetPage::GroupList) sheet.clusterPage()->show();
        if (page == vx::SheetPage::Programs) {
            sheet.programGroupPage()->insertAll();
            sheet.programGroupPage()->programTree()->expandToDepth(1);
        }
        QApplication::processEvents();
        if (!sheet.grab().save(QString::fromStdString((out / name).string()))) status = 1;
    }

    const auto grabDialog = [&](QDialog& dialog, const char* name) {
        dialog.show();
        QApplication::processEvents();
        if (!dialog.grab().save(QString::fromStdString((out / name).string()))) status = 1;
        dialog.hide();
    };
    vx::GradientDialog gradient(sheet.context(), &sheet);
    for (auto* button : gradient.findChildren<QPushButton*>()) {
        if (button->property(vx::kControlIdProperty).toInt() == 1000 ||
            button->property(vx::kControlIdProperty).toInt() == 1001)
            button->click();
    }
    gradient.steps()->edit()->setText("12");
    gradient.sinButton()->setChecked(true);
    grabDialog(gradient, "sheet-gradient.png");

    vx::CircularAreaDialog* circle = list->circleDialog();
    circle->xField()->setText("96");
    circle->yField()->setText("48");
    circle->radiusField()->setText("5");
    selectKind(circle->kindList(), "CM_LEFTTORIGHT_GF");
    grabDialog(*circle, "sheet-circle.png");
    return status;
}
