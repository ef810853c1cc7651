#include <QTest>

#include "RecordScript.h"

using namespace corvalen;
using namespace corvalen::testing;

class TestSan : public QObject {
    Q_OBJECT

private slots:
    // Published games played by their SAN: each move must be the one legal move whose SAN the
    // writer gives exactly as printed, and the game must end in the published position.
    void writesPublishedSan_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("moves");
        QTest::addColumn<QString>("end"); // placement and side to move
        QTest::newRow("the Opera game")
            << StartFen << OperaGame << "1n1Rkb1r/p4ppp/4q3/4p1B1/4P3/8/PPP2PPP/2K5 b";
        QTest::newRow("Lasker trap, Albin counter-gambit")
            << StartFen
            << "d4 d5 c4 e5 dxe5 d4 e3 Bb4+ Bd2 dxe3 Bxb4 exf2+ Ke2 fxg1=N+ Ke1 Qh4+ Kd2 Nc6 Bc3 "
               "Bg4"
            << "r3k1nr/ppp2ppp/2n5/4P3/2P3bq/2B5/PP1K2PP/RN1Q1BnR w";
        QTest::newRow("en passant, castling on both sides") << "r3k2r/8/8/8/3p4/8/4P3/R3K2R_w"
                                                            << "e4 dxe3 O-O O-O-O"
                                                            << "2kr3r/8/8/8/8/4p3/8/R4RK1 w";
        QTest::newRow("rank, then square told apart") << "8/k7/8/1R6/4Q2Q/8/7K/1R5Q_w"
                                                      << "R1b3 Ka6 Qh4e1"
                                                      << "8/8/k7/1R6/4Q3/1R6/7K/4Q2Q b";
        QTest::newRow("promotion by capture that mates") << "r1k5/1P6/2K5/8/8/8/8/8_w"
                                                         << "bxa8=Q#"
                                                         << "Q1k5/8/2K5/8/8/8/8/8 b";
    }

    void writesPublishedSan()
    {
        QFETCH(QString, start);
        QFETCH(QString, moves);
        QFETCH(QString, end);
        BoardState board = FenBoard(start);
        for (const QString &san : moves.split(' ')) {
            std::vector<SanMove> matches;
            for (const SanMove &move : LegalSanMoves(board))
                if (move.san == san.toStdString())
                    matches.push_back(move);
            QVERIFY2(matches.size() == 1, qPrintable(san));
            const Move move = matches[0].move;
            QCOMPARE(MoveToSan(board, move, matches[0].promotionPiece), san.toStdString());
            CarryOutMove(board, move.from, move.to, matches[0].promotionPiece);
            board.giToMove = Opponent(board.giToMove);
        }
        QCOMPARE(QString::fromStdString(FenFromBoard(board)).section(' ', 0, 1), end);
    }
};

QTEST_GUILESS_MAIN(TestSan)
#include "tst_san.moc"
