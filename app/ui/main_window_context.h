#pragma once
// The main window as the commands see it: the services of AppCommandContext,
// each carried out through the main window's public operations.

#include "app/ui/commands/app_command_context.h"

namespace vx {

class MainWindow;

class MainWindowContext final : public AppCommandContext {
public:
    explicit MainWindowContext(MainWindow& window) : window_(window) {}

    DocumentWindow* activeDocumentWindow() const override;
    QString text(std::string_view key) const override;
    const LanguageTable& languageTable() const override;
    AppState& appState() override;
    const AppState& appState() const override;
    bool switchLanguage(Language language) override;

    QWidget* dialogParent() override;
    QString askOpenName(const QString& filter) override;
    QString askSaveName(const QString& filter) override;
    std::optional<LiveOutputChoice> askLiveOutput(const LiveOutputChoice& current) override;
    QString askDocumentType(const QStringList& types) override;
    void showMessage(const QString& message) override;
    void showStatus(const QString& message) override;
    bool openInShell(const QString& target) override;
    std::optional<int> askEffectCellSize(int current) override;

    DocumentWindow* newLayout() override;
    DocumentWindow* newDemo() override;
    DocumentWindow* openDemoWindow(std::shared_ptr<DemoDocument> demo) override;
    DocumentWindow* openFile(const std::filesystem::path& path) override;
    bool closeDocument(const std::shared_ptr<LayoutDocument>& document) override;
    bool saveDocument(LayoutDocument& document, bool askName) override;
    void writePortTableFor(const LayoutDocument& document) override;
    DocumentWindow* openEffectWindow(std::shared_ptr<LayoutDocument> document,
                                     const QString& title) override;
    void openWindowLike(const DocumentWindow& window) override;
    void startWizard() override;
    void arrangeWindows(WindowArrangement arrangement) override;

    bool barShown(FrameBar bar) const override;
    void setBarShown(FrameBar bar, bool shown) override;
    void closeProgram() override;

private:
    MainWindow& window_;
};

}  // namespace vx
