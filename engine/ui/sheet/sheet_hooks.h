#pragma once
// The hooks a sheet uses in the running program: message boxes with the
// language table's texts, the platform colour dialog, modal exec().

#include "engine/ui/sheet/sheet_context.h"

class QWidget;

namespace vx {

SheetHooks desktopSheetHooks(QWidget* parent, const LanguageTable& table);

}  // namespace vx
