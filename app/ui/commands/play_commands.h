#pragma once
// Partial, Parallel and Sequential Play from the effect window: compile the
// effect data and hand it to a new demo window, which plays it once Start
// (or a program group) leaves its picture-adjust mode.

#include "app/ui/commands/app_command_context.h"
#include "base/commands/command_handler.h"
#include "engine/compile/compile_effects.h"
#include "engine/ui/effect_view.h"
#include "engine/ui/sheet/mode_sheet_dialog.h"

namespace vx {

class PlayCommand : public CommandHandler<AppCommandContext> {
public:
    // PlayState 1 (sequential), 2 (parallel) or 3 (partial).
    explicit PlayCommand(std::int32_t playState) : playState_(playState) {}

    bool enabled(const AppCommandContext& c) const override {
        return c.activeEffectView() != nullptr;
    }
    bool run(AppCommandContext& c) override {
        EffectView* view = c.activeEffectView();
        const LampLayout& layout = view->document().layout();
        CompiledEffects compiled = compileEffects(layout);
        // Partial play runs from "&Start Mode" to "End &Mode" of the view's
        // sheet; a mark not set takes the first (last) mode.
        std::size_t first = 0;
        std::size_t last = compiled.modes.empty() ? 0 : compiled.modes.size() - 1;
        if (auto* sheet = view->findChild<ModeSheetDialog*>()) {
            const ModeSheetState& marks = sheet->context().state;
            first = marks.previewStart.value_or(first);
            last = marks.previewEnd.value_or(last);
            sheet->hide();  // the pages close while the demo plays
        }
        auto demo = std::make_shared<DemoDocument>(layout.lamps, std::move(compiled), playState_,
                                                   first, last);
        demo->setSource(c.activeDocument());
        return c.openDemoWindow(std::move(demo)) != nullptr;
    }

private:
    std::int32_t playState_;
};

}  // namespace vx
