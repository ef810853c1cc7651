#pragma once

#include <string>
#include <string_view>

#include "rules/BoardState.h"

// Readable board literals for the code tests: FEN placement ("4k3/8/8/8/8/8/8/4K3", knights as
// n or h) and square names ("e4").
namespace corvalen::testing {

inline int16_t SquareFromName(std::string_view name)
{
    if (name.size() != 2 || name[0] < 'a' || name[0] > 'h' || name[1] < '1' || name[1] > '8')
        return NoSquare;
    return SquareAt('8' - name[1], name[0] - 'a');
}

inline int16_t PieceFromLetter(char letter)
{
    switch (letter | 0x20) {
    case 'p':
        return Pawn;
    case 'r':
        return Rook;
    case 'n':
    case 'h':
        return Knight;
    case 'b':
        return Bishop;
    case 'q':
        return Queen;
    case 'k':
        return King;
    default:
        return Empty;
    }
}

inline BoardState BoardFromPlacement(
    std::string_view placement, int16_t toMove = White, int16_t enPassant = NoSquare)
{
    BoardState board;
    int row = 0;
    int column = 0;
    for (char c : placement) {
        if (c == '/') {
            ++row;
            column = 0;
        } else if (c >= '1' && c <= '8') {
            column += c - '0';
        } else if (row < 8 && column < 8) {
            const int16_t piece = PieceFromLetter(c);
            if (piece != Empty)
                board.PutPiece(SquareAt(row, column), piece, c >= 'a' ? Black : White);
            ++column;
        }
    }
    board.giToMove = toMove;
    board.miEnPassant = enPassant;
    return board;
}

// The placement of a board in FEN letters, for readable failure messages.
inline std::string PlacementOf(const BoardState &board)
{
    std::string text;
    for (int16_t row = 0; row < 8; ++row) {
        int gap = 0;
        for (int16_t column = 0; column < 8; ++column) {
            const int16_t square = SquareAt(row, column);
            if (board.IsEmpty(square)) {
                ++gap;
                continue;
            }
            if (gap > 0)
                text += static_cast<char>('0' + gap);
            gap = 0;
            const int16_t piece = board.Piece(square);
            char letter = piece >= 0 && piece <= King ? "prnbqk"[piece] : '?';
            if (board.Colour(square) == White)
                letter = static_cast<char>(letter - 'a' + 'A');
            text += letter;
        }
        if (gap > 0)
            text += static_cast<char>('0' + gap);
        if (row < 7)
            text += '/';
    }
    return text;
}

} // namespace corvalen::testing
