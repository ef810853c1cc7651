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
//   ?status:w  the status line   ?list:w  the list of games   ?pgn:w  the notes, then the tags
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
            for (const GameListRow &row : game.GameList())
                rows << QString::fromStdString(row.opponent
                    + (row.localSide == White ? " W " : " B ") + std::to_string(row.fullMoves) + ' '
                    + row.lastMove + ' ' + "YTF"[int(row.turn)] + std::to_string(row.daysSince)
                    + ' ' + ResultText(row.result));
            said << rows.join(", ");
        } else {
            const bool wait = step.endsWith('!');
            const TypedMove typed = moving->ReadTyped(step.chopped(wait).toStdString());
            if (typed.kind != TypedMove::Kind::Move
                || !moving->TakesMove(typed.move.from, typed.move.to))
                qFatal("test script: no move %s", qPrintable(step));
            moving->Play(typed.move.from, typed.move.to, typed.promotionPiece);
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

} // namespace

class TestGame : public QObject {
    Q_OBJECT

private slots:
    void playsThroughTheDesk_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("answers");
        const QString knights = "Nf3 Nf6 Ng1 Ng8 Nf3 Nf6 Ng1 ";
        const QString ended = "This game ended on TODAY (%1); nothing is recorded";
        const QString claimable = "Draw can be claimed: threefold repetition.";
        const QString sendOrUndo = " Press Send Move to copy your move, or Undo Move.";
        Row("names and a resignation in PGN",
            "name:w:Anna e4 e5 opp:w:Bo_Ek:bo@example.org notes:w:Quiet resign:w ?pgn:w ?list:w "
            "?status:w ?mail:w",
            "Quiet[White \"Anna\"] [Black \"Bo Ek\"] [Result \"0-1\"] [Termination \"normal\"] 1. "
            "e4 "
            "e5 {White resigns.} 0-1 | Bo Ek W 1 1... e5 F0 0-1 | "
                + ended.arg("White resigned") + " | >bo@example.org");
        Row("opponent resigned, as Black", "e4 e5 Nf3 resigned:b ?list:b ?list:w",
            " B 2 2. Nf3 F0 0-1 |  W 2 2. Nf3 T0 *");
        Row("a reply to a game agreed drawn, and a send from it",
            "e4 e5 Nf3 agree:w Nc6 ?status:w ?list:w Bc4 ?list:w",
            ended.arg("draw agreed") + " |  W 2 2. Nf3 F0 1/2-1/2 |  W 2 2. Nf3 F0 1/2-1/2");
        Row("reopened, then played on", "e4 e5 resign:w reopen:w ?list:w Nf3 ?list:w",
            " W 1 1... e5 Y0 * |  W 2 2. Nf3 T0 *");
        Row("mate stays", "f3 e5 g4 Qh4# reopen:w ?list:w",
            "reopen:w refused |  W 2 2... Qh4# F0 0-1");
        Row("an address that is not one plain address, then a name with its address",
            "e4 opp:w:Bo:bo@x ?mail:w opp:w::Bob_<bob@example.org> ?list:w ?mail:w",
            "opp:w:Bo:bo@x refused | > | Bob W 1 1. e4 T0 * | >bob@example.org");
        Row("the name in the record stays; the opponent given before the first send",
            "name:w:Ann new:w adopt:w:Old turn:w::Bo_<bo@x.se> ?mail:w e4 ?pgn:w",
            ">bo@x.se | [White \"Ann\"] [Black \"Bo\"] [Result \"*\"] 1. e4 *");
        Row("threefold at load, claimed",
            knights + "Ng8 ?status:w claim:w ?list:w ?mail:w ?status:w",
            "Your opponent played 4... Ng8  " + claimable
                + " |  W 4 4... Ng8 F0 1/2-1/2 |  (I claim a draw: threefold repetition)> | "
                + ended.arg("draw claimed: threefold repetition"));
        Row("threefold with the local move, claimed and sent",
            knights + "Ng8! ?status:b claim:b ?status:b send ?list:b ?list:w ?mail:b",
            claimable + sendOrUndo + " | Draw claimed: threefold repetition." + sendOrUndo
                + " |  B 4 4... Ng8 F0 1/2-1/2 |  W 4 4... Ng8 Y0 * |  (I claim a draw: "
                  "threefold repetition)>");
        Row("a claim with the move, the code loaded again",
            knights + "Ng8! claim:b load:b ?list:b ?mail:b ?status:b",
            " B 4 4. Ng1 Y0 * | > | Your opponent played 4. Ng1");
        Row("a claim with the move, the record off, another move",
            knights + "Ng8! claim:b off:b undo:b Nh5! ?status:b ?mail:b on:b ?list:b",
            "Press Send Move to copy your move, or Undo Move. | > |  B 4 4. Ng1 Y0 *");
        Row("a second answer asked for, the same one recorded once",
            "e4 e5 Nf3 Nc6 load:b ?status:b Nc6 ?list:b load:b d6! ?ask:b undo:b ?list:b",
            "Your opponent played 2. Nf3  You answered this position on TODAY with 2... Nc6. |  B "
            "2 2... Nc6 T0 * | You have sent 2... Nc6 from this position already. Send 2... d6 "
            "instead? If your opponent has that e-mail, this game will no longer match it. [Send "
            "2... d6] |  B 2 2... Nc6 T0 *");
        Row("an opening answered before starts a new game",
            "e4 e5 load:b ?status:b ?ask:b c5 ?list:b",
            "Your opponent played 1. e4  You answered this position in game 1 on TODAY with 1... "
            "e5; a move sent now starts a new game. |  [] |  B 1 1... c5 T0 *,  B 1 1... e5 T0 *");
        Row("a finished game captures no new game",
            "Nf3 Nf6 Ng1 Ng8 resign:w resigned:b new:w d4 d5 ?list:w ?list:b",
            " W 1 1... d5 Y0 *,  W 2 2... Ng8 F0 0-1 |  B 1 1... d5 T0 *,  B 2 2... Ng8 F0 0-1");
        Row("one game deleted, a send from it", "e4 e5 new:w d4 d5 delete:w ?list:w c4 ?list:w",
            " W 1 1... e5 Y0 * |  W 1 1... e5 Y0 *");
        Row("a translated status line, kept in English by the record",
            "e4 lang e5 ?status:w lang reload ?status:w lang reload ?status:w lang",
            "<Your opponent played 1... e5> | Your opponent played 1... e5 | <Your opponent "
            "played 1... e5>");
        Row("the mail subject with a claim", knights + "Ng8 claim:w ?subject:w ?subject:w:5._Nf3",
            "Chess: my move (I claim a draw: threefold repetition) | Chess: my move 5. Nf3 (I "
            "claim a draw: threefold repetition)");
    }

    void playsThroughTheDesk()
    {
        QFETCH(QString, script);
        QFETCH(QString, answers);
        QCOMPARE(Play(script),
            QString(answers).replace(
                "TODAY", QDateTime::currentDateTimeUtc().date().toString(Qt::ISODate)));
    }
};

QTEST_GUILESS_MAIN(TestGame)
#include "tst_game.moc"
