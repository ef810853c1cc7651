#include <QtTest>

#include "tst_code.h"

int main(int argc, char **argv)
{
    int failures = 0;
    TestClsDecoder decoder;
    failures += QTest::qExec(&decoder, argc, argv);
    TestPositionCode positionCode;
    failures += QTest::qExec(&positionCode, argc, argv);
    TestCodeText codeText;
    failures += QTest::qExec(&codeText, argc, argv);
    return failures == 0 ? 0 : 1;
}
