#include <QDir>
#include <QFile>
#include <QtTest>

#include "IntakeCheck.h"

// Replays every input of the fuzz corpus, crash inputs the fuzzer once found included, through
// the same checks the fuzzer makes; run by the normal and the sanitizer builds.
class tst_FuzzCorpus : public QObject {
    Q_OBJECT

private slots:
    void replay_data()
    {
        QTest::addColumn<QString>("file");
        const QDir corpus(QStringLiteral(CORVALEN_FUZZ_CORPUS));
        const QStringList names = corpus.entryList(QDir::Files, QDir::Name);
        QVERIFY2(names.size() >= 20, "the fuzz corpus is missing");
        for (const QString &name : names)
            QTest::newRow(qPrintable(name)) << corpus.filePath(name);
    }

    void replay()
    {
        QFETCH(QString, file);
        QFile input(file);
        QVERIFY(input.open(QIODevice::ReadOnly));
        const QByteArray text = input.readAll();
        const std::string failure = corvalen::CheckIntake(
            std::string_view(text.constData(), static_cast<size_t>(text.size())));
        QVERIFY2(failure.empty(), failure.c_str());
    }
};

QTEST_GUILESS_MAIN(tst_FuzzCorpus)
#include "tst_fuzzcorpus.moc"
