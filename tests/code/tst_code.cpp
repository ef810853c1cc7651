#include <QTest>

#include <random>

#include "Support.h"
#include "code/CodeText.h"

using namespace corvalen;
using namespace corvalen::testing;
using B = QByteArray;

class TestCode : public QObject {
    Q_OBJECT

private slots:
    // Code characters and the position they decode to ("FEN; king square" or the damage). The
    // golden rows are also what the encoder writes for that position.
    void decode_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("decoded");
        QTest::addColumn<bool>("golden");
        const auto raw = [](int side, const char *records, int flag = 1, int value = 0) {
            return QString::fromStdString(RawCode(side, records, flag, value));
        };
        const QString pawns = "4k3/8/8/3pP3/8/8/8/4K3 w - ",
                      kings = "4k3/8/8/8/8/8/8/4K3 b - - 0 1; e8";
        Row("two kings", "gh6v2o0", kings, true);
        Row("pawn and en passant", "h16p0f2qq", "4k3/8/8/8/4P3/8/8/4K3 b - e3 0 1; e8", true);
        Row("starting position in full",
            "fg4gd0lgu16hdhl1si42c2k2s343c3k3sc0c8cgcod0d8dgdoe0u9ehuqf2v9vhfoo0",
            "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1; e1", true);
        Row("starting code, short form, upper case", QString::fromLatin1(StartingCode.data()),
            "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1; e1", false);
        Row("ep flag 0 hides a value", raw(0, "ke8 Ke1 pd5 Pe5", 0, 20), pawns + "- 0 1; e1",
            false);
        Row("ep value 20 is d6", raw(0, "ke8 Ke1 pd5 Pe5", 1, 20), pawns + "d6 0 1; e1", false);
        Row("ep value 65 is none", raw(0, "ke8 Ke1 pd5 Pe5", 1, 65), pawns + "- 0 1; e1", false);
        Row("descending records", raw(1, "Ke1 nb1 Pe4 ke8"),
            "4k3/8/8/8/4P3/8/8/1n2K3 b - - 0 1; e8", false);
        Row("later record for a square wins", raw(0, "Ke1 ke8 Pe4 Qe4"),
            "4k3/8/8/8/4Q3/8/8/4K3 w - - 0 1; e1", false);
        Row("king replaced by its own rook", raw(1, "ke8 Ke1 re8"),
            "4r3/8/8/8/8/8/8/4K3 b - - 0 1; -", false);
        Row("two kings, the later named", raw(1, "ke8 kd8 Ke1"),
            "3kk3/8/8/8/8/8/8/4K3 b - - 0 1; d8", false);
        Row("characters outside the alphabet skipped", "gh-6:wv2x\n:o0yz", kings, false);
        Row("a megabyte of signature after the code",
            "GH6V2O0" + QString("-- Anna, 12:30.\n").repeated(1 << 16), kings, false);
        Row("empty", "", "damaged: the code is empty", false);
        Row("cut short", "gh6v",
            "damaged: the code is cut short: 2 pieces need 26 bits, it holds 20", false);
        Row("piece code 6", raw(0, "ke8 Xd4 Ke1"),
            "damaged: piece record 2 has the unknown piece code 6", false);
        Row("piece code 7 overwritten later", raw(0, "ke8 Yd4 Qd4 Ke1"),
            "damaged: piece record 2 has the unknown piece code 7", false);
    }

    void decode()
    {
        QFETCH(QString, code);
        QFETCH(QString, decoded);
        QFETCH(bool, golden);
        const DecodedCode result = DecodePositionCode(code.toStdString());
        const Square king = result.kingSquare;
        QCOMPARE(result.IsDamaged() ? "damaged: " + QString::fromStdString(result.reason)
                                    : QString::fromStdString(FenFromBoard(result.board)) + "; "
                    + (king == NoSquare ? QString("-")
                                        : QString("%1%2")
                                              .arg(QChar('a' + ColumnOf(king)))
                                              .arg(8 - RowOf(king))),
            decoded);
        if (golden)
            QCOMPARE(Code(decoded.section(';', 0, 0)), "CHESS-CODE:" + code);
    }

    // Random boards through the full form and the short form (cut after the records).
    void roundTrip()
    {
        std::mt19937 random(20261206);
        const auto pick = [&random](int low, int high) {
            return std::uniform_int_distribution<int>(low, high)(random);
        };
        for (int i = 0; i < 3000 && !QTest::currentTestFailed(); ++i) {
            BoardState board;
            for (int pieces = pick(1, MaxCodePieces); pieces > 0; --pieces)
                board.PutPiece(SquareFromNumber(pick(0, 63)), PieceFromNumber(pick(0, 5)),
                    ColourFromNumber(pick(0, 1)));
            board.giToMove = ColourFromNumber(pick(0, 1));
            board.miEnPassant = SquareFromNumber(pick(-1, 63));
            const std::string code
                = EncodePositionCode(board, board.giToMove).substr(CodePrefix.size());
            QVERIFY(DecodePositionCode(code).board == board);
            clsDecoder bits, shortForm;
            bits.SetBase32(code);
            for (int32_t position = 1; position <= bits.BitCount() - 9; ++position)
                shortForm.AddBits(bits.GetBits(position, 1), 1);
            board.miEnPassant = NoSquare;
            QVERIFY2(DecodePositionCode(shortForm.GetBase32()).board == board, code.c_str());
        }
    }

    // Pasted text and the code characters behind the prefix; null: no code found at all.
    void intake_data()
    {
        QTest::addColumn<B>("text");
        QTest::addColumn<B>("characters");
        Row("every kept character", B("CHESS-CODE:-0123456789:ABCDEFGHIJKLMNOPQRSTUV"),
            B("-0123456789:ABCDEFGHIJKLMNOPQRSTUV"));
        Row("W to Z, neighbours of the kept ranges, bytes above ASCII",
            B("CHESS-CODE:AWXYZ,./;<@[\xc3\x89\x80\xffV"), B("AV"));
        Row("quoted e-mail lines, lower case", B("> chess-code:fg4gd0lgu16\r\n> > hdhl1si42\r\n"),
            B("FG4GD0LGU16HDHL1SI42"));
        Row("prefix broken over two lines", B("\n  CHESS-\nCODE: gh6v2o0"), B("GH6V2O0"));
        Row("signature stays attached", B("CHESS-CODE:gh6v2o0\n-- \nAnna, 12:30"),
            B("GH6V2O0--ANNA12:30"));
        Row("NUL bytes", B("\0CHESS-CODE:\0gh6v2o0", 20), B("GH6V2O0"));
        Row("prefix alone", B("CHESS-CODE:"), B(""));
        Row("reply marker before the prefix", B("Re: CHESS-CODE:gh6v2o0"), B());
        Row("prefix without colon", B("CHESS-CODE gh6v2o0"), B());
    }

    void intake()
    {
        QFETCH(B, text);
        QFETCH(B, characters);
        const std::optional<std::string> extracted = ExtractCodeCharacters(text.toStdString());
        QCOMPARE(extracted ? B::fromStdString(*extracted) : B(), characters);
    }
};

QTEST_APPLESS_MAIN(TestCode)
#include "tst_code.moc"
