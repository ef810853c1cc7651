#include "record/Store.h"

#include "record/GameRecord.h"
#include "rules/Fen.h"
#include "rules/MoveExecution.h"
#include "rules/MoveLegality.h"
#include "rules/San.h"

namespace corvalen::record {

namespace {

    // A game row keeps what recognising a load needs (the last position, who sent
    // it, the last position sent and the last received), so a start-up reads one row per game
    // and never replays moves; each move row keeps the code of the position after it.
    // played_order grows with every move: the game with the largest is the one played most
    // recently. These are version 1's tables.
    constexpr const char *SchemaOne = R"(
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
)";

    // Version 2 adds what the player keeps beside the moves: the opponent, notes, a result the
    // position cannot show (ending: GameEnding's numbers) with its time, the time of the last
    // change of any kind, and the player's own settings the tool needs (the name for PGN).
    // A new file is made as version 1 and then upgraded, so both have the same columns in the
    // same order; an upgraded game changed last with its last move, or when it started.
    constexpr const char *UpgradeToTwo = R"(
ALTER TABLE game ADD COLUMN opponent_name TEXT NOT NULL DEFAULT '';
ALTER TABLE game ADD COLUMN opponent_email TEXT NOT NULL DEFAULT '';
ALTER TABLE game ADD COLUMN notes TEXT NOT NULL DEFAULT '';
ALTER TABLE game ADD COLUMN ending INTEGER NOT NULL DEFAULT 0;
ALTER TABLE game ADD COLUMN ended_at TEXT;
ALTER TABLE game ADD COLUMN changed_at TEXT NOT NULL DEFAULT '';
UPDATE game SET changed_at = COALESCE((SELECT played FROM move WHERE game_id = game.id
    ORDER BY ply DESC LIMIT 1), started);
CREATE TABLE setting (
    name TEXT PRIMARY KEY,
    value TEXT NOT NULL
) WITHOUT ROWID;
PRAGMA user_version = 2;
)";

    // Version 3 keeps what the status line of a received position said as facts: the line
    // (LoadLine's numbers) and the move it named, where versions 1 and 2 kept the English
    // sentence. Only the program's own sentences were ever written, so each maps back; the
    // move is the status's last word ("Your opponent played 14... Nf6").
#define CORVALEN_RECEIVED_CASE                                                                     \
    "CASE WHEN received_status IS NULL THEN NULL WHEN received_status = 'New game' THEN 1 "        \
    "WHEN substr(received_status, 1, 21) = 'Your opponent played ' THEN 2 "                        \
    "WHEN received_status = 'Game started from this position' THEN 3 "                             \
    "WHEN received_status = 'Does not follow your last move: kept as a new game' THEN 4 ELSE 0 "   \
    "END"
#define CORVALEN_RECEIVED_SAN                                                                      \
    "CASE WHEN substr(received_status, 1, 21) = 'Your opponent played ' THEN "                     \
    "replace(received_status, rtrim(received_status, replace(received_status, ' ', '')), '') END"
    constexpr const char *UpgradeToThree = "ALTER TABLE game ADD COLUMN received_case INTEGER; "
                                           "ALTER TABLE game ADD COLUMN received_san TEXT; "
                                           "UPDATE game SET received_case = " CORVALEN_RECEIVED_CASE
                                           ", received_san = " CORVALEN_RECEIVED_SAN "; "
                                           "ALTER TABLE game DROP COLUMN received_status; "
                                           "PRAGMA user_version = 3;";

    // An older file read without writing: the names of the current version, in this
    // connection's temporary schema (which SQLite searches first, and which lives outside the
    // file). Version 1 is first read as version 2.
    constexpr const char *ReadVersionOneAsTwo = R"(
CREATE TEMP VIEW game_two AS SELECT g.*, '' AS opponent_name, '' AS opponent_email, '' AS notes,
    0 AS ending, NULL AS ended_at, COALESCE((SELECT played FROM main.move WHERE game_id = g.id
    ORDER BY ply DESC LIMIT 1), g.started) AS changed_at FROM main.game AS g;
CREATE TEMP TABLE setting (name TEXT PRIMARY KEY, value TEXT NOT NULL);
)";
    constexpr const char *ReadAsThree
        = "CREATE TEMP VIEW game AS SELECT id, started, start_fen, local_side, result, plies, "
          "last_fen, last_sent, last_san, played_order, sent_fen, sent_at, received_fen, "
          "received_plies, received_marks, opponent_name, opponent_email, notes, ending, "
          "ended_at, changed_at, " CORVALEN_RECEIVED_CASE
          " AS received_case, " CORVALEN_RECEIVED_SAN " AS received_san FROM ";
#undef CORVALEN_RECEIVED_CASE
#undef CORVALEN_RECEIVED_SAN

    constexpr const char *NextOrder = "(SELECT COALESCE(MAX(played_order), 0) + 1 FROM game)";

    // Every table's columns with their types and constraints, one line each.
    Outcome<std::string> Tables(sqlite::Connection &db)
    {
        sqlite::Statement read = db.Prepare(
            "SELECT t.name, c.name, c.type, c.\"notnull\", c.pk, c.dflt_value FROM sqlite_schema "
            "t JOIN pragma_table_info(t.name) c WHERE t.type = 'table' AND t.name NOT LIKE "
            "'sqlite_%' ORDER BY t.name, c.cid");
        std::string tables;
        while (read.Step())
            for (int column = 0; column < 6; ++column)
                tables += read.Text(column) + (column == 5 ? "\n" : " ");
        if (read.Failed())
            return Error::Failure(read.Error());
        return tables;
    }

    std::string MadeTables(int64_t version)
    {
        auto memory = sqlite::Connection::Open(":memory:", false, 0);
        if (!memory)
            return {};
        std::optional<Error> failed = (*memory)->Execute(SchemaOne);
        for (int made = 1; made < version && !failed; ++made)
            failed = (*memory)->Execute(made == 1 ? UpgradeToTwo : UpgradeToThree);
        if (failed)
            return {};
        const Outcome<std::string> read = Tables(**memory);
        return read ? *read : std::string();
    }

    // The tables of a version (1 to 3), as a file the program made holds them; each made once,
    // when a file of that version is first opened.
    const std::string &SchemaTables(int64_t version)
    {
        if (version == 1) {
            static const std::string one = MadeTables(1);
            return one;
        }
        if (version == 2) {
            static const std::string two = MadeTables(2);
            return two;
        }
        static const std::string three = MadeTables(3);
        return three;
    }

} // namespace

Outcome<int64_t> ReadSchema(sqlite::Connection &db)
{
    sqlite::Statement read = db.Prepare("SELECT (SELECT user_version FROM pragma_user_version),"
                                        " (SELECT count(*) FROM sqlite_schema)");
    if (!read.Step())
        return read.Failed() ? Error::Failure(read.Error()) : Error::Of(Error::Kind::Unreadable);
    const int64_t version = read.Int(0);
    const int64_t objects = read.Int(1);
    if (version > GameRecord::SchemaVersion)
        return Error::Of(Error::Kind::NewerVersion, std::to_string(version));
    if (version == 0 && objects == 0)
        return version;
    if (version > 0) {
        const Outcome<std::string> tables = Tables(db);
        if (!tables)
            return tables.Why();
        if (*tables == SchemaTables(version))
            return version;
    }
    return Error::Of(Error::Kind::NotARecord);
}

std::optional<Error> CreateSchema(sqlite::Connection &db)
{
    sqlite::Transaction transaction(db, true);
    if (!transaction.Ok())
        return Error::Failure(transaction.Error());
    // Asked again under the write lock: another window may have made the schema since.
    const Outcome<int64_t> version = ReadSchema(db);
    if (!version)
        return version.Why();
    if (*version > 0)
        return std::nullopt;
    transaction.Execute(SchemaOne) && transaction.Execute(UpgradeToTwo)
        && transaction.Execute(UpgradeToThree);
    return transaction.Commit();
}

std::optional<Error> UpgradeSchema(sqlite::Connection &db)
{
    sqlite::Transaction transaction(db, true);
    if (!transaction.Ok())
        return Error::Failure(transaction.Error());
    const Outcome<int64_t> version = ReadSchema(db);
    if (!version)
        return version.Why();
    if (*version == GameRecord::SchemaVersion)
        return std::nullopt;
    (*version > 1 || transaction.Execute(UpgradeToTwo)) && transaction.Execute(UpgradeToThree);
    return transaction.Commit();
}

std::optional<Error> ReadOlderSchema(sqlite::Connection &db, int64_t version)
{
    if (version == GameRecord::SchemaVersion)
        return std::nullopt;
    if (version == 1)
        if (std::optional<Error> failed = db.Execute(ReadVersionOneAsTwo))
            return failed;
    return db.Execute(
        (ReadAsThree + std::string(version == 1 ? "temp.game_two" : "main.game")).c_str());
}

namespace {

    constexpr const char *GameColumns
        = "SELECT id, started, start_fen, local_side, result, plies, last_fen, last_sent, "
          "last_san, sent_fen, sent_at, received_fen, received_plies, received_case, "
          "received_san, received_marks FROM game";

    GameRow RowOf(const sqlite::Statement &read)
    {
        return GameRow { read.Int(0), read.Text(1), read.Text(2), static_cast<int16_t>(read.Int(3)),
            ResultFromText(read.Text(4)).value_or(Result::Unfinished), read.Int(5), read.Text(6),
            read.Int(7) != 0, read.Text(8), read.Text(9), read.Text(10), read.Text(11),
            read.Int(12), read.Int(13), read.Text(14), read.Text(15), false };
    }

} // namespace

std::vector<GameRow> ReadGames(sqlite::Connection &db, sqlite::Transaction &transaction,
    const std::string &path, const PlayedGames &played)
{
    std::vector<GameRow> games;
    if (!transaction.Ok())
        return games;
    sqlite::Statement read = db.Prepare(std::string(GameColumns) + " ORDER BY played_order DESC");
    while (read.Step()) {
        games.push_back(RowOf(read));
        games.back().playedThisRun = played.Has(path, games.back().id);
    }
    transaction.Check(read);
    return games;
}

std::optional<GameRow> ReadGameRow(
    sqlite::Connection &db, sqlite::Transaction &transaction, int64_t gameId)
{
    if (!transaction.Ok())
        return std::nullopt;
    sqlite::Statement read = db.Prepare(std::string(GameColumns) + " WHERE id = ?1");
    read.Bind(gameId);
    if (read.Step())
        return RowOf(read);
    transaction.Check(read);
    return std::nullopt;
}

std::optional<EarlierAnswer> ReadAnswer(
    sqlite::Connection &db, sqlite::Transaction &transaction, int64_t gameId, int64_t ply)
{
    if (!transaction.Ok())
        return std::nullopt;
    sqlite::Statement read = db.Prepare("SELECT m.san, m.played, g.start_fen FROM move m JOIN game "
                                        "g ON g.id = m.game_id WHERE m.game_id = ?1 AND m.ply = "
                                        "?2 AND m.local = 1");
    read.Bind(gameId, ply);
    if (!read.Step()) {
        transaction.Check(read);
        return std::nullopt;
    }
    return EarlierAnswer { gameId, read.Text(0),
        NumberedPly(SideOfFen(read.Text(2)), ply, read.Text(0)), DateOf(read.Text(1)) };
}

std::optional<EarlierAnswer> ReadOpeningAnswer(sqlite::Connection &db,
    sqlite::Transaction &transaction, int16_t localSide, const std::string &firstMove)
{
    if (!transaction.Ok())
        return std::nullopt;
    const int64_t ply = firstMove.empty() ? 0 : 1;
    sqlite::Statement find = db.Prepare(
        "SELECT g.id FROM game g JOIN move m ON m.game_id = g.id AND m.ply = ?3 AND m.local = 1 "
        "WHERE g.start_fen = ?1 AND g.local_side = ?2 AND (?3 = 0 OR EXISTS (SELECT 1 FROM move "
        "f WHERE f.game_id = g.id AND f.ply = 0 AND f.coordinates = ?4)) ORDER BY "
        "g.played_order DESC LIMIT 1");
    find.Bind(StandardFen(), localSide, ply, firstMove);
    if (!find.Step()) {
        transaction.Check(find);
        return std::nullopt;
    }
    const int64_t id = find.Int(0);
    return ReadAnswer(db, transaction, id, ply);
}

void WriteContinued(sqlite::Connection &db, sqlite::Transaction &transaction,
    const ContinuedGame &continued, const LoadReport &report, const std::string &code,
    const std::string &now)
{
    sqlite::Statement insert = db.Prepare("INSERT INTO move (game_id, ply, san, coordinates, "
                                          "code, local, played) VALUES (?1, ?2, ?3, ?4, ?5, 0, "
                                          "?6)");
    insert.Bind(
        continued.gameId, continued.ply, continued.move.san, continued.move.coordinates, code, now);
    if (!transaction.Run(insert))
        return;
    sqlite::Statement update = db.Prepare(
        std::string("UPDATE game SET plies = ?2, last_fen = ?3, last_sent = 0, last_san = ?4, "
                    "result = ?5, received_fen = ?3, received_plies = ?2, received_case = ?6, "
                    "received_san = ?4, received_marks = ?7, changed_at = ?8, played_order = ")
        + NextOrder + " WHERE id = ?1");
    update.Bind(continued.gameId, continued.ply + 1, continued.fen, continued.move.san,
        ResultText(continued.result), int64_t(report.line), MarksText(report.marks), now);
    transaction.Run(update);
}

int64_t WriteNewGame(sqlite::Connection &db, sqlite::Transaction &transaction,
    const LoadReport &load, const BoardState &loaded, Result result, const std::string &now)
{
    const std::string fen = FenFromBoard(loaded);
    sqlite::Statement insert = db.Prepare(
        std::string(
            "INSERT INTO game (started, start_fen, local_side, result, plies, last_fen, "
            "last_san, played_order, received_fen, received_plies, received_case, received_san, "
            "received_marks, changed_at, opponent_name, opponent_email) VALUES (?1, ?2, "
            "?3, ?4, ?5, ?6, ?7, ")
        + NextOrder + ", ?6, ?5, ?8, ?7, ?9, ?1, ?10, ?11)");
    const std::string &startFen = load.startFen.empty() ? StandardFen() : load.startFen;
    if (load.firstMove)
        insert.Bind(now, startFen, loaded.giToMove, ResultText(result), load.plies, fen,
            load.firstMove->san, int64_t(load.line), MarksText(load.marks), load.opponent,
            load.opponentEmail);
    else
        insert.Bind(now, startFen, loaded.giToMove, ResultText(result), load.plies, fen,
            std::nullopt, int64_t(load.line), MarksText(load.marks), load.opponent,
            load.opponentEmail);
    if (!transaction.Run(insert))
        return 0;
    const int64_t id = db.LastInsertId();
    if (load.firstMove) {
        sqlite::Statement first = db.Prepare("INSERT INTO move (game_id, ply, san, coordinates, "
                                             "code, local, played) VALUES (?1, 0, ?2, ?3, ?4, 0, "
                                             "?5)");
        first.Bind(id, load.firstMove->san, load.firstMove->coordinates, load.receivedCode, now);
        if (!transaction.Run(first))
            return 0;
    }
    return id;
}

void WriteLocalMove(sqlite::Connection &db, sqlite::Transaction &transaction, int64_t gameId,
    int64_t plies, const BoardState &loaded, Move move, int16_t promotionPiece,
    const std::string &code, const std::string &now)
{
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

    sqlite::Statement drop = db.Prepare("DELETE FROM move WHERE game_id = ?1 AND ply >= ?2");
    drop.Bind(gameId, plies);
    sqlite::Statement insert = db.Prepare("INSERT INTO move (game_id, ply, san, coordinates, "
                                          "code, local, played) VALUES (?1, ?2, ?3, ?4, ?5, 1, "
                                          "?6)");
    insert.Bind(gameId, plies, san, MoveCoordinates(move, piece), code, now);
    // A draw claimed with this move keeps its result: the move is recorded with the claim.
    sqlite::Statement update = db.Prepare(
        std::string("UPDATE game SET plies = ?2, last_fen = ?3, last_sent = 1, last_san = ?4, "
                    "result = CASE ending WHEN 0 THEN ?5 ELSE result END, sent_fen = ?3, "
                    "sent_at = ?6, changed_at = ?6, played_order = ")
        + NextOrder + " WHERE id = ?1");
    update.Bind(gameId, plies + 1, fen, san, ResultText(ResultOf(status, after.giToMove)), now);
    transaction.Run(drop) && transaction.Run(insert) && transaction.Run(update);
}

} // namespace corvalen::record
