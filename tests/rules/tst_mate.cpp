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

        QTest::newRow("start position")
            << "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w" << false << false;
        QTest::newRow("back-rank mate") << "R5k1/5ppp/8/8/8/8/8/6K1 b" << true << false;
        QTest::newRow("back-rank check, own rook takes the attacker")
            << "R5k1/5ppp/8/8/8/8/8/r5K1 b" << false << false;
        QTest::newRow("back-rank check, a rook steps between")
            << "R5k1/5ppp/8/8/8/8/8/3r2K1 b" << false << false;
        QTest::newRow("back-rank check, a pawn makes room")
            << "R5k1/5pp1/8/8/8/8/8/6K1 b" << false << false;
        QTest::newRow("smothered knight mate") << "6rk/5Npp/8/8/8/8/8/6K1 b" << true << false;
        QTest::newRow("knight check with one free square")
            << "6rk/5Np1/8/8/8/8/8/6K1 b" << false << false;
        QTest::newRow("double check, one checker can be taken")
            << "R6k/6pp/6N1/8/8/8/8/6K1 b" << true << false;
        QTest::newRow("single knight check, the pawn takes it")
            << "r6k/6pp/6N1/8/8/8/8/6K1 b" << false << false;
        QTest::newRow("check by a double-stepped pawn, en passant the only escape")
            << "7k/8/p7/PpP5/K7/PP6/8/4b3 w - b6" << false << false;
        QTest::newRow("same position without the en-passant square")
            << "7k/8/p7/PpP5/K7/PP6/8/4b3 w - -" << true << false;
        QTest::newRow("king on column 0, free squares on column 7")
            << "rr2k3/8/8/8/K7/8/8/8 w" << true << false;
        QTest::newRow("black king on column 7, free squares on column 0")
            << "8/8/8/7k/8/8/8/4K1RR b" << true << false;
        QTest::newRow("queen mate in the corner") << "7k/6Q1/6K1/8/8/8/8/8 b" << true << false;
        QTest::newRow("stalemate in the corner") << "7k/8/6Q1/8/8/8/8/6K1 b" << false << true;
        QTest::newRow("stalemate with a blocked pawn") << "k7/P7/1K6/8/8/8/8/8 b" << false << true;
        QTest::newRow("stalemate with a pinned knight")
            << "rr6/8/8/8/8/8/N7/K6k w" << false << true;
        QTest::newRow("no king of the side to move, no pieces to move")
            << "4k3/8/8/8/8/8/8/8 w" << false << true;
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

    // The mate question keeps its old meaning: it answers only for a side found in check.
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
        QTest::addColumn<QString>("moves");

        QTest::newRow("en passant the only escape") << "7k/8/p7/PpP5/K7/PP6/8/4b3 w - b6"
                                                    << "a5b6 c5b6";
        QTest::newRow("castling both ways, king and rook moves")
            << "4k3/8/8/8/8/8/PPPPPPPP/R3K2R w"
            << "a1b1 a1c1 a1d1 a2a3 a2a4 b2b3 b2b4 c2c3 c2c4 d2d3 d2d4 e2e3 e2e4 f2f3 f2f4 g2g3 "
               "g2g4 h2h3 h2h4 e1c1 e1d1 e1f1 e1g1 h1f1 h1g1";
        QTest::newRow("black castles, white pieces elsewhere")
            << "r3k2r/pppppppp/8/8/8/8/8/4K3 b"
            << "a8b8 a8c8 a8d8 e8c8 e8d8 e8f8 e8g8 h8f8 h8g8 a7a6 a7a5 b7b6 b7b5 c7c6 c7c5 d7d6 "
               "d7d5 e7e6 e7e5 f7f6 f7f5 g7g6 g7g5 h7h6 h7h5";
        QTest::newRow("castling among four moves") << "4k3/8/8/8/8/1b5p/r6P/4K2R w"
                                                   << "e1f1 e1g1 h1f1 h1g1";
        QTest::newRow("promotion appears once") << "8/4P3/8/8/8/8/k7/4K3 w"
                                                << "e1d1 e1d2 e1e2 e1f1 e1f2 e7e8";
        QTest::newRow("mate: no moves") << "R5k1/5ppp/8/8/8/8/8/6K1 b"
                                        << "";
    }

    void listsLegalMoves()
    {
        QFETCH(QString, fen);
        QFETCH(QString, moves);
        BoardState board = Position(fen);
        const BoardState before = board;
        QStringList expected = moves.split(' ', Qt::SkipEmptyParts);
        std::sort(expected.begin(), expected.end(), [](const QString &a, const QString &b) {
            const auto key
                = [](const QString &m) { return std::pair(Sq(m.left(2)), Sq(m.mid(2, 2))); };
            return key(a) < key(b);
        });
        QCOMPARE(MoveList(LegalMoves(board)), expected.join(' '));
        QVERIFY(board == before);
    }
};

QTEST_APPLESS_MAIN(TestMate)
#include "tst_mate.moc"
