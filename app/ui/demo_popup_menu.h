#pragma once
// The demo view's pop-up menu (113), built from its menu table: texts from
// the language table, each entry enabled, checkable and checked as its
// command's handler says.

#include <functional>

#include "app/ui/commands/register_commands.h"

class QMenu;
class QWidget;

namespace vx {

// Builds the pop-up menu for the state `context` shows; a chosen entry calls
// `run` with its command id.
QMenu* buildDemoPopupMenu(QWidget* parent, const AppCommandRegistry& commands,
                          const AppCommandContext& context, std::function<void(int)> run);

}  // namespace vx
