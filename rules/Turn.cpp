#include "rules/Turn.h"

#include "rules/Attack.h"
#include "rules/MoveLegality.h"

namespace corvalen {

const char *StatusName(GameStatus status)
{
    switch (status) {
    case GameStatus::Check:
        return "check";
    case GameStatus::Mate:
        return "mate";
    case GameStatus::Stalemate:
        return "stalemate";
    case GameStatus::None:
        break;
    }
    return "none";
}

GameStatus LoadedStatus(BoardState &board, int16_t kingSquare)
{
    board.mbInCheck = false;
    if (IsSquareAttacked(kingSquare, board)) {
        board.mbInCheck = true;
        return IsCheckmate(board) ? GameStatus::Mate : GameStatus::Check;
    }
    if (kingSquare != NoSquare && IsStalemate(board))
        return GameStatus::Stalemate;
    return GameStatus::None;
}

void Turn::Load(const DecodedCode &decoded)
{
    mLoaded = decoded.board;
    miKingSquare = decoded.kingSquare;
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
    // CarryOutMove makes anything but a rook, knight, bishop or queen a queen.
    miPromotion = !promotion                                ? Empty
        : promotionPiece >= Rook && promotionPiece <= Queen ? promotionPiece
                                                            : Queen;
    return mOutcome;
}

void Turn::Undo()
{
    mBoard = mLoaded;
    mMove.reset();
    miPromotion = Empty;
    mOutcome = MoveOutcome();
}

std::string Turn::CodeToSend() const
{
    return EncodePositionCode(mBoard, Opponent(mBoard.giToMove));
}

} // namespace corvalen
