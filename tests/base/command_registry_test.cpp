// One id may stand for different commands in different windows: the handler
// registered last serves where it is enabled, the earlier ones elsewhere.

#include "base/commands/command_registry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vx {
namespace {

struct WindowContext {  // a subsystem's narrow context
    int window = 0;
};
struct ProgramContext : WindowContext {};

// Enabled and checked in one window, or enabled in every window for 0.
class WindowCommand : public CommandHandler<WindowContext> {
public:
    WindowCommand(std::string name, int window, std::vector<std::string>& ran)
        : name_(std::move(name)), window_(window), ran_(ran) {}
    bool enabled(const WindowContext& c) const override { return !window_ || c.window == window_; }
    bool run(WindowContext&) override {
        ran_.push_back(name_);
        return true;
    }
    bool checkable() const override { return window_ != 0; }
    bool checked(const WindowContext& c) const override { return c.window == window_; }
    std::string_view detailKey(const WindowContext&) const override { return name_; }

private:
    std::string name_;
    int window_;
    std::vector<std::string>& ran_;
};

TEST(CommandRegistry, ALaterHandlerOfAnIdServesWhereItIsEnabled) {
    std::vector<std::string> ran;
    CommandRegistry<ProgramContext> registry;
    registry.emplace<WindowCommand>(7, "everywhere", 0, ran);
    registry.emplace<WindowCommand>(7, "layout", 1, ran);
    registry.emplace<WindowCommand>(7, "demo", 2, ran);
    registry.emplace<WindowCommand>(9, "demo only", 2, ran);
    EXPECT_TRUE(registry.find(7)->checkable());  // one of its handlers is
    EXPECT_EQ(registry.find(8), nullptr);        // no handler: the command stays disabled
    EXPECT_EQ(registry.ids(), (std::vector<int>{7, 9}));

    struct Case {
        int window;
        const char* served;  // the handler id 7 reaches there
        bool checked;
        bool nineEnabled;
    };
    for (const Case& c : {Case{1, "layout", true, false}, Case{2, "demo", true, true},
                          Case{3, "everywhere", false, false}}) {
        SCOPED_TRACE(c.window);
        ProgramContext context;
        context.window = c.window;
        CommandHandler<ProgramContext>& seven = *registry.find(7);
        EXPECT_TRUE(seven.enabled(context));
        EXPECT_EQ(seven.detailKey(context), c.served);
        EXPECT_EQ(seven.checked(context), c.checked);
        ran.clear();
        EXPECT_TRUE(seven.run(context));
        EXPECT_EQ(ran, std::vector<std::string>{c.served});
        EXPECT_EQ(registry.find(9)->enabled(context), c.nineEnabled);
    }
}

}  // namespace
}  // namespace vx
