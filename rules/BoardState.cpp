#include "rules/BoardState.h"

namespace corvalen {

BoardState::BoardState()
{
    miPiece.fill(Empty);
    miColour.fill(Empty);
    miPiece[64] = 0;
    miColour[64] = 0;
}

void BoardState::PutPiece(int16_t square, int16_t piece, int16_t colour)
{
    miPiece[square] = piece;
    miColour[square] = colour;
}

void BoardState::EmptySquare(int16_t square)
{
    miPiece[square] = Empty;
    miColour[square] = Empty;
}

void BoardState::Clear()
{
    for (int16_t square = 0; square < 64; ++square)
        EmptySquare(square);
    miEnPassant = NoSquare;
}

} // namespace corvalen
