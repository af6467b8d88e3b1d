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
    // Registers `handler` for `id`; a later registration of the same id
    // replaces the earlier one.
    template <class SubContext>
    void add(int id, std::unique_ptr<CommandHandler<SubContext>> handler) {
        static_assert(std::is_base_of_v<SubContext, Context>);
        if constexpr (std::is_same_v<SubContext, Context>) {
            handlers_[id] = std::move(handler);
        } else {
            handlers_[id] = std::make_unique<Narrowing<SubContext>>(std::move(handler));
        }
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
        std::string_view detailKey(const Context& c) const override {
            return inner_->detailKey(c);
        }

    private:
        std::unique_ptr<CommandHandler<SubContext>> inner_;
    };

    std::map<int, std::unique_ptr<CommandHandler<Context>>> handlers_;
};

}  // namespace vx
