#include "rules/BoardState.h"

namespace corvalen {

BoardState::BoardState()
{
    miPiece.fill(PieceType::None);
    miColour.fill(Colour::None);
}

void BoardState::PutPiece(Square square, PieceType piece, Colour colour)
{
    miPiece[Index(square)] = piece;
    miColour[Index(square)] = colour;
}

void BoardState::EmptySquare(Square square)
{
    PutPiece(square, PieceType::None, Colour::None);
}

void BoardState::Clear()
{
    miPiece.fill(PieceType::None);
    miColour.fill(Colour::None);
    miEnPassant = NoSquare;
}

} // namespace corvalen
