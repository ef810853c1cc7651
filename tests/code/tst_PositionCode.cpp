#include <QtTest>

#include <algorithm>
#include <cctype>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "BoardText.h"
#include "code/PositionCode.h"
#include "code/clsDecoder.h"

using namespace corvalen;
using namespace corvalen::testing;

Q_DECLARE_METATYPE(std::string)

namespace {

constexpr int NoFlag = -1;

struct Record {
    int16_t square;
    int16_t colour;
    int16_t piece;
};

// "ke8 Pe4 Ke1": one record per word, the letter's case gives the colour.
std::vector<Record> RecordsFromText(std::string_view text)
{
    std::vector<Record> records;
    for (size_t i = 0; i + 3 <= text.size(); i += 4) {
        const char letter = text[i];
        records.push_back({ SquareFromName(text.substr(i + 1, 2)),
            static_cast<int16_t>(letter >= 'a' ? Black : White), PieceFromLetter(letter) });
    }
    return records;
}

// Code characters laid out field by field, records in the order given. Without a flag the code
// ends after the records (the short form).
std::string CodeFromRecords(
    int side, const std::vector<Record> &records, int flag = NoFlag, int value = 0)
{
    clsDecoder bits;
    bits.AddBits(side, 1);
    bits.AddBits(static_cast<int32_t>(records.size()) - 1, 5);
    for (const Record &record : records) {
        bits.AddBits(record.square, 6);
        bits.AddBits(record.colour, 1);
        bits.AddBits(record.piece, 3);
    }
    if (flag != NoFlag) {
        bits.AddBits(flag, 1);
        bits.AddBits(value, 7);
    }
    return bits.GetBase32();
}

std::string WithoutPrefix(const std::string &text)
{
    return text.starts_with(CodePrefix) ? text.substr(CodePrefix.size()) : text;
}

std::string UpperCase(std::string text)
{
    for (char &c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

void CompareDecoded(const DecodedCode &decoded, const BoardState &expected, int16_t kingSquare)
{
    QCOMPARE(decoded.damage, CodeDamage::None);
    QCOMPARE(PlacementOf(decoded.board), PlacementOf(expected));
    QCOMPARE(decoded.board.giToMove, expected.giToMove);
    QCOMPARE(decoded.board.miEnPassant, expected.miEnPassant);
    QCOMPARE(decoded.kingSquare, kingSquare);
    QVERIFY(decoded.board == expected);
}

BoardState RandomBoard(std::mt19937 &random, bool withEnPassant)
{
    std::vector<int16_t> squares(64);
    std::iota(squares.begin(), squares.end(), int16_t { 0 });
    std::shuffle(squares.begin(), squares.end(), random);
    const int count = std::uniform_int_distribution<int>(1, MaxCodePieces)(random);
    BoardState board;
    for (int i = 0; i < count; ++i)
        board.PutPiece(squares[static_cast<size_t>(i)],
            static_cast<int16_t>(std::uniform_int_distribution<int>(Pawn, King)(random)),
            static_cast<int16_t>(std::uniform_int_distribution<int>(White, Black)(random)));
    board.giToMove = static_cast<int16_t>(std::uniform_int_distribution<int>(White, Black)(random));
    if (withEnPassant)
        board.miEnPassant
            = static_cast<int16_t>(std::uniform_int_distribution<int>(-1, 63)(random));
    return board;
}

int PieceCount(const BoardState &board)
{
    int count = 0;
    for (int16_t square = 0; square < 64; ++square)
        count += board.IsEmpty(square) ? 0 : 1;
    return count;
}

// The king the decoder must report for a board encoded in ascending order: the highest square.
int16_t LastKingOf(const BoardState &board)
{
    for (int16_t square = 63; square >= 0; --square)
        if (board.Piece(square) == King && board.Colour(square) == board.giToMove)
            return square;
    return NoSquare;
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
    void shortForm();
    void recordOrder_data();
    void recordOrder();
    void duplicates_data();
    void duplicates();
    void truncation();
    void unknownPiece_data();
    void unknownPiece();
    void dirtyText_data();
    void dirtyText();
};

void TestPositionCode::golden_data()
{
    QTest::addColumn<QString>("placement");
    QTest::addColumn<int>("side");
    QTest::addColumn<QString>("enPassant");
    QTest::addColumn<QString>("code");

    QTest::newRow("two kings") << "4k3/8/8/8/8/8/8/4K3" << int { Black } << ""
                               << "gh6v2o0";
    QTest::newRow("kings, pawn and en passant") << "4k3/8/8/8/4P3/8/8/4K3" << int { Black } << "e3"
                                                << "h16p0f2qq";
}

void TestPositionCode::golden()
{
    QFETCH(QString, placement);
    QFETCH(int, side);
    QFETCH(QString, enPassant);
    QFETCH(QString, code);

    const BoardState board = BoardFromPlacement(placement.toStdString(), static_cast<int16_t>(side),
        SquareFromName(enPassant.toStdString()));
    QCOMPARE(QString::fromStdString(EncodePositionCode(board, static_cast<int16_t>(side))),
        "CHESS-CODE:" + code);
    CompareDecoded(DecodePositionCode(code.toStdString()), board, SquareFromName("e8"));
    if (QTest::currentTestFailed())
        return;
    CompareDecoded(DecodePositionCode(code.toUpper().toStdString()), board, SquareFromName("e8"));
}

void TestPositionCode::startingCode()
{
    const BoardState start = BoardFromPlacement("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR");
    QCOMPARE(StartingCode.size(), size_t { 66 });
    CompareDecoded(DecodePositionCode(StartingCode), start, SquareFromName("e1"));
    if (QTest::currentTestFailed())
        return;

    const std::string full = EncodePositionCode(start, White);
    QCOMPARE(full.size(), CodePrefix.size() + 67);
    QCOMPARE(QString::fromStdString(UpperCase(WithoutPrefix(full)).substr(0, 65)),
        QString::fromLatin1(StartingCode.data(), 65));
}

void TestPositionCode::enPassantField_data()
{
    QTest::addColumn<int>("flag");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("square");

    QTest::newRow("flag 0 hides a value") << 0 << 45 << "";
    QTest::newRow("value 0 is none") << 1 << 0 << "";
    QTest::newRow("value 1 is a8") << 1 << 1 << "a8";
    QTest::newRow("value 45 is e3") << 1 << 45 << "e3";
    QTest::newRow("value 63 is g1") << 1 << 63 << "g1";
    QTest::newRow("value 64 is h1") << 1 << 64 << "h1";
    for (int value = 65; value <= 127; ++value)
        QTest::addRow("value %d is none", value) << 1 << value << "";
}

void TestPositionCode::enPassantField()
{
    QFETCH(int, flag);
    QFETCH(int, value);
    QFETCH(QString, square);

    const auto kings = RecordsFromText("ke8 Ke1");
    const int16_t expected = SquareFromName(square.toStdString());
    const DecodedCode decoded = DecodePositionCode(CodeFromRecords(White, kings, flag, value));
    CompareDecoded(
        decoded, BoardFromPlacement("4k3/8/8/8/8/8/8/4K3", White, expected), SquareFromName("e1"));

    if (expected != NoSquare || value == 0) {
        // The encoder writes the flag and the square + 1 in the last eight bits.
        clsDecoder bits;
        bits.SetBase32(WithoutPrefix(EncodePositionCode(decoded.board, White)));
        QCOMPARE(bits.BitCount(), 35);
        QCOMPARE(bits.GetBits(27, 1), 1);
        QCOMPARE(bits.GetBits(28, 7), value);
    }
}

void TestPositionCode::randomRoundTrip()
{
    std::mt19937 random(20261206);
    for (int i = 0; i < 3000; ++i) {
        const BoardState board = RandomBoard(random, true);
        const std::string text = EncodePositionCode(board, board.giToMove);
        QCOMPARE(text.size(), CodePrefix.size() + 2 * PieceCount(board) + 3);
        const std::string code = WithoutPrefix(text);
        QVERIFY(std::all_of(code.begin(), code.end(),
            [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'v'); }));
        CompareDecoded(DecodePositionCode(code), board, LastKingOf(board));
        if (QTest::currentTestFailed()) {
            qWarning("board %s, code %s", PlacementOf(board).c_str(), code.c_str());
            return;
        }
    }
}

void TestPositionCode::shortForm()
{
    std::mt19937 random(7);
    for (int i = 0; i < 500; ++i) {
        const BoardState board = RandomBoard(random, false);
        std::vector<Record> records;
        for (int16_t square = 0; square < 64; ++square)
            if (!board.IsEmpty(square))
                records.push_back({ square, board.Colour(square), board.Piece(square) });
        const std::string code = CodeFromRecords(board.giToMove, records);
        QCOMPARE(code.size(), 2 * records.size() + 2);
        CompareDecoded(DecodePositionCode(code), board, LastKingOf(board));
        if (QTest::currentTestFailed())
            return;
    }
}

void TestPositionCode::recordOrder_data()
{
    QTest::addColumn<std::string>("records");

    QTest::newRow("ascending") << std::string("ke8 Pe4 Ke1 nb1");
    QTest::newRow("descending") << std::string("Ke1 nb1 Pe4 ke8");
    QTest::newRow("kings first") << std::string("ke8 Ke1 nb1 Pe4");
    QTest::newRow("kings last") << std::string("nb1 Pe4 Ke1 ke8");
}

void TestPositionCode::recordOrder()
{
    QFETCH(std::string, records);
    const DecodedCode decoded
        = DecodePositionCode(CodeFromRecords(Black, RecordsFromText(records), 1, 45));
    CompareDecoded(
        decoded, BoardFromPlacement("4k3/8/8/8/4P3/8/8/1n2K3", Black, 44), SquareFromName("e8"));
}

void TestPositionCode::duplicates_data()
{
    QTest::addColumn<std::string>("records");
    QTest::addColumn<int>("side");
    QTest::addColumn<QString>("placement");
    QTest::addColumn<QString>("king");

    QTest::newRow("later record for a square wins")
        << std::string("ke8 Pe4 Qe4 Ke1") << int { White } << "4k3/8/8/8/4Q3/8/8/4K3"
        << "e1";
    QTest::newRow("king replaced by a rook leaves no king")
        << std::string("ke8 Ke1 Re8") << int { Black } << "4R3/8/8/8/8/8/8/4K3"
        << "";
    QTest::newRow("king replaced on its square, an earlier king stays")
        << std::string("ke8 kd8 Pd8 Ke1") << int { Black } << "3Pk3/8/8/8/8/8/8/4K3"
        << "e8";
    QTest::newRow("king replaced by its own rook leaves no king")
        << std::string("ke8 Ke1 re8") << int { Black } << "4r3/8/8/8/8/8/8/4K3"
        << "";
    QTest::newRow("king replaced by its own queen, an earlier king stays")
        << std::string("ke8 kd8 qd8 Ke1") << int { Black } << "3qk3/8/8/8/8/8/8/4K3"
        << "e8";
    QTest::newRow("two kings of the side, the later named counts")
        << std::string("kd8 ke8 Ke1") << int { Black } << "3kk3/8/8/8/8/8/8/4K3"
        << "e8";
    QTest::newRow("two kings, the later on the lower square")
        << std::string("ke8 kd8 Ke1") << int { Black } << "3kk3/8/8/8/8/8/8/4K3"
        << "d8";
    QTest::newRow("same king named twice")
        << std::string("ke8 ke8 Ke1") << int { Black } << "4k3/8/8/8/8/8/8/4K3"
        << "e8";
    QTest::newRow("no king of the side to move")
        << std::string("Ke1 Pe4") << int { Black } << "8/8/8/8/4P3/8/8/4K3"
        << "";
}

void TestPositionCode::duplicates()
{
    QFETCH(std::string, records);
    QFETCH(int, side);
    QFETCH(QString, placement);
    QFETCH(QString, king);

    const DecodedCode decoded
        = DecodePositionCode(CodeFromRecords(side, RecordsFromText(records), 1, 0));
    CompareDecoded(decoded, BoardFromPlacement(placement.toStdString(), static_cast<int16_t>(side)),
        SquareFromName(king.toStdString()));
}

void TestPositionCode::truncation()
{
    const BoardState board = BoardFromPlacement(
        "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR", Black, SquareFromName("e3"));
    const std::string code = WithoutPrefix(EncodePositionCode(board, Black));
    QCOMPARE(code.size(), size_t { 67 });

    for (size_t length = 0; length <= code.size(); ++length) {
        const DecodedCode decoded = DecodePositionCode(code.substr(0, length));
        const bool enoughBits = 5 * length >= 10 * 32 + 6;
        QVERIFY2(decoded.IsDamaged() != enoughBits, qPrintable(QString::number(length)));
        if (!enoughBits) {
            QCOMPARE(decoded.damage, CodeDamage::TooShort);
            QVERIFY(!decoded.reason.empty());
            QCOMPARE(decoded.kingSquare, NoSquare);
            QVERIFY(decoded.board == BoardState {});
            continue;
        }
        QCOMPARE(PlacementOf(decoded.board), PlacementOf(board));
        QCOMPARE(decoded.board.giToMove, Black);
        QCOMPARE(decoded.kingSquare, SquareFromName("e8"));
        if (length == code.size())
            QCOMPARE(decoded.board.miEnPassant, SquareFromName("e3"));
    }

    const DecodedCode kingsCut = DecodePositionCode("gh6v2");
    QCOMPARE(kingsCut.damage, CodeDamage::TooShort);
    QVERIFY(QString::fromStdString(kingsCut.reason).contains("26"));
    QCOMPARE(DecodePositionCode("gh6v2o").damage, CodeDamage::None);
    QCOMPARE(DecodePositionCode("").damage, CodeDamage::TooShort);
    QCOMPARE(DecodePositionCode("-:wxyz").damage, CodeDamage::TooShort);
}

void TestPositionCode::unknownPiece_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("piece");

    QTest::newRow("piece code 6 in the first record") << 0 << 6;
    QTest::newRow("piece code 7 in the last record") << 2 << 7;
    QTest::newRow("piece code 7 overwritten by a later record") << 1 << 7;
}

void TestPositionCode::unknownPiece()
{
    QFETCH(int, index);
    QFETCH(int, piece);

    // The record at `index` gets the unknown code; record 2 names record 1's square again.
    std::vector<Record> records = RecordsFromText("ke8 Pe4 Qe4");
    records.push_back(RecordsFromText("Ke1")[0]);
    records[static_cast<size_t>(index)].piece = static_cast<int16_t>(piece);
    const DecodedCode decoded = DecodePositionCode(CodeFromRecords(White, records, 1, 0));
    QCOMPARE(decoded.damage, CodeDamage::UnknownPiece);
    QVERIFY(decoded.IsDamaged());
    QVERIFY(QString::fromStdString(decoded.reason).contains(QString::number(piece)));
    QCOMPARE(decoded.kingSquare, NoSquare);
}

void TestPositionCode::dirtyText_data()
{
    QTest::addColumn<std::string>("text");
    QTest::addColumn<std::string>("clean");

    const std::string start(StartingCode);
    const std::string megabyte(1 << 20, 'x');
    std::string signature;
    while (signature.size() < (1u << 20))
        signature += "-- Best regards, Anna. Sent at 12:30 from my phone.\n";
    std::string base32;
    std::mt19937 random(3);
    while (base32.size() < (1u << 20))
        base32 += "0123456789ABCDEFGHIJKLMNOPQRSTUV"[random() % 32];

    QTest::newRow("hyphens inside") << std::string("gh-6v2-o0") << std::string("gh6v2o0");
    QTest::newRow("colons and W to Z inside")
        << std::string("gh:6wv2x:o0yz") << std::string("gh6v2o0");
    QTest::newRow("time of day after")
        << std::string("h16p0f2qq 12:30") << std::string("h16p0f2qq");
    QTest::newRow("signature after")
        << std::string("h16p0f2qq\n-- \nBest regards, Anna") << std::string("h16p0f2qq");
    QTest::newRow("letters after the short form") << start + "ANNA" << start;
    QTest::newRow("1 MB of signature after a full code")
        << "h16p0f2qq" + signature << std::string("h16p0f2qq");
    QTest::newRow("1 MB of base-32 after the starting code") << start + base32 << start;
    QTest::newRow("1 MB of base-32 alone") << base32 << base32.substr(0, 70);
    QTest::newRow("1 MB of skipped characters alone") << megabyte << std::string();
}

void TestPositionCode::dirtyText()
{
    QFETCH(std::string, text);
    QFETCH(std::string, clean);

    const DecodedCode dirty = DecodePositionCode(text);
    const DecodedCode expected = DecodePositionCode(clean);
    QCOMPARE(dirty.damage, expected.damage);
    QCOMPARE(PlacementOf(dirty.board), PlacementOf(expected.board));
    QVERIFY(dirty.board == expected.board);
    QCOMPARE(dirty.kingSquare, expected.kingSquare);
}

QTEST_APPLESS_MAIN(TestPositionCode)
#include "tst_PositionCode.moc"
