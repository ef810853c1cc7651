#include "record/Sqlite.h"

#include <sqlite3.h>
#include <utility>

namespace corvalen::sqlite {

Statement::Statement(sqlite3 *db, std::string_view sql)
    : mDb(db)
{
    Check(sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &mStatement, nullptr));
}

Statement::Statement(Statement &&other) noexcept
    : mDb(std::exchange(other.mDb, nullptr))
    , mStatement(std::exchange(other.mStatement, nullptr))
    , mError(std::move(other.mError))
{
}

Statement &Statement::operator=(Statement &&other) noexcept
{
    if (this != &other) {
        sqlite3_finalize(mStatement);
        mDb = std::exchange(other.mDb, nullptr);
        mStatement = std::exchange(other.mStatement, nullptr);
        mError = std::move(other.mError);
    }
    return *this;
}

Statement::~Statement()
{
    sqlite3_finalize(mStatement);
}

void Statement::Check(int result)
{
    if (result != SQLITE_OK && mError.empty())
        mError = mDb ? sqlite3_errmsg(mDb) : sqlite3_errstr(result);
}

void Statement::BindOne(int index, int64_t value)
{
    if (mStatement)
        Check(sqlite3_bind_int64(mStatement, index, value));
}

void Statement::BindOne(int index, std::string_view text)
{
    if (mStatement)
        Check(sqlite3_bind_text(
            mStatement, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT));
}

void Statement::BindOne(int index, Null)
{
    if (mStatement)
        Check(sqlite3_bind_null(mStatement, index));
}

bool Statement::Step()
{
    if (!mStatement || Failed())
        return false;
    const int result = sqlite3_step(mStatement);
    if (result == SQLITE_ROW)
        return true;
    if (result != SQLITE_DONE)
        Check(result);
    return false;
}

bool Statement::Run()
{
    while (Step()) { }
    return !Failed();
}

void Statement::Reset()
{
    if (!mStatement)
        return;
    sqlite3_reset(mStatement);
    sqlite3_clear_bindings(mStatement);
    mError.clear();
}

bool Statement::IsNull(int column) const
{
    return sqlite3_column_type(mStatement, column) == SQLITE_NULL;
}

int64_t Statement::Int(int column) const
{
    return sqlite3_column_int64(mStatement, column);
}

std::string Statement::Text(int column) const
{
    const auto *text = sqlite3_column_text(mStatement, column);
    if (!text)
        return {};
    return { reinterpret_cast<const char *>(text),
        static_cast<size_t>(sqlite3_column_bytes(mStatement, column)) };
}

namespace {

    Outcome<sqlite3 *> OpenDatabase(const std::string &name, int flags)
    {
        sqlite3 *db = nullptr;
        const int result = sqlite3_open_v2(name.c_str(), &db, flags, nullptr);
        if (result == SQLITE_OK)
            return db;
        corvalen::Error error
            = corvalen::Error::Failure(db ? sqlite3_errmsg(db) : sqlite3_errstr(result));
        sqlite3_close(db);
        return error;
    }

} // namespace

Outcome<std::unique_ptr<Connection>> Connection::Open(
    const std::string &path, bool readOnly, int busyTimeoutMs)
{
    const Outcome<sqlite3 *> db
        = OpenDatabase(path, readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE);
    if (!db)
        return db.Why();
    sqlite3_busy_timeout(*db, busyTimeoutMs);
    sqlite3_extended_result_codes(*db, 1);
    return std::unique_ptr<Connection>(new Connection(*db));
}

Outcome<std::unique_ptr<Connection>> Connection::OpenImmutable(const std::string &path)
{
    // A URI file name: every byte that could end the path or start a query escaped.
    std::string uri = "file:";
    for (const char c : path) {
        if (c == '%' || c == '?' || c == '#' || static_cast<unsigned char>(c) < 0x20) {
            static constexpr char Hex[] = "0123456789ABCDEF";
            const auto byte = static_cast<unsigned char>(c);
            uri += { '%', Hex[byte >> 4], Hex[byte & 0x0F] };
        } else {
            uri += c;
        }
    }
    const Outcome<sqlite3 *> db
        = OpenDatabase(uri + "?immutable=1", SQLITE_OPEN_READONLY | SQLITE_OPEN_URI);
    if (!db)
        return db.Why();
    sqlite3_extended_result_codes(*db, 1);
    return std::unique_ptr<Connection>(new Connection(*db));
}

Connection::~Connection()
{
    sqlite3_close(mDb);
}

std::optional<corvalen::Error> Connection::Execute(const char *sql)
{
    char *message = nullptr;
    if (sqlite3_exec(mDb, sql, nullptr, nullptr, &message) == SQLITE_OK)
        return std::nullopt;
    corvalen::Error error = corvalen::Error::Failure(message ? message : sqlite3_errmsg(mDb));
    sqlite3_free(message);
    return error;
}

int64_t Connection::Changes() const
{
    return sqlite3_changes64(mDb);
}

int64_t Connection::LastInsertId() const
{
    return sqlite3_last_insert_rowid(mDb);
}

bool Connection::InTransaction() const
{
    return sqlite3_get_autocommit(mDb) == 0;
}

Transaction::Transaction(Connection &connection, bool write)
    : mConnection(connection)
{
    if (const std::optional<corvalen::Error> failed
        = mConnection.Execute(write ? "BEGIN IMMEDIATE" : "BEGIN"))
        Fail(failed->message);
    else
        mOpen = true;
}

Transaction::~Transaction()
{
    // Rolls back what was not committed; the reason dies with the transaction.
    if (mOpen)
        Fail({});
}

void Transaction::Fail(const std::string &why)
{
    if (!mFailed)
        mError = why;
    mFailed = true;
    if (!mOpen)
        return;
    mOpen = false;
    // Only while SQLite has not rolled back by itself: a ROLLBACK then would fail, and
    // nothing else may run.
    if (mConnection.InTransaction())
        mConnection.Execute("ROLLBACK");
}

bool Transaction::Run(Statement &statement)
{
    if (Ok())
        statement.Run();
    return Check(statement);
}

bool Transaction::Execute(const char *sql)
{
    if (!Ok())
        return false;
    if (const std::optional<corvalen::Error> failed = mConnection.Execute(sql))
        Fail(failed->message);
    return Ok();
}

bool Transaction::Check(const Statement &statement)
{
    if (statement.Failed())
        Fail(statement.Error());
    return Ok();
}

std::optional<corvalen::Error> Transaction::Commit()
{
    if (Ok()) {
        const std::optional<corvalen::Error> failed = mConnection.Execute("COMMIT");
        if (!failed) {
            mOpen = false;
            return std::nullopt;
        }
        Fail(failed->message);
    }
    Fail({});
    return corvalen::Error::Failure(mError);
}

} // namespace corvalen::sqlite
