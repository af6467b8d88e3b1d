#include "app/ui/startup.h"

#include "app/language/language_settings.h"
#include "app/language/language_state.h"
#include "app/language/languages.h"
#include "app/ui/desktop_dialogs.h"
#include "app/ui/main_window.h"

namespace vx {

std::unique_ptr<MainWindow> startApplication(const StartupOptions& options) {
    const auto dialogs = options.dialogs ? options.dialogs : std::make_shared<DesktopDialogs>();

    AppState state;
    state.baseFolder = findDataFolder(options.environment);
    state.settingsFile = settingsFilePath(state.baseFolder, options.environment);
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
