#include "record/History.h"

#include "record/Sqlite.h"
#include "rules/Fen.h"
#include "rules/GameLine.h"
#include "rules/MoveLegality.h"

namespace corvalen::record {

Material MaterialOf(const std::string &fen)
{
    Material material;
    int square = 0;
    for (const char c : fen) {
        if (c == ' ' || square >= 64)
            break;
        if (c >= '1' && c <= '8') {
            square += c - '0';
            continue;
        }
        if (c == '/')
            continue;
        const size_t side = c >= 'a' ? Black : White;
        ++material.men[side];
        if (c == 'P' || c == 'p') {
            ++material.pawns[side];
            // White's pawns start on row 6 (rank 2), Black's on row 1 (rank 7).
            if (RowOf(static_cast<int16_t>(square)) == (side == White ? 6 : 1))
                material.unmovedPawns[side] |= static_cast<uint8_t>(1u << (square % 8));
        }
        ++square;
    }
    return material;
}

bool MayHavePassed(const Material &start, const Material &position, const Material &last)
{
    // Men and pawns are only ever taken away, and a pawn that left its first square never
    // comes back to it.
    auto notLater = [](const Material &earlier, const Material &later) {
        for (const size_t side : { size_t(White), size_t(Black) })
            if (earlier.men[side] < later.men[side] || earlier.pawns[side] < later.pawns[side]
                || (later.unmovedPawns[side] & ~earlier.unmovedPawns[side]) != 0)
                return false;
        return true;
    };
    return notLater(start, position) && notLater(position, last);
}

std::optional<LostCastling> StoredHistory::CastlingLost(
    const GameRow &game, int64_t plies, int16_t colour, int16_t side)
{
    if (!mTransaction.Ok())
        return std::nullopt;
    std::string ignored;
    const std::optional<BoardState> start = BoardFromFen(game.startFen, ignored);
    if (!start)
        return std::nullopt;
    // The rights are the game line's: its moves replayed from the start, up to the first the
    // line does not take.
    GameLine line(*start);
    sqlite::Statement moves
        = mDb.Prepare("SELECT coordinates FROM move WHERE game_id = ?1 AND ply < ?2 ORDER BY ply");
    moves.Bind(game.id, plies);
    bool replays = true;
    while (moves.Step())
        if (replays)
            replays = line.Play(moves.Text(0));
    if (!mTransaction.Check(moves))
        return std::nullopt;
    const LostRight lost = line.CastlingLost(colour, side);
    if (lost.cause == CastlingLoss::None)
        return std::nullopt;
    return LostCastling { lost.cause,
        NumberedPly(SideOfFen(game.startFen), lost.ply - 1, line.SanTo(lost.ply)) };
}

std::optional<RecordedPly> StoredHistory::EarlierPly(
    const GameRow &game, const std::vector<std::string> &codes)
{
    if (!mTransaction.Ok() || codes.empty())
        return std::nullopt;
    // The primary key (game_id, ply) keeps this to the one game's rows.
    sqlite::Statement find = mDb.Prepare("SELECT ply, san FROM move WHERE game_id = ?1 AND "
                                         "ply < ?2 AND code IN (?3, ?4) ORDER BY ply DESC LIMIT 1");
    find.Bind(game.id, game.plies - 1, codes.front(), codes.back());
    if (find.Step())
        return RecordedPly { find.Int(0), find.Text(1) };
    mTransaction.Check(find);
    return std::nullopt;
}

std::optional<RecordedPly> StoredHistory::LastSent(const GameRow &game)
{
    if (!mTransaction.Ok())
        return std::nullopt;
    sqlite::Statement find = mDb.Prepare("SELECT ply, san FROM move WHERE game_id = ?1 AND "
                                         "ply < ?2 AND local = 1 ORDER BY ply DESC LIMIT 1");
    find.Bind(game.id, game.plies);
    if (find.Step())
        return RecordedPly { find.Int(0), find.Text(1) };
    mTransaction.Check(find);
    return std::nullopt;
}

} // namespace corvalen::record
