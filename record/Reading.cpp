// Reading games back: the list, one game whole, its moves, its PGN.
#include "record/GameRecord.h"

#include "record/GameRows.h"
#include "record/Pgn.h"
#include "record/Sqlite.h"
#include "rules/Fen.h"
#include "rules/GameLine.h"

namespace corvalen {

using namespace record;

namespace {

    // The game, or the reason without the record's name.
    Outcome<GameDetails> ReadDetails(sqlite::Connection &db, int64_t gameId)
    {
        sqlite::Transaction transaction(db, false);
        sqlite::Statement game = db.Prepare(
            "SELECT started, start_fen, local_side, result, plies, ending, ended_at, "
            "opponent_name, opponent_email, notes, (SELECT value FROM setting WHERE name = ?2) "
            "FROM game WHERE id = ?1");
        game.Bind(gameId, PlayerNameSetting);
        if (!game.Step())
            return game.Failed() ? Error::Failure(game.Error())
                                 : Error::Of(Error::Kind::NotFound, std::to_string(gameId));
        GameDetails details { gameId, DateOf(game.Text(0)), game.Text(1),
            static_cast<int16_t>(game.Int(2)), {},
            ResultFromText(game.Text(3)).value_or(Result::Unfinished), GameEnding(game.Int(5)),
            DateOf(game.Text(6)), game.Text(7), game.Text(8), game.Text(9), {} };
        const std::string player = game.Text(10);
        sqlite::Statement moves = db.Prepare(
            "SELECT san, coordinates FROM move WHERE game_id = ?1 AND ply < ?2 ORDER BY ply");
        moves.Bind(gameId, game.Int(4));
        while (moves.Step())
            details.moves.push_back({ moves.Text(0), moves.Text(1) });
        if (moves.Failed())
            return Error::Failure(moves.Error());

        // The move text trusts nothing the file holds: it replays the moves' coordinates from
        // the start, up to the first that is not legal there.
        std::string ignored;
        const std::optional<BoardState> start = BoardFromFen(details.startFen, ignored);
        GameLine line = start ? GameLine(*start) : GameLine();
        PgnGame pgn;
        pgn.stopsAtIllegalMove = !start;
        for (const RecordedMove &move : details.moves)
            pgn.stopsAtIllegalMove = pgn.stopsAtIllegalMove || !line.Play(move.coordinates);
        for (int ply = 1; ply <= line.Plies(); ++ply)
            pgn.sans.push_back(line.SanTo(ply));
        pgn.date = details.started;
        for (char &c : pgn.date)
            c = c == '-' ? '.' : c;
        pgn.setUpFen = line.Fen(0) == GameLine().Fen(0) ? std::string() : line.Fen(0);
        pgn.firstMover = line.At(0).board.giToMove;
        pgn.result = details.result;
        pgn.ending = details.ending;
        pgn.white = details.localSide == White ? player : details.opponent;
        pgn.black = details.localSide == White ? details.opponent : player;
        details.pgn = WritePgn(pgn);
        return details;
    }

} // namespace

Outcome<std::vector<GameSummary>> GameRecord::ListGames()
{
    sqlite::Statement games = mConnection->Prepare(
        "SELECT id, started, local_side, plies, last_san, result, opponent_name, start_fen, "
        "last_fen, max(0, CAST(julianday(?1) - julianday(changed_at) AS INTEGER)) FROM game "
        "ORDER BY played_order DESC");
    games.Bind(Now());
    std::vector<GameSummary> list;
    while (games.Step())
        list.push_back({ games.Int(0), DateOf(games.Text(1)), static_cast<int16_t>(games.Int(2)),
            static_cast<int>(games.Int(3)), games.Text(4),
            ResultFromText(games.Text(5)).value_or(Result::Unfinished), games.Text(6),
            SideOfFen(games.Text(7)), SideOfFen(games.Text(8)), static_cast<int>(games.Int(9)) });
    if (games.Failed())
        return Failure(Error::Failure(games.Error()));
    return list;
}

Outcome<GameDetails> GameRecord::Details(int64_t gameId)
{
    Outcome<GameDetails> details = ReadDetails(*mConnection, gameId);
    if (!details)
        return Failure(details.Why());
    return details;
}

Outcome<GameMoves> GameRecord::Moves(int64_t gameId)
{
    const Outcome<GameDetails> game = Details(gameId);
    if (!game)
        return game.Why();
    const int16_t firstMover = SideOfFen(game->startFen);
    std::vector<std::string> sans;
    for (const RecordedMove &move : game->moves)
        sans.push_back(move.san);
    return GameMoves { game->started, NumberedMoveText(firstMover, sans),
        sans.empty() ? std::string()
                     : NumberedPly(firstMover, int64_t(sans.size()) - 1, sans.back()) };
}

Outcome<std::string> GameRecord::Pgn(int64_t gameId)
{
    const Outcome<GameDetails> game = Details(gameId);
    if (!game)
        return game.Why();
    return game->pgn;
}

Outcome<std::string> GameRecord::PlayerName()
{
    sqlite::Statement read = mConnection->Prepare("SELECT value FROM setting WHERE name = ?1");
    read.Bind(PlayerNameSetting);
    std::string name = read.Step() ? read.Text(0) : std::string();
    if (read.Failed())
        return Failure(Error::Failure(read.Error()));
    return name;
}

} // namespace corvalen
