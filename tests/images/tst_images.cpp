#include <QDir>
#include <QSet>
#include <QTest>

#include "rules/BoardState.h"
#include "ui/PieceImages.h"

using namespace corvalen;

namespace {

const QDir Committed(CORVALEN_SOURCE_DIR "/images");

// Every name the program asks for with a piece code 0..5 on a square 0..63, plus the mate picture.
QStringList NamesTheProgramLoads()
{
    QSet<QString> names { "mate.bmp" };
    BoardState board;
    for (int16_t square = 0; square < 64; ++square) {
        names.insert(QFileInfo(EmptySquareFile(square)).fileName());
        for (const int16_t toMove : { White, Black })
            for (const bool inCheck : { false, true })
                for (const int16_t colour : { White, Black })
                    for (int16_t piece = Pawn; piece <= King; ++piece) {
                        board.giToMove = toMove;
                        board.mbInCheck = inCheck;
                        QString picture, icon;
                        GetPieceImageFiles(board, square, colour, piece, picture, icon);
                        names << QFileInfo(picture).fileName() << QFileInfo(icon).fileName();
                    }
    }
    QStringList sorted(names.begin(), names.end());
    sorted.sort();
    return sorted;
}

QStringList FilesIn(const QDir &folder)
{
    return folder.entryList({ "*.bmp", "*.ico", "*.png" }, QDir::Files, QDir::Name);
}

} // namespace

class TestImages : public QObject {
    Q_OBJECT

private slots:
    void committedFolderHoldsExactlyTheNamedPictures()
    {
        QCOMPARE(NamesTheProgramLoads().size(), 43);
        QCOMPARE(FilesIn(Committed), NamesTheProgramLoads());
        for (const QString &name : FilesIn(Committed))
            QVERIFY2(QImage(Committed.filePath(name)).size() == QSize(32, 32), qPrintable(name));
    }
};

QTEST_MAIN(TestImages)
#include "tst_images.moc"
