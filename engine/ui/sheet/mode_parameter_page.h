#pragma once
// Page 3, "Mode Parameter": timing, scope and label of the current mode, the
// fields locked per kind, the hold-time rule, and "&OK", which commits the
// mode to the ModeList as one undoable step.

#include <QWidget>

#include <array>

#include "effects/parameter_rules.h"
#include "engine/ui/sheet/sheet_context.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vx {

class ModeParameterPage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDialog = 112;

    ModeParameterPage(SheetContext& context, QWidget* parent = nullptr);

    // Fills the fields from the current mode and applies its kind's rules,
    // once per mode (on the first visit after "&Add", "&Insert" or "&Edit").
    void activate();
    // "&OK".
    void commit();

    // A point or rectangle picked on the effect view, in view pixels.
    void pointPicked(int x, int y);
    void areaPicked(int left, int top, int right, int bottom);
    // A lamp clicked for the supplementary scope, and the rectangle dragged.
    void extraLampPicked(std::uint32_t lamp, PickKind pick);

    QLineEdit* field(ParamField f) const;
    QComboBox* wordColorBox() const { return wordColor_; }
    QLabel* columnLabel(std::size_t column) const { return labels_[column]; }
    QLineEdit* labelEdit() const { return label_; }
    QLineEdit* areaField(int corner) const { return area_[static_cast<std::size_t>(corner)]; }
    QLineEdit* startField(int axis) const { return start_[static_cast<std::size_t>(axis)]; }
    bool isLocked(ParamField f) const;

private:
    void applyRules();
    void fill(const ParameterValues& v);
    ParameterValues values() const;
    void timingEdited();
    void settleHoldTime();
    void loadExtraBuffers();

    SheetContext& ctx_;
    HoldTimeRule hold_;
    std::array<QLineEdit*, kParamColumnCount> columns_{};  // the value fields, WordColorMode unused
    std::array<QLabel*, kParamColumnCount> labels_{};
    QComboBox* wordColor_;
    std::array<QLineEdit*, 2> start_{};
    std::array<QLineEdit*, 4> area_{};
    QLineEdit* label_;
    QPushButton* startButton_;
    QPushButton* areaButton_;
    QPushButton* extraAdd_;
    QPushButton* extraDelete_;
};

}  // namespace vx
