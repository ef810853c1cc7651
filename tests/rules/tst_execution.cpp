#include <QTest>

#include "RulesTestSupport.h"
#include "rules/MoveExecution.h"
#include "rules/MoveLegality.h"

using namespace corvalen;
using namespace corvalen::testing;

namespace {

// "placement; changed squares; last target" and then only what is set: castle target, pawn
// taken en passant, new en-passant square, promotion.
QString Describe(const BoardState &board, const MoveOutcome &outcome)
{
    QStringList changed;
    for (int i = 0; i < outcome.changedCount; ++i)
        changed << SquareName(outcome.changedSquares[static_cast<size_t>(i)]);
    QStringList parts { QString::fromStdString(FenFromBoard(board)).section(' ', 0, 0),
        changed.join(' '), "last " + SquareName(outcome.miLastTarget) };
    if (outcome.castled)
        parts << "castle " + SquareName(outcome.miCastleTarget);
    if (outcome.capturedEnPassant != NoSquare)
        parts << "took " + SquareName(outcome.capturedEnPassant);
    if (board.miEnPassant != NoSquare)
        parts << "ep " + SquareName(board.miEnPassant);
    if (outcome.promoted)
        parts << "promoted";
    return parts.join("; ");
}

} // namespace

// Perft already checks the placement after ordinary moves; these rows check the outcome too.
class TestExecution : public QObject {
    Q_OBJECT

private slots:
    void carriesOutMoves_data()
    {
        QTest::addColumn<QString>("fen");
        QTest::addColumn<QString>("move"); // "e7e8n": a fifth letter names the promotion piece
        QTest::addColumn<QString>("outcome");

        Row("king takes the checking rook", "4k3/8/8/8/8/8/4r3/4K3 w", "e1e2",
            "4k3/8/8/8/8/8/4K3/8; e1 e2; last e2");
        Row("white castles king side", "r3k2r/8/8/8/8/8/8/R3K2R w", "e1g1",
            "r3k2r/8/8/8/8/8/8/R4RK1; e1 g1 h1 f1; last f1; castle g1");
        Row("black castles queen side", "r3k2r/8/8/8/8/8/8/R3K2R b", "e8c8",
            "2kr3r/8/8/8/8/8/8/R3K2R; e8 c8 a8 d8; last d8; castle c8");
        Row("double step records the passed square", "4k3/8/8/8/8/8/4P3/4K3 w", "e2e4",
            "4k3/8/8/8/4P3/8/8/4K3; e2 e4; last e4; ep e3");
        Row("single step clears the en-passant square", "4k3/8/8/3p4/8/8/4P3/4K3 w - d6", "e2e3",
            "4k3/8/8/3p4/8/4P3/8/4K3; e2 e3; last e3");
        Row("white takes en passant", "4k3/8/8/3pP3/8/8/8/4K3 w - d6", "e5d6",
            "4k3/8/3P4/8/8/8/8/4K3; e5 d6 d5; last d6; took d5");
        Row("black takes en passant", "4k3/8/8/8/3pP3/8/8/4K3 b - e3", "d4e3",
            "4k3/8/8/8/8/4p3/8/4K3; d4 e3 e4; last e3; took e4");
        Row("knight onto the en-passant square takes nothing", "4k3/8/8/3p4/4N3/8/8/4K3 w - d6",
            "e4d6", "4k3/8/3N4/3p4/8/8/8/4K3; e4 d6; last d6");
        Row("capture onto an occupied en-passant square", "4k3/8/3n4/2Pp4/8/8/8/4K3 w - d6", "c5d6",
            "4k3/8/3P4/3p4/8/8/8/4K3; c5 d6; last d6");
        Row("rook onto the far row", "3rk3/8/8/8/8/8/8/3RK3 w", "d1d8",
            "3Rk3/8/8/8/8/8/8/4K3; d1 d8; last d8");
        Row("promotion to a knight", "8/4P3/8/8/8/8/k7/4K3 w", "e7e8n",
            "4N3/8/8/8/8/8/k7/4K3; e7 e8; last e8; promoted");
        Row("black promotes to a rook with a capture", "4k3/8/8/8/8/8/K3p3/3R4 b", "e2d1r",
            "4k3/8/8/8/8/8/K7/3r4; e2 d1; last d1; promoted");
        Row("promotion to a king gives a queen", "8/4P3/8/8/8/8/k7/4K3 w", "e7e8k",
            "4Q3/8/8/8/8/8/k7/4K3; e7 e8; last e8; promoted");
    }

    void carriesOutMoves()
    {
        QFETCH(QString, fen);
        QFETCH(QString, move);
        QFETCH(QString, outcome);
        const int16_t from = Sq(move.left(2));
        const int16_t to = Sq(move.mid(2, 2));
        const auto piece = static_cast<int16_t>(QString("-rnbqk").indexOf(move.mid(4, 1)));

        BoardState board = Position(fen);
        QVERIFY(IsValidMove(board, from, to));
        const BoardState before = board;
        QCOMPARE(
            Describe(board, CarryOutMove(board, from, to, piece > 0 ? piece : Queen)), outcome);
        QCOMPARE(board.giToMove, before.giToMove);
        QCOMPARE(board.mbInCheck, before.mbInCheck);
    }
};

QTEST_APPLESS_MAIN(TestExecution)
#include "tst_execution.moc"
