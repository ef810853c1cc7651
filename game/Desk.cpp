#include "game/Desk.h"

#include "record/GameRows.h"
#include "record/Names.h"

namespace corvalen {

std::optional<GivenAddress> SplitAddress(const std::string &text)
{
    const size_t open = text.rfind('<');
    if (open != std::string::npos && text.ends_with('>')) {
        const std::string address = text.substr(open + 1, text.size() - open - 2);
        std::string name = CleanName(text.substr(0, open));
        if (name.size() >= 2 && name.front() == '"' && name.back() == '"')
            name = CleanName(name.substr(1, name.size() - 2));
        if (IsPlainAddress(address))
            return GivenAddress { name, address };
        return std::nullopt;
    }
    if (text.empty() || IsPlainAddress(text))
        return GivenAddress { std::string(), text };
    return std::nullopt;
}

Desk::Desk(RecordLife &life)
    : mLife(life)
{
}

std::vector<GameListRow> Desk::GameList()
{
    std::vector<GameListRow> rows;
    TurnRecord *record = mLife.Usable();
    if (!record)
        return rows;
    const Outcome<std::vector<GameSummary>> games = record->ListGames();
    if (!games) {
        mLife.Drop(games.Why(), false);
        return rows;
    }
    for (const GameSummary &game : *games) {
        GameListRow row;
        row.id = game.id;
        row.opponent = game.opponent;
        row.started = game.startDate;
        row.localSide = game.localSide;
        if (game.plies > 0) {
            const int half = game.plies - 1 + (game.firstMover == Black ? 1 : 0);
            row.fullMoves = half / 2 + 1;
            row.lastMove = record::NumberedPly(game.firstMover, game.plies - 1, game.lastSan);
        }
        row.turn = IsFinished(game.result)  ? GameTurn::Finished
            : game.toMove == game.localSide ? GameTurn::Yours
                                            : GameTurn::Theirs;
        row.daysSince = game.daysSince;
        row.result = game.result;
        rows.push_back(std::move(row));
    }
    return rows;
}

std::optional<GameView> Desk::ViewGame(int64_t id)
{
    TurnRecord *record = mLife.Usable();
    if (!record)
        return std::nullopt;
    Outcome<GameDetails> game = record->Details(id);
    if (!game) {
        mLife.Drop(game.Why(), false);
        return std::nullopt;
    }
    GameView view;
    view.id = id;
    view.started = game->started;
    view.localSide = game->localSide;
    view.line = RecordedLine(*game, game->moves.size()).value_or(GameLine());
    const Colour firstMover = record::SideOfFen(game->startFen);
    for (int ply = 0; ply < view.line.Plies(); ++ply)
        view.plies.push_back(
            record::NumberedPly(firstMover, ply, game->moves[static_cast<size_t>(ply)].san));
    view.opponent = std::move(game->opponent);
    view.opponentEmail = std::move(game->opponentEmail);
    view.notes = std::move(game->notes);
    view.result = game->result;
    view.ending = game->ending;
    view.endedOn = game->endedOn;
    view.pgn = std::move(game->pgn);
    return view;
}

bool Desk::SetOpponent(int64_t id, const std::string &name, const std::string &email)
{
    const std::optional<GivenAddress> given = SplitAddress(email);
    TurnRecord *record = given ? mLife.Usable() : nullptr;
    return record
        && mLife.Changed(
            record->SetOpponent(id, CleanName(name.empty() ? given->name : name), given->address));
}

bool Desk::SetNotes(int64_t id, const std::string &notes)
{
    TurnRecord *record = mLife.Usable();
    return record && mLife.Changed(record->SetNotes(id, notes));
}

bool Desk::EndGame(int64_t id, PlayerEnding ending)
{
    TurnRecord *record = mLife.Usable();
    if (!record)
        return false;
    const Outcome<GameDetails> game = record->Details(id);
    if (!game) {
        mLife.Drop(game.Why(), false);
        return false;
    }
    const bool white = game->localSide == White;
    const GameEnding set = ending == PlayerEnding::DrawAgreed ? GameEnding::DrawAgreed
        : (ending == PlayerEnding::Resign) == white           ? GameEnding::WhiteResigned
                                                              : GameEnding::BlackResigned;
    return mLife.Changed(record->SetEnding(id, set));
}

bool Desk::ReopenGame(int64_t id)
{
    TurnRecord *record = mLife.Usable();
    return record && mLife.Changed(record->SetEnding(id, GameEnding::None));
}

bool Desk::DeleteGame(int64_t id)
{
    TurnRecord *record = mLife.Usable();
    return record && mLife.Changed(record->DeleteGame(id));
}

} // namespace corvalen
