#include "engine/ui/sheet/mode_parameter_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QIntValidator>
#include <QLineEdit>

#include <algorithm>

#include "effects/mode_kind.h"
#include "engine/ui/sheet/page_widgets.h"
#include "layout/history/insert_mode_edit.h"
#include "layout/history/replace_mode_edit.h"
#include "layout/layout_bounds.h"

namespace vx {
namespace {

constexpr std::size_t kWordColorColumn = 6;
constexpr std::size_t kLayerColumn = 4;

std::size_t columnOf(ParamField f) {
    for (std::size_t i = 0; i < kParamColumnCount; ++i) {
        if (paramColumns()[i].field == f) return i;
    }
    return kParamColumnCount;
}

QLineEdit* numberEdit(QWidget* parent, int low, int high) {
    auto* e = new QLineEdit(parent);
    e->setValidator(new QIntValidator(low, high, e));
    return e;
}

}  // namespace

ModeParameterPage::ModeParameterPage(SheetContext& context, QWidget* parent)
    : QWidget(parent), ctx_(context) {
    auto* grid = new QGridLayout(this);
    for (std::size_t i = 0; i < kParamColumnCount; ++i) {
        const ParamColumn& column = paramColumns()[i];
        labels_[i] = new QLabel(ctx_.text(column.labelKey), this);
        grid->addWidget(labels_[i], 0, static_cast<int>(i));
        if (i == kWordColorColumn) continue;
        const int high = i == kLayerColumn ? 50 : 2147483647;
        columns_[i] = numberEdit(this, i == kLayerColumn ? 0 : -2147483647, high);
        grid->addWidget(columns_[i], 1, static_cast<int>(i));
        grid->addWidget(idLabel(this, kDialog, column.unitControl), 2, static_cast<int>(i));
    }
    wordColor_ = new QComboBox(this);
    wordColor_->addItems({"GC", "GF"});
    grid->addWidget(wordColor_, 1, static_cast<int>(kWordColorColumn));
    grid->addWidget(idLabel(this, kDialog, paramColumns()[kWordColorColumn].unitControl), 2,
                    static_cast<int>(kWordColorColumn));

    auto* startBox = idBox(this, kDialog, 1052);
    auto* startGrid = new QGridLayout(startBox);
    startButton_ = idButton(startBox, kDialog, 1040);
    startGrid->addWidget(startButton_, 0, 0, 1, 4);
    for (int a = 0; a < 2; ++a) {
        start_[static_cast<std::size_t>(a)] = numberEdit(startBox, -100000, 100000);
        startGrid->addWidget(idLabel(startBox, kDialog, 1042 + a), 1, a * 2);
        startGrid->addWidget(start_[static_cast<std::size_t>(a)], 1, a * 2 + 1);
    }
    auto* areaBox = idBox(this, kDialog, 1053);
    auto* areaGrid = new QGridLayout(areaBox);
    areaButton_ = idButton(areaBox, kDialog, 1041);
    areaGrid->addWidget(areaButton_, 0, 0, 1, 4);
    areaGrid->addWidget(idLabel(areaBox, kDialog, 1048), 1, 0, 1, 4);
    areaGrid->addWidget(idLabel(areaBox, kDialog, 1049), 3, 0, 1, 4);
    for (int c = 0; c < 4; ++c) {
        area_[static_cast<std::size_t>(c)] = numberEdit(areaBox, -100000, 100000);
        const int row = c < 2 ? 2 : 4;
        areaGrid->addWidget(idLabel(areaBox, kDialog, 1044 + c), row, (c % 2) * 2);
        areaGrid->addWidget(area_[static_cast<std::size_t>(c)], row, (c % 2) * 2 + 1);
    }
    auto* extraBox = idBox(this, kDialog, 1032);
    auto* extraGrid = new QGridLayout(extraBox);
    extraAdd_ = idButton(extraBox, kDialog, 1030);
    extraDelete_ = idButton(extraBox, kDialog, 1031);
    extraGrid->addWidget(extraAdd_, 0, 0);
    extraGrid->addWidget(extraDelete_, 0, 1);
    grid->addWidget(startBox, 3, 0, 1, 2);
    grid->addWidget(areaBox, 3, 2, 1, 3);
    grid->addWidget(extraBox, 3, 5, 1, 2);
    auto* labelCaption = idLabel(this, kDialog, 1050);
    grid->addWidget(labelCaption, 4, 0);
    label_ = new QLineEdit(this);
    labelCaption->setBuddy(label_);  // "&Current Mode:" jumps to the label field
    grid->addWidget(label_, 4, 1, 1, 4);
    auto* ok = idButton(this, kDialog, 1051);
    grid->addWidget(ok, 4, 6);
    grid->setRowStretch(5, 1);
    ApplyDialogTexts(this, kDialog, ctx_.table);
    setTooltips(ctx_.table, {{field(ParamField::Interval), "IDD112_m_p6tip1"},
                             {field(ParamField::Loop), "IDD112_m_p6tip2"},
                             {field(ParamField::HoldTime), "IDD112_m_p6tip3"},
                             {field(ParamField::Step), "IDD112_m_p6tip4"},
                             {startButton_, "IDD112_m_p6tip5"},
                             {areaButton_, "IDD112_m_p6tip6"},
                             {extraAdd_, "IDD112_m_p6tip7"},
                             {extraDelete_, "IDD112_m_p6tip8"},
                             {ok, "IDD112_m_p6tip9"}});

    for (ParamField f : {ParamField::Interval, ParamField::Loop}) {
        connect(field(f), &QLineEdit::textEdited, this, &ModeParameterPage::timingEdited);
        connect(field(f), &QLineEdit::editingFinished, this, &ModeParameterPage::settleHoldTime);
    }
    connect(field(ParamField::HoldTime), &QLineEdit::textEdited, this,
            &ModeParameterPage::settleHoldTime);
    // The play kind of a custom mode decides the lamp groups page's lists.
    connect(field(ParamField::LayerCode), &QLineEdit::textEdited, this,
            [this](const QString& t) { ctx_.state.current.kindCode = t.toInt(); });
    connect(wordColor_, &QComboBox::activated, this, [this](int index) {
        ctx_.state.current.wordColorMode = index;
        const bool locked =
            index == 1 || parameterPageRules(ctx_.state.current, ctx_.state.openedForEdit)
                              .isLocked(ParamField::Loop);
        field(ParamField::Loop)->setReadOnly(locked);
        field(ParamField::WordStep)
            ->setReadOnly(index == 1 ||
                          parameterPageRules(ctx_.state.current, ctx_.state.openedForEdit)
                              .isLocked(ParamField::WordStep));
    });
    const auto aside = [this](PickKind kind) {
        if (kind == PickKind::ExtraAdd || kind == PickKind::ExtraDelete) loadExtraBuffers();
        if (ctx_.stepAside) ctx_.stepAside(kind, SheetPage::Parameter);
    };
    connect(startButton_, &QPushButton::clicked, this, [aside] { aside(PickKind::StartPoint); });
    connect(areaButton_, &QPushButton::clicked, this, [aside] { aside(PickKind::Area); });
    connect(extraAdd_, &QPushButton::clicked, this, [aside] { aside(PickKind::ExtraAdd); });
    connect(extraDelete_, &QPushButton::clicked, this, [aside] { aside(PickKind::ExtraDelete); });
    connect(ok, &QPushButton::clicked, this, &ModeParameterPage::commit);
}

QLineEdit* ModeParameterPage::field(ParamField f) const {
    const std::size_t c = columnOf(f);
    return c < kParamColumnCount ? columns_[c] : nullptr;
}

bool ModeParameterPage::isLocked(ParamField f) const {
    switch (f) {
        case ParamField::WordColorMode: return !wordColor_->isEnabled();
        case ParamField::StartPoint: return !startButton_->isEnabled();
        case ParamField::Area: return !areaButton_->isEnabled();
        case ParamField::ExtraScope: return !extraAdd_->isEnabled();
        default: return field(f)->isReadOnly();
    }
}

void ModeParameterPage::activate() {
    if (ctx_.parameterPrepared) return;
    ctx_.parameterPrepared = true;
    hold_.reset();
    ParameterValues values = parameterValuesFor(ctx_.state.current, ctx_.cellSize);
    // A new mode's area is one cell at the origin, where most layouts have no
    // lamp: it starts as the whole layout instead, until an area is picked.
    const bool areaUsed = !parameterPageRules(ctx_.state.current, ctx_.state.openedForEdit)
                               .isLocked(ParamField::Area);
    if (!ctx_.state.openedForEdit && areaUsed && values.area == PixelRect{}) {
        const CellRect b = computeLayoutBounds(ctx_.document.layout().effectLamps);
        const std::int32_t c = ctx_.cellSize;
        if (b.right >= b.left) values.area = {b.left * c, b.top * c, b.right * c, b.bottom * c};
    }
    fill(values);
    applyRules();
}

void ModeParameterPage::applyRules() {
    const ParameterPageRules rules =
        parameterPageRules(ctx_.state.current, ctx_.state.openedForEdit);
    for (std::size_t i = 0; i < kParamColumnCount; ++i) {
        labels_[i]->setText(ctx_.text(rules.labelKeys[i]));
        if (columns_[i] != nullptr) {
            columns_[i]->setReadOnly(rules.isLocked(paramColumns()[i].field));
        }
    }
    wordColor_->setEnabled(!rules.isLocked(ParamField::WordColorMode));
    const bool startLocked = rules.isLocked(ParamField::StartPoint);
    startButton_->setEnabled(!startLocked);
    for (QLineEdit* e : start_) e->setReadOnly(startLocked);
    const bool areaLocked = rules.isLocked(ParamField::Area);
    areaButton_->setEnabled(!areaLocked);
    for (QLineEdit* e : area_) e->setReadOnly(areaLocked);
    extraAdd_->setEnabled(!rules.isLocked(ParamField::ExtraScope));
    extraDelete_->setEnabled(!rules.isLocked(ParamField::ExtraScope));
}

void ModeParameterPage::fill(const ParameterValues& v) {
    field(ParamField::Interval)->setText(QString::number(v.stepDelay));
    field(ParamField::Loop)->setText(QString::number(v.stepCount));
    field(ParamField::HoldTime)->setText(QString::number(v.duration));
    field(ParamField::Step)->setText(QString::number(v.bandWidth));
    field(ParamField::LayerCode)->setText(QString::number(v.layerCode));
    field(ParamField::WordStep)->setText(QString::number(v.wordStep));
    wordColor_->setCurrentIndex(std::clamp(v.wordColorMode, 0, 1));
    start_[0]->setText(QString::number(v.startX));
    start_[1]->setText(QString::number(v.startY));
    const std::array<std::int32_t, 4> corners = {v.area.left, v.area.top, v.area.right,
                                                 v.area.bottom};
    for (std::size_t c = 0; c < 4; ++c) area_[c]->setText(QString::number(corners[c]));
    label_->setText(QString::fromStdString(v.label));
}

ParameterValues ModeParameterPage::values() const {
    ParameterValues v;
    v.stepDelay = field(ParamField::Interval)->text().toUInt();
    v.stepCount = field(ParamField::Loop)->text().toInt();
    v.duration = field(ParamField::HoldTime)->text().toInt();
    v.bandWidth = field(ParamField::Step)->text().toInt();
    v.layerCode = field(ParamField::LayerCode)->text().toInt();
    v.wordStep = field(ParamField::WordStep)->text().toInt();
    v.wordColorMode = wordColor_->currentIndex();
    v.startX = start_[0]->text().toInt();
    v.startY = start_[1]->text().toInt();
    v.area = {area_[0]->text().toInt(), area_[1]->text().toInt(), area_[2]->text().toInt(),
              area_[3]->text().toInt()};
    v.label = label_->text().toStdString();
    return v;
}

void ModeParameterPage::timingEdited() { hold_.timingEdited(); }

void ModeParameterPage::settleHoldTime() {
    const auto hold = hold_.settle(field(ParamField::Interval)->text().toUInt(),
                                   field(ParamField::Loop)->text().toInt());
    if (hold) field(ParamField::HoldTime)->setText(QString::number(*hold));
}

void ModeParameterPage::loadExtraBuffers() {
    if (ctx_.extraLoaded) return;
    ctx_.extraLoaded = true;
    ctx_.extra.lamps = ctx_.state.current.extraLamps;
    ctx_.extra.rect = ctx_.state.current.extraRect;
}

void ModeParameterPage::pointPicked(int x, int y) {
    start_[0]->setText(QString::number(x));
    start_[1]->setText(QString::number(y));
}

void ModeParameterPage::areaPicked(int left, int top, int right, int bottom) {
    const std::array<int, 4> corners = {left, top, right, bottom};
    for (std::size_t c = 0; c < 4; ++c) area_[c]->setText(QString::number(corners[c]));
}

void ModeParameterPage::extraLampPicked(std::uint32_t lamp, PickKind pick) {
    loadExtraBuffers();
    UintList& lamps = ctx_.extra.lamps;
    std::erase(lamps, kNoLampsMarker);
    const auto found = std::find(lamps.begin(), lamps.end(), lamp);
    if (pick == PickKind::ExtraAdd && found == lamps.end()) lamps.push_back(lamp);
    if (pick == PickKind::ExtraDelete && found != lamps.end()) lamps.erase(found);
}

void ModeParameterPage::commit() {
    activate();  // "&OK" commits the fields as shown for the current mode
    if (!field(ParamField::LayerCode)->hasAcceptableInput()) {
        field(ParamField::LayerCode)->setFocus();  // 0..50 only
        return;
    }
    settleHoldTime();
    std::vector<std::size_t> selected;
    if (ctx_.selectedModes) selected = ctx_.selectedModes();
    const ModeList& modes = ctx_.document.layout().effects.modes;
    SupplementaryBuffer extra =
        ctx_.extraLoaded
            ? ctx_.extra
            : SupplementaryBuffer{ctx_.state.current.extraLamps, ctx_.state.current.extraRect};
    const ModeCommit c =
        commitMode(ctx_.state, values(), ctx_.cellSize, extra, std::move(selected), modes.size());
    ctx_.state.current = c.mode;
    switch (c.action) {
        case CommitAction::Replace:
            ctx_.document.apply(std::make_unique<ReplaceModeEdit>(c.replaceIndex, c.mode));
            break;
        case CommitAction::Append:
            ctx_.document.apply(InsertModeEdit::append(ctx_.document.layout(), c.mode));
            break;
        case CommitAction::Insert:
            ctx_.document.apply(
                std::make_unique<InsertModeEdit>(c.insertPositions, c.mode, "ID_UNDO_MODE_INSERT"));
            break;
        case CommitAction::None: break;
    }
    // The interned lists belong to the tables now; the buffers start afresh.
    ctx_.extra = {};
    ctx_.extraLoaded = false;
    ctx_.lampBuffer.clear();
    ctx_.groupBuffer.clear();
    ctx_.state.endCommit();
    ctx_.parameterPrepared = false;
    for (QLineEdit* e : columns_) {
        if (e != nullptr) e->setReadOnly(false);
    }
    if (ctx_.committed) ctx_.committed();
}

}  // namespace vx
