#include "ui/PieceImages.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>

namespace corvalen {

namespace {
    QString &ImagesFolderOverride()
    {
        static QString folder;
        return folder;
    }
} // namespace

QString ImagesFolder()
{
    if (!ImagesFolderOverride().isEmpty())
        return ImagesFolderOverride();
    return QCoreApplication::applicationDirPath() + QStringLiteral("/images");
}

void SetImagesFolder(const QString &folder)
{
    ImagesFolderOverride() = folder;
}

QString PieceName(int16_t piece)
{
    static const char *const names[] = { "pawn", "rook", "knight", "bishop", "queen", "king" };
    if (piece < Pawn || piece > King)
        return {};
    return QString::fromLatin1(names[piece]);
}

QString PieceDisplayName(int16_t piece)
{
    static const char *const names[] = {
        QT_TRANSLATE_NOOP("corvalen::PieceImages", "pawn"),
        QT_TRANSLATE_NOOP("corvalen::PieceImages", "rook"),
        QT_TRANSLATE_NOOP("corvalen::PieceImages", "knight"),
        QT_TRANSLATE_NOOP("corvalen::PieceImages", "bishop"),
        QT_TRANSLATE_NOOP("corvalen::PieceImages", "queen"),
        QT_TRANSLATE_NOOP("corvalen::PieceImages", "king"),
    };
    if (piece < Pawn || piece > King)
        return {};
    return QCoreApplication::translate("corvalen::PieceImages", names[piece]);
}

bool IsDarkSquare(int16_t square)
{
    return (square + RowOf(square)) % 2 == 1;
}

QString EmptySquareFile(int16_t square)
{
    return ImagesFolder() + QLatin1String(IsDarkSquare(square) ? "/blue.bmp" : "/white.bmp");
}

QString PieceFile(int16_t square, int16_t colour, int16_t piece, bool checkMark)
{
    QString file = ImagesFolder() + QLatin1String(IsDarkSquare(square) ? "/b" : "/w")
        + QLatin1Char(colour != White ? 'b' : 'g') + PieceName(piece);
    if (checkMark && piece == King)
        file += u'x';
    return file + QLatin1String(".bmp");
}

QString IconFile(int16_t colour, int16_t piece)
{
    return ImagesFolder() + QLatin1String(colour != White ? "/" : "/w") + PieceName(piece)
        + QLatin1String(".ico");
}

QString SharpPictureFile(const QString &file)
{
    const qsizetype dot = file.lastIndexOf(u'.');
    const qsizetype slash = file.lastIndexOf(u'/');
    if (dot <= slash + 1)
        return file + QLatin1String("@2x");
    return file.left(dot) + QLatin1String("@2x") + file.mid(dot);
}

QPixmap LoadPicture(const QString &file, bool &ok, QSize size, qreal ratio)
{
    // Read through QImage: QPixmap::load asks the file's modification time for its cache key,
    // and each such time costs a time-zone conversion, a few hundred of them at start-up.
    QImage image;
    ok = image.load(file) && !image.isNull();
    if (ok && ratio > 1.0) {
        QImage sharp;
        if (sharp.load(SharpPictureFile(file)) && sharp.size() == image.size() * 2) {
            sharp.setDevicePixelRatio(2.0);
            return QPixmap::fromImage(std::move(sharp));
        }
    }
    if (ok)
        return QPixmap::fromImage(std::move(image));
    // A grey square with a thin frame: plainly a stand-in, never mistaken for a piece.
    QPixmap picture(size);
    picture.fill(QColor(200, 200, 200));
    QPainter painter(&picture);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
    return picture;
}

} // namespace corvalen
