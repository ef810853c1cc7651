#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "rules/BoardState.h"
#include "rules/Types.h"

namespace corvalen {

// A move as a player types it, read against the legal moves of board.giToMove.
struct TypedMove {
    enum class Kind {
        Move, // one legal move
        NoMatch, // notation, but no legal move fits it
        Ambiguous, // more than one legal move fits it
        NotAMove, // not notation at all (or nothing typed)
    };
    Kind kind = Kind::NotAMove;
    // The move, its promotion the piece the text names (None when it names none).
    Move move;
    // The text as typed, without the blanks around it; empty when nothing but blanks and
    // annotations (+ # ! ?) was typed.
    std::string text;
    // For Ambiguous: the SAN of every move that fits, without "+" or "#", sorted.
    std::vector<std::string> candidates;
};

// Reads SAN (Nf3, exd6, Qh4xe1, O-O, 0-0-0, e8=Q, e8Q), coordinates (e2e4, e2-e4, e7e8q) and
// ICCF numeric notation (5254; 57581 promotes, the last digit 1 queen, 2 rook, 3 bishop,
// 4 knight), with or without "+", "#", "x", "-" and blanks. A lower-case piece letter is read as
// the piece where the text is no pawn move ("nf3"; "bb5" only when no b-pawn move fits).
TypedMove ReadTypedMove(const BoardState &board, std::string_view text);

} // namespace corvalen
