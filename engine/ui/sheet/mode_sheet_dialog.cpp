#include "engine/ui/sheet/mode_sheet_dialog.h"

#include <QListWidget>
#include <QTabWidget>
#include <QVBoxLayout>

#include "engine/ui/sheet/circular_area_dialog.h"
#include "engine/ui/sheet/color_list_page.h"
#include "engine/ui/sheet/lamp_group_page.h"
#include "engine/ui/sheet/mode_list_page.h"
#include "engine/ui/sheet/mode_parameter_page.h"
#include "engine/ui/sheet/page_widgets.h"
#include "engine/ui/sheet/program_group_page.h"

namespace vx {

ModeSheetDialog::ModeSheetDialog(LayoutDocument& document, const LanguageTable& table,
                                 SheetHooks hooks, QWidget* parent)
    : QDialog(parent), ctx_(document, table) {
    setModal(false);
    const std::string title = table.LookUpText("IDD_LED_MODE");
    setWindowTitle(title.empty() ? QStringLiteral("IDD_LED_MODE") : QString::fromStdString(title));
    ctx_.hooks = std::move(hooks);
    ctx_.goToPage = [this](SheetPage page) { showPage(page); };
    ctx_.stepAside = [this](PickKind kind, SheetPage page) { stepAside(kind, page); };

    tabs_ = new QTabWidget(this);
    modeList_ = new ModeListPage(ctx_, tabs_);
    colorList_ = new ColorListPage(ctx_, tabs_);
    clusterPage_ = new ClusterPage(ctx_, tabs_);
    parameters_ = new ModeParameterPage(ctx_, tabs_);
    programs_ = new ProgramGroupPage(ctx_, tabs_);
    const std::pair<QWidget*, int> pages[] = {
        {modeList_, ModeListPage::kDialog},     {colorList_, ColorListPage::kDialog},
        {clusterPage_, ClusterPage::kDialog},   {parameters_, ModeParameterPage::kDialog},
        {programs_, ProgramGroupPage::kDialog},
    };
    for (const auto& [page, dialog] : pages) {
        const std::string tab = table.DialogTitle(dialog);
        tabs_->addTab(page, tab.empty() ? resourceTitleText(dialog) : QString::fromStdString(tab));
    }
    ctx_.selectedModes = [this] {
        std::vector<std::size_t> out;
        const QListWidget* list = modeList_->modeList();
        for (int i = 0; i < list->count(); ++i) {
            if (list->item(i)->isSelected()) out.push_back(static_cast<std::size_t>(i));
        }
        return out;
    };
    (new QVBoxLayout(this))->addWidget(tabs_);
    connect(tabs_, &QTabWidget::currentChanged, this, &ModeSheetDialog::pageShown);
    ctx_.document.addObserver(this);
    programs_->rebuild();
}

ModeSheetDialog::~ModeSheetDialog() { ctx_.document.removeObserver(this); }

void ModeSheetDialog::setColorDataFile(const std::filesystem::path& file) {
    ctx_.colorDataFile = file;
    colorList_->reloadNames();
}

void ModeSheetDialog::showPage(SheetPage page) {
    const int index = static_cast<int>(page);
    if (tabs_->currentIndex() == index)
        pageShown(index);
    else
        tabs_->setCurrentIndex(index);
}

SheetPage ModeSheetDialog::currentPage() const {
    return static_cast<SheetPage>(tabs_->currentIndex());
}

void ModeSheetDialog::pageShown(int index) {
    switch (static_cast<SheetPage>(index)) {
        case SheetPage::Modes: modeList_->refresh(); break;
        case SheetPage::ColorList: colorList_->activate(); break;
        case SheetPage::GroupList: clusterPage_->refresh(); break;
        case SheetPage::Parameter: parameters_->activate(); break;
        case SheetPage::Programs: programs_->rebuild(); break;
    }
}

void ModeSheetDialog::layoutChanged(LayoutChange change) {
    if (change == LayoutChange::Effects || change == LayoutChange::Everything) {
        modeList_->refresh();
    }
}

void ModeSheetDialog::stepAside(PickKind kind, SheetPage page) {
    pick_ = kind;
    askingPage_ = page;
    hide();
    if (kind == PickKind::CircleCentre) modeList_->circleDialog()->hide();
    Q_EMIT pickRequested(kind);
}

void ModeSheetDialog::pointPicked(int x, int y) {
    if (pick_ == PickKind::StartPoint) parameters_->pointPicked(x, y);
    if (pick_ == PickKind::CircleCentre) modeList_->circleDialog()->centrePicked(x, y);
}

void ModeSheetDialog::areaPicked(int left, int top, int right, int bottom) {
    if (pick_ == PickKind::Area) parameters_->areaPicked(left, top, right, bottom);
    if (pick_ == PickKind::ExtraAdd) ctx_.extra.rect = {left, top, right, bottom};
}

void ModeSheetDialog::lampPicked(std::uint32_t lamp) {
    switch (pick_) {
        case PickKind::LampAdd:
        case PickKind::LampInsert:
        case PickKind::LampDelete: clusterPage_->lampPicked(lamp, pick_); break;
        case PickKind::ExtraAdd:
        case PickKind::ExtraDelete: parameters_->extraLampPicked(lamp, pick_); break;
        default: break;
    }
}

void ModeSheetDialog::endPicking() {
    if (pick_ == PickKind::None) return;
    const PickKind ended = pick_;
    pick_ = PickKind::None;
    show();
    raise();
    showPage(askingPage_);
    if (ended == PickKind::CircleCentre) {
        modeList_->circleDialog()->show();
        modeList_->circleDialog()->raise();
    }
    Q_EMIT pickEnded();
}

}  // namespace vx
