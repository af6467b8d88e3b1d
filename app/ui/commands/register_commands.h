#pragma once
// The program's user commands and the handler of each.

#include "app/ui/commands/app_command_context.h"
#include "base/commands/command_registry.h"

namespace vx {

using AppCommandRegistry = CommandRegistry<AppCommandContext>;

// Registers every command the program carries out; an id without a handler
// stays disabled.
void registerCommands(AppCommandRegistry& registry);

}  // namespace vx
