#include <QtTest>

#include <random>
#include <string>
#include <vector>

#include "code/PositionCode.h"
#include "code/clsDecoder.h"
#include "rules/Fen.h"

using namespace corvalen;

namespace {

struct Record {
    int16_t square;
    int16_t colour;
    int16_t piece;
};

int16_t Square(const QString &name)
{
    return name.size() == 2 ? SquareAt('8' - name[1].toLatin1(), name[0].toLatin1() - 'a')
                            : NoSquare;
}

// A board as the decoder leaves it (check flag clear), from FEN.
BoardState Board(const QString &fen)
{
    std::string error;
    std::optional<BoardState> board = BoardFromFen(fen.toStdString(), error);
    if (!board)
        qFatal("bad FEN in test: %s", error.c_str());
    board->mbInCheck = false;
    return *board;
}

// "ke8 Pe4 Ke1": one record per word, the letter's case gives the colour.
std::vector<Record> Records(const QString &text)
{
    std::vector<Record> records;
    for (const QString &word : text.split(' '))
        records.push_back({ Square(word.mid(1)), static_cast<int16_t>(word[0].isLower()),
            static_cast<int16_t>(QStringLiteral("prnbqk").indexOf(word[0].toLower())) });
    return records;
}

// Code characters laid out field by field, with the en-passant flag and value at the end.
std::string Code(int side, const std::vector<Record> &records, int flag = 1, int value = 0)
{
    clsDecoder bits;
    bits.AddBits(side, 1);
    bits.AddBits(static_cast<int32_t>(records.size()) - 1, 5);
    for (const Record &record : records) {
        bits.AddBits(record.square, 6);
        bits.AddBits(record.colour, 1);
        bits.AddBits(record.piece, 3);
    }
    bits.AddBits(flag, 1);
    bits.AddBits(value, 7);
    return bits.GetBase32();
}

QString FenOf(const BoardState &board)
{
    return QString::fromStdString(FenFromBoard(board));
}

void CompareDecoded(const DecodedCode &decoded, const BoardState &expected, int16_t kingSquare)
{
    QCOMPARE(decoded.damage, CodeDamage::None);
    QCOMPARE(FenOf(decoded.board), FenOf(expected));
    QCOMPARE(decoded.board.miEnPassant, expected.miEnPassant);
    QCOMPARE(decoded.kingSquare, kingSquare);
    QVERIFY(decoded.board == expected);
}

} // namespace

class TestPositionCode : public QObject {
    Q_OBJECT
private slots:
    void golden_data();
    void golden();
    void startingCode();
    void enPassantField_data();
    void enPassantField();
    void randomRoundTrip();
    void records_data();
    void records();
    void damaged();
    void dirtyText();
};

void TestPositionCode::golden_data()
{
    QTest::addColumn<QString>("board");
    QTest::addColumn<QString>("code");
    QTest::newRow("two kings") << "4k3/8/8/8/8/8/8/4K3 b" << QString("gh6v2o0");
    QTest::newRow("pawn and en passant") << "4k3/8/8/8/4P3/8/8/4K3 b - e3" << QString("h16p0f2qq");
}

void TestPositionCode::golden()
{
    QFETCH(QString, board);
    QFETCH(QString, code);
    QCOMPARE(QString::fromStdString(EncodePositionCode(Board(board), Black)), "CHESS-CODE:" + code);
    CompareDecoded(DecodePositionCode(code.toStdString()), Board(board), Square("e8"));
    CompareDecoded(DecodePositionCode(code.toUpper().toStdString()), Board(board), Square("e8"));
}

void TestPositionCode::startingCode()
{
    const BoardState start = Board("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR");
    QCOMPARE(StartingCode.size(), size_t { 66 });
    CompareDecoded(DecodePositionCode(StartingCode), start, Square("e1"));
    // The full form adds the en-passant field; the 66th character holds bits of both.
    const QString full = QString::fromStdString(EncodePositionCode(start, White));
    QCOMPARE(full.size(), CodePrefix.size() + 67);
    QCOMPARE(full.mid(11, 65).toUpper(), QString::fromLatin1(StartingCode.data(), 65));
}

void TestPositionCode::enPassantField_data()
{
    QTest::addColumn<int>("flag");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("square");
    QTest::newRow("flag 0 hides a value") << 0 << 45 << "-";
    QTest::newRow("value 0 is none") << 1 << 0 << "-";
    QTest::newRow("value 1 is a8") << 1 << 1 << "a8";
    QTest::newRow("value 64 is h1") << 1 << 64 << "h1";
    QTest::newRow("value 65 is none") << 1 << 65 << "-";
}

void TestPositionCode::enPassantField()
{
    QFETCH(int, flag);
    QFETCH(int, value);
    QFETCH(QString, square);
    CompareDecoded(DecodePositionCode(Code(White, Records("ke8 Ke1"), flag, value)),
        Board("4k3/8/8/8/8/8/8/4K3 w - " + square), Square("e1"));
}

// Random boards through the full form and through the short form (the code cut after the
// records), which carries no en-passant square.
void TestPositionCode::randomRoundTrip()
{
    std::mt19937 random(20261206);
    const auto pick = [&random](int low, int high) {
        return static_cast<int16_t>(std::uniform_int_distribution<int>(low, high)(random));
    };
    for (int i = 0; i < 3000; ++i) {
        BoardState board;
        for (int pieces = pick(1, MaxCodePieces); pieces > 0; --pieces)
            board.PutPiece(pick(0, 63), pick(Pawn, King), pick(White, Black));
        board.giToMove = pick(White, Black);
        board.miEnPassant = pick(-1, 63);
        int16_t king = NoSquare; // ascending records: the king on the highest square counts
        for (int16_t square = 0; square < 64; ++square)
            if (board.Piece(square) == King && board.Colour(square) == board.giToMove)
                king = square;

        const std::string code
            = EncodePositionCode(board, board.giToMove).substr(CodePrefix.size());
        CompareDecoded(DecodePositionCode(code), board, king);
        clsDecoder bits, shortForm;
        bits.SetBase32(code);
        for (int32_t position = 1; position <= bits.BitCount() - 9; ++position)
            shortForm.AddBits(bits.GetBits(position, 1), 1);
        board.miEnPassant = NoSquare;
        CompareDecoded(DecodePositionCode(shortForm.GetBase32()), board, king);
        if (QTest::currentTestFailed()) {
            qWarning("code %s", code.c_str());
            return;
        }
    }
}

// Records in any order; for a square named twice the later record wins, and the king reported
// is the last-named king of the side to move that still stands on its square.
void TestPositionCode::records_data()
{
    QTest::addColumn<QString>("records");
    QTest::addColumn<QString>("board");
    QTest::addColumn<QString>("king");
    const auto row
        = [](const char *name, const char *records, const char *board, const char *king) {
              QTest::newRow(name) << QString(records) << QString(board) << QString(king);
          };
    row("descending order", "Ke1 nb1 Pe4 ke8", "4k3/8/8/8/4P3/8/8/1n2K3 b", "e8");
    row("later record for a square wins", "ke8 Pe4 Qe4 Ke1", "4k3/8/8/8/4Q3/8/8/4K3 b", "e8");
    row("king replaced by its own rook", "ke8 Ke1 re8", "4r3/8/8/8/8/8/8/4K3 b", "");
    row("king replaced, an earlier king stays", "ke8 kd8 Pd8 Ke1", "3Pk3/8/8/8/8/8/8/4K3 b", "e8");
    row("two kings, the later on the lower square", "ke8 kd8 Ke1", "3kk3/8/8/8/8/8/8/4K3 b", "d8");
    row("no king of the side to move", "Ke1 Pe4", "8/8/8/8/4P3/8/8/4K3 b", "");
}

void TestPositionCode::records()
{
    QFETCH(QString, records);
    QFETCH(QString, board);
    QFETCH(QString, king);
    CompareDecoded(DecodePositionCode(Code(Black, Records(records))), Board(board), Square(king));
}

void TestPositionCode::damaged()
{
    // Every cut of a 32-piece code: too short until the records are complete.
    const std::string code
        = EncodePositionCode(Board("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b - e3"), Black)
              .substr(CodePrefix.size());
    for (size_t length = 0; length <= code.size(); ++length) {
        const DecodedCode decoded = DecodePositionCode(code.substr(0, length));
        const bool tooShort = 5 * length < 10 * 32 + 6;
        QVERIFY2(decoded.IsDamaged() == tooShort, qPrintable(QString::number(length)));
        QCOMPARE(decoded.kingSquare, tooShort ? NoSquare : Square("e8"));
        if (tooShort) {
            QCOMPARE(decoded.damage, CodeDamage::TooShort);
            QVERIFY(!decoded.reason.empty());
            QVERIFY(decoded.board == BoardState {});
        }
    }
    // Piece code 6 in the first record; 7 in a record that a later one overwrites.
    for (const auto &[index, piece] : { std::pair { 0, 6 }, std::pair { 1, 7 } }) {
        std::vector<Record> records = Records("ke8 Pe4 Qe4 Ke1");
        records[static_cast<size_t>(index)].piece = static_cast<int16_t>(piece);
        const DecodedCode decoded = DecodePositionCode(Code(White, records));
        QCOMPARE(decoded.damage, CodeDamage::UnknownPiece);
        QVERIFY(QString::fromStdString(decoded.reason).contains(QString::number(piece)));
        QCOMPARE(decoded.kingSquare, NoSquare);
    }
}

// Characters outside the alphabet are skipped; text after a complete code changes nothing.
void TestPositionCode::dirtyText()
{
    std::string signature;
    while (signature.size() < (1u << 20))
        signature += "-- Best regards, Anna. Sent at 12:30 from my phone.\n";
    CompareDecoded(
        DecodePositionCode("gh-6:wv2x\n:o0yz"), Board("4k3/8/8/8/8/8/8/4K3 b"), Square("e8"));
    CompareDecoded(DecodePositionCode("h16p0f2qq" + signature),
        Board("4k3/8/8/8/4P3/8/8/4K3 b - e3"), Square("e8"));
}

QTEST_APPLESS_MAIN(TestPositionCode)
#include "tst_PositionCode.moc"
