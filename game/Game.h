#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/Desk.h"
#include "game/PlayerTurn.h"
#include "game/RecordLife.h"

namespace corvalen {

// One turn of a game with its record, as the window and the page use it: the turn
// (PlayerTurn), the record's life (RecordLife) and the desk (Desk), with the turn's facts put
// into words (TurnWords). The record is kept while it is switched on, opened at need from the
// path given; any failure of it becomes a notice, and the turn goes on without it. Qt-free.
class Game {
public:
    // recordPath empty: the player's record file (RecordFile()) at the time it is opened.
    explicit Game(std::string recordPath = {}, RecordOpener open = OpenRecordFile);
    Game(const Game &) = delete;
    Game &operator=(const Game &) = delete;

    static std::string RecordFile() { return RecordLife::RecordFile(); }
    static std::string OptionsFile() { return RecordLife::OptionsFile(); }
    static std::optional<Error> DeleteRecord(const std::string &path)
    {
        return RecordLife::DeleteRecord(path);
    }

    std::string RecordPath() const { return mLife.Path(); }
    bool RecordOn() const { return mLife.On(); }
    void SwitchRecord(bool on) { mTurn.SwitchRecord(on); }

    void Load(const DecodedCode &code, const std::string &characters)
    {
        mTurn.Load(code, characters);
    }
    void NewGame() { mTurn.NewGame(); }
    // The code loaded last, without its prefix, in upper case.
    const std::string &LoadedCode() const { return mTurn.LoadedCode(); }

    const Turn &CurrentTurn() const { return mTurn.Rules(); }
    const BoardState &Board() const { return mTurn.Rules().Board(); }

    bool TakesMove(Move move) { return mTurn.TakesMove(move); }
    bool NeedsPromotionChoice(Move move) const { return mTurn.NeedsPromotionChoice(move); }
    const MoveOutcome &Play(Move move) { return mTurn.Play(move); }
    TypedMove ReadTyped(std::string_view text) { return mTurn.ReadTyped(text); }

    // The question to ask before Undo Move takes back a move already sent while the record is
    // on; empty when Undo Move needs no question.
    std::string UndoQuestion() const;
    void Undo() { mTurn.Undo(); }
    // The question to ask before Send Move sends another move than the one the player sent
    // from this position before, with `confirm` the confirming button's caption ("Send 14...
    // Nd7"); empty when the send needs no question.
    std::string SendQuestion(std::string &confirm) const;
    SentMove Send() { return mTurn.Send(); }
    void StartGameFromSameAsSent() { mTurn.StartGameFromSameAsSent(); }

    // The line under the board as things stand.
    std::string StatusLine() const { return corvalen::StatusLine(mTurn.Facts()); }
    std::vector<Square> Marks() const { return mTurn.Marks(); }
    std::optional<GameSheet> Sheet() { return mTurn.Sheet(); }

    std::vector<GameListRow> GameList() { return mDesk.GameList(); }
    std::optional<int64_t> CurrentGameId() const { return mTurn.GameId(); }
    std::optional<GameView> ViewGame(int64_t id) { return mDesk.ViewGame(id); }
    std::string PlayerName() { return mLife.PlayerName(); }
    bool SetPlayerName(const std::string &name) { return mLife.SetPlayerName(name); }
    bool AdoptPlayerName(const std::string &name) { return mLife.AdoptPlayerName(name); }
    // Whether SetOpponent takes `email`: empty, one plain address, or "Name <address>".
    static bool TakesAddress(const std::string &email) { return SplitAddress(email).has_value(); }
    bool SetOpponent(int64_t id, const std::string &name, const std::string &email);
    bool TurnStartsGame() const { return mTurn.StartsGame(); }
    // As SetOpponent, for the game the first send of this turn records.
    bool SetTurnOpponent(const std::string &name, const std::string &email);
    std::string TurnOpponent() const { return mTurn.Opponent(); }
    bool SetNotes(int64_t id, const std::string &notes) { return mDesk.SetNotes(id, notes); }
    bool EndGame(int64_t id, PlayerEnding ending);
    bool ReopenGame(int64_t id);
    bool DeleteGame(int64_t id);
    DrawClaim ClaimableDraw() const { return mTurn.ClaimableDraw(); }
    bool ClaimDraw() { return mTurn.ClaimDraw(); }
    std::string MailSubjectNote() const { return corvalen::MailSubjectNote(mTurn.Claimed()); }
    std::string MailSubject(const std::string &numberedMove) const
    {
        return corvalen::MailSubject(mTurn.Claimed(), numberedMove);
    }
    std::string OpponentEmail() const { return mTurn.OpponentEmail(); }

    // What the player must be told since the last call, oldest first, in words.
    std::vector<Notice> TakeNotices();

private:
    RecordLife mLife;
    PlayerTurn mTurn;
    Desk mDesk;
};

} // namespace corvalen
