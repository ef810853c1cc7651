#include <QTest>

#include <set>
#include <type_traits>

#include "Support.h"
#include "game/RulesWords.h"
#include "rules/GameLine.h"
#include "rules/MateTest.h"
#include "rules/MoveExecution.h"
#include "rules/MoveLegality.h"
#include "rules/San.h"
#include "rules/Text.h"
#include "rules/Turn.h"
#include "rules/TypedMove.h"

using namespace corvalen;
using namespace corvalen::testing;

namespace {

// The chess values do not pass for one another, nor integers for them.
static_assert(!std::is_convertible_v<int, Square> && !std::is_convertible_v<Colour, PieceType>);

// Leaf count of the move tree, each promotion counted once per piece. The board is copied per
// ply, so a move operation that disturbed the parent position shows as a wrong count.
quint64 Perft(const BoardState &board, int depth)
{
    quint64 leaves = 0;
    for (Move move : LegalMoves(board)) {
        const bool promotion = IsPromotion(board, move);
        for (int piece = promotion ? 1 : 4; piece <= 4; ++piece) {
            move.promotion = promotion ? PieceFromNumber(piece) : PieceType::None;
            BoardState next = board;
            CarryOutMove(next, move);
            next.giToMove = Opponent(next.giToMove);
            leaves += depth == 1 ? 1 : Perft(next, depth - 1);
        }
    }
    return leaves;
}

// The line from `fen` (the standard start when empty) through `moves`: SAN or coordinates, and
// "walk:N" for N plies of the first quiet move (no pawn, no capture) to a position not seen yet.
GameLine Line(const QString &fen, const QString &moves)
{
    GameLine line = fen.isEmpty() ? GameLine() : GameLine(Position(fen));
    std::set<std::string> seen;
    for (const QString &step : moves.split(' ', Qt::SkipEmptyParts)) {
        for (int ply = step.startsWith("walk:") ? step.mid(5).toInt() : 0; ply > 0; --ply) {
            BoardState board = line.Last().board;
            seen.insert(FenFromBoard(board));
            std::vector<Move> fresh;
            for (const Move &move : LegalMoves(board)) {
                BoardState next = board;
                CarryOutMove(next, move);
                next.giToMove = Opponent(next.giToMove);
                if (board.Piece(move.from) != Pawn && board.IsEmpty(move.to)
                    && !seen.count(FenFromBoard(next)))
                    fresh.push_back(move);
            }
            if (fresh.empty())
                qFatal("test walk: no fresh quiet move in %s", FenFromBoard(board).c_str());
            line.Play(fresh[size_t(ply) % fresh.size()]);
        }
        // "-O-O": a move the line must refuse.
        if (!step.startsWith("walk:")
            && line.Play(step.toStdString().substr(step[0] == '-')) == (step[0] == '-'))
            qFatal("test line: %s", qPrintable(step));
    }
    return line;
}

} // namespace

class TestRules : public QObject {
    Q_OBJECT

private slots:
    // Published counts; every move rule, the attack test and the king-safety test meet them.
    void perft_data()
    {
        QTest::addColumn<QString>("fen");
        QTest::addColumn<int>("depth");
        QTest::addColumn<quint64>("leaves");
        Row("start", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w", 4, quint64(197281));
        Row("castling, en passant, pins",
            "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w", 3, quint64(97862));
        Row("en passant along a rank", "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w", 4, quint64(43238));
        Row("promotions", "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w", 3,
            quint64(9467));
        Row("castling with a knight in the way", "rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w",
            3, quint64(62379));
    }

    void perft()
    {
        QFETCH(QString, fen);
        QFETCH(int, depth);
        QFETCH(quint64, leaves);
        QCOMPARE(Perft(Position(fen), depth), leaves);
    }

    // What perft never meets: en-passant squares a code may carry, castling by placement alone,
    // squares off the board, a side without a king.
    void legality_data()
    {
        QTest::addColumn<QString>("fen");
        QTest::addColumn<QString>("move");
        QTest::addColumn<bool>("legal");
        Row("ep square on row 5 with White to move", "4k3/8/8/8/8/8/3pP3/K7 w - d3", "e2d3", false);
        Row("ep square on row 2 with Black to move", "k7/3Pp3/8/8/8/8/8/4K3 b - d6", "e7d6", false);
        Row("ep square with an own pawn behind", "4k3/8/8/2PP4/8/8/8/4K3 w - d6", "c5d6", false);
        Row("ep square with a knight behind", "4k3/8/8/2Pn4/8/8/8/4K3 w - d6", "c5d6", false);
        Row("white ep opens the rank to the king", "8/8/8/K2pP2r/8/8/8/4k3 w - d6", "e5d6", false);
        Row("black ep opens the rank to the king", "4K3/8/8/8/R2Pp2k/8/8/8 b - d3", "e4d3", false);
        Row("plain step takes no passed pawn", "8/8/8/K2pP2r/8/8/8/4k3 w - d6", "e5e6", true);
        Row("castling with b1 attacked", "1r4k1/8/8/8/8/8/8/R3K2R w", "e1c1", true);
        Row("castling through an attacked d1", "3r2k1/8/8/8/8/8/8/R3K2R w", "e1c1", false);
        Row("castling with a bishop in the corner", "6k1/8/8/8/8/8/8/R3K2B w", "e1g1", false);
        Row("castling again after king and rook came back", "4k3/8/8/8/8/8/8/4K2R w - - 12 40",
            "e1g1", true);
        Row("white king on e8 never castles", "4K2R/8/8/8/8/8/8/4k3 w", "e8g8", false);
        Row("rook h3 does not wrap to a2", "4k3/8/8/8/8/7R/8/4K3 w", "h3a2", false);
        Row("knight b1 does not go straight", "4k3/8/8/8/8/8/8/1N2K3 w", "b1b3", false);
        Row("knight b1 does not step straight", "4k3/8/8/8/8/8/8/1N2K3 w", "b1b2", false);
        Row("king next to a rook in the corner", "r7/2K5/8/8/8/8/8/7k w", "c7b8", false);
        Row("king below a rook in the corner", "r7/8/K7/8/8/8/8/7k w", "a6a7", false);
        Row("king next to a bishop in the corner", "8/8/8/8/8/6K1/8/k6b w", "g3g2", false);
        Row("bishop h1 to a8", "4k3/8/8/8/8/8/8/K6B w", "h1a8", true);
        Row("destination off the board", "4k3/8/8/8/8/8/8/R3K2R w", "h1i1", false);
        Row("no king of the side to move", "4k3/8/8/8/8/8/8/R7 w", "a1a8", true);
    }

    void legality()
    {
        QFETCH(QString, fen);
        QFETCH(QString, move);
        QFETCH(bool, legal);
        QCOMPARE(IsValidMove(Position(fen), { Sq(move.left(2)), Sq(move.mid(2)) }), legal);
    }

    // A drag on the board of one turn from the start, after the move before it if one is given.
    void judgeMove_data()
    {
        QTest::addColumn<QString>("moves");
        QTest::addColumn<int>("verdict");
        Row("legal", "e2e4", int(Turn::Verdict::Legal));
        Row("illegal", "e2e5", int(Turn::Verdict::Illegal));
        Row("opponent's piece", "e7e5", int(Turn::Verdict::OpponentsPiece));
        Row("opponent's piece onto its own square", "e7e7", int(Turn::Verdict::NoMove));
        Row("a second move", "e2e4 d2d4", int(Turn::Verdict::NoMove));
    }

    void judgeMove()
    {
        QFETCH(QString, moves);
        QFETCH(int, verdict);
        Turn turn;
        turn.Load(StandardStart(), Square::E1);
        if (moves.contains(' '))
            turn.Play({ Sq(moves.left(2)), Sq(moves.mid(2, 2)) });
        const QString last = moves.section(' ', -1);
        QCOMPARE(int(turn.JudgeMove({ Sq(last.left(2)), Sq(last.mid(2)) })), verdict);
    }

    void endOfGame_data()
    {
        QTest::addColumn<QString>("fen");
        QTest::addColumn<QString>("end"); // "mate", "stalemate" or ""
        Row("start position", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w", "");
        Row("back-rank mate", "R5k1/5ppp/8/8/8/8/8/6K1 b", "mate");
        Row("back-rank check, a rook steps between", "R5k1/5ppp/8/8/8/8/8/3r2K1 b", "");
        Row("smothered mate", "6rk/5Npp/8/8/8/8/8/6K1 b", "mate");
        Row("double check, one checker could be taken", "R6k/6pp/6N1/8/8/8/8/6K1 b", "mate");
        Row("en passant the only escape", "7k/8/p7/PpP5/K7/PP6/8/4b3 w - b6", "");
        Row("same without the en-passant square", "7k/8/p7/PpP5/K7/PP6/8/4b3 w", "mate");
        Row("king on the a-file, free squares on the h-file", "rr2k3/8/8/8/K7/8/8/8 w", "mate");
        Row("only a sideways rook move blocks the check", "6rk/6p1/8/8/r7/8/8/K6R b", "");
        Row("stalemate in the corner", "7k/8/6Q1/8/8/8/8/6K1 b", "stalemate");
        Row("stalemate with a pinned knight", "rr6/8/8/8/8/8/N7/K6k w", "stalemate");
    }

    void endOfGame()
    {
        QFETCH(QString, fen);
        QFETCH(QString, end);
        const BoardState board = Position(fen);
        QCOMPARE(IsCheckmate(board), end == "mate");
        QCOMPARE(IsStalemate(board), end == "stalemate");
        QCOMPARE(HasLegalMove(board), end.isEmpty());
    }

    // FEN as the companion tool reads and writes it: written form, or the error named.
    void fen_data()
    {
        QTest::addColumn<QString>("fen");
        QTest::addColumn<QString>("written");
        const QString kings = "4k3/8/8/8/8/8/8/4K3 ";
        Row("counters and castling rights are not kept", "r3k2r/8/8/8/8/8/8/R3K1R1 b Kq - 19 90",
            "r3k2r/8/8/8/8/8/8/R3K1R1 b Qkq - 0 1");
        Row("placement alone, extra spaces", "  4k3/8/8/8/8/8/8/4K3  ", kings + "w - - 0 1");
        Row("usable en-passant square", "4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1",
            "4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1");
        Row("en-passant square no capture can use", kings + "w - h3", kings + "w - - 0 1");
        Row("en-passant square taken", "4k3/8/3n4/3pP3/8/8/8/4K3 w - d6",
            "4k3/8/3n4/3pP3/8/8/8/4K3 w - - 0 1");
        Row("ten-digit clock", kings + "w - - 1234567890 1",
            "error: bad halfmove clock '1234567890'");
        Row("a black rook in White's corner", "4k3/8/8/8/8/8/8/4K2r w",
            "4k3/8/8/8/8/8/8/4K2r w - - 0 1");
        Row("seven ranks", "4k3/8/8/8/8/8/4K3 w", "error: placement has 7 ranks, not 8");
        Row("side to move", kings + "W", "error: side to move must be w or b, not 'W'");
        Row("en-passant file i", kings + "w - i3", "error: bad en-passant square 'i3'");
        Row("en-passant rank 9", kings + "w - e9", "error: bad en-passant square 'e9'");
        Row("en-passant square of three letters", kings + "w - e33",
            "error: bad en-passant square 'e33'");
        Row("nine empty squares", "4k3/9/8/8/8/8/8/4K3 w", "error: unknown piece letter '9'");
        Row("unknown piece letter", "4k3/8/8/8/8/8/8/4K2X w", "error: unknown piece letter 'X'");
        Row("seven fields", kings + "w - - 0 1 x", "error: more than 6 fields");
        Row("33 pieces", "rnbqkbnr/pppppppp/8/8/8/7P/PPPPPPPP/RNBQKBNR w",
            "error: 33 pieces, more than 32");
    }

    void fen()
    {
        QFETCH(QString, fen);
        QFETCH(QString, written);
        const Outcome<BoardState> board = BoardFromFen(fen.toStdString());
        QCOMPARE(board ? QString::fromStdString(FenFromBoard(*board))
                       : "error: " + QString::fromStdString(board.Why().message),
            written);
    }

    // A typed move: the move read (coordinates, a promotion letter only when named) or what the
    // player is told.
    void typedMove_data()
    {
        QTest::addColumn<QString>("fen");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("read");
        const QString start = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w";
        const QString middle = "rn2k3/P7/8/3pP3/2N5/5N2/8/R3K2R w - d6",
                      black = "5k2/8/8/8/7q/8/1p6/2N1R1K1 b",
                      bishop = "B3k3/8/2n5/1P1p4/8/8/8/R3K3 w";
        Row("SAN", start, " Nf3 ", "g1f3");
        Row("coordinates with a hyphen", start, "e2-e4", "e2e4");
        Row("ICCF numeric", start, "5254", "e2e4");
        Row("lower-case knight letter", start, "nf3", "g1f3");
        Row("not notation", start, "hello there",
            "Not a move: hello there (piece letters: K Q R B N)");
        Row("ambiguous", middle, "Nd2", "Ncd2 or Nfd2?");
        Row("told apart by the file", middle, "Nfd2", "f3d2");
        Row("told apart by the first rank", "4k3/8/8/R7/8/8/8/R3K3 w", "R1a3", "a1a3");
        Row("a king is no promotion", middle, "a7b8K",
            "Not a move: a7b8K (piece letters: K Q R B N)");
        Row("a pawn is no promotion", middle, "a7b8P",
            "Not a move: a7b8P (piece letters: K Q R B N)");
        Row("coordinates of a rook on the a-file", middle, "a1a4", "a1a4");
        Row("en passant", middle, "exd6 e.p.", "Not a move: exd6 e.p. (piece letters: K Q R B N)");
        Row("en passant, SAN", middle, "exd6", "e5d6");
        Row("king side castling", middle, "O-O+", "e1g1");
        Row("queen side castling with zeros", middle, "0-0-0", "e1c1");
        Row("promotion named", middle, "axb8=N", "a7b8n");
        Row("promotion named without =", middle, "axb8Q", "a7b8q");
        Row("promotion not named", middle, "a7xb8", "a7b8");
        Row("ICCF promotion to a knight", middle, "17284", "a7b8n");
        Row("ICCF promotion digit 5", middle, "17285",
            "Not a move: 17285 (piece letters: K Q R B N)");
        Row("long form with capture", black, "Qh4xe1", "h4e1");
        Row("coordinates from the eighth rank", black, "f8g8", "f8g8");
        Row("lower-case b is the b-file", black, "bxc1=Q#", "b2c1q");
        Row("lower-case queen letter with a capture", black, "qxe1", "h4e1");
        Row("lower-case king letter", bishop, "kf1", "e1f1");
        Row("b-pawn's capture before the bishop's", bishop, "bxc6", "b5c6");
        Row("lower-case b as the bishop when no pawn move fits", bishop, "bb7", "a8b7");
        Row("promotion letter on no promotion", black, "Qe1q", "No legal move matches \"Qe1q\".");
    }

    void typedMove()
    {
        QFETCH(QString, fen);
        QFETCH(QString, text);
        QFETCH(QString, read);
        const TypedMove typed = ReadTypedMove(Position(fen), text.toStdString());
        QCOMPARE(
            QString::fromStdString(typed.kind == TypedMove::Kind::Move ? MoveCoordinates(typed.move)
                                                                       : WordTypedMove(typed)),
            read);
    }

    // FIDE Laws 9.2 and 9.3 over a game's recorded positions; the same claim must be open to a
    // player who announces the last move before making it.
    void drawClaim_data()
    {
        QTest::addColumn<QString>("fen");
        QTest::addColumn<QString>("moves");
        QTest::addColumn<QString>("claim");
        const QString rooks = "r3k2r/8/8/8/8/8/8/R3K2R w", knights = "Nf3 Nf6 Ng1 Ng8 ";
        Row("knights out and back twice", "", knights + knights, "threefold repetition");
        Row("one ply short", "", knights + "Nf3 Nf6 Ng1", "");
        Row("king back home without its castling rights", rooks, "Ke2 Ke7 Ke1 Ke8 Ke2 Ke7 Ke1 Ke8",
            "");
        Row("king back home, third time without rights", rooks,
            "Ke2 Ke7 Ke1 Ke8 Ke2 Ke7 Ke1 Ke8 Ke2 Ke7 Ke1 Ke8", "threefold repetition");
        Row("rook back home without its castling right", rooks, "Rh2 Rh7 Rh1 Rh8 Rh2 Rh7 Rh1 Rh8",
            "");
        Row("en passant possible the first time", "",
            "e4 Nc6 e5 d5 Nf3 Nb8 Ng1 Nc6 Nf3 Nb8 Ng1 Nc6", "");
        Row("double step no pawn can take", "", "d4 Nf6 Nf3 Ng8 Ng1 Nf6 Nf3 Ng8 Ng1",
            "threefold repetition");
        Row("double step the pinned pawn cannot take", "4k3/8/8/8/4p3/8/3P4/4R2K w",
            "d4 Kd8 Kg1 Ke8 Kh1 Kd8 Kg1 Ke8 Kh1", "threefold repetition");
        Row("set-up position with Black to move", "4k3/p7/8/8/8/8/8/4K1N1 b",
            "Kd8 Nf3 Ke8 Ng1 Kd8 Nf3 Ke8 Ng1", "threefold repetition");
        Row("99 quiet plies", rooks, "walk:99", "");
        Row("100 quiet plies", rooks, "walk:100", "50 moves without a capture or pawn move");
        Row("a capture restarts the count", "r3k2r/8/8/8/8/8/8/R3Kn1R w", "Kxf1 walk:99", "");
        Row("a pawn move restarts the count", "r3k2r/p7/8/8/8/8/8/R3K2R b", "a6 walk:99", "");
    }

    void drawClaim()
    {
        QFETCH(QString, fen);
        QFETCH(QString, moves);
        QFETCH(QString, claim);
        const GameLine line = Line(fen, moves);
        QCOMPARE(QString::fromStdString(WordDrawClaim(line.ClaimableDraw())), claim);
        GameLine before = fen.isEmpty() ? GameLine() : GameLine(Position(fen));
        for (int ply = 1; ply < line.Plies(); ++ply)
            before.Play(line.MoveTo(ply));
        QCOMPARE(QString::fromStdString(
                     WordDrawClaim(before.ClaimableDrawAfter(line.MoveTo(line.Plies())))),
            claim);
    }

    // Copy FEN of a game's last position: castling rights as the moves leave them (a set-up
    // start has what its placement allows), the clock and the move number.
    void lineFen_data()
    {
        QTest::addColumn<QString>("fen");
        QTest::addColumn<QString>("moves");
        QTest::addColumn<QString>("written");
        Row("a double step", "", "e4",
            "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1");
        Row("set-up position, the king moves", "r3k2r/8/8/8/8/8/8/R3K2R b", "Kf8",
            "r4k1r/8/8/8/8/8/8/R3K2R w KQ - 1 2");
        Row("a rook taken on its home square", "r3k2r/8/8/8/8/8/1b6/R3K2R b", "Bxa1",
            "r3k2r/8/8/8/8/8/8/b3K2R w Kkq - 0 2");
        Row("rooks out and back, no castling with them", "r3k2r/8/8/8/8/8/8/R3K2R w",
            "Rb1 Rb8 Ra1 Ra8 -O-O-O", "r3k2r/8/8/8/8/8/8/R3K2R w Kk - 4 3");
        Row("Black's king's rook moved: the other side castles", "r3k2r/8/8/8/8/8/8/R3K2R b",
            "Rg8 Kf1 O-O-O", "2kr2r1/8/8/8/8/8/8/R4K1R w - - 3 3");
        Row("set-up start, the king comes home", "4k3/8/8/8/8/8/8/5K1R w", "Ke1 Kd8 -O-O",
            "3k4/8/8/8/8/8/8/4K2R w - - 2 2");
    }

    void lineFen()
    {
        QFETCH(QString, fen);
        QFETCH(QString, moves);
        QFETCH(QString, written);
        const GameLine line = Line(fen, moves);
        QCOMPARE(QString::fromStdString(line.Fen(line.Plies())), written);
    }

    void deadPosition_data()
    {
        QTest::addColumn<QString>("fen");
        QTest::addColumn<bool>("dead");
        Row("kings alone", "4k3/8/8/8/8/8/8/4K3 w", true);
        Row("king and bishop against king", "4k3/8/8/8/8/8/8/2B1K3 b", true);
        Row("king and knight against king", "4k3/8/8/8/8/8/8/1n2K3 w", true);
        Row("bishops on squares of one colour", "2b1k3/8/8/8/8/8/8/4KB2 w", true);
        Row("bishops on squares of both colours", "3bk3/8/8/8/8/8/8/4KB2 w", false);
        Row("two knights", "4k3/8/8/8/8/8/8/1NN1K3 w", false);
        Row("a pawn", "4k3/8/8/8/8/8/4P3/4K3 w", false);
    }

    void deadPosition()
    {
        QFETCH(QString, fen);
        QFETCH(bool, dead);
        QCOMPARE(IsDeadPosition(Position(fen)), dead);
    }

    // A translated sentence may put its arguments in any order.
    void format_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("text");
        Row("in order", "game %1 on %2", "game 7 on 2026-03-04");
        Row("reordered", "%2: Partie %1", "2026-03-04: Partie 7");
        Row("a placeholder without its argument stays", "%1%1 %3", "77 %3");
        Row("a percent sign stays", "100% %2%", "100% 2026-03-04%");
    }

    void format()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, text);
        QCOMPARE(
            QString::fromStdString(Format(pattern.toStdString(), { "7", "2026-03-04" })), text);
    }
};

QTEST_APPLESS_MAIN(TestRules)
#include "tst_rules.moc"
