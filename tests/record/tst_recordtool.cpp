#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "RecordScript.h"

using namespace corvalen;
using namespace corvalen::testing;

// corvalen-code reading a record that two games were recorded in: game 1, 1. e4 e5 2. Nf3 with
// White, then game 2, set up with Black to move.
class TestRecordTool : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(QDir().mkpath(mHome.filePath("corvalen")));
        std::string error;
        auto record = GameRecord::Open(RecordPath().toStdString(), RecordAccess::Create, error);
        QVERIFY2(record, error.c_str());
        RunScript(*record, "new >e4 <e5 >Nf3");
        RunScript(*record, "fen:4k3/8/8/8/8/8/8/R3K3_b");
        for (const int64_t id : { 1, 2 })
            mPgn << QString::fromStdString(record->Pgn(id, error).value());
    }

    // `out` "@N" stands for the PGN of game N.
    void answers_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("withRecord");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const auto row = [](const char *name, const QStringList &arguments, bool withRecord,
                             int exitCode, const QString &out, const QString &err) {
            QTest::newRow(name) << arguments << withRecord << exitCode << out << err;
        };
        row("games, the most recently played first", { "games" }, true, 0,
            "2\t2026-03-01\tblack\t0\t-\t*\n1\t2026-03-01\twhite\t3\tNf3\t*\n", "");
        row("pgn of the game played last", { "pgn" }, true, 0, "@2", "");
        row("pgn of one game", { "pgn", "1" }, true, 0, "@1", "");
        row("pgn of all games", { "pgn", "all" }, true, 0, "@2@1", "");
        row("pgn of an unknown game", { "pgn", "7" }, true, 1, "", "error: the game record ");
        row("no record", { "games" }, false, 1, "",
            "error: no game record (turn it on in the Game dialog)\n");
        row("a board without a king of the side to move", { "status", "CHESS-CODE:0r4d080" }, false,
            0, "none\n", "");
    }

    // The tool answers, and leaves the record file byte for byte as it was.
    void answers()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, withRecord);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFile file(RecordPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();

        QProcess tool;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_DATA_HOME", withRecord ? mHome.path() : mHome.filePath("none"));
        tool.setProcessEnvironment(environment);
        tool.start(CORVALEN_CODE_PROGRAM, arguments);
        QVERIFY(tool.waitForFinished());
        QCOMPARE(tool.exitCode(), exitCode);
        for (int id = 1; id <= mPgn.size(); ++id)
            out.replace(QString("@%1").arg(id), mPgn[id - 1]);
        QCOMPARE(QString::fromUtf8(tool.readAllStandardOutput()), out);
        const QString errors = QString::fromUtf8(tool.readAllStandardError());
        QVERIFY2(err.isEmpty() ? errors.isEmpty() : errors.startsWith(err), qPrintable(errors));

        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
    }

private:
    QString RecordPath() const { return mHome.filePath("corvalen/games.sqlite"); }

    QTemporaryDir mHome;
    QStringList mPgn;
};

QTEST_GUILESS_MAIN(TestRecordTool)
#include "tst_recordtool.moc"
