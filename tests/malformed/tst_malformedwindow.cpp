#include <QClipboard>
#include <QDataStream>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "code/CodeText.h"
#include "code/PositionCode.h"
#include "rules/MateTest.h"
#include "rules/MoveExecution.h"
#include "rules/MoveLegality.h"
#include "ui/ModalAnswers.h"
#include "ui/WindowTestSupport.h"
#include "ui/frmChess.h"

// Untrusted clipboard texts and damaged picture folders through the real main window.

using namespace corvalen;
using namespace corvalen::testing;

namespace {

const QString KingsFen = QStringLiteral("4k3/8/8/8/8/8/8/4K3 b");
constexpr qsizetype TenMegabytes = 10 * 1024 * 1024;

// The code of `fen` with an en-passant field pointing at `square` (the field holds square + 1).
QString CodeWithEnPassant(const QString &fen, int16_t square)
{
    BoardState board = Position(fen);
    board.miEnPassant = square;
    return QString::fromStdString(EncodePositionCode(board, board.giToMove));
}

QString PictureMessage(const QString &file, const QString &folder)
{
    return QStringLiteral("Chess|The picture file \"%1\" is missing or cannot be read.\n\nIt was "
                          "looked for in the folder:\n%2\n\nA plain square is shown in its place.")
        .arg(file, QDir::toNativeSeparators(folder));
}

// The 54-byte header of a 24-bit BMP that claims 40000 x 40000 pixels and holds none of them.
QByteArray HugeBitmapHeader()
{
    constexpr quint32 Side = 40000, Size = Side * Side * 3;
    QByteArray header;
    QDataStream out(&header, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0x4D42) << quint32(54 + Size) << quint32(0) << quint32(54) << quint32(40) << Side
        << Side << quint16(1) << quint16(24) << quint32(0) << Size << quint32(2835) << quint32(2835)
        << quint32(0) << quint32(0);
    return header;
}

// Makes the first legal move (none of the positions has a promotion), then Send Move: the clipboard
// must then hold the position after that move, the opponent to move.
void PlayOneMoveAndSend(frmChess &window, ModalAnswers &modals)
{
    BoardState board = window.Board();
    const std::vector<Move> moves = LegalMoves(board);
    if (moves.empty())
        return;
    const Move move = moves.front();
    window.imgCell_DragDrop(move.to, move.from);
    modals.Then(ModalAnswers::PressOk());
    QTest::mouseClick(window.cmdSend, Qt::LeftButton);
    QTRY_COMPARE(modals.Pending(), 0);
    CarryOutMove(board, move.from, move.to);
    board.giToMove = Opponent(board.giToMove);
    board.mbInCheck = false;
    const auto sent = ExtractCodeCharacters(QGuiApplication::clipboard()->text().toStdString());
    QVERIFY(sent.has_value());
    QCOMPARE(DecodePositionCode(*sent).board, board);
}

} // namespace

class tst_MalformedWindow : public QObject {
    Q_OBJECT

private slots:
    void clipboardText_data();
    void clipboardText();
    void damagedPictures_data();
    void damagedPictures();
};

// What lies on the clipboard at start-up, which modal windows the player meets (the code dialog
// is answered with New Game), the position then shown and whether it shows check.
void tst_MalformedWindow::clipboardText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("seen");
    QTest::addColumn<QString>("fen");
    QTest::addColumn<bool>("check");

    const QStringList none, dialog { Dialog }, damaged { Damaged, Dialog };
    const QString kings = QStringLiteral("CHESS-CODE:gh6v2o0");
    QTest::newRow("empty") << QString() << dialog << StartFen << false;
    QTest::newRow("whitespace only") << " \t\r\n \r\n " << dialog << StartFen << false;
    QTest::newRow("prefix alone") << "CHESS-CODE:" << damaged << StartFen << false;
    QTest::newRow("prefix twice") << "CHESS-CODE:" + kings << damaged << StartFen << false;
    QTest::newRow("reply marker in front") << "Re: " + kings << dialog << StartFen << false;
    QTest::newRow("10 MB of e-mail text after the code") << kings
            + QStringLiteral(" Lorem ipsum 12:30 - dolor sit amet.\r\n").repeated(TenMegabytes / 38)
                                                         << none << KingsFen << false;
    QTest::newRow("NUL and non-Latin characters")
        << QStringLiteral("\0Шахматы — CHESS-CODE:\0gh6v2o0\0 ♔ 象棋") << none << KingsFen << false;
    QTest::newRow("truncated") << Code(StartFen).left(40) << damaged << StartFen << false;
    QTest::newRow("piece code 7") << RawCode(White, { { 4, Black, King }, { 60, White, 7 } })
                                  << damaged << StartFen << false;
    QTest::newRow("duplicate squares, the later record wins, the other king in check") << RawCode(
        White,
        { { 4, Black, Rook }, { 60, White, King }, { 60, White, Pawn }, { 62, White, King },
            { 6, Black, Rook } }) << none << "4r1r1/8/8/8/8/8/8/4P1K1 w" << true;
    QTest::newRow("no king") << RawCode(White, { { 52, White, Pawn } }) << none
                             << "8/8/8/8/8/8/4P3/8 w" << false;
    QTest::newRow("three kings") << RawCode(
        White, { { 4, Black, King }, { 56, White, King }, { 60, White, King } })
                                 << none << "4k3/8/8/8/8/8/8/K3K3 w" << false;
    const QString pawnOnG5 = QStringLiteral("4k3/8/8/6P1/8/8/8/4K3 b");
    QTest::newRow("en-passant value 65")
        << CodeWithEnPassant(pawnOnG5, 64) << none << pawnOnG5 << false;
}

void tst_MalformedWindow::clipboardText()
{
    QFETCH(QString, text);
    QFETCH(QStringList, seen);
    QFETCH(QString, fen);
    QFETCH(bool, check);

    PictureFolder pictures;
    SetClipboard(text);
    ModalAnswers modals;
    for (const QString &expected : seen) {
        if (expected == Dialog)
            modals.Then([](QWidget *w) { ModalAnswers::Press(w, QStringLiteral("New Game")); });
        else
            modals.Then(ModalAnswers::PressOk());
    }
    frmChess window;
    QVERIFY(window.Form_Load());
    QCOMPARE(modals.Seen(), seen);

    BoardState expected = Position(fen), shown = window.Board();
    expected.mbInCheck = shown.mbInCheck = false;
    QCOMPARE(shown, expected);
    QCOMPARE(window.picCheck->isVisibleTo(&window), check);
    if (check)
        QCOMPARE(window.lblCheck->text(), QStringLiteral("In Check"));
    QVERIFY(window.lblTitle->text().startsWith(expected.giToMove == White
            ? QStringLiteral("WHITE to move.")
            : QStringLiteral("BLACK to move.")));

    PlayOneMoveAndSend(window, modals);
    QCOMPARE(modals.Seen().count(QStringLiteral("unexpected")), 0);
}

// A spoiled images folder: the program starts, names the first file it could not read once, and
// a move and Send Move still work.
void tst_MalformedWindow::damagedPictures_data()
{
    QTest::addColumn<QString>("damage"); // "empty", "missing" or the file to overwrite
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("named"); // by the start-up message
    QTest::addColumn<QString>("namedAfterMove"); // by a message after the first move

    QTest::newRow("empty folder") << "empty" << QByteArray() << "wbrook.bmp" << QString();
    QTest::newRow("missing folder") << "missing" << QByteArray() << "wbrook.bmp" << QString();
    QTest::newRow("zero-byte BMP") << "white.bmp" << QByteArray() << QString() << "white.bmp";
    QTest::newRow("text file named .ico")
        << "rook.ico" << QByteArray("not a picture") << "rook.ico" << QString();
    QTest::newRow("BMP header claiming 40000 x 40000 pixels")
        << "wbrook.bmp" << HugeBitmapHeader() << "wbrook.bmp" << QString();
}

void tst_MalformedWindow::damagedPictures()
{
    QFETCH(QString, damage);
    QFETCH(QByteArray, content);
    QFETCH(QString, named);
    QFETCH(QString, namedAfterMove);

    PictureFolder pictures;
    QTemporaryDir elsewhere;
    QString folder = pictures.Path();
    if (damage == QLatin1String("empty")) {
        folder = elsewhere.path();
    } else if (damage == QLatin1String("missing")) {
        folder = elsewhere.filePath(QStringLiteral("images"));
    } else {
        QFile file(QDir(folder).filePath(damage));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }
    SetImagesFolder(folder);

    SetClipboard(Code(StartFen));
    ModalAnswers modals;
    QStringList seen;
    if (!named.isEmpty()) {
        seen << PictureMessage(named, folder);
        modals.Then(ModalAnswers::PressOk());
    }
    frmChess window;
    QVERIFY(window.Form_Load());
    QCOMPARE(modals.Seen(), seen);
    QCOMPARE(window.Board(), Position(StartFen));

    if (!namedAfterMove.isEmpty()) {
        seen << PictureMessage(namedAfterMove, folder);
        modals.Then(ModalAnswers::PressOk());
    }
    PlayOneMoveAndSend(window, modals);
    QCOMPARE(modals.Seen(), seen << Sent);
}

QTEST_MAIN(tst_MalformedWindow)
#include "tst_malformedwindow.moc"
