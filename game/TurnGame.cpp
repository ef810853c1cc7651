#include "game/PlayerTurn.h"

#include "rules/Fen.h"
#include "rules/MoveLegality.h"

// What the turn knows of its recorded game: the facts of the status line, the claims, the
// opponent, and the desk's changes to that game.

namespace corvalen {

namespace {

    // Placement and side to move of a FEN record.
    std::string PlacementAndSide(const std::string &fen)
    {
        return fen.substr(0, fen.find(' ', fen.find(' ') + 1));
    }

} // namespace

void PlayerTurn::ReadGame()
{
    mGame.reset();
    TurnRecord *record = mLife.Opened();
    if (!record || !mLoad || !mLoad->gameId)
        return;
    const Outcome<GameDetails> game = record->Details(*mLoad->gameId);
    if (!game)
        return mLife.Drop(game.Why(), false);
    RecordedGame recorded { std::nullopt, game->ending, game->endedOn, game->result,
        game->opponentEmail };
    if (!mLoad->recordsNothing)
        recorded.line = RecordedLine(*game, static_cast<size_t>(mLoad->plies));
    // Only a line that reaches the loaded position counts for a claim.
    if (recorded.line
        && PlacementAndSide(FenFromBoard(recorded.line->Last().board))
            != PlacementAndSide(FenFromBoard(mTurn.Loaded())))
        recorded.line.reset();
    mGame = std::move(recorded);
}

TurnFacts PlayerTurn::Facts() const
{
    TurnFacts facts;
    facts.note = msNote;
    facts.played = mTurn.PlayedMove().has_value();
    if (facts.played)
        facts.afterMove = mTurn.StatusAfterMove();
    facts.claimedWithMove = mbClaimWithMove ? mClaimed : DrawClaim::None;
    if (const RecordedGame *game = Recorded()) {
        facts.ending = game->ending;
        facts.endedOn = game->endedOn;
    }
    facts.claimable = ClaimableDraw();
    facts.recordOn = mLife.On();
    facts.cannotArise = msCannotArise;
    if (const LoadReport *load = Placed())
        facts.placed = *load;
    facts.loadedStatus = mTurn.Status();
    facts.whiteToMove = mTurn.Loaded().giToMove == White;
    facts.deadPosition = IsDeadPosition(mTurn.Loaded());
    return facts;
}

std::vector<Square> PlayerTurn::Marks() const
{
    return Placed() ? mLoad->marks : std::vector<Square>();
}

std::optional<GameSheet> PlayerTurn::Sheet()
{
    const std::optional<int64_t> id = GameId();
    if (!id)
        return std::nullopt;
    const Outcome<GameMoves> moves = mLife.Opened()->Moves(*id);
    const Outcome<std::string> pgn = mLife.Opened()->Pgn(*id);
    if (!moves || !pgn)
        return std::nullopt;
    return GameSheet { moves->startDate, moves->moveText, *pgn };
}

std::optional<int64_t> PlayerTurn::GameId() const
{
    return mLife.Opened() && mLoad ? mLoad->gameId : std::nullopt;
}

bool PlayerTurn::StartsGame() const
{
    return mLife.Opened() && mLoad && mLoad->startsOnSend && !mLoad->gameId;
}

bool PlayerTurn::SetOpponent(const std::string &name, const std::string &address)
{
    if (!StartsGame())
        return false;
    mLoad->opponent = name;
    mLoad->opponentEmail = address;
    return true;
}

std::string PlayerTurn::Opponent() const
{
    return StartsGame() ? mLoad->opponent : std::string();
}

std::string PlayerTurn::OpponentEmail() const
{
    if (StartsGame())
        return mLoad->opponentEmail;
    return Recorded() ? mGame->opponentEmail : std::string();
}

DrawClaim PlayerTurn::ClaimableDraw() const
{
    const RecordedGame *game = Recorded();
    if (!game || !game->line || game->ending != GameEnding::None || IsFinished(game->result)
        || mClaimed != DrawClaim::None)
        return DrawClaim::None;
    if (const std::optional<Move> &move = mTurn.PlayedMove())
        return game->line->ClaimableDrawAfter(*move);
    return game->line->ClaimableDraw();
}

bool PlayerTurn::ClaimDraw()
{
    const DrawClaim claim = ClaimableDraw();
    if (claim == DrawClaim::None)
        return false;
    // A claim with the local move is part of that move: Send Move records the two together.
    if (mTurn.PlayedMove()) {
        mClaimed = claim;
        mbClaimWithMove = true;
        return true;
    }
    TurnRecord *record = mLife.Usable();
    if (!record || !mLife.Changed(record->SetEnding(*mLoad->gameId, ClaimEnding(claim))))
        return false;
    mClaimed = claim;
    ReadGame();
    return true;
}

void PlayerTurn::GameChanged(int64_t id, bool reopened)
{
    if (!mLoad || mLoad->gameId != id)
        return;
    if (reopened)
        ForgetClaim();
    ReadGame();
}

void PlayerTurn::GameDeleted(int64_t id)
{
    if (!mLoad || mLoad->gameId != id)
        return;
    // The rest of this turn belongs to no recorded game: a send records nothing.
    mLoad->gameId.reset();
    mLoad->startsOnSend = false;
    mLoad->recordsNothing = true;
    mLoad->marks.clear();
    ForgetClaim();
    ReadGame();
}

} // namespace corvalen
