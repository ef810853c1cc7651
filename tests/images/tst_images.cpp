#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <functional>

#include "rules/BoardState.h"
#include "ui/PieceImages.h"

using namespace corvalen;

namespace {

const QString CommittedFolder = QStringLiteral(CORVALEN_IMAGES_SOURCE_DIR);

QString FileName(const QString &path)
{
    return QFileInfo(path).fileName();
}

// Every name the program can ask for with a piece code 0..5 on a square 0..63, built by the
// program's own naming, plus the mate picture.
QStringList NamesTheProgramLoads()
{
    QSet<QString> names { QStringLiteral("mate.bmp") };
    BoardState board;
    for (int16_t square = 0; square < 64; ++square) {
        names.insert(FileName(EmptySquareFile(square)));
        for (const int16_t toMove : { White, Black }) {
            for (const bool inCheck : { false, true }) {
                board.giToMove = toMove;
                board.mbInCheck = inCheck;
                for (const int16_t colour : { White, Black }) {
                    for (int16_t piece = Pawn; piece <= King; ++piece) {
                        QString picture, icon;
                        GetPieceImageFiles(board, square, colour, piece, picture, icon);
                        names.insert(FileName(picture));
                        names.insert(FileName(icon));
                    }
                }
            }
        }
    }
    QStringList sorted(names.begin(), names.end());
    sorted.sort();
    return sorted;
}

QStringList PictureFilesIn(const QString &folder)
{
    QStringList names = QDir(folder).entryList(QDir::Files, QDir::Name);
    names.removeAll(QStringLiteral("CMakeLists.txt"));
    return names;
}

int CountPixels(const QImage &image, const std::function<bool(QColor)> &test)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += test(image.pixelColor(x, y)) ? 1 : 0;
    return count;
}

bool IsRed(QColor c)
{
    return c.red() > 150 && c.red() > c.green() + 90 && c.red() > c.blue() + 60;
}

// Pixels covered in both pictures that are light in the first and dark in the second.
int LightWhereDark(const QImage &light, const QImage &dark)
{
    int count = 0;
    for (int y = 0; y < light.height(); ++y) {
        for (int x = 0; x < light.width(); ++x) {
            const QColor l = light.pixelColor(x, y), d = dark.pixelColor(x, y);
            if (l.alpha() > 128 && d.alpha() > 128 && l.lightness() > 180 && d.lightness() < 80)
                ++count;
        }
    }
    return count;
}

// Mean absolute difference per channel, 0 for identical pictures.
double Difference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int column = 0; column < x.width(); ++column) {
            const QRgb p = x.pixel(column, row), q = y.pixel(column, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q))
                + std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
        }
    }
    return sum / (4.0 * x.width() * x.height());
}

} // namespace

class TestImages : public QObject {
    Q_OBJECT

private slots:
    void pieceNames_data();
    void pieceNames();
    void squareColours_data();
    void squareColours();
    void pieceFiles_data();
    void pieceFiles();

    void committedFolderHoldsExactlyTheNamedFiles();
    void everyFileIsA32PixelPicture_data();
    void everyFileIsA32PixelPicture();
    void piecePicturesStandOnTheirSquareColour_data();
    void piecePicturesStandOnTheirSquareColour();
    void whitePiecesAreLighterThanBlackOnes_data();
    void whitePiecesAreLighterThanBlackOnes();
    void checkPicturesCarryARedMark_data();
    void checkPicturesCarryARedMark();
    void windowPicturesAreCompiledIn_data();
    void windowPicturesAreCompiledIn();

    void generatorDrawsTheCommittedSet();
    void generatorFailsOnAnUnwritableFolder();
};

void TestImages::pieceNames_data()
{
    QTest::addColumn<int>("piece");
    QTest::addColumn<QString>("name");
    QTest::newRow("pawn") << 0 << "pawn";
    QTest::newRow("rook") << 1 << "rook";
    QTest::newRow("knight") << 2 << "knight";
    QTest::newRow("bishop") << 3 << "bishop";
    QTest::newRow("queen") << 4 << "queen";
    QTest::newRow("king") << 5 << "king";
    QTest::newRow("damaged code 6") << 6 << "";
    QTest::newRow("damaged code 7") << 7 << "";
    QTest::newRow("empty square") << -1 << "";
}

void TestImages::pieceNames()
{
    QFETCH(int, piece);
    QFETCH(QString, name);
    QCOMPARE(PieceName(static_cast<int16_t>(piece)), name);
}

void TestImages::squareColours_data()
{
    QTest::addColumn<int>("square");
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QString>("emptyFile");
    QTest::newRow("a8 top left") << 0 << false << "white.bmp";
    QTest::newRow("h1 bottom right") << 63 << false << "white.bmp";
    QTest::newRow("h8 top right") << 7 << true << "blue.bmp";
    QTest::newRow("a1 bottom left") << 56 << true << "blue.bmp";
    QTest::newRow("a7 starts row 1 dark") << 8 << true << "blue.bmp";
    QTest::newRow("b7") << 9 << false << "white.bmp";
    QTest::newRow("e1 king's square") << 60 << true << "blue.bmp";
    QTest::newRow("d1 queen's square") << 59 << false << "white.bmp";
}

void TestImages::squareColours()
{
    QFETCH(int, square);
    QFETCH(bool, dark);
    QFETCH(QString, emptyFile);
    QCOMPARE(IsDarkSquare(static_cast<int16_t>(square)), dark);
    QCOMPARE(EmptySquareFile(static_cast<int16_t>(square)), ImagesFolder() + u'/' + emptyFile);
}

void TestImages::pieceFiles_data()
{
    QTest::addColumn<int>("square");
    QTest::addColumn<int>("colour");
    QTest::addColumn<int>("piece");
    QTest::addColumn<int>("toMove");
    QTest::addColumn<bool>("inCheck");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("icon");

    QTest::newRow("White rook on a1") << 56 << 0 << 1 << 0 << false << "bgrook.bmp"
                                      << "wrook.ico";
    QTest::newRow("Black queen on d8, dark") << 3 << 1 << 4 << 0 << false << "bbqueen.bmp"
                                             << "queen.ico";
    QTest::newRow("Black queen on e8, light") << 4 << 1 << 4 << 0 << false << "wbqueen.bmp"
                                              << "queen.ico";
    QTest::newRow("Black pawn on a7") << 8 << 1 << 0 << 1 << false << "bbpawn.bmp"
                                      << "pawn.ico";
    QTest::newRow("White knight on g1") << 62 << 0 << 2 << 0 << false << "bgknight.bmp"
                                        << "wknight.ico";
    QTest::newRow("White king on e1, White to move, no check")
        << 60 << 0 << 5 << 0 << false << "bgking.bmp"
        << "wking.ico";
    QTest::newRow("White king on e1 in check, White to move")
        << 60 << 0 << 5 << 0 << true << "bgkingx.bmp"
        << "wking.ico";
    QTest::newRow("White king on d1 in check, White to move")
        << 59 << 0 << 5 << 0 << true << "wgkingx.bmp"
        << "wking.ico";
    QTest::newRow("Black king on e8 in check, Black to move")
        << 4 << 1 << 5 << 1 << true << "wbkingx.bmp"
        << "king.ico";
    QTest::newRow("Black king on d8 in check, Black to move")
        << 3 << 1 << 5 << 1 << true << "bbkingx.bmp"
        << "king.ico";
    QTest::newRow("Black king while White to move is in check")
        << 4 << 1 << 5 << 0 << true << "wbking.bmp"
        << "king.ico";
    QTest::newRow("White king while Black to move is in check")
        << 60 << 0 << 5 << 1 << true << "bgking.bmp"
        << "wking.ico";
    QTest::newRow("queen of the side in check has no mark")
        << 59 << 0 << 4 << 0 << true << "wgqueen.bmp"
        << "wqueen.ico";
}

void TestImages::pieceFiles()
{
    QFETCH(int, square);
    QFETCH(int, colour);
    QFETCH(int, piece);
    QFETCH(int, toMove);
    QFETCH(bool, inCheck);
    QFETCH(QString, picture);
    QFETCH(QString, icon);

    BoardState board;
    board.giToMove = static_cast<int16_t>(toMove);
    board.mbInCheck = inCheck;
    QString pictureFile = QStringLiteral("stale"), iconFile = QStringLiteral("stale");
    GetPieceImageFiles(board, static_cast<int16_t>(square), static_cast<int16_t>(colour),
        static_cast<int16_t>(piece), pictureFile, iconFile);
    QCOMPARE(pictureFile, ImagesFolder() + u'/' + picture);
    QCOMPARE(iconFile, ImagesFolder() + u'/' + icon);
}

void TestImages::committedFolderHoldsExactlyTheNamedFiles()
{
    const QStringList expected = NamesTheProgramLoads();
    QCOMPARE(expected.size(), 43);
    QCOMPARE(PictureFilesIn(CommittedFolder), expected);
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
    QImageReader reader(QDir(CommittedFolder).filePath(name));
    const QByteArray suffix = QFileInfo(name).suffix().toLatin1();
    QCOMPARE(reader.format(), suffix);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), QSize(32, 32));

    const int transparent = CountPixels(image, [](QColor c) { return c.alpha() < 255; });
    if (suffix == "bmp") {
        QCOMPARE(transparent, 0);
    } else {
        QVERIFY(image.hasAlphaChannel());
        QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
        // Background all round the piece, and a piece of a fair size in the middle.
        QVERIFY2(transparent > 300, qPrintable(QString::number(transparent)));
        QVERIFY2(transparent < 900, qPrintable(QString::number(transparent)));
    }
}

void TestImages::piecePicturesStandOnTheirSquareColour_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("square");
    for (const QString &name : NamesTheProgramLoads()) {
        if (name.endsWith(QLatin1String(".bmp")) && name != QLatin1String("mate.bmp")
            && name != QLatin1String("blue.bmp") && name != QLatin1String("white.bmp"))
            QTest::newRow(qPrintable(name))
                << name << (name.startsWith(u'b') ? "blue.bmp" : "white.bmp");
    }
}

void TestImages::piecePicturesStandOnTheirSquareColour()
{
    QFETCH(QString, name);
    QFETCH(QString, square);
    const QDir folder(CommittedFolder);
    const QImage picture(folder.filePath(name));
    const QImage empty(folder.filePath(square));
    for (const QPoint corner : { QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31) })
        QCOMPARE(picture.pixelColor(corner), empty.pixelColor(corner));
    QVERIFY(Difference(picture, empty) > 10);
}

void TestImages::whitePiecesAreLighterThanBlackOnes_data()
{
    QTest::addColumn<QString>("white");
    QTest::addColumn<QString>("black");
    for (int16_t piece = Pawn; piece <= King; ++piece) {
        const QString name = PieceName(piece);
        QTest::newRow(qPrintable(name + QLatin1String(" icons")))
            << u'w' + name + QLatin1String(".ico") << name + QLatin1String(".ico");
    }
}

void TestImages::whitePiecesAreLighterThanBlackOnes()
{
    QFETCH(QString, white);
    QFETCH(QString, black);
    const QDir folder(CommittedFolder);
    // Where one icon is light and the other dark, the White one is the light one: its body is
    // white, the Black body dark. Outlines and rims make some pixels the other way round.
    const QImage whiteIcon(folder.filePath(white));
    const QImage blackIcon(folder.filePath(black));
    const int whiteBody = LightWhereDark(whiteIcon, blackIcon);
    const int blackBody = LightWhereDark(blackIcon, whiteIcon);
    QVERIFY2(whiteBody > 40 && whiteBody > blackBody,
        qPrintable(QStringLiteral("%1 vs %2").arg(whiteBody).arg(blackBody)));
}

void TestImages::checkPicturesCarryARedMark_data()
{
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("check");
    for (const char *name : { "bbking", "bgking", "wbking", "wgking" })
        QTest::newRow(name) << QString::fromLatin1(name) + QLatin1String(".bmp")
                            << QString::fromLatin1(name) + QLatin1String("x.bmp");
}

void TestImages::checkPicturesCarryARedMark()
{
    QFETCH(QString, plain);
    QFETCH(QString, check);
    const QDir folder(CommittedFolder);
    const QImage plainPicture(folder.filePath(plain));
    const QImage checkPicture(folder.filePath(check));
    QCOMPARE(CountPixels(plainPicture, IsRed), 0);
    const int red = CountPixels(checkPicture, IsRed);
    QVERIFY2(red > 100, qPrintable(QString::number(red)));
}

void TestImages::windowPicturesAreCompiledIn_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("sameAs");
    QTest::newRow("light empty square") << ":/empty-light.png" << QSize(32, 32) << "white.bmp";
    QTest::newRow("dark empty square") << ":/empty-dark.png" << QSize(32, 32) << "blue.bmp";
    QTest::newRow("check picture") << ":/check.png" << QSize(30, 20) << "";
    QTest::newRow("program icon") << ":/corvalen.png" << QSize(32, 32) << "";
    QTest::newRow("program icon file") << ":/corvalen.ico" << QSize(32, 32) << "";
}

void TestImages::windowPicturesAreCompiledIn()
{
    QFETCH(QString, resource);
    QFETCH(QSize, size);
    QFETCH(QString, sameAs);
    const QImage image(resource);
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), size);
    // The empty squares before any file is read look exactly like the files drawn afterwards.
    if (!sameAs.isEmpty())
        QCOMPARE(Difference(image, QImage(QDir(CommittedFolder).filePath(sameAs))), 0.0);
}

void TestImages::generatorDrawsTheCommittedSet()
{
    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    const QString images = scratch.filePath(QStringLiteral("images"));
    const QString window = scratch.filePath(QStringLiteral("window"));

    QProcess generator;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    generator.setProcessEnvironment(environment);
    generator.start(QStringLiteral(CORVALEN_GEN_IMAGES),
        { images, QStringLiteral("--window-pictures"), window });
    QVERIFY(generator.waitForFinished(60000));
    QCOMPARE(generator.exitStatus(), QProcess::NormalExit);
    QVERIFY2(generator.exitCode() == 0, generator.readAllStandardError().constData());

    QCOMPARE(PictureFilesIn(images), PictureFilesIn(CommittedFolder));
    // Fresh drawings match the committed ones: a change to the generator is committed with
    // its pictures.
    for (const QString &name : PictureFilesIn(images)) {
        const QImage drawn(QDir(images).filePath(name));
        const QImage committed(QDir(CommittedFolder).filePath(name));
        QCOMPARE(drawn.size(), committed.size());
        QVERIFY2(Difference(drawn, committed) < 1.0, qPrintable(name));
    }
    const QStringList windowPictures { QStringLiteral("check.png"), QStringLiteral("corvalen.ico"),
        QStringLiteral("corvalen.png"), QStringLiteral("empty-dark.png"),
        QStringLiteral("empty-light.png") };
    QCOMPARE(PictureFilesIn(window), windowPictures);
    for (const QString &name : windowPictures) {
        const QImage drawn(QDir(window).filePath(name));
        QVERIFY2(Difference(drawn, QImage(QLatin1String(":/") + name)) < 1.0, qPrintable(name));
    }
}

void TestImages::generatorFailsOnAnUnwritableFolder()
{
    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    // A plain file where the folder should go: nothing can be written below it.
    const QString blocker = scratch.filePath(QStringLiteral("blocker"));
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    QProcess generator;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    generator.setProcessEnvironment(environment);
    generator.start(QStringLiteral(CORVALEN_GEN_IMAGES), { blocker + QLatin1String("/images") });
    QVERIFY(generator.waitForFinished(60000));
    QCOMPARE(generator.exitStatus(), QProcess::NormalExit);
    QVERIFY(generator.exitCode() != 0);
    QVERIFY(!generator.readAllStandardError().isEmpty());
}

QTEST_MAIN(TestImages)
#include "tst_images.moc"
