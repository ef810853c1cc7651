#include <QProcess>
#include <QtTest>

#include <random>
#include <string>

#include "code/PositionCode.h"
#include "rules/Fen.h"

using namespace corvalen;

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run RunTool(const QStringList &arguments, const QByteArray &input = {})
{
    QProcess process;
    process.start(CORVALEN_CODE_PROGRAM, arguments);
    Run run;
    if (!process.waitForStarted(10000))
        return run;
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

// The code characters of a FEN position, made by the library.
QString CodeOf(const char *fen)
{
    std::string error;
    const auto board = BoardFromFen(fen, error);
    if (!board)
        qFatal("test FEN %s: %s", fen, error.c_str());
    return QString::fromStdString(EncodePositionCode(*board, board->giToMove));
}

// A random placement of up to 32 pieces in canonical FEN (castling from the placement).
std::string RandomFen(std::mt19937 &random)
{
    BoardState board;
    const int count = std::uniform_int_distribution<int>(1, MaxCodePieces)(random);
    for (int i = 0; i < count; ++i)
        board.PutPiece(static_cast<int16_t>(random() % 64), static_cast<int16_t>(random() % 6),
            static_cast<int16_t>(random() % 2));
    board.giToMove = static_cast<int16_t>(random() % 2);
    return FenFromBoard(board);
}

const char *const StartFen = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

} // namespace

class TestTool : public QObject {
    Q_OBJECT
private slots:
    void fen_data();
    void fen();
    void code_data();
    void code();
    void moves_data();
    void moves();
    void status_data();
    void status();
    void fenRoundTrip_data();
    void fenRoundTrip();
    void batchRoundTrip();
    void batchErrorLines_data();
    void batchErrorLines();
    void help_data();
    void help();
};

void TestTool::fen_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("exitCode");

    QTest::newRow("two kings") << "CHESS-CODE:gh6v2o0"
                               << "4k3/8/8/8/8/8/8/4K3 b - - 0 1" << 0;
    QTest::newRow("starting code in lower case")
        << "chess-code:" + QString::fromLatin1(StartingCode.data(), StartingCode.size()).toLower()
        << StartFen << 0;
    QTest::newRow("en-passant square that counts") << "CHESS-CODE:h16p0f2qq"
                                                   << "4k3/8/8/8/4P3/8/8/4K3 b - e3 0 1" << 0;
    QTest::newRow("en-passant square without a pawn behind")
        << CodeOf("4k3/8/8/8/8/8/8/4K3 b - e3 0 1") << "4k3/8/8/8/8/8/8/4K3 b - - 0 1" << 0;
    QTest::newRow("quoted over two lines") << "> CHESS-CODE:gh6\n> v2o0\n> -- Anna"
                                           << "4k3/8/8/8/8/8/8/4K3 b - - 0 1" << 0;
    QTest::newRow("castling letters from the placement")
        << CodeOf("r3k3/8/8/8/8/8/8/R3K2R w - - 0 1") << "r3k3/8/8/8/8/8/8/R3K2R w KQq - 0 1" << 0;
    QTest::newRow("damaged code") << "CHESS-CODE:gh6"
                                  << "error: " << 1;
    QTest::newRow("reply marker before the prefix") << "Re: CHESS-CODE:gh6v2o0"
                                                    << "error: " << 1;
    QTest::newRow("unknown piece code") << "CHESS-CODE:gh6v3o0"
                                        << "error: " << 1;
}

void TestTool::fen()
{
    QFETCH(QString, text);
    QFETCH(QString, answer);
    QFETCH(int, exitCode);

    const Run run = RunTool({ "fen", text });
    QCOMPARE(run.exitCode, exitCode);
    const QString line = QString::fromUtf8(run.out);
    QVERIFY2(line.endsWith('\n') && line.count('\n') == 1, qPrintable(line));
    if (exitCode == 0)
        QCOMPARE(line.trimmed(), answer);
    else
        QVERIFY2(line.startsWith(answer) && line.size() > answer.size() + 1, qPrintable(line));
}

void TestTool::code_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("stderrHolds");

    QTest::newRow("two kings, Black to move")
        << QStringList { "4k3/8/8/8/8/8/8/4K3 b - - 0 1" } << "CHESS-CODE:gh6v2o0" << 0 << "";
    QTest::newRow("en-passant square travels")
        << QStringList { "4k3/8/8/8/4P3/8/8/4K3 b - e3 0 1" } << "CHESS-CODE:h16p0f2qq" << 0 << "";
    QTest::newRow("FEN fields as separate arguments") << QStringList { "4k3/8/8/8/4P3/8/8/4K3", "b",
        "-", "e3" } << "CHESS-CODE:h16p0f2qq" << 0 << "";
    QTest::newRow("castling field in another order agrees")
        << QStringList { "r3k2r/8/8/8/8/8/8/R3K2R w qkQK - 0 1" } << "CHESS-CODE:" << 0 << "";
    QTest::newRow("castling field the placement does not allow")
        << QStringList { "4k3/8/8/8/8/8/8/4K2R w KQ - 0 1" } << "CHESS-CODE:" << 0 << "castling";
    QTest::newRow("castling field missing a right the placement gives")
        << QStringList { "4k3/8/8/8/8/8/8/4K2R w - - 5 40" } << "CHESS-CODE:" << 0 << "castling";
    QTest::newRow("rank too short")
        << QStringList { "rnbqkbnr/ppppppp/8/8/8/8/8/8 w" } << "" << 2 << "rank 7";
    QTest::newRow("bad side to move")
        << QStringList { "4k3/8/8/8/8/8/8/4K3 x" } << "" << 2 << "side to move";
    QTest::newRow("more than 32 pieces")
        << QStringList { "pppppppp/pppppppp/pppppppp/pppppppp/PPPPPPPP/8/8/8 w" } << "" << 2
        << "pieces";
}

void TestTool::code()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, answer);
    QFETCH(int, exitCode);
    QFETCH(QString, stderrHolds);

    const Run run = RunTool(QStringList { "code" } + arguments);
    QCOMPARE(run.exitCode, exitCode);
    const QString out = QString::fromUtf8(run.out).trimmed();
    const QString err = QString::fromUtf8(run.err);
    if (exitCode != 0) {
        QCOMPARE(out, QString());
        QVERIFY2(err.contains("invalid FEN") && err.contains(stderrHolds), qPrintable(err));
        return;
    }
    QVERIFY2(out.startsWith(answer), qPrintable(out));
    QVERIFY2(out == out.toLower().replace("chess-code:", "CHESS-CODE:"), qPrintable(out));
    if (answer.size() > 11)
        QCOMPARE(out, answer);
    if (stderrHolds.isEmpty())
        QCOMPARE(err, QString());
    else
        QVERIFY2(err.contains(stderrHolds), qPrintable(err));
}

void TestTool::moves_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("answer");

    QTest::newRow("starting position")
        << "CHESS-CODE:" + QString::fromLatin1(StartingCode.data(), StartingCode.size())
        << "a2a3 a2a4 b1a3 b1c3 b2b3 b2b4 c2c3 c2c4 d2d3 d2d4 e2e3 e2e4 f2f3 f2f4 g1f3 g1h3 g2g3 "
           "g2g4 h2h3 h2h4";
    QTest::newRow("promotion as four moves")
        << CodeOf("7k/1P6/8/8/8/8/8/K7 w") << "a1a2 a1b1 a1b2 b7b8b b7b8n b7b8q b7b8r";
    QTest::newRow("black promotion with capture")
        << CodeOf("k7/8/8/8/8/8/6p1/K4N2 b")
        << "a8a7 a8b7 a8b8 g2f1b g2f1n g2f1q g2f1r g2g1b g2g1n g2g1q g2g1r";
    QTest::newRow("castling as the king's move")
        << CodeOf("4k3/8/8/8/8/8/8/4K2R w")
        << "e1d1 e1d2 e1e2 e1f1 e1f2 e1g1 h1f1 h1g1 h1h2 h1h3 h1h4 h1h5 h1h6 h1h7 h1h8";
    QTest::newRow("en passant from the code")
        << CodeOf("7k/8/8/3pP3/8/8/8/7K w - d6") << "e5d6 e5e6 h1g1 h1g2 h1h2";
    QTest::newRow("mated side has none") << CodeOf("R5k1/5ppp/8/8/8/8/8/6K1 b") << "";
}

void TestTool::moves()
{
    QFETCH(QString, text);
    QFETCH(QString, answer);

    const Run run = RunTool({ "moves", text });
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(QString::fromUtf8(run.out), answer + '\n');
}

void TestTool::status_data()
{
    QTest::addColumn<QString>("fen");
    QTest::addColumn<QString>("answer");

    QTest::newRow("starting position") << StartFen << "none";
    QTest::newRow("back-rank mate") << "R5k1/5ppp/8/8/8/8/8/6K1 b"
                                    << "mate";
    QTest::newRow("check with an escape") << "R5k1/5pp1/8/8/8/8/8/6K1 b"
                                          << "check";
    QTest::newRow("stalemate") << "7k/5Q2/6K1/8/8/8/8/8 b"
                               << "stalemate";
    QTest::newRow("no king of the side to move") << "8/8/8/8/8/8/8/4K2R b"
                                                 << "stalemate";
    QTest::newRow("white mated in the corner") << "8/8/8/8/8/5k2/6q1/7K w"
                                               << "mate";
}

void TestTool::status()
{
    QFETCH(QString, fen);
    QFETCH(QString, answer);

    const Run run = RunTool({ "status", CodeOf(fen.toLatin1().constData()) });
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(QString::fromUtf8(run.out), answer + '\n');
}

void TestTool::fenRoundTrip_data()
{
    QTest::addColumn<QString>("fen");

    QTest::newRow("start") << StartFen;
    QTest::newRow("after e4") << "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1";
    QTest::newRow("black en passant square") << "4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1";
    QTest::newRow("kiwipete")
        << "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1";
    QTest::newRow("lone white king") << "8/8/8/8/8/8/8/4K3 b - - 0 1";
}

void TestTool::fenRoundTrip()
{
    QFETCH(QString, fen);

    const Run code = RunTool({ "code", fen });
    QCOMPARE(code.exitCode, 0);
    const Run back = RunTool({ "fen", QString::fromUtf8(code.out) });
    QCOMPARE(back.exitCode, 0);
    QCOMPARE(QString::fromUtf8(back.out), fen + '\n');
}

void TestTool::batchRoundTrip()
{
    std::mt19937 random(1206);
    QByteArray fens;
    QList<QByteArray> expected;
    for (int i = 0; i < 1000; ++i) {
        const std::string fen = RandomFen(random);
        fens += QByteArray::fromStdString(fen) + '\n';
        expected.append(QByteArray::fromStdString(fen));
    }

    const Run codes = RunTool({ "code" }, fens);
    QCOMPARE(codes.exitCode, 0);
    QCOMPARE(codes.err, QByteArray());
    QCOMPARE(codes.out.count('\n'), 1000);

    const Run back = RunTool({ "fen" }, codes.out);
    QCOMPARE(back.exitCode, 0);
    const QList<QByteArray> lines = back.out.split('\n');
    QCOMPARE(lines.size(), 1001);
    for (int i = 0; i < 1000; ++i)
        QCOMPARE(lines[i], expected[i]);

    for (const char *command : { "moves", "status" }) {
        const Run run = RunTool({ command }, codes.out);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out.count('\n'), 1000);
        QVERIFY(!run.out.contains("error"));
    }
}

void TestTool::batchErrorLines_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("answers");
    QTest::addColumn<int>("exitCode");

    const QByteArray codes = "CHESS-CODE:gh6v2o0\n"
                             "hello\n"
                             "\n"
                             "CHESS-CODE:gh6\r\n"
                             "CHESS-CODE:gh6v3o0\n"
                             "> chess-code:GH6V2O0 -- Anna, 12:30\r\n";
    QTest::newRow("status") << "status" << codes << "none|error|error|error|error|none" << 1;
    QTest::newRow("fen") << "fen" << codes
                         << "4k3/8/8/8/8/8/8/4K3 b - - 0 1|error|error|error|error|"
                            "4k3/8/8/8/8/8/8/4K3 b - - 0 1"
                         << 1;
    QTest::newRow("all good") << "status" << QByteArray("CHESS-CODE:gh6v2o0\nCHESS-CODE:gh6v2o0")
                              << "none|none" << 0;
    QTest::newRow("no input") << "moves" << QByteArray() << "" << 0;
    QTest::newRow("code with an invalid FEN")
        << "code" << QByteArray("4k3/8/8/8/8/8/8/4K3 b\nnot a fen\n4k3/8/8/8/8/8/8/4K3 b\n")
        << "CHESS-CODE:gh6v2o0|error|CHESS-CODE:gh6v2o0" << 2;
}

void TestTool::batchErrorLines()
{
    QFETCH(QString, command);
    QFETCH(QByteArray, input);
    QFETCH(QString, answers);
    QFETCH(int, exitCode);

    const Run run = RunTool({ command }, input);
    QCOMPARE(run.exitCode, exitCode);
    QStringList lines = QString::fromUtf8(run.out).split('\n');
    QCOMPARE(lines.takeLast(), QString());
    const QStringList expected = answers.isEmpty() ? QStringList() : answers.split('|');
    QCOMPARE(lines.size(), expected.size());
    for (int i = 0; i < lines.size(); ++i) {
        if (expected[i] == "error")
            QVERIFY2(lines[i].startsWith("error: ") && lines[i].size() > 10, qPrintable(lines[i]));
        else
            QCOMPARE(lines[i], expected[i]);
    }
}

void TestTool::help_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("outHolds");
    QTest::addColumn<QString>("errHolds");

    QTest::newRow("tool") << QStringList { "--help" } << 0 << "Usage: corvalen-code COMMAND"
                          << "";
    QTest::newRow("fen") << QStringList { "fen", "--help" } << 0 << "Usage: corvalen-code fen"
                         << "";
    QTest::newRow("code") << QStringList { "code", "--help" } << 0
                          << "Usage: corvalen-code code FEN"
                          << "";
    QTest::newRow("moves") << QStringList { "moves", "-h" } << 0 << "Usage: corvalen-code moves"
                           << "";
    QTest::newRow("status") << QStringList { "status", "--help" } << 0
                            << "Usage: corvalen-code status"
                            << "";
    QTest::newRow("no command") << QStringList {} << 2 << ""
                                << "Usage: corvalen-code";
    QTest::newRow("unknown command") << QStringList { "board" } << 2 << ""
                                     << "unknown command";
}

void TestTool::help()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, outHolds);
    QFETCH(QString, errHolds);

    const Run run = RunTool(arguments);
    QCOMPARE(run.exitCode, exitCode);
    if (outHolds.isEmpty())
        QCOMPARE(run.out, QByteArray());
    else
        QVERIFY2(QString::fromUtf8(run.out).startsWith(outHolds), run.out.constData());
    if (errHolds.isEmpty())
        QCOMPARE(run.err, QByteArray());
    else
        QVERIFY2(QString::fromUtf8(run.err).contains(errHolds), run.err.constData());
}

QTEST_GUILESS_MAIN(TestTool)
#include "tst_tool.moc"
