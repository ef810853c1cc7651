#include "PictureArt.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace PictureArt {

namespace {

    constexpr int CellSize = 32;
    // Height of every piece's body in a cell; the glyphs of all six pieces share one height, so
    // they stand on one base line and the rim of the Black pieces still fits inside the cell.
    constexpr qreal PieceHeight = 25.5;

    const QColor WhiteBody(253, 252, 248);
    const QColor WhiteOutline(28, 28, 32);
    const QColor BlackBody(36, 36, 42);
    const QColor BlackRim(244, 242, 236);
    const QColor BlackDetail(150, 150, 158);
    const QColor WindowBackground(239, 239, 239);

    // DejaVu Sans chess symbols: U+2654..U+2659 hollow and U+265A..U+265F filled, in the order
    // king, queen, rook, bishop, knight, pawn.
    char16_t SolidGlyph(PieceKind kind)
    {
        switch (kind) {
        case PieceKind::King:
            return u'\u265A';
        case PieceKind::Queen:
            return u'\u265B';
        case PieceKind::Rook:
            return u'\u265C';
        case PieceKind::Bishop:
            return u'\u265D';
        case PieceKind::Knight:
            return u'\u265E';
        case PieceKind::Pawn:
            break;
        }
        return u'\u265F';
    }

    char16_t HollowGlyph(PieceKind kind)
    {
        return SolidGlyph(kind) - 6;
    }

    QPainterPath GlyphPath(char16_t glyph)
    {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(64);
        font.setStyleStrategy(QFont::NoFontMerging);
        QPainterPath path;
        path.addText(0, 0, font, QString(QChar(glyph)));
        return path;
    }

    // The outer outline of a glyph with every hole filled: the body a piece is painted in.
    QPainterPath Silhouette(const QPainterPath &glyph)
    {
        const QList<QPolygonF> contours = glyph.toSubpathPolygons();
        QPainterPath silhouette;
        silhouette.setFillRule(Qt::WindingFill);
        for (qsizetype i = 0; i < contours.size(); ++i) {
            bool inner = false;
            for (qsizetype j = 0; j < contours.size() && !inner; ++j)
                inner = j != i && contours[j].containsPoint(contours[i].first(), Qt::OddEvenFill);
            if (!inner)
                silhouette.addPolygon(contours[i]);
        }
        return silhouette.simplified();
    }

    // Maps glyph coordinates so that a glyph of the common piece height sits centred in `box`.
    QTransform PlaceGlyph(const QPainterPath &glyph, const QRectF &box, qreal height)
    {
        const QRectF bounds = glyph.boundingRect();
        const qreal scale = height / bounds.height();
        QTransform transform;
        transform.translate(box.center().x(), box.center().y());
        transform.scale(scale, scale);
        transform.translate(-bounds.center().x(), -bounds.center().y());
        return transform;
    }

    void DrawPiece(QPainter &painter, const QRectF &box, PieceColour colour, PieceKind kind,
        qreal height = PieceHeight)
    {
        const QPainterPath solid = GlyphPath(SolidGlyph(kind));
        const QTransform place = PlaceGlyph(solid, box, height);
        const QPainterPath body = place.map(Silhouette(solid));

        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        if (colour == PieceColour::White) {
            // White body, then the hollow glyph's lines on top give the outline and the details.
            // The stroke along the edge keeps the outline at least a pixel wide where the
            // glyph's own line is thin (the knight's back).
            const QPainterPath lines = place.map(GlyphPath(HollowGlyph(kind)));
            painter.fillPath(body, WhiteBody);
            painter.strokePath(body, QPen(WhiteOutline, 1.0));
            painter.fillPath(lines, WhiteOutline);
        } else {
            // A light rim around the dark body; the filled glyph's cut-outs show as grey lines.
            const QPainterPath details = place.map(solid);
            painter.strokePath(
                body, QPen(BlackRim, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.fillPath(body, BlackDetail);
            painter.fillPath(details, BlackBody);
        }
        painter.restore();
    }

    void DrawCheckGlow(QPainter &painter, const QRectF &box)
    {
        QRadialGradient glow(box.center(), box.width() / 2);
        glow.setColorAt(0.0, QColor(255, 70, 50));
        glow.setColorAt(0.55, QColor(236, 28, 28));
        glow.setColorAt(0.8, QColor(220, 20, 20, 200));
        glow.setColorAt(1.0, QColor(220, 20, 20, 0));
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(glow);
        painter.drawEllipse(box);
        painter.restore();
    }

    // A chess notation sign ("+" check, "#" mate) in bold red.
    void DrawSign(QPainter &painter, const QRectF &box, const QString &sign)
    {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(15);
        font.setBold(true);
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setFont(font);
        painter.setPen(QColor(200, 16, 16));
        painter.drawText(box, Qt::AlignCenter, sign);
        painter.restore();
    }

    QImage Canvas(int width, int height, const QColor &fill, int scale = 1)
    {
        QImage image(width * scale, height * scale, QImage::Format_ARGB32_Premultiplied);
        image.fill(fill);
        return image;
    }

} // namespace

QImage Square(bool dark, int scale)
{
    return Canvas(CellSize, CellSize, dark ? DarkSquare : LightSquare, scale)
        .convertToFormat(QImage::Format_RGB32);
}

QImage PieceOnSquare(bool dark, PieceColour colour, PieceKind kind, bool inCheck, int scale)
{
    QImage image = Canvas(CellSize, CellSize, dark ? DarkSquare : LightSquare, scale);
    QPainter painter(&image);
    painter.scale(scale, scale);
    const QRectF cell(0, 0, CellSize, CellSize);
    if (inCheck)
        DrawCheckGlow(painter, cell);
    DrawPiece(painter, cell, colour, kind);
    painter.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage DragIcon(PieceColour colour, PieceKind kind)
{
    QImage image = Canvas(CellSize, CellSize, Qt::transparent);
    QPainter painter(&image);
    DrawPiece(painter, QRectF(0, 0, CellSize, CellSize), colour, kind);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage MateBadge(int scale)
{
    QImage image = Canvas(CellSize, CellSize, WindowBackground, scale);
    QPainter painter(&image);
    painter.scale(scale, scale);
    // The king lies on its side: the sign of a game lost. Everything stays in the top 30 x 20,
    // the part the check indicator shows.
    painter.save();
    painter.translate(10, 10);
    painter.rotate(-90);
    DrawPiece(painter, QRectF(-10, -10, 20, 20), PieceColour::White, PieceKind::King, 17.5);
    painter.restore();
    DrawSign(painter, QRectF(19, 0, 11, 20), QStringLiteral("#"));
    painter.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage CheckBadge()
{
    QImage image = Canvas(30, 20, Qt::transparent);
    QPainter painter(&image);
    DrawCheckGlow(painter, QRectF(0, 0, 20, 20));
    DrawPiece(painter, QRectF(0, 0, 20, 20), PieceColour::White, PieceKind::King, 15.0);
    DrawSign(painter, QRectF(19, 0, 11, 20), QStringLiteral("+"));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage ProgramIcon()
{
    QImage image = Canvas(CellSize, CellSize, Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath frame;
    frame.addRoundedRect(QRectF(0, 0, CellSize, CellSize), 6, 6);
    painter.setClipPath(frame);
    const int half = CellSize / 2;
    painter.fillRect(0, 0, CellSize, CellSize, LightSquare);
    painter.fillRect(half, 0, half, half, DarkSquare);
    painter.fillRect(0, half, half, half, DarkSquare);
    DrawPiece(painter, QRectF(0, 0, CellSize, CellSize), PieceColour::White, PieceKind::Knight, 27);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace PictureArt
