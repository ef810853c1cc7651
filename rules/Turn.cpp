#include "rules/Turn.h"

#include "rules/MoveLegality.h"

namespace corvalen {

void Turn::Load(const BoardState &board, Square kingSquare)
{
    mLoaded = board;
    miKingSquare = kingSquare;
    mStatus = LoadedStatus(mLoaded, miKingSquare);
    Undo();
}

bool Turn::ShowsCheck() const
{
    return !mMove && (mStatus == GameStatus::Check || mStatus == GameStatus::Mate);
}

Turn::Verdict Turn::JudgeMove(Move move) const
{
    if (mMove || !IsOnBoard(move.from) || !IsOnBoard(move.to) || move.from == move.to)
        return Verdict::NoMove;
    if (mBoard.ColourOn(move.from) != mBoard.giToMove)
        return Verdict::OpponentsPiece;
    return IsValidMove(mBoard, move) ? Verdict::Legal : Verdict::Illegal;
}

bool Turn::NeedsPromotionChoice(Move move) const
{
    return IsPromotion(mBoard, move);
}

const MoveOutcome &Turn::Play(Move move)
{
    if (IsPromotion(mBoard, move))
        move.promotion = PromotedPiece(move.promotion);
    else
        move.promotion = PieceType::None;
    mOutcome = CarryOutMove(mBoard, move);
    mMove = move;
    return mOutcome;
}

void Turn::Undo()
{
    mBoard = mLoaded;
    mMove.reset();
    mOutcome = MoveOutcome();
}

Square Turn::KingSquareNow() const
{
    return mMove && mMove->from == miKingSquare ? mMove->to : miKingSquare;
}

GameStatus Turn::StatusAfterMove() const
{
    if (!mMove)
        return GameStatus::None;
    BoardState after = mBoard;
    after.giToMove = Opponent(mBoard.giToMove);
    return LoadedStatus(after, FindKing(after));
}

} // namespace corvalen
