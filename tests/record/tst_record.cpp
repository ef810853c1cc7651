#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

#include "RecordScript.h"
#include "record/Sqlite.h"

using namespace corvalen;
using namespace corvalen::testing;

namespace {

// "2:white 0 - *; 1:white 3 Nf3 *": every game, the most recently played first.
QString Games(GameRecord &record)
{
    std::string error;
    QStringList games;
    const std::vector<GameSummary> list = record.ListGames(error).value();
    for (const GameSummary &game : list)
        games << QString("%1:%2 %3 %4 %5")
                     .arg(game.id)
                     .arg(game.localSide == White ? "white" : "black")
                     .arg(game.plies)
                     .arg(QString::fromStdString(game.lastSan.empty() ? "-" : game.lastSan),
                         QString::fromStdString(game.result));
    return games.join("; ");
}

QString Names(const std::vector<int16_t> &squares)
{
    QStringList names;
    for (const int16_t square : squares)
        names << QString::fromStdString(SquareName(square));
    return names.join(' ');
}

std::unique_ptr<GameRecord> OpenIn(const QTemporaryDir &folder, RecordAccess access)
{
    std::string error;
    auto record = GameRecord::Open((folder.path() + "/games.sqlite").toStdString(), access, error);
    if (!record)
        qWarning("%s", error.c_str());
    return record;
}

} // namespace

class TestRecord : public QObject {
    Q_OBJECT

private slots:
    void recognisesLoads_data();
    void recognisesLoads();
    void writesPgn_data();
    void writesPgn();
    void leavesUnreadableRecordAlone_data();
    void leavesUnreadableRecordAlone();
};

// The script's last load or send (RunScript): its status, message, marks, and then the games.
void TestRecord::recognisesLoads_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("marks");
    QTest::addColumn<QString>("games");
    const QString castling = "fen:r3k2r/pppppppp/8/8/8/8/PPPPPPPP/R3K2R_w ";
    const QString rooks = "fen:r3k2r/8/8/8/8/8/8/R3K2R_w ";
    const QString notFollowing = "This position does not follow by one legal move from the "
                                 "position you sent in the game started 2026-03-01 (last move %1)."
                                 " It is kept as a new game.";
    const QString kept = "Does not follow your last move: kept as a new game";
    const QString noCastling = "You cannot castle on this side: your %1 in this game (%2).";
    auto row = [](const char *name, const QString &script, const QString &status,
                   const QString &message, const QString &marks, const QString &games) {
        QTest::newRow(name) << script << status << message << marks << games;
    };
    row("a game starts from the standard start", "start", "New game", "", "", "1:white 0 - *");
    row("a game starts after 1. e4", "<e4", "Your opponent played 1. e4", "", "e2 e4",
        "1:black 1 e4 *");
    row("New Game records nothing before a send", "new new new", "New game", "", "", "");
    row("the reply continues the game", "new >e4 <e5", "Your opponent played 1... e5", "", "e7 e5",
        "1:white 2 e5 *");
    row("the reply loaded twice is recorded once", "new >e4 <e5 load",
        "Your opponent played 1... e5", "", "e7 e5", "1:white 2 e5 *");
    row("the start loaded twice is one game", "start start", "New game", "", "", "1:white 0 - *");
    row("the start after a send is another game", "start >e4 start", "New game", "", "",
        "2:white 0 - *; 1:white 1 e4 *");
    row("the reply opened after a send", "new >e4 <e5 >Nf3 load", "Your opponent played 1... e5",
        "", "e7 e5", "1:white 3 Nf3 *");
    row("a second send replaces the first", "new >e4 >d4", "New game", "", "", "1:white 1 d4 *");
    row("a send after the reply was opened again replaces the first", "new >e4 <e5 >Nf3 load >Nc3",
        "Your opponent played 1... e5", "", "e7 e5", "1:white 3 Nc3 *");
    row("the position sent, opened: a send records nothing", "new >e4 <e5 day:4 >Nf3 sent >Nc6",
        "This is the position you sent on 2026-03-04.",
        "This is the position you sent on 2026-03-04. Your opponent has not replied with a move "
        "yet.",
        "", "1:white 3 Nf3 *");
    row("two moves at once do not follow", "new >e4 <e5 day:2 >Nf3 ~Nc6 ~Bc4 <Nf6", kept,
        notFollowing.arg("2. Nf3"), "", "2:white 0 - *; 1:white 3 Nf3 *");
    row("a position near no game", "fen:4k3/8/8/8/8/8/8/R3K3_b", "Game started from this position",
        "", "", "1:black 0 - *");
    row("two games in the same position: the most recent continues",
        "new >e4 <e5 >Nf3 new >e4 <e5 >Nf3 <Nc6", "Your opponent played 2... Nc6", "", "b8 c6",
        "2:white 4 Nc6 *; 1:white 3 Nf3 *");
    row("castling the record forbids does not follow", castling + ">a3 <Kd8 >a4 <Ke8 >a5 <O-O",
        kept, notFollowing.arg("3. a5"), "", "2:white 0 - *; 1:white 5 a5 *");
    row("castling marks the rook's squares", castling + ">a3 <O-O", "Your opponent played 1... O-O",
        "", "e8 g8 h8 f8", "1:white 2 O-O *");
    row("en passant marks the pawn taken", "<e4 >a6 <e5 >d5 <exd6", "Your opponent played 3. exd6",
        "", "e5 d6 d5", "1:black 5 exd6 *");
    row("mate at load ends the game", "new >f3 <e5 >g4 <Qh4#", "Your opponent played 2... Qh4#", "",
        "d8 h4", "1:white 4 Qh4# 0-1");
    row("stalemate at load ends the game", "fen:7k/8/6Q1/8/8/8/8/6K1_b",
        "Game started from this position", "", "", "1:black 0 - 1/2-1/2");
    row("no castling after the king moved", rooks + ">Kf1 <Kd8 >Ke1 <Ke8 ?O-O",
        "Your opponent played 2... Ke8", noCastling.arg("king moved", "1. Kf1"), "d8 e8",
        "1:white 4 Ke8 *");
    row("no castling after the rook moved", rooks + ">Rb1 <Kd8 >Ra1 <Ke8 ?O-O-O",
        "Your opponent played 2... Ke8", noCastling.arg("rook moved", "1. Rb1"), "d8 e8",
        "1:white 4 Ke8 *");
    row("castling on the other side stays", rooks + ">Rb1 <Kd8 >Ra1 <Ke8 ?O-O",
        "Your opponent played 2... Ke8", "", "d8 e8", "1:white 4 Ke8 *");
    row("no castling after the rook was taken",
        "fen:4k3/8/8/7R/8/8/P5b1/4K2R_w >a3 <Bxh1 >Rxh1 "
        "<Kd8 ?O-O",
        "Your opponent played 2... Kd8", noCastling.arg("rook was taken", "1... Bxh1"), "e8 d8",
        "1:white 4 Kd8 *");
}

void TestRecord::recognisesLoads()
{
    QFETCH(QString, script);
    QFETCH(QString, status);
    QFETCH(QString, message);
    QFETCH(QString, marks);
    QFETCH(QString, games);
    QTemporaryDir folder;
    const std::unique_ptr<GameRecord> record = OpenIn(folder, RecordAccess::Create);
    QVERIFY(record);
    const LoadReport report = RunScript(*record, script);
    QCOMPARE(QString::fromStdString(report.status), status);
    QCOMPARE(QString::fromStdString(report.message), message);
    QCOMPARE(Names(report.marks), marks);
    QCOMPARE(Games(*record), games);
}

// A game played through the record comes back from its PGN: read by the SAN reader it ends in
// the position the game ended in, and an outside reader (pgn-extract) reads the same moves.
void TestRecord::writesPgn_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("setUp");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("firstMoves");
    QString opera = "new";
    for (const QString &san : OperaGame.split(' '))
        opera += (opera.count(' ') % 2 ? " <" : " >") + san;
    QTest::newRow("the Opera game, mated by the local player") << opera << ""
                                                               << "1-0"
                                                               << "1. e4 e5 2. Nf3 d6 3. d4";
    QTest::newRow("a game from a position with Black to move")
        << "fen:r3k2r/8/8/8/8/8/8/R3K2R_b >O-O <O-O-O >Kg7"
        << "[SetUp \"1\"]\n[FEN \"r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1\"]\n"
        << "*"
        << "1... O-O 2. O-O-O Kg7 *";
}

void TestRecord::writesPgn()
{
    QFETCH(QString, script);
    QFETCH(QString, setUp);
    QFETCH(QString, result);
    QFETCH(QString, firstMoves);
    QTemporaryDir folder;
    const std::unique_ptr<GameRecord> record = OpenIn(folder, RecordAccess::Create);
    BoardState last;
    const LoadReport report = RunScript(*record, script, &last);
    std::string error;
    const QString pgn = QString::fromStdString(record->Pgn(report.gameId.value(), error).value());
    const QString tags = "[Event \"Corvalen e-mail game\"]\n[Site \"?\"]\n[Date \"2026.03.01\"]\n"
                         "[Round \"-\"]\n[White \"?\"]\n[Black \"?\"]\n[Result \"%1\"]\n%2\n";
    QVERIFY2(pgn.startsWith(tags.arg(result, setUp)), qPrintable(pgn));
    QVERIFY2(pgn.endsWith(' ' + result + "\n\n"), qPrintable(pgn));
    const QStringList lines = pgn.mid(tags.arg(result, setUp).size()).trimmed().split('\n');
    for (const QString &line : lines)
        QVERIFY2(line.size() <= 80, qPrintable(line));
    const QString moves = lines.join(' ');
    QVERIFY2(moves.startsWith(firstMoves), qPrintable(moves));

    BoardState board = FenBoard(setUp.isEmpty() ? StartFen : setUp.section('"', 3, 3));
    for (const QString &token : moves.split(' ')) {
        if (token.endsWith('.') || token == result)
            continue;
        const std::optional<SanMove> move = MoveFromSan(board, token.toStdString());
        QVERIFY2(move && move->san == token.toStdString(), qPrintable(token));
        CarryOutMove(board, move->move.from, move->move.to, move->promotionPiece);
        board.giToMove = Opponent(board.giToMove);
    }
    QCOMPARE(FenFromBoard(board), FenFromBoard(last));

    if (QString(CORVALEN_PGN_EXTRACT).isEmpty())
        return;
    QFile file(folder.filePath("game.pgn"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(pgn.toUtf8()) > 0);
    file.close();
    QProcess reader;
    reader.start(CORVALEN_PGN_EXTRACT, { "-s", "--notags", "-w", "1000", file.fileName() });
    QVERIFY(reader.waitForFinished());
    QCOMPARE(reader.readAllStandardError(), QByteArray());
    QCOMPARE(QString::fromUtf8(reader.readAllStandardOutput()).trimmed(), moves);
}

// Files the record cannot use, opened in every way: an error names the file and the reason,
// and the file stays exactly as it was, with no companion files beside it.
void TestRecord::leavesUnreadableRecordAlone_data()
{
    QTest::addColumn<QString>("setUp");
    QTest::addColumn<QString>("reason");
    QTest::newRow("not a database") << "text"
                                    << "file is not a database";
    QTest::newRow("written by a newer version") << "PRAGMA user_version = 2"
                                                << "newer version of Corvalen (record version 2)";
    QTest::newRow("another program's database") << "CREATE TABLE notes (body TEXT)"
                                                << "no Corvalen game record";
    QTest::newRow("in a folder that cannot be written") << "read-only"
                                                        << "readonly database";
}

void TestRecord::leavesUnreadableRecordAlone()
{
    QFETCH(QString, setUp);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    const QString path = folder.filePath("games.sqlite");
    std::string error;
    if (setUp == "text") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(4096, 'x')) == 4096);
    } else if (setUp == "read-only") {
        RunScript(*OpenIn(folder, RecordAccess::Create), "new >e4 <e5");
    } else {
        QFile(path).open(QIODevice::WriteOnly);
        QVERIFY(sqlite::Connection::Open(path.toStdString(), false, 0, error)
                    ->Execute(setUp.toLatin1().constData(), error));
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    // Root writes into any folder: the test then acts as the owner `nobody` would.
    const bool readOnly = setUp == "read-only", asNobody = readOnly && geteuid() == 0;
    const auto restore = qScopeGuard([&] {
        chmod(qPrintable(folder.path()), 0700);
        QVERIFY(!asNobody || seteuid(0) == 0);
    });
    QVERIFY(!asNobody
        || (chown(qPrintable(folder.path()), 65534, 65534) == 0
            && chown(qPrintable(path), 65534, 65534) == 0 && seteuid(65534) == 0));
    QVERIFY(!readOnly || chmod(qPrintable(folder.path()), 0500) == 0);
    for (const RecordAccess access :
        { RecordAccess::Create, RecordAccess::ReadWrite, RecordAccess::ReadOnly }) {
        error.clear();
        QVERIFY(!GameRecord::Open(path.toStdString(), access, error));
        QVERIFY2(QString::fromStdString(error).contains(path)
                && error.find(reason.toStdString()) != std::string::npos,
            error.c_str());
    }
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList { "games.sqlite" });
}

QTEST_GUILESS_MAIN(TestRecord)
#include "tst_record.moc"
