#pragma once
// The Insert Position dialog (209): the chain place the next inserted lamp
// takes, from 1.

#include <QDialog>

class QSpinBox;

namespace vx {

class InsertPositionDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialog = 209;
    static constexpr int kPositionLabel = 1137;

    explicit InsertPositionDialog(QWidget* parent = nullptr);
    int position() const;
    QSpinBox* positionField() const { return position_; }

private:
    QSpinBox* position_;
};

}  // namespace vx
