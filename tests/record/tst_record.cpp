#include <QDir>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

#include "Support.h"
#include "game/RecordWords.h"
#include "record/GameRecord.h"
#include "record/Names.h"
#include "record/Pgn.h"
#include "record/Sqlite.h"
#include "rules/MoveExecution.h"
#include "rules/MoveLegality.h"
#include "rules/San.h"

using namespace corvalen;
using namespace corvalen::testing;

namespace {

const QString StartFen = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w";
// Morphy - Duke Karl of Brunswick and Count Isouard, Paris 1858.
const QString OperaGame
    = "e4 e5 Nf3 d6 d4 Bg4 dxe5 Bxf3 Qxf3 dxe5 Bc4 Nf6 Qb3 Qe7 Nc3 c6 Bg5 b5 "
      "Nxb5 cxb5 Bxb5+ Nbd7 O-O-O Rd8 Rxd7 Rxd7 Rd1 Qe6 Bxd7+ Nxd7 Qb8+ Nxb8 Rd8#";

// Plays a move given in SAN and hands the move to the other side; nullopt for no legal move.
std::optional<SanMove> Play(BoardState &board, const QString &san)
{
    const std::optional<SanMove> move = MoveFromSan(board, san.toStdString());
    if (move)
        CarryOutMove(board, move->move.from, move->move.to, move->promotionPiece);
    board.giToMove = Opponent(board.giToMove);
    return move;
}

// The record at `path` opened as `access`; nullptr and the reason in `why` when it cannot be.
std::unique_ptr<GameRecord> OpenRecord(
    const QString &path, RecordAccess access = RecordAccess::Create, std::string *why = nullptr)
{
    Outcome<std::unique_ptr<GameRecord>> record = GameRecord::Open(path.toStdString(), access);
    if (record)
        return std::move(*record);
    if (why)
        *why = WordRecordError(record.Why());
    return nullptr;
}

// A connection of its own to the file at `path`, beside any record that holds it open.
std::unique_ptr<sqlite::Connection> Connect(const QString &path, bool readOnly = false)
{
    return std::move(*sqlite::Connection::Open(path.toStdString(), readOnly, 0));
}

// `sql` run on the file at `path` beside the record: SQLite's reason when it fails, else empty.
std::string Execute(const QString &path, const char *sql)
{
    const std::optional<Error> failed = Connect(path)->Execute(sql);
    return failed ? failed->message : std::string();
}

// The report of a script's last step, and what it said: the load's message, or the record's
// error, and a castling refusal after them.
struct Seen {
    LoadReport report;
    std::string said;
};

// Plays both sides' turns against the local player's record as the window would, the clock at
// noon (UTC) of 2026-03-01, and returns the report of the last load or send with what it said.
// Steps:
//   new  New Game    start  the standard start loaded    fen:FEN  FEN ('_' for ' ') loaded
//   >SAN   the local move on the position loaded last, sent (a second one: Undo, another move)
//   ~SAN   the opponent moves          <SAN   the opponent moves and the local player loads it
//   load   the position loaded last, once more       sent   the position sent last, loaded
//   day:N  the clock at 2026-03-N      ?SAN   CastlingRefusal's answer, added to the message
//   ply:N  the position after the script's Nth move loaded      renew  Start a New Game
//   refuse:WHEN  a trigger (WHEN: "AFTER_UPDATE_ON_game") that fails every later write
Seen RunScript(GameRecord &record, const QString &script, BoardState *last = nullptr)
{
    LoadReport report;
    std::string said;
    BoardState loaded = Position(StartFen), current = loaded;
    std::vector<BoardState> played;
    auto failed = [&](const std::optional<Error> &error) {
        if (error)
            said = "error: " + WordRecordError(*error);
    };
    auto load = [&](const BoardState &position) {
        loaded = current = position;
        const GameStatus status = LoadedStatus(loaded, FindKing(loaded));
        const Outcome<LoadReport> recognised
            = record.RecogniseLoad(loaded, status, EncodePositionCode(loaded, loaded.giToMove));
        report = recognised ? *recognised : LoadReport {};
        said = WordLoadMessage(report);
        failed(recognised ? std::nullopt : std::optional(recognised.Why()));
    };
    for (const QString &step : ("day:1 " + script).split(' ', Qt::SkipEmptyParts)) {
        const QString san = step.mid(1);
        if (step == "new") {
            report = record.StartNewGame();
            said.clear();
            loaded = current = Position(StartFen);
        } else if (step == "start" || step.startsWith("fen:")) {
            load(Position(step == "start" ? StartFen : step.mid(4).replace('_', ' ')));
        } else if (step == "load" || step == "sent") {
            load(step == "load" ? loaded : current);
        } else if (step.startsWith("day:")) {
            const auto noon = std::chrono::system_clock::from_time_t(
                1772366400 + (step.mid(4).toInt() - 1) * 86400);
            record.SetClock([noon] { return noon; });
        } else if (step.startsWith("ply:")) {
            load(played.at(step.mid(4).toUInt() - 1));
        } else if (step == "renew") {
            const std::optional<Error> error = record.StartGameFromSameAsSent(report, loaded,
                LoadedStatus(loaded, FindKing(loaded)),
                EncodePositionCode(loaded, loaded.giToMove));
            said = WordLoadMessage(report);
            failed(error);
        } else if (step.startsWith("refuse:")) {
            const QString trigger = "CREATE TRIGGER refuse " + step.mid(7).replace('_', ' ')
                + " BEGIN SELECT RAISE(ROLLBACK, 'disk full'); END";
            const std::string error
                = Execute(QString::fromStdString(record.Path()), qPrintable(trigger));
            if (!error.empty())
                qFatal("test script: %s", error.c_str());
        } else if (step[0] == '>') {
            current = loaded;
            const SanMove move = Play(current, san).value();
            played.push_back(current);
            failed(record.RecordSend(report, loaded, move.move, move.promotionPiece,
                EncodePositionCode(current, current.giToMove)));
        } else if (step[0] == '?') {
            const Move move = MoveFromSan(loaded, san.toStdString()).value().move;
            const auto refusal = record.CastlingRefusal(report, loaded, move);
            said += !refusal ? WordRecordError(refusal.Why())
                : *refusal   ? WordLostCastling(**refusal)
                             : std::string();
        } else if (!Play(current, san) || (played.push_back(current), false)) {
            qFatal("test script: no move %s", qPrintable(step));
        } else if (step[0] == '<') {
            load(current);
        }
    }
    if (last)
        *last = current;
    return { report, said };
}

// "2:white 0 - *; 1:white 3 Nf3 *": every game, the most recently played first.
QString Games(GameRecord &record)
{
    QStringList games;
    for (const GameSummary &game : std::vector(*record.ListGames()))
        games << QString::fromStdString(std::to_string(game.id)
            + (game.localSide == White ? ":white " : ":black ") + std::to_string(game.plies) + ' '
            + (game.lastSan.empty() ? "-" : game.lastSan) + ' ' + ResultText(game.result));
    return games.join("; ");
}

QByteArray Contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// The tool run on the record in `dataHome`: "exit status|standard output|standard error".
QString RunTool(const QString &dataHome, const QString &arguments)
{
    QProcess tool;
    qputenv("XDG_DATA_HOME", dataHome.toLocal8Bit());
    tool.start(CORVALEN_CODE_PROGRAM, arguments.split(' '));
    tool.waitForFinished();
    return QString::number(tool.exitCode()) + '|' + tool.readAllStandardOutput() + '|'
        + tool.readAllStandardError();
}

// pgn-extract (when installed) reading `pgn`: its warnings; `moves` gets the move text it read.
QByteArray PgnWarnings(const QString &pgn, QByteArray *moves = nullptr)
{
    QProcess reader;
    reader.start(CORVALEN_PGN_EXTRACT, { "-s", "--notags", "-w", "1000" });
    reader.write(pgn.toUtf8());
    reader.closeWriteChannel();
    reader.waitForFinished();
    if (moves)
        *moves = reader.readAllStandardOutput().trimmed();
    return reader.readAllStandardError();
}

// A record as the first (`version` 1) or second version of the program wrote it, by that
// version's SQL: game N (from 1) started on 2026-03-0N, its move at ply P played P days later,
// game 1's last position received. In version 2 game 2 has an opponent, notes and an ending.
void WriteOldRecord(const QString &path, const QStringList &games, int version)
{
    QVERIFY(QFile(path).open(QIODevice::WriteOnly));
    auto db = Connect(path);
    QVERIFY(!db->Execute(R"(
CREATE TABLE game (id INTEGER PRIMARY KEY, started TEXT NOT NULL, start_fen TEXT NOT NULL,
    local_side INTEGER NOT NULL, result TEXT NOT NULL DEFAULT '*', plies INTEGER NOT NULL
    DEFAULT 0, last_fen TEXT NOT NULL, last_sent INTEGER NOT NULL DEFAULT 0, last_san TEXT,
    played_order INTEGER NOT NULL, sent_fen TEXT, sent_at TEXT, received_fen TEXT,
    received_plies INTEGER, received_status TEXT, received_marks TEXT);
CREATE INDEX game_by_order ON game(played_order);
CREATE INDEX game_by_sent ON game(sent_fen);
CREATE INDEX game_by_received ON game(received_fen);
CREATE TABLE move (game_id INTEGER NOT NULL REFERENCES game(id) ON DELETE CASCADE,
    ply INTEGER NOT NULL, san TEXT NOT NULL, coordinates TEXT NOT NULL, code TEXT NOT NULL,
    local INTEGER NOT NULL, played TEXT NOT NULL, PRIMARY KEY (game_id, ply)) WITHOUT ROWID;
PRAGMA user_version = 1;)"));
    for (int id = 1; id <= games.size(); ++id) {
        const QStringList game = games[id - 1].split('|'); // start FEN, local side, SAN
        BoardState board = Position(game[0]);
        const std::string start = FenFromBoard(board);
        const int16_t local = game[1] == "w" ? White : Black;
        auto day = [&](int days) {
            return QString("2026-03-%1T12:00:00Z").arg(id + days, 2, 10, QChar('0')).toStdString();
        };
        const QStringList sans = game[2].split(' ');
        for (int ply = 0; ply < sans.size(); ++ply) {
            const bool own = board.giToMove == local;
            const SanMove move = Play(board, sans[ply]).value();
            sqlite::Statement insert
                = db->Prepare("INSERT INTO move VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)");
            insert.Bind(id, ply, move.san, MoveCoordinates(move.move, move.promotionPiece),
                EncodePositionCode(board, board.giToMove), int(own), day(ply));
            QVERIFY(insert.Run());
        }
        sqlite::Statement insert = db->Prepare(
            "INSERT INTO game (id, started, start_fen, local_side, plies, last_fen, last_sent, "
            "last_san, played_order) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?1)");
        insert.Bind(id, day(0), start, local, int(sans.size()), FenFromBoard(board),
            int(board.giToMove != local), sans.last().toStdString());
        QVERIFY(insert.Run());
    }
    QVERIFY(!db->Execute("UPDATE game SET received_fen = last_fen, received_plies = plies, "
                         "received_status = 'Your opponent played 6... O-O-O' WHERE id = 1"));
    QVERIFY(version == 1 || !db->Execute(R"(
ALTER TABLE game ADD COLUMN opponent_name TEXT NOT NULL DEFAULT '';
ALTER TABLE game ADD COLUMN opponent_email TEXT NOT NULL DEFAULT '';
ALTER TABLE game ADD COLUMN notes TEXT NOT NULL DEFAULT '';
ALTER TABLE game ADD COLUMN ending INTEGER NOT NULL DEFAULT 0;
ALTER TABLE game ADD COLUMN ended_at TEXT;
ALTER TABLE game ADD COLUMN changed_at TEXT NOT NULL DEFAULT '';
UPDATE game SET changed_at = COALESCE((SELECT played FROM move WHERE game_id = game.id
    ORDER BY ply DESC LIMIT 1), started);
CREATE TABLE setting (name TEXT PRIMARY KEY, value TEXT NOT NULL) WITHOUT ROWID;
PRAGMA user_version = 2;
UPDATE game SET opponent_name = 'Ann', notes = 'kind', ending = 2, result = '1-0',
    ended_at = '2026-03-09T12:00:00Z' WHERE id = 2;
INSERT INTO setting VALUES ('player_name', 'Me');)"));
}

} // namespace

class TestRecord : public QObject {
    Q_OBJECT

private slots:
    // Published games played by their SAN: each move must read as a legal move whose SAN the
    // writer gives exactly as printed, and the game must end in the published position.
    void writesPublishedSan_data()
    {
        for (const char *column : { "start", "moves", "end" })
            QTest::addColumn<QString>(column);
        Row("the Opera game", StartFen, OperaGame, "1n1Rkb1r/p4ppp/4q3/4p1B1/4P3/8/PPP2PPP/2K5 b");
        Row("Lasker trap, Albin counter-gambit", StartFen,
            "d4 d5 c4 e5 dxe5 d4 e3 Bb4+ Bd2 dxe3 Bxb4 exf2+ Ke2 fxg1=N+ Ke1 Qh4+ Kd2",
            "rnb1k1nr/ppp2ppp/8/4P3/1BP4q/8/PP1K2PP/RN1Q1BnR b");
        Row("en passant, castling on both sides", "r3k2r/8/8/8/3p4/8/4P3/R3K2R w",
            "e4 dxe3 O-O O-O-O", "2kr3r/8/8/8/8/4p3/8/R4RK1 w");
        Row("rank, then square told apart", "8/k7/8/1R6/4Q2Q/8/7K/1R5Q w", "R1b3 Ka6 Qh4e1",
            "8/8/k7/1R6/4Q3/1R6/7K/4Q2Q b");
    }

    void writesPublishedSan()
    {
        QFETCH(QString, start);
        QFETCH(QString, moves);
        QFETCH(QString, end);
        BoardState board = Position(start);
        for (const QString &san : moves.split(' ')) {
            const std::optional<SanMove> move = Play(board, san);
            QVERIFY2(move && move->san == san.toStdString(), qPrintable(san));
        }
        QCOMPARE(QString::fromStdString(FenFromBoard(board)).section(' ', 0, 1), end);
    }

    // The report of a script's last step (RunScript): status | marks | games | message.
    void recognisesLoads_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("report");
        const QString reply = "Your opponent played ";
        const QString castling = "fen:r3k2r/pppppppp/8/8/8/8/PPPPPPPP/R3K2R_w >a3 ";
        const QString kept = "Does not follow your last move: kept as a new game||1:white %1|This "
                             "position does not follow by one legal move from "
                             "the position you sent in the game started 2026-03-01 (last move "
                             "%2). It is kept as a new game.";
        const QString noCastling = "You cannot castle on this side: your %1 in this game (%2).";
        const QString sent = "This is the position you sent in game 1 on 2026-03-0%1 (%2).";
        const QString earlier = "This is an earlier position of game 1 (%1); the game now stands "
                                "at %2.||%3";
        Row("the start twice, a send, the start again: a second game", "start start >e4 start >d4",
            "New game||2:white 1 d4 *; 1:white 1 e4 *");
        Row("a game starts after 1. e4, recorded with the first send; again, another",
            "<e4 >e5 load >d5", reply + "1. e4|e2 e4|2:black 2 d5 *; 1:black 2 e5 *");
        Row("New Game thrice, two sends", "new new new >e4 >d4", "New game||1:white 1 d4 *");
        Row("the reply, loaded twice", "new >e4 <e5 load", reply + "1... e5|e7 e5|1:white 2 e5 *");
        Row("the reply opened after a send, sent again", "new >e4 <e5 >Nf3 load >Nc3",
            reply + "1... e5|e7 e5|1:white 3 Nc3 *");
        Row("own first code opened again, a send from it", "new >e4 sent >e5",
            QString("%1||1:white 1 e4 *|%1")
                .arg(sent.arg(1).arg("1. e4") + " Your opponent has not replied with a move yet."));
        Row("the position sent, then Start a New Game", "new >e4 <e5 day:4 >Nf3 sent renew >Nc6",
            "Game started from this position||2:black 1 Nc6 *; 1:white 3 Nf3 *");
        Row("own first code, Start a New Game, recognised again", "new >e4 sent renew load >e5",
            reply + "1. e4|e2 e4|2:black 2 e5 *; 1:white 1 e4 *");
        Row("an older position, a send from it", "new >e4 <e5 >Nf3 <Nc6 ply:2 >Bc4",
            earlier.arg("after 1... e5", "2... Nc6", "1:white 4 Nc6 *"));
        Row("an older position sent", "new >e4 <e5 >Nf3 <Nc6 >Bc4 ply:3",
            earlier.arg("after 2. Nf3", "3. Bc4", "1:white 5 Bc4 *"));
        Row("the set-up position a game started from",
            "fen:4k3/8/8/8/8/8/8/R3K3_b >Kd7 <Ra2 day:2 "
            "fen:4k3/8/8/8/8/8/8/R3K3_b",
            earlier.arg("the position it started from", "2. Ra2", "1:black 2 Ra2 *"));
        Row("two moves at once", "new >e4 <e5 day:2 >Nf3 ~Nc6 ~Bc4 <Nf6",
            kept.arg("3 Nf3 *", "2. Nf3"));
        Row("two moves at once after a reply", "new >e4 <e5 day:2 >Nf3 <Nc6 ~Bc4 ~Nf6 <Ng5",
            kept.arg("4 Nc6 *", "2. Nf3"));
        Row("a code opened and nothing sent", "fen:4k3/8/8/8/8/8/8/R3K3_b",
            "Game started from this position||");
        Row("a game from a loaded position, recorded with the first send",
            "fen:4k3/8/8/8/8/8/8/R3K3_b >Kd7", "Game started from this position||1:black 1 Kd7 *");
        Row("two games in one position", "new >e4 <e5 >Nf3 new >e4 <e5 >Nf3 <Nc6",
            reply + "2... Nc6|b8 c6|2:white 4 Nc6 *; 1:white 3 Nf3 *");
        Row("castling the record forbids", castling + "<Kd8 >a4 <Ke8 >a5 <O-O",
            kept.arg("5 a5 *", "3. a5"));
        Row("castling after the king came home in a set-up game",
            "fen:5k1r/8/8/8/8/8/8/4K3_w >Kd1 <Ke8 >Ke1 <O-O", kept.arg("3 Ke1 *", "2. Ke1"));
        Row("castling after the rook came home in a set-up game",
            "fen:4k3/7r/8/8/8/8/8/4K3_w >Kd1 <Rh8 >Ke1 <O-O", kept.arg("3 Ke1 *", "2. Ke1"));
        Row("castling", castling + "<O-O", reply + "1... O-O|e8 g8 h8 f8|1:white 2 O-O *");
        Row("en passant", "<e4 >a6 <e5 >d5 <exd6", reply + "3. exd6|e5 d6 d5|1:black 5 exd6 *");
        Row("mate at load", "new >f3 <e5 >g4 <Qh4#", reply + "2... Qh4#|d8 h4|1:white 4 Qh4# 0-1");
        Row("the king moved", "new >Nf3 <Nf6 >g3 <g6 >Bg2 <Bg7 >Kf1 <Kf8 >Ke1 <Ke8 ?O-O",
            reply + "5... Ke8|f8 e8|1:white 10 Ke8 *|" + noCastling.arg("king moved", "4. Kf1"));
        Row("the king came home in a set-up game", "fen:4k3/8/8/8/8/8/8/5K1R_w >Ke1 <Kd8 ?O-O",
            reply + "1... Kd8|e8 d8|1:white 2 Kd8 *|" + noCastling.arg("king moved", "1. Ke1"));
        Row("a rook moved, one came home",
            "fen:4k3/8/8/8/8/8/7R/R3K3_w >Rh1 <Kd8 >Rb1 <Ke8 >Ra1 <Kd8 ?O-O ?O-O-O",
            reply + "3... Kd8|e8 d8|1:white 6 Kd8 *|" + noCastling.arg("rook moved", "1. Rh1")
                + noCastling.arg("rook moved", "2. Rb1"));
        Row("a rook was taken", "fen:4k3/8/8/7R/8/8/P5b1/4K2R_w >a3 <Bxh1 >Rxh1 <Kd8 ?O-O",
            reply + "2... Kd8|e8 d8|1:white 4 Kd8 *|"
                + noCastling.arg("rook was taken", "1... Bxh1"));
    }

    void recognisesLoads()
    {
        QFETCH(QString, script);
        QFETCH(QString, report);
        QTemporaryDir folder;
        const auto record = OpenRecord(folder.filePath("r"));
        const Seen seen = RunScript(*record, script);
        QStringList marks;
        for (const int16_t square : seen.report.marks)
            marks << QString::fromStdString(SquareName(square));
        QCOMPARE(QString::fromStdString(WordLoadLine(seen.report)) + '|' + marks.join(' ') + '|'
                + Games(*record) + QString::fromStdString(seen.said.empty() ? "" : '|' + seen.said),
            report);
    }

    // A write that fails midway (a trigger raising ROLLBACK, as a full disk would stop it)
    // leaves the record as the script before the failing step made it: every game's plies
    // equal its move rows, its last SAN is its last move's, its PGN reads back.
    void keepsEveryChangeWhole_data()
    {
        for (const char *column : { "before", "failing" })
            QTest::addColumn<QString>(column);
        Row("a send, its move refused", "new >e4 <e5", "refuse:BEFORE_INSERT_ON_move >Nf3");
        Row("a send, its game row refused last", "new >e4 <e5", "refuse:AFTER_UPDATE_ON_game >Nf3");
        Row("a first send, the opponent's first move refused", "<e4",
            "refuse:BEFORE_INSERT_ON_move >e5");
        Row("a load continuing a game, its move refused", "new >e4",
            "refuse:BEFORE_INSERT_ON_move <e5");
        Row("a load continuing a game, its game row refused", "new >e4",
            "refuse:AFTER_UPDATE_ON_game <e5");
    }

    void keepsEveryChangeWhole()
    {
        QFETCH(QString, before);
        QFETCH(QString, failing);
        QTemporaryDir folder;
        QStringList dumps;
        for (const QString &script : { before, before + ' ' + failing }) {
            const QString path = folder.filePath(QString::number(dumps.size()));
            auto record = OpenRecord(path);
            QCOMPARE(QString::fromStdString(RunScript(*record, script).said).contains("disk full"),
                script != before);
            for (const GameSummary &game : std::vector(*record->ListGames()))
                QCOMPARE(PgnWarnings(QString::fromStdString(*record->Pgn(game.id))), "");
            auto db = Connect(path);
            sqlite::Statement read = db->Prepare(
                "SELECT group_concat(g.id || g.plies || ifnull(g.last_san, '') || g.received_fen "
                "|| ifnull(g.sent_fen, '') || (SELECT group_concat(ply || san, ' ') FROM move "
                "WHERE game_id = g.id), '; '), sum(g.plies != (SELECT count(*) FROM move WHERE "
                "game_id = g.id) OR ifnull(g.last_san, '') != (SELECT ifnull(max(san), '') FROM "
                "move WHERE game_id = g.id AND ply = g.plies - 1)) FROM game g");
            QVERIFY(read.Step() && read.Int(1) == 0);
            dumps << QString::fromStdString(read.Text(0));
        }
        QCOMPARE(dumps.last(), dumps.first());
    }

    // A game played through the record comes back from its PGN: the SAN reader replays it to
    // the position the game ended in, and an outside reader (pgn-extract, when installed) reads
    // the same moves.
    void writesPgn_data()
    {
        for (const char *column : { "script", "tagsEnd", "firstMoves" })
            QTest::addColumn<QString>(column); // tagsEnd: from the result to the moves
        QString opera = "new";
        for (const QString &san : OperaGame.split(' '))
            opera += (opera.count(' ') % 2 ? " <" : " >") + san;
        Row("the Opera game, won by the local player", opera, "1-0\"]\n\n", "1. e4 e5 2. Nf3 d6");
        Row("a game set up with Black to move, an underpromotion",
            "fen:r3k2r/8/8/8/8/8/6p1/R3K2R_b >O-O <O-O-O >gxh1=R",
            "*\"]\n[SetUp \"1\"]\n[FEN \"r3k2r/8/8/8/8/8/6p1/R3K2R b KQkq - 0 1\"]\n\n",
            "1... O-O 2. O-O-O gxh1=R *");
    }

    void writesPgn()
    {
        QFETCH(QString, script);
        QFETCH(QString, tagsEnd);
        QFETCH(QString, firstMoves);
        QTemporaryDir folder;
        const auto record = OpenRecord(folder.filePath("r"));
        BoardState last;
        const int64_t id = RunScript(*record, script, &last).report.gameId.value();
        const QString pgn = QString::fromStdString(*record->Pgn(id));
        const QString tags = "[Event \"Corvalen e-mail game\"]\n[Site \"?\"]\n[Date "
                             "\"2026.03.01\"]\n[Round \"-\"]\n[White \"?\"]\n[Black \"?\"]\n"
                             "[Result \""
            + tagsEnd;
        const QString result = tagsEnd.section('"', 0, 0);
        QVERIFY2(pgn.startsWith(tags) && pgn.endsWith(' ' + result + "\n\n"), qPrintable(pgn));
        const QStringList lines = pgn.mid(tags.size()).trimmed().split('\n');
        const QString moves = lines.join(' ');
        QVERIFY2(moves.startsWith(firstMoves), qPrintable(moves));
        QCOMPARE(QString::fromStdString(record->Moves(id)->moveText + ' ') + result, moves);
        BoardState board = Position(tags.contains("FEN") ? tagsEnd.section('"', 4, 4) : StartFen);
        for (const QString &token : moves.split(' ')) {
            std::optional<SanMove> move;
            QVERIFY2(token.endsWith('.') || token == result
                    || ((move = Play(board, token)) && move->san == token.toStdString()),
                qPrintable(token));
        }
        QCOMPARE(FenFromBoard(board), FenFromBoard(last));
        for (const QString &line : lines)
            QVERIFY2(line.size() <= 80, qPrintable(line));

        QByteArray read;
        if (!QString(CORVALEN_PGN_EXTRACT).isEmpty())
            QCOMPARE(PgnWarnings(pgn, &read) + read, moves.toUtf8());
    }

    // Files the record cannot use, opened in every way: the error names the file and the
    // reason, and the file stays byte for byte as it was, with nothing beside it.
    void leavesUnreadableRecordAlone_data()
    {
        QTest::addColumn<QString>("setUp"); // SQL that makes the file, or "text" or "read-only"
        QTest::addColumn<QString>("reason");
        Row("not a database", "text", "file is not a database");
        Row("written by a newer version", "PRAGMA user_version = 4", "newer version of Corvalen");
        Row("another program's database", "CREATE TABLE t (a)", "not a Corvalen game record");
        Row("another program's tables under the record's version",
            "CREATE TABLE game (id); CREATE TABLE move (id); PRAGMA user_version = 1",
            "not a Corvalen game record");
        Row("in a folder that cannot be written", "read-only", "readonly database");
    }

    void leavesUnreadableRecordAlone()
    {
        QFETCH(QString, setUp);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        const QString path = folder.filePath("games.sqlite");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly)
            && file.write(QByteArray(setUp == "text" ? 4096 : 0, 'x')) >= 0);
        file.close();
        if (setUp == "read-only")
            RunScript(*OpenRecord(path), "new >e4");
        else if (setUp != "text")
            QCOMPARE(Execute(path, qPrintable(setUp)), "");
        const QByteArray before = Contents(path);

        // Root writes into any folder: the test then acts as the folder's owner `nobody`.
        const bool readOnly = setUp == "read-only", asNobody = readOnly && geteuid() == 0;
        const auto restore = qScopeGuard([&] {
            chmod(qPrintable(folder.path()), 0700);
            QVERIFY(!asNobody || seteuid(0) == 0);
        });
        QVERIFY(!readOnly || chmod(qPrintable(folder.path()), 0500) == 0);
        QVERIFY(!asNobody
            || (chown(qPrintable(folder.path()), 65534, 65534) == 0
                && chown(qPrintable(path), 65534, 65534) == 0 && seteuid(65534) == 0));
        for (const RecordAccess access :
            { RecordAccess::Create, RecordAccess::ReadWrite, RecordAccess::ReadOnly }) {
            // The tool still reads a record in a folder it cannot write.
            const bool reads = readOnly && access == RecordAccess::ReadOnly;
            std::string error;
            QCOMPARE(OpenRecord(path, access, &error) != nullptr, reads);
            const QString said = QString::fromStdString(error);
            QVERIFY2(reads
                    || (said.startsWith("the game record " + path + ": ") && said.contains(reason)),
                qPrintable(said));
        }
        QCOMPARE(Contents(path), before);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList { "games.sqlite" });
    }

    // corvalen-code on a record of two games (1. e4 e5 2. Nf3 with White, then one set up with
    // Black to move), left open as a window would or closed: "exit status|standard output|
    // standard error" ("@N" for the PGN of game N, PATH for the record's path), and the record
    // file byte for byte as it was, with no file beside it that was not there before.
    void toolReadsTheRecord_data()
    {
        for (const char *column : { "arguments", "home", "answer" })
            QTest::addColumn<QString>(column);
        Row("games, the program closed", "games", "closed",
            "0|2\t2026-03-01\tblack\t1\tKd7\t*\t\ttheirs\n1\t2026-03-01\twhite\t3\tNf3\t*"
            "\t\ttheirs\n|");
        Row("pgn of the game played last", "pgn", "record", "0|@2|");
        Row("pgn of one game", "pgn 1", "record", "0|@1|");
        Row("pgn of all games", "pgn all", "record", "0|@2@1|");
        const QString tags
            = "[Event \"Corvalen e-mail game\"]\n[Site \"?\"]\n[Date \"%1\"]\n[Round "
              "\"-\"]\n[White \"?\"]\n[Black \"%2\"]\n[Result \"*\"]\n";
        Row("games of a record edited by hand", "games", "edited",
            "0|2\t2026-03-01\tblack\t1\tKd7\t*\t\ttheirs\n1\t2026-03 01\twhite\t3\tNf3\t*\tBo "
            "b\u200f\ttheirs\n|");
        Row("pgn of a record edited by hand", "pgn all", "edited",
            "0|" + tags.arg("2026.03.01", "?")
                + "[SetUp \"1\"]\n[FEN \"4k3/8/8/8/8/8/8/R3K3 b Q - 0 1\"]\n\n{the record holds "
                  "no legal move here} *\n\n"
                + tags.arg("????.??.??", "Bob") + "\n1. e4 e5 2. Nf3 *\n\n|");
        Row("pgn of an unknown game", "pgn 7", "record",
            "1||error: the game record PATH: no game 7\n");
        Row("the record deleted", "games", "deleted",
            "1||error: no game record (turn it on in the Game dialog)\n");
        Row("a board without a king of the side to move", "status CHESS-CODE:0r4d080", "record",
            "0|none\n|");
    }

    void toolReadsTheRecord()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, home);
        QFETCH(QString, answer);
        QTemporaryDir folder;
        const QString path = folder.filePath("record/corvalen/games.sqlite");
        auto record = OpenRecord(path);
        RunScript(*record, "new >e4 <e5 >Nf3 fen:4k3/8/8/8/8/8/8/R3K3_b >Kd7");
        for (const int id : { 1, 2 })
            answer.replace(QString("@%1").arg(id), QString::fromStdString(*record->Pgn(id)));
        // Delete Record... takes the file and its companions (the record is open: both exist).
        QVERIFY(home != "deleted"
            || (!DeleteRecord(path.toStdString()) && !QFile::exists(path + "-wal")));
        // By hand: a line break in a date, a comment in a SAN, an ending no version knows, a
        // tab and a bidirectional mark in a name, a move that is not legal.
        QVERIFY(home != "edited"
            || Execute(path,
                "UPDATE game SET started = '2026-03' || char(10) || '01', ending = 9, "
                "opponent_name = 'Bo' || char(9) || 'b' || char(8207) WHERE id = 1; "
                "UPDATE move SET san = 'e4 {evil' WHERE game_id = 1 AND ply = 0; "
                "UPDATE move SET coordinates = 'e8e1' WHERE game_id = 2")
                   .empty());
        if (home == "closed")
            record.reset(); // the record stays in WAL mode, with no -wal file beside it
        const QByteArray before = Contents(path);
        const QStringList files = QDir(folder.filePath("record/corvalen")).entryList(QDir::Files);

        QCOMPARE(RunTool(folder.filePath("record"), arguments).replace(path, "PATH"), answer);
        QCOMPARE(Contents(path), before);
        QCOMPARE(QDir(folder.filePath("record/corvalen")).entryList(QDir::Files), files);
        if (arguments.startsWith("pgn") && !QString(CORVALEN_PGN_EXTRACT).isEmpty())
            QCOMPARE(PgnWarnings(answer.section('|', 1, 1)), "");
    }

    // A record of an older version (three games: as White with en passant and castling on
    // both sides, as Black, from a set-up position with Black to move): "games|user_version|
    // whole days since each game's last change, or 'as it was' when not a byte changed", and
    // once opened "|the status line of game 1's received position loaded again|game 2's notes".
    void upgradesOlderVersions_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("after");
        const QString one = "0|3\t2026-03-03\tblack\t2\tO-O-O\t*\t\tyours\n"
                            "2\t2026-03-02\tblack\t4\te6\t*\t\ttheirs\n"
                            "1\t2026-03-01\twhite\t12\tO-O-O\t*\t\tyours\n|";
        const QString two = QString(one).replace("e6\t*\t\ttheirs", "e6\t1-0\tAnn\t");
        const QString opened = "|3|16 15 8|Your opponent played 6... O-O-O|";
        Row("version 1 read by the tool", 1, "tool", one + "|1|as it was");
        Row("version 1 opened by the program", 1, "open", one + opened);
        Row("version 1, its upgrade failing midway", 1, "refuse", one + "|1|as it was");
        Row("version 2 read by the tool", 2, "tool", two + "|2|as it was");
        Row("version 2 opened by the program", 2, "open", two + opened + "kind");
        Row("version 2, its upgrade failing midway", 2, "refuse", two + "|2|as it was");
    }

    void upgradesOlderVersions()
    {
        QFETCH(int, version);
        QFETCH(QString, step);
        QFETCH(QString, after);
        QTemporaryDir folder;
        const QString path = folder.filePath("corvalen/games.sqlite");
        QVERIFY(QDir(folder.path()).mkdir("corvalen"));
        const QString first = "e4 d5 e5 f5 exf6 Nc6 Nf3 Bg4 Be2 Qd7 O-O O-O-O";
        WriteOldRecord(path,
            { StartFen + "|w|" + first, StartFen + "|b|d4 Nf6 c4 e6",
                "r3k2r/8/8/8/8/8/8/R3K2R b|b|O-O O-O-O" },
            version);
        std::string error;
        if (step == "refuse")
            QCOMPARE(Execute(path,
                         "CREATE TRIGGER refuse BEFORE UPDATE ON game BEGIN SELECT "
                         "RAISE(ROLLBACK, 'disk full'); END"),
                "");
        const QByteArray before = Contents(path);
        const QString pgn = RunTool(folder.path(), "pgn all");
        QCOMPARE(PgnWarnings(pgn.section('|', 1, 1)), "");
        QVERIFY2(
            pgn.contains("1. e4 d5 2. e5 f5 3. exf6 Nc6") && pgn.contains("1... O-O 2. O-O-O *"),
            qPrintable(pgn));
        QString days = "as it was";
        if (step != "tool") {
            auto record = OpenRecord(path, RecordAccess::Create, &error);
            QCOMPARE(record == nullptr, step == "refuse");
            QVERIFY(record || error.find("disk full") != std::string::npos);
            if (record) {
                record->SetClock([] { return std::chrono::system_clock::from_time_t(1774008000); });
                days.clear();
                for (const GameSummary &game : std::vector(*record->ListGames()))
                    days += QString::number(game.daysSince) + (game.id > 1 ? " " : "");
                BoardState received = Position(StartFen);
                for (const QString &san : first.split(' '))
                    Play(received, san);
                const LoadReport again
                    = *record->RecogniseLoad(received, LoadedStatus(received, FindKing(received)),
                        EncodePositionCode(received, received.giToMove));
                days += QString::fromStdString(
                    '|' + WordLoadLine(again) + '|' + record->Details(2)->notes);
            }
        }
        QCOMPARE(RunTool(folder.path(), "pgn all"), pgn);
        const QString games = RunTool(folder.path(), "games");
        if (Contents(path) != before)
            days.replace("as it was", "changed");
        auto db = Connect(path, true);
        sqlite::Statement read = db->Prepare("PRAGMA user_version");
        QVERIFY(read.Step());
        QCOMPARE(games + '|' + QString::number(read.Int(0)) + '|' + days, after);
    }

    // The players' names and a result the position cannot show, from the White tag on.
    void pgnNamesAndEndings_data()
    {
        QTest::addColumn<QString>("white");
        QTest::addColumn<QString>("black");
        QTest::addColumn<int>("ending");
        QTest::addColumn<QString>("written");
        const QString moves = "\n1. e4 e5 ";
        Row("quote and backslash escaped", "Anna \"the Rook\" Berg", "C:\\chess",
            int(GameEnding::None),
            "[White \"Anna \\\"the Rook\\\" Berg\"]\n[Black \"C:\\\\chess\"]\n[Result \"*\"]\n"
                + moves + "*");
        Row("controls, bidirectional and zero-width marks out, blanks trimmed, cut at 80",
            " Dr.\tM\u00fcller\u0085 " + QString(75, 'x'),
            "\n\u200e\u061cBo\u200b\u200f\u2060\u202a\u2069\ufeff", int(GameEnding::None),
            "[White \"Dr.M\u00fcller " + QString(70, 'x') + "\"]\n[Black \"Bo\"]\n[Result \"*\"]\n"
                + moves + "*");
        Row("White resigns", "", "Bo", int(GameEnding::WhiteResigned),
            "[White \"?\"]\n[Black \"Bo\"]\n[Result \"0-1\"]\n[Termination \"normal\"]\n" + moves
                + "{White resigns.} 0-1");
        Row("draw claimed", "", "", int(GameEnding::ThreefoldClaimed),
            "[White \"?\"]\n[Black \"?\"]\n[Result \"1/2-1/2\"]\n[Termination \"normal\"]\n" + moves
                + "{Draw claimed: threefold repetition.} 1/2-1/2");
    }

    void pgnNamesAndEndings()
    {
        QFETCH(QString, white);
        QFETCH(QString, black);
        QFETCH(int, ending);
        QFETCH(QString, written);
        PgnGame game;
        game.sans = { "e4", "e5" };
        game.white = white.toStdString();
        game.black = black.toStdString();
        game.ending = GameEnding(ending);
        const QString pgn = QString::fromStdString(WritePgn(game));
        QCOMPARE(pgn.mid(pgn.indexOf("[White")), written + "\n\n");
    }

    // Opponent's e-mail: one plain address, percent-encoded into the New E-mail link.
    void plainAddresses_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("url"); // "refused" when it is no plain address
        Row("plain, with a plus", "anna.berg+chess@mail.example.org",
            "mailto:anna.berg%2Bchess@mail.example.org?subject=Chess%3A%201.%20e4&body=AB%0D%0A");
        Row("two addresses", "a@example.org,b@example.org", "refused");
        Row("name and address", "Anna <anna@example.org>", "refused");
        Row("a blank", "anna @example.org", "refused");
        Row("a header smuggled in", "anna@example.org?cc=b@example.org", "refused");
        Row("an ampersand", "a&b@example.org", "refused");
        Row("a line break", "anna@example.org\r\n", "refused");
        Row("a quoted local part", "\"anna\"@example.org", "refused");
        Row("no dot in the domain", "anna@localhost", "refused");
        Row("two dots in a row", "anna..berg@example.org", "refused");
        Row("no local part", "@example.org", "refused");
    }

    void plainAddresses()
    {
        QFETCH(QString, address);
        QFETCH(QString, url);
        const std::string text = address.toStdString();
        QCOMPARE(QString::fromStdString(
                     IsPlainAddress(text) ? MailtoUrl(text, "Chess: 1. e4", "AB\r\n") : "refused"),
            url);
    }
};

QTEST_GUILESS_MAIN(TestRecord)
#include "tst_record.moc"
