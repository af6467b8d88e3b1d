#pragma once
// File > Print, Print Preview and Print Setup for the active layout: fixed
// pages of 50 x 76 cells. Printing to PDF needs no printer.

#include <memory>

#include "app/ui/commands/app_command_context.h"
#include "base/commands/command_handler.h"

class QPrinter;

namespace vx {

enum class PrintAction { Print, Preview, Setup };

// The printer and page setup the three commands share, made when first used.
class SharedPrinter {
public:
    SharedPrinter();
    ~SharedPrinter();
    QPrinter& get();

private:
    std::unique_ptr<QPrinter> printer_;
};

class PrintCommand : public CommandHandler<AppCommandContext> {
public:
    PrintCommand(PrintAction action, std::shared_ptr<SharedPrinter> printer)
        : action_(action), printer_(std::move(printer)) {}
    bool enabled(const AppCommandContext& c) const override {
        return c.activeLayoutView() != nullptr;
    }
    bool run(AppCommandContext& c) override;

private:
    PrintAction action_;
    std::shared_ptr<SharedPrinter> printer_;
};

}  // namespace vx
