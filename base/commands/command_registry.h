#pragma once
// The handlers of a program's user commands, by command id. A handler written
// against a narrower context (a subsystem's) is registered as it is: the
// registry hands it the program's context, which provides that one.

#include <map>
#include <memory>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "base/commands/command_handler.h"

namespace vx {

template <class Context>
class CommandRegistry {
public:
    // Registers `handler` for `id`. One id may stand for different commands
    // in different windows (a language in every window, a program group in
    // the demo window): a later registration of the id serves it wherever
    // that handler is enabled, the earlier ones everywhere else.
    template <class SubContext>
    void add(int id, std::unique_ptr<CommandHandler<SubContext>> handler) {
        static_assert(std::is_base_of_v<SubContext, Context>);
        std::unique_ptr<CommandHandler<Context>> wide;
        if constexpr (std::is_same_v<SubContext, Context>) {
            wide = std::move(handler);
        } else {
            wide = std::make_unique<Narrowing<SubContext>>(std::move(handler));
        }
        auto& slot = handlers_[id];
        slot = slot ? std::make_unique<Alternatives>(std::move(wide), std::move(slot))
                    : std::move(wide);
    }

    // Makes a `Handler` from `args` and registers it for `id`.
    template <class Handler, class... Args>
    void emplace(int id, Args&&... args) {
        using SubContext = typename Handler::ContextType;
        add<SubContext>(id, std::unique_ptr<CommandHandler<SubContext>>(
                                std::make_unique<Handler>(std::forward<Args>(args)...)));
    }

    // The handler of `id`, or null when the command is not carried out.
    CommandHandler<Context>* find(int id) const {
        const auto it = handlers_.find(id);
        return it == handlers_.end() ? nullptr : it->second.get();
    }

    std::vector<int> ids() const {
        std::vector<int> out;
        for (const auto& [id, handler] : handlers_) out.push_back(id);
        return out;
    }

private:
    template <class SubContext>
    class Narrowing : public CommandHandler<Context> {
    public:
        explicit Narrowing(std::unique_ptr<CommandHandler<SubContext>> inner)
            : inner_(std::move(inner)) {}
        bool enabled(const Context& c) const override { return inner_->enabled(c); }
        bool run(Context& c) override { return inner_->run(c); }
        bool checkable() const override { return inner_->checkable(); }
        bool checked(const Context& c) const override { return inner_->checked(c); }
        std::string_view detailKey(const Context& c) const override { return inner_->detailKey(c); }

    private:
        std::unique_ptr<CommandHandler<SubContext>> inner_;
    };

    // Two handlers of one id: `first` where it is enabled, else `second`.
    class Alternatives : public CommandHandler<Context> {
    public:
        Alternatives(std::unique_ptr<CommandHandler<Context>> first,
                     std::unique_ptr<CommandHandler<Context>> second)
            : first_(std::move(first)), second_(std::move(second)) {}
        bool enabled(const Context& c) const override { return pick(c).enabled(c); }
        bool run(Context& c) override { return pick(c).run(c); }
        bool checkable() const override { return first_->checkable() || second_->checkable(); }
        bool checked(const Context& c) const override { return pick(c).checked(c); }
        std::string_view detailKey(const Context& c) const override { return pick(c).detailKey(c); }

    private:
        CommandHandler<Context>& pick(const Context& c) const {
            return first_->enabled(c) ? *first_ : *second_;
        }
        std::unique_ptr<CommandHandler<Context>> first_;
        std::unique_ptr<CommandHandler<Context>> second_;
    };

    std::map<int, std::unique_ptr<CommandHandler<Context>>> handlers_;
};

}  // namespace vx
