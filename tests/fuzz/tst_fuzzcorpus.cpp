#include <QDir>
#include <QTest>

#include "IntakeCheck.h"

// Replays every input of the fuzz corpus, crash inputs the fuzzer once found included, through
// the same checks the fuzzer makes; run by the normal and the sanitizer builds.
class TestFuzzCorpus : public QObject {
    Q_OBJECT

private slots:
    void replay()
    {
        const QDir corpus(CORVALEN_FUZZ_CORPUS);
        QVERIFY2(corpus.entryList(QDir::Files).size() >= 20, "the fuzz corpus is missing");
        for (const QString &name : corpus.entryList(QDir::Files)) {
            QFile input(corpus.filePath(name));
            QVERIFY(input.open(QIODevice::ReadOnly));
            const QByteArray text = input.readAll();
            const std::string failure
                = corvalen::CheckIntake(std::string_view(text.constData(), size_t(text.size())));
            QVERIFY2(failure.empty(), qPrintable(name + ": " + QString::fromStdString(failure)));
        }
    }
};

QTEST_GUILESS_MAIN(TestFuzzCorpus)
#include "tst_fuzzcorpus.moc"
