#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace corvalen {

// The chess vocabulary of every layer. Each value keeps the number the position code gives it,
// and no integer turns into one of these types by itself: the conversions to and from the
// code's numbers are the *Number and *FromNumber functions below, and nothing else casts.

// White moves first; its pawns move towards row 0 (rank 8). None is the colour of an empty
// square.
enum class Colour : int8_t { None = -1, White = 0, Black = 1 };

// None is the piece of an empty square, and the promotion of a move that promotes nothing.
enum class PieceType : int8_t {
    None = -1,
    Pawn = 0,
    Rook = 1,
    Knight = 2,
    Bishop = 3,
    Queen = 4,
    King = 5
};

// A square is 8 * row + column: row 0 is rank 8, column 0 the a-file, so A8 is 0 and H1 63.
// clang-format off
enum class Square : int8_t {
    None = -1,
    A8, B8, C8, D8, E8, F8, G8, H8,
    A7, B7, C7, D7, E7, F7, G7, H7,
    A6, B6, C6, D6, E6, F6, G6, H6,
    A5, B5, C5, D5, E5, F5, G5, H5,
    A4, B4, C4, D4, E4, F4, G4, H4,
    A3, B3, C3, D3, E3, F3, G3, H3,
    A2, B2, C2, D2, E2, F2, G2, H2,
    A1, B1, C1, D1, E1, F1, G1, H1,
};
// clang-format on

enum class CastlingSide : int8_t { Queen, King };

constexpr Colour White = Colour::White;
constexpr Colour Black = Colour::Black;
constexpr PieceType Pawn = PieceType::Pawn;
constexpr PieceType Rook = PieceType::Rook;
constexpr PieceType Knight = PieceType::Knight;
constexpr PieceType Bishop = PieceType::Bishop;
constexpr PieceType Queen = PieceType::Queen;
constexpr PieceType King = PieceType::King;
constexpr Square NoSquare = Square::None;
constexpr CastlingSide QueenSide = CastlingSide::Queen;
constexpr CastlingSide KingSide = CastlingSide::King;

constexpr Colour Opponent(Colour colour)
{
    return colour == White ? Black : White;
}

// The code's numbers: square 0..63 (-1 none), colour 0..1, piece 0..5 (-1 none).
constexpr int SquareNumber(Square square)
{
    return static_cast<int>(square);
}
constexpr int ColourNumber(Colour colour)
{
    return static_cast<int>(colour);
}
constexpr int PieceNumber(PieceType piece)
{
    return static_cast<int>(piece);
}
constexpr bool IsOnBoard(int number)
{
    return number >= 0 && number <= 63;
}
constexpr bool IsOnBoard(Square square)
{
    return IsOnBoard(SquareNumber(square));
}
// NoSquare for a number off the board.
constexpr Square SquareFromNumber(int number)
{
    return IsOnBoard(number) ? static_cast<Square>(number) : NoSquare;
}
// Black for 1, White for any other number (the code's one colour bit).
constexpr Colour ColourFromNumber(int number)
{
    return number == 1 ? Black : White;
}
// PieceType::None for a number outside 0..5.
constexpr PieceType PieceFromNumber(int number)
{
    return number >= 0 && number <= 5 ? static_cast<PieceType>(number) : PieceType::None;
}

constexpr int RowOf(Square square)
{
    return SquareNumber(square) / 8;
}
constexpr int ColumnOf(Square square)
{
    return SquareNumber(square) % 8;
}
// The square on row 0..7 and column 0..7; NoSquare off the board.
constexpr Square SquareAt(int row, int column)
{
    return row >= 0 && row <= 7 && column >= 0 && column <= 7
        ? static_cast<Square>(8 * row + column)
        : NoSquare;
}
// The square `steps` numbers on (negative: back); NoSquare past either end of 0..63. Whether the
// step wrapped past a side edge is the caller's to check.
constexpr Square Shifted(Square square, int steps)
{
    return SquareFromNumber(SquareNumber(square) + steps);
}
// Every square, A8 to H1.
constexpr std::array<Square, 64> AllSquares = [] {
    std::array<Square, 64> squares {};
    for (int number = 0; number < 64; ++number)
        squares[static_cast<size_t>(number)] = static_cast<Square>(number);
    return squares;
}();
// The square a pawn of `colour` steps onto: row 0 is White's goal.
constexpr int Forward(Colour colour)
{
    return colour == White ? -8 : 8;
}

// Home squares: where a king or rook must stand for the placement to allow castling.
constexpr Square KingHome(Colour colour)
{
    return colour == White ? Square::E1 : Square::E8;
}
constexpr Square RookHome(Colour colour, CastlingSide side)
{
    if (colour == White)
        return side == KingSide ? Square::H1 : Square::A1;
    return side == KingSide ? Square::H8 : Square::A8;
}
// The row of a side's pieces at the start, of its pawns, and the pawns' last row.
constexpr int BackRow(Colour colour)
{
    return colour == White ? 7 : 0;
}
constexpr int PawnRow(Colour colour)
{
    return colour == White ? 6 : 1;
}
constexpr int LastRow(Colour colour)
{
    return BackRow(Opponent(colour));
}

// One move: from, to, and the piece a pawn reaching its last row becomes (PieceType::None for
// every other move, and while no piece has been chosen).
struct Move {
    Square from = NoSquare;
    Square to = NoSquare;
    PieceType promotion = PieceType::None;

    bool operator==(const Move &) const = default;
    // The same squares, whatever the promotion.
    bool SameSquares(const Move &other) const { return from == other.from && to == other.to; }
};

} // namespace corvalen
