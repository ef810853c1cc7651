#include "record/GameRecord.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "code/PositionCode.h"
#include "record/Pgn.h"
#include "record/RecordPaths.h"
#include "record/Sqlite.h"
#include "rules/Fen.h"
#include "rules/MoveExecution.h"
#include "rules/MoveLegality.h"
#include "rules/San.h"

namespace corvalen {

namespace {

    constexpr int BusyTimeoutMs = 5000;
    // A loaded position this many squares or fewer away from a sent one is taken for a reply
    // that went wrong rather than for another game.
    constexpr int MaxDifferingSquares = 8;

    // Version 1. A game row keeps what recognising a load needs (the last position, who sent
    // it, the last position sent and the last received), so a start-up reads one row per game
    // and never replays moves. played_order grows with every change: the game with the
    // largest is the one played most recently.
    constexpr const char *Schema = R"(
CREATE TABLE game (
    id INTEGER PRIMARY KEY,
    started TEXT NOT NULL,
    start_fen TEXT NOT NULL,
    local_side INTEGER NOT NULL,
    result TEXT NOT NULL DEFAULT '*',
    plies INTEGER NOT NULL DEFAULT 0,
    last_fen TEXT NOT NULL,
    last_sent INTEGER NOT NULL DEFAULT 0,
    last_san TEXT,
    played_order INTEGER NOT NULL,
    sent_fen TEXT,
    sent_at TEXT,
    received_fen TEXT,
    received_plies INTEGER,
    received_status TEXT,
    received_marks TEXT
);
CREATE INDEX game_by_order ON game(played_order);
CREATE INDEX game_by_sent ON game(sent_fen);
CREATE INDEX game_by_received ON game(received_fen);
CREATE TABLE move (
    game_id INTEGER NOT NULL REFERENCES game(id) ON DELETE CASCADE,
    ply INTEGER NOT NULL,
    san TEXT NOT NULL,
    coordinates TEXT NOT NULL,
    code TEXT NOT NULL,
    local INTEGER NOT NULL,
    played TEXT NOT NULL,
    PRIMARY KEY (game_id, ply)
) WITHOUT ROWID;
PRAGMA user_version = 1;
)";

    constexpr const char *NextOrder = "(SELECT COALESCE(MAX(played_order), 0) + 1 FROM game)";

    const std::string &StandardFen()
    {
        static const std::string fen = FenFromBoard(DecodePositionCode(StartingCode).board);
        return fen;
    }

    int16_t SideOfFen(const std::string &fen)
    {
        const size_t space = fen.find(' ');
        return space != std::string::npos && fen.compare(space, 2, " b") == 0 ? Black : White;
    }

    // The 64 squares of a FEN placement, one letter or '.' each.
    std::array<char, 64> SquaresOfFen(const std::string &fen)
    {
        std::array<char, 64> squares;
        squares.fill('.');
        size_t square = 0;
        for (const char c : fen) {
            if (c == ' ' || square >= 64)
                break;
            if (c >= '1' && c <= '8')
                square += static_cast<size_t>(c - '0');
            else if (c != '/')
                squares[square++] = c;
        }
        return squares;
    }

    int DifferingSquares(const std::array<char, 64> &a, const std::array<char, 64> &b)
    {
        int count = 0;
        for (size_t i = 0; i < 64; ++i)
            count += a[i] != b[i];
        return count;
    }

    std::string IsoTime(std::chrono::system_clock::time_point when)
    {
        const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
        std::tm utc {};
        gmtime_r(&seconds, &utc);
        char text[32];
        std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
        return text;
    }

    std::string DateOf(const std::string &isoTime)
    {
        return isoTime.substr(0, 10);
    }

    // "14. Bc4" for the move at `ply` (0 = the first recorded) of a game whose first mover is
    // `firstMover`.
    std::string NumberedPly(int16_t firstMover, int64_t ply, const std::string &san)
    {
        const int64_t half = ply + (firstMover == Black ? 1 : 0);
        return NumberedMove(static_cast<int>(half / 2 + 1), half % 2 == 0 ? White : Black, san);
    }

    // The result a position ends the game with when its side to move faces `status`.
    const char *ResultOf(GameStatus status, int16_t sideToMove)
    {
        if (status == GameStatus::Mate)
            return sideToMove == White ? "0-1" : "1-0";
        return status == GameStatus::Stalemate ? "1/2-1/2" : "*";
    }

    std::string MarksText(const std::vector<int16_t> &marks)
    {
        std::string text;
        for (const int16_t square : marks)
            text += (text.empty() ? "" : " ") + std::to_string(square);
        return text;
    }

    std::vector<int16_t> MarksOf(const std::string &text)
    {
        std::vector<int16_t> marks;
        const char *position = text.c_str();
        char *end = nullptr;
        for (long square = std::strtol(position, &end, 10); end != position;
             square = std::strtol(position, &end, 10)) {
            if (IsOnBoard(static_cast<int>(square)))
                marks.push_back(static_cast<int16_t>(square));
            position = end;
        }
        return marks;
    }

    // A move that leads from one position to another.
    struct Step {
        Move move;
        int16_t promotionPiece = Empty;
        std::string san;
        std::vector<int16_t> changed;
        bool castling = false;
    };

    // The legal move of before.giToMove that makes `after` (compared as FEN), if there is one.
    std::optional<Step> StepBetween(const BoardState &before, const std::string &afterFen)
    {
        BoardState work = before;
        for (const Move &move : LegalMoves(work)) {
            const bool promotion = IsPromotion(before, move.from, move.to);
            for (const int16_t piece : { Queen, Rook, Bishop, Knight }) {
                BoardState after = before;
                const MoveOutcome outcome = CarryOutMove(after, move.from, move.to, piece);
                after.giToMove = Opponent(before.giToMove);
                if (FenFromBoard(after) == afterFen) {
                    Step step { move, promotion ? piece : Empty, MoveToSan(before, move, piece), {},
                        outcome.castled };
                    for (int i = 0; i < outcome.changedCount; ++i)
                        step.changed.push_back(outcome.changedSquares[static_cast<size_t>(i)]);
                    return step;
                }
                if (!promotion)
                    break;
            }
        }
        return std::nullopt;
    }

    // What first took castling on `side` from `colour` among the first `plies` recorded moves
    // of a game: "king moved in this game (12. Ke2)", "rook was taken ... (9... Bxh1)"; empty
    // when nothing did.
    std::string LostCastling(sqlite::Connection &db, int64_t gameId, int64_t plies, int16_t colour,
        int16_t side, std::string &error)
    {
        sqlite::Statement game = db.Prepare("SELECT start_fen FROM game WHERE id = ?1");
        game.Bind(gameId);
        if (!game.Step()) {
            error = game.Error();
            return {};
        }
        const int16_t firstMover = SideOfFen(game.Text(0));
        const int16_t kingHome = colour == White ? 60 : 4;
        const auto rookHome = static_cast<int16_t>(kingHome + (side == KingSide ? 3 : -4));
        sqlite::Statement moves = db.Prepare(
            "SELECT ply, san, coordinates FROM move WHERE game_id = ?1 AND ply < ?2 ORDER BY ply");
        moves.Bind(gameId, plies);
        while (moves.Step()) {
            const int64_t ply = moves.Int(0);
            const std::string san = moves.Text(1);
            const std::string coordinates = moves.Text(2);
            const int16_t from = SquareFromName(std::string_view(coordinates).substr(0, 2));
            const int16_t to = SquareFromName(std::string_view(coordinates).substr(2, 2));
            const bool own = (ply % 2 == 0 ? firstMover : Opponent(firstMover)) == colour;
            const char *what = nullptr;
            if (own && from == kingHome && (san[0] == 'K' || san[0] == 'O'))
                what = "king moved";
            else if (own && from == rookHome && san[0] == 'R')
                what = "rook moved";
            else if (!own && to == rookHome && san.find('x') != std::string::npos)
                what = "rook was taken";
            if (what)
                return std::string(what) + " in this game (" + NumberedPly(firstMover, ply, san)
                    + ")";
        }
        error = moves.Error();
        return {};
    }

    // The schema version of a record file. False and the reason when it cannot be read, when a
    // newer version of the program wrote it, or when it holds another program's tables.
    bool ReadVersion(sqlite::Connection &db, int64_t &version, std::string &error)
    {
        sqlite::Statement read = db.Prepare("SELECT (SELECT user_version FROM pragma_user_version),"
                                            " (SELECT count(*) FROM sqlite_schema)");
        if (!read.Step()) {
            error = read.Failed() ? read.Error() : "cannot be read";
            return false;
        }
        version = read.Int(0);
        if (version > GameRecord::SchemaVersion)
            error = "written by a newer version of Corvalen (record version "
                + std::to_string(version) + "); left as it is";
        else if (version == 0 && read.Int(1) > 0)
            error = "not a Corvalen game record; left as it is";
        return version <= GameRecord::SchemaVersion && (version > 0 || read.Int(1) == 0);
    }

} // namespace

GameRecord::GameRecord(std::string path, std::unique_ptr<sqlite::Connection> connection)
    : msPath(std::move(path))
    , mConnection(std::move(connection))
{
}

GameRecord::~GameRecord() = default;

std::string GameRecord::Failure(const std::string &what) const
{
    return "the game record " + msPath + ": " + what;
}

std::string GameRecord::Now() const
{
    return IsoTime(mNow ? mNow() : std::chrono::system_clock::now());
}

std::unique_ptr<GameRecord> GameRecord::Open(
    const std::string &path, RecordAccess access, std::string &error)
{
    auto fail = [&](const std::string &why) {
        error = "the game record " + path + ": " + why;
        return nullptr;
    };
    struct stat info { };
    if (stat(path.c_str(), &info) != 0) {
        if (access != RecordAccess::Create)
            return fail("there is no such file");
        std::string why;
        const size_t slash = path.find_last_of('/');
        if (slash != std::string::npos && !MakePrivateFolder(path.substr(0, slash), why))
            return fail(why);
        // Made here, not by SQLite, so that it is private from its first moment.
        const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (file < 0 && errno != EEXIST)
            return fail(std::string("cannot be created: ") + std::strerror(errno));
        if (file >= 0)
            ::close(file);
    }

    std::string why;
    const bool readOnly = access == RecordAccess::ReadOnly;
    std::unique_ptr<sqlite::Connection> db
        = sqlite::Connection::Open(path, readOnly, BusyTimeoutMs, why);
    if (!db)
        return fail(why);
    // Read before anything is written: a file that is no database, one from a newer version
    // or another program's is refused untouched.
    int64_t version = 0;
    if (!ReadVersion(*db, version, why))
        return fail(why);
    if (readOnly && version == 0)
        return fail("no games recorded yet");
    if (!readOnly) {
        // WAL lets a second window read and write while this one holds the file open. With
        // synchronous NORMAL a commit waits for no disk flush; a power cut may lose the last
        // moves recorded, never the file.
        if (!db->Execute(
                "PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL; PRAGMA foreign_keys = ON",
                why))
            return fail(why);
        if (version == 0) {
            // Asked again under the write lock: another window may have made the schema since.
            sqlite::Transaction transaction(*db, true);
            if (!transaction.Error().empty() || !ReadVersion(*db, version, why))
                return fail(transaction.Error().empty() ? why : transaction.Error());
            if (version == 0 && !db->Execute(Schema, why))
                return fail(why);
            if (!transaction.Commit(why))
                return fail(why);
        }
    }
    return std::unique_ptr<GameRecord>(new GameRecord(path, std::move(db)));
}

std::optional<LoadReport> GameRecord::RecogniseLoad(
    const BoardState &loaded, GameStatus status, const std::string &code, std::string &error)
{
    sqlite::Connection &db = *mConnection;
    sqlite::Transaction transaction(db, true);
    if (!transaction.Error().empty()) {
        error = Failure(transaction.Error());
        return std::nullopt;
    }
    const std::string now = Now();
    const std::string fen = FenFromBoard(loaded);
    const std::array<char, 64> squares = SquaresOfFen(fen);
    const int16_t local = loaded.giToMove;
    const std::string result = ResultOf(status, local);
    std::string failure;
    auto failed = [&](const sqlite::Statement &statement) {
        if (failure.empty() && statement.Failed())
            failure = statement.Error();
        return !failure.empty();
    };

    LoadReport report;
    // Records the opponent's move `step` as ply `ply` of game `id` and makes the loaded
    // position the one the game received last.
    auto recordReceived = [&](int64_t id, int64_t ply, const Step &step) {
        sqlite::Statement insert
            = db.Prepare("INSERT INTO move (game_id, ply, san, coordinates, "
                         "code, local, played) VALUES (?1, ?2, ?3, ?4, ?5, 0, ?6)");
        insert.Bind(id, ply, step.san, MoveCoordinates(step.move, step.promotionPiece), code, now);
        insert.Run();
        failed(insert);
    };
    // Creates a game whose record begins with `startFen` and returns its id.
    auto createGame = [&](const std::string &startFen, int16_t localSide) -> int64_t {
        sqlite::Statement insert = db.Prepare(std::string("INSERT INTO game (started, start_fen, "
                                                          "local_side, last_fen, played_order) "
                                                          "VALUES (?1, ?2, ?3, ?2, ")
            + NextOrder + ")");
        insert.Bind(now, startFen, localSide);
        insert.Run();
        return failed(insert) ? 0 : db.LastInsertId();
    };
    // The game now stands at the loaded position, received after `plies` moves.
    auto markReceived = [&](int64_t id, int64_t plies, const std::optional<Step> &step) {
        report.gameId = id;
        report.plies = static_cast<int>(plies);
        if (step)
            report.marks = step->changed;
        sqlite::Statement update = db.Prepare(std::string("UPDATE game SET plies = ?2, "
                                                          "last_fen = ?3, last_sent = 0, "
                                                          "last_san = COALESCE(?4, last_san), "
                                                          "result = ?5, received_fen = ?3, "
                                                          "received_plies = ?2, "
                                                          "received_status = ?6, "
                                                          "received_marks = ?7, played_order = ")
            + NextOrder + " WHERE id = ?1");
        if (step)
            update.Bind(id, plies, fen, step->san, result, report.status, MarksText(report.marks));
        else
            update.Bind(id, plies, fen, std::nullopt, result, report.status, "");
        update.Run();
        failed(update);
    };
    auto commit = [&]() -> std::optional<LoadReport> {
        if (failure.empty() && transaction.Commit(failure))
            return report;
        error = Failure(failure);
        return std::nullopt;
    };

    // Continues: the opponent's reply to a position the local player sent.
    sqlite::Statement waiting = db.Prepare("SELECT id, last_fen, plies, start_fen FROM game "
                                           "WHERE last_sent = 1 AND result = '*' AND "
                                           "local_side = ?1 ORDER BY played_order DESC");
    waiting.Bind(local);
    while (waiting.Step()) {
        const std::string sentFen = waiting.Text(1);
        // One move changes at most four squares (castling).
        if (DifferingSquares(SquaresOfFen(sentFen), squares) > 4)
            continue;
        std::string ignored;
        const std::optional<BoardState> sent = BoardFromFen(sentFen, ignored);
        const std::optional<Step> step = sent ? StepBetween(*sent, fen) : std::nullopt;
        if (!step)
            continue;
        const int64_t id = waiting.Int(0);
        const int64_t plies = waiting.Int(2);
        if (step->castling
            && !LostCastling(db, id, plies, sent->giToMove,
                step->move.to > step->move.from ? KingSide : QueenSide, failure)
                    .empty())
            continue;
        report.kind = LoadCase::Continues;
        report.status
            = "Your opponent played " + NumberedPly(SideOfFen(waiting.Text(3)), plies, step->san);
        waiting.Reset();
        recordReceived(id, plies, *step);
        markReceived(id, plies + 1, step);
        return commit();
    }
    if (failed(waiting)) {
        error = Failure(failure);
        return std::nullopt;
    }

    // The opening positions recur in every game; one belongs to the game that received it
    // only while nothing has been sent in that game since.
    const bool isStart = fen == StandardFen();
    std::optional<Step> firstMove;
    if (!isStart && local == Black) {
        std::string ignored;
        firstMove = StepBetween(*BoardFromFen(StandardFen(), ignored), fen);
    }

    // Again: the position a game received last.
    sqlite::Statement received = db.Prepare("SELECT id, received_plies, received_status, "
                                            "received_marks, plies FROM game WHERE "
                                            "received_fen = ?1 ORDER BY played_order DESC");
    received.Bind(fen);
    while (received.Step()) {
        if ((isStart || firstMove) && received.Int(4) != received.Int(1))
            continue;
        report.kind = LoadCase::Again;
        report.gameId = received.Int(0);
        report.plies = static_cast<int>(received.Int(1));
        report.status = received.Text(2);
        report.marks = MarksOf(received.Text(3));
        received.Reset();
        return commit();
    }
    if (failed(received)) {
        error = Failure(failure);
        return std::nullopt;
    }

    // A game starts from the standard position.
    if (isStart || firstMove) {
        report.kind = LoadCase::GameStarts;
        const int64_t id = createGame(StandardFen(), local);
        if (firstMove) {
            report.status = "Your opponent played " + NumberedPly(White, 0, firstMove->san);
            recordReceived(id, 0, *firstMove);
            markReceived(id, 1, firstMove);
        } else {
            report.status = "New game";
            markReceived(id, 0, std::nullopt);
        }
        return commit();
    }

    // Same as sent: the local player opened a position of their own.
    sqlite::Statement same = db.Prepare(
        "SELECT sent_at FROM game WHERE sent_fen = ?1 ORDER BY played_order DESC LIMIT 1");
    same.Bind(fen);
    if (same.Step()) {
        const std::string date = DateOf(same.Text(0));
        same.Reset();
        report.kind = LoadCase::SameAsSent;
        report.status = "This is the position you sent on " + date + ".";
        report.message = report.status + " Your opponent has not replied with a move yet.";
        return commit();
    }
    if (failed(same)) {
        error = Failure(failure);
        return std::nullopt;
    }

    // Does not follow: near a sent position, the nearest and then the most recent.
    sqlite::Statement sent = db.Prepare("SELECT sent_fen, started, plies, last_san, start_fen "
                                        "FROM game WHERE sent_fen IS NOT NULL "
                                        "ORDER BY played_order DESC");
    int nearest = MaxDifferingSquares + 1;
    while (sent.Step()) {
        const int differing = DifferingSquares(SquaresOfFen(sent.Text(0)), squares);
        if (differing >= nearest)
            continue;
        nearest = differing;
        const int64_t plies = sent.Int(2);
        const std::string lastMove = plies > 0 && !sent.IsNull(3)
            ? " (last move " + NumberedPly(SideOfFen(sent.Text(4)), plies - 1, sent.Text(3)) + ")"
            : "";
        report.message = "This position does not follow by one legal move from the position "
                         "you sent in the game started "
            + DateOf(sent.Text(1)) + lastMove + ". It is kept as a new game.";
    }
    if (failed(sent)) {
        error = Failure(failure);
        return std::nullopt;
    }
    if (nearest <= MaxDifferingSquares) {
        report.kind = LoadCase::DoesNotFollow;
        report.status = "Does not follow your last move: kept as a new game";
    } else {
        report.kind = LoadCase::Otherwise;
        report.status = "Game started from this position";
    }
    markReceived(createGame(fen, local), 0, std::nullopt);
    return commit();
}

LoadReport GameRecord::StartNewGame() const
{
    LoadReport report;
    report.kind = LoadCase::NewGame;
    report.startsOnSend = true;
    report.status = "New game";
    return report;
}

bool GameRecord::RecordSend(LoadReport &load, const BoardState &loaded, Move move,
    int16_t promotionPiece, const std::string &code, std::string &error)
{
    if (!load.gameId && !load.startsOnSend)
        return true;
    sqlite::Connection &db = *mConnection;
    sqlite::Transaction transaction(db, true);
    std::string failure = transaction.Error();
    const std::string now = Now();
    std::optional<int64_t> id = load.gameId;
    if (failure.empty() && !id) {
        sqlite::Statement insert = db.Prepare(std::string("INSERT INTO game (started, "
                                                          "start_fen, local_side, last_fen, "
                                                          "played_order, received_fen, "
                                                          "received_plies, received_status, "
                                                          "received_marks) VALUES (?1, ?2, ?3, "
                                                          "?2, ")
            + NextOrder + ", ?2, 0, ?4, '')");
        insert.Bind(now, StandardFen(), White, load.status);
        if (insert.Run())
            id = db.LastInsertId();
        failure = insert.Error();
    }

    const bool promotion = IsPromotion(loaded, move.from, move.to);
    const int16_t piece = !promotion                        ? Empty
        : promotionPiece >= Rook && promotionPiece <= Queen ? promotionPiece
                                                            : Queen;
    const std::string san = MoveToSan(loaded, move, piece);
    BoardState after = loaded;
    CarryOutMove(after, move.from, move.to, piece);
    after.giToMove = Opponent(loaded.giToMove);
    const std::string fen = FenFromBoard(after);
    const GameStatus status = LoadedStatus(after, FindKing(after));

    if (failure.empty()) {
        sqlite::Statement drop = db.Prepare("DELETE FROM move WHERE game_id = ?1 AND ply >= ?2");
        drop.Bind(*id, load.plies);
        drop.Run();
        sqlite::Statement insert
            = db.Prepare("INSERT INTO move (game_id, ply, san, coordinates, "
                         "code, local, played) VALUES (?1, ?2, ?3, ?4, ?5, 1, ?6)");
        insert.Bind(*id, load.plies, san, MoveCoordinates(move, piece), code, now);
        insert.Run();
        sqlite::Statement update = db.Prepare(std::string("UPDATE game SET plies = ?2, "
                                                          "last_fen = ?3, last_sent = 1, "
                                                          "last_san = ?4, result = ?5, "
                                                          "sent_fen = ?3, sent_at = ?6, "
                                                          "played_order = ")
            + NextOrder + " WHERE id = ?1");
        update.Bind(*id, load.plies + 1, fen, san, ResultOf(status, after.giToMove), now);
        update.Run();
        failure = drop.Failed() ? drop.Error() : insert.Failed() ? insert.Error() : update.Error();
    }
    if (failure.empty() && transaction.Commit(failure)) {
        load.gameId = id;
        return true;
    }
    error = Failure(failure);
    return false;
}

std::string GameRecord::CastlingRefusal(
    const LoadReport &load, const BoardState &board, Move move, std::string &error)
{
    if (!load.gameId || !IsOnBoard(move.from) || !IsOnBoard(move.to)
        || board.Piece(move.from) != King || RowOf(move.from) != RowOf(move.to)
        || std::abs(move.to - move.from) != 2)
        return {};
    std::string failure;
    const std::string lost = LostCastling(*mConnection, *load.gameId, load.plies, board.giToMove,
        move.to > move.from ? KingSide : QueenSide, failure);
    if (!failure.empty())
        error = Failure(failure);
    return lost.empty() ? lost : "You cannot castle on this side: your " + lost + ".";
}

std::optional<std::vector<GameSummary>> GameRecord::ListGames(std::string &error)
{
    sqlite::Statement games = mConnection->Prepare("SELECT id, started, local_side, plies, "
                                                   "last_san, result FROM game ORDER BY "
                                                   "played_order DESC");
    std::vector<GameSummary> list;
    while (games.Step())
        list.push_back({ games.Int(0), DateOf(games.Text(1)), static_cast<int16_t>(games.Int(2)),
            static_cast<int>(games.Int(3)), games.Text(4), games.Text(5) });
    if (games.Failed()) {
        error = Failure(games.Error());
        return std::nullopt;
    }
    return list;
}

namespace {

    struct StoredGame {
        std::string started;
        std::string startFen;
        std::string result;
        std::vector<std::string> sans;
    };

    std::optional<StoredGame> ReadGame(sqlite::Connection &db, int64_t gameId, std::string &error)
    {
        sqlite::Transaction transaction(db, false);
        sqlite::Statement game
            = db.Prepare("SELECT started, start_fen, result, plies FROM game WHERE id = ?1");
        game.Bind(gameId);
        if (!game.Step()) {
            error = game.Failed() ? game.Error() : "no game " + std::to_string(gameId);
            return std::nullopt;
        }
        StoredGame stored { game.Text(0), game.Text(1), game.Text(2), {} };
        sqlite::Statement moves
            = db.Prepare("SELECT san FROM move WHERE game_id = ?1 AND ply < ?2 ORDER BY ply");
        moves.Bind(gameId, game.Int(3));
        while (moves.Step())
            stored.sans.push_back(moves.Text(0));
        if (moves.Failed()) {
            error = moves.Error();
            return std::nullopt;
        }
        return stored;
    }

} // namespace

std::optional<GameMoves> GameRecord::Moves(int64_t gameId, std::string &error)
{
    std::string failure;
    const std::optional<StoredGame> game = ReadGame(*mConnection, gameId, failure);
    if (!game) {
        error = Failure(failure);
        return std::nullopt;
    }
    const int16_t firstMover = SideOfFen(game->startFen);
    return GameMoves { DateOf(game->started), NumberedMoveText(firstMover, game->sans),
        game->sans.empty()
            ? std::string()
            : NumberedPly(firstMover, int64_t(game->sans.size()) - 1, game->sans.back()) };
}

std::optional<std::string> GameRecord::Pgn(int64_t gameId, std::string &error)
{
    std::string failure;
    const std::optional<StoredGame> game = ReadGame(*mConnection, gameId, failure);
    if (!game) {
        error = Failure(failure);
        return std::nullopt;
    }
    PgnGame pgn;
    pgn.date = DateOf(game->started);
    for (char &c : pgn.date)
        c = c == '-' ? '.' : c;
    pgn.setUpFen = game->startFen == StandardFen() ? std::string() : game->startFen;
    pgn.firstMover = SideOfFen(game->startFen);
    pgn.sans = game->sans;
    pgn.result = game->result;
    return WritePgn(pgn);
}

bool DeleteRecord(const std::string &path, std::string &error)
{
    for (const char *suffix : { "", "-wal", "-shm" }) {
        const std::string file = path + suffix;
        if (std::remove(file.c_str()) != 0 && errno != ENOENT) {
            error = "cannot delete " + file + ": " + std::strerror(errno);
            return false;
        }
    }
    return true;
}

} // namespace corvalen
