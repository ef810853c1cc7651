#pragma once

#include <QColor>
#include <QImage>

// The drawings of the board pictures, drag icons and the window's own pictures. Every function
// returns a finished image; writing the files is the caller's business.
namespace PictureArt {

enum class PieceKind { Pawn, Rook, Knight, Bishop, Queen, King };
enum class PieceColour { White, Black };

inline const QColor LightSquare(238, 236, 226);
inline const QColor DarkSquare(112, 146, 190);

// The board pictures take a `scale`: 1 gives the 32 x 32 picture, 2 the same drawing at 64 x 64
// for screens with two device pixels to a pixel.

// An empty board square, 32 x 32, opaque.
QImage Square(bool dark, int scale = 1);

// A piece standing on a square, 32 x 32, opaque; `inCheck` adds the red glow behind the king.
QImage PieceOnSquare(
    bool dark, PieceColour colour, PieceKind kind, bool inCheck = false, int scale = 1);

// The piece alone on a transparent background, 32 x 32, for the drag cursor.
QImage DragIcon(PieceColour colour, PieceKind kind);

// The mate sign: a toppled king and a red "#" in the top-left 30 x 20, the rest the window's
// background, 32 x 32, opaque.
QImage MateBadge(int scale = 1);

// The check sign shown beside "In Check": a king on a red glow and a red "+", 30 x 20, on a
// transparent background.
QImage CheckBadge();

// The program icon: a knight on a corner of the board, 32 x 32 with rounded transparent corners.
QImage ProgramIcon();

} // namespace PictureArt
