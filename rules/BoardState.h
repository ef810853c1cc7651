#pragma once

#include <array>
#include <cstddef>

#include "rules/Types.h"

namespace corvalen {

// The one game state: what stands on each square, whose turn it is and the en-passant square.
// The two arrays stay parallel: a square is empty exactly when its piece and colour are None.
// They are written only through PutPiece, EmptySquare and Clear (and so through the move
// operation).
class BoardState {
public:
    BoardState();

    PieceType Piece(Square square) const { return miPiece[Index(square)]; }
    Colour ColourOn(Square square) const { return miColour[Index(square)]; }
    bool IsEmpty(Square square) const { return Piece(square) == PieceType::None; }

    void PutPiece(Square square, PieceType piece, Colour colour);
    void EmptySquare(Square square);
    // Empties every square and forgets the en-passant square.
    void Clear();

    bool operator==(const BoardState &) const = default;

    Colour giToMove = White;
    Square miEnPassant = NoSquare;

private:
    static size_t Index(Square square) { return static_cast<size_t>(SquareNumber(square)); }

    std::array<PieceType, 64> miPiece;
    std::array<Colour, 64> miColour;
};

} // namespace corvalen
