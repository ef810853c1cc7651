#pragma once

#include <array>
#include <optional>
#include <string>

#include "rules/BoardState.h"

namespace corvalen {

// True when the move of the piece on move.from to move.to is legal for board.giToMove,
// including that it does not leave the mover's king attacked. Squares off the board give false;
// move.promotion is not looked at.
bool IsValidMove(const BoardState &board, Move move);

// The side of a legal castling by the king move, or nullopt when the move is no castling the
// board allows. Castling rights come from the placement alone.
std::optional<CastlingSide> CastlingOf(const BoardState &board, Move move);

// True when the mover's king stands attacked after the move.
bool LeavesKingInCheck(const BoardState &board, Move move);

// True when the king of the side to move (FindKing's) stands attacked.
bool InCheck(const BoardState &board);

// True when board.miEnPassant can be captured onto by the side to move: it lies on row 2 with
// White to move (row 5 with Black), is empty, and an opponent pawn stands behind it.
bool IsUsableEnPassantSquare(const BoardState &board);

// The lowest square holding a king of board.giToMove, or NoSquare.
Square FindKing(const BoardState &board);

// One letter per square: "prhbqk" for Black, upper case for White, '.' for anything else.
char PieceLetter(const BoardState &board, Square square);
// The eight rows of PieceLetter, row 0 (rank 8) first: a diagnostic aid.
std::array<std::string, 8> DumpBoard(const BoardState &board);

} // namespace corvalen
