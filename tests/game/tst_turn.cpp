#include <QTest>

#include "Support.h"
#include "code/CodeText.h"
#include "game/Game.h"
#include "rules/San.h"

using namespace corvalen;
using namespace corvalen::testing;

namespace {

const QString StartFen = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w";

// What the record in memory holds, and how it answers: a load becomes a game started from the
// position, a send is kept by its move, a spoiled record fails every write, a broken one cannot
// be opened.
struct Ledger {
    int opened = 0;
    bool spoiled = false;
    bool broken = false;
    QStringList sends;
};

// A load the first send records, with its status line.
LoadReport Started(LoadCase kind, LoadLine line)
{
    LoadReport load;
    load.kind = kind;
    load.startsOnSend = true;
    load.line = line;
    return load;
}

class MemoryRecord final : public TurnRecord {
public:
    explicit MemoryRecord(Ledger &ledger)
        : mLedger(ledger)
    {
    }
    Outcome<LoadReport> RecogniseLoad(const BoardState &, GameStatus, const std::string &) override
    {
        return Started(LoadCase::Otherwise, LoadLine::StartedHere);
    }
    std::optional<Error> StartGameFromSameAsSent(
        LoadReport &, const BoardState &, GameStatus, const std::string &) override
    {
        return {};
    }
    LoadReport StartNewGame() const override
    {
        return Started(LoadCase::NewGame, LoadLine::NewGame);
    }
    std::optional<Error> RecordSend(LoadReport &load, const BoardState &loaded, Move move,
        const std::string &, GameEnding) override
    {
        if (mLedger.spoiled)
            return Error::Failure("no room left");
        mLedger.sends << QString::fromStdString(MoveToSan(loaded, move));
        load.gameId = 1;
        return {};
    }
    Outcome<std::optional<record::LostCastling>> CastlingRefusal(
        const LoadReport &, const BoardState &, Move) override
    {
        return std::optional<record::LostCastling>();
    }
    Outcome<std::vector<GameSummary>> ListGames() override { return std::vector<GameSummary>(); }
    Outcome<GameMoves> Moves(int64_t) override
    {
        return GameMoves { "", "", mLedger.sends.last().toStdString() };
    }
    Outcome<std::string> Pgn(int64_t) override { return std::string(); }
    Outcome<GameDetails> Details(int64_t id) override
    {
        GameDetails game;
        game.id = id;
        return game;
    }
    std::optional<Error> SetOpponent(int64_t, const std::string &, const std::string &) override
    {
        return {};
    }
    std::optional<Error> SetNotes(int64_t, const std::string &) override { return {}; }
    std::optional<Error> SetEnding(int64_t, GameEnding) override { return {}; }
    std::optional<Error> DeleteGame(int64_t) override { return {}; }
    Outcome<std::string> PlayerName() override { return std::string(); }
    std::optional<Error> SetPlayerName(const std::string &) override { return {}; }

private:
    Ledger &mLedger;
};

} // namespace

class TestTurn : public QObject {
    Q_OBJECT

private slots:
    // The line under the board after the load and after each step (" / " between): a typed
    // move, "enter" in the empty move box, "undo", "send", "off" and "on" (the record switched),
    // "spoil" (every write to the record fails), "broken" (the record cannot be opened again).
    // Then what the player was asked and told, and the moves the record holds. "~" is the line
    // after a move.
    void statusLine_data()
    {
        QTest::addColumn<QString>("fen");
        QTest::addColumn<bool>("record");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("lines");
        QTest::addColumn<QString>("told");
        QTest::addColumn<QString>("recorded");
        const QString none;
        const QString started = "Game started from this position";
        const QString cannot = "This position cannot arise in a game (";
        Row("mated at load", "rnb1kbnr/pppp1ppp/8/4p3/6Pq/5P2/PPPPP2P/RNBQKBNR w", false, none,
            "Checkmate: Black wins.", none, none);
        Row("stalemated at load", "7k/5Q2/6K1/8/8/8/8/8 b", false, none, "Stalemate: a draw.", none,
            none);
        Row("dead position", "4k3/8/8/8/8/8/8/1B2K3 b", false, none, "Draw: neither side can mate.",
            none, none);
        Row("a move that mates, then Undo", "6k1/5ppp/8/8/8/8/8/R5K1 w", false, "Ra8 undo",
            " / Checkmate: you win. Send Move tells your opponent. / ", none, none);
        Row("a move that stalemates", "7k/8/5K2/8/8/8/8/6Q1 w", false, "Qg6",
            " / Stalemate: a draw. Send Move tells your opponent.", none, none);
        Row("an error, an empty Enter, a good move sent, record off", StartFen, false,
            "Nf6 enter Nf3 send",
            " / No legal move matches \"Nf6\". / No legal move matches \"Nf6\". / ~ / ~", none,
            none);
        Row("no king for White", "k7/8/8/8/8/8/8/r6R w", false, none,
            cannot + "a side without exactly one king).", none, none);
        Row("the side that just moved in check", "4k3/4R3/8/8/8/8/8/4K3 w", false, none,
            cannot + "the side that just moved left in check).", none, none);
        Row("a pawn on the last row, record on: not recorded", "P3k3/8/8/8/8/8/8/4K3 b", true,
            "Kd7 send", cannot + "a pawn on the last row); it is not recorded. / ~ / ~", none,
            none);
        Row("Undo after Send asks", StartFen, true, "e4 send undo",
            started + " / ~ / ~ / " + started,
            "asked: You have sent e4 already. Take it back? If your opponent has that e-mail, "
            "this game will no longer match it.",
            "e4");
        Row("record off and on, then a second Send", StartFen, true, "e4 send off on send",
            started + " / ~ / ~ / ~ / ~ / ~", none, "e4 e4");
        Row("a write failure at Send", StartFen, true, "spoil e4 send",
            started + " / " + started + " / ~ / ~",
            "warning: The record could not be written: no room left\n\nThis turn goes on "
            "without the record.",
            none);
        Row("a record that cannot be opened: told once, the turn goes on", StartFen, true,
            "broken off on e4 send", started + " / " + started + " /  /  / ~ / ~",
            "warning: no such folder\n\nThis turn goes on without the record.", none);
    }

    void statusLine()
    {
        QFETCH(QString, fen);
        QFETCH(bool, record);
        QFETCH(QString, steps);
        QFETCH(QString, lines);
        QFETCH(QString, told);
        QFETCH(QString, recorded);
        Ledger ledger;
        Game game(
            "memory", [&ledger](const std::string &, auto) -> Outcome<std::unique_ptr<TurnRecord>> {
                ++ledger.opened;
                if (ledger.broken)
                    return Error::Failure("no such folder");
                return std::unique_ptr<TurnRecord>(std::make_unique<MemoryRecord>(ledger));
            });
        game.SwitchRecord(record);
        const QString code = Code(fen);
        game.Load(ReadCodeText(code.toStdString()).decoded, code.toStdString());
        QStringList shown { QString::fromStdString(game.StatusLine()) };
        QStringList heard;
        for (const QString &step : steps.split(' ', Qt::SkipEmptyParts)) {
            if (step == "undo") {
                if (const std::string question = game.UndoQuestion(); !question.empty())
                    heard << "asked: " + QString::fromStdString(question);
                game.Undo();
            } else if (step == "send") {
                game.Send();
            } else if (step == "off" || step == "on") {
                game.SwitchRecord(step == "on");
            } else if (step == "spoil" || step == "broken") {
                (step == "spoil" ? ledger.spoiled : ledger.broken) = true;
            } else {
                const TypedMove typed = game.ReadTyped(step == "enter" ? "" : step.toStdString());
                if (typed.kind == TypedMove::Kind::Move
                    && game.TakesMove(typed.move))
                    game.Play(typed.move);
            }
            shown << QString::fromStdString(game.StatusLine());
            for (const Notice &notice : game.TakeNotices())
                heard << (notice.kind == Notice::Kind::Warning ? "warning: " : "told: ")
                        + QString::fromStdString(notice.text);
        }
        QCOMPARE(shown.join(" / "),
            QString(lines).replace("~", "Press Send Move to copy your move, or Undo Move."));
        QCOMPARE(heard.join(" | "), told);
        QCOMPARE(ledger.sends.join(' '), recorded);
        QVERIFY(record || ledger.opened == 0);
    }
};

QTEST_GUILESS_MAIN(TestTurn)
#include "tst_turn.moc"
