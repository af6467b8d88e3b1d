#include "app/ui/startup.h"

#include <filesystem>
#include <system_error>

#include <QMessageBox>

#include "app/ui/desktop_dialogs.h"
#include "app/ui/main_window.h"
#include "platform/language/language_state.h"
#include "platform/language/languages.h"
#include "platform/settings_file.h"

namespace vx {

std::unique_ptr<MainWindow> startApplication(const StartupOptions& options) {
    const auto dialogs = options.dialogs ? options.dialogs : std::make_shared<DesktopDialogs>();

    AppState state;
    state.baseFolder = findDataFolder(options.environment);
    state.settingsFile = SettingsFile::locate(state.baseFolder, options.environment);
    std::error_code ec;
    state.workFolder = std::filesystem::current_path(ec);
    if (ec) state.workFolder = ".";
    auto language = LanguageState::start(state.baseFolder, state.settingsFile);
    if (!language) {
        // No table yet, so the one fixed English text of the program.
        dialogs->showMessage(
            QString::fromUtf8(kMissingLanguageFileMessage.data(),
                              static_cast<qsizetype>(kMissingLanguageFileMessage.size())));
        return nullptr;
    }
    state.language = std::move(language.value());

    auto window = std::make_unique<MainWindow>(std::move(state), dialogs);
    const bool opened =
        options.file ? window->openFile(*options.file) != nullptr : window->newLayout() != nullptr;
    if (!opened) return nullptr;

    window->showMaximized();
    window->appState().mainWindowShown = true;
    window->applyMenuTexts();
    return window;
}

}  // namespace vx
