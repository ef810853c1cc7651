#include <QtTest>

#include "code/CodeText.h"
#include "code/PositionCode.h"

using namespace corvalen;

namespace {

std::string_view View(const QByteArray &bytes)
{
    return { bytes.constData(), static_cast<size_t>(bytes.size()) };
}

} // namespace

class TestCodeText : public QObject {
    Q_OBJECT
private slots:
    void filter_data();
    void filter();
    void extract_data();
    void extract();
    void extractThenDecode();
};

void TestCodeText::filter_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("kept");

    QTest::newRow("every kept character") << QByteArray("-0123456789:ABCDEFGHIJKLMNOPQRSTUV")
                                          << QByteArray("-0123456789:ABCDEFGHIJKLMNOPQRSTUV");
    QTest::newRow("W to Z and lower case dropped") << QByteArray("AWXYZabcV") << QByteArray("AV");
    QTest::newRow("quote marks and white space dropped")
        << QByteArray("> A B\r\n> C\t;") << QByteArray("ABC");
    QTest::newRow("neighbours of the kept ranges dropped") << QByteArray(",./;<@[") << QByteArray();
    QTest::newRow("bytes above ASCII dropped") << QByteArray("A\xc3\x89\x80\xff"
                                                             "B")
                                               << QByteArray("AB");
    QTest::newRow("empty") << QByteArray() << QByteArray();
}

void TestCodeText::filter()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, kept);
    QCOMPARE(QByteArray::fromStdString(FilterCodeCharacters(View(text))), kept);
}

void TestCodeText::extract_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QByteArray>("characters");

    QTest::newRow("lower-case code")
        << QByteArray("CHESS-CODE:gh6v2o0") << true << QByteArray("GH6V2O0");
    QTest::newRow("lower-case prefix")
        << QByteArray("chess-code:gh6v2o0") << true << QByteArray("GH6V2O0");
    QTest::newRow("quoted e-mail lines")
        << QByteArray("> CHESS-CODE:FG4GD0LGU16HDHL1SI42C2K2S343C3\n"
                      "> K3SC0C8CGCOD0D8DGDOE0U9EHUQF2V9VHFOG\n")
        << true << QByteArray(StartingCode.data(), StartingCode.size());
    QTest::newRow("twice quoted with CRLF")
        << QByteArray("> > CHESS-CODE:gh6\r\n> > v2o0\r\n") << true << QByteArray("GH6V2O0");
    QTest::newRow("prefix broken over two lines")
        << QByteArray("CHESS-\nCODE:gh6v2o0") << true << QByteArray("GH6V2O0");
    QTest::newRow("spaces and blank lines before")
        << QByteArray("\n\n   \t CHESS-CODE: gh6v2o0") << true << QByteArray("GH6V2O0");
    QTest::newRow("quote marks around")
        << QByteArray("\"CHESS-CODE:gh6v2o0\"") << true << QByteArray("GH6V2O0");
    QTest::newRow("W to Z before the prefix dropped")
        << QByteArray("xyz CHESS-CODE:gh6v2o0") << true << QByteArray("GH6V2O0");
    QTest::newRow("signature stays attached") << QByteArray("CHESS-CODE:gh6v2o0\n-- \nAnna, 12:30")
                                              << true << QByteArray("GH6V2O0--ANNA12:30");
    QTest::newRow("prefix alone") << QByteArray("CHESS-CODE:") << true << QByteArray();
    QTest::newRow("reply marker before the prefix")
        << QByteArray("Re: CHESS-CODE:gh6v2o0") << false << QByteArray();
    QTest::newRow("greeting before the prefix")
        << QByteArray("Hi Bob,\nCHESS-CODE:gh6v2o0") << false << QByteArray();
    QTest::newRow("prefix without colon")
        << QByteArray("CHESS-CODE gh6v2o0") << false << QByteArray();
    QTest::newRow("prefix cut short") << QByteArray("CHESS-COD") << false << QByteArray();
    QTest::newRow("empty text") << QByteArray() << false << QByteArray();
}

void TestCodeText::extract()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, found);
    QFETCH(QByteArray, characters);

    const std::optional<std::string> extracted = ExtractCodeCharacters(View(text));
    QCOMPARE(extracted.has_value(), found);
    if (found)
        QCOMPARE(QByteArray::fromStdString(*extracted), characters);
}

void TestCodeText::extractThenDecode()
{
    const auto extracted = ExtractCodeCharacters(
        "> CHESS-CODE:h16p0\n> f2qq\n>\n> -- \n> Anna, 12:30, sent from my phone");
    QVERIFY(extracted.has_value());
    const DecodedCode decoded = DecodePositionCode(*extracted);
    QVERIFY(!decoded.IsDamaged());
    QCOMPARE(decoded.board.miEnPassant, int16_t { 44 });
    QCOMPARE(decoded.board.Piece(36), Pawn);
    QCOMPARE(decoded.kingSquare, int16_t { 4 });
}

QTEST_APPLESS_MAIN(TestCodeText)
#include "tst_CodeText.moc"
