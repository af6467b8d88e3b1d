#include "app/ui/commands/controller_preview_command.h"

#include <filesystem>

#include "engine/compile/compile_effects.h"
#include "engine/ui/demo_view.h"
#include "output/twin/twin_image.h"
#include "output/ui/controller_preview_window.h"
#include "platform/tool_folder.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

// The layout document behind the active effect or demo window.
std::shared_ptr<LayoutDocument> sourceDocument(const AppCommandContext& c) {
    if (c.activeEffectView() != nullptr) return c.activeDocument();
    if (const DemoView* demo = c.activeDemoView()) return demo->document().source();
    return nullptr;
}

}  // namespace

bool ControllerPreviewCommand::enabled(const AppCommandContext& c) const {
    return sourceDocument(c) != nullptr;
}

bool ControllerPreviewCommand::run(AppCommandContext& c) {
    const auto document = sourceDocument(c);
    if (!document) return false;
    TwinJob job;
    job.layout = document->layout();
    job.effects = compileEffects(job.layout);
    // The demo's program group when it has modes, else the first that has.
    const DemoView* demo = c.activeDemoView();
    const auto& groups = job.effects.programGroups;
    const auto chosen =
        demo != nullptr ? static_cast<std::size_t>(demo->document().programGroup()) : groups.size();
    job.program = chosen < groups.size() && !groups[chosen].empty()
                      ? chosen
                      : ControllerPreviewWindow::nextProgram(job.effects, groups.size() - 1);
    if (groups[job.program].empty()) {
        c.showMessageKey("ERR_TWIN_PROGRAM");
        return false;
    }
    auto tools = ensureToolFolder();
    if (!tools) {
        c.showMessageKey("CRTBINDLG_ONBINGO_FTCB");
        return false;
    }
    const std::string name =
        document->hasPath() ? document->path().filename().string() : std::string("Edit.led");
    // The newest image built from the saved layout; a layout with unsaved
    // changes, or never saved, is built anew.
    if (document->hasPath() && !document->isModified()) {
        std::error_code ec;
        const auto written = fs::last_write_time(document->path(), ec);
        if (!ec) job.image = newestBuiltImage(c.appState().workFolder, name, written);
    }
    job.build.workFolder = c.appState().workFolder;
    job.build.toolFolder = *tools;
    job.build.documentName = name;
    job.build.text = [&c](const std::string& key) { return c.text(key).toStdString(); };
    auto* window = new ControllerPreviewWindow(c.languageTable(), std::move(job), c.dialogParent());
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return true;
}

}  // namespace vx
