#pragma once
// The "ZOOM" dialog (173): one cell size with a spin button, 1 to 20.

#include <optional>

class QWidget;

namespace vx {

class LanguageTable;

// The value entered, or nothing on Cancel. The caller judges the value.
std::optional<int> askCellSize(QWidget* parent, int current, const LanguageTable& table);

}  // namespace vx
