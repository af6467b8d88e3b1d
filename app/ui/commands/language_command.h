#pragma once
// The Language menu: switches the program to one language. A language whose
// table is missing stays disabled; the one in use carries the check mark.

#include "app/ui/commands/app_command_context.h"
#include "base/commands/command_handler.h"

namespace vx {

class LanguageCommand : public CommandHandler<AppCommandContext> {
public:
    explicit LanguageCommand(Language language) : language_(language) {}

    bool enabled(const AppCommandContext& c) const override {
        return c.appState().language.isEnabled(language_);
    }
    bool run(AppCommandContext& c) override { return c.switchLanguage(language_); }
    bool checkable() const override { return true; }
    bool checked(const AppCommandContext& c) const override {
        return c.appState().language.isChecked(language_);
    }

private:
    Language language_;
};

}  // namespace vx
