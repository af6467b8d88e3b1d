#pragma once
// A frame routine as a resumable coroutine. It runs until it waits, hands the
// wait to whoever resumes it, and is resumed when that time has passed on the
// clock. Nothing in it knows about threads or wall time, so one scheduler can
// play any number of routines side by side.

#include <coroutine>
#include <cstdint>
#include <exception>
#include <optional>
#include <utility>

namespace vx {

class Routine {
public:
    struct promise_type {
        std::uint64_t pendingWait = 0;

        Routine get_return_object() {
            return Routine{std::coroutine_handle<promise_type>::from_promise(*this)};
        }
        std::suspend_always initial_suspend() noexcept { return {}; }
        std::suspend_always final_suspend() noexcept { return {}; }
        void return_void() noexcept {}
        void unhandled_exception() noexcept { std::terminate(); }
    };

    Routine() = default;
    Routine(Routine&& other) noexcept : handle_(std::exchange(other.handle_, {})) {}
    Routine& operator=(Routine&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, {});
        }
        return *this;
    }
    Routine(const Routine&) = delete;
    Routine& operator=(const Routine&) = delete;
    ~Routine() { reset(); }

    // Runs the routine up to its next wait and returns that wait in ms, or
    // nothing once it has ended. Resuming an ended routine returns nothing.
    std::optional<std::uint64_t> resume() {
        if (!handle_ || handle_.done()) return std::nullopt;
        handle_.resume();
        if (handle_.done()) return std::nullopt;
        return handle_.promise().pendingWait;
    }

    bool done() const { return !handle_ || handle_.done(); }

    // Ends the routine where it stands: its frame is destroyed at its current
    // wait, and whatever it painted stays painted.
    void reset() {
        if (handle_) handle_.destroy();
        handle_ = {};
    }

private:
    explicit Routine(std::coroutine_handle<promise_type> handle) : handle_(handle) {}
    std::coroutine_handle<promise_type> handle_;
};

// What `co_await surface.wait(ms)` suspends on. A wait of 0 ms does not
// suspend: the routine simply goes on at the same millisecond.
struct WaitFor {
    std::uint64_t ms = 0;

    bool await_ready() const noexcept { return ms == 0; }
    void await_suspend(std::coroutine_handle<Routine::promise_type> h) const noexcept {
        h.promise().pendingWait = ms;
    }
    void await_resume() const noexcept {}
};

}  // namespace vx
