#include "rules/Turn.h"

#include "rules/MoveLegality.h"

namespace corvalen {

void Turn::Load(const BoardState &board, int16_t kingSquare)
{
    mLoaded = board;
    miKingSquare = kingSquare;
    mStatus = LoadedStatus(mLoaded, miKingSquare);
    Undo();
}

Turn::Verdict Turn::JudgeMove(int16_t from, int16_t to)
{
    if (mMove || !IsOnBoard(from) || !IsOnBoard(to) || from == to)
        return Verdict::NoMove;
    if (mBoard.Colour(from) != mBoard.giToMove)
        return Verdict::OpponentsPiece;
    return IsValidMove(mBoard, from, to) ? Verdict::Legal : Verdict::Illegal;
}

bool Turn::NeedsPromotionChoice(int16_t from, int16_t to) const
{
    return IsPromotion(mBoard, from, to);
}

const MoveOutcome &Turn::Play(int16_t from, int16_t to, int16_t promotionPiece)
{
    const bool promotion = IsPromotion(mBoard, from, to);
    mOutcome = CarryOutMove(mBoard, from, to, promotionPiece);
    mBoard.mbInCheck = false;
    mMove = Move { from, to };
    miPromotion = promotion ? PromotedPiece(promotionPiece) : Empty;
    return mOutcome;
}

void Turn::Undo()
{
    mBoard = mLoaded;
    mMove.reset();
    miPromotion = Empty;
    mOutcome = MoveOutcome();
}

int16_t Turn::KingSquareNow() const
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
