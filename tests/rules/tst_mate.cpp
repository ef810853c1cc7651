#include <QTest>

#include "RulesTestSupport.h"
#include "rules/MateTest.h"

using namespace corvalen;
using namespace corvalen::testing;

namespace {

QString MoveList(const std::vector<Move> &moves)
{
    QStringList names;
    for (const Move &move : moves)
        names << SquareName(move.from) + SquareName(move.to);
    return names.join(' ');
}

} // namespace

class TestMate : public QObject {
    Q_OBJECT

private slots:
    void judgesTheEnd_data()
    {
        QTest::addColumn<QString>("fen");
        QTest::addColumn<bool>("mate");
        QTest::addColumn<bool>("stalemate");

        Row("start position", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w", false, false);
        Row("back-rank mate", "R5k1/5ppp/8/8/8/8/8/6K1 b", true, false);
        Row("back-rank check, a rook steps between", "R5k1/5ppp/8/8/8/8/8/3r2K1 b", false, false);
        Row("smothered mate", "6rk/5Npp/8/8/8/8/8/6K1 b", true, false);
        Row("double check, one checker could be taken", "R6k/6pp/6N1/8/8/8/8/6K1 b", true, false);
        Row("single check, the pawn takes", "r6k/6pp/6N1/8/8/8/8/6K1 b", false, false);
        Row("en passant the only escape", "7k/8/p7/PpP5/K7/PP6/8/4b3 w - b6", false, false);
        Row("same without the en-passant square", "7k/8/p7/PpP5/K7/PP6/8/4b3 w - -", true, false);
        Row("king on column 0, free squares on column 7", "rr2k3/8/8/8/K7/8/8/8 w", true, false);
        Row("king on column 7, free squares on column 0", "8/8/8/7k/8/8/8/4K1RR b", true, false);
        Row("stalemate in the corner", "7k/8/6Q1/8/8/8/8/6K1 b", false, true);
        Row("stalemate with a pinned knight", "rr6/8/8/8/8/8/N7/K6k w", false, true);
        Row("no king and no pieces of the side to move", "4k3/8/8/8/8/8/8/8 w", false, true);
    }

    void judgesTheEnd()
    {
        QFETCH(QString, fen);
        QFETCH(bool, mate);
        QFETCH(bool, stalemate);
        BoardState board = Position(fen);
        const BoardState before = board;
        QCOMPARE(IsCheckmate(board), mate);
        QCOMPARE(IsStalemate(board), stalemate);
        QCOMPARE(HasLegalMove(board), !mate && !stalemate);
        QVERIFY(board == before);
    }

    // The mate question answers only for a side found in check.
    void mateNeedsTheCheckFlag()
    {
        BoardState board = Position("R5k1/5ppp/8/8/8/8/8/6K1 b");
        QVERIFY(board.mbInCheck);
        board.mbInCheck = false;
        QVERIFY(!IsCheckmate(board));
        BoardState stalemated = Position("7k/8/6Q1/8/8/8/8/6K1 b");
        stalemated.mbInCheck = true;
        QVERIFY(IsCheckmate(stalemated));
        QVERIFY(IsStalemate(stalemated));
    }

    void listsLegalMoves_data()
    {
        QTest::addColumn<QString>("fen");
        QTest::addColumn<QString>("moves"); // by origin, then destination square number

        Row("en passant the only escape", "7k/8/p7/PpP5/K7/PP6/8/4b3 w - b6", "a5b6 c5b6");
        Row("castling among four moves", "4k3/8/8/8/8/1b5p/r6P/4K2R w", "e1f1 e1g1 h1f1 h1g1");
        Row("promotion appears once", "8/4P3/8/8/8/8/k7/4K3 w", "e7e8 e1d2 e1e2 e1f2 e1d1 e1f1");
        Row("mate: no moves", "R5k1/5ppp/8/8/8/8/8/6K1 b", "");
    }

    void listsLegalMoves()
    {
        QFETCH(QString, fen);
        QFETCH(QString, moves);
        BoardState board = Position(fen);
        const BoardState before = board;
        QCOMPARE(MoveList(LegalMoves(board)), moves);
        QVERIFY(board == before);
    }
};

QTEST_APPLESS_MAIN(TestMate)
#include "tst_mate.moc"
