#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "rules/BoardState.h"

namespace corvalen {

// The castling rights a game's moves leave: a right is lost when the king or that rook moves,
// or the rook is taken on its home square.
struct CastlingRights {
    bool whiteKingSide = false;
    bool whiteQueenSide = false;
    bool blackKingSide = false;
    bool blackQueenSide = false;

    bool operator==(const CastlingRights &) const = default;
    // Whether `colour` keeps the right to castle on `side`.
    bool Allows(Colour colour, CastlingSide side) const;
    // What the placement allows: king and rook on their home squares.
    static CastlingRights FromPlacement(const BoardState &board);
    // The FEN castling field: "KQkq", "Kq", "-".
    std::string Field() const;
};

// What took a castling right in a line.
enum class CastlingLoss {
    None, // the right stands
    KingMoved,
    RookMoved,
    RookTaken, // on its home square
};

struct LostRight {
    CastlingLoss cause = CastlingLoss::None;
    int ply = 0; // the move that took the right (1..Plies())
};

// A draw a player may claim in the position reached (FIDE Laws 9.2 and 9.3).
enum class DrawClaim {
    None,
    Threefold, // the same position the third time
    FiftyMoves, // 50 moves by each side without a capture or pawn move
};

// One position of a game as its moves reached it.
struct LinePosition {
    // The board after the ply, with the side to move and the en-passant square the last move
    // left (as a position code carries it).
    BoardState board;
    CastlingRights castling;
    // The square a legal en-passant capture goes to, or NoSquare when no such capture exists.
    Square miEnPassantCapture = NoSquare;
    // Plies since the last capture or pawn move; a set-up start counts from 0.
    int halfMoveClock = 0;
    // The move number FEN gives: 1 at the start, one more after each Black move.
    int fullMoveNumber = 1;
};

// A game as a start position and the moves played from it, with every position it passed.
// Ply 0 is the start, ply n the position after the n-th move.
class GameLine {
public:
    // The standard start.
    GameLine();
    // A game from `start` (a set-up position or the standard start): its castling rights are
    // what the placement allows, its clock 0 and its move number 1, whatever a FEN said.
    explicit GameLine(const BoardState &start);

    // Appends a move IsValidMove accepts in the last position, a castling only while the line
    // keeps its right; move.promotion counts only for a promotion (as PromotedPiece). False, and
    // nothing appended, for any other move.
    bool Play(Move move);
    // Appends a move written as coordinates ("e2e4", "e7e8q") or as SAN ("Nf3", "O-O").
    bool Play(std::string_view text);

    int Plies() const { return static_cast<int>(mPositions.size()) - 1; }
    // The position after `ply` (0..Plies()).
    const LinePosition &At(int ply) const { return mPositions[static_cast<size_t>(ply)]; }
    const LinePosition &Last() const { return mPositions.back(); }
    // The move that led to `ply` (1..Plies()), with the piece a promoted pawn became.
    Move MoveTo(int ply) const { return mMoves[static_cast<size_t>(ply - 1)]; }
    // That move in SAN ("Nf3", "exd6", "O-O-O", "e8=Q#").
    std::string SanTo(int ply) const;

    // Why `colour` may not castle on `side` after the last ply: the move that took the right;
    // for a right the start lacked, the move that brought the king (else the rook) home. None
    // while the right stands.
    LostRight CastlingLost(Colour colour, CastlingSide side) const;

    // FEN of the position after `ply`: placement, side to move, the castling rights of the
    // line, the en-passant square as FenFromBoard writes it, the clock and the move number.
    std::string Fen(int ply) const;

    // A draw the side to move at `ply` may claim there: threefold when this position (placement,
    // side to move, castling rights, en-passant capture) stood at least twice before in the
    // line, else fifty when 100 plies passed without a capture or pawn move.
    DrawClaim ClaimableDraw(int ply) const;
    // After the last ply: what the player to move may claim at load.
    DrawClaim ClaimableDraw() const { return ClaimableDraw(Plies()); }
    // After the last ply and then `move`: what the player making it may claim with it. None when
    // the move is not legal.
    DrawClaim ClaimableDrawAfter(Move move) const;

private:
    std::vector<LinePosition> mPositions;
    std::vector<Move> mMoves;
};

} // namespace corvalen
