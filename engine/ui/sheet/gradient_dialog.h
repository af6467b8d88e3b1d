#pragma once
// "Insert Color Group": two end colours, the number of colours (2..1000),
// the shape (linear unless "Change by si&n" or "Change by &cos" is checked)
// and whether the colours are inserted at the selected entry.

#include <QDialog>

#include <optional>

#include "engine/ui/sheet/sheet_context.h"

class QCheckBox;
class QRadioButton;

namespace vx {

class NumField;

class GradientDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialog = 174;

    GradientDialog(SheetContext& context, QWidget* parent = nullptr);

    std::optional<Rgb> start;
    std::optional<Rgb> end;
    NumField* steps() const { return steps_; }
    QRadioButton* sinButton() const { return sin_; }
    QRadioButton* cosButton() const { return cos_; }
    QCheckBox* insertBox() const { return insert_; }
    GradientShape shape() const;

private:
    SheetContext& ctx_;
    NumField* steps_;
    QRadioButton* sin_;
    QRadioButton* cos_;
    QCheckBox* insert_;
};

}  // namespace vx
