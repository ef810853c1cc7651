#include "record/GameRecord.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "record/History.h"
#include "record/Recognition.h"
#include "record/RecordPaths.h"
#include "record/Sqlite.h"
#include "record/Store.h"
#include "rules/MoveLegality.h"

namespace corvalen {

using namespace record;

namespace {

    constexpr int BusyTimeoutMs = 5000;

    std::string IsoTime(std::chrono::system_clock::time_point when)
    {
        const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
        std::tm utc {};
        gmtime_r(&seconds, &utc);
        char text[32];
        std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
        return text;
    }

    // A WAL database whose -wal file is missing: no connection holds it open (the first one
    // makes the -wal file, the last one deletes it), and every commit is in the file itself.
    // A writer that opens it later writes to its own -wal file and leaves this one as it is
    // until it closes.
    bool IsWalWithoutWriter(const std::string &path)
    {
        std::FILE *file = std::fopen(path.c_str(), "rb");
        if (!file)
            return false;
        // The header's read and write versions: 2 and 2 in WAL mode.
        unsigned char header[20] {};
        const bool read = std::fread(header, 1, sizeof header, file) == sizeof header;
        std::fclose(file);
        struct stat info { };
        return read && header[18] == 2 && header[19] == 2
            && stat((path + "-wal").c_str(), &info) != 0 && errno == ENOENT;
    }

} // namespace

GameRecord::GameRecord(std::string path, std::unique_ptr<sqlite::Connection> connection,
    std::shared_ptr<PlayedGames> played)
    : msPath(std::move(path))
    , mConnection(std::move(connection))
    , mPlayed(played ? std::move(played) : std::make_shared<PlayedGames>())
{
}

GameRecord::~GameRecord() = default;

Error GameRecord::Failure(Error error) const
{
    error.file = msPath;
    return error;
}

std::string GameRecord::Now() const
{
    return IsoTime(mNow ? mNow() : std::chrono::system_clock::now());
}

Outcome<std::unique_ptr<GameRecord>> GameRecord::Open(
    const std::string &path, RecordAccess access, std::shared_ptr<PlayedGames> played)
{
    auto fail = [&](Error error) {
        error.file = path;
        return error;
    };
    struct stat info { };
    if (stat(path.c_str(), &info) != 0) {
        if (access != RecordAccess::Create)
            return fail(Error::Of(Error::Kind::NoSuchFile));
        const size_t slash = path.find_last_of('/');
        if (slash != std::string::npos)
            if (const std::optional<Error> failed = MakePrivateFolder(path.substr(0, slash)))
                return fail(*failed);
        // Made here, not by SQLite, so that it is private from its first moment.
        const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (file < 0 && errno != EEXIST)
            return fail(Error::Of(Error::Kind::CannotCreate, {}, std::strerror(errno)));
        if (file >= 0)
            ::close(file);
    }

    const bool readOnly = access == RecordAccess::ReadOnly;
    Outcome<std::unique_ptr<sqlite::Connection>> opened = readOnly && IsWalWithoutWriter(path)
        ? sqlite::Connection::OpenImmutable(path)
        : sqlite::Connection::Open(path, readOnly, BusyTimeoutMs);
    if (!opened)
        return fail(opened.Why());
    sqlite::Connection &db = **opened;
    // Checked before anything is written: a file that is no database, one from a newer
    // version or another program's is refused untouched.
    const Outcome<int64_t> version = ReadSchema(db);
    if (!version)
        return fail(version.Why());
    if (readOnly && *version == 0)
        return fail(Error::Of(Error::Kind::NoGamesYet));
    std::optional<Error> failed;
    if (readOnly)
        failed = ReadOlderSchema(db, *version);
    // Before the journal mode changes: an upgrade that fails leaves the file byte for byte.
    else if (*version > 0 && *version < SchemaVersion)
        failed = UpgradeSchema(db);
    // WAL lets a second window read and write while this one holds the file open. With
    // synchronous NORMAL a commit waits for no disk flush; a power cut may lose the last
    // moves recorded, never the file.
    if (!readOnly && !failed)
        failed = db.Execute(
            "PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL; PRAGMA foreign_keys = ON");
    if (!readOnly && !failed && *version == 0)
        failed = CreateSchema(db);
    if (failed)
        return fail(*failed);
    return std::unique_ptr<GameRecord>(new GameRecord(path, std::move(*opened), std::move(played)));
}

Outcome<LoadReport> GameRecord::RecogniseLoad(
    const BoardState &loaded, GameStatus status, const std::string &code)
{
    sqlite::Connection &db = *mConnection;
    sqlite::Transaction transaction(db, true);
    StoredHistory history(db, transaction);
    const std::vector<GameRow> games = ReadGames(db, transaction, msPath, *mPlayed);
    Recognition found = Recognise(games, { loaded, status, code }, history);
    LoadReport &report = found.report;
    if (report.kind == LoadCase::Again)
        for (const GameRow &game : games)
            if (game.id == report.gameId && game.plies > report.plies)
                report.answered = ReadAnswer(db, transaction, game.id, report.plies);
    if (report.kind == LoadCase::GameStarts)
        report.answered = ReadOpeningAnswer(db, transaction, loaded.giToMove,
            report.firstMove ? report.firstMove->coordinates : std::string());
    if (found.continued)
        WriteContinued(db, transaction, *found.continued, found.report, code, Now());
    if (const std::optional<Error> failed = transaction.Commit())
        return Failure(*failed);
    return std::move(found.report);
}

LoadReport GameRecord::StartNewGame() const
{
    LoadReport report;
    report.kind = LoadCase::NewGame;
    report.startsOnSend = true;
    report.line = LoadLine::NewGame;
    return report;
}

std::optional<Error> GameRecord::StartGameFromSameAsSent(
    LoadReport &load, const BoardState &loaded, GameStatus status, const std::string &code)
{
    if (!load.offersNewGame)
        return std::nullopt;
    LoadReport started
        = StartingReport({ loaded, status, code }, LoadCase::Otherwise, LoadLine::StartedHere);
    sqlite::Transaction transaction(*mConnection, true);
    const int64_t id = WriteNewGame(
        *mConnection, transaction, started, loaded, ResultOf(status, loaded.giToMove), Now());
    if (const std::optional<Error> failed = transaction.Commit())
        return Failure(*failed);
    started.startsOnSend = false;
    started.gameId = id;
    mPlayed->Note(msPath, id);
    load = std::move(started);
    return std::nullopt;
}

std::optional<Error> GameRecord::RecordSend(LoadReport &load, const BoardState &loaded, Move move,
    int16_t promotionPiece, const std::string &code, GameEnding claim)
{
    if (load.recordsNothing || (!load.gameId && !load.startsOnSend))
        return std::nullopt;
    sqlite::Connection &db = *mConnection;
    sqlite::Transaction transaction(db, true);
    const std::string now = Now();
    int64_t id = load.gameId.value_or(0);
    if (!load.gameId)
        id = WriteNewGame(db, transaction, load, loaded, Result::Unfinished, now);
    if (transaction.Ok())
        WriteLocalMove(db, transaction, id, load.plies, loaded, move, promotionPiece, code, now);
    if (claim != GameEnding::None) {
        sqlite::Statement end = db.Prepare("UPDATE game SET ending = ?2, result = ?3, ended_at = "
                                           "?4 WHERE id = ?1");
        end.Bind(id, int64_t(claim), ResultText(EndingResult(claim)), now);
        transaction.Run(end);
    }
    if (const std::optional<Error> failed = transaction.Commit())
        return Failure(*failed);
    load.gameId = id;
    load.startsOnSend = false;
    mPlayed->Note(msPath, id);
    return std::nullopt;
}

Outcome<std::optional<LostCastling>> GameRecord::CastlingRefusal(
    const LoadReport &load, const BoardState &board, Move move)
{
    if (!load.gameId || !IsOnBoard(move.from) || !IsOnBoard(move.to)
        || board.Piece(move.from) != King || RowOf(move.from) != RowOf(move.to)
        || std::abs(move.to - move.from) != 2)
        return std::optional<LostCastling>();
    sqlite::Transaction transaction(*mConnection, false);
    StoredHistory history(*mConnection, transaction);
    const std::optional<GameRow> game = ReadGameRow(*mConnection, transaction, *load.gameId);
    std::optional<LostCastling> lost = game
        ? history.CastlingLost(
            *game, load.plies, board.giToMove, move.to > move.from ? KingSide : QueenSide)
        : std::nullopt;
    if (!transaction.Ok())
        return Failure(Error::Failure(transaction.Error()));
    return lost;
}

std::optional<Error> DeleteRecord(const std::string &path)
{
    for (const char *suffix : { "", "-wal", "-shm" }) {
        const std::string file = path + suffix;
        if (std::remove(file.c_str()) != 0 && errno != ENOENT)
            return Error::Of(Error::Kind::CannotDelete, file, std::strerror(errno));
    }
    return std::nullopt;
}

} // namespace corvalen
