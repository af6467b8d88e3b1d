#pragma once
// Output CSTGRP.h and Output GETPTN.c: one controller table of the active
// layout written on its own.

#include "app/ui/commands/layout_document_command.h"

namespace vx {

enum class TableOutput { ClusterTables, Accessors };

class OutputTableCommand : public LayoutDocumentCommand {
public:
    explicit OutputTableCommand(TableOutput which) : which_(which) {}
    bool run(AppCommandContext& c) override;

private:
    TableOutput which_;
};

}  // namespace vx
