#include <QTest>

#include "RulesTestSupport.h"
#include "rules/MoveExecution.h"
#include "rules/MoveLegality.h"

using namespace corvalen;
using namespace corvalen::testing;

namespace {

QString Placement(const BoardState &board)
{
    return QString::fromStdString(FenFromBoard(board)).section(' ', 0, 0);
}

QString Changed(const MoveOutcome &outcome)
{
    QStringList names;
    for (int i = 0; i < outcome.changedCount; ++i)
        names << SquareName(outcome.changedSquares[static_cast<size_t>(i)]);
    return names.join(' ');
}

} // namespace

class TestExecution : public QObject {
    Q_OBJECT

private slots:
    void carriesOutMoves_data()
    {
        QTest::addColumn<QString>("fen");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<int>("promotion");
        QTest::addColumn<QString>("placement");
        QTest::addColumn<QString>("changed");
        QTest::addColumn<QString>("lastTarget");
        QTest::addColumn<QString>("castleTarget");
        QTest::addColumn<QString>("takenEnPassant");
        QTest::addColumn<QString>("enPassant");

        const QString castle = "r3k2r/8/8/8/8/8/8/R3K2R";
        QTest::newRow("quiet knight move") << "4k3/8/8/8/8/8/8/1N2K3 w"
                                           << "b1"
                                           << "c3" << int(Queen) << "4k3/8/8/8/8/2N5/8/4K3"
                                           << "b1 c3"
                                           << "c3"
                                           << "-"
                                           << "-"
                                           << "-";
        QTest::newRow("capture overwrites the captured piece")
            << "4k3/8/8/3p4/8/8/8/3QK3 w"
            << "d1"
            << "d5" << int(Queen) << "4k3/8/8/3Q4/8/8/8/4K3"
            << "d1 d5"
            << "d5"
            << "-"
            << "-"
            << "-";
        QTest::newRow("white castles king side") << castle + " w"
                                                 << "e1"
                                                 << "g1" << int(Queen) << "r3k2r/8/8/8/8/8/8/R4RK1"
                                                 << "e1 g1 h1 f1"
                                                 << "f1"
                                                 << "g1"
                                                 << "-"
                                                 << "-";
        QTest::newRow("white castles queen side") << castle + " w"
                                                  << "e1"
                                                  << "c1" << int(Queen) << "r3k2r/8/8/8/8/8/8/2KR3R"
                                                  << "e1 c1 a1 d1"
                                                  << "d1"
                                                  << "c1"
                                                  << "-"
                                                  << "-";
        QTest::newRow("black castles king side") << castle + " b"
                                                 << "e8"
                                                 << "g8" << int(Queen) << "r4rk1/8/8/8/8/8/8/R3K2R"
                                                 << "e8 g8 h8 f8"
                                                 << "f8"
                                                 << "g8"
                                                 << "-"
                                                 << "-";
        QTest::newRow("black castles queen side") << castle + " b"
                                                  << "e8"
                                                  << "c8" << int(Queen) << "2kr3r/8/8/8/8/8/8/R3K2R"
                                                  << "e8 c8 a8 d8"
                                                  << "d8"
                                                  << "c8"
                                                  << "-"
                                                  << "-";
        QTest::newRow("king step beside the rook is no castling")
            << castle + " w"
            << "e1"
            << "f1" << int(Queen) << "r3k2r/8/8/8/8/8/8/R4K1R"
            << "e1 f1"
            << "f1"
            << "-"
            << "-"
            << "-";
        QTest::newRow("white double step records the passed square")
            << "4k3/8/8/8/8/8/4P3/4K3 w"
            << "e2"
            << "e4" << int(Queen) << "4k3/8/8/8/4P3/8/8/4K3"
            << "e2 e4"
            << "e4"
            << "-"
            << "-"
            << "e3";
        QTest::newRow("black double step records the passed square")
            << "4k3/4p3/8/8/8/8/8/4K3 b"
            << "e7"
            << "e5" << int(Queen) << "4k3/8/8/4p3/8/8/8/4K3"
            << "e7 e5"
            << "e5"
            << "-"
            << "-"
            << "e6";
        QTest::newRow("single step clears the en-passant square")
            << "4k3/8/8/3p4/8/8/4P3/4K3 w - d6"
            << "e2"
            << "e3" << int(Queen) << "4k3/8/8/3p4/8/4P3/8/4K3"
            << "e2 e3"
            << "e3"
            << "-"
            << "-"
            << "-";
        QTest::newRow("white takes en passant") << "4k3/8/8/3pP3/8/8/8/4K3 w - d6"
                                                << "e5"
                                                << "d6" << int(Queen) << "4k3/8/3P4/8/8/8/8/4K3"
                                                << "e5 d6 d5"
                                                << "d6"
                                                << "-"
                                                << "d5"
                                                << "-";
        QTest::newRow("black takes en passant") << "4k3/8/8/8/3pP3/8/8/4K3 b - e3"
                                                << "d4"
                                                << "e3" << int(Queen) << "4k3/8/8/8/8/4p3/8/4K3"
                                                << "d4 e3 e4"
                                                << "e3"
                                                << "-"
                                                << "e4"
                                                << "-";
        QTest::newRow("knight onto the en-passant square takes nothing")
            << "4k3/8/8/3p4/8/4N3/8/4K3 w - d6"
            << "e3"
            << "d5" << int(Queen) << "4k3/8/8/3N4/8/8/8/4K3"
            << "e3 d5"
            << "d5"
            << "-"
            << "-"
            << "-";
        QTest::newRow("capture onto an occupied en-passant square leaves the pawn behind")
            << "4k3/8/3n4/2Pp4/8/8/8/4K3 w - d6"
            << "c5"
            << "d6" << int(Queen) << "4k3/8/3P4/3p4/8/8/8/4K3"
            << "c5 d6"
            << "d6"
            << "-"
            << "-"
            << "-";
        QTest::newRow("promotion to a queen") << "8/4P3/8/8/8/8/k7/4K3 w"
                                              << "e7"
                                              << "e8" << int(Queen) << "4Q3/8/8/8/8/8/k7/4K3"
                                              << "e7 e8"
                                              << "e8"
                                              << "-"
                                              << "-"
                                              << "-";
        QTest::newRow("promotion to a knight") << "8/4P3/8/8/8/8/k7/4K3 w"
                                               << "e7"
                                               << "e8" << int(Knight) << "4N3/8/8/8/8/8/k7/4K3"
                                               << "e7 e8"
                                               << "e8"
                                               << "-"
                                               << "-"
                                               << "-";
        QTest::newRow("black promotes to a rook with a capture")
            << "4k3/8/8/8/8/8/K3p3/3R4 b"
            << "e2"
            << "d1" << int(Rook) << "4k3/8/8/8/8/8/K7/3r4"
            << "e2 d1"
            << "d1"
            << "-"
            << "-"
            << "-";
        QTest::newRow("promotion to a king is not offered: queen")
            << "8/4P3/8/8/8/8/k7/4K3 w"
            << "e7"
            << "e8" << int(King) << "4Q3/8/8/8/8/8/k7/4K3"
            << "e7 e8"
            << "e8"
            << "-"
            << "-"
            << "-";
    }

    void carriesOutMoves()
    {
        QFETCH(QString, fen);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(int, promotion);
        QFETCH(QString, placement);
        QFETCH(QString, changed);
        QFETCH(QString, lastTarget);
        QFETCH(QString, castleTarget);
        QFETCH(QString, takenEnPassant);
        QFETCH(QString, enPassant);

        BoardState board = Position(fen);
        QVERIFY(IsValidMove(board, Sq(from), Sq(to)));
        const BoardState before = board;
        const MoveOutcome outcome
            = CarryOutMove(board, Sq(from), Sq(to), static_cast<int16_t>(promotion));
        QCOMPARE(Placement(board), placement);
        QCOMPARE(Changed(outcome), changed);
        QCOMPARE(SquareName(outcome.miLastTarget), lastTarget);
        QCOMPARE(SquareName(outcome.miCastleTarget), castleTarget);
        QCOMPARE(outcome.castled, castleTarget != "-");
        QCOMPARE(SquareName(outcome.capturedEnPassant), takenEnPassant);
        QCOMPARE(outcome.promoted, IsPromotion(before, Sq(from), Sq(to)));
        QCOMPARE(SquareName(board.miEnPassant), enPassant);
        QCOMPARE(board.giToMove, before.giToMove);
        QCOMPARE(board.mbInCheck, before.mbInCheck);
    }

    void leavesTheTurnAndCheckFlagAlone()
    {
        BoardState board = Position("4k3/8/8/8/8/8/4r3/4K3 w");
        QVERIFY(board.mbInCheck);
        CarryOutMove(board, Sq("e1"), Sq("e2"));
        QCOMPARE(board.giToMove, White);
        QVERIFY(board.mbInCheck);
    }

    void recognisesPromotions_data()
    {
        QTest::addColumn<QString>("fen");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<bool>("promotion");
        QTest::newRow("white pawn to row 0") << "8/4P3/8/8/8/8/k7/4K3 w"
                                             << "e7"
                                             << "e8" << true;
        QTest::newRow("black pawn to row 7") << "4k3/8/8/8/8/8/K3p3/8 b"
                                             << "e2"
                                             << "e1" << true;
        QTest::newRow("white pawn short of the last row") << "8/8/4P3/8/8/8/k7/4K3 w"
                                                          << "e6"
                                                          << "e7" << false;
        QTest::newRow("rook onto the last row") << "8/4R3/8/8/8/8/k7/4K3 w"
                                                << "e7"
                                                << "e8" << false;
    }

    void recognisesPromotions()
    {
        QFETCH(QString, fen);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(bool, promotion);
        QCOMPARE(IsPromotion(Position(fen), Sq(from), Sq(to)), promotion);
    }
};

QTEST_APPLESS_MAIN(TestExecution)
#include "tst_execution.moc"
