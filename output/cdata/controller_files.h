#pragma once
// Everything the controller build takes from one layout, made in memory:
// "cport.h", DSPPTN.H, CSTGRP.h, GETPTN.c and CData.h. CData.h is read back
// from the other texts exactly as the firmware build reads the files.

#include <filesystem>
#include <string>
#include <vector>

#include "base/result.h"
#include "engine/compiled_effects.h"
#include "layout/lamp_layout.h"
#include "output/tables/table_texts.h"

namespace vx {

struct ControllerFile {
    std::string name;
    std::string text;
};

struct ControllerFiles {
    std::vector<ControllerFile> files;  // cport.h, DSPPTN.H, CSTGRP.h, GETPTN.c, CData.h
    TableTexts texts;
    // Table families refused for their size (their lists are empty), and the
    // rows of DSPPTN.H that CData.h leaves out because they name them.
    std::vector<Error> refused;
    std::size_t leftOutRecords = 0;
};

// Fails only when CData.h cannot be made from the texts.
Result<ControllerFiles> buildControllerFiles(const LampLayout& layout,
                                             const CompiledEffects& compiled,
                                             const std::string& format = "1");

// Writes the files into `folder` (created when missing) as one set
// (platform/file_set.h): two programs writing into one folder at once leave
// one whole set or the other, and on failure no file of the set is left
// changed or half-written.
Status writeControllerFiles(const std::vector<ControllerFile>& files,
                            const std::filesystem::path& folder);

}  // namespace vx
