#pragma once
// The controller side of the effect window: Create Data compiles the effects
// and reports the tables they make and how full they are, Create Bin File
// builds the firmware image, Output CSTGRP.h / Output GETPTN.c write single
// tables, and Write To Controller starts the programming tool.

#include "app/ui/commands/app_command_context.h"
#include "base/commands/command_handler.h"

namespace vx {

// Enabled while the active window shows a layout document.
class LayoutDocumentCommand : public CommandHandler<AppCommandContext> {
public:
    bool enabled(const AppCommandContext& c) const override {
        return c.activeDocument() != nullptr;
    }
};

// 31772: compiles the effects, builds the controller tables and shows what
// they hold, with the message of each table that is over its limit.
class CreateEffectDataCommand : public LayoutDocumentCommand {
public:
    bool run(AppCommandContext& c) override;
};

// 32843: the Create BIN File dialog over the active layout.
class CreateBinFileCommand : public LayoutDocumentCommand {
public:
    bool run(AppCommandContext& c) override;
};

enum class TableOutput { ClusterTables, Accessors };

// Output CSTGRP.h and Output GETPTN.c.
class OutputTableCommand : public LayoutDocumentCommand {
public:
    explicit OutputTableCommand(TableOutput which) : which_(which) {}
    bool run(AppCommandContext& c) override;

private:
    TableOutput which_;
};

// 32844: the Select Program dialog with the layout's newest image.
class WriteToControllerCommand : public CommandHandler<AppCommandContext> {
public:
    bool enabled(const AppCommandContext&) const override { return true; }
    bool run(AppCommandContext& c) override;
};

}  // namespace vx
