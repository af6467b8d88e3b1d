#pragma once
// What Create Data made of a layout's effects, in the words of the language
// in use: the compiled modes, the program groups that play anything, the three
// shared tables with the share of the controller's room each takes, and the
// sizes of the two table files a firmware build writes from them.

#include <functional>
#include <string>

#include "engine/compiled_effects.h"
#include "output/tables/table_files.h"

namespace vx {

// One line per figure, lines ended by "\n", then one line per table family
// refused for its size. `text` gives the language text of a message key.
std::string createDataReport(const CompiledEffects& compiled, const TableBuild& build,
                             const std::function<std::string(const std::string&)>& text);

}  // namespace vx
