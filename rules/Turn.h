#pragma once

#include <optional>
#include <string>

#include "code/PositionCode.h"
#include "rules/BoardState.h"
#include "rules/MateTest.h"
#include "rules/MoveExecution.h"

namespace corvalen {

// What the side to move faces in a loaded position.
enum class GameStatus { None, Check, Mate, Stalemate };

// "none", "check", "mate" or "stalemate".
const char *StatusName(GameStatus status);

// The status of a decoded position, as the window shows it: check when the king the decoder
// named is attacked (board.mbInCheck is then set), mate when it is in check and has no legal
// move, stalemate when a king of the side to move stands out of check and no legal move
// exists. A position without a king of the side to move is never stalemate.
GameStatus LoadedStatus(BoardState &board, int16_t kingSquare);

// One turn: the position loaded from a code, its status, the one move the local player makes
// on it and the code that move sends.
class Turn {
public:
    enum class Verdict {
        NoMove, // off the board, onto its own square, or a move was already made
        OpponentsPiece, // the piece dragged is not one of the side to move
        Illegal,
        Legal,
    };

    // Loads a decoded code (one the decoder did not report damaged) and forgets any move.
    void Load(const DecodedCode &decoded);

    // The position as it stands: the loaded one, or the one after the move.
    const BoardState &Board() const { return mBoard; }
    // The position as loaded, with mbInCheck set when its side to move is in check.
    const BoardState &Loaded() const { return mLoaded; }
    GameStatus Status() const { return mStatus; }
    // The king square the decoder named for the side to move, or NoSquare.
    int16_t KingSquare() const { return miKingSquare; }

    // Whether dragging the piece on `from` to `to` is a move the turn accepts now.
    Verdict JudgeMove(int16_t from, int16_t to);
    // True when the move takes a pawn to its last row, so the player chooses a piece first.
    bool NeedsPromotionChoice(int16_t from, int16_t to) const;
    // Carries out a move JudgeMove called Legal; the check flag is cleared, the side to move
    // stays. Returns the squares changed, kept for Undo as Outcome().
    const MoveOutcome &Play(int16_t from, int16_t to, int16_t promotionPiece = Queen);
    // Back to the loaded position, no move made.
    void Undo();

    const std::optional<Move> &PlayedMove() const { return mMove; }
    // The piece a promoted pawn became; Empty when the move was no promotion or none was made.
    int16_t PlayedPromotion() const { return miPromotion; }
    const MoveOutcome &Outcome() const { return mOutcome; }

    // The full code text of the board as it stands, with the opponent of the mover to move.
    std::string CodeToSend() const;

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
