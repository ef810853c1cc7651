#include <QLabel>
#include <QTest>

#include "ModalAnswers.h"
#include "WindowTestSupport.h"
#include "ui/BoardFrame.h"
#include "ui/frmChess.h"
#include "ui/frmPawnChange.h"

using namespace corvalen;
using namespace corvalen::testing;

namespace {

const QPoint Middle(16, 16);

// A real drag: press on the origin cell, move, release over the destination cell, or over the
// frame's "gap" or "off" the window, in board coordinates as the grab delivers them.
void Drag(frmChess &window, const QString &from, const QString &to)
{
    QTest::mousePress(window.imgCell[Sq(from)], Qt::LeftButton, {}, Middle);
    if (Sq(to) == NoSquare) {
        QTest::mouseRelease(window.picBoard, Qt::LeftButton, {},
            to == QLatin1String("gap") ? QPoint(258, 259) : QPoint(-400, 500));
        return;
    }
    QTest::mouseMove(window.imgCell[Sq(to)], Middle);
    QTest::mouseRelease(window.imgCell[Sq(to)], Qt::LeftButton, {}, Middle);
}

// What every cell shows, with the window's own empty squares counted as the empty-square files.
QStringList Picture(const frmChess &window)
{
    QStringList shown;
    for (const BoardCell *cell : window.imgCell)
        shown << Shown(cell)
                     .replace(QStringLiteral("empty-light.png"), QStringLiteral("white.bmp"))
                     .replace(QStringLiteral("empty-dark.png"), QStringLiteral("blue.bmp"));
    return shown;
}

// Answers the promotion dialog: checks that the pawn waits on its last row, then chooses
// ("queen", "knight by double-click", "rook after the close box").
ModalAnswers::Answer Promote(const frmChess &window, const QString &to, const QString &choice)
{
    return [&window, to, choice](QWidget *modal) {
        auto *dialog = qobject_cast<frmPawnChange *>(modal);
        QVERIFY(dialog);
        QVERIFY(Shown(window.imgCell[Sq(to)]).endsWith(QLatin1String("pawn.bmp")));
        if (choice.endsWith(QLatin1String("after the close box"))) {
            dialog->close();
            QVERIFY(dialog->isVisible());
        }
        static const QStringList order { "rook", "knight", "bishop", "queen" };
        QLabel *cell = dialog->imgCell[size_t(order.indexOf(choice.section(u' ', 0, 0)))];
        if (choice.endsWith(QLatin1String("double-click"))) {
            QTest::mouseDClick(cell, Qt::LeftButton, {}, Middle);
        } else {
            QTest::mouseClick(cell, Qt::LeftButton, {}, Middle);
            QTest::mouseClick(dialog->cmdOK, Qt::LeftButton);
        }
    };
}

struct Loaded {
    PictureFolder pictures;
    ModalAnswers modals;
    frmChess window;
    explicit Loaded(const QString &fen)
    {
        SetClipboard(Code(fen));
        if (!window.Form_Load())
            qFatal("the test position did not load");
    }
};

} // namespace

class DragDropTest : public QObject {
    Q_OBJECT

private slots:
    void legalDropIsCarriedOutUndoneAndRedone_data();
    void legalDropIsCarriedOutUndoneAndRedone();
    void refusedDropChangesNothing_data();
    void refusedDropChangesNothing();
    void sendAfterADoubleStepWritesTheEnPassantSquare();
};

void DragDropTest::legalDropIsCarriedOutUndoneAndRedone_data()
{
    QTest::addColumn<QString>("fen");
    QTest::addColumn<QString>("move"); // "e2 e4", with the promotion choice as a third word
    QTest::addColumn<QString>("after"); // FEN of the board afterwards, same side to move

    const QString castling = QStringLiteral("r3k2r/8/8/8/8/8/8/R3K2R ");
    QTest::newRow("plain move") << StartFen << "e2 e4"
                                << "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR w - e3";
    QTest::newRow("capture") << "4k3/8/8/3p4/4P3/8/8/4K3 w"
                             << "e4 d5"
                             << "4k3/8/8/3P4/8/8/8/4K3 w";
    QTest::newRow("White castles king side") << castling + u'w' << "e1 g1"
                                             << "r3k2r/8/8/8/8/8/8/R4RK1 w";
    QTest::newRow("White castles queen side") << castling + u'w' << "e1 c1"
                                              << "r3k2r/8/8/8/8/8/8/2KR3R w";
    QTest::newRow("Black castles king side") << castling + u'b' << "e8 g8"
                                             << "r4rk1/8/8/8/8/8/8/R3K2R b";
    QTest::newRow("Black castles queen side") << castling + u'b' << "e8 c8"
                                              << "2kr3r/8/8/8/8/8/8/R3K2R b";
    QTest::newRow("en passant") << "4k3/8/8/3pP3/8/8/8/4K3 w - d6"
                                << "e5 d6"
                                << "4k3/8/3P4/8/8/8/8/4K3 w";
    QTest::newRow("king steps out of check") << "4k3/8/8/8/8/8/4r3/4K3 w"
                                             << "e1 d1"
                                             << "4k3/8/8/8/8/8/4r3/3K4 w";
    const char *pieces[] = { "rook", "knight", "bishop", "queen" };
    const char *letters[] = { "R", "N", "B", "Q" };
    for (int i = 0; i < 4; ++i)
        QTest::addRow("White promotes to a %s", pieces[i])
            << "4k3/P7/8/8/8/8/8/4K3 w"
            << QString::fromLatin1(i ? "a7 a8 %1" : "a7 a8 %1 after the close box").arg(pieces[i])
            << QLatin1String(letters[i]) + QStringLiteral("3k3/8/8/8/8/8/8/4K3 w");
    QTest::newRow("Black promotes") << "4k3/8/8/8/8/8/7p/4K3 b"
                                    << "h2 h1 queen"
                                    << "4k3/8/8/8/8/8/8/4K2q b";
    QTest::newRow("promotion with a capture, chosen by double-click")
        << "1r2k3/P7/8/8/8/8/8/4K3 w"
        << "a7 b8 knight by double-click"
        << "1N2k3/8/8/8/8/8/8/4K3 w";
}

void DragDropTest::legalDropIsCarriedOutUndoneAndRedone()
{
    QFETCH(QString, fen);
    QFETCH(QString, move);
    QFETCH(QString, after);

    const QString from = move.section(u' ', 0, 0);
    const QString to = move.section(u' ', 1, 1);
    const QString choice = move.section(u' ', 2);
    const QStringList expected = Picture(Loaded(after).window); // as a loaded board shows it
    Loaded loaded(fen);
    frmChess &window = loaded.window;
    const BoardState before = window.Board();
    const QStringList picture = Picture(window);
    const QString code = window.BoardCode();
    const bool wasInCheck = window.picCheck->isVisible();
    if (!choice.isEmpty())
        loaded.modals.Then(Promote(window, to, choice));

    Drag(window, from, to);

    QCOMPARE(loaded.modals.Pending(), 0);
    QCOMPARE(loaded.modals.Seen().size(), choice.isEmpty() ? 0 : 1);
    QCOMPARE(window.Board(), Position(after));
    QCOMPARE(Picture(window), expected);
    // A castling king marks its own square, the rook the last target.
    const bool castles = before.Piece(Sq(from)) == King && std::abs(Sq(to) - Sq(from)) == 2;
    QCOMPARE(window.CastleTarget(), castles ? Sq(to) : NoSquare);
    QCOMPARE(window.LastTarget(), castles ? int16_t((Sq(from) + Sq(to)) / 2) : Sq(to));
    QVERIFY(!window.picCheck->isVisible());
    QVERIFY(window.cmdUndo->isEnabled());
    QVERIFY(window.cmdSend->isEnabled());
    // The board locks: no cell can be dragged after the move.
    for (const BoardCell *cell : window.imgCell)
        QVERIFY(!cell->DragMode() && cell->DragIcon().isNull());
    QTest::mousePress(window.imgCell[Sq(to)], Qt::LeftButton, {}, Middle);
    QCOMPARE(window.picBoard->DragSource(), nullptr);
    QTest::mouseRelease(window.imgCell[Sq(from)], Qt::LeftButton, {}, Middle);
    QCOMPARE(window.Board(), Position(after));

    QTest::mouseClick(window.cmdUndo, Qt::LeftButton);

    QCOMPARE(window.Board(), before);
    QCOMPARE(Picture(window), picture);
    QCOMPARE(window.picCheck->isVisible(), wasInCheck);
    QCOMPARE(window.BoardCode(), code);
    QVERIFY(!window.cmdUndo->isEnabled());
    QVERIFY(!window.cmdSend->isEnabled());
    for (int16_t square = 0; square < 64; ++square)
        QCOMPARE(window.imgCell[square]->DragMode(), !before.IsEmpty(square));

    // The move can be made again, and New Game after it starts afresh.
    if (!choice.isEmpty())
        loaded.modals.Then(Promote(window, to, choice));
    Drag(window, from, to);
    QCOMPARE(window.Board(), Position(after));
    QTest::mouseClick(window.cmdNew, Qt::LeftButton);
    QCOMPARE(window.Board(), Position(StartFen));
    QVERIFY(!window.cmdUndo->isEnabled() && !window.cmdSend->isEnabled());
    QVERIFY(window.imgCell[Sq("g1")]->DragMode());
    QCOMPARE(loaded.modals.Pending(), 0);
}

void DragDropTest::refusedDropChangesNothing_data()
{
    QTest::addColumn<QString>("fen");
    QTest::addColumn<QString>("move");
    QTest::addColumn<bool>("message");

    QTest::newRow("illegal pawn move") << StartFen << "e2 e5" << false;
    QTest::newRow("on its own cell") << StartFen << "e2 e2" << false;
    QTest::newRow("opponent's piece") << StartFen << "e7 e5" << true;
    QTest::newRow("en passant that bares the own king") << "8/8/8/KPp4r/8/8/8/4k3 w - c6"
                                                        << "b5 c6" << false;
    QTest::newRow("drop in the frame's gap") << StartFen << "e2 gap" << false;
    QTest::newRow("drop outside the window") << StartFen << "e2 off" << false;
    QTest::newRow("move that ignores the check") << "4k3/8/8/8/8/8/P3r3/4K3 w"
                                                 << "a2 a3" << false;
}

void DragDropTest::refusedDropChangesNothing()
{
    QFETCH(QString, fen);
    QFETCH(QString, move);
    QFETCH(bool, message);

    const QString from = move.section(u' ', 0, 0);
    Loaded loaded(fen);
    frmChess &window = loaded.window;
    const BoardState before = window.Board();
    const QStringList picture = Picture(window);
    const bool indicator = window.picCheck->isVisible();
    if (message)
        loaded.modals.Then(ModalAnswers::PressOk());

    Drag(window, from, move.section(u' ', 1, 1));

    QCOMPARE(loaded.modals.Seen(),
        message ? QStringList { QStringLiteral("Chess|You cannot move your opponents pieces.") }
                : QStringList());
    QCOMPARE(window.Board(), before);
    QCOMPARE(Picture(window), picture);
    QCOMPARE(window.picCheck->isVisible(), indicator);
    QVERIFY(!window.cmdUndo->isEnabled());
    QVERIFY(!window.cmdSend->isEnabled());
    // The board stays open: the piece can be dragged again.
    QVERIFY(window.imgCell[Sq(from)]->DragMode());
    QCOMPARE(window.picBoard->DragSource(), nullptr);
}

void DragDropTest::sendAfterADoubleStepWritesTheEnPassantSquare()
{
    Loaded loaded(QStringLiteral("4k3/8/8/8/8/8/4P3/4K3 w"));
    Drag(loaded.window, QStringLiteral("e2"), QStringLiteral("e4"));
    QString sent;
    loaded.modals.Then([&sent](QWidget *box) {
        sent = QGuiApplication::clipboard()->text();
        ModalAnswers::Press(box, QStringLiteral("OK"));
    });
    QTest::mouseClick(loaded.window.cmdSend, Qt::LeftButton);
    // The two kings, the pawn on e4 and e3 as the en-passant square, Black to move.
    QCOMPARE(sent, QStringLiteral("CHESS-CODE:h16p0f2qq"));
}

QTEST_MAIN(DragDropTest)
#include "tst_dragDrop.moc"
