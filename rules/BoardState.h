#pragma once

#include <array>
#include <cstdint>

namespace corvalen {

// Square numbers run 0..63, square = 8 * row + column; row 0 is Black's back rank (rank 8),
// column 0 the a-file. -1 stands for "no square" and for an empty square's piece and colour.
constexpr int16_t NoSquare = -1;
constexpr int16_t Empty = -1;

// Piece codes as they travel in the position code.
constexpr int16_t Pawn = 0;
constexpr int16_t Rook = 1;
constexpr int16_t Knight = 2;
constexpr int16_t Bishop = 3;
constexpr int16_t Queen = 4;
constexpr int16_t King = 5;

// Colour codes; White moves first and its pawns move towards row 0.
constexpr int16_t White = 0;
constexpr int16_t Black = 1;

constexpr bool IsOnBoard(int square) { return square >= 0 && square <= 63; }
constexpr int16_t RowOf(int16_t square) { return static_cast<int16_t>(square / 8); }
constexpr int16_t ColumnOf(int16_t square) { return static_cast<int16_t>(square % 8); }
constexpr int16_t SquareAt(int row, int column) { return static_cast<int16_t>(8 * row + column); }
constexpr int16_t Opponent(int16_t colour) { return colour == White ? Black : White; }

// The one game state: what stands on each square, whose turn it is, the en-passant square and
// whether the side to move was found in check when the position was loaded.
// The two arrays stay parallel: a square is empty exactly when both entries are -1. They are
// written only through PutPiece, EmptySquare and Clear (and so through the move operation).
class BoardState {
public:
    BoardState();

    int16_t Piece(int16_t square) const { return miPiece[square]; }
    int16_t Colour(int16_t square) const { return miColour[square]; }
    bool IsEmpty(int16_t square) const { return miPiece[square] == Empty; }

    void PutPiece(int16_t square, int16_t piece, int16_t colour);
    void EmptySquare(int16_t square);
    // Empties squares 0..63 and forgets the en-passant square; element 64 is never touched.
    void Clear();

    bool operator==(const BoardState &) const = default;

    int16_t giToMove = White;
    int16_t miEnPassant = NoSquare;
    bool mbInCheck = false;

private:
    // Index 64 is a spare element that is never a square; it keeps 0.
    std::array<int16_t, 65> miPiece;
    std::array<int16_t, 65> miColour;
};

} // namespace corvalen
