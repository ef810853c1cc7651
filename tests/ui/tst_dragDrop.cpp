#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "ModalAnswers.h"
#include "WindowTestSupport.h"
#include "ui/BoardFrame.h"
#include "ui/frmChess.h"
#include "ui/frmPawnChange.h"

using namespace corvalen;
using namespace corvalen::testing;

namespace {

const QString StartFen = QStringLiteral("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w");
const QString OpponentText = QStringLiteral("Chess|You cannot move your opponents pieces.");
const QPoint Middle(16, 16);

// A real drag: press on the origin cell, move, release over the destination cell.
void Drag(frmChess &window, int16_t from, int16_t to)
{
    QTest::mousePress(window.imgCell[from], Qt::LeftButton, {}, Middle);
    QTest::mouseMove(window.imgCell[to], Middle);
    QTest::mouseRelease(window.imgCell[to], Qt::LeftButton, {}, Middle);
}

// What every cell shows, with the window's own empty squares counted as the empty-square files.
QStringList Picture(const frmChess &window)
{
    QStringList shown;
    for (const BoardCell *cell : window.imgCell) {
        QString file = Shown(cell);
        if (file == QLatin1String("empty-light.png"))
            file = QStringLiteral("white.bmp");
        else if (file == QLatin1String("empty-dark.png"))
            file = QStringLiteral("blue.bmp");
        shown << file;
    }
    return shown;
}

int16_t ChoiceIndex(const QString &piece)
{
    static const QStringList order { "rook", "knight", "bishop", "queen" };
    return static_cast<int16_t>(order.indexOf(piece));
}

// Answers the promotion dialog: checks that the pawn waits on its last row, then chooses.
ModalAnswers::Answer Promote(const frmChess &window, int16_t to, const QString &choice)
{
    return [&window, to, choice](QWidget *modal) {
        auto *dialog = qobject_cast<frmPawnChange *>(modal);
        QVERIFY(dialog);
        QVERIFY(Shown(window.imgCell[to]).endsWith(QLatin1String("pawn.bmp")));
        const QString piece = QString(choice).remove(QStringLiteral(" by double-click"));
        QLabel *cell = dialog->imgCell[static_cast<size_t>(ChoiceIndex(piece))];
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
    void legalDropIsCarriedOut_data();
    void legalDropIsCarriedOut();
    void refusedDropChangesNothing_data();
    void refusedDropChangesNothing();
    void dropOutsideTheBoardDoesNothing_data();
    void dropOutsideTheBoardDoesNothing();
    void promotionCannotBeLeftWithoutAChoice();
    void afterAMoveNothingCanBeDragged();
    void undoRestoresTheLoadedPosition_data();
    void undoRestoresTheLoadedPosition();
    void newGameAfterAMoveStartsAfresh();
    void sendAfterADoubleStepWritesTheEnPassantSquare();
};

void DragDropTest::legalDropIsCarriedOut_data()
{
    QTest::addColumn<QString>("fen");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("choice"); // promotion piece, empty when none
    QTest::addColumn<QString>("after"); // FEN of the board afterwards, same side to move
    QTest::addColumn<QString>("cells");
    QTest::addColumn<QString>("lastTarget");
    QTest::addColumn<QString>("castleTarget");

    QTest::newRow("plain move") << StartFen << "e2"
                                << "e4" << QString()
                                << "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR w - e3"
                                << "e2=white.bmp e4=wgpawn.bmp"
                                << "e4"
                                << "-";
    QTest::newRow("capture") << "4k3/8/8/3p4/4P3/8/8/4K3 w"
                             << "e4"
                             << "d5" << QString() << "4k3/8/8/3P4/8/8/8/4K3 w"
                             << "e4=white.bmp d5=wgpawn.bmp"
                             << "d5"
                             << "-";
    QTest::newRow("knight from the back rank")
        << StartFen << "g1"
        << "f3" << QString() << "rnbqkbnr/pppppppp/8/8/8/5N2/PPPPPPPP/RNBQKB1R w"
        << "g1=blue.bmp f3=wgknight.bmp"
        << "f3"
        << "-";
    QTest::newRow("White castles king side")
        << "r3k2r/8/8/8/8/8/8/R3K2R w"
        << "e1"
        << "g1" << QString() << "r3k2r/8/8/8/8/8/8/R4RK1 w"
        << "e1=blue.bmp h1=white.bmp g1=bgking.bmp f1=wgrook.bmp"
        << "f1"
        << "g1";
    QTest::newRow("White castles queen side")
        << "r3k2r/8/8/8/8/8/8/R3K2R w"
        << "e1"
        << "c1" << QString() << "r3k2r/8/8/8/8/8/8/2KR3R w"
        << "e1=blue.bmp a1=blue.bmp c1=bgking.bmp d1=wgrook.bmp"
        << "d1"
        << "c1";
    QTest::newRow("Black castles king side")
        << "r3k2r/8/8/8/8/8/8/R3K2R b"
        << "e8"
        << "g8" << QString() << "r4rk1/8/8/8/8/8/8/R3K2R b"
        << "e8=white.bmp h8=blue.bmp g8=wbking.bmp f8=bbrook.bmp"
        << "f8"
        << "g8";
    QTest::newRow("Black castles queen side")
        << "r3k2r/8/8/8/8/8/8/R3K2R b"
        << "e8"
        << "c8" << QString() << "2kr3r/8/8/8/8/8/8/R3K2R b"
        << "e8=white.bmp a8=white.bmp c8=wbking.bmp d8=bbrook.bmp"
        << "d8"
        << "c8";
    QTest::newRow("White takes en passant") << "4k3/8/8/3pP3/8/8/8/4K3 w - d6"
                                            << "e5"
                                            << "d6" << QString() << "4k3/8/3P4/8/8/8/8/4K3 w"
                                            << "e5=blue.bmp d5=white.bmp d6=bgpawn.bmp"
                                            << "d6"
                                            << "-";
    QTest::newRow("Black takes en passant") << "4k3/8/8/8/3Pp3/8/8/4K3 b - d3"
                                            << "e4"
                                            << "d3" << QString() << "4k3/8/8/8/8/3p4/8/4K3 b"
                                            << "e4=white.bmp d4=blue.bmp d3=wbpawn.bmp"
                                            << "d3"
                                            << "-";
    QTest::newRow("knight onto the en-passant square takes nothing")
        << "4k3/8/8/3pP3/8/4N3/8/4K3 w - d6"
        << "e3"
        << "d5" << QString() << "4k3/8/8/3NP3/8/8/8/4K3 w"
        << "d5=wgknight.bmp"
        << "d5"
        << "-";
    QTest::newRow("Black double step") << "4k3/3p4/8/8/8/8/8/4K3 b"
                                       << "d7"
                                       << "d5" << QString() << "4k3/8/8/3p4/8/8/8/4K3 b - d6"
                                       << "d7=white.bmp d5=wbpawn.bmp"
                                       << "d5"
                                       << "-";
    QTest::newRow("king steps out of check") << "4k3/8/8/8/8/8/4r3/4K3 w"
                                             << "e1"
                                             << "d1" << QString() << "4k3/8/8/8/8/8/4r3/3K4 w"
                                             << "e1=blue.bmp d1=wgking.bmp"
                                             << "d1"
                                             << "-";
    QTest::newRow("king takes the checking piece") << "4k3/8/8/8/8/8/4r3/4K3 w"
                                                   << "e1"
                                                   << "e2" << QString() << "4k3/8/8/8/8/8/4K3/8 w"
                                                   << "e1=blue.bmp e2=wgking.bmp"
                                                   << "e2"
                                                   << "-";

    const char *pieces[] = { "rook", "knight", "bishop", "queen" };
    const char *white[] = { "R", "N", "B", "Q" };
    const char *black[] = { "r", "n", "b", "q" };
    for (int i = 0; i < 4; ++i) {
        QTest::addRow("White promotes to a %s", pieces[i])
            << "4k3/P7/8/8/8/8/8/4K3 w"
            << "a7"
            << "a8" << pieces[i]
            << QLatin1String(white[i]) + QStringLiteral("3k3/8/8/8/8/8/8/4K3 w")
            << QStringLiteral("a7=blue.bmp a8=wg%1.bmp").arg(pieces[i]) << "a8"
            << "-";
        QTest::addRow("Black promotes to a %s", pieces[i])
            << "4k3/8/8/8/8/8/7p/4K3 b"
            << "h2"
            << "h1" << pieces[i] << QStringLiteral("4k3/8/8/8/8/8/8/4K2%1 b").arg(black[i])
            << QStringLiteral("h2=blue.bmp h1=wb%1.bmp").arg(pieces[i]) << "h1"
            << "-";
    }
    QTest::newRow("promotion with a capture, chosen by double-click")
        << "1r2k3/P7/8/8/8/8/8/4K3 w"
        << "a7"
        << "b8"
        << "knight by double-click"
        << "1N2k3/8/8/8/8/8/8/4K3 w"
        << "a7=blue.bmp b8=bgknight.bmp"
        << "b8"
        << "-";
    QTest::newRow("Black promotes by double-click") << "4k3/8/8/8/8/8/1p6/4K3 b"
                                                    << "b2"
                                                    << "b1"
                                                    << "bishop by double-click"
                                                    << "4k3/8/8/8/8/8/8/1b2K3 b"
                                                    << "b2=blue.bmp b1=wbbishop.bmp"
                                                    << "b1"
                                                    << "-";
}

void DragDropTest::legalDropIsCarriedOut()
{
    QFETCH(QString, fen);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, choice);
    QFETCH(QString, after);
    QFETCH(QString, cells);
    QFETCH(QString, lastTarget);
    QFETCH(QString, castleTarget);

    Loaded loaded(fen);
    frmChess &window = loaded.window;
    const bool wasInCheck = window.picCheck->isVisible();
    if (!choice.isEmpty())
        loaded.modals.Then(Promote(window, Sq(to), choice));

    Drag(window, Sq(from), Sq(to));

    QCOMPARE(loaded.modals.Pending(), 0);
    QCOMPARE(loaded.modals.Seen().size(), choice.isEmpty() ? 0 : 1);
    QCOMPARE(window.Board(), Position(after));
    for (const auto &[square, file] : CellTable(cells))
        QCOMPARE(Shown(window.imgCell[square]), file);
    QCOMPARE(window.LastTarget(), Sq(lastTarget));
    QCOMPARE(window.CastleTarget(), Sq(castleTarget));
    // The check indicator goes, the board locks, and the move can be sent or taken back.
    QVERIFY(!window.picCheck->isVisible());
    if (wasInCheck) {
        const int16_t king = Sq(lastTarget);
        QVERIFY(!Shown(window.imgCell[king]).contains(u'x'));
    }
    for (const BoardCell *cell : window.imgCell) {
        QVERIFY(!cell->DragMode());
        QVERIFY(cell->DragIcon().isNull());
    }
    QVERIFY(window.cmdUndo->isEnabled());
    QVERIFY(window.cmdSend->isEnabled());
    QCOMPARE(window.lblTitle->text().left(14),
        fen.contains(QLatin1String(" b")) ? QStringLiteral("BLACK to move.")
                                          : QStringLiteral("WHITE to move."));
}

void DragDropTest::refusedDropChangesNothing_data()
{
    QTest::addColumn<QString>("fen");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<bool>("message");

    QTest::newRow("illegal pawn move") << StartFen << "e2"
                                       << "e5" << false;
    QTest::newRow("onto an own piece") << StartFen << "d1"
                                       << "d2" << false;
    QTest::newRow("on its own cell") << StartFen << "e2"
                                     << "e2" << false;
    QTest::newRow("opponent's piece") << StartFen << "e7"
                                      << "e5" << true;
    QTest::newRow("White's piece when Black is to move")
        << "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b - e3"
        << "d2"
        << "d4" << true;
    QTest::newRow("en passant that bares the own king") << "8/8/8/KPp4r/8/8/8/4k3 w - c6"
                                                        << "b5"
                                                        << "c6" << false;
    QTest::newRow("move that ignores the check") << "4k3/8/8/8/8/8/P3r3/4K3 w"
                                                 << "a2"
                                                 << "a3" << false;
    QTest::newRow("mated side") << "rnb1kbnr/pppp1ppp/8/4p3/6Pq/5P2/PPPPP2P/RNBQKBNR w"
                                << "d2"
                                << "d3" << false;
    QTest::newRow("stalemated side") << "7k/5Q2/6K1/8/8/8/8/8 b"
                                     << "h8"
                                     << "g8" << false;
}

void DragDropTest::refusedDropChangesNothing()
{
    QFETCH(QString, fen);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(bool, message);

    Loaded loaded(fen);
    frmChess &window = loaded.window;
    const BoardState before = window.Board();
    const QStringList picture = Picture(window);
    const bool indicator = window.picCheck->isVisible();
    if (message)
        loaded.modals.Then(ModalAnswers::PressOk());

    Drag(window, Sq(from), Sq(to));

    QCOMPARE(loaded.modals.Seen(), message ? QStringList { OpponentText } : QStringList());
    QCOMPARE(window.Board(), before);
    QCOMPARE(Picture(window), picture);
    QCOMPARE(window.picCheck->isVisible(), indicator);
    QVERIFY(!window.cmdUndo->isEnabled());
    QVERIFY(!window.cmdSend->isEnabled());
    // The board stays open: the piece can be dragged again.
    QVERIFY(window.imgCell[Sq(from)]->DragMode());
    QCOMPARE(window.picBoard->DragSource(), nullptr);
}

void DragDropTest::dropOutsideTheBoardDoesNothing_data()
{
    QTest::addColumn<QPoint>("where"); // in board coordinates, as the grab delivers it

    QTest::newRow("the frame's gap") << QPoint(258, 259);
    QTest::newRow("the turn label above") << QPoint(100, -20);
    QTest::newRow("the New Game button") << QPoint(290, 185);
    QTest::newRow("outside the window") << QPoint(-400, 500);
}

void DragDropTest::dropOutsideTheBoardDoesNothing()
{
    QFETCH(QPoint, where);

    Loaded loaded(StartFen);
    frmChess &window = loaded.window;
    const QStringList picture = Picture(window);
    QTest::mousePress(window.imgCell[Sq("e2")], Qt::LeftButton, {}, Middle);
    QCOMPARE(window.picBoard->DragSource(), window.imgCell[Sq("e2")]);
    QTest::mouseRelease(window.picBoard, Qt::LeftButton, {}, where);

    QCOMPARE(window.picBoard->DragSource(), nullptr);
    QCOMPARE(window.Board(), Position(StartFen));
    QCOMPARE(Picture(window), picture);
    QCOMPARE(loaded.modals.Seen(), QStringList());
    QVERIFY(window.imgCell[Sq("e2")]->DragMode());
    // The next drag works as usual.
    Drag(window, Sq("e2"), Sq("e4"));
    QCOMPARE(window.LastTarget(), Sq("e4"));
}

void DragDropTest::promotionCannotBeLeftWithoutAChoice()
{
    Loaded loaded(QStringLiteral("4k3/P7/8/8/8/8/8/4K3 w"));
    frmChess &window = loaded.window;
    loaded.modals.Then([](QWidget *dialog) {
        dialog->close();
        QVERIFY(dialog->isVisible());
        QTest::keyClick(dialog, Qt::Key_Escape);
        QVERIFY(dialog->isVisible());
    });
    loaded.modals.Then(Promote(window, Sq("a8"), QStringLiteral("bishop")));

    Drag(window, Sq("a7"), Sq("a8"));

    QCOMPARE(loaded.modals.Pending(), 0);
    QCOMPARE(loaded.modals.Seen().size(), 1);
    QCOMPARE(window.Board(), Position(QStringLiteral("B3k3/8/8/8/8/8/8/4K3 w")));
}

void DragDropTest::afterAMoveNothingCanBeDragged()
{
    Loaded loaded(StartFen);
    frmChess &window = loaded.window;
    Drag(window, Sq("e2"), Sq("e4"));
    const BoardState moved = window.Board();

    for (const char *from : { "e4", "d2", "g1", "e7" }) {
        QTest::mousePress(window.imgCell[Sq(from)], Qt::LeftButton, {}, Middle);
        QCOMPARE(window.picBoard->DragSource(), nullptr);
        QTest::mouseRelease(window.imgCell[Sq("d4")], Qt::LeftButton, {}, Middle);
    }
    QCOMPARE(window.Board(), moved);
    QCOMPARE(loaded.modals.Seen(), QStringList());
}

void DragDropTest::undoRestoresTheLoadedPosition_data()
{
    QTest::addColumn<QString>("fen");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("choice");

    QTest::newRow("plain move") << StartFen << "e2"
                                << "e4" << QString();
    QTest::newRow("capture") << "4k3/8/8/3p4/4P3/8/8/4K3 w"
                             << "e4"
                             << "d5" << QString();
    QTest::newRow("castling") << "r3k2r/8/8/8/8/8/8/R3K2R w"
                              << "e1"
                              << "g1" << QString();
    QTest::newRow("Black castling queen side") << "r3k2r/8/8/8/8/8/8/R3K2R b"
                                               << "e8"
                                               << "c8" << QString();
    QTest::newRow("en passant") << "4k3/8/8/3pP3/8/8/8/4K3 w - d6"
                                << "e5"
                                << "d6" << QString();
    QTest::newRow("move out of check") << "4k3/8/8/8/8/8/4r3/4K3 w"
                                       << "e1"
                                       << "d1" << QString();
    QTest::newRow("promotion with a capture") << "1r2k3/P7/8/8/8/8/8/4K3 w"
                                              << "a7"
                                              << "b8"
                                              << "queen";
}

void DragDropTest::undoRestoresTheLoadedPosition()
{
    QFETCH(QString, fen);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, choice);

    Loaded loaded(fen);
    frmChess &window = loaded.window;
    const BoardState before = window.Board();
    const QStringList picture = Picture(window);
    const bool indicator = window.picCheck->isVisible();
    const QString code = window.BoardCode();
    if (!choice.isEmpty())
        loaded.modals.Then(Promote(window, Sq(to), choice));
    Drag(window, Sq(from), Sq(to));
    QVERIFY(window.Board() != before);

    QTest::mouseClick(window.cmdUndo, Qt::LeftButton);

    QCOMPARE(window.Board(), before);
    QCOMPARE(Picture(window), picture);
    QCOMPARE(window.picCheck->isVisible(), indicator);
    QCOMPARE(window.BoardCode(), code);
    QVERIFY(!window.cmdUndo->isEnabled());
    QVERIFY(!window.cmdSend->isEnabled());
    for (int16_t square = 0; square < 64; ++square)
        QCOMPARE(window.imgCell[square]->DragMode(), !before.IsEmpty(square));
    // The move can be made again.
    if (!choice.isEmpty())
        loaded.modals.Then(Promote(window, Sq(to), choice));
    Drag(window, Sq(from), Sq(to));
    QVERIFY(window.cmdUndo->isEnabled());
    QCOMPARE(loaded.modals.Pending(), 0);
}

void DragDropTest::newGameAfterAMoveStartsAfresh()
{
    Loaded loaded(QStringLiteral("r3k2r/8/8/8/8/8/8/R3K2R b"));
    frmChess &window = loaded.window;
    Drag(window, Sq("e8"), Sq("c8"));
    QVERIFY(window.cmdUndo->isEnabled());

    QTest::mouseClick(window.cmdNew, Qt::LeftButton);

    QCOMPARE(window.Board(), Position(StartFen));
    QCOMPARE(window.lblTitle->text().left(14), QStringLiteral("WHITE to move."));
    QVERIFY(!window.cmdUndo->isEnabled());
    QVERIFY(!window.cmdSend->isEnabled());
    for (int16_t square = 16; square < 48; ++square) {
        QVERIFY(!window.imgCell[square]->DragMode());
        QCOMPARE(Shown(window.imgCell[square]),
            IsDarkSquare(square) ? QStringLiteral("blue.bmp") : QStringLiteral("white.bmp"));
    }
    Drag(window, Sq("g1"), Sq("f3"));
    QCOMPARE(window.LastTarget(), Sq("f3"));
    QCOMPARE(loaded.modals.Seen(), QStringList());
}

void DragDropTest::sendAfterADoubleStepWritesTheEnPassantSquare()
{
    Loaded loaded(QStringLiteral("4k3/8/8/8/8/8/4P3/4K3 w"));
    frmChess &window = loaded.window;
    Drag(window, Sq("e2"), Sq("e4"));
    QCOMPARE(window.Board().miEnPassant, Sq("e3"));

    QString sent;
    loaded.modals.Then([&sent](QWidget *box) {
        sent = QGuiApplication::clipboard()->text();
        ModalAnswers::Press(box, QStringLiteral("OK"));
    });
    QTest::mouseClick(window.cmdSend, Qt::LeftButton);

    // The two kings, the pawn on e4 and e3 as the en-passant square, Black to move.
    QCOMPARE(sent, QStringLiteral("CHESS-CODE:h16p0f2qq"));
    // Sending changes neither the board nor the buttons.
    QVERIFY(window.cmdUndo->isEnabled());
    QVERIFY(window.cmdSend->isEnabled());
}

QTEST_MAIN(DragDropTest)
#include "tst_dragDrop.moc"
