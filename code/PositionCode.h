#pragma once

#include <string>
#include <string_view>

#include "rules/BoardState.h"

namespace corvalen {

constexpr std::string_view CodePrefix = "CHESS-CODE:";
// The position New Game loads (short form, White to move), without the prefix.
constexpr std::string_view StartingCode
    = "FG4GD0LGU16HDHL1SI42C2K2S343C3K3SC0C8CGCOD0D8DGDOE0U9EHUQF2V9VHFOG";

// A code holds 1 to this many pieces (its count field has 5 bits).
constexpr int MaxCodePieces = 32;

enum class CodeDamage {
    None,
    TooShort, // fewer bits than the piece count needs
    UnknownPiece, // a record with piece code 6 or 7
};

struct DecodedCode {
    BoardState board; // giToMove and miEnPassant from the code
    // The square of the king of the side to move named last by the records whose square still
    // holds that king once every record is in place; NoSquare if none.
    Square kingSquare = NoSquare;
    CodeDamage damage = CodeDamage::None;
    std::string reason; // for a damaged code: what is wrong, in a short English phrase
    bool IsDamaged() const { return damage != CodeDamage::None; }
};

// Decodes the base-32 characters of a code (without the prefix, any case). A damaged code is
// reported instead of a board.
DecodedCode DecodePositionCode(std::string_view code);

// The full-form code text of the board, "CHESS-CODE:" + lower-case base-32, with sideToMove as
// the side to move of the code. Send Move passes the opponent of board.giToMove.
std::string EncodePositionCode(const BoardState &board, Colour sideToMove);

} // namespace corvalen
