#include "engine/ui/sheet/color_list_page.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

#include "effects/color_rules.h"
#include "effects/mode_kind.h"
#include "engine/ui/sheet/gradient_dialog.h"
#include "engine/ui/sheet/num_field.h"
#include "engine/ui/sheet/page_widgets.h"
#include "layout/history/color_group_edit.h"

namespace vx {
namespace {

QColor toQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

}  // namespace

ColorListPage::ColorListPage(SheetContext& context, QWidget* parent)
    : QWidget(parent), ctx_(context) {
    auto* grid = new QGridLayout(this);
    list_ = new QListWidget(this);
    list_->setFont(QFont("monospace"));
    names_ = new QListWidget(this);
    hint_ = new QLineEdit(this);
    hint_->setReadOnly(true);
    auto* colorBox = idBox(this, kDialog, 1141);
    (new QVBoxLayout(colorBox))->addWidget(list_);
    auto* nameBox = idBox(this, kDialog, 1140);
    (new QVBoxLayout(nameBox))->addWidget(names_);
    grid->addWidget(colorBox, 0, 0);
    grid->addWidget(nameBox, 0, 2);

    const std::pair<int, void (ColorListPage::*)()> colorActions[] = {
        {1113, &ColorListPage::addColor},       {1104, &ColorListPage::insertColor},
        {1114, &ColorListPage::removeSingle},   {1128, &ColorListPage::removeAll},
        {1129, &ColorListPage::markStart},      {1130, &ColorListPage::markEnd},
        {1131, &ColorListPage::deleteMarked},   {1105, &ColorListPage::gradient},
        {1111, &ColorListPage::showModeColors}, {1112, &ColorListPage::saveColors},
    };
    auto* middle = new QVBoxLayout;
    for (const auto& [id, action] : colorActions) {
        auto* b = idButton(this, kDialog, id);
        connect(b, &QPushButton::clicked, this, action);
        middle->addWidget(b);
    }
    grid->addLayout(middle, 0, 1);
    const std::pair<int, void (ColorListPage::*)()> groupActions[] = {
        {1100, &ColorListPage::addGroup},
        {1106, &ColorListPage::outputGroup},
        {1107, &ColorListPage::inputGroup},
        {1108, &ColorListPage::clearGroup},
    };
    auto* right = new QVBoxLayout;
    for (const auto& [id, action] : groupActions) {
        auto* b = idButton(this, kDialog, id);
        connect(b, &QPushButton::clicked, this, action);
        right->addWidget(b);
    }
    right->addStretch();
    grid->addLayout(right, 0, 3);
    grid->addWidget(hint_, 1, 0, 1, 4);
    ApplyDialogTexts(this, kDialog, ctx_.table);
    const auto c = [this](int id) { return controlWidget(this, id); };
    setTooltips(ctx_.table, {{c(1113), "IDD108_m_p2tip1"},
                             {c(1104), "IDD108_m_p2tip2"},
                             {c(1114), "IDD108_m_p2tip3"},
                             {c(1128), "IDD108_m_p2tip4"},
                             {c(1129), "IDD108_m_p2tip5"},
                             {c(1130), "IDD108_m_p2tip6"},
                             {c(1131), "IDD108_m_p2tip7"},
                             {c(1105), "IDD108_m_p2tip8"},
                             {c(1111), "IDD108_m_p2tip9"},
                             {c(1112), "IDD108_m_p2tip10"},
                             {c(1100), "IDD108_m_p2tip11"},
                             {c(1106), "IDD108_m_p2tip12"},
                             {c(1107), "IDD108_m_p2tip13"},
                             {c(1108), "IDD108_m_p2tip14"}});
    reloadNames();
}

void ColorListPage::activate() {
    const Mode& m = ctx_.state.current;
    QString text =
        ctx_.text("ID_MSG_PAGE2_CURMODE") + QString(7, '\t') + QString::fromStdString(m.kind);
    const std::string_view hintKey = colorHintKey(m);
    if (!hintKey.empty()) text += "  " + ctx_.text(hintKey);
    hint_->setText(text);
    hint_->setCursorPosition(0);  // the kind and its hint start the line
    hint_->setToolTip(text);
}

void ColorListPage::setColors(std::vector<Rgb> colors) {
    colors_ = std::move(colors);
    list_->clear();
    for (const Rgb& c : colors_) {
        auto* item = new QListWidgetItem(QString::fromStdString(colorEntryText(c)), list_);
        item->setBackground(toQColor(c));
        item->setForeground(toQColor(invertedColor(c)));
    }
}

void ColorListPage::addColor() {
    if (!ctx_.hooks.pickColor) return;
    if (const auto c = ctx_.hooks.pickColor()) {
        auto next = colors_;
        next.push_back(*c);
        setColors(std::move(next));
    }
}

void ColorListPage::insertColor() {
    const int row = lastSelectedRow(list_);
    if (row < 0) {
        ctx_.message("PAGE2_ONBUTTON3_PSAK");
        return;
    }
    if (!ctx_.hooks.pickColor) return;
    if (const auto c = ctx_.hooks.pickColor()) {
        auto next = colors_;
        next.insert(next.begin() + row, *c);
        setColors(std::move(next));
    }
}

void ColorListPage::removeSingle() {
    const int row = lastSelectedRow(list_);
    if (row < 0) {
        ctx_.message("PAGE2_ONBUTTON2_NTST");
        return;
    }
    auto next = colors_;
    next.erase(next.begin() + row);
    setColors(std::move(next));
    start_ = end_ = -1;
}

void ColorListPage::removeAll() {
    setColors({});
    start_ = end_ = -1;
}

void ColorListPage::markStart() {
    const int row = lastSelectedRow(list_);
    if (row < 0)
        ctx_.message("PAGE2_ONBUTTON8_NTST");
    else
        start_ = row;
}

void ColorListPage::markEnd() {
    const int row = lastSelectedRow(list_);
    if (row < 0)
        ctx_.message("PAGE2_ONBUTTON8_NTST");
    else
        end_ = row;
}

void ColorListPage::deleteMarked() {
    const int first = std::min(start_, end_);
    const int last = std::max(start_, end_);
    if (first >= 0 && last < static_cast<int>(colors_.size())) {
        auto next = colors_;
        next.erase(next.begin() + first, next.begin() + last + 1);
        setColors(std::move(next));
    }
    start_ = end_ = -1;
}

void ColorListPage::gradient() {
    GradientDialog dialog(ctx_, this);
    if (!ctx_.hooks.runDialog || ctx_.hooks.runDialog(dialog) != QDialog::Accepted) return;
    if (!dialog.start || !dialog.end) {
        ctx_.message("PAGE2_ONBUTTON4_PSTC");
        return;
    }
    const auto made = makeGradient(*dialog.start, *dialog.end,
                                   static_cast<int>(dialog.steps()->value()), dialog.shape());
    if (!made) return;  // the field holds 2..1000 only
    auto next = colors_;
    if (dialog.insertBox()->isChecked()) {
        const int row = lastSelectedRow(list_);
        if (next.empty() || row < 0) {
            ctx_.message("PAGE2_ONBUTTON4_PSAKO");
            return;
        }
        next.insert(next.begin() + row, made->begin(), made->end());
    } else {
        next.insert(next.end(), made->begin(), made->end());
    }
    setColors(std::move(next));
}

void ColorListPage::showModeColors() {
    if (!ctx_.colorsArmed) return;
    ctx_.colorsArmed = false;
    setColors(colorsFromList(ctx_.state.current.colors));
}

void ColorListPage::saveColors() {
    if (const auto refusal = saveColorRefusal(ctx_.state.current, colors_.size())) {
        ctx_.message(*refusal);
        return;
    }
    ctx_.state.current.colors = listFromColors(colors_);
    // A mode opened with "&Edit" is the document's own: the change is a step.
    if (ctx_.state.replacing) {
        ctx_.document.apply(std::make_unique<ColorGroupEdit>(ctx_.state.rememberedIndex,
                                                             ctx_.state.current.colors));
    }
    setColors({});
}

std::optional<ColorDataFile> ColorListPage::readFile() {
    auto file = ColorDataFile::load(ctx_.colorDataFile);
    if (!file) {
        ctx_.message("MYFUNCTION_GETCOLORDATE_CGD");
        return std::nullopt;
    }
    return std::move(file.value());
}

bool ColorListPage::writeFile(const ColorDataFile& file) {
    if (!file.save(ctx_.colorDataFile)) {
        ctx_.message("MYFUNCTION_SAVECOLORDATE_TDFM");
        return false;
    }
    return true;
}

void ColorListPage::reloadNames() {
    names_->clear();
    const auto file = ColorDataFile::load(ctx_.colorDataFile);
    if (!file) return;  // no library yet: the list stays empty
    for (const auto& name : file.value().names()) names_->addItem(QString::fromStdString(name));
}

void ColorListPage::addGroup() {
    std::vector<std::string> names;
    for (int i = 0; i < names_->count(); ++i) {
        names.push_back(names_->item(i)->text().toStdString());
    }
    QDialog dialog(this);
    dialog.setWindowTitle(resourceTitleText(kNameDialog));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(idLabel(&dialog, kNameDialog, 1000));
    auto* edit = new QLineEdit(QString::fromStdString(ColorDataFile::proposedName(names)), &dialog);
    layout->addWidget(edit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    setControlId(buttons->button(QDialogButtonBox::Ok), 1);
    setControlId(buttons->button(QDialogButtonBox::Cancel), 2);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    ApplyDialogTexts(&dialog, kNameDialog, ctx_.table);
    if (!ctx_.hooks.runDialog || ctx_.hooks.runDialog(dialog) != QDialog::Accepted) return;

    // A missing library starts empty: the first 51 lines are the header.
    auto loaded = ColorDataFile::load(ctx_.colorDataFile);
    ColorDataFile file = loaded ? std::move(loaded.value()) : ColorDataFile{};
    if (!loaded) {
        for (std::size_t i = 0; i < ColorDataFile::kFirstNamedLine; ++i) {
            file.appendGroup(i == 0 ? "Vexolume colour groups" : "", {});
        }
    }
    const std::string name = edit->text().toStdString();
    file.appendGroup(name, colors_);
    if (writeFile(file)) reloadNames();
}

void ColorListPage::outputGroup() {
    const int row = lastSelectedRow(names_);
    if (row < 0) {
        ctx_.message("PAGE2_ONBUTTON12_PSAC");
        return;
    }
    const auto file = readFile();
    if (!file) return;
    const auto group = file->groupColors(static_cast<std::size_t>(row));
    if (!group) {
        ctx_.message("MYFUNCTION_GETCOLORDATE_CGD");
        return;
    }
    auto next = colors_;
    next.insert(next.end(), group->begin(), group->end());
    setColors(std::move(next));
}

void ColorListPage::inputGroup() {
    const int row = lastSelectedRow(names_);
    if (row < 0) {
        ctx_.message("PAGE2_ONBUTTON13_PSAC");
        return;
    }
    auto file = readFile();
    if (file && file->extendGroup(static_cast<std::size_t>(row), colors_)) writeFile(*file);
}

void ColorListPage::clearGroup() {
    const int row = lastSelectedRow(names_);
    if (row < 0) {
        ctx_.message("PAGE2_ONBUTTON14_PSAC");
        return;
    }
    if (!ctx_.confirm("PAGE2_ONBUTTON14_DYRW")) return;
    auto file = readFile();
    if (file && file->clearGroup(static_cast<std::size_t>(row))) writeFile(*file);
}

}  // namespace vx
