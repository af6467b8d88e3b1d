#pragma once
// The Port Edit dialog (176): a port 1 to 12, an insert position 0 to 9998
// and the operation. Add makes only the port editable, insert both, delete
// neither; the spin boxes keep the values inside their ranges.

#include <QDialog>

#include "layout/ports.h"

class QRadioButton;
class QSpinBox;

namespace vx {

class PortEditDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialog = 176;
    static constexpr int kPortLabel = 1100;
    static constexpr int kPositionLabel = 1113;
    static constexpr int kAdd = 1005;
    static constexpr int kInsert = 1006;
    static constexpr int kDelete = 1312;

    explicit PortEditDialog(const PortEditState& state, QWidget* parent = nullptr);

    PortOperation operation() const;
    // The editing state after OK (acceptPortDialog on the state it opened with).
    PortEditState accepted() const;

    QSpinBox* portField() const { return port_; }
    QSpinBox* positionField() const { return position_; }
    QRadioButton* button(PortOperation operation) const;

private:
    void followOperation();

    PortEditState state_;
    QSpinBox* port_;
    QSpinBox* position_;
    QRadioButton* add_;
    QRadioButton* insert_;
    QRadioButton* delete_;
};

}  // namespace vx
