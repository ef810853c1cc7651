#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "rules/BoardState.h"
#include "rules/Error.h"

namespace corvalen {

// Reads a FEN record: placement, side to move, castling field, en-passant square and the two
// counters (the last five fields may be missing: "w - - 0 1" is assumed). On a malformed record
// returns the Error that names what is wrong. The castling field is checked for form and
// handed back in `castlingField`; the board itself carries no castling rights.
Outcome<BoardState> BoardFromFen(std::string_view fen, std::string *castlingField = nullptr);

// The castling field the placement allows: K when a white king stands on e1 and a white rook on
// h1, Q for the rook on a1, k and q likewise for Black; "-" when none.
std::string CastlingFromPlacement(const BoardState &board);

// The standard start of a game, White to move, as FenFromBoard writes it.
constexpr std::string_view StandardStartFen
    = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";
// The board of StandardStartFen.
BoardState StandardStart();

// Placement, side to move, castling from the placement, the en-passant square when a capture onto
// it can count (else "-"), then "0 1".
std::string FenFromBoard(const BoardState &board);

} // namespace corvalen
