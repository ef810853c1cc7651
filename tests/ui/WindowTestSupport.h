#pragma once

#include <QClipboard>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include "code/PositionCode.h"
#include "code/clsDecoder.h"
#include "rules/RulesTestSupport.h"
#include "ui/BoardCell.h"
#include "ui/PieceImages.h"

namespace corvalen::testing {

// What the player sees, as ModalAnswers records it ("title|text").
inline const QString StartFen = QStringLiteral("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w");
inline const QString Damaged = QStringLiteral("Chess|The CHESS-CODE on the Clipboard is "
                                              "incomplete or damaged.\n\nPlease copy the whole "
                                              "CHESS-CODE from the e-mail again.");
inline const QString Dialog = QStringLiteral("Copy the Chess Code|Unable to find the CHESS-CODE in "
                                             "the Windows Clipboard.\n\nPlease COPY the "
                                             "CHESS-CODE into the Clipboard and press OK.");
inline const QString Sent = QStringLiteral("Chess|Your CHESS-CODE has been copied to the Windows "
                                           "Clipboard.\n\nNow PASTE this CHESS-CODE into an "
                                           "email message and send it.");

// A private folder of the 43 picture and icon files, plain 32 x 32 pictures of one colour each,
// that a test may spoil. The window loads from it while the folder lives.
class PictureFolder {
public:
    PictureFolder()
    {
        QStringList names { "blue.bmp", "white.bmp", "mate.bmp", "bbkingx.bmp", "bgkingx.bmp",
            "wbkingx.bmp", "wgkingx.bmp" };
        for (int16_t piece = Pawn; piece <= King; ++piece) {
            for (const char *prefix : { "bb", "bg", "wb", "wg" })
                names << QLatin1String(prefix) + PieceName(piece) + QStringLiteral(".bmp");
            names << PieceName(piece) + QStringLiteral(".ico")
                  << QStringLiteral("w") + PieceName(piece) + QStringLiteral(".ico");
        }
        int shade = 0;
        for (const QString &name : names) {
            QImage picture(32, 32, QImage::Format_ARGB32);
            picture.fill(QColor::fromHsv((shade++ * 37) % 360, 200, 200));
            picture.save(mDir.filePath(name));
        }
        SetImagesFolder(mDir.path());
    }
    ~PictureFolder() { SetImagesFolder(QString()); }

    QString Path() const { return mDir.path(); }
    void Remove(const QString &name) { QFile::remove(mDir.filePath(name)); }
    void Spoil(const QString &name)
    {
        QFile file(mDir.filePath(name));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write("not a picture");
    }

private:
    QTemporaryDir mDir;
};

// The position code of a FEN record, with the FEN's side to move as the code's.
inline QString Code(const QString &fen)
{
    const BoardState board = Position(fen);
    return QString::fromStdString(EncodePositionCode(board, board.giToMove));
}

// A code of (square, colour, piece) records and no en-passant field, even ones no board holds.
inline QString RawCode(int16_t side, std::initializer_list<std::array<int16_t, 3>> records)
{
    clsDecoder bits;
    bits.AddBits(side, 1);
    bits.AddBits(int32_t(records.size()) - 1, 5);
    for (const auto &record : records) {
        bits.AddBits(record[0], 6);
        bits.AddBits(record[1], 1);
        bits.AddBits(record[2], 3);
    }
    return QStringLiteral("CHESS-CODE:") + QString::fromStdString(bits.GetBase32()).toLower();
}

inline void SetClipboard(const QString &text)
{
    if (text.isEmpty())
        QGuiApplication::clipboard()->clear();
    else
        QGuiApplication::clipboard()->setText(text);
}

// The file name of the picture a cell shows ("wbrook.bmp", "empty-dark.png").
inline QString Shown(const PictureBox *box)
{
    return QFileInfo(box->PictureFile()).fileName();
}

// "a8=wbrook.bmp e1=bgkingx.bmp" as square -> file name pairs.
inline QList<QPair<int16_t, QString>> CellTable(const QString &text)
{
    QList<QPair<int16_t, QString>> cells;
    for (const QString &entry : text.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList parts = entry.split(u'=');
        cells.append({ Sq(parts.value(0)), parts.value(1) });
    }
    return cells;
}

} // namespace corvalen::testing
