#pragma once
// One user command: whether it can run in the current context and what it
// does. `Context` is the set of services the command needs (the active
// document and views, dialogs, language texts); a subsystem declares its own
// context and the program's context provides all of them.

#include <string_view>

namespace vx {

template <class Context>
class CommandHandler {
public:
    using ContextType = Context;
    virtual ~CommandHandler() = default;

    virtual bool enabled(const Context& context) const = 0;
    // Carries the command out; false when it did not happen (cancelled,
    // refused), which menus ignore and tests check.
    virtual bool run(Context& context) = 0;

    // A command shown with a check mark (a mode, a toggle, a zoom level).
    virtual bool checkable() const { return false; }
    virtual bool checked(const Context& context) const {
        (void)context;
        return false;
    }
    // A language key naming what the command would act on now (the step
    // Undo would take back); its text follows the command's own. Empty for
    // none.
    virtual std::string_view detailKey(const Context& context) const {
        (void)context;
        return {};
    }
};

}  // namespace vx
