#pragma once
// Errors cross module boundaries as values. An Error names a message key that
// the user interface looks up in the language tables, plus an English detail
// for logs, the command-line tool and tests.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace vx {

struct Error {
    std::string key;                        // message key, e.g. "ERR_LAYOUT_TRUNCATED"
    std::string detail;                     // English sentence naming what is wrong
    std::optional<std::uint64_t> offset{};  // byte offset in a file, when known

    // "detail (at byte N)" — the form shown by the command-line tool.
    std::string describe() const;
};

template <class T>
class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::move(value)) {}      // NOLINT(google-explicit-constructor)
    Result(Error error) : state_(std::move(error)) {}  // NOLINT(google-explicit-constructor)

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }

    T& value() & { return std::get<0>(state_); }
    const T& value() const& { return std::get<0>(state_); }
    T&& value() && { return std::get<0>(std::move(state_)); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }

    const Error& error() const { return std::get<1>(state_); }

private:
    std::variant<T, Error> state_;
};

// Result of an operation that yields nothing but success or an error.
class [[nodiscard]] Status {
public:
    Status() = default;
    Status(Error error) : error_(std::move(error)) {}  // NOLINT(google-explicit-constructor)

    bool ok() const { return !error_.has_value(); }
    explicit operator bool() const { return ok(); }
    const Error& error() const { return *error_; }

private:
    std::optional<Error> error_;
};

}  // namespace vx
