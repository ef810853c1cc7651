#include <QtTest>

#include <limits>
#include <string>

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

QByteArray gLastMessage;

} // namespace

class TestClsDecoder : public QObject {
    Q_OBJECT
private slots:
    void addBits_data();
    void addBits();
    void getBits_data();
    void getBits();
    void impossibleRequest();
    void getBase32();
    void setBase32_data();
    void setBase32();
    void capacity();
};

void TestClsDecoder::addBits_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("numBits");
    QTest::addColumn<QString>("expected");
    QTest::newRow("5 in 3 bits") << 5 << 3 << "101";
    QTest::newRow("negative writes zeros") << -1 << 5 << "00000";
    QTest::newRow("32 saturates 5 bits") << 32 << 5 << "11111";
    QTest::newRow("zero width appends nothing") << 9 << 0 << "";
    QTest::newRow("65541 narrows to 5") << 65541 << 3 << "101";
    QTest::newRow("wide field adds leading zeros") << 32767 << 17 << "00111111111111111";
}

void TestClsDecoder::addBits()
{
    QFETCH(int, value);
    QFETCH(int, numBits);
    QFETCH(QString, expected);
    clsDecoder bits;
    bits.AddBits(1, 1);
    bits.AddBits(value, static_cast<int16_t>(numBits));
    QCOMPARE(BitsOf(bits), "1" + expected);
}

void TestClsDecoder::getBits_data()
{
    QTest::addColumn<QString>("buffer");
    QTest::addColumn<int>("startPos");
    QTest::addColumn<int>("numBits");
    QTest::addColumn<int>("expected");
    const int largest = std::numeric_limits<int32_t>::max();
    QTest::newRow("middle field") << "0110100" << 2 << 4 << 13;
    QTest::newRow("positions past the end read 0") << "1" << 1 << 8 << 128;
    QTest::newRow("position 0 reads 0") << "11" << 0 << 2 << 1;
    QTest::newRow("negative width") << "111" << 1 << -4 << 0;
    QTest::newRow("32-bit field of 2^31 saturates") << "1" << 1 << 32 << largest;
    QTest::newRow("64-bit field of 1") << QString(63, '0') + "1" << 1 << 64 << 1;
    QTest::newRow("start near the int32 limit") << "1" << largest << 64 << 0;
}

void TestClsDecoder::getBits()
{
    QFETCH(QString, buffer);
    QFETCH(int, startPos);
    QFETCH(int, numBits);
    QFETCH(int, expected);
    QCOMPARE(BufferOf(buffer).GetBits(startPos, static_cast<int16_t>(numBits)), expected);
}

void TestClsDecoder::impossibleRequest()
{
    SetImpossibleRequestHandler([](const char *message) { gLastMessage = message; });
    QCOMPARE(BufferOf("1111").GetBits(1, 64), std::numeric_limits<int32_t>::max());
    QCOMPARE(gLastMessage, QByteArray());
    QCOMPARE(BufferOf("1111").GetBits(1, 65), 0);
    QCOMPARE(gLastMessage, "GetBits: Number requested exceeds 'Long' datatype.");
    SetImpossibleRequestHandler(nullptr);
}

void TestClsDecoder::getBase32()
{
    const auto base32
        = [](const QString &bits) { return QString::fromStdString(BufferOf(bits).GetBase32()); };
    QCOMPARE(base32(""), QString());
    QCOMPARE(base32("1100111"), "PO"); // a last group of fewer than five bits gets zeros
    QCOMPARE(base32("00111"), "7");
}

// The text's base-32 characters read back in upper case.
void TestClsDecoder::setBase32_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("kept");
    const QByteArray alphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUV";
    QTest::newRow("whole alphabet") << alphabet << alphabet;
    QTest::newRow("lower case reads as upper") << QByteArray("po") << QByteArray("PO");
    QTest::newRow("other characters skipped")
        << QByteArray("P-: \t\r\nWXYZ@[`{O") << QByteArray("PO");
    QTest::newRow("bytes above ASCII skipped") << QByteArray("P\xc3\xa9O\xff") << QByteArray("PO");
    QTest::newRow("1 MB stops at the largest buffer")
        << QByteArray(1 << 20, 'V') << QByteArray(clsDecoder::MaxBits / 5, 'V');
    QTest::newRow("empty text empties the buffer") << QByteArray() << QByteArray();
}

void TestClsDecoder::setBase32()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, kept);
    clsDecoder buffer;
    buffer.AddBits(5, 3);
    buffer.SetBase32(text.toStdString());
    QCOMPARE(buffer.BitCount(), 5 * kept.size());
    QCOMPARE(QByteArray::fromStdString(buffer.GetBase32()), kept);
}

void TestClsDecoder::capacity()
{
    clsDecoder grown;
    for (int i = 0; i < 2000; ++i)
        grown.AddBits(-1, 31);
    QCOMPARE(grown.BitCount(), clsDecoder::MaxBits);
}

QTEST_APPLESS_MAIN(TestClsDecoder)
#include "tst_clsDecoder.moc"
