#include "game/PlayerTurn.h"

#include <ctime>
#include <filesystem>
#include <utility>

#include "game/RulesWords.h"
#include "rules/Fen.h"
#include "rules/MoveLegality.h"
#include "rules/San.h"

namespace corvalen {

namespace {

    // YYYY-MM-DD, UTC.
    std::string Today()
    {
        const std::time_t now = std::time(nullptr);
        std::tm utc {};
        gmtime_r(&now, &utc);
        char text[16];
        std::strftime(text, sizeof text, "%Y-%m-%d", &utc);
        return text;
    }

} // namespace

PlayerTurn::PlayerTurn(RecordLife &life)
    : mLife(life)
{
    // Without the record this turn belongs to no recorded game.
    mLife.WhenDropped([this] {
        mLoad.reset();
        mGame.reset();
    });
}

void PlayerTurn::SwitchRecord(bool on)
{
    if (on == mLife.On())
        return;
    if (!on) {
        // A claim held for the move goes; one the record holds stays there.
        if (mbClaimWithMove && !(Recorded() && Recorded()->ending != GameEnding::None))
            ForgetClaim();
        mLife.Switch(false);
        return;
    }
    mLife.Switch(true);
    if (msLoadedCode.empty())
        return;
    // The load placed earlier in this run stands, unless its file went meanwhile.
    std::error_code ignored;
    if (mLoad && std::filesystem::exists(mLife.Path(), ignored)) {
        mLife.Open();
        ReadGame();
        return;
    }
    if (mbNewGame) {
        mLoad.reset();
        if (TurnRecord *record = mLife.Open())
            mLoad = std::make_unique<LoadReport>(record->StartNewGame());
        ReadGame();
        return;
    }
    RecogniseLoad();
}

void PlayerTurn::Load(const DecodedCode &code, const std::string &characters)
{
    mTurn.Load(code.board, code.kingSquare);
    msLoadedCode = characters;
    msCannotArise = WordCannotArise(WhyPositionCannotArise(mTurn.Loaded()));
    msNote.clear();
    msSentMove.clear();
    mbNewGame = false;
    ForgetClaim();
    RecogniseLoad();
}

void PlayerTurn::NewGame()
{
    const BoardState start = StandardStart();
    mTurn.Load(start, FindKing(start));
    msLoadedCode = StartingCode;
    msCannotArise.clear();
    msNote.clear();
    msSentMove.clear();
    mbNewGame = true;
    ForgetClaim();
    mLoad.reset();
    if (TurnRecord *record = mLife.Usable())
        mLoad = std::make_unique<LoadReport>(record->StartNewGame());
    ReadGame();
}

void PlayerTurn::RecogniseLoad()
{
    mLoad.reset();
    mGame.reset();
    TurnRecord *record = mLife.On() && msCannotArise.empty() ? mLife.Open() : nullptr;
    if (!record)
        return;
    Outcome<LoadReport> report
        = record->RecogniseLoad(mTurn.Loaded(), mTurn.Status(), msLoadedCode);
    if (!report)
        return mLife.Drop(report.Why(), true);
    mLoad = std::make_unique<LoadReport>(std::move(*report));
    ReadGame();
    // A position sent already, or one that does not follow a sent one, is told in a box.
    if (mLoad && (mLoad->kind == LoadCase::SameAsSent || mLoad->kind == LoadCase::DoesNotFollow)) {
        Told told = Told::Of(Told::What::LoadMessage,
            mLoad->kind == LoadCase::SameAsSent ? Notice::Kind::SameAsSent
                                                : Notice::Kind::Information);
        told.load = *mLoad;
        mLife.Tell(std::move(told));
    }
}

void PlayerTurn::ForgetClaim()
{
    mClaimed = DrawClaim::None;
    mbClaimWithMove = false;
}

bool PlayerTurn::TakesMove(Move move)
{
    // The position the local player sent waits for the opponent's move (the status line says
    // so) until the player starts a new game from it.
    if (Placed() && mLoad->kind == LoadCase::SameAsSent && mLoad->recordsNothing)
        return false;
    switch (mTurn.JudgeMove(move)) {
    case Turn::Verdict::OpponentsPiece:
        mLife.Tell(Told::Of(Told::What::OpponentsPiece, Notice::Kind::Information));
        return false;
    case Turn::Verdict::NoMove:
    case Turn::Verdict::Illegal:
        return false;
    case Turn::Verdict::Legal:
        break;
    }
    if (TurnRecord *record = mLife.Opened(); record && mLoad) {
        const Outcome<std::optional<record::LostCastling>> refusal
            = record->CastlingRefusal(*mLoad, mTurn.Board(), move);
        if (!refusal) {
            mLife.Drop(refusal.Why(), false);
        } else if (*refusal) {
            Told told = Told::Of(Told::What::LostCastling, Notice::Kind::Information);
            told.lostCastling = **refusal;
            mLife.Tell(std::move(told));
            return false;
        }
    }
    return true;
}

bool PlayerTurn::NeedsPromotionChoice(Move move) const
{
    return mTurn.NeedsPromotionChoice(move);
}

const MoveOutcome &PlayerTurn::Play(Move move)
{
    msNote.clear();
    return mTurn.Play(move);
}

TypedMove PlayerTurn::ReadTyped(std::string_view text)
{
    if (text.find_first_not_of(" \t") == std::string_view::npos)
        return {};
    TypedMove typed = ReadTypedMove(mTurn.Board(), text);
    msNote = WordTypedMove(typed);
    return typed;
}

std::string PlayerTurn::SentToUndo() const
{
    return mLife.On() && mTurn.PlayedMove() ? msSentMove : std::string();
}

void PlayerTurn::Undo()
{
    // A claim made with the move goes with it, from the record too once the move was sent.
    if (mbClaimWithMove) {
        TurnRecord *record = Recorded() && mGame->ending != GameEnding::None && mLoad->gameId
            ? mLife.Usable()
            : nullptr;
        if (record) {
            mLife.Changed(record->SetEnding(*mLoad->gameId, GameEnding::None));
            ReadGame();
        }
        ForgetClaim();
    }
    mTurn.Undo();
    msNote.clear();
    msSentMove.clear();
}

std::optional<OtherAnswer> PlayerTurn::OtherAnswerToSend() const
{
    const std::optional<Move> &move = mTurn.PlayedMove();
    if (!mLife.Opened() || !mLoad || mLoad->kind != LoadCase::Again || !mLoad->answered || !move)
        return std::nullopt;
    const EarlierAnswer &answer = *mLoad->answered;
    const std::string san = MoveToSan(mTurn.Loaded(), *move);
    if (san == answer.san)
        return std::nullopt;
    // The same number as the answer it replaces: "14... Nf6" and "Nd7" make "14... Nd7".
    return OtherAnswer { answer.move,
        answer.move.substr(0, answer.move.size() - answer.san.size()) + san };
}

SentMove PlayerTurn::Send()
{
    SentMove sent;
    const BoardState &board = mTurn.Board();
    sent.code = EncodePositionCode(board, corvalen::Opponent(board.giToMove));
    if (!mTurn.PlayedMove())
        return sent;
    const Move move = *mTurn.PlayedMove();
    msSentMove = MoveToSan(mTurn.Loaded(), move);
    // A game that has ended records no more moves; a draw claimed with this very move is
    // recorded with it, in the same change. The answer sent before from this position,
    // sent again, is recorded already.
    const bool ended = Recorded() && mGame->ending != GameEnding::None;
    TurnRecord *record = mLoad ? mLife.Opened() : nullptr;
    const GameEnding claim = mbClaimWithMove ? ClaimEnding(mClaimed) : GameEnding::None;
    if (record && mLoad->kind == LoadCase::Again && mLoad->answered
        && mLoad->answered->san == msSentMove) {
        sent.numberedMove = mLoad->answered->move;
        if (mbClaimWithMove && mLoad->gameId
            && mLife.Changed(record->SetEnding(*mLoad->gameId, claim)))
            ReadGame();
    } else if (record && !ended) {
        const bool starts = !mLoad->gameId;
        if (const std::optional<Error> failed = record->RecordSend(
                *mLoad, mTurn.Loaded(), move, sent.code, claim)) {
            mLife.Drop(*failed, true);
        } else if (mLoad->gameId) {
            const Outcome<GameMoves> moves = record->Moves(*mLoad->gameId);
            if (moves)
                sent.numberedMove = moves->lastMove;
            else
                mLife.Drop(moves.Why(), false);
            if (mLoad && mLoad->answered && mLoad->kind == LoadCase::Again)
                mLoad->answered
                    = EarlierAnswer { *mLoad->gameId, msSentMove, sent.numberedMove, Today() };
            if ((starts || mbClaimWithMove) && mLoad)
                ReadGame();
        }
    }
    if (!sent.numberedMove.empty())
        msSentMove = sent.numberedMove;
    return sent;
}

void PlayerTurn::StartGameFromSameAsSent()
{
    TurnRecord *record = mLoad ? mLife.Opened() : nullptr;
    if (!record)
        return;
    if (const std::optional<Error> failed
        = record->StartGameFromSameAsSent(*mLoad, mTurn.Loaded(), mTurn.Status(), msLoadedCode))
        return mLife.Drop(*failed, true);
    ReadGame();
}

} // namespace corvalen
