// The page's window onto the game layer: one Game and the page's view of it, as plain values
// for JavaScript. Every decision is the Game's; this file only translates calls and results.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <unordered_map>

#include "code/CodeText.h"
#include "game/DeskWords.h"
#include "game/Game.h"
#include "game/PageView.h"
#include "game/PageWords.h"
#include "game/RecordWords.h"
#include "record/GameRecord.h"
#include "rules/Fen.h"
#include "rules/Text.h"

using emscripten::val;

namespace corvalen {

namespace {

    template <class T> val Array(const std::vector<T> &items)
    {
        val array = val::array();
        for (const T &item : items)
            array.call<void>("push", item);
        return array;
    }

    val Cells(const BoardState &board, const std::vector<int16_t> &marks)
    {
        val cells = val::array();
        for (int16_t square = 0; square < 64; ++square) {
            const bool marked = std::find(marks.begin(), marks.end(), square) != marks.end();
            val cell = val::object();
            cell.set("picture", CellPicture(board, square));
            cell.set("name", CellName(board, square, marked));
            cell.set("marked", marked);
            cells.call<void>("push", cell);
        }
        return cells;
    }

    val Question(const DeskQuestion &question)
    {
        val answer = val::object();
        answer.set("question", question.question);
        answer.set("confirm", question.confirm);
        return answer;
    }

    // The result the desk names "resign", "opponentResigned" or "drawAgreed".
    PlayerEnding EndingNamed(const std::string &what)
    {
        return what == "resign"     ? PlayerEnding::Resign
            : what == "opponentResigned" ? PlayerEnding::OpponentResigned
                                         : PlayerEnding::DrawAgreed;
    }

    // The loaded language's texts by context and source ("context\x04source"); empty: English.
    std::unordered_map<std::string, std::string> gCatalogue;

    std::string LookUp(const char *context, const char *source)
    {
        const auto found = gCatalogue.find(std::string(context) + '\x04' + source);
        return found == gCatalogue.end() ? std::string() : found->second;
    }

    const char *NoticeKind(Notice::Kind kind)
    {
        switch (kind) {
        case Notice::Kind::Warning:
            return "warning";
        case Notice::Kind::SameAsSent:
            return "same-as-sent";
        default:
            return "information";
        }
    }

} // namespace

class PageGame {
public:
    explicit PageGame(const std::string &recordPath)
        : mGame(recordPath)
    {
    }

    void SwitchRecord(bool on) { mGame.SwitchRecord(on); }
    // Opens the record and reads its games once, while the player copies a code, so that the
    // first load finds SQLite ready.
    void OpenRecord() { mGame.GameList(); }
    bool RecordOn() const { return mGame.RecordOn(); }

    // What a pasted text holds: {kind: "none" | "damaged" | "sound", message}; a sound code
    // becomes the turn's position.
    val Paste(const std::string &text)
    {
        const CodeIntake intake = ReadCodeText(text);
        val answer = val::object();
        if (intake.kind == CodeIntake::Kind::Sound) {
            mGame.Load(intake.decoded, intake.characters);
            answer.set("kind", "sound");
            answer.set("message", "");
        } else if (intake.kind == CodeIntake::Kind::Damaged) {
            answer.set("kind", "damaged");
            answer.set("message", DamagedCodeMessage());
        } else {
            answer.set("kind", "none");
            answer.set("message", NoCodeMessage(ClipboardName()));
        }
        return answer;
    }

    void NewGame() { mGame.NewGame(); }

    // The whole board and the controls' state as they stand now.
    val View() const
    {
        const Turn &turn = mGame.CurrentTurn();
        const BoardState &board = mGame.Board();
        val view = val::object();
        view.set("cells", Cells(board, mGame.Marks()));
        view.set("loadedToMove", turn.Loaded().giToMove);
        view.set("turnLabel", TurnLabel(turn.Loaded().giToMove));
        const bool moved = turn.PlayedMove().has_value();
        view.set("moved", moved);
        view.set("check", moved ? std::string() : CheckCaption(turn.Status()));
        view.set("mate", !moved && turn.Status() == GameStatus::Mate);
        view.set("status", mGame.StatusLine());
        view.set("fen", FenFromBoard(board));
        return view;
    }

    val Targets(int from) const
    {
        return Array(LegalTargets(mGame, static_cast<int16_t>(from)));
    }

    // Whether the move is taken; {taken, promotion: whether the player chooses a piece}.
    val Drop(int from, int to)
    {
        const auto f = static_cast<int16_t>(from), t = static_cast<int16_t>(to);
        val answer = val::object();
        const bool taken = mGame.TakesMove(f, t);
        answer.set("taken", taken);
        answer.set("promotion", taken && mGame.NeedsPromotionChoice(f, t));
        return answer;
    }

    void Play(int from, int to, int piece)
    {
        mGame.Play(static_cast<int16_t>(from), static_cast<int16_t>(to),
            static_cast<int16_t>(piece));
    }

    // A typed move: {kind: "move" | "none", from, to, promotion (the piece named, or -1)}; the
    // status line says what text that is no move was.
    val Typed(const std::string &text)
    {
        const TypedMove typed = mGame.ReadTyped(text);
        val answer = val::object();
        answer.set("kind", typed.kind == TypedMove::Kind::Move ? "move" : "none");
        answer.set("from", typed.move.from);
        answer.set("to", typed.move.to);
        answer.set("promotion", typed.promotionPiece);
        return answer;
    }

    std::string UndoQuestion() const { return mGame.UndoQuestion(); }
    void Undo() { mGame.Undo(); }

    // Records the move, then {code, message, mail: the mailto: link}.
    val Send()
    {
        const SentMove sent = mGame.Send();
        val answer = val::object();
        answer.set("code", sent.code);
        answer.set("message", SentMessage(ClipboardName()));
        answer.set("subject", mGame.MailSubject(sent.numberedMove));
        answer.set("mail",
            MailtoUrl(sent.code, mGame.MailSubject(sent.numberedMove), mGame.OpponentEmail()));
        return answer;
    }

    void StartGameFromSameAsSent() { mGame.StartGameFromSameAsSent(); }

    val Notices()
    {
        val list = val::array();
        for (const Notice &notice : mGame.TakeNotices()) {
            val item = val::object();
            item.set("kind", NoticeKind(notice.kind));
            item.set("text", notice.text);
            list.call<void>("push", item);
        }
        return list;
    }

    // The desk: the games, most recently played first ({id, opponent, you, moves, lastMove,
    // turn, daysSince, result}), the one this turn belongs to (-1: none) and the player's name.
    val Desk()
    {
        val rows = val::array();
        for (const GameListRow &row : mGame.GameList()) {
            val item = val::object();
            item.set("id", static_cast<double>(row.id));
            item.set("opponent", row.opponent.empty() ? std::string("?") : row.opponent);
            item.set("you", SideText(row.localSide));
            item.set("moves", row.fullMoves);
            item.set("lastMove", row.lastMove);
            item.set("turn", TurnText(row.turn));
            item.set("daysSince", row.daysSince);
            item.set("result", std::string(ResultText(row.result)));
            rows.call<void>("push", item);
        }
        val desk = val::object();
        desk.set("rows", rows);
        const std::optional<int64_t> current = mGame.CurrentGameId();
        desk.set("current", current ? static_cast<double>(*current) : -1.0);
        desk.set("playerName", mGame.PlayerName());
        return desk;
    }

    // One game for the desk, kept for Replay and the questions; null when there is none.
    val ViewGame(double id)
    {
        mView = mGame.ViewGame(static_cast<int64_t>(id));
        if (!mView)
            return val::null();
        val view = val::object();
        view.set("id", static_cast<double>(mView->id));
        view.set("plies", Array(mView->plies));
        view.set("opponent", mView->opponent);
        view.set("email", mView->opponentEmail);
        view.set("notes", mView->notes);
        view.set("open", !IsFinished(mView->result));
        view.set("ended", mView->ending != GameEnding::None);
        view.set("claim",
            !IsFinished(mView->result) && mView->id == mGame.CurrentGameId()
                && mGame.ClaimableDraw() != DrawClaim::None);
        view.set("pgn", mView->pgn);
        view.set("black", mView->localSide == Black);
        return view;
    }

    // The viewed game's position after `ply` (0: its start).
    val Replay(int ply) const
    {
        val replay = val::object();
        if (!mView || ply < 0 || ply > mView->line.Plies())
            return replay;
        replay.set("cells", Cells(mView->line.At(ply).board, {}));
        replay.set("fen", mView->line.Fen(ply));
        replay.set("copied",
            FenCopiedMessage(ply ? mView->plies[static_cast<size_t>(ply - 1)] : std::string(),
                mView->line.Fen(ply)));
        return replay;
    }

    // The question before `what` ("resign", "opponentResigned", "drawAgreed", "claim",
    // "delete") in the viewed game.
    val Ask(const std::string &what) const
    {
        const std::string name = mView ? GameName(*mView) : std::string();
        if (what == "claim")
            return Question(ClaimQuestion(mGame.ClaimableDraw(), name));
        if (what == "delete")
            return Question(DeleteQuestion(name));
        return Question(EndingQuestion(EndingNamed(what), name));
    }

    // Does what the player confirmed in the viewed game; whether it was done.
    bool Answer(const std::string &what)
    {
        if (!mView)
            return false;
        if (what == "claim")
            return mGame.ClaimDraw();
        if (what == "delete")
            return mGame.DeleteGame(mView->id);
        if (what == "reopen")
            return mGame.ReopenGame(mView->id);
        return mGame.EndGame(mView->id, EndingNamed(what));
    }

    std::string PgnCopied() const { return mView ? PgnCopiedMessage(GameName(*mView)) : ""; }
    bool SetPlayerName(const std::string &name) { return mGame.SetPlayerName(name); }
    bool SetOpponent(const std::string &name, const std::string &email)
    {
        return mView && mGame.SetOpponent(mView->id, name, email);
    }
    bool SetNotes(const std::string &notes) { return mView && mGame.SetNotes(mView->id, notes); }

private:
    Game mGame;
    std::optional<GameView> mView;
};

// The captions and choices the page shows, in the window's words; the promotion choices for
// White, then for Black.
val Words()
{
    val words = val::object();
    words.set("newMail", NewMailCaption());
    words.set("startNewGame", StartNewGameCaption());
    words.set("promotionTitle", PromotionTitle());
    words.set("promotionCaption", PromotionCaption());
    words.set("promotionHint", PromotionHint());
    val sides = val::array();
    for (const int16_t side : { White, Black }) {
        val choices = val::array();
        for (const PromotionChoice &choice : PromotionChoices(side)) {
            val item = val::object();
            item.set("piece", choice.piece);
            item.set("key", std::string(1, choice.key));
            item.set("name", choice.name);
            item.set("picture", choice.picture);
            item.set("chosenPicture", choice.chosenPicture);
            choices.call<void>("push", item);
        }
        sides.call<void>("push", choices);
    }
    words.set("promotion", sides);
    return words;
}

// Puts the texts of the core in the language of `catalogue` (an object mapping
// "context\x04source" to a translation; plural entries, arrays, are the page's); null: English.
void SetCatalogue(const val &catalogue)
{
    gCatalogue.clear();
    if (catalogue.isNull() || catalogue.isUndefined()) {
        SetTranslator(nullptr);
        return;
    }
    const val entries = val::global("Object").call<val>("entries", catalogue);
    const auto count = entries["length"].as<unsigned>();
    for (unsigned i = 0; i < count; ++i) {
        const val entry = entries[i];
        if (entry[1].isString())
            gCatalogue.emplace(entry[0].as<std::string>(), entry[1].as<std::string>());
    }
    SetTranslator(LookUp);
}

// The page's own captions, in the language set.
val PageCaptions()
{
    val words = val::object();
    for (const auto &[key, text] : PageWords())
        words.set(key, text);
    for (const auto &[key, text] : DeskWords())
        words.set(key, text);
    return words;
}

// Makes a record file from the desktop readable here and tells why it cannot be used, as the
// desktop checks it before reading; empty when it can. The desktop keeps its record in WAL mode,
// which this build of SQLite (without WAL) refuses; the desktop checkpoints the WAL on closing,
// so the file alone holds the whole record, and marking it as a rollback-journal file (header
// bytes 18 and 19) is what "PRAGMA journal_mode = DELETE" does.
std::string ImportRecord(const std::string &path)
{
    if (std::FILE *file = std::fopen(path.c_str(), "r+b")) {
        char header[20] = {};
        if (std::fread(header, 1, sizeof header, file) == sizeof header
            && std::memcmp(header, "SQLite format 3", 16) == 0 && header[18] == 2
            && header[19] == 2 && std::fseek(file, 18, SEEK_SET) == 0)
            std::fwrite("\1\1", 1, 2, file);
        std::fclose(file);
    }
    const Outcome<std::unique_ptr<GameRecord>> record
        = GameRecord::Open(path, RecordAccess::ReadOnly);
    return record ? std::string() : WordRecordError(record.Why());
}

} // namespace corvalen

EMSCRIPTEN_BINDINGS(corvalen)
{
    using namespace corvalen;
    emscripten::class_<PageGame>("PageGame")
        .constructor<std::string>()
        .function("switchRecord", &PageGame::SwitchRecord)
        .function("recordOn", &PageGame::RecordOn)
        .function("openRecord", &PageGame::OpenRecord)
        .function("paste", &PageGame::Paste)
        .function("newGame", &PageGame::NewGame)
        .function("view", &PageGame::View)
        .function("targets", &PageGame::Targets)
        .function("drop", &PageGame::Drop)
        .function("play", &PageGame::Play)
        .function("typed", &PageGame::Typed)
        .function("undoQuestion", &PageGame::UndoQuestion)
        .function("undo", &PageGame::Undo)
        .function("send", &PageGame::Send)
        .function("startGameFromSameAsSent", &PageGame::StartGameFromSameAsSent)
        .function("notices", &PageGame::Notices)
        .function("desk", &PageGame::Desk)
        .function("viewGame", &PageGame::ViewGame)
        .function("replay", &PageGame::Replay)
        .function("ask", &PageGame::Ask)
        .function("answer", &PageGame::Answer)
        .function("pgnCopied", &PageGame::PgnCopied)
        .function("setPlayerName", &PageGame::SetPlayerName)
        .function("setOpponent", &PageGame::SetOpponent)
        .function("setNotes", &PageGame::SetNotes);
    emscripten::function("words", &Words);
    emscripten::function("setCatalogue", &SetCatalogue);
    emscripten::function("pageWords", &PageCaptions);
    emscripten::function("importRecord", &ImportRecord);
    emscripten::function("storageFailed", &StorageFailedMessage);
}
