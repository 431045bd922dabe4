#pragma once

// The answer of an operation whose failures the caller reports rather than catches: a value, or
// a message that says what failed and to which file ("cannot open registry /x/registry.db: ...").

#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace platform {

struct Failure {
    std::string message;
};

template <typename T> class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Result(Failure failure) : state_(std::in_place_index<1>, std::move(failure)) {}

    [[nodiscard]] bool Ok() const { return state_.index() == 0; }
    explicit operator bool() const { return Ok(); }

    // Asking a failed result for its value is a programming error (std::bad_variant_access).
    [[nodiscard]] T& Value() & { return std::get<0>(state_); }
    [[nodiscard]] const T& Value() const& { return std::get<0>(state_); }
    [[nodiscard]] T&& Value() && { return std::get<0>(std::move(state_)); }

    // Empty for a successful result.
    [[nodiscard]] const std::string& Error() const {
        static const std::string none;
        return Ok() ? none : std::get<1>(state_).message;
    }

private:
    std::variant<T, Failure> state_;
};

// A result without a value.
class [[nodiscard]] Status {
public:
    Status() = default;
    Status(Failure failure) : error_(std::move(failure.message)) {}

    [[nodiscard]] bool Ok() const { return !error_; }
    explicit operator bool() const { return Ok(); }

    // Empty for a successful status.
    [[nodiscard]] const std::string& Error() const {
        static const std::string none;
        return error_ ? *error_ : none;
    }

private:
    std::optional<std::string> error_;
};

} // namespace platform
