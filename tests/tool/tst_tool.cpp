#include <QProcess>
#include <QTest>

#include "Support.h"

using namespace corvalen::testing;

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the tool with `input` on its standard input; a crash or a hang reads as exit code -1.
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

} // namespace

class TestTool : public QObject {
    Q_OBJECT

private slots:
    // Arguments ("|" between them) or, with "<" in front, standard input; the exit status; the
    // start of standard output; and what standard error must hold (empty: must be empty).
    void answers_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QByteArray kings = "CHESS-CODE:gh6v2o0";
        const char strange[] = "\0Шахматы CHESS-CODE:\0gh6v2o0 ♔\n";
        Row("fen of a pasted code", "fen|> chess-code:H16P0F2QQ", QByteArray(), 0,
            "4k3/8/8/8/4P3/8/8/4K3 b - e3 0 1\n", "");
        Row("fen, castling from the placement", "fen|" + Code("r3k3/8/8/8/8/8/8/R3K2R w"),
            QByteArray(), 0, "r3k3/8/8/8/8/8/8/R3K2R w KQq - 0 1\n", "");
        Row("code from FEN fields as arguments", "code|4k3/8/8/8/4P3/8/8/4K3|b|-|e3", QByteArray(),
            0, "CHESS-CODE:h16p0f2qq\n", "");
        Row("code with a castling field the placement does not allow",
            "code|4k3/8/8/8/8/8/8/4K2R w KQ", QByteArray(), 0,
            Code("4k3/8/8/8/8/8/8/4K2R w") + "\n", "warning: castling field 'KQ'");
        Row("code of an invalid FEN", "code|rnbqkbnr/ppppppp/8/8/8/8/8/8 w", QByteArray(), 2, "",
            "error: invalid FEN: rank 7 has 7 squares");
        Row("moves: promotion as four moves", "moves|" + Code("7k/1P6/8/8/8/8/8/K7 w"),
            QByteArray(), 0, "a1a2 a1b1 a1b2 b7b8b b7b8n b7b8q b7b8r\n", "");
        Row("moves: castling as the king's move", "moves|" + Code("4k3/8/8/8/8/1b5p/r6P/4K2R w"),
            QByteArray(), 0, "e1f1 e1g1 h1f1 h1g1\n", "");
        Row("moves: en passant from the code", "moves|" + Code("7k/8/8/3pP3/8/8/8/7K w - d6"),
            QByteArray(), 0, "e5d6 e5e6 h1g1 h1g2 h1h2\n", "");
        Row("moves: none for the mated side", "moves|" + Code("R5k1/5ppp/8/8/8/8/8/6K1 b"),
            QByteArray(), 0, "\n", "");
        Row("status: mate", "status|" + Code("R5k1/5ppp/8/8/8/8/8/6K1 b"), QByteArray(), 0,
            "mate\n", "");
        Row("status: check", "status|" + Code("R5k1/5pp1/8/8/8/8/8/6K1 b"), QByteArray(), 0,
            "check\n", "");
        Row("status: stalemate", "status|" + Code("7k/5Q2/6K1/8/8/8/8/8 b"), QByteArray(), 0,
            "stalemate\n", "");
        Row("status: none", "status|" + QString(kings), QByteArray(), 0, "none\n", "");
        Row("status: no check round the board's edge", "status|" + Code("b7/8/8/8/8/8/8/K6k w"),
            QByteArray(), 0, "none\n", "");
        Row("no code", "fen|Re: CHESS-CODE:gh6v2o0", QByteArray(), 1, "error: no position code",
            "");
        Row("damaged code", "moves|CHESS-CODE:CHESS-CODE:gh6v2o0", QByteArray(), 1,
            "error: damaged code", "");
        Row("ten megabytes of mail after the code", "<fen",
            kings + QByteArray(" Lorem ipsum 12:30 - dolor.").repeated(400000) + "\n", 0,
            "4k3/8/8/8/8/8/8/4K3 b - - 0 1\n", "");
        Row("NUL bytes and other scripts around the code", "<moves",
            QByteArray(strange, sizeof strange - 1), 0, "e8d7 e8d8 e8e7 e8f7 e8f8\n", "");
        Row("one answer per line, the worst exit status", "<status", "\r\n" + kings + "\r\nx\r\n",
            1,
            "error: no position code: the text does not begin with CHESS-CODE:\nnone\nerror: ", "");
        Row("every line read, bad ones answered", "<code",
            QByteArray("4k3/8/8/8/8/8/8/4K3 b\nnot a fen\n"), 2,
            "CHESS-CODE:gh6v2o0\nerror: invalid FEN", "");
        Row("help", "--help", QByteArray(), 0, "Usage: corvalen-code COMMAND", "");
        Row("help of a command", "moves|-h", QByteArray(), 0, "Usage: corvalen-code moves", "");
        Row("no command", "", QByteArray(), 2, "", "Usage: corvalen-code");
        Row("unknown command", "board", QByteArray(), 2, "", "unknown command");
    }

    void answers()
    {
        QFETCH(QString, arguments);
        QFETCH(QByteArray, input);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const bool fromInput = arguments.startsWith('<');
        const Run run = RunTool(arguments.mid(fromInput).split('|', Qt::SkipEmptyParts), input);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.out.startsWith(out.toUtf8()), run.out.left(300).constData());
        QVERIFY2(err.isEmpty() ? run.err.isEmpty() : run.err.contains(err.toUtf8()),
            run.err.constData());
    }
};

QTEST_GUILESS_MAIN(TestTool)
#include "tst_tool.moc"
