#pragma once
// Edit > Undo and Edit > Redo on the active document's history. The menu
// entry names the step it would take (its edit's language key).

#include "app/ui/commands/app_command_context.h"
#include "base/commands/command_handler.h"

namespace vx {

enum class HistoryDirection { Undo, Redo };

class UndoRedoCommand : public CommandHandler<AppCommandContext> {
public:
    explicit UndoRedoCommand(HistoryDirection direction) : direction_(direction) {}

    bool enabled(const AppCommandContext& c) const override { return nextStep(c) != nullptr; }
    bool run(AppCommandContext& c) override {
        const auto document = c.activeDocument();
        return direction_ == HistoryDirection::Undo ? document->undo() : document->redo();
    }
    std::string_view detailKey(const AppCommandContext& c) const override {
        const Edit* step = nextStep(c);
        return step != nullptr ? step->textKey() : std::string_view{};
    }

private:
    const Edit* nextStep(const AppCommandContext& c) const {
        const auto document = c.activeDocument();
        if (!document) return nullptr;
        return direction_ == HistoryDirection::Undo ? document->history().nextUndo()
                                                    : document->history().nextRedo();
    }

    HistoryDirection direction_;
};

}  // namespace vx
