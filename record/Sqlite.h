#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "rules/Error.h"

struct sqlite3;
struct sqlite3_stmt;

namespace corvalen::sqlite {

// A value bound to a statement parameter; std::nullopt binds NULL.
using Null = std::nullopt_t;

// A prepared statement that finalizes itself. Values are bound as parameters ?1, ?2, ...,
// never spliced into the SQL text. A failure is kept as a message, never thrown.
class Statement {
public:
    Statement() = default;
    Statement(sqlite3 *db, std::string_view sql);
    Statement(Statement &&other) noexcept;
    Statement &operator=(Statement &&other) noexcept;
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;
    ~Statement();

    // Binds the values to ?1.. in order (integers, text, std::nullopt) and returns *this.
    template <typename... Values> Statement &Bind(const Values &...values)
    {
        int index = 0;
        (BindOne(++index, values), ...);
        return *this;
    }

    // Runs the statement one step: true while a result row is ready. False at its end and on a
    // failure, which Failed() then reports.
    bool Step();
    // Runs the statement to its end; false on a failure.
    bool Run();
    // Makes the statement ready to run again with new values.
    void Reset();

    bool IsNull(int column) const;
    int64_t Int(int column) const;
    std::string Text(int column) const;

    bool Failed() const { return !mError.empty(); }
    const std::string &Error() const { return mError; }

private:
    void BindOne(int index, int64_t value);
    void BindOne(int index, int value) { BindOne(index, static_cast<int64_t>(value)); }
    void BindOne(int index, std::string_view text);
    void BindOne(int index, const std::string &text) { BindOne(index, std::string_view(text)); }
    void BindOne(int index, const char *text) { BindOne(index, std::string_view(text)); }
    void BindOne(int index, Null);
    void Check(int result);

    sqlite3 *mDb = nullptr;
    sqlite3_stmt *mStatement = nullptr;
    std::string mError;
};

// One connection to a database file, closed when it goes.
class Connection {
public:
    // Opens `path` read-only or for reading and writing (never creating it: the file must
    // exist), with a busy timeout so that a second process waits for a short write instead
    // of failing. SQLite's reason when it cannot be opened.
    static Outcome<std::unique_ptr<Connection>> Open(
        const std::string &path, bool readOnly, int busyTimeoutMs);
    // Opens `path` read-only as a file nothing else changes: without locks, and without the
    // -wal and -shm files a read-only open of a WAL database makes and leaves behind.
    static Outcome<std::unique_ptr<Connection>> OpenImmutable(const std::string &path);
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    Statement Prepare(std::string_view sql) { return Statement(mDb, sql); }
    // Runs SQL without parameters (several statements allowed, stopping at the first that
    // fails); the failure, if any.
    std::optional<corvalen::Error> Execute(const char *sql);
    int64_t LastInsertId() const;
    // The rows the last INSERT, UPDATE or DELETE changed.
    int64_t Changes() const;
    // True while a transaction is open: false again once SQLite rolled one back by itself.
    bool InTransaction() const;

private:
    explicit Connection(sqlite3 *db)
        : mDb(db)
    {
    }
    sqlite3 *mDb;
};

// A change that is whole or not at all. A writing transaction starts with BEGIN IMMEDIATE: it
// takes the write lock at once (waiting up to the busy timeout), so two processes never both
// read and then fail to write. Every step of the change goes through the transaction: after the
// first failed step no further statement runs, and the transaction is rolled back at once.
// SQLite may have rolled it back by itself already (FULL, IOERR, NOMEM, BUSY, or RAISE(ROLLBACK)
// in a trigger); a statement run after that would commit on its own, so none is. A COMMIT that
// fails is rolled back too.
class Transaction {
public:
    Transaction(Connection &connection, bool write);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    // True while the transaction began and no step failed.
    bool Ok() const { return !mFailed; }
    // Empty while Ok(), else the first failure (empty too when SQLite gave no reason).
    const std::string &Error() const { return mError; }
    // Runs `statement` to its end unless a step failed before; false once any step failed.
    bool Run(Statement &statement);
    // Runs SQL without parameters unless a step failed before; false once any step failed.
    bool Execute(const char *sql);
    // Takes note of a query that stopped stepping: false once it or any step before failed.
    bool Check(const Statement &statement);
    // Commits when every step succeeded; else (or when COMMIT fails) rolls back and answers
    // the reason.
    std::optional<corvalen::Error> Commit();

private:
    void Fail(const std::string &why);

    Connection &mConnection;
    bool mOpen = false;
    bool mFailed = false;
    std::string mError;
};

} // namespace corvalen::sqlite
