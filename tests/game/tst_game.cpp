#include <map>

#include <QDateTime>
#include <QTemporaryDir>
#include <QTest>

#include "Support.h"
#include "code/CodeText.h"
#include "game/Game.h"
#include "rules/Text.h"

using namespace corvalen;
using namespace corvalen::testing;

namespace {

// A language that marks each text it translates.
std::string Marked(const char *, const char *source)
{
    return '<' + std::string(source) + '>';
}

// Two players, White and Black, each with a record, playing one another by codes. Steps:
//   SAN     the side to move plays it and sends; the other loads the code
//   SAN!    played, not sent yet        send   the move played is sent and loaded
//   new:w   New Game (White's)          undo:b, claim:b, resign:w, resigned:w, agree:w, reopen:w,
//   delete:w  on the game of the turn   name:w:NAME, opp:w:NAME:ADDRESS, notes:w:TEXT
//   load:b  the code Black received last, loaded again     off:b, on:b  the record switched
//   adopt:w:NAME  a name kept before moved in    turn:w:NAME:ADDRESS  the opponent before a send
//   ?status:w  the status line   ?list:w  the list of games, each "OPPONENT as SIDE, FULL
//   MOVES: LAST MOVE WHOSE-MOVE RESULT" ("?": no name)   ?pgn:w  the notes, then the tags
//   and moves of the game of the turn   ?mail:w  the subject note and the opponent's address
//   ?ask:b  the question before Send Move, and its button
//   ?subject:w:MOVE  the whole subject   lang  texts marked <...> on/off   reload  the last code
// ('_' stands for a blank). The answers of "?" steps and of changes that fail, joined by " | ".
QString Play(const QString &script)
{
    QTemporaryDir folder;
    Game white(folder.filePath("w").toStdString()), black(folder.filePath("b").toStdString());
    white.SwitchRecord(true);
    black.SwitchRecord(true);
    white.NewGame();
    Game *moving = &white;
    QStringList said;
    std::string lastCode;
    std::map<Game *, std::string> received;
    auto send = [&] {
        const SentMove sent = moving->Send();
        lastCode = sent.code;
        moving = moving == &white ? &black : &white;
        received[moving] = sent.code;
        moving->Load(ReadCodeText(sent.code).decoded, sent.code);
    };
    for (QString step : script.split(' ', Qt::SkipEmptyParts)) {
        step.replace('_', ' ');
        const QStringList word = step.split(':');
        Game &game = word.value(1) == "b" ? black : white;
        const std::optional<int64_t> id = game.CurrentGameId();
        bool done = true;
        if (step == "send") {
            send();
        } else if (word[0] == "new") {
            game.NewGame();
            moving = &game;
        } else if (word[0] == "load") {
            moving = &game;
            game.Load(ReadCodeText(received[&game]).decoded, received[&game]);
        } else if (word[0] == "off" || word[0] == "on") {
            game.SwitchRecord(word[0] == "on");
        } else if (word[0] == "?ask") {
            std::string confirm;
            said << QString::fromStdString(game.SendQuestion(confirm) + " [" + confirm + ']');
        } else if (word[0] == "undo") {
            game.Undo();
        } else if (word[0] == "claim") {
            done = game.ClaimDraw();
        } else if (const int ending
                   = QStringList { "resign", "resigned", "agree" }.indexOf(word[0]);
                   ending >= 0) {
            done = game.EndGame(id.value_or(0), PlayerEnding(ending));
        } else if (word[0] == "reopen") {
            done = game.ReopenGame(id.value_or(0));
        } else if (word[0] == "delete") {
            done = game.DeleteGame(id.value_or(0));
        } else if (word[0] == "adopt") {
            done = game.AdoptPlayerName(word[2].toStdString());
        } else if (word[0] == "turn") {
            done = game.SetTurnOpponent(word[2].toStdString(), word.value(3).toStdString());
        } else if (word[0] == "name") {
            game.SetPlayerName(word[2].toStdString());
        } else if (word[0] == "opp") {
            done = game.SetOpponent(
                id.value_or(0), word[2].toStdString(), word.value(3).toStdString());
        } else if (word[0] == "notes") {
            done = game.SetNotes(id.value_or(0), word[2].toStdString());
        } else if (word[0] == "?status") {
            said << QString::fromStdString(game.StatusLine());
        } else if (step == "lang") {
            static bool marked = false;
            marked = !marked;
            SetTranslator(marked ? Marked : nullptr);
        } else if (step == "reload") {
            moving->Load(ReadCodeText(lastCode).decoded, lastCode);
        } else if (word[0] == "?subject") {
            said << QString::fromStdString(game.MailSubject(word.value(2).toStdString()));
        } else if (word[0] == "?mail") {
            said << QString::fromStdString(game.MailSubjectNote() + '>' + game.OpponentEmail());
        } else if (word[0] == "?pgn") {
            const std::optional<GameView> view = game.ViewGame(id.value_or(0));
            const QString pgn = QString::fromStdString(view ? view->pgn : "no game");
            said << QString::fromStdString(view ? view->notes : "")
                    + pgn.mid(pgn.indexOf("[White")).simplified();
        } else if (word[0] == "?list") {
            QStringList rows;
            const char *turn[] = { "yours", "theirs", "ended" };
            for (const GameListRow &row : game.GameList())
                rows << QString::fromStdString((row.opponent.empty() ? "?" : row.opponent)
                    + (row.localSide == White ? " as White, " : " as Black, ")
                    + std::to_string(row.fullMoves) + ": " + row.lastMove + ' '
                    + turn[int(row.turn)] + ' ' + ResultText(row.result));
            said << rows.join(", ");
        } else {
            const bool wait = step.endsWith('!');
            const TypedMove typed = moving->ReadTyped(step.chopped(wait).toStdString());
            if (typed.kind != TypedMove::Kind::Move
                || !moving->TakesMove(typed.move))
                qFatal("test script: no move %s", qPrintable(step));
            moving->Play(typed.move);
            if (!wait)
                send();
        }
        if (!done)
            said << step + " refused";
        for (Game *player : { &white, &black })
            for (const Notice &notice : player->TakeNotices())
                if (notice.kind == Notice::Kind::Warning)
                    said << "warning: " + QString::fromStdString(notice.text);
    }
    return said.join(" | ");
}

// The answers of a script, with TODAY for the date of the run.
void CheckPlay()
{
    QFETCH(QString, script);
    QFETCH(QString, answers);
    QCOMPARE(Play(script),
        answers.replace("TODAY", QDateTime::currentDateTimeUtc().date().toString(Qt::ISODate)));
}

void Columns()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("answers");
}

const QString Ended = "This game ended on TODAY (%1); nothing is recorded";
const QString Knights = "Nf3 Nf6 Ng1 Ng8 Nf3 Nf6 Ng1 ";
const QString Claimable = "Draw can be claimed: threefold repetition.";
const QString SendOrUndo = " Press Send Move to copy your move, or Undo Move.";

} // namespace

class TestGame : public QObject {
    Q_OBJECT

private slots:
    // The desk: the list of games, the names and notes, the endings the players set, deletion.
    void desk_data()
    {
        Columns();
        Row("names and a resignation in PGN",
            "name:w:Anna e4 e5 opp:w:Bo_Ek:bo@example.org notes:w:Quiet resign:w ?pgn:w ?list:w "
            "?status:w ?mail:w",
            "Quiet[White \"Anna\"] [Black \"Bo Ek\"] [Result \"0-1\"] [Termination \"normal\"] "
            "1. e4 e5 {White resigns.} 0-1 | Bo Ek as White, 1: 1... e5 ended 0-1 | "
                + Ended.arg("White resigned") + " | >bo@example.org");
        Row("opponent resigned, as Black", "e4 e5 Nf3 resigned:b ?list:b ?list:w",
            "? as Black, 2: 2. Nf3 ended 0-1 | ? as White, 2: 2. Nf3 theirs *");
        Row("a reply to a game agreed drawn, and a send from it",
            "e4 e5 Nf3 agree:w Nc6 ?status:w ?list:w Bc4 ?list:w",
            Ended.arg("draw agreed")
                + " | ? as White, 2: 2. Nf3 ended 1/2-1/2 | ? as White, 2: 2. Nf3 ended 1/2-1/2");
        Row("reopened, then played on", "e4 e5 resign:w reopen:w ?list:w Nf3 ?list:w",
            "? as White, 1: 1... e5 yours * | ? as White, 2: 2. Nf3 theirs *");
        Row("mate stays", "f3 e5 g4 Qh4# reopen:w ?list:w",
            "reopen:w refused | ? as White, 2: 2... Qh4# ended 0-1");
        Row("an address that is not one plain address, then a name with its address",
            "e4 opp:w:Bo:bo@x ?mail:w opp:w::Bob_<bob@example.org> ?list:w ?mail:w",
            "opp:w:Bo:bo@x refused | > | Bob as White, 1: 1. e4 theirs * | >bob@example.org");
        Row("a finished game captures no new game",
            "Nf3 Nf6 Ng1 Ng8 resign:w resigned:b new:w d4 d5 ?list:w ?list:b",
            "? as White, 1: 1... d5 yours *, ? as White, 2: 2... Ng8 ended 0-1 | ? as Black, 1: "
            "1... d5 theirs *, ? as Black, 2: 2... Ng8 ended 0-1");
        Row("one game deleted, a send from it", "e4 e5 new:w d4 d5 delete:w ?list:w c4 ?list:w",
            "? as White, 1: 1... e5 yours * | ? as White, 1: 1... e5 yours *");
    }

    void desk() { CheckPlay(); }

    // The draws a player claims, at load or with the move, and the subject that tells them.
    void claims_data()
    {
        Columns();
        Row("threefold at load, claimed",
            Knights + "Ng8 ?status:w claim:w ?list:w ?mail:w ?status:w",
            "Your opponent played 4... Ng8  " + Claimable
                + " | ? as White, 4: 4... Ng8 ended 1/2-1/2 |  (I claim a draw: threefold "
                  "repetition)> | "
                + Ended.arg("draw claimed: threefold repetition"));
        Row("threefold with the local move, claimed and sent",
            Knights + "Ng8! ?status:b claim:b ?status:b send ?list:b ?list:w ?mail:b",
            Claimable + SendOrUndo + " | Draw claimed: threefold repetition." + SendOrUndo
                + " | ? as Black, 4: 4... Ng8 ended 1/2-1/2 | ? as White, 4: 4... Ng8 yours * |  "
                  "(I claim a draw: threefold repetition)>");
        Row("a claim with the move, the code loaded again",
            Knights + "Ng8! claim:b load:b ?list:b ?mail:b ?status:b",
            "? as Black, 4: 4. Ng1 yours * | > | Your opponent played 4. Ng1");
        Row("a claim with the move, the record off, another move",
            Knights + "Ng8! claim:b off:b undo:b Nh5! ?status:b ?mail:b on:b ?list:b",
            "Press Send Move to copy your move, or Undo Move. | > | ? as Black, 4: 4. Ng1 yours *");
        Row("the mail subject with a claim", Knights + "Ng8 claim:w ?subject:w ?subject:w:5._Nf3",
            "Chess: my move (I claim a draw: threefold repetition) | Chess: my move 5. Nf3 (I "
            "claim a draw: threefold repetition)");
    }

    void claims() { CheckPlay(); }

    // What the record keeps across loads: the player's name, the opponent given before the
    // game is recorded, the answers sent before, the status in English.
    void recordLife_data()
    {
        Columns();
        Row("the name in the record stays; the opponent given before the first send",
            "name:w:Ann new:w adopt:w:Old turn:w::Bo_<bo@x.se> ?mail:w e4 ?pgn:w",
            ">bo@x.se | [White \"Ann\"] [Black \"Bo\"] [Result \"*\"] 1. e4 *");
        Row("a second answer asked for, the same one recorded once",
            "e4 e5 Nf3 Nc6 load:b ?status:b Nc6 ?list:b load:b d6! ?ask:b undo:b ?list:b",
            "Your opponent played 2. Nf3  You answered this position on TODAY with 2... Nc6. | ? "
            "as Black, 2: 2... Nc6 theirs * | You have sent 2... Nc6 from this position already. "
            "Send 2... d6 instead? If your opponent has that e-mail, this game will no longer "
            "match it. [Send 2... d6] | ? as Black, 2: 2... Nc6 theirs *");
        Row("an opening answered before starts a new game",
            "e4 e5 load:b ?status:b ?ask:b c5 ?list:b",
            "Your opponent played 1. e4  You answered this position in game 1 on TODAY with 1... "
            "e5; a move sent now starts a new game. |  [] | ? as Black, 1: 1... c5 theirs *, ? "
            "as Black, 1: 1... e5 theirs *");
        Row("a translated status line, kept in English by the record",
            "e4 lang e5 ?status:w lang reload ?status:w lang reload ?status:w lang",
            "<Your opponent played 1... e5> | Your opponent played 1... e5 | <Your opponent "
            "played 1... e5>");
    }

    void recordLife() { CheckPlay(); }
};

QTEST_GUILESS_MAIN(TestGame)
#include "tst_game.moc"
