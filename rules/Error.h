#pragma once

#include <string>
#include <utility>
#include <variant>

namespace corvalen {

// Why something asked for did not happen, as facts: its kind, the reason as the system or
// SQLite gave it, the thing it concerns and the file it happened in. The wording above makes
// the sentence.
struct Error {
    enum class Kind {
        Failed, // the work could not be done; `message` says why (empty: unknown)
        NotFound, // what was asked for does not exist: `subject` (a game's number)
        NothingToChange, // nothing matched, or it stands as asked already
        NoSuchFile,
        CannotCreate, // the file could not be made: `message`
        CannotMakeFolder, // `subject` could not be made: `message`
        NoGamesYet, // an empty record, opened only to read
        Unreadable,
        NewerVersion, // written by a newer version of the program: `subject` is its version
        NotARecord, // another program's file, or no database
        CannotDelete, // `subject` could not be deleted: `message`
    };
    Kind kind = Kind::Failed;
    std::string message;
    std::string subject;
    std::string file; // the file it happened in; empty when the subject names it

    static Error Failure(std::string why) { return { Kind::Failed, std::move(why), {}, {} }; }
    static Error Of(Kind kind, std::string subject = {}, std::string why = {})
    {
        return { kind, std::move(why), std::move(subject), {} };
    }
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
