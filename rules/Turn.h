#pragma once

#include <optional>

#include "rules/BoardState.h"
#include "rules/GameStatus.h"
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
    void Load(const BoardState &board, Square kingSquare);

    // The position as it stands: the loaded one, or the one after the move.
    const BoardState &Board() const { return mBoard; }
    // The position as loaded.
    const BoardState &Loaded() const { return mLoaded; }
    GameStatus Status() const { return mStatus; }
    // Whether the king on KingSquare() stands in check as the board stands: at load, until a
    // move is made.
    bool ShowsCheck() const;
    // The king square given at load for the side to move, or NoSquare.
    Square KingSquare() const { return miKingSquare; }
    // That king's square as the board stands: where the move took it, if it moved.
    Square KingSquareNow() const;

    // Whether dragging the piece on move.from to move.to is a move the turn accepts now.
    Verdict JudgeMove(Move move) const;
    // True when the move takes a pawn to its last row, so the player chooses a piece first.
    bool NeedsPromotionChoice(Move move) const;
    // Carries out a move JudgeMove called Legal; the side to move stays. A promotion becomes
    // PromotedPiece(move.promotion). Returns the squares changed, kept for Undo as Outcome().
    const MoveOutcome &Play(Move move);
    // Back to the loaded position, no move made.
    void Undo();

    // The move made, its promotion the piece a promoted pawn became (None for any other move).
    const std::optional<Move> &PlayedMove() const { return mMove; }
    const MoveOutcome &Outcome() const { return mOutcome; }
    // What the opponent faces after the move: none, check, mate or stalemate; None without a
    // move.
    GameStatus StatusAfterMove() const;

private:
    BoardState mLoaded;
    BoardState mBoard;
    GameStatus mStatus = GameStatus::None;
    Square miKingSquare = NoSquare;
    std::optional<Move> mMove;
    MoveOutcome mOutcome;
};

} // namespace corvalen
