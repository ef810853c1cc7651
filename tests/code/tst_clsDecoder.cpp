#include <QtTest>

#include <cstring>
#include <limits>
#include <string>

#include "code/PositionCode.h"
#include "code/clsDecoder.h"

using namespace corvalen;

namespace {

// The buffer's bits as "0"/"1" text, read one position at a time.
QString BitsOf(const clsDecoder &bits)
{
    QString text;
    for (int32_t position = 1; position <= bits.BitCount(); ++position)
        text += bits.GetBits(position, 1) ? '1' : '0';
    return text;
}

clsDecoder BufferOf(const QString &bitText)
{
    clsDecoder bits;
    for (QChar c : bitText)
        bits.AddBits(c == '1' ? 1 : 0, 1);
    return bits;
}

const char *const AskForTooManyBits = "--ask-for-65-bits";

QString gLastMessage;
int gHandlerCalls = 0;
void RecordRequest(const char *message)
{
    gLastMessage = QString::fromUtf8(message);
    ++gHandlerCalls;
}

} // namespace

class TestClsDecoder : public QObject {
    Q_OBJECT
private slots:
    void addBits_data();
    void addBits();
    void getBits_data();
    void getBits();
    void impossibleRequest();
    void impossibleRequestEndsByDefault();
    void getBase32_data();
    void getBase32();
    void setBase32_data();
    void setBase32();
    void base32RoundTrip_data();
    void base32RoundTrip();
    void capacity();
};

void TestClsDecoder::addBits_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("numBits");
    QTest::addColumn<QString>("expected");

    QTest::newRow("5 in 3 bits") << 5 << 3 << "101";
    QTest::newRow("0 in 7 bits") << 0 << 7 << "0000000";
    QTest::newRow("negative writes zeros") << -1 << 5 << "00000";
    QTest::newRow("32 saturates 5 bits") << 32 << 5 << "11111";
    QTest::newRow("40 saturates 5 bits") << 40 << 5 << "11111";
    QTest::newRow("2 saturates 1 bit") << 2 << 1 << "1";
    QTest::newRow("zero width appends nothing") << 9 << 0 << "";
    QTest::newRow("negative width appends nothing") << 9 << -3 << "";
    QTest::newRow("65535 narrows to -1") << 65535 << 5 << "00000";
    QTest::newRow("32768 narrows to -32768") << 32768 << 4 << "0000";
    QTest::newRow("65541 narrows to 5") << 65541 << 3 << "101";
    QTest::newRow("32767 fills 15 bits") << 32767 << 15 << "111111111111111";
    QTest::newRow("wide field adds leading zeros") << 32767 << 17 << "00111111111111111";
    QTest::newRow("31 bits of 3") << 3 << 31 << QString(29, '0') + "11";
}

void TestClsDecoder::addBits()
{
    QFETCH(int, value);
    QFETCH(int, numBits);
    QFETCH(QString, expected);

    clsDecoder bits;
    bits.AddBits(1, 1);
    bits.AddBits(value, static_cast<int16_t>(numBits));
    QCOMPARE(bits.BitCount(), expected.size() + 1);
    QCOMPARE(BitsOf(bits), "1" + expected);
}

void TestClsDecoder::getBits_data()
{
    QTest::addColumn<QString>("buffer");
    QTest::addColumn<int>("startPos");
    QTest::addColumn<int>("numBits");
    QTest::addColumn<int>("expected");

    const int largest = std::numeric_limits<int32_t>::max();
    QTest::newRow("101 read whole") << "101" << 1 << 3 << 5;
    QTest::newRow("middle field") << "0110100" << 2 << 4 << 13;
    QTest::newRow("seven positions past the end read 0") << "1" << 1 << 8 << 128;
    QTest::newRow("start past the end") << "111" << 4 << 5 << 0;
    QTest::newRow("zero width") << "111" << 2 << 0 << 0;
    QTest::newRow("negative width") << "111" << 1 << -4 << 0;
    QTest::newRow("position 0 reads 0") << "11" << 0 << 2 << 1;
    QTest::newRow("31 ones fit") << QString(31, '1') << 1 << 31 << largest;
    QTest::newRow("32-bit field below 2^31") << QString(29, '0') + "101" << 1 << 32 << 5;
    QTest::newRow("32-bit field of 2^31 saturates") << "1" << 1 << 32 << largest;
    QTest::newRow("64 ones saturate") << QString(64, '1') << 1 << 64 << largest;
    QTest::newRow("64-bit field of 1") << QString(63, '0') + "1" << 1 << 64 << 1;
    QTest::newRow("start near the int32 limit") << "1" << largest << 64 << 0;
}

void TestClsDecoder::getBits()
{
    QFETCH(QString, buffer);
    QFETCH(int, startPos);
    QFETCH(int, numBits);
    QFETCH(int, expected);

    const clsDecoder bits = BufferOf(buffer);
    QCOMPARE(bits.GetBits(startPos, static_cast<int16_t>(numBits)), expected);
    QCOMPARE(BitsOf(bits), buffer);
}

void TestClsDecoder::impossibleRequest()
{
    SetImpossibleRequestHandler(RecordRequest);
    gHandlerCalls = 0;
    const clsDecoder bits = BufferOf("1111");
    QCOMPARE(bits.GetBits(1, 64), std::numeric_limits<int32_t>::max());
    QCOMPARE(gHandlerCalls, 0);
    QCOMPARE(bits.GetBits(1, 65), 0);
    QCOMPARE(gHandlerCalls, 1);
    QCOMPARE(gLastMessage, "GetBits: Number requested exceeds 'Long' datatype.");
    SetImpossibleRequestHandler(nullptr);
}

void TestClsDecoder::impossibleRequestEndsByDefault()
{
    // A second run of this program asks for 65 bits with the default handler in place.
    QProcess process;
    process.start(QCoreApplication::applicationFilePath(), { AskForTooManyBits });
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 1);
    QCOMPARE(process.readAllStandardOutput(), QByteArray());
    QCOMPARE(process.readAllStandardError(),
        QByteArray("GetBits: Number requested exceeds 'Long' datatype.\n"));
}

void TestClsDecoder::getBase32_data()
{
    QTest::addColumn<QString>("buffer");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty buffer") << ""
                                  << "";
    QTest::newRow("seven bits pad to PO") << "1100111"
                                          << "PO";
    QTest::newRow("five bits 00111") << "00111"
                                     << "7";
    QTest::newRow("one bit pads to G") << "1"
                                       << "G";
    QTest::newRow("ten ones") << "1111111111"
                              << "VV";
}

void TestClsDecoder::getBase32()
{
    QFETCH(QString, buffer);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(BufferOf(buffer).GetBase32()), expected);
}

void TestClsDecoder::setBase32_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("bits");

    QTest::newRow("empty text") << QByteArray() << "";
    QTest::newRow("PO holds ten bits") << QByteArray("PO") << "1100111000";
    QTest::newRow("lower case reads as upper") << QByteArray("po") << "1100111000";
    QTest::newRow("V and 0") << QByteArray("V0") << "1111100000";
    QTest::newRow("hyphen and colon skipped") << QByteArray("P-:O") << "1100111000";
    QTest::newRow("W to Z skipped") << QByteArray("WPXYZO") << "1100111000";
    QTest::newRow("spaces, tabs, line breaks skipped") << QByteArray(" P\t\r\nO ") << "1100111000";
    QTest::newRow("UTF-8 bytes skipped") << QByteArray("P\xc3\xa9O\xff") << "1100111000";
    QTest::newRow("nothing but junk") << QByteArray("-:!WXYZ@[`{") << "";
}

void TestClsDecoder::setBase32()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, bits);

    clsDecoder buffer;
    buffer.AddBits(5, 3);
    buffer.SetBase32(std::string_view(text.constData(), static_cast<size_t>(text.size())));
    QCOMPARE(BitsOf(buffer), bits);
}

void TestClsDecoder::base32RoundTrip_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("whole alphabet") << "0123456789ABCDEFGHIJKLMNOPQRSTUV";
    QTest::newRow("starting code") << QString::fromLatin1(StartingCode.data(), StartingCode.size());
    QTest::newRow("single V") << "V";
    QTest::newRow("zeros") << "000";
}

void TestClsDecoder::base32RoundTrip()
{
    QFETCH(QString, text);
    clsDecoder bits;
    bits.SetBase32(text.toStdString());
    QCOMPARE(bits.BitCount(), 5 * text.size());
    QCOMPARE(QString::fromStdString(bits.GetBase32()), text);
}

void TestClsDecoder::capacity()
{
    clsDecoder bits;
    bits.SetBase32(std::string(1 << 20, 'V'));
    const int32_t characters = clsDecoder::MaxBits / 5;
    QCOMPARE(bits.BitCount(), characters * 5);
    QCOMPARE(QString::fromStdString(bits.GetBase32()), QString(characters, 'V'));
    QCOMPARE(bits.GetBits(bits.BitCount() - 4, 7), 0b1111100);

    clsDecoder grown;
    for (int i = 0; i < 2000; ++i)
        grown.AddBits(-1, 31);
    QCOMPARE(grown.BitCount(), clsDecoder::MaxBits);
    grown.Clear();
    QCOMPARE(grown.BitCount(), 0);
    QCOMPARE(QString::fromStdString(grown.GetBase32()), QString());
}

int main(int argc, char **argv)
{
    if (argc == 2 && std::strcmp(argv[1], AskForTooManyBits) == 0) {
        clsDecoder bits;
        bits.GetBits(1, 65);
        return 7; // not reached while the default handler ends the process
    }
    QCoreApplication application(argc, argv);
    TestClsDecoder test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_clsDecoder.moc"
