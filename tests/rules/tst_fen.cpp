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

        const QString start = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";
        Row("start position", start, start);
        Row("counters and castling rights are not kept",
            "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R b Kq - 12 40",
            "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R b KQkq - 0 1");
        Row("placement alone", "4k3/8/8/8/8/8/8/4K3", "4k3/8/8/8/8/8/8/4K3 w - - 0 1");
        Row("usable en-passant square", "4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1",
            "4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1");
        Row("en-passant square no capture can use", "4k3/8/8/8/3p4/8/8/4K3 w - d3 0 1",
            "4k3/8/8/8/3p4/8/8/4K3 w - - 0 1");
        Row("extra spaces", "  4k3/8/8/8/8/8/8/4K3   b  -  -  3  9 ",
            "4k3/8/8/8/8/8/8/4K3 b - - 0 1");
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
        QCOMPARE(QString::fromStdString(FenFromBoard(Position(written))), written);
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
        QVERIFY(Position("4k3/8/8/8/8/8/8/4K2r w").mbInCheck);
    }

    void namesWhatIsWrong_data()
    {
        QTest::addColumn<QString>("fen");
        QTest::addColumn<QString>("error");

        const QString kings = "4k3/8/8/8/8/8/8/4K3 ";
        Row("empty", "   ", "empty FEN");
        Row("rank too long", "8/8/8/8/8/p8/8/8 w", "rank 3 has 9 squares");
        Row("rank too short", "4k3/8/8/8/8/8/8/4K2 w", "rank 1 has 7 squares");
        Row("rank that overflows by a digit", "4k3/8/8/8/44p/8/8/4K3 w", "rank 4 has 9 squares");
        Row("seven ranks", "4k3/8/8/8/8/8/4K3 w", "placement has 7 ranks, not 8");
        Row("nine ranks", "4k3/8/8/8/8/8/8/8/4K3 w", "placement has more than 8 ranks");
        Row("unknown piece letter", "4k3/8/8/8/8/8/8/3xK3 w", "unknown piece letter 'x'");
        Row("knight as h", "4k3/8/8/8/8/8/8/3hK3 w", "unknown piece letter 'h'");
        Row("digit zero", "4k3/8/8/8/08/8/8/4K3 w", "unknown piece letter '0'");
        Row("side to move", kings + "x", "side to move must be w or b, not 'x'");
        Row("upper-case side to move", kings + "W", "side to move must be w or b, not 'W'");
        Row("castling field letters", kings + "w KX", "bad castling field 'KX'");
        Row("castling field twice", kings + "w KK", "bad castling field 'KK'");
        Row("en-passant rank 9", kings + "w - e9", "bad en-passant square 'e9'");
        Row("en-passant file i", kings + "w - i3", "bad en-passant square 'i3'");
        Row("halfmove clock", kings + "w - - x 1", "bad halfmove clock 'x'");
        Row("move number", kings + "w - - 0 -1", "bad move number '-1'");
        Row("seven fields", kings + "w - - 0 1 x", "more than 6 fields");
        Row("no pieces", "8/8/8/8/8/8/8/8 w", "no pieces");
        Row("33 pieces", "rnbqkbnr/pppppppp/8/8/8/7P/PPPPPPPP/RNBQKBNR w",
            "33 pieces, more than 32");
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
        Row("all four", "r3k2r/8/8/8/8/8/8/R3K2R w", "KQkq");
        Row("king off its square", "r3k2r/8/8/8/8/8/8/R2K3R w", "kq");
        Row("rook of the other colour in the corner", "r3k2R/8/8/8/8/8/8/R3K2r w", "Qq");
        Row("none", "4k3/8/8/8/8/8/8/4K3 w", "-");
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
