#pragma once
// What the program knows for its whole run: where its data lies, where it
// writes its files, the language in use and what the last Transfer Data handed over.

#include <cstddef>
#include <filesystem>

#include "platform/language/language_state.h"

namespace vx {

struct AppState {
    std::filesystem::path baseFolder;    // language tables, settings, help pages
    std::filesystem::path settingsFile;  // Setting.ini
    // The folder the program started in: cport.h, the controller files and
    // the built images go there.
    std::filesystem::path workFolder;
    LanguageState language;
    std::size_t transferredLampCount = 0;  // read by the firmware build
    bool mainWindowShown = false;
};

}  // namespace vx
