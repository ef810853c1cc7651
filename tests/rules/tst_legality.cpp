#include <QTest>

#include "RulesTestSupport.h"
#include "rules/MoveLegality.h"

using namespace corvalen;
using namespace corvalen::testing;

class TestLegality : public QObject {
    Q_OBJECT

private slots:
    void judgesMoves_data()
    {
        QTest::addColumn<QString>("fen");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<bool>("legal");

        const QString pawns = "4k3/8/8/8/8/8/4P3/4K3 w";
        QTest::newRow("pawn single step") << pawns << "e2"
                                          << "e3" << true;
        QTest::newRow("pawn double step from the start row") << pawns << "e2"
                                                             << "e4" << true;
        QTest::newRow("pawn triple step") << pawns << "e2"
                                          << "e5" << false;
        QTest::newRow("pawn backwards") << "4k3/8/8/8/8/4P3/8/4K3 w"
                                        << "e3"
                                        << "e2" << false;
        QTest::newRow("pawn double step off the start row") << "4k3/8/8/8/8/4P3/8/4K3 w"
                                                            << "e3"
                                                            << "e5" << false;
        QTest::newRow("pawn double step over a piece") << "4k3/8/8/8/8/4n3/4P3/4K3 w"
                                                       << "e2"
                                                       << "e4" << false;
        QTest::newRow("pawn double step onto a piece") << "4k3/8/8/8/4n3/8/4P3/4K3 w"
                                                       << "e2"
                                                       << "e4" << false;
        QTest::newRow("pawn step onto an opponent piece") << "4k3/8/8/8/8/4n3/4P3/4K3 w"
                                                          << "e2"
                                                          << "e3" << false;
        QTest::newRow("pawn step onto an own piece") << "4k3/8/8/8/8/4N3/4P3/4K3 w"
                                                     << "e2"
                                                     << "e3" << false;
        QTest::newRow("pawn diagonal onto an empty square") << pawns << "e2"
                                                            << "d3" << false;
        QTest::newRow("pawn diagonal capture") << "4k3/8/8/8/8/3n4/4P3/4K3 w"
                                               << "e2"
                                               << "d3" << true;
        QTest::newRow("pawn diagonal onto an own piece") << "4k3/8/8/8/8/3N4/4P3/4K3 w"
                                                         << "e2"
                                                         << "d3" << false;
        QTest::newRow("black pawn moves down the board") << "4k3/3p4/8/8/8/8/8/4K3 b"
                                                         << "d7"
                                                         << "d5" << true;
        QTest::newRow("black pawn cannot move up the board") << "4k3/8/3p4/8/8/8/8/4K3 b"
                                                             << "d6"
                                                             << "d7" << false;
        QTest::newRow("pawn a2 does not capture across the edge onto h4")
            << "4k3/8/8/8/7n/8/P7/4K3 w"
            << "a2"
            << "h4" << false;
        QTest::newRow("pawn h2 does not capture across the edge onto a2")
            << "4k3/8/8/8/8/8/n6P/4K3 w"
            << "h2"
            << "a2" << false;
        QTest::newRow("pawn on the far row has no move") << "P3k3/8/8/8/8/8/8/4K3 w"
                                                         << "a8"
                                                         << "a7" << false;

        const QString enPassant = "4k3/8/8/2PpP3/8/8/8/4K3 w - d6";
        QTest::newRow("en passant from the right") << enPassant << "e5"
                                                   << "d6" << true;
        QTest::newRow("en passant from the left") << enPassant << "c5"
                                                  << "d6" << true;
        QTest::newRow("no en passant without the square") << "4k3/8/8/2PpP3/8/8/8/4K3 w - -"
                                                          << "e5"
                                                          << "d6" << false;
        QTest::newRow("black en passant") << "4k3/8/8/8/3pP3/8/8/4K3 b - e3"
                                          << "d4"
                                          << "e3" << true;
        QTest::newRow("en-passant square on White's side with White to move")
            << "4k3/8/8/8/3n4/8/4P3/4K3 w - d3"
            << "e2"
            << "d3" << false;
        QTest::newRow("en-passant square with no pawn behind it") << "4k3/8/8/2P5/8/8/8/4K3 w - d6"
                                                                  << "c5"
                                                                  << "d6" << false;
        QTest::newRow("en-passant square with an own pawn behind it")
            << "4k3/8/8/2PP4/8/8/8/4K3 w - d6"
            << "c5"
            << "d6" << false;
        QTest::newRow("en-passant square with a knight behind it")
            << "4k3/8/8/2Pn4/8/8/8/4K3 w - d6"
            << "c5"
            << "d6" << false;
        QTest::newRow("en-passant square on Black's side with Black to move")
            << "4k3/4p3/8/3N4/8/8/8/4K3 b - d6"
            << "e7"
            << "d6" << false;
        QTest::newRow("en-passant square holding an opponent piece is a plain capture")
            << "4k3/8/3n4/2Pp4/8/8/8/4K3 w - d6"
            << "c5"
            << "d6" << true;
        QTest::newRow("en passant exposing the own king along the row")
            << "8/8/8/K2pP2r/8/8/8/4k3 w - d6"
            << "e5"
            << "d6" << false;
        QTest::newRow("plain step beside the same pawn keeps the row closed")
            << "8/8/8/K2pP2r/8/8/8/4k3 w - d6"
            << "e5"
            << "e6" << true;
        QTest::newRow("en passant taking the checking pawn") << "7k/8/8/3pP3/4K3/8/8/8 w - d6"
                                                             << "e5"
                                                             << "d6" << true;
        QTest::newRow("black en passant exposing the own king along the row")
            << "4K3/8/8/8/R2Pp2k/8/8/8 b - d3"
            << "e4"
            << "d3" << false;

        QTest::newRow("rook blocked on the row") << "4k3/8/8/8/8/8/8/RN2K3 w"
                                                 << "a1"
                                                 << "c1" << false;
        QTest::newRow("rook along a clear column") << "4k3/8/8/8/8/8/8/R3K3 w"
                                                   << "a1"
                                                   << "a8" << true;
        QTest::newRow("rook blocked on the column") << "4k3/8/8/8/p7/8/8/R3K3 w"
                                                    << "a1"
                                                    << "a8" << false;
        QTest::newRow("rook captures the first piece on its column") << "4k3/8/8/8/p7/8/8/R3K3 w"
                                                                     << "a1"
                                                                     << "a4" << true;
        QTest::newRow("rook h3 does not wrap to a2") << "4k3/8/8/8/8/7R/8/4K3 w"
                                                     << "h3"
                                                     << "a2" << false;
        QTest::newRow("rook not diagonally") << "4k3/8/8/8/8/8/8/R3K3 w"
                                             << "a1"
                                             << "b2" << false;

        QTest::newRow("knight g8 does not wrap to a8") << "6N1/8/8/8/8/8/8/k3K3 w"
                                                       << "g8"
                                                       << "a8" << false;
        QTest::newRow("knight h8 does not wrap to b8") << "7N/8/8/8/8/8/8/k3K3 w"
                                                       << "h8"
                                                       << "b8" << false;
        QTest::newRow("knight h7 does not wrap to a8") << "8/7N/8/8/8/8/8/k3K3 w"
                                                       << "h7"
                                                       << "a8" << false;
        const QString knight = "4k3/8/8/8/8/8/8/1N2K3 w";
        QTest::newRow("knight b1 to a3") << knight << "b1"
                                         << "a3" << true;
        QTest::newRow("knight b1 to c3") << knight << "b1"
                                         << "c3" << true;
        QTest::newRow("knight b1 to d2") << knight << "b1"
                                         << "d2" << true;
        QTest::newRow("knight b1 does not wrap to h3") << knight << "b1"
                                                       << "h3" << false;
        QTest::newRow("knight jumps over pieces") << "4k3/8/8/8/8/8/PPP5/1N2K3 w"
                                                  << "b1"
                                                  << "c3" << true;

        QTest::newRow("bishop along the long diagonal") << "4k3/8/8/8/8/8/8/K6B w"
                                                        << "h1"
                                                        << "a8" << true;
        QTest::newRow("bishop blocked on the long diagonal") << "4k3/8/8/3p4/8/8/8/K6B w"
                                                             << "h1"
                                                             << "a8" << false;
        QTest::newRow("bishop captures the blocker") << "4k3/8/8/3p4/8/8/8/K6B w"
                                                     << "h1"
                                                     << "d5" << true;
        QTest::newRow("bishop h8 to g7") << "7B/8/8/8/8/8/8/K3k3 w"
                                         << "h8"
                                         << "g7" << true;
        QTest::newRow("bishop h8 not to a7") << "7B/8/8/8/8/8/8/K3k3 w"
                                             << "h8"
                                             << "a7" << false;
        QTest::newRow("bishop h8 does not wrap to a6") << "7B/8/8/8/8/8/8/K3k3 w"
                                                       << "h8"
                                                       << "a6" << false;
        QTest::newRow("bishop a1 to h8 corner to corner") << "7k/8/8/8/8/8/8/B3K3 w"
                                                          << "a1"
                                                          << "h8" << true;

        const QString queen = "4k3/8/8/8/3Q4/8/8/4K3 w";
        QTest::newRow("queen along the row") << queen << "d4"
                                             << "h4" << true;
        QTest::newRow("queen along the column") << queen << "d4"
                                                << "d8" << true;
        QTest::newRow("queen along a diagonal") << queen << "d4"
                                                << "a7" << true;
        QTest::newRow("queen not a knight jump") << queen << "d4"
                                                 << "e6" << false;
        QTest::newRow("queen blocked on a diagonal") << "4k3/8/5p2/8/3Q4/8/8/4K3 w"
                                                     << "d4"
                                                     << "g7" << false;
        QTest::newRow("queen h4 does not wrap to a3") << "4k3/8/8/8/7Q/8/8/4K3 w"
                                                      << "h4"
                                                      << "a3" << false;

        QTest::newRow("king step") << "4k3/8/8/8/8/8/8/4K3 w"
                                   << "e1"
                                   << "d2" << true;
        QTest::newRow("king two squares without castling") << "4k3/8/8/8/4K3/8/8/8 w"
                                                           << "e4"
                                                           << "e6" << false;
        QTest::newRow("king h4 does not wrap to a3") << "4k3/8/8/8/7K/8/8/8 w"
                                                     << "h4"
                                                     << "a3" << false;
        QTest::newRow("king a4 does not wrap to h5") << "4k3/8/8/8/K7/8/8/8 w"
                                                     << "a4"
                                                     << "h5" << false;
        QTest::newRow("king steps into an attack") << "4k3/8/8/8/8/8/r7/4K3 w"
                                                   << "e1"
                                                   << "e2" << false;
        QTest::newRow("king next to the enemy king") << "8/8/8/3k4/8/3K4/8/8 w"
                                                     << "d3"
                                                     << "d4" << false;
        QTest::newRow("king captures an unprotected checker") << "4k3/8/8/8/8/8/4r3/4K3 w"
                                                              << "e1"
                                                              << "e2" << true;
        QTest::newRow("king captures a protected checker") << "4k3/4r3/8/8/8/8/4r3/4K3 w"
                                                           << "e1"
                                                           << "e2" << false;

        const QString castle = "r3k2r/8/8/8/8/8/8/R3K2R w";
        QTest::newRow("white castles king side") << castle << "e1"
                                                 << "g1" << true;
        QTest::newRow("white castles queen side") << castle << "e1"
                                                  << "c1" << true;
        QTest::newRow("black castles king side") << "r3k2r/8/8/8/8/8/8/R3K2R b"
                                                 << "e8"
                                                 << "g8" << true;
        QTest::newRow("black castles queen side") << "r3k2r/8/8/8/8/8/8/R3K2R b"
                                                  << "e8"
                                                  << "c8" << true;
        QTest::newRow("castling while in check") << "4r1k1/8/8/8/8/8/8/R3K2R w"
                                                 << "e1"
                                                 << "g1" << false;
        QTest::newRow("castling through an attacked square") << "5rk1/8/8/8/8/8/8/R3K2R w"
                                                             << "e1"
                                                             << "g1" << false;
        QTest::newRow("castling onto an attacked square") << "6rk/8/8/8/8/8/8/R3K2R w"
                                                          << "e1"
                                                          << "g1" << false;
        QTest::newRow("queen side through an attacked square") << "3r2k1/8/8/8/8/8/8/R3K2R w"
                                                               << "e1"
                                                               << "c1" << false;
        QTest::newRow("queen side with b1 attacked") << "1r4k1/8/8/8/8/8/8/R3K2R w"
                                                     << "e1"
                                                     << "c1" << true;
        QTest::newRow("king side with a piece between") << "6k1/8/8/8/8/8/8/R3KB1R w"
                                                        << "e1"
                                                        << "g1" << false;
        QTest::newRow("queen side with a piece on b1") << "6k1/8/8/8/8/8/8/RN2K2R w"
                                                       << "e1"
                                                       << "c1" << false;
        QTest::newRow("queen side with a piece on d1") << "6k1/8/8/8/8/8/8/R2QK2R w"
                                                       << "e1"
                                                       << "c1" << false;
        QTest::newRow("king side without a rook") << "6k1/8/8/8/8/8/8/R3K3 w"
                                                  << "e1"
                                                  << "g1" << false;
        QTest::newRow("king side with a bishop in the corner") << "6k1/8/8/8/8/8/8/R3K2B w"
                                                               << "e1"
                                                               << "g1" << false;
        QTest::newRow("king side with the opponent's rook in the corner")
            << "6k1/8/8/8/8/8/8/R3K2r w"
            << "e1"
            << "g1" << false;
        QTest::newRow("castling again after king and rook came back")
            << "4k3/8/8/8/8/8/8/4K2R w - - 12 40"
            << "e1"
            << "g1" << true;
        QTest::newRow("white king on e8 never castles") << "4K2R/8/8/8/8/8/8/4k3 w"
                                                        << "e8"
                                                        << "g8" << false;
        QTest::newRow("castling three squares") << "6k1/8/8/8/8/8/8/R3K2R w"
                                                << "e1"
                                                << "b1" << false;

        QTest::newRow("pinned bishop leaves the pin line") << "4k3/4r3/8/8/8/8/4B3/4K3 w"
                                                           << "e2"
                                                           << "d3" << false;
        QTest::newRow("pinned rook moves along the pin line") << "4k3/4r3/8/8/8/8/4R3/4K3 w"
                                                              << "e2"
                                                              << "e5" << true;
        QTest::newRow("pinned rook captures the pinner") << "4k3/4r3/8/8/8/8/4R3/4K3 w"
                                                         << "e2"
                                                         << "e7" << true;
        QTest::newRow("pinned rook leaves the pin line") << "4k3/4r3/8/8/8/8/4R3/4K3 w"
                                                         << "e2"
                                                         << "d2" << false;
        QTest::newRow("diagonally pinned knight") << "4k3/8/8/b7/8/2N5/8/4K3 w"
                                                  << "c3"
                                                  << "d5" << false;
        QTest::newRow("move that ignores a check") << "4k3/8/8/8/8/8/8/r3K1N1 w"
                                                   << "g1"
                                                   << "f3" << false;
        QTest::newRow("block a check") << "4k3/4r3/8/8/8/8/8/3NK3 w"
                                       << "d1"
                                       << "e3" << true;
        QTest::newRow("capture the checker") << "4k3/8/8/8/8/5n2/8/4KQ2 w"
                                             << "f1"
                                             << "f3" << true;

        QTest::newRow("origin equals destination") << "4k3/8/8/8/8/8/8/R3K3 w"
                                                   << "a1"
                                                   << "a1" << false;
        QTest::newRow("origin off the board") << "4k3/8/8/8/8/8/8/R3K3 w"
                                              << "#-1"
                                              << "a1" << false;
        QTest::newRow("destination off the board") << "4k3/8/8/8/8/8/8/R3K2R w"
                                                   << "h1"
                                                   << "#64" << false;
        QTest::newRow("empty origin") << "4k3/8/8/8/8/8/8/R3K3 w"
                                      << "d4"
                                      << "d5" << false;
        QTest::newRow("no king of the side to move: plain rule decides") << "4k3/8/8/8/8/8/8/R7 w"
                                                                         << "a1"
                                                                         << "a8" << true;
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

    void castlingReportsTheSide_data()
    {
        QTest::addColumn<QString>("fen");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<bool>("castles");
        QTest::addColumn<int>("side");

        const QString white = "r3k2r/8/8/8/8/8/8/R3K2R w";
        const QString black = "r3k2r/8/8/8/8/8/8/R3K2R b";
        QTest::newRow("white king side") << white << "e1"
                                         << "g1" << true << int(KingSide);
        QTest::newRow("white queen side") << white << "e1"
                                          << "c1" << true << int(QueenSide);
        QTest::newRow("black king side") << black << "e8"
                                         << "g8" << true << int(KingSide);
        QTest::newRow("black queen side") << black << "e8"
                                          << "c8" << true << int(QueenSide);
        QTest::newRow("plain king step leaves side alone") << white << "e1"
                                                           << "f1" << false << 7;
        QTest::newRow("black king while White is to move") << white << "e8"
                                                           << "g8" << false << 7;
    }

    void castlingReportsTheSide()
    {
        QFETCH(QString, fen);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(bool, castles);
        QFETCH(int, side);
        const BoardState board = Position(fen);
        int16_t reported = 7;
        QCOMPARE(CanCastle(board, Sq(to), Sq(from), reported), castles);
        QCOMPARE(int(reported), side);
    }

    void enPassantSquareUsability_data()
    {
        QTest::addColumn<QString>("fen");
        QTest::addColumn<bool>("usable");
        QTest::newRow("none") << "4k3/8/8/2PpP3/8/8/8/4K3 w - -" << false;
        QTest::newRow("white to move, row 2, black pawn behind")
            << "4k3/8/8/3p4/8/8/8/4K3 w - d6" << true;
        QTest::newRow("black to move, row 5, white pawn behind")
            << "4k3/8/8/8/3P4/8/8/4K3 b - d3" << true;
        QTest::newRow("white to move, row 5") << "4k3/8/8/8/3p4/8/8/4K3 w - d3" << false;
        QTest::newRow("black to move, row 2") << "4k3/8/8/3P4/8/8/8/4K3 b - d6" << false;
        QTest::newRow("square occupied") << "4k3/8/3n4/3p4/8/8/8/4K3 w - d6" << false;
        QTest::newRow("own pawn behind") << "4k3/8/8/3P4/8/8/8/4K3 w - d6" << false;
        QTest::newRow("row 4 square") << "4k3/8/8/8/3p4/8/8/4K3 w - d4" << false;
    }

    void enPassantSquareUsability()
    {
        QFETCH(QString, fen);
        QFETCH(bool, usable);
        QCOMPARE(IsUsableEnPassantSquare(Position(fen)), usable);
    }

    void trialMoveRestoresTheBoard_data()
    {
        QTest::addColumn<QString>("fen");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<bool>("exposed");
        QTest::newRow("capture") << "4k3/8/8/8/8/5n2/8/4KQ2 w"
                                 << "f1"
                                 << "f3" << false;
        QTest::newRow("en passant that exposes the king") << "8/8/8/K2pP2r/8/8/8/4k3 w - d6"
                                                          << "e5"
                                                          << "d6" << true;
        QTest::newRow("king into check") << "4k3/8/8/8/8/8/r7/4K3 w"
                                         << "e1"
                                         << "e2" << true;
        QTest::newRow("castling king alone") << "5rk1/8/8/8/8/8/8/R3K2R w"
                                             << "e1"
                                             << "g1" << false;
        QTest::newRow("null move in check") << "4k3/8/8/8/8/8/8/r3K3 w"
                                            << "e1"
                                            << "e1" << true;
    }

    void trialMoveRestoresTheBoard()
    {
        QFETCH(QString, fen);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(bool, exposed);
        BoardState board = Position(fen);
        const BoardState before = board;
        QCOMPARE(LeavesKingInCheck(board, Sq(to), Sq(from)), exposed);
        QVERIFY(board == before);
    }

    void findsTheLowestKing_data()
    {
        QTest::addColumn<QString>("fen");
        QTest::addColumn<QString>("king");
        QTest::newRow("white king") << "4k3/8/8/8/8/8/8/4K3 w"
                                    << "e1";
        QTest::newRow("black king") << "4k3/8/8/8/8/8/8/4K3 b"
                                    << "e8";
        QTest::newRow("no king of the side to move") << "4k3/8/8/8/8/8/8/4R3 w"
                                                     << "-";
        QTest::newRow("two kings: the lower square") << "4k3/8/8/8/2K5/8/8/4K3 w"
                                                     << "c4";
    }

    void findsTheLowestKing()
    {
        QFETCH(QString, fen);
        QFETCH(QString, king);
        QCOMPARE(SquareName(FindKing(Position(fen))), king);
    }

    void dumpsTheBoard()
    {
        const BoardState board = Position("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b");
        const std::array<std::string, 8> rows = DumpBoard(board);
        QCOMPARE(rows[0], std::string("rhbqkbhr"));
        QCOMPARE(rows[4], std::string("....P..."));
        QCOMPARE(rows[7], std::string("RHBQKBHR"));
        QCOMPARE(PieceLetter(board, Sq("e5")), '.');
    }
};

QTEST_APPLESS_MAIN(TestLegality)
#include "tst_legality.moc"
