#pragma once
// What the program knows for its whole run: where its data lies, the
// language in use and what the last Transfer Data handed over.

#include <cstddef>
#include <filesystem>

#include "platform/language/language_state.h"

namespace vx {

struct AppState {
    std::filesystem::path baseFolder;    // language tables, settings, help pages
    std::filesystem::path settingsFile;  // Setting.ini
    LanguageState language;
    std::size_t transferredLampCount = 0;  // read by the firmware build
    bool mainWindowShown = false;
};

}  // namespace vx
