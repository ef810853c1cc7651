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
    process.write(input);
    process.closeWriteChannel();
    const bool ended
        = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
    return { ended ? process.exitCode() : -1, process.readAllStandardOutput(),
        process.readAllStandardError() };
}

// The code text of a FEN position, made by the library.
QString CodeOf(const QString &fen)
{
    std::string error;
    const auto board = BoardFromFen(fen.toStdString(), error);
    if (!board)
        qFatal("test FEN %s: %s", qPrintable(fen), error.c_str());
    return QString::fromStdString(EncodePositionCode(*board, board->giToMove));
}

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
    void batch();
    void help_data();
    void help();
};

// FEN to code to FEN through the tool; castling comes from the placement, and an en-passant
// square counts only with a pawn that a capture onto it could take.
void TestTool::fen_data()
{
    QTest::addColumn<QString>("fen");
    QTest::addColumn<QString>("back");
    const auto row = [](const char *name, const char *fen, const char *back = nullptr) {
        QTest::newRow(name) << QString(fen) << QString(back ? back : fen);
    };
    row("after e4", "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1");
    row("kiwipete", "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1");
    row("en-passant square without a pawn behind", "4k3/8/8/8/8/8/8/4K3 b - e3 0 1",
        "4k3/8/8/8/8/8/8/4K3 b - - 0 1");
    row("castling letters from the placement", "r3k3/8/8/8/8/8/8/R3K2R w - - 0 1",
        "r3k3/8/8/8/8/8/8/R3K2R w KQq - 0 1");
}

void TestTool::fen()
{
    QFETCH(QString, fen);
    QFETCH(QString, back);
    const Run code = RunTool({ "code", fen });
    QCOMPARE(code.exitCode, 0);
    const Run run = RunTool({ "fen", QString::fromUtf8(code.out) });
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(QString::fromUtf8(run.out), back + '\n');
}

void TestTool::code_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("stderrHolds");
    QTest::newRow("FEN fields as separate arguments") << QStringList { "4k3/8/8/8/4P3/8/8/4K3", "b",
        "-", "e3" } << 0 << "CHESS-CODE:h16p0f2qq" << QString();
    const QString rooks = "r3k2r/8/8/8/8/8/8/R3K2R w qkQK - 0 1";
    QTest::newRow("castling field in another order agrees")
        << QStringList { rooks } << 0 << CodeOf(rooks) << "";
    const QString oneRook = "4k3/8/8/8/8/8/8/4K2R w KQ - 0 1";
    QTest::newRow("castling field the placement does not allow")
        << QStringList { oneRook } << 0 << CodeOf(oneRook) << "warning: castling field";
    QTest::newRow("rank too short")
        << QStringList { "rnbqkbnr/ppppppp/8/8/8/8/8/8 w" } << 2 << QString() << "rank 7";
}

void TestTool::code()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, answer);
    QFETCH(QString, stderrHolds);
    const Run run = RunTool(QStringList { "code" } + arguments);
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(QString::fromUtf8(run.out), answer.isEmpty() ? answer : answer + '\n');
    const QString err = QString::fromUtf8(run.err);
    QVERIFY2(stderrHolds.isEmpty() ? err.isEmpty() : err.contains(stderrHolds), qPrintable(err));
    QVERIFY2(exitCode == 0 || err.startsWith("error: invalid FEN"), qPrintable(err));
}

void TestTool::moves_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("answer");
    QTest::newRow("promotion as four moves")
        << CodeOf("7k/1P6/8/8/8/8/8/K7 w") << "a1a2 a1b1 a1b2 b7b8b b7b8n b7b8q b7b8r";
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
    QTest::newRow("back-rank mate") << "R5k1/5ppp/8/8/8/8/8/6K1 b" << QString("mate");
    QTest::newRow("check with an escape") << "R5k1/5pp1/8/8/8/8/8/6K1 b" << QString("check");
    QTest::newRow("stalemate") << "7k/5Q2/6K1/8/8/8/8/8 b" << QString("stalemate");
}

void TestTool::status()
{
    QFETCH(QString, fen);
    QFETCH(QString, answer);
    const Run run = RunTool({ "status", CodeOf(fen) });
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(QString::fromUtf8(run.out), answer + '\n');
}

// Many lines through one run of each command, CRLF line ends and every 100th line bad: one
// answer line for every line, in order, and the exit status of the worst.
void TestTool::batch()
{
    std::mt19937 random(1206);
    QByteArrayList fens;
    for (int i = 0; i < 1000; ++i) {
        BoardState board; // up to 32 pieces, canonical FEN
        for (int pieces = 1 + random() % MaxCodePieces; pieces > 0; --pieces)
            board.PutPiece(static_cast<int16_t>(random() % 64), static_cast<int16_t>(random() % 6),
                static_cast<int16_t>(random() % 2));
        board.giToMove = static_cast<int16_t>(random() % 2);
        fens << (i % 100 == 50 ? "not a fen" : QByteArray::fromStdString(FenFromBoard(board)));
    }
    const Run codes = RunTool({ "code" }, fens.join("\r\n") + "\r\n");
    QCOMPARE(codes.exitCode, 2);
    QCOMPARE(codes.err, QByteArray());
    const Run back = RunTool({ "fen" }, codes.out);
    QCOMPARE(back.exitCode, 1);
    const QByteArrayList lines = back.out.split('\n');
    QCOMPARE(lines.size(), 1001);
    for (int i = 0; i < 1000; ++i)
        QVERIFY2(i % 100 == 50 ? lines[i].startsWith("error: ") : lines[i] == fens[i], lines[i]);
    for (const char *command : { "moves", "status" }) {
        const Run run = RunTool({ command }, codes.out);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out.count('\n'), 1000);
        QCOMPARE(run.out.count("\nerror: "), 10);
    }
}

void TestTool::help_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("outStart");
    QTest::addColumn<QString>("errHolds");
    QTest::newRow("tool") << QStringList { "--help" } << 0 << "Usage: corvalen-code COMMAND"
                          << QString();
    QTest::newRow("command") << QStringList { "moves", "-h" } << 0 << "Usage: corvalen-code moves"
                             << QString();
    QTest::newRow("no command") << QStringList {} << 2 << QString() << "Usage: corvalen-code";
    QTest::newRow("unknown command")
        << QStringList { "board" } << 2 << QString() << "unknown command";
}

void TestTool::help()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, outStart);
    QFETCH(QString, errHolds);
    const Run run = RunTool(arguments);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(outStart.isEmpty() ? run.out.isEmpty() : run.out.startsWith(outStart.toUtf8()),
        run.out.constData());
    QVERIFY2(errHolds.isEmpty() ? run.err.isEmpty() : run.err.contains(errHolds.toUtf8()),
        run.err.constData());
}

QTEST_GUILESS_MAIN(TestTool)
#include "tst_tool.moc"
