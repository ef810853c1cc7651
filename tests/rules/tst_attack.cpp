#include <QTest>

#include "RulesTestSupport.h"
#include "rules/Attack.h"

using namespace corvalen;
using namespace corvalen::testing;

class TestAttack : public QObject {
    Q_OBJECT

private slots:
    void findsAttackers_data()
    {
        QTest::addColumn<QString>("fen");
        QTest::addColumn<QString>("square");
        QTest::addColumn<bool>("attacked");

        QTest::newRow("no square") << "7k/8/8/8/8/8/8/r6K w"
                                   << "-" << false;
        QTest::newRow("only pieces of the side to move") << "RNBQKBNR/8/8/8/8/8/8/8 w"
                                                         << "b7" << false;
        QTest::newRow("the piece on the square itself plays no part") << "8/8/8/8/3q4/8/8/K7 w"
                                                                      << "d4" << false;

        QTest::newRow("rook along the column") << "3r4/8/8/8/8/8/8/K7 w"
                                               << "d1" << true;
        QTest::newRow("rook along the row") << "8/8/8/r7/8/8/8/K7 w"
                                            << "h5" << true;
        QTest::newRow("rook not along a diagonal") << "8/8/8/3r4/8/8/8/K7 w"
                                                   << "e4" << false;
        QTest::newRow("bishop along a diagonal") << "b7/8/8/8/8/8/8/K7 w"
                                                 << "h1" << true;
        QTest::newRow("bishop not along the row") << "8/8/8/3b4/8/8/8/K7 w"
                                                  << "h5" << false;
        QTest::newRow("queen along the row") << "8/8/8/q7/8/8/8/K7 w"
                                             << "h5" << true;
        QTest::newRow("queen along the column") << "8/8/8/q7/8/8/8/7K w"
                                                << "a1" << true;
        QTest::newRow("queen along a diagonal") << "8/8/8/3q4/8/8/8/K7 w"
                                                << "h1" << true;
        QTest::newRow("queen not a knight jump away") << "8/8/8/3q4/8/8/8/K7 w"
                                                      << "e3" << false;
        QTest::newRow("knight jump") << "8/8/8/3n4/8/8/8/K7 w"
                                     << "e3" << true;
        QTest::newRow("knight of the side to move") << "8/8/8/3N4/8/8/8/k7 w"
                                                    << "e3" << false;

        QTest::newRow("own piece blocks a rook") << "3r4/8/8/3P4/8/8/8/K7 w"
                                                 << "d1" << false;
        QTest::newRow("own piece blocks a bishop") << "b7/8/8/3P4/8/8/8/K7 w"
                                                   << "h1" << false;
        QTest::newRow("enemy knight blocks an enemy rook") << "3r4/8/8/3n4/8/8/8/K7 w"
                                                           << "d1" << false;
        QTest::newRow("enemy pawn blocks an enemy queen on a diagonal") << "q7/8/2p5/8/8/8/8/K6k w"
                                                                        << "h1" << false;

        QTest::newRow("enemy king on each side: above") << "8/8/3k4/8/8/8/8/K7 w"
                                                        << "d5" << true;
        QTest::newRow("enemy king: below") << "8/8/8/8/3k4/8/8/K7 w"
                                           << "d5" << true;
        QTest::newRow("enemy king: left") << "8/8/8/2k5/8/8/8/K7 w"
                                          << "d5" << true;
        QTest::newRow("enemy king: right") << "8/8/8/4k3/8/8/8/K7 w"
                                           << "d5" << true;
        QTest::newRow("enemy king: up-left") << "8/8/2k5/8/8/8/8/K7 w"
                                             << "d5" << true;
        QTest::newRow("enemy king: up-right") << "8/8/4k3/8/8/8/8/K7 w"
                                              << "d5" << true;
        QTest::newRow("enemy king: down-left") << "8/8/8/8/2k5/8/8/K7 w"
                                               << "d5" << true;
        QTest::newRow("enemy king: down-right") << "8/8/8/8/4k3/8/8/K7 w"
                                                << "d5" << true;
        QTest::newRow("enemy king two squares away") << "8/8/8/8/8/3k4/8/K7 w"
                                                     << "d5" << false;
        QTest::newRow("enemy king two diagonal squares away") << "8/8/8/8/8/5k2/8/K7 w"
                                                              << "d5" << false;

        QTest::newRow("white to move: black pawn up-left attacks") << "8/8/8/3p4/8/8/8/K7 w"
                                                                   << "e4" << true;
        QTest::newRow("white to move: black pawn up-right attacks") << "8/8/8/5p2/8/8/8/K7 w"
                                                                    << "e4" << true;
        QTest::newRow("white to move: black pawn straight ahead does not") << "8/8/8/4p3/8/8/8/K7 w"
                                                                           << "e4" << false;
        QTest::newRow("white to move: black pawn down-left does not") << "8/8/8/8/8/3p4/8/K7 w"
                                                                      << "e4" << false;
        QTest::newRow("white to move: black pawn down-right does not") << "8/8/8/8/8/5p2/8/K7 w"
                                                                       << "e4" << false;
        QTest::newRow("white to move: black pawn two diagonal steps away does not")
            << "8/8/2p5/8/8/8/8/K7 w"
            << "e4" << false;
        QTest::newRow("black to move: white pawn down-left attacks") << "8/8/8/8/8/3P4/8/k7 b"
                                                                     << "e4" << true;
        QTest::newRow("black to move: white pawn down-right attacks") << "8/8/8/8/8/5P2/8/k7 b"
                                                                      << "e4" << true;
        QTest::newRow("black to move: white pawn up-left does not") << "8/8/8/3P4/8/8/8/k7 b"
                                                                    << "e4" << false;
        QTest::newRow("black to move: white pawn below does not") << "8/8/8/8/8/4P3/8/k7 b"
                                                                  << "e4" << false;
        QTest::newRow("the side to move decides who attacks") << "8/8/8/3p4/8/8/8/K7 b"
                                                              << "e4" << false;

        QTest::newRow("rook h8 does not wrap to a7") << "7r/8/8/8/8/8/8/K7 w"
                                                     << "a7" << false;
        QTest::newRow("rook a7 does not wrap to h8") << "8/r7/8/8/8/8/8/K7 w"
                                                     << "h8" << false;
        QTest::newRow("bishop h8 does not wrap to a6") << "7b/8/8/8/8/8/8/K7 w"
                                                       << "a6" << false;
        QTest::newRow("bishop h8 reaches g7") << "7b/8/8/8/8/8/8/K7 w"
                                              << "g7" << true;
        QTest::newRow("bishop a6 does not wrap to h8") << "8/8/b7/8/8/8/8/K7 w"
                                                       << "h8" << false;
        QTest::newRow("bishop h3 does not wrap to a5 or beyond") << "8/8/8/8/8/7b/8/K7 w"
                                                                 << "a4" << false;
        QTest::newRow("queen a3 does not wrap to h5 diagonally") << "8/8/8/8/8/q7/8/7K w"
                                                                 << "h5" << false;
        QTest::newRow("knight b8 does not wrap to h8") << "1n6/8/8/8/8/8/8/K7 w"
                                                       << "h8" << false;
        QTest::newRow("knight a6 does not wrap to g8") << "8/8/n7/8/8/8/8/K7 w"
                                                       << "g8" << false;
        QTest::newRow("knight h6 does not wrap to a7") << "8/8/7n/8/8/8/8/K7 w"
                                                       << "a7" << false;
        QTest::newRow("knight h6 reaches g8") << "8/8/7n/8/8/8/8/K7 w"
                                              << "g8" << true;
        QTest::newRow("knight g1 does not wrap to a2") << "8/8/8/8/8/8/8/K5n1 w"
                                                       << "a2" << false;
        QTest::newRow("king h5 does not wrap to a4") << "8/8/8/7k/8/8/8/K7 w"
                                                     << "a4" << false;
        QTest::newRow("pawn h7 does not wrap to a5") << "8/7p/8/8/8/8/8/K7 w"
                                                     << "a5" << false;
        QTest::newRow("pawn a6 does not wrap to h6 row") << "8/8/p7/8/8/8/8/K7 w"
                                                         << "h6" << false;
        QTest::newRow("queen in the corner attacks the far corner") << "7q/8/8/8/8/8/8/K7 w"
                                                                    << "a1" << true;
    }

    void findsAttackers()
    {
        QFETCH(QString, fen);
        QFETCH(QString, square);
        QFETCH(bool, attacked);
        const BoardState board = Position(fen);
        QCOMPARE(IsSquareAttacked(Sq(square), board), attacked);
    }

    // Against a plain reference over every square of a busy position, both sides to move.
    void agreesWithReferenceEverywhere_data()
    {
        QTest::addColumn<QString>("fen");
        QTest::newRow("middle game, white to move")
            << "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w";
        QTest::newRow("middle game, black to move")
            << "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R b";
        QTest::newRow("pieces on the edges, white to move") << "n6b/p6r/8/q6k/K6Q/8/P6p/B6N w";
        QTest::newRow("pieces on the edges, black to move") << "n6b/p6r/8/q6k/K6Q/8/P6p/B6N b";
    }

    void agreesWithReferenceEverywhere()
    {
        QFETCH(QString, fen);
        const BoardState board = Position(fen);
        for (int16_t square = 0; square < 64; ++square)
            QVERIFY2(IsSquareAttacked(square, board) == ReferenceAttacked(board, square),
                qPrintable(SquareName(square)));
    }

private:
    // Row/column reasoning only, no square offsets: an independent account of what attacks.
    static bool ReferenceAttacked(const BoardState &board, int16_t square)
    {
        const int row = RowOf(square);
        const int column = ColumnOf(square);
        for (int16_t from = 0; from < 64; ++from) {
            if (board.IsEmpty(from) || board.Colour(from) == board.giToMove)
                continue;
            const int dr = row - RowOf(from);
            const int dc = column - ColumnOf(from);
            if (dr == 0 && dc == 0)
                continue;
            const int ar = std::abs(dr);
            const int ac = std::abs(dc);
            auto clear = [&] {
                const int sr = (dr > 0) - (dr < 0);
                const int sc = (dc > 0) - (dc < 0);
                for (int r = RowOf(from) + sr, c = ColumnOf(from) + sc; r != row || c != column;
                     r += sr, c += sc)
                    if (!board.IsEmpty(SquareAt(r, c)))
                        return false;
                return true;
            };
            bool hits = false;
            switch (board.Piece(from)) {
            case Pawn:
                hits = ac == 1 && dr == (board.Colour(from) == White ? -1 : 1);
                break;
            case Rook:
                hits = (dr == 0 || dc == 0) && clear();
                break;
            case Knight:
                hits = (ar == 1 && ac == 2) || (ar == 2 && ac == 1);
                break;
            case Bishop:
                hits = ar == ac && clear();
                break;
            case Queen:
                hits = (dr == 0 || dc == 0 || ar == ac) && clear();
                break;
            case King:
                hits = ar <= 1 && ac <= 1;
                break;
            }
            if (hits)
                return true;
        }
        return false;
    }
};

QTEST_APPLESS_MAIN(TestAttack)
#include "tst_attack.moc"
