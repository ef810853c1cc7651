#include <QTest>

#include "RulesTestSupport.h"
#include "rules/MateTest.h"
#include "rules/MoveExecution.h"

using namespace corvalen;
using namespace corvalen::testing;

namespace {

// Leaf count of the move tree, each promotion counted once per promotion piece. The board is
// copied per ply, so a move operation that disturbed the parent position shows as a wrong count.
quint64 Perft(const BoardState &board, int depth)
{
    BoardState probe = board;
    const std::vector<Move> moves = LegalMoves(probe);
    quint64 leaves = 0;
    for (const Move &move : moves) {
        const bool promotion = IsPromotion(board, move.from, move.to);
        if (depth == 1) {
            leaves += promotion ? 4 : 1;
            continue;
        }
        for (int16_t piece = promotion ? Rook : Queen; piece <= Queen; ++piece) {
            BoardState next = board;
            CarryOutMove(next, move.from, move.to, piece);
            next.giToMove = Opponent(next.giToMove);
            next.mbInCheck = false;
            leaves += Perft(next, depth - 1);
        }
    }
    return leaves;
}

} // namespace

class TestPerft : public QObject {
    Q_OBJECT

private slots:
    void countsLeaves_data()
    {
        QTest::addColumn<QString>("fen");
        QTest::addColumn<int>("depth");
        QTest::addColumn<quint64>("leaves");
        const QString start = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";
        const QString kiwipete
            = "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1";
        QTest::newRow("start, depth 1") << start << 1 << quint64(20);
        QTest::newRow("start, depth 2") << start << 2 << quint64(400);
        QTest::newRow("start, depth 3") << start << 3 << quint64(8902);
        QTest::newRow("start, depth 4") << start << 4 << quint64(197281);
        QTest::newRow("castling and en passant middle game, depth 1")
            << kiwipete << 1 << quint64(48);
        QTest::newRow("castling and en passant middle game, depth 2")
            << kiwipete << 2 << quint64(2039);
        QTest::newRow("castling and en passant middle game, depth 3")
            << kiwipete << 3 << quint64(97862);
    }

    void countsLeaves()
    {
        QFETCH(QString, fen);
        QFETCH(int, depth);
        QFETCH(quint64, leaves);
        QCOMPARE(Perft(Position(fen), depth), leaves);
    }
};

QTEST_APPLESS_MAIN(TestPerft)
#include "tst_perft.moc"
