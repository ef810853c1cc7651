#include <QProcess>
#include <QtTest>

// Untrusted pasted texts through the companion tool's real executable: every text gets one
// answer line (a position or "error: " and a reason) and the tool neither crashes nor hangs.

namespace {

constexpr int HangMilliseconds = 60000;

const QByteArray TwoKingsFen = "4k3/8/8/8/8/8/8/4K3 b - - 0 1";
const QByteArray StartFen = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";
// The starting position in the full form the encoder writes: 78 characters.
const QByteArray StartFullCode = "CHESS-CODE:fg4gd0lgu16hdhl1si42c2k2s343c3k3sc0c8cgcod0d8dgdoe0u9"
                                 "ehuqf2v9vhfoo0";
const QByteArray NoCode = "error: no position code";
const QByteArray Damaged = "error: damaged code";

// A code written bit by bit, independently of the library: side to move (w or b), count, the
// records in the order given ("ke8 Ke1": case gives the colour, x and y stand for the piece codes
// 6 and 7), then the en-passant flag and the value.
QByteArray CraftCode(const char *side, const QByteArray &records, int enPassantValue = 0)
{
    QByteArray bits;
    const auto add = [&bits](int value, int width) {
        for (int i = width - 1; i >= 0; --i)
            bits += (value >> i) & 1 ? '1' : '0';
    };
    const QByteArrayList words = records.split(' ');
    add(side[0] == 'b', 1);
    add(static_cast<int>(words.size()) - 1, 5);
    for (const QByteArray &word : words) {
        add(8 * ('8' - word[2]) + word[1] - 'a', 6);
        add(word[0] >= 'a', 1);
        add(static_cast<int>(QByteArray("prnbqkxy").indexOf(word[0] | 0x20)), 3);
    }
    add(1, 1);
    add(enPassantValue, 7);
    while (bits.size() % 5 != 0)
        bits += '0';
    QByteArray code = "CHESS-CODE:";
    for (qsizetype i = 0; i < bits.size(); i += 5)
        code += "0123456789abcdefghijklmnopqrstuv"[bits.mid(i, 5).toInt(nullptr, 2)];
    return code;
}

struct Answer {
    bool finished = false;
    bool crashed = false;
    int exitCode = -1;
    QByteArrayList lines;
    QByteArray errors;
};

// Runs the tool; a text that cannot be an argument (NUL bytes, megabytes) goes to its standard
// input, where the tool reads it as one line.
Answer RunTool(const QStringList &arguments, const QByteArray &input = {})
{
    QProcess tool;
    tool.start(QStringLiteral(CORVALEN_CODE_TOOL), arguments);
    Answer answer;
    tool.write(input);
    tool.closeWriteChannel();
    answer.finished = tool.waitForFinished(HangMilliseconds);
    if (!answer.finished) {
        tool.kill();
        tool.waitForFinished();
        return answer;
    }
    answer.crashed = tool.exitStatus() == QProcess::CrashExit;
    answer.exitCode = tool.exitCode();
    QByteArray output = tool.readAllStandardOutput();
    if (output.endsWith('\n'))
        output.chop(1);
    answer.lines = output.split('\n');
    answer.errors = tool.readAllStandardError();
    return answer;
}

Answer Ask(const QString &subcommand, const QByteArray &text)
{
    if (text.contains('\0') || text.size() > 100000)
        return RunTool({ subcommand }, text);
    return RunTool({ subcommand, QString::fromUtf8(text) });
}

} // namespace

class tst_MalformedTool : public QObject {
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
    void truncatedCodes();
};

// text, and what fen and moves answer; status answers "none" or the same error.
void tst_MalformedTool::answers_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("fen");
    QTest::addColumn<QByteArray>("moves");

    const QByteArray kingMoves = "e8d7 e8d8 e8e7 e8f7 e8f8";
    QTest::newRow("empty text") << QByteArray() << NoCode << NoCode;
    QTest::newRow("whitespace only") << QByteArray(" \t \r\n\r\n   \n") << NoCode << NoCode;
    QTest::newRow("prefix alone") << QByteArray("CHESS-CODE:") << Damaged << Damaged;
    // The second prefix's letters become code characters: too few bits for 26 pieces.
    QTest::newRow("prefix twice") << QByteArray("CHESS-CODE:CHESS-CODE:gh6v2o0") << Damaged
                                  << Damaged;
    QTest::newRow("reply marker in front")
        << QByteArray("Re: CHESS-CODE:gh6v2o0") << NoCode << NoCode;
    QTest::newRow("10 MB of e-mail text after the code") << QByteArray("CHESS-CODE:gh6v2o0 ")
            + QByteArray(" Lorem ipsum dolor 12:30 - sit amet.").repeated(300000)
                                                         << TwoKingsFen << kingMoves;
    QTest::newRow("NUL bytes around the prefix")
        << QByteArray("\0CHESS-CODE:\0gh6v2o0\0", 21) << TwoKingsFen << kingMoves;
    QTest::newRow("non-Latin text around the code")
        << QByteArray("Шахматы — CHESS-CODE:gh6v2o0 ♔ 象棋 ſ ß ﬁ ı") << TwoKingsFen << kingMoves;
    QTest::newRow("lower case") << QByteArray("chess-code:gh6v2o0") << TwoKingsFen << kingMoves;
    QTest::newRow("upper case") << QByteArray("CHESS-CODE:GH6V2O0") << TwoKingsFen << kingMoves;

    QTest::newRow("piece code 6") << CraftCode("w", "ke8 Ke1 Xd4") << Damaged << Damaged;
    QTest::newRow("piece code 7") << CraftCode("w", "ke8 Ye1") << Damaged << Damaged;
    QTest::newRow("two records for one square, the later wins")
        << CraftCode("w", "ke8 Ke1 Re1 pe2") << QByteArray("4k3/8/8/8/8/8/4p3/4R3 w - - 0 1")
        << QByteArray("e1a1 e1b1 e1c1 e1d1 e1e2 e1f1 e1g1 e1h1");
    QTest::newRow("no king") << CraftCode("w", "Pe2") << QByteArray("8/8/8/8/8/8/4P3/8 w - - 0 1")
                             << QByteArray("e2e3 e2e4");
    QTest::newRow("three kings") << CraftCode("w", "ke8 Ka1 Ke1")
                                 << QByteArray("4k3/8/8/8/8/8/8/K3K3 w - - 0 1")
                                 << QByteArray("a1a2 a1b1 a1b2 e1d1 e1d2 e1e2 e1f1 e1f2");
    QTest::newRow("pawns on the first and last rows")
        << CraftCode("w", "Pa8 ke8 ph8 pa1 Ke1 Ph1")
        << QByteArray("P3k2p/8/8/8/8/8/8/p3K2P w - - 0 1")
        << QByteArray("e1d1 e1d2 e1e2 e1f1 e1f2 h1h2");
    // Black to move with a white pawn on g5; none of these values names a square a capture
    // could use, and 0, 65 and 127 name no square at all.
    for (int value : { 0, 63, 64, 65, 127 }) {
        QTest::addRow("en-passant value %d", value)
            << CraftCode("b", "ke8 Ke1 Pg5", value) << QByteArray("4k3/8/8/6P1/8/8/8/4K3 b - - 0 1")
            << kingMoves;
    }
}

void tst_MalformedTool::answers()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, fen);
    QFETCH(QByteArray, moves);
    const bool error = fen.startsWith("error: ");
    const QList<QPair<QString, QByteArray>> subcommands = { { QStringLiteral("fen"), fen },
        { QStringLiteral("status"), error ? fen : QByteArray("none") },
        { QStringLiteral("moves"), moves } };
    for (const auto &[subcommand, expected] : subcommands) {
        const Answer answer = Ask(subcommand, text);
        const QByteArray what = subcommand.toLatin1() + ": ";
        QVERIFY2(answer.finished, what + "no answer within a minute");
        QVERIFY2(!answer.crashed, what + "crashed: " + answer.errors);
        QVERIFY2(answer.lines.size() == 1, what + answer.lines.join('|'));
        const QByteArray line = answer.lines.first();
        QVERIFY2(error ? line.startsWith(expected) : line == expected, what + line);
        QCOMPARE(answer.exitCode, error ? 1 : 0);
    }
}

// Every cut of the 78-character start code, one line each: no prefix, then too short for 32
// pieces, then the short form (77) and the full form (78).
void tst_MalformedTool::truncatedCodes()
{
    QByteArrayList lines;
    for (qsizetype length = 0; length <= StartFullCode.size(); ++length)
        lines << StartFullCode.left(length);
    const Answer answer = RunTool({ QStringLiteral("fen") }, lines.join('\n') + '\n');
    QVERIFY(answer.finished);
    QVERIFY2(!answer.crashed, answer.errors);
    QCOMPARE(answer.exitCode, 1);
    QCOMPARE(answer.lines.size(), lines.size());
    for (qsizetype length = 0; length < lines.size(); ++length) {
        const QByteArray expected = length < 11 ? NoCode : length < 77 ? Damaged : StartFen;
        QVERIFY2(answer.lines[length].startsWith(expected), answer.lines[length]);
    }
}

QTEST_GUILESS_MAIN(tst_MalformedTool)
#include "tst_malformedtool.moc"
