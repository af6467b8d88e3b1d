#pragma once
// Building every generated list from the compiled effects, and writing
// DSPPTN.H and CSTGRP.h into a folder the way the firmware build needs them.

#include <filesystem>
#include <vector>

#include "base/result.h"
#include "engine/compiled_effects.h"
#include "output/tables/table_texts.h"

namespace vx {

struct TableBuild {
    TableTexts texts;
    // Table families refused for their size, in the order the builders ran.
    // A refused family's list stays empty and the files are written without it.
    std::vector<Error> refused;
};

// Runs the ShowPattern, CstGroup, Cst_GroupGroup, Color_Group and accessor
// builders and records the three table counts.
TableBuild buildTableTexts(const CompiledEffects& compiled);

// Writes DSPPTN.H (output mode 1) and then CSTGRP.h (output mode 2) into
// `folder`. Returns the messages to show, in order: the size refusals, and
// "MODETESTDOC_ONOUTTEXT_FTCD" when DSPPTN.H cannot be written. CSTGRP.h is
// attempted in any case; its failure is not reported.
std::vector<Error> writeTableFiles(const TableBuild& build, const std::filesystem::path& folder);

// Writes the lists of one output mode to a file the user chose (the "Output
// CSTGRP.h" and "Output GETPTN.c" commands). Mode Normal writes nothing.
Status writeTableFile(const TableTexts& texts, OutputMode mode, const std::filesystem::path& path);

}  // namespace vx
