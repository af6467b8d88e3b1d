#include "app/wizard/wizard_shape.h"

namespace vx {
namespace {

std::int32_t clampCount(std::int64_t value) {
    return value < 1 || value > kWizardMaxCount ? 1 : static_cast<std::int32_t>(value);
}

}  // namespace

WizardShape editWizardColumns(WizardShape shape, std::int64_t columns) {
    shape.columns = clampCount(columns);
    shape.rows = clampCount(shape.rows);
    if (shape.columns == 1 && shape.rows == 1) shape.columns = 2;
    return shape;
}

WizardShape editWizardRows(WizardShape shape, std::int64_t rows) {
    shape.rows = clampCount(rows);
    shape.columns = clampCount(shape.columns);
    if (shape.columns == 1 && shape.rows == 1) shape.rows = 2;
    return shape;
}

std::int32_t wizardTotal(const WizardShape& shape) {
    if (shape.fill) return shape.columns * shape.rows;
    return (shape.columns + shape.rows) * 2 - 4;
}

}  // namespace vx
