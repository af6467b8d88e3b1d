#pragma once
// File > New in its three forms: the framework's New, which asks for the
// document type by name, and the direct New Layout and New Demo; and Use
// Wizard, whose end opens the layout it made as a new document.

#include "app/ui/commands/app_command_context.h"
#include "base/commands/command_handler.h"

namespace vx {

class NewDocumentCommand : public CommandHandler<AppCommandContext> {
public:
    bool enabled(const AppCommandContext&) const override { return true; }
    bool run(AppCommandContext& c) override {
        const QString type = c.askDocumentType({QStringLiteral("Edit"), QStringLiteral("Text")});
        if (type == QStringLiteral("Edit")) return c.newLayout() != nullptr;
        if (type == QStringLiteral("Text")) return c.newDemo() != nullptr;
        return false;
    }
};

class NewLayoutCommand : public CommandHandler<AppCommandContext> {
public:
    bool enabled(const AppCommandContext&) const override { return true; }
    bool run(AppCommandContext& c) override { return c.newLayout() != nullptr; }
};

class NewDemoCommand : public CommandHandler<AppCommandContext> {
public:
    bool enabled(const AppCommandContext&) const override { return true; }
    bool run(AppCommandContext& c) override { return c.newDemo() != nullptr; }
};

class FileWizardCommand : public CommandHandler<AppCommandContext> {
public:
    bool enabled(const AppCommandContext&) const override { return true; }
    bool run(AppCommandContext& c) override {
        c.startWizard();
        return true;
    }
};

}  // namespace vx
