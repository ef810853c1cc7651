#pragma once

#include <QPixmap>
#include <QString>

#include "rules/BoardState.h"

namespace corvalen {

// The folder the program loads its pictures from: "images" beside the program file (the real
// file, after following links).
QString ImagesFolder();
// Loads the pictures from another folder from now on; an empty name restores the default.
// Lets tests point the program at the source tree or at a folder with files missing.
void SetImagesFolder(const QString &folder);

// "pawn", "rook", "knight", "bishop", "queen", "king"; empty for any other code. Part of the
// picture file names, so never translated.
QString PieceName(int16_t piece);
// The piece's name as the player reads it, in the player's language.
QString PieceDisplayName(int16_t piece);

bool IsDarkSquare(int16_t square);

// The empty-square picture of a square: blue.bmp (dark) or white.bmp (light), full path.
QString EmptySquareFile(int16_t square);

// Full path of the picture of a piece of `colour` and `piece` on `square`, with the check mark
// "x" when `checkMark` is set and the piece is a king.
QString PieceFile(int16_t square, int16_t colour, int16_t piece, bool checkMark);
// Full path of the drag icon of a piece of `colour` and `piece`.
QString IconFile(int16_t colour, int16_t piece);

// The twice-sized twin of a picture file: ".../wbrook.bmp" gives ".../wbrook@2x.bmp".
QString SharpPictureFile(const QString &file);

// Loads a picture file. A missing or unreadable file gives a plain fallback picture of `size`
// and sets `ok` to false, so the caller can tell the player once. For a device pixel `ratio`
// above 1 the file's twice-sized twin stands in for it at the same logical size, when that twin
// can be read; otherwise the picture itself is returned, without a word.
QPixmap LoadPicture(const QString &file, bool &ok, QSize size = QSize(32, 32), qreal ratio = 1.0);

} // namespace corvalen
