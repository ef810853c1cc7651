#include <QTest>

#include "RulesTestSupport.h"
#include "rules/MoveLegality.h"

using namespace corvalen;
using namespace corvalen::testing;

// Ordinary moves are left to the perft counts; these rows hold what perft never offers or meets.
class TestLegality : public QObject {
    Q_OBJECT

private slots:
    void judgesMoves_data()
    {
        QTest::addColumn<QString>("fen");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<bool>("legal");

        Row("pawn backwards", "4k3/8/8/8/8/4P3/8/4K3 w", "e3", "e2", false);
        Row("pawn a2 does not wrap to h4", "4k3/8/8/8/7n/8/P7/4K3 w", "a2", "h4", false);
        Row("pawn h2 does not wrap to a2", "4k3/8/8/8/8/8/n6P/4K3 w", "h2", "a2", false);
        Row("rook h3 does not wrap to a2", "4k3/8/8/8/8/7R/8/4K3 w", "h3", "a2", false);
        Row("knight g8 does not wrap to a8", "6N1/8/8/8/8/8/8/k3K3 w", "g8", "a8", false);
        Row("knight b1 does not wrap to h3", "4k3/8/8/8/8/8/8/1N2K3 w", "b1", "h3", false);
        Row("bishop h1 to a8: 63 squares is 7 x 9", "4k3/8/8/8/8/8/8/K6B w", "h1", "a8", true);
        Row("bishop h8 does not wrap to a6", "7B/8/8/8/8/8/8/K3k3 w", "h8", "a6", false);
        Row("king h4 does not wrap to a3", "4k3/8/8/8/7K/8/8/8 w", "h4", "a3", false);

        // The en-passant square counts only on the right row with an opponent pawn behind it.
        Row("ep square on row 5 with White to move", "4k3/8/8/8/8/8/3pP3/K7 w - d3", "e2", "d3",
            false);
        Row("ep square on row 2 with Black to move", "k7/3Pp3/8/8/8/8/8/4K3 b - d6", "e7", "d6",
            false);
        Row("ep square with an own pawn behind", "4k3/8/8/2PP4/8/8/8/4K3 w - d6", "c5", "d6",
            false);
        Row("ep square with a knight behind", "4k3/8/8/2Pn4/8/8/8/4K3 w - d6", "c5", "d6", false);
        // The trial move takes the passed pawn off, and only for an en-passant capture.
        Row("white ep opens the row to the king", "8/8/8/K2pP2r/8/8/8/4k3 w - d6", "e5", "d6",
            false);
        Row("black ep opens the row to the king", "4K3/8/8/8/R2Pp2k/8/8/8 b - d3", "e4", "d3",
            false);
        Row("plain step takes no passed pawn", "8/8/8/K2pP2r/8/8/8/4k3 w - d6", "e5", "e6", true);

        Row("castling out of check", "4r1k1/8/8/8/8/8/8/R3K2R w", "e1", "g1", false);
        Row("castling queen side out of check", "4r1k1/8/8/8/8/8/8/R3K2R w", "e1", "c1", false);
        Row("castling through an attacked f1", "5rk1/8/8/8/8/8/8/R3K2R w", "e1", "g1", false);
        Row("castling onto an attacked g1", "6rk/8/8/8/8/8/8/R3K2R w", "e1", "g1", false);
        Row("castling through an attacked d1", "3r2k1/8/8/8/8/8/8/R3K2R w", "e1", "c1", false);
        Row("castling with b1 attacked", "1r4k1/8/8/8/8/8/8/R3K2R w", "e1", "c1", true);
        Row("castling past a piece on f1", "6k1/8/8/8/8/8/8/R3KB1R w", "e1", "g1", false);
        Row("castling past a piece on b1", "6k1/8/8/8/8/8/8/RN2K2R w", "e1", "c1", false);
        Row("castling past a piece on d1", "6k1/8/8/8/8/8/8/R2QK2R w", "e1", "c1", false);
        Row("castling with a bishop in the corner", "6k1/8/8/8/8/8/8/R3K2B w", "e1", "g1", false);
        Row("castling again after king and rook came back", "4k3/8/8/8/8/8/8/4K2R w - - 12 40",
            "e1", "g1", true);
        Row("white king on e8 never castles", "4K2R/8/8/8/8/8/8/4k3 w", "e8", "g8", false);

        Row("pinned rook along the pin line", "4k3/4r3/8/8/8/8/4R3/4K3 w", "e2", "e5", true);
        Row("pinned rook takes the pinner", "4k3/4r3/8/8/8/8/4R3/4K3 w", "e2", "e7", true);
        Row("pinned rook leaves the pin line", "4k3/4r3/8/8/8/8/4R3/4K3 w", "e2", "d2", false);
        Row("diagonally pinned knight", "4k3/8/8/b7/8/2N5/8/4K3 w", "c3", "d5", false);

        Row("origin equals destination", "4k3/8/8/8/8/8/8/R3K3 w", "a1", "a1", false);
        Row("origin off the board", "4k3/8/8/8/8/8/8/R3K3 w", "#-1", "a1", false);
        Row("destination off the board", "4k3/8/8/8/8/8/8/R3K2R w", "h1", "#64", false);
        Row("no king of the side to move", "4k3/8/8/8/8/8/8/R7 w", "a1", "a8", true);
    }

    void judgesMoves()
    {
        QFETCH(QString, fen);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(bool, legal);
        BoardState board = Position(fen);
        const BoardState before = board;
        QCOMPARE(IsValidMove(board, Sq(from), Sq(to)), legal);
        QVERIFY(board == before);
    }

    void smallerQuestions()
    {
        BoardState board = Position("4k3/8/8/8/8/8/8/r3K3 w");
        const BoardState before = board;
        QVERIFY(LeavesKingInCheck(board, Sq("e1"), Sq("e1")));
        QVERIFY(LeavesKingInCheck(board, Sq("f1"), Sq("e1")));
        QVERIFY(!LeavesKingInCheck(board, Sq("e2"), Sq("e1")));
        QVERIFY(board == before);

        QCOMPARE(FindKing(Position("4k3/8/8/8/8/8/8/4R3 w")), NoSquare);
        QCOMPARE(FindKing(Position("4k3/8/8/8/2K5/8/8/4K3 w")), Sq("c4"));

        const BoardState start = Position("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b");
        const std::array<std::string, 8> rows = DumpBoard(start);
        QCOMPARE(rows[0], std::string("rhbqkbhr"));
        QCOMPARE(rows[4], std::string("....P..."));
        QCOMPARE(rows[7], std::string("RHBQKBHR"));
    }
};

QTEST_APPLESS_MAIN(TestLegality)
#include "tst_legality.moc"
