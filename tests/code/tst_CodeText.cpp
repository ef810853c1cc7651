#include <QtTest>

#include "code/CodeText.h"
#include "code/PositionCode.h"

using namespace corvalen;

class TestCodeText : public QObject {
    Q_OBJECT
private slots:
    void extract_data();
    void extract();
};

// The characters behind the prefix; an empty column means no code was found at all.
void TestCodeText::extract_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("characters");
    QTest::newRow("every kept character")
        << QByteArray("CHESS-CODE:-0123456789:ABCDEFGHIJKLMNOPQRSTUV")
        << QByteArray("-0123456789:ABCDEFGHIJKLMNOPQRSTUV");
    QTest::newRow("W to Z, neighbours of the kept ranges and bytes above ASCII dropped")
        << QByteArray("CHESS-CODE:AWXYZ,./;<@[\xc3\x89\x80\xffV") << QByteArray("AV");
    QTest::newRow("lower-case prefix") << QByteArray("chess-code:gh6v2o0") << QByteArray("GH6V2O0");
    QTest::newRow("quoted e-mail lines")
        << QByteArray("> CHESS-CODE:FG4GD0LGU16HDHL1SI42C2K2S343C3\r\n"
                      "> > K3SC0C8CGCOD0D8DGDOE0U9EHUQF2V9VHFOG\r\n")
        << QByteArray(StartingCode.data(), StartingCode.size());
    QTest::newRow("prefix broken over two lines")
        << QByteArray("\n  CHESS-\nCODE: gh6v2o0") << QByteArray("GH6V2O0");
    QTest::newRow("signature stays attached")
        << QByteArray("CHESS-CODE:gh6v2o0\n-- \nAnna, 12:30") << QByteArray("GH6V2O0--ANNA12:30");
    QTest::newRow("prefix alone") << QByteArray("CHESS-CODE:") << QByteArray("");
    QTest::newRow("reply marker before the prefix")
        << QByteArray("Re: CHESS-CODE:gh6v2o0") << QByteArray();
    QTest::newRow("prefix without colon") << QByteArray("CHESS-CODE gh6v2o0") << QByteArray();
}

void TestCodeText::extract()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, characters);
    const std::optional<std::string> extracted = ExtractCodeCharacters(text.toStdString());
    QCOMPARE(extracted.has_value(), !characters.isNull());
    if (extracted)
        QCOMPARE(QByteArray::fromStdString(*extracted), characters);
}

QTEST_APPLESS_MAIN(TestCodeText)
#include "tst_CodeText.moc"
