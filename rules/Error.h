#pragma once

#include <string>
#include <utility>
#include <variant>

namespace corvalen {

// Why something asked for did not happen: its kind, and for a failure the reason in words.
struct Error {
    enum class Kind {
        Failed, // the work could not be done; `message` says why
        NotFound, // what was asked for does not exist (an unknown game); `message` names it
        NothingToChange, // nothing matched, or it stands as asked already; no message
    };
    Kind kind = Kind::Failed;
    std::string message;

    static Error Failure(std::string why) { return { Kind::Failed, std::move(why) }; }
    bool IsFailure() const { return kind != Kind::NothingToChange; }
};

// A value, or the Error why there is none.
template <typename T> class Outcome {
public:
    Outcome(T value)
        : mValue(std::move(value))
    {
    }
    Outcome(Error error)
        : mValue(std::move(error))
    {
    }

    bool HasValue() const { return mValue.index() == 0; }
    explicit operator bool() const { return HasValue(); }
    T &operator*() { return std::get<0>(mValue); }
    const T &operator*() const { return std::get<0>(mValue); }
    T *operator->() { return &std::get<0>(mValue); }
    const T *operator->() const { return &std::get<0>(mValue); }
    // The error; only when there is no value.
    const Error &Why() const { return std::get<1>(mValue); }

private:
    std::variant<T, Error> mValue;
};

} // namespace corvalen
