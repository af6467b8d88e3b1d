#pragma once
// A numeric edit field with a spin button: the text holds one number inside
// the model's range, a keystroke that would break that is undone, and the
// arrows step the value by the model's delta, stopping at the maximum.

#include <QWidget>

#include "effects/num_edit_model.h"

class QLineEdit;
class QToolButton;

namespace vx {

class NumField : public QWidget {
    Q_OBJECT
public:
    explicit NumField(QWidget* parent = nullptr);

    NumEditModel& model() { return model_; }
    float value() const { return model_.value(); }
    bool setValue(float v);
    // Steps as the spin button does (negative: down).
    void spin(int clicks);

    QLineEdit* edit() const { return edit_; }

private:
    void edited(const QString& text);

    NumEditModel model_;
    SpinPosition position_;
    QLineEdit* edit_;
};

}  // namespace vx
