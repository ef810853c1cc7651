#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "code/PositionCode.h"
#include "game/RecordLife.h"
#include "game/TurnWords.h"
#include "rules/GameLine.h"
#include "rules/Turn.h"
#include "rules/TypedMove.h"

namespace corvalen {

// What the Game dialog shows of the recorded game the position belongs to.
struct GameSheet {
    std::string started; // YYYY-MM-DD
    std::string moves; // "1. e4 e5 2. Nf3"
    std::string pgn;
};

// What Send Move hands on: the code for the clipboard and the move it carries ("14... Nf6"
// when the record numbers it, else empty).
struct SentMove {
    std::string code;
    std::string numberedMove;
};

// Send Move would send another move than the one sent from this position before.
struct OtherAnswer {
    std::string sent; // "14... Nf6"
    std::string instead; // "14... Nd7", numbered as the move it replaces
};

// One turn of a game: what a load means, whether a move is taken, what a send records and
// returns, and the claims. It reaches the record through `life` while the record is on and
// goes on without it when it fails. Qt-free; the wording words its facts.
class PlayerTurn {
public:
    explicit PlayerTurn(RecordLife &life);
    PlayerTurn(const PlayerTurn &) = delete;
    PlayerTurn &operator=(const PlayerTurn &) = delete;

    // A sound code becomes the loaded position; with the record on, the record places it
    // (unless no game can reach it) and tells what it found.
    void Load(const DecodedCode &code, const std::string &characters);
    // The standard start with the local player White; recorded from its first send.
    void NewGame();
    // On places the loaded position in the record as a load does, recording nothing that this
    // run recorded for it already; off closes the file at once, so that it can be deleted.
    void SwitchRecord(bool on);
    const std::string &LoadedCode() const { return msLoadedCode; }
    const Turn &Rules() const { return mTurn; }

    // Whether the player's move is taken now; a refusal the player should hear becomes a notice.
    bool TakesMove(Move move);
    bool NeedsPromotionChoice(Move move) const;
    // Plays a move TakesMove took; a promotion becomes PromotedPiece(move.promotion).
    const MoveOutcome &Play(Move move);
    // Reads a typed move; text that is no move becomes the note of the status line; blank text
    // changes nothing.
    TypedMove ReadTyped(std::string_view text);

    // The move Undo Move would take back although it was sent with the record on; empty when
    // Undo Move needs no question.
    std::string SentToUndo() const;
    void Undo();
    // The other answer Send Move would send from a position answered before; nullopt when the
    // send needs no question.
    std::optional<OtherAnswer> OtherAnswerToSend() const;
    // Records the move (when the record is on), then gives the code for the clipboard.
    SentMove Send();
    void StartGameFromSameAsSent();

    // What the status line says, as facts.
    TurnFacts Facts() const;
    // The squares of the opponent's last move to mark; empty without the record.
    std::vector<Square> Marks() const;
    std::optional<GameSheet> Sheet();
    // The recorded game this turn's position belongs to; nullopt when none.
    std::optional<int64_t> GameId() const;

    // Whether the first send records this turn's game: its opponent is kept with the turn.
    bool StartsGame() const;
    bool SetOpponent(const std::string &name, const std::string &email);
    std::string Opponent() const;
    std::string OpponentEmail() const;

    DrawClaim ClaimableDraw() const;
    bool ClaimDraw();
    // The claim made in this turn; None when none.
    DrawClaim Claimed() const { return mClaimed; }

    // The desk changed game `id` (its ending or opponent), reopened it, or deleted it.
    void GameChanged(int64_t id, bool reopened = false);
    void GameDeleted(int64_t id);

private:
    // The recorded game of this turn as the record holds it.
    struct RecordedGame {
        std::optional<GameLine> line; // up to the loaded position; none when it records nothing
        GameEnding ending = GameEnding::None;
        std::string endedOn;
        Result result = Result::Unfinished;
        std::string opponentEmail;
    };

    // The load as the record placed it, while the record is on.
    LoadReport *Placed() const { return mLife.On() ? mLoad.get() : nullptr; }
    const RecordedGame *Recorded() const { return Placed() && mGame ? &*mGame : nullptr; }
    void RecogniseLoad();
    // Reads this turn's recorded game from the record, after a change of which game it is or
    // of what the record holds of it.
    void ReadGame();
    void ForgetClaim();

    RecordLife &mLife;
    Turn mTurn;
    std::unique_ptr<LoadReport> mLoad;
    std::optional<RecordedGame> mGame;
    std::string msLoadedCode;
    std::string msCannotArise;
    std::string msNote;
    std::string msSentMove; // the move sent in this turn ("14... Nf6" or "Nf6"); empty: none
    bool mbNewGame = false;
    DrawClaim mClaimed = DrawClaim::None;
    bool mbClaimWithMove = false; // made after the local move: Send Move records the two
};

} // namespace corvalen
