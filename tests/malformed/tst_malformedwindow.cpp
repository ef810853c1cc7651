#include <QClipboard>
#include <QElapsedTimer>
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

// Untrusted clipboard texts and damaged picture folders through the real main window: the player
// sees a position, or the damaged-code message and the code dialog, or the code dialog, and the
// window stays usable afterwards.

using namespace corvalen;
using namespace corvalen::testing;

namespace {

const QString StartFen = QStringLiteral("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w");
const QString KingsFen = QStringLiteral("4k3/8/8/8/8/8/8/4K3 b");
const QString StartFullCode = QStringLiteral("CHESS-CODE:fg4gd0lgu16hdhl1si42c2k2s343c3k3sc0c8cgcod"
                                             "0d8dgdoe0u9ehuqf2v9vhfoo0");
const QString Damaged = QStringLiteral("Chess|The CHESS-CODE on the Clipboard is incomplete or "
                                       "damaged.\n\nPlease copy the whole CHESS-CODE from the "
                                       "e-mail again.");
const QString Dialog = QStringLiteral("Copy the Chess Code|Unable to find the CHESS-CODE in the "
                                      "Windows Clipboard.\n\nPlease COPY the CHESS-CODE into the "
                                      "Clipboard and press OK.");
const QString Sent = QStringLiteral("Chess|Your CHESS-CODE has been copied to the Windows "
                                    "Clipboard.\n\nNow PASTE this CHESS-CODE into an email "
                                    "message and send it.");
constexpr qsizetype TenMegabytes = 10 * 1024 * 1024;

// A code with the en-passant field `value` behind the records (square, colour, piece).
QString CodeWithEnPassant(
    int16_t side, std::initializer_list<std::array<int16_t, 3>> records, int32_t value)
{
    clsDecoder bits;
    bits.AddBits(side, 1);
    bits.AddBits(int32_t(records.size()) - 1, 5);
    for (const auto &record : records) {
        bits.AddBits(record[0], 6);
        bits.AddBits(record[1], 1);
        bits.AddBits(record[2], 3);
    }
    bits.AddBits(1, 1);
    bits.AddBits(value, 7);
    return QStringLiteral("CHESS-CODE:") + QString::fromStdString(bits.GetBase32()).toLower();
}

QByteArray Describe(const BoardState &board)
{
    QByteArray text;
    for (const std::string &row : DumpBoard(board))
        text += QByteArray::fromStdString(row) + '/';
    return text + (board.giToMove == White ? " w ep " : " b ep ")
        + QByteArray::number(board.miEnPassant) + (board.mbInCheck ? " check" : "");
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
    const auto le32 = [](quint32 value) {
        QByteArray bytes(4, '\0');
        for (int i = 0; i < 4; ++i)
            bytes[i] = char((value >> (8 * i)) & 0xFF);
        return bytes;
    };
    constexpr quint32 Side = 40000;
    return QByteArray("BM") + le32(54 + Side * Side * 3) + le32(0) + le32(54) + le32(40)
        + le32(Side) + le32(Side) + QByteArray("\x01\x00\x18\x00", 4) + le32(0)
        + le32(Side * Side * 3) + le32(2835) + le32(2835) + le32(0) + le32(0);
}

// Makes the first legal move that is no promotion through the window's drop handler, then Send
// Move; the clipboard must then hold the position after that move, the opponent to move.
void PlayOneMoveAndSend(frmChess &window, ModalAnswers &modals)
{
    BoardState board = window.Board();
    const std::vector<Move> moves = LegalMoves(board);
    const auto move = std::find_if(moves.begin(), moves.end(),
        [&board](const Move &m) { return !IsPromotion(board, m.from, m.to); });
    if (move == moves.end())
        return;
    window.imgCell_DragDrop(move->to, move->from);
    CarryOutMove(board, move->from, move->to);
    board.mbInCheck = false;
    QCOMPARE(window.Board(), board);
    QVERIFY(window.cmdSend->isEnabled());

    modals.Then(ModalAnswers::PressOk());
    QTest::mouseClick(window.cmdSend, Qt::LeftButton);
    QTRY_COMPARE(modals.Pending(), 0);
    const std::optional<std::string> sent
        = ExtractCodeCharacters(QGuiApplication::clipboard()->text().toStdString());
    QVERIFY(sent.has_value());
    BoardState received = board;
    received.giToMove = Opponent(board.giToMove);
    received.mbInCheck = false;
    QCOMPARE(DecodePositionCode(*sent).board, received);
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
// is answered with New Game), the position then shown and its check indicator.
void tst_MalformedWindow::clipboardText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("seen");
    QTest::addColumn<QString>("fen");
    QTest::addColumn<QString>("enPassant"); // square name, "#n" for a raw number, "-" for none
    QTest::addColumn<QString>("indicator"); // lblCheck when picCheck shows, else empty

    const QStringList none;
    const QStringList dialog { Dialog };
    const QStringList damaged { Damaged, Dialog };
    const QString kings = QStringLiteral("CHESS-CODE:gh6v2o0");

    QTest::newRow("empty clipboard") << QString() << dialog << StartFen << "-" << QString();
    QTest::newRow("whitespace only") << " \t\r\n \r\n " << dialog << StartFen << "-" << QString();
    QTest::newRow("prefix alone") << "CHESS-CODE:" << damaged << StartFen << "-" << QString();
    QTest::newRow("prefix twice") << "CHESS-CODE:CHESS-CODE:gh6v2o0" << damaged << StartFen << "-"
                                  << QString();
    QTest::newRow("reply marker in front")
        << "Re: " + kings << dialog << StartFen << "-" << QString();
    QTest::newRow("quoted, wrapped, signed")
        << "> CHESS-CODE:gh6\r\n> v2o0\r\n>\r\n> -- \r\n> Bob, 12:30" << none << KingsFen << "-"
        << QString();
    QTest::newRow("10 MB of e-mail text after the code") << kings
            + QStringLiteral(" Lorem ipsum 12:30 - dolor sit amet.\r\n").repeated(TenMegabytes / 38)
                                                         << none << KingsFen << "-" << QString();
    QTest::newRow("10 MB of blanks before the code")
        << QStringLiteral(" \r\n> ").repeated(TenMegabytes / 5) + kings << none << KingsFen << "-"
        << QString();
    QTest::newRow("10 MB of code characters")
        << "CHESS-CODE:" + QString(TenMegabytes, u'v') << damaged << StartFen << "-" << QString();
    QTest::newRow("NUL characters")
        << QStringLiteral("\0CHESS-CODE:\0gh6v2o0\0") << none << KingsFen << "-" << QString();
    QTest::newRow("NUL characters only")
        << QString(100, QChar(0)) << dialog << StartFen << "-" << QString();
    QTest::newRow("non-Latin text") << QStringLiteral("Шахматы — CHESS-CODE:gh6v2o0 ♔ 象棋") << none
                                    << KingsFen << "-" << QString();
    QTest::newRow("non-Latin letters that have Latin capitals")
        << QStringLiteral("ſ ß ﬁ ı CHESS-CODE:gh6v2o0") << none << KingsFen << "-" << QString();
    QTest::newRow("lower case") << "chess-code:gh6v2o0" << none << KingsFen << "-" << QString();
    QTest::newRow("upper case") << "CHESS-CODE:GH6V2O0" << none << KingsFen << "-" << QString();

    for (int length = 0; length <= StartFullCode.size(); ++length) {
        const QStringList seen = length < 11 ? dialog : length < 77 ? damaged : none;
        QTest::addRow("start code cut to %d characters", length)
            << StartFullCode.left(length) << seen << StartFen << "-" << QString();
    }

    QTest::newRow("piece code 6") << RawCode(
        White, { { 4, Black, King }, { 60, White, King }, { 35, White, 6 } })
                                  << damaged << StartFen << "-" << QString();
    QTest::newRow("piece code 7") << RawCode(White, { { 4, Black, King }, { 60, White, 7 } })
                                  << damaged << StartFen << "-" << QString();
    QTest::newRow("two records for one square, the later wins") << RawCode(White,
        { { 4, Black, King }, { 60, White, King }, { 60, White, Rook }, { 52, Black, Pawn } })
                                                                << none << "4k3/8/8/8/8/8/4p3/4R3 w"
                                                                << "-" << QString();
    QTest::newRow("king record overwritten, the other king in check") << RawCode(White,
        { { 4, Black, Rook }, { 60, White, King }, { 60, White, Pawn }, { 62, White, King },
            { 6, Black, Rook } }) << none << "4r1r1/8/8/8/8/8/8/4P1K1 w"
                                                                      << "-"
                                                                      << "In Check";
    QTest::newRow("no king") << RawCode(White, { { 52, White, Pawn } }) << none
                             << "8/8/8/8/8/8/4P3/8 w"
                             << "-" << QString();
    QTest::newRow("no king of the side to move, opponent's rook in reach")
        << RawCode(White, { { 4, Black, King }, { 52, White, Pawn }, { 60, Black, Rook } }) << none
        << "4k3/8/8/8/8/8/4P3/4r3 w"
        << "-" << QString();
    QTest::newRow("three kings") << RawCode(
        White, { { 4, Black, King }, { 56, White, King }, { 60, White, King } })
                                 << none << "4k3/8/8/8/8/8/8/K3K3 w"
                                 << "-" << QString();
    QTest::newRow("pawns on the first and last rows") << RawCode(Black,
        { { 0, White, Pawn }, { 4, Black, King }, { 7, Black, Pawn }, { 56, Black, Pawn },
            { 60, White, King }, { 63, White, Pawn } })
                                                      << none << "P3k2p/8/8/8/8/8/8/p3K2P b"
                                                      << "-" << QString();

    // Black to move, a white pawn on g5: the field value is the square + 1.
    const std::initializer_list<std::array<int16_t, 3>> pawnOnG5
        = { { 4, Black, King }, { 30, White, Pawn }, { 60, White, King } };
    const QString pawnOnG5Fen = QStringLiteral("4k3/8/8/6P1/8/8/8/4K3 b");
    QTest::newRow("en-passant value 0")
        << CodeWithEnPassant(Black, pawnOnG5, 0) << none << pawnOnG5Fen << "-" << QString();
    QTest::newRow("en-passant value 63")
        << CodeWithEnPassant(Black, pawnOnG5, 63) << none << pawnOnG5Fen << "g1" << QString();
    QTest::newRow("en-passant value 64")
        << CodeWithEnPassant(Black, pawnOnG5, 64) << none << pawnOnG5Fen << "h1" << QString();
    QTest::newRow("en-passant value 65")
        << CodeWithEnPassant(Black, pawnOnG5, 65) << none << pawnOnG5Fen << "-" << QString();
    QTest::newRow("en-passant value 127")
        << CodeWithEnPassant(Black, pawnOnG5, 127) << none << pawnOnG5Fen << "-" << QString();
}

void tst_MalformedWindow::clipboardText()
{
    QFETCH(QString, text);
    QFETCH(QStringList, seen);
    QFETCH(QString, fen);
    QFETCH(QString, enPassant);
    QFETCH(QString, indicator);

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
    QElapsedTimer clock;
    clock.start();
    QVERIFY(window.Form_Load());
    if (text.size() > TenMegabytes / 2)
        qInfo("%s: loaded in %lld ms", QTest::currentDataTag(), clock.elapsed());
    QCOMPARE(modals.Seen(), seen);

    BoardState expected = Position(fen);
    expected.miEnPassant = Sq(enPassant);
    expected.mbInCheck = false;
    BoardState shown = window.Board();
    shown.mbInCheck = false;
    QVERIFY2(shown == expected, Describe(shown) + " shown, expected " + Describe(expected));
    QCOMPARE(window.picCheck->isVisibleTo(&window), !indicator.isEmpty());
    if (!indicator.isEmpty())
        QCOMPARE(window.lblCheck->text(), indicator);
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
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("named"); // the file the start-up message names
    // The file named after e2-e4, or empty: the player is told once per run.
    QTest::addColumn<QString>("namedAfterMove");

    QTest::newRow("empty images folder") << "empty"
                                         << "wbrook.bmp" << QString();
    QTest::newRow("missing images folder") << "missing"
                                           << "wbrook.bmp" << QString();
    QTest::newRow("zero-byte piece picture") << "zero:wbrook.bmp"
                                             << "wbrook.bmp" << QString();
    QTest::newRow("zero-byte square picture") << "zero:white.bmp" << QString() << "white.bmp";
    QTest::newRow("text file named .ico") << "text:rook.ico"
                                          << "rook.ico" << QString();
    QTest::newRow("text file named .bmp") << "text:bgking.bmp"
                                          << "bgking.bmp" << QString();
    QTest::newRow("BMP header claiming 40000 x 40000 pixels") << "huge:wbrook.bmp"
                                                              << "wbrook.bmp" << QString();
}

void tst_MalformedWindow::damagedPictures()
{
    QFETCH(QString, damage);
    QFETCH(QString, named);
    QFETCH(QString, namedAfterMove);

    PictureFolder pictures;
    QTemporaryDir elsewhere;
    QString folder = pictures.Path();
    if (damage == QLatin1String("empty")) {
        folder = elsewhere.path();
    } else if (damage == QLatin1String("missing")) {
        folder = elsewhere.filePath(QStringLiteral("images"));
    } else if (damage.startsWith(QLatin1String("zero:"))) {
        QFile file(QDir(folder).filePath(damage.mid(5)));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    } else if (damage.startsWith(QLatin1String("huge:"))) {
        QFile file(QDir(folder).filePath(damage.mid(5)));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(HugeBitmapHeader());
    } else {
        pictures.Spoil(damage.mid(5));
    }
    SetImagesFolder(folder);

    SetClipboard(StartFullCode);
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
    window.imgCell_DragDrop(Sq(QStringLiteral("e4")), Sq(QStringLiteral("e2")));
    QCOMPARE(modals.Seen(), seen);
    QCOMPARE(window.Board().Piece(Sq(QStringLiteral("e4"))), Pawn);
    QVERIFY(window.cmdSend->isEnabled());

    modals.Then(ModalAnswers::PressOk());
    QTest::mouseClick(window.cmdSend, Qt::LeftButton);
    QCOMPARE(modals.Seen(), seen << Sent);
    QVERIFY(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("CHESS-CODE:")));
}

QTEST_MAIN(tst_MalformedWindow)
#include "tst_malformedwindow.moc"
