#pragma once

#include <array>
#include <string>

#include "rules/BoardState.h"

namespace corvalen {

// The side value CanCastle reports.
constexpr int16_t QueenSide = -1;
constexpr int16_t KingSide = 0;

// True when moving the piece on `from` to `to` is legal for board.giToMove, including that it
// does not leave the mover's king attacked. Squares off the board give false. The board is
// exactly as before when it returns.
bool IsValidMove(BoardState &board, int16_t from, int16_t to);

// True when the king move from `from` to `to` is a legal castling; `side` is then QueenSide or
// KingSide and is left untouched otherwise. Castling rights come from the placement alone.
bool CanCastle(const BoardState &board, int16_t to, int16_t from, int16_t &side);

// True when the mover's king stands attacked after the move (tried on the board, then undone).
bool LeavesKingInCheck(BoardState &board, int16_t to, int16_t from);

// True when board.miEnPassant can be captured onto by the side to move: it lies on row 2 with
// White to move (row 5 with Black), is empty, and an opponent pawn stands behind it.
bool IsUsableEnPassantSquare(const BoardState &board);

// The lowest square holding a king of board.giToMove, or NoSquare.
int16_t FindKing(const BoardState &board);

// One letter per square: "prhbqk" for Black, upper case for White, '.' for anything else.
char PieceLetter(const BoardState &board, int16_t square);
// The eight rows of PieceLetter, row 0 (rank 8) first: a diagnostic aid.
std::array<std::string, 8> DumpBoard(const BoardState &board);

} // namespace corvalen
