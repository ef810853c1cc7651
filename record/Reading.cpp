// Reading games back: the list, one game's moves, its PGN.
#include "record/GameRecord.h"

#include "record/GameRows.h"
#include "record/Pgn.h"
#include "record/Sqlite.h"

namespace corvalen {

using namespace record;

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

} // namespace corvalen
