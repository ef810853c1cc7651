#include <QTest>

#include "RulesTestSupport.h"
#include "rules/Attack.h"
#include "rules/MoveLegality.h"

using namespace corvalen;
using namespace corvalen::testing;

namespace {

// Row/column reasoning only, no square offsets: an independent account of what attacks.
bool ReferenceAttacked(const BoardState &board, int16_t square)
{
    const int row = RowOf(square);
    const int column = ColumnOf(square);
    for (int16_t from = 0; from < 64; ++from) {
        if (board.IsEmpty(from) || board.Colour(from) == board.giToMove || from == square)
            continue;
        const int dr = row - RowOf(from);
        const int dc = column - ColumnOf(from);
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
        const bool straight = (dr == 0 || dc == 0) && clear();
        const bool diagonal = ar == ac && clear();
        switch (board.Piece(from)) {
        case Pawn:
            if (ac == 1 && dr == (board.Colour(from) == White ? -1 : 1))
                return true;
            break;
        case Rook:
            if (straight)
                return true;
            break;
        case Knight:
            if (ar * ac == 2)
                return true;
            break;
        case Bishop:
            if (diagonal)
                return true;
            break;
        case Queen:
            if (straight || diagonal)
                return true;
            break;
        case King:
            if (ar <= 1 && ac <= 1)
                return true;
            break;
        }
    }
    return false;
}

void CompareEverywhere(const BoardState &board, const QString &label)
{
    for (int16_t square = 0; square < 64; ++square)
        QVERIFY2(IsSquareAttacked(square, board) == ReferenceAttacked(board, square),
            qPrintable(label + ", square " + SquareName(square)));
}

} // namespace

class TestAttack : public QObject {
    Q_OBJECT

private slots:
    // A few fixed answers, so that the reference cannot be wrong in the same way.
    void findsAttackers_data()
    {
        QTest::addColumn<QString>("fen");
        QTest::addColumn<QString>("square");
        QTest::addColumn<bool>("attacked");
        Row("no square", "7k/8/8/8/8/8/8/r6K w", "-", false);
        Row("black pawn attacks downwards", "8/8/8/3p4/8/8/8/K7 w", "e4", true);
        Row("black pawn not upwards", "8/8/8/8/8/3p4/8/K7 w", "e4", false);
        Row("white pawn attacks upwards", "8/8/8/8/8/3P4/8/k7 b", "e4", true);
        Row("white pawn not downwards", "8/8/8/3P4/8/8/8/k7 b", "e4", false);
        Row("the side to move decides who attacks", "8/8/8/3p4/8/8/8/K7 b", "e4", false);
        Row("enemy knight blocks an enemy rook", "3r4/8/8/3n4/8/8/8/K7 w", "d1", false);
        Row("queen in the corner reaches the far corner", "7q/8/8/8/8/8/8/K7 w", "a1", true);
    }

    void findsAttackers()
    {
        QFETCH(QString, fen);
        QFETCH(QString, square);
        QFETCH(bool, attacked);
        QCOMPARE(IsSquareAttacked(Sq(square), Position(fen)), attacked);
    }

    void agreesWithReferenceInBusyPositions_data()
    {
        QTest::addColumn<QString>("fen");
        const QString middle = "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R ";
        const QString edges = "n6b/p6r/8/q6k/K6Q/8/P6p/B6N ";
        Row("middle game, white to move", middle + "w");
        Row("middle game, black to move", middle + "b");
        Row("pieces on the edges, white to move", edges + "w");
        Row("pieces on the edges, black to move", edges + "b");
    }

    void agreesWithReferenceInBusyPositions()
    {
        QFETCH(QString, fen);
        CompareEverywhere(Position(fen), fen);
    }

    // Every kind of piece of either colour alone on every square: no ray or jump may wrap.
    void agreesWithReferenceForLonePieces()
    {
        for (int16_t piece = Pawn; piece <= King; ++piece)
            for (int16_t colour = White; colour <= Black; ++colour)
                for (int16_t square = 0; square < 64; ++square) {
                    BoardState board;
                    board.giToMove = Opponent(colour);
                    board.PutPiece(square, piece, colour);
                    CompareEverywhere(board,
                        QString("%1 alone on %2")
                            .arg(PieceLetter(board, square))
                            .arg(SquareName(square)));
                    if (QTest::currentTestFailed())
                        return;
                }
    }
};

QTEST_APPLESS_MAIN(TestAttack)
#include "tst_attack.moc"
