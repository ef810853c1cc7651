#pragma once

#include <optional>

#include "rules/BoardState.h"
#include "rules/GameStatus.h"
#include "rules/MateTest.h"
#include "rules/MoveExecution.h"

namespace corvalen {

// One turn: the position loaded, its status and the one move the local player makes on it.
class Turn {
public:
    enum class Verdict {
        NoMove, // off the board, onto its own square, or a move was already made
        OpponentsPiece, // the piece dragged is not one of the side to move
        Illegal,
        Legal,
    };

    // Loads a position whose side to move has its king on kingSquare (NoSquare: none) and
    // forgets any move.
    void Load(const BoardState &board, int16_t kingSquare);

    // The position as it stands: the loaded one, or the one after the move.
    const BoardState &Board() const { return mBoard; }
    // The position as loaded, with mbInCheck set when its side to move is in check.
    const BoardState &Loaded() const { return mLoaded; }
    GameStatus Status() const { return mStatus; }
    // The king square given at load for the side to move, or NoSquare.
    int16_t KingSquare() const { return miKingSquare; }
    // That king's square as the board stands: where the move took it, if it moved.
    int16_t KingSquareNow() const;

    // Whether dragging the piece on `from` to `to` is a move the turn accepts now.
    Verdict JudgeMove(int16_t from, int16_t to);
    // True when the move takes a pawn to its last row, so the player chooses a piece first.
    bool NeedsPromotionChoice(int16_t from, int16_t to) const;
    // Carries out a move JudgeMove called Legal; the check flag is cleared, the side to move
    // stays. A promotion becomes PromotedPiece(promotionPiece). Returns the squares changed,
    // kept for Undo as Outcome().
    const MoveOutcome &Play(int16_t from, int16_t to, int16_t promotionPiece = Queen);
    // Back to the loaded position, no move made.
    void Undo();

    const std::optional<Move> &PlayedMove() const { return mMove; }
    // The piece a promoted pawn became; Empty when the move was no promotion or none was made.
    int16_t PlayedPromotion() const { return miPromotion; }
    const MoveOutcome &Outcome() const { return mOutcome; }
    // What the opponent faces after the move: none, check, mate or stalemate; None without a
    // move.
    GameStatus StatusAfterMove() const;

private:
    BoardState mLoaded;
    BoardState mBoard;
    GameStatus mStatus = GameStatus::None;
    int16_t miKingSquare = NoSquare;
    std::optional<Move> mMove;
    int16_t miPromotion = Empty;
    MoveOutcome mOutcome;
};

} // namespace corvalen
