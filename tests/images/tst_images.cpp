#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

#include "rules/BoardState.h"
#include "ui/PieceImages.h"

using namespace corvalen;

namespace {

const QDir Committed(QStringLiteral(CORVALEN_IMAGES_SOURCE_DIR));

// Every name the program asks for with a piece code 0..5 on a square 0..63, plus the mate picture.
QStringList NamesTheProgramLoads()
{
    QSet<QString> names { QStringLiteral("mate.bmp") };
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
    QStringList names = folder.entryList(QDir::Files, QDir::Name);
    names.removeAll(QStringLiteral("CMakeLists.txt"));
    return names;
}

int RedPixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.red() > 150 && c.red() > c.green() + 90 && c.red() > c.blue() + 60;
        }
    return count;
}

// Mean absolute difference per channel, 0 for identical pictures.
double Difference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int column = 0; column < x.width(); ++column) {
            const QRgb p = x.pixel(column, row), q = y.pixel(column, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q))
                + std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
        }
    return sum / (4.0 * x.width() * x.height());
}

int RunGenerator(const QStringList &arguments)
{
    QProcess generator;
    generator.start(QStringLiteral(CORVALEN_GEN_IMAGES), arguments);
    if (!generator.waitForFinished(60000) || generator.exitStatus() != QProcess::NormalExit)
        return -1;
    if (generator.exitCode() != 0 && generator.readAllStandardError().isEmpty())
        return -2; // failed without telling why
    return generator.exitCode();
}

} // namespace

class TestImages : public QObject {
    Q_OBJECT

private slots:
    void fileNames();
    void committedFolderHoldsExactlyTheNamedFiles();
    void everyFileIsA32PixelPicture_data();
    void everyFileIsA32PixelPicture();
    void checkPicturesCarryARedMark();
    void emptySquaresAreCompiledIn();
    void generatorDrawsTheCommittedSet();
    void generatorFailsOnAnUnwritableFolder();
};

void TestImages::fileNames()
{
    const QString folder = ImagesFolder() + u'/';
    const std::pair<int16_t, const char *> squares[]
        = { { 0, "white.bmp" }, { 63, "white.bmp" }, { 7, "blue.bmp" }, { 56, "blue.bmp" } };
    for (const auto &[square, file] : squares)
        QCOMPARE(EmptySquareFile(square), folder + QLatin1String(file));

    // The check mark only on the king of the side to move, when it is in check.
    const struct {
        int16_t square, colour, piece, toMove;
        bool inCheck;
        const char *picture, *icon;
    } pieces[] = {
        { 56, White, Rook, White, false, "bgrook.bmp", "wrook.ico" },
        { 3, Black, Queen, White, false, "bbqueen.bmp", "queen.ico" },
        { 4, Black, Queen, White, false, "wbqueen.bmp", "queen.ico" },
        { 60, White, King, White, false, "bgking.bmp", "wking.ico" },
        { 60, White, King, White, true, "bgkingx.bmp", "wking.ico" },
        { 4, Black, King, Black, true, "wbkingx.bmp", "king.ico" },
        { 4, Black, King, White, true, "wbking.bmp", "king.ico" },
        { 59, White, Queen, White, true, "wgqueen.bmp", "wqueen.ico" },
    };
    for (const auto &row : pieces) {
        BoardState board;
        board.giToMove = row.toMove;
        board.mbInCheck = row.inCheck;
        QString picture, icon;
        GetPieceImageFiles(board, row.square, row.colour, row.piece, picture, icon);
        QCOMPARE(QStringList({ picture, icon }),
            QStringList({ folder + QLatin1String(row.picture), folder + QLatin1String(row.icon) }));
    }
}

void TestImages::committedFolderHoldsExactlyTheNamedFiles()
{
    const QStringList expected = NamesTheProgramLoads();
    QCOMPARE(expected.size(), 43);
    QCOMPARE(FilesIn(Committed), expected);
}

void TestImages::everyFileIsA32PixelPicture_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : NamesTheProgramLoads())
        QTest::newRow(qPrintable(name)) << name;
}

void TestImages::everyFileIsA32PixelPicture()
{
    QFETCH(QString, name);
    QImageReader reader(Committed.filePath(name));
    const QByteArray suffix = QFileInfo(name).suffix().toLatin1();
    QCOMPARE(reader.format(), suffix);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), QSize(32, 32));

    int transparent = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            transparent += image.pixelColor(x, y).alpha() < 255;
    if (suffix == "bmp") {
        QCOMPARE(transparent, 0);
    } else {
        // Background all round the piece, and a piece of a fair size in the middle.
        QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
        QVERIFY2(transparent > 300 && transparent < 900, qPrintable(QString::number(transparent)));
    }
}

void TestImages::checkPicturesCarryARedMark()
{
    for (const QString name : { "bbking", "bgking", "wbking", "wgking" }) {
        QCOMPARE(RedPixels(QImage(Committed.filePath(name + QLatin1String(".bmp")))), 0);
        const int red = RedPixels(QImage(Committed.filePath(name + QLatin1String("x.bmp"))));
        QVERIFY2(red > 100, qPrintable(name + u' ' + QString::number(red)));
    }
}

// The empty squares shown before any file is read look exactly like the files read afterwards.
void TestImages::emptySquaresAreCompiledIn()
{
    QCOMPARE(Difference(QImage(":/empty-light.png"), QImage(Committed.filePath("white.bmp"))), 0.0);
    QCOMPARE(Difference(QImage(":/empty-dark.png"), QImage(Committed.filePath("blue.bmp"))), 0.0);
}

void TestImages::generatorDrawsTheCommittedSet()
{
    QTemporaryDir scratch;
    const QDir images(scratch.filePath(QStringLiteral("images")));
    const QDir window(scratch.filePath(QStringLiteral("window")));
    QCOMPARE(
        RunGenerator({ images.path(), QStringLiteral("--window-pictures"), window.path() }), 0);

    // A change to the generator is committed with its pictures.
    QCOMPARE(FilesIn(images), FilesIn(Committed));
    for (const QString &name : FilesIn(images))
        QVERIFY2(Difference(QImage(images.filePath(name)), QImage(Committed.filePath(name))) < 1.0,
            qPrintable(name));
    QCOMPARE(FilesIn(window),
        QStringList(
            { "check.png", "corvalen.ico", "corvalen.png", "empty-dark.png", "empty-light.png" }));
    for (const QString &name : FilesIn(window))
        QVERIFY2(
            Difference(QImage(window.filePath(name)), QImage(":/" + name)) < 1.0, qPrintable(name));
}

void TestImages::generatorFailsOnAnUnwritableFolder()
{
    QTemporaryDir scratch;
    // A plain file where the folder should go: nothing can be written below it.
    QFile blocker(scratch.filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QVERIFY(RunGenerator({ blocker.fileName() + QLatin1String("/images") }) > 0);
}

QTEST_MAIN(TestImages)
#include "tst_images.moc"
