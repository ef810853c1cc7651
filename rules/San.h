#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/BoardState.h"

namespace corvalen {

// "a8" for 0, "h1" for 63; "-" for anything that is no square.
std::string SquareName(Square square);

// The square a two-letter name such as "e4" stands for, or NoSquare.
Square SquareFromName(std::string_view name);

// Coordinates of a move as UCI writes them: "e2e4"; a move with a promotion piece adds its
// letter ("e7e8q").
std::string MoveCoordinates(Move move);

// Standard algebraic notation of a legal move of board.giToMove on `board` (the position before
// the move): piece letter KQRBN, the origin's file, rank or square when another piece of the
// same kind could go there too, "x" for a capture (en passant included), "=Q" and so on for a
// promotion, O-O and O-O-O for castling, "+" when the opponent stands in check afterwards and
// "#" when it is mated. move.promotion counts only for a promotion (as PromotedPiece).
std::string MoveToSan(const BoardState &board, Move move);

// A legal move (with its promotion piece when it promotes) and its SAN.
struct SanMove {
    Move move;
    std::string san;
};

// Every legal move of the side to move with its SAN, in the order of LegalMoves; a promotion
// appears four times, as =Q, =R, =B and =N.
std::vector<SanMove> LegalSanMoves(const BoardState &board);

// The legal move whose SAN is `san`. A trailing "+", "#", "!" or "?" is not needed and not
// checked, and "0-0" reads as "O-O". nullopt when no legal move has that SAN.
std::optional<SanMove> MoveFromSan(const BoardState &board, std::string_view san);

// "14. Bc4" for a White move, "14... Nf6" for a Black one.
std::string NumberedMove(int moveNumber, Colour mover, std::string_view san);

} // namespace corvalen
