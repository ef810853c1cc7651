#include <QProcess>
#include <QtTest>

#include <initializer_list>

// Untrusted pasted texts through the companion tool's real executable: every text gets one
// answer line (a position or "error: " and a reason) and the tool neither crashes nor hangs.

namespace {

constexpr int HangMilliseconds = 60000;

const QByteArray TwoKingsFen = "4k3/8/8/8/8/8/8/4K3 b - - 0 1";
const QByteArray StartFen = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";
// The starting position in the full form the encoder writes: 78 characters.
const QByteArray StartFullCode = "CHESS-CODE:fg4gd0lgu16hdhl1si42c2k2s343c3k3sc0c8cgcod0d8dgdoe0u9"
                                 "ehuqf2v9vhfoo0";
const QByteArray Error = "error: ";
const QByteArray NoCode = "error: no position code";
const QByteArray Damaged = "error: damaged code";

struct Record {
    const char *square; // "e8"
    int colour; // 0 White, 1 Black
    int piece; // 0 pawn .. 5 king, 6 and 7 no piece at all
};

// A code written bit by bit, independently of the library: side to move, count, the records in
// the order given, then the en-passant flag and field when `enPassantField` is not negative.
QByteArray CraftCode(int side, std::initializer_list<Record> records, int enPassantField = -1)
{
    QByteArray bits;
    const auto add = [&bits](int value, int width) {
        for (int i = width - 1; i >= 0; --i)
            bits += (value >> i) & 1 ? '1' : '0';
    };
    add(side, 1);
    add(static_cast<int>(records.size()) - 1, 5);
    for (const Record &record : records) {
        const int column = record.square[0] - 'a';
        const int row = 8 - (record.square[1] - '0');
        add(8 * row + column, 6);
        add(record.colour, 1);
        add(record.piece, 3);
    }
    if (enPassantField >= 0) {
        add(1, 1);
        add(enPassantField, 7);
    }
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
Answer RunTool(const QStringList &arguments, const QByteArray &input = {}, bool viaInput = false)
{
    QProcess tool;
    tool.start(QStringLiteral(CORVALEN_CODE_TOOL), arguments);
    Answer answer;
    if (!tool.waitForStarted())
        return answer;
    if (viaInput)
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
    const bool viaInput = text.contains('\0') || text.size() > 100000;
    if (viaInput)
        return RunTool({ subcommand }, text, true);
    return RunTool({ subcommand, QString::fromUtf8(text) });
}

QByteArray Repeat(const QByteArray &piece, qsizetype totalSize)
{
    return piece.repeated(totalSize / piece.size());
}

constexpr qsizetype TenMegabytes = 10 * 1024 * 1024;

} // namespace

class tst_MalformedTool : public QObject {
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
    void truncatedCodes_data();
    void truncatedCodes();
    void batchAnswersEveryLine();
};

// text, and what fen, status and moves answer; an error answer is compared by its beginning.
void tst_MalformedTool::answers_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("fen");
    QTest::addColumn<QByteArray>("status");
    QTest::addColumn<QByteArray>("moves");

    const QByteArray kings = CraftCode(1, { { "e8", 1, 5 }, { "e1", 0, 5 } }, 0);
    const QByteArray kingMoves = "e8d7 e8d8 e8e7 e8f7 e8f8";
    QTest::newRow("worked example")
        << QByteArray("CHESS-CODE:gh6v2o0") << TwoKingsFen << QByteArray("none") << kingMoves;
    QTest::newRow("empty text") << QByteArray() << NoCode << NoCode << NoCode;
    QTest::newRow("whitespace only")
        << QByteArray(" \t \r\n\r\n   \n") << NoCode << NoCode << NoCode;
    QTest::newRow("prefix alone") << QByteArray("CHESS-CODE:") << Damaged << Damaged << Damaged;
    QTest::newRow("prefix alone with blanks")
        << QByteArray("  CHESS-CODE:  \n") << Damaged << Damaged << Damaged;
    // The second prefix's letters become code characters: too few bits for 26 pieces.
    QTest::newRow("prefix twice") << QByteArray("CHESS-CODE:CHESS-CODE:gh6v2o0") << Damaged
                                  << Damaged << Damaged;
    QTest::newRow("reply marker in front")
        << QByteArray("Re: CHESS-CODE:gh6v2o0") << NoCode << NoCode << NoCode;
    QTest::newRow("reply line above the code")
        << QByteArray("Re: your move\r\n\r\nCHESS-CODE:gh6v2o0") << NoCode << NoCode << NoCode;
    QTest::newRow("quoted and wrapped") << QByteArray("> CHESS-CODE:gh6\r\n> v2o0\r\n> \r\n")
                                        << TwoKingsFen << QByteArray("none") << kingMoves;
    QTest::newRow("signature with a time after the code")
        << QByteArray("\"CHESS-CODE:gh6v2o0\"\n-- \nBob, 12:30 - 6 Dec") << TwoKingsFen
        << QByteArray("none") << kingMoves;

    QTest::newRow("10 MB of e-mail text after the code")
        << QByteArray("CHESS-CODE:gh6v2o0 ")
            + Repeat(" Lorem ipsum dolor 12:30 - sit amet.", TenMegabytes)
        << TwoKingsFen << QByteArray("none") << kingMoves;
    QTest::newRow("10 MB of blanks and quote marks before the code")
        << Repeat(" >\t", TenMegabytes) + "CHESS-CODE:gh6v2o0" << TwoKingsFen << QByteArray("none")
        << kingMoves;
    // 32 records of "vv": square 63, Black, piece code 7.
    QTest::newRow("10 MB of code characters")
        << QByteArray("CHESS-CODE:") + Repeat("v", TenMegabytes) << Damaged << Damaged << Damaged;

    QTest::newRow("NUL bytes around the prefix") << QByteArray("\0CHESS-CODE:\0gh6v2o0\0", 21)
                                                 << TwoKingsFen << QByteArray("none") << kingMoves;
    QTest::newRow("NUL byte inside the prefix")
        << QByteArray("CHES\0S-CODE:gh6v2o0", 19) << TwoKingsFen << QByteArray("none") << kingMoves;
    QTest::newRow("only NUL bytes") << QByteArray(64, '\0') << NoCode << NoCode << NoCode;
    QTest::newRow("non-Latin text around the code")
        << QByteArray("Шахматы — CHESS-CODE:gh6v2o0 ♔ 象棋") << TwoKingsFen << QByteArray("none")
        << kingMoves;
    QTest::newRow("non-Latin letters with Latin capitals")
        << QByteArray("ſ ß ﬁ ı CHESS-CODE:gh6v2o0") << TwoKingsFen << QByteArray("none")
        << kingMoves;
    QTest::newRow("invalid UTF-8") << QByteArray("\xff\xfe\xc3 CHESS-CODE:gh6v2o0 \xc3")
                                   << TwoKingsFen << QByteArray("none") << kingMoves;

    QTest::newRow("lower case") << QByteArray("chess-code:gh6v2o0") << TwoKingsFen
                                << QByteArray("none") << kingMoves;
    QTest::newRow("upper case") << QByteArray("CHESS-CODE:GH6V2O0") << TwoKingsFen
                                << QByteArray("none") << kingMoves;
    QTest::newRow("mixed case") << QByteArray("Chess-Code:gH6v2O0") << TwoKingsFen
                                << QByteArray("none") << kingMoves;
    QTest::newRow("crafted kings equal the worked example")
        << kings << TwoKingsFen << QByteArray("none") << kingMoves;

    QTest::newRow("piece code 6") << CraftCode(
        0, { { "e8", 1, 5 }, { "e1", 0, 5 }, { "d4", 0, 6 } }, 0)
                                  << Damaged << Damaged << Damaged;
    QTest::newRow("piece code 7") << CraftCode(0, { { "e8", 1, 5 }, { "e1", 0, 7 } }, 0) << Damaged
                                  << Damaged << Damaged;
    QTest::newRow("two records for one square, the later wins")
        << CraftCode(0, { { "e8", 1, 5 }, { "e1", 0, 5 }, { "e1", 0, 1 }, { "e2", 1, 0 } }, 0)
        << QByteArray("4k3/8/8/8/8/8/4p3/4R3 w - - 0 1") << QByteArray("none")
        << QByteArray("e1a1 e1b1 e1c1 e1d1 e1e2 e1f1 e1g1 e1h1");
    QTest::newRow("no king") << CraftCode(0, { { "e2", 0, 0 } }, 0)
                             << QByteArray("8/8/8/8/8/8/4P3/8 w - - 0 1") << QByteArray("none")
                             << QByteArray("e2e3 e2e4");
    QTest::newRow("no king of the side to move, in reach of a rook")
        << CraftCode(0, { { "e8", 1, 5 }, { "e1", 1, 1 }, { "e2", 0, 0 } }, 0)
        << QByteArray("4k3/8/8/8/8/8/4P3/4r3 w - - 0 1") << QByteArray("none")
        << QByteArray("e2e3 e2e4");
    QTest::newRow("three kings") << CraftCode(0, { { "e8", 1, 5 }, { "a1", 0, 5 }, { "e1", 0, 5 } },
        0) << QByteArray("4k3/8/8/8/8/8/8/K3K3 w - - 0 1")
                                 << QByteArray("none")
                                 << QByteArray("a1a2 a1b1 a1b2 e1d1 e1d2 e1e2 e1f1 e1f2");
    const std::initializer_list<Record> edgePawns = { { "a8", 0, 0 }, { "e8", 1, 5 },
        { "h8", 1, 0 }, { "a1", 1, 0 }, { "e1", 0, 5 }, { "h1", 0, 0 } };
    QTest::newRow("pawns on the first and last rows, White to move")
        << CraftCode(0, edgePawns, 0) << QByteArray("P3k2p/8/8/8/8/8/8/p3K2P w - - 0 1")
        << QByteArray("none") << QByteArray("e1d1 e1d2 e1e2 e1f1 e1f2 h1h2");
    QTest::newRow("pawns on the first and last rows, Black to move")
        << CraftCode(1, edgePawns, 0) << QByteArray("P3k2p/8/8/8/8/8/8/p3K2P b - - 0 1")
        << QByteArray("none") << QByteArray("e8d7 e8d8 e8e7 e8f7 e8f8 h8h7");

    // Black to move with a white pawn on g5; none of these values names a square a capture
    // could use, and 0, 65 and 127 name no square at all.
    for (int value : { 0, 63, 64, 65, 127 }) {
        QTest::addRow("en-passant value %d", value)
            << CraftCode(1, { { "e8", 1, 5 }, { "e1", 0, 5 }, { "g5", 0, 0 } }, value)
            << QByteArray("4k3/8/8/6P1/8/8/8/4K3 b - - 0 1") << QByteArray("none")
            << QByteArray("e8d7 e8d8 e8e7 e8f7 e8f8");
    }
    QTest::newRow("en-passant value 45, behind a pawn that stepped two rows")
        << QByteArray("CHESS-CODE:h16p0f2qq") << QByteArray("4k3/8/8/8/4P3/8/8/4K3 b - e3 0 1")
        << QByteArray("none") << QByteArray("e8d7 e8d8 e8e7 e8f7 e8f8");
    QTest::newRow("en-passant value 45 with a black pawn beside")
        << CraftCode(1, { { "e8", 1, 5 }, { "d4", 1, 0 }, { "e4", 0, 0 }, { "e1", 0, 5 } }, 45)
        << QByteArray("4k3/8/8/8/3pP3/8/8/4K3 b - e3 0 1") << QByteArray("none")
        << QByteArray("d4d3 d4e3 e8d7 e8d8 e8e7 e8f7 e8f8");
}

void tst_MalformedTool::answers()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, fen);
    QFETCH(QByteArray, status);
    QFETCH(QByteArray, moves);
    const QList<QPair<QString, QByteArray>> subcommands = { { QStringLiteral("fen"), fen },
        { QStringLiteral("status"), status }, { QStringLiteral("moves"), moves } };
    for (const auto &[subcommand, expected] : subcommands) {
        const Answer answer = Ask(subcommand, text);
        const QByteArray what = subcommand.toLatin1() + ": ";
        QVERIFY2(answer.finished, what + "no answer within a minute");
        QVERIFY2(!answer.crashed, what + "crashed: " + answer.errors);
        QVERIFY2(answer.lines.size() == 1, what + answer.lines.join('|'));
        const QByteArray line = answer.lines.first();
        if (expected.startsWith(Error)) {
            QVERIFY2(line.startsWith(expected), what + line);
            QCOMPARE(answer.exitCode, 1);
        } else {
            QVERIFY2(answer.exitCode == 0, what + line + answer.errors);
            QCOMPARE(line, expected);
        }
    }
}

// Every cut of the 78-character start code: no prefix, then too short for 32 pieces, then the
// short form (77) and the full form (78).
void tst_MalformedTool::truncatedCodes_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("fen");
    QCOMPARE(StartFullCode.size(), 78);
    for (qsizetype length = 0; length <= StartFullCode.size(); ++length) {
        QTest::addRow("first %d characters", static_cast<int>(length))
            << StartFullCode.left(length)
            << (length < 11          ? NoCode
                       : length < 77 ? Damaged
                                     : StartFen);
    }
}

void tst_MalformedTool::truncatedCodes()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, fen);
    const Answer answer = Ask(QStringLiteral("fen"), text);
    QVERIFY(answer.finished);
    QVERIFY2(!answer.crashed, answer.errors);
    QCOMPARE(answer.lines.size(), 1);
    if (fen.startsWith(Error)) {
        QVERIFY2(answer.lines.first().startsWith(fen), answer.lines.first());
        QCOMPARE(answer.exitCode, 1);
    } else {
        QCOMPARE(answer.lines.first(), fen);
        QCOMPARE(answer.exitCode, 0);
    }
}

// One process reads many malformed lines: each gets its own answer line, in order, and one bad
// line does not spoil the next.
void tst_MalformedTool::batchAnswersEveryLine()
{
    QByteArrayList lines;
    QByteArrayList expected;
    for (qsizetype length = 0; length <= StartFullCode.size(); ++length) {
        lines << StartFullCode.left(length);
        expected << (length < 11 ? NoCode : length < 77 ? Damaged : StartFen);
        lines << "CHESS-CODE:gh6v2o0";
        expected << TwoKingsFen;
    }
    lines << QByteArray("\0\0CHESS-CODE:GH6V2O0\0", 21) << "Re: CHESS-CODE:gh6v2o0"
          << "CHESS-CODE:" + QByteArray(200000, 'v') << "> chess-code:gh6v2o0 ";
    expected << TwoKingsFen << NoCode << Damaged << TwoKingsFen;

    const Answer answer = RunTool({ QStringLiteral("fen") }, lines.join('\n') + '\n', true);
    QVERIFY(answer.finished);
    QVERIFY2(!answer.crashed, answer.errors);
    QCOMPARE(answer.exitCode, 1);
    QCOMPARE(answer.lines.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        if (expected[i].startsWith(Error))
            QVERIFY2(answer.lines[i].startsWith(expected[i]), answer.lines[i]);
        else
            QCOMPARE(answer.lines[i], expected[i]);
    }
}

QTEST_GUILESS_MAIN(tst_MalformedTool)
#include "tst_malformedtool.moc"
