#pragma once
// Start-up of the desktop program: data folder, settings, language table,
// main window, the file named on the command line (else a new layout), the
// window shown maximised with the menu texts of the language.

#include <memory>
#include <optional>
#include <string>

#include "platform/data_folder.h"

namespace vx {

class DesktopDialogs;
class MainWindow;

struct StartupOptions {
    FolderEnvironment environment;
    std::optional<std::string> file;  // named on the command line
    // The main window's questions and notes, from start-up on; null for the
    // standard dialogs. Tests answer them instead.
    std::shared_ptr<DesktopDialogs> dialogs;
};

// The main window, or null when start-up ends the program: the language
// table is missing ("Can not find language file!" has been shown then), or
// the named file could not be opened (its message has been shown).
std::unique_ptr<MainWindow> startApplication(const StartupOptions& options);

}  // namespace vx
