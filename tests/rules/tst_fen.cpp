#include <QTest>

#include "RulesTestSupport.h"

using namespace corvalen;
using namespace corvalen::testing;

class TestFen : public QObject {
    Q_OBJECT

private slots:
    void writesWhatItReads_data()
    {
        QTest::addColumn<QString>("fen");
        QTest::addColumn<QString>("written");

        QTest::newRow("start position")
            << "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1"
            << "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";
        QTest::newRow("counters and castling rights are not kept")
            << "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R b Kq - 12 40"
            << "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R b KQkq - 0 1";
        QTest::newRow("placement alone") << "4k3/8/8/8/8/8/8/4K3"
                                         << "4k3/8/8/8/8/8/8/4K3 w - - 0 1";
        QTest::newRow("usable en-passant square") << "4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1"
                                                  << "4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1";
        QTest::newRow("black en-passant square") << "4k3/8/8/8/3pP3/8/8/4K3 b - e3 0 1"
                                                 << "4k3/8/8/8/3pP3/8/8/4K3 b - e3 0 1";
        QTest::newRow("en-passant square no capture can count on")
            << "4k3/8/8/8/3p4/8/8/4K3 w - d3 0 1"
            << "4k3/8/8/8/3p4/8/8/4K3 w - - 0 1";
        QTest::newRow("extra spaces") << "  4k3/8/8/8/8/8/8/4K3   b  -  -  3  9 "
                                      << "4k3/8/8/8/8/8/8/4K3 b - - 0 1";
        QTest::newRow("queen-side rooks only") << "r3k3/8/8/8/8/8/8/R3K3 w"
                                               << "r3k3/8/8/8/8/8/8/R3K3 w Qq - 0 1";
        QTest::newRow("32 pieces, all kinds") << "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR b"
                                              << "rnbqkbnr/pppppppp/8/8/8/8/"
                                                 "PPPPPPPP/RNBQKBNR b KQkq - 0 1";
    }

    void writesWhatItReads()
    {
        QFETCH(QString, fen);
        QFETCH(QString, written);
        std::string error;
        const std::optional<BoardState> board = BoardFromFen(fen.toStdString(), error);
        QVERIFY2(board.has_value(), error.c_str());
        QVERIFY(error.empty());
        QCOMPARE(QString::fromStdString(FenFromBoard(*board)), written);
        std::string again;
        QCOMPARE(QString::fromStdString(FenFromBoard(*BoardFromFen(written.toStdString(), again))),
            written);
    }

    void readsTheBoard()
    {
        std::string error;
        std::string castling;
        const std::optional<BoardState> board
            = BoardFromFen("4k3/8/8/8/8/8/8/4K2R b Kq e3 0 1", error, &castling);
        QVERIFY(board.has_value());
        QCOMPARE(board->Piece(Sq("h1")), Rook);
        QCOMPARE(board->Colour(Sq("h1")), White);
        QCOMPARE(board->Piece(Sq("e8")), King);
        QCOMPARE(board->Colour(Sq("e8")), Black);
        QVERIFY(board->IsEmpty(Sq("a1")));
        QCOMPARE(board->giToMove, Black);
        QCOMPARE(board->miEnPassant, Sq("e3"));
        QCOMPARE(castling, std::string("Kq"));
        QVERIFY(!board->mbInCheck);
        QVERIFY(BoardFromFen("4k3/8/8/8/8/8/8/4K2r w", error)->mbInCheck);
    }

    void namesWhatIsWrong_data()
    {
        QTest::addColumn<QString>("fen");
        QTest::addColumn<QString>("error");

        QTest::newRow("empty") << "   "
                               << "empty FEN";
        QTest::newRow("rank too long") << "8/8/8/8/8/p8/8/8 w"
                                       << "rank 3 has 9 squares";
        QTest::newRow("rank too short") << "4k3/8/8/8/8/8/8/4K2 w"
                                        << "rank 1 has 7 squares";
        QTest::newRow("rank that overflows by a digit") << "4k3/8/8/8/44p/8/8/4K3 w"
                                                        << "rank 4 has 9 squares";
        QTest::newRow("seven ranks") << "4k3/8/8/8/8/8/4K3 w"
                                     << "placement has 7 ranks, not 8";
        QTest::newRow("nine ranks") << "4k3/8/8/8/8/8/8/8/4K3 w"
                                    << "placement has more than 8 ranks";
        QTest::newRow("unknown piece letter") << "4k3/8/8/8/8/8/8/3xK3 w"
                                              << "unknown piece letter 'x'";
        QTest::newRow("knight as h") << "4k3/8/8/8/8/8/8/3hK3 w"
                                     << "unknown piece letter 'h'";
        QTest::newRow("digit zero") << "4k3/8/8/8/08/8/8/4K3 w"
                                    << "unknown piece letter '0'";
        QTest::newRow("side to move") << "4k3/8/8/8/8/8/8/4K3 x"
                                      << "side to move must be w or b, not 'x'";
        QTest::newRow("upper-case side to move") << "4k3/8/8/8/8/8/8/4K3 W"
                                                 << "side to move must be w or b, not 'W'";
        QTest::newRow("castling field letters") << "4k3/8/8/8/8/8/8/4K3 w KX"
                                                << "bad castling field 'KX'";
        QTest::newRow("castling field twice") << "4k3/8/8/8/8/8/8/4K3 w KK"
                                              << "bad castling field 'KK'";
        QTest::newRow("en-passant rank 9") << "4k3/8/8/8/8/8/8/4K3 w - e9"
                                           << "bad en-passant square 'e9'";
        QTest::newRow("en-passant file i") << "4k3/8/8/8/8/8/8/4K3 w - i3"
                                           << "bad en-passant square 'i3'";
        QTest::newRow("halfmove clock") << "4k3/8/8/8/8/8/8/4K3 w - - x 1"
                                        << "bad halfmove clock 'x'";
        QTest::newRow("move number") << "4k3/8/8/8/8/8/8/4K3 w - - 0 -1"
                                     << "bad move number '-1'";
        QTest::newRow("seven fields") << "4k3/8/8/8/8/8/8/4K3 w - - 0 1 x"
                                      << "more than 6 fields";
        QTest::newRow("no pieces") << "8/8/8/8/8/8/8/8 w"
                                   << "no pieces";
        QTest::newRow("33 pieces") << "rnbqkbnr/pppppppp/8/8/8/7P/PPPPPPPP/RNBQKBNR w"
                                   << "33 pieces, more than 32";
    }

    void namesWhatIsWrong()
    {
        QFETCH(QString, fen);
        QFETCH(QString, error);
        std::string reason;
        QVERIFY(!BoardFromFen(fen.toStdString(), reason).has_value());
        QCOMPARE(QString::fromStdString(reason), error);
    }

    void castlingFromPlacement_data()
    {
        QTest::addColumn<QString>("fen");
        QTest::addColumn<QString>("castling");
        QTest::newRow("all four") << "r3k2r/8/8/8/8/8/8/R3K2R w"
                                  << "KQkq";
        QTest::newRow("king off its square") << "r3k2r/8/8/8/8/8/8/R2K3R w"
                                             << "kq";
        QTest::newRow("rook of the other colour in the corner") << "r3k2R/8/8/8/8/8/8/R3K2r w"
                                                                << "Qq";
        QTest::newRow("none") << "4k3/8/8/8/8/8/8/4K3 w"
                              << "-";
    }

    void castlingFromPlacement()
    {
        QFETCH(QString, fen);
        QFETCH(QString, castling);
        QCOMPARE(QString::fromStdString(CastlingFromPlacement(Position(fen))), castling);
    }
};

QTEST_APPLESS_MAIN(TestFen)
#include "tst_fen.moc"
