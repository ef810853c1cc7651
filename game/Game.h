#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "code/PositionCode.h"
#include "record/GameRows.h"
#include "record/Pgn.h"
#include "rules/Error.h"
#include "rules/GameLine.h"
#include "rules/Turn.h"
#include "rules/TypedMove.h"

namespace corvalen {

class GameRecord;
struct LoadReport;

// Something the player is told in a message box, in the order it happened.
struct Notice {
    enum class Kind {
        Information,
        Warning,
        // The position the local player sent: information that also offers to start a new
        // game from it (StartGameFromSameAsSent).
        SameAsSent,
    };
    Kind kind = Kind::Information;
    std::string text;
};

// What the Game dialog shows of the recorded game the position belongs to.
struct GameSheet {
    std::string started; // YYYY-MM-DD
    std::string moves; // "1. e4 e5 2. Nf3"
    std::string pgn;
};

// Whose move a recorded game waits for.
enum class GameTurn {
    Yours, // its last recorded position has the local player to move
    Theirs, // it has the opponent to move
    Finished, // it has a result
};

// One line of the list of games.
struct GameListRow {
    int64_t id = 0;
    std::string opponent; // the opponent's name; empty when unknown
    std::string started; // YYYY-MM-DD
    int16_t localSide = White;
    int fullMoves = 0; // full moves played: 1 after "1. e4", 1 after "1. e4 e5", 2 after "2. Nf3"
    std::string lastMove; // "14... Nf6"; empty without moves
    GameTurn turn = GameTurn::Yours;
    int daysSince = 0; // whole days since the game last changed: 0 today, 1, 12...
    Result result = Result::Unfinished;
};

// A result the player sets in the Game dialog.
enum class PlayerEnding {
    Resign, // the local player resigns
    OpponentResigned,
    DrawAgreed,
};

// One recorded game as the Game dialog shows it.
struct GameView {
    int64_t id = 0;
    std::string started; // YYYY-MM-DD
    int16_t localSide = White;
    // The start (standard or set-up) and every recorded move: positions for the replay board,
    // FEN with castling rights for Copy FEN.
    GameLine line;
    std::vector<std::string> plies; // one per ply: "1. e4", "1... e5"
    std::string opponent; // empty when unknown
    std::string opponentEmail; // empty when unknown
    std::string notes;
    Result result = Result::Unfinished;
    GameEnding ending = GameEnding::None; // set by Resign, Opponent Resigned, Draw Agreed, a claim
    std::string endedOn; // YYYY-MM-DD when ending is set
    std::string pgn; // with the players' names, result, Termination and comment
};

// What Send Move hands on: the code for the clipboard and the move it carries ("14... Nf6"
// when the record numbers it, else empty).
struct SentMove {
    std::string code;
    std::string numberedMove;
};

// One turn of a game with its record: the one place that decides what a load means, whether a
// move is taken, what a send records and returns, and what the line under the board says. The
// record is kept while it is switched on, opened at need from the path given; any failure of it
// becomes a notice, and the turn goes on without it. Qt-free; the window draws it and asks the
// player.
class Game {
public:
    // recordPath empty: the player's record file (RecordFile()) at the time it is opened.
    explicit Game(std::string recordPath = {});
    ~Game();
    Game(const Game &) = delete;
    Game &operator=(const Game &) = delete;

    // The player's record file, and the options file beside the player's other settings.
    static std::string RecordFile();
    static std::string OptionsFile();
    // Deletes a record file with its companions; the reason when it cannot.
    static std::optional<Error> DeleteRecord(const std::string &path);

    std::string RecordPath() const;
    bool RecordOn() const { return mbRecordOn; }
    // On places the loaded position in the record as a load does, recording nothing that this
    // run recorded for it already; off closes the file at once, so that it can be deleted.
    void SwitchRecord(bool on);

    // A sound code (ReadCodeText) becomes the loaded position; with the record on, the record
    // places it (unless no game can reach it) and tells what it found.
    void Load(const DecodedCode &code, const std::string &characters);
    // The standard start with the local player White; recorded from its first send.
    void NewGame();
    // The code loaded last, without its prefix, in upper case.
    const std::string &LoadedCode() const { return msLoadedCode; }

    const Turn &CurrentTurn() const { return mTurn; }
    const BoardState &Board() const { return mTurn.Board(); }

    // Whether the player's move from `from` to `to` is taken now. A refusal the player should
    // hear (an opponent's piece, castling the record forbids) becomes a notice.
    bool TakesMove(int16_t from, int16_t to);
    bool NeedsPromotionChoice(int16_t from, int16_t to) const;
    // Plays a move TakesMove took; a promotion becomes PromotedPiece(promotionPiece).
    const MoveOutcome &Play(int16_t from, int16_t to, int16_t promotionPiece);
    // Reads a typed move against the position. Text that is no move puts its message on the
    // status line; blank text changes nothing.
    TypedMove ReadTyped(std::string_view text);

    // The question to ask before Undo Move takes back a move already sent while the record is
    // on; empty when Undo Move needs no question.
    std::string UndoQuestion() const;
    void Undo();
    // The question to ask before Send Move sends another move than the one the player sent
    // from this position before ("You have sent 14... Nf6 from this position already. Send
    // 14... Nd7 instead? ..."), with `confirm` the confirming button's caption ("Send 14...
    // Nd7"); empty when the send needs no question.
    std::string SendQuestion(std::string &confirm) const;
    // Records the move (when the record is on), then gives the code to put on the clipboard:
    // a program that ends after the player has the code has the move recorded. A game that has
    // ended (resigned, agreed or claimed before this move) records nothing more.
    SentMove Send();

    // After a same-as-sent notice the player chose to start a new game from this position.
    void StartGameFromSameAsSent();

    // The line under the board as things stand. A draw the player may claim is named after
    // what the load says, or before "Press Send Move..." once the local move is played; a game
    // with a result the code cannot carry says "This game ended on DATE (...); nothing is
    // recorded" instead of the load's words.
    std::string StatusLine() const;
    // The squares of the opponent's last move to mark; empty without the record.
    std::vector<int16_t> Marks() const;
    // The recorded game the position belongs to, for the Game dialog; nullopt when none.
    std::optional<GameSheet> Sheet();

    // The desk: every game of the record. Empty, nullopt or false while the record is off or
    // cannot be read; a failure of the record becomes a notice.
    //
    // The games, the most recently played first; daysSince counts from now.
    std::vector<GameListRow> GameList();
    // The recorded game this turn's position belongs to; nullopt when none.
    std::optional<int64_t> CurrentGameId() const;
    std::optional<GameView> ViewGame(int64_t id);
    // The local player's name for PGN, kept in the record (cleaned: plain text, at most 80
    // characters); empty while the record is off or holds none.
    std::string PlayerName();
    bool SetPlayerName(const std::string &name);
    // Moves a name kept elsewhere before into the record when the record has none yet; true
    // once the record holds a name, so that the other place can forget it.
    bool AdoptPlayerName(const std::string &name);
    // Whether SetOpponent takes `email`: empty, one plain address, or "Name <address>".
    static bool TakesAddress(const std::string &email);
    // Stores the opponent's name (cleaned: plain text, at most 80 characters) and e-mail
    // address; false without a change when TakesAddress refuses the address. Of "Bob
    // <bob@example.org>" the address is kept, and the name stands in for an empty name.
    bool SetOpponent(int64_t id, const std::string &name, const std::string &email);
    // Whether this turn's game is not recorded yet and will be by the first send: its opponent
    // is then kept with the turn (SetTurnOpponent, as SetOpponent) and written with the game.
    bool TurnStartsGame() const;
    bool SetTurnOpponent(const std::string &name, const std::string &email);
    std::string TurnOpponent() const;
    bool SetNotes(int64_t id, const std::string &notes);
    // Ends a game with a result the code cannot carry, dated today.
    bool EndGame(int64_t id, PlayerEnding ending);
    // Clears a result EndGame or ClaimDraw set; a result from mate or stalemate stays.
    bool ReopenGame(int64_t id);
    // Removes one game with its moves; the others stay as they are.
    bool DeleteGame(int64_t id);
    // The draw the local player may claim in this turn's game: at load, and after the local
    // move once it is played (then counting that move). None without a recorded game.
    DrawClaim ClaimableDraw() const;
    // Sets 1/2-1/2 with the rule's comment on this turn's game; the New E-mail subject then
    // tells the opponent (MailSubjectNote). A claim after the local move is part of that move:
    // it is held until Send Move records the move and the claim in one change; Load, Undo Move,
    // New Game and switching the record off drop it.
    bool ClaimDraw();
    // " (I claim a draw: threefold repetition)" after a claim made in this turn; else empty.
    // English, to follow an English subject; MailSubject is the whole subject to show.
    std::string MailSubjectNote() const;
    // The New E-mail subject in the player's language: "Chess: my move 14... Nf6" (without the
    // move when numberedMove is empty), with the claim made in this turn: "... (I claim a draw:
    // threefold repetition)".
    std::string MailSubject(const std::string &numberedMove) const;
    // The opponent's plain e-mail address for this turn's game; empty when unknown.
    std::string OpponentEmail() const;

    // What the player must be told since the last call, oldest first.
    std::vector<Notice> TakeNotices();

private:
    // Opens the record when it is on and not open; false (after a notice) when it cannot be.
    bool OpenRecord();
    // Places the loaded position in the record.
    void RecogniseLoad();
    // The record failed: it is closed for the rest of this turn and the player told once.
    void DropRecord(const std::string &error, bool writing);
    std::string LoadLine() const;
    void Tell(Notice::Kind kind, std::string text);
    // The record as the desk uses it: open when it is on and has not failed in this turn.
    bool DeskRecord();
    // Reads what this turn knows of its recorded game: its line up to the loaded position, its
    // ending and the opponent's address.
    void ReadCurrentGame();
    bool IsCurrentGame(int64_t id) const;
    // A change of the desk: a failure of the record drops it; nothing to change is only
    // false.
    bool Changed(const std::optional<Error> &failed);
    // "This game ended on 2026-03-04 (White resigned); nothing is recorded"; empty while the
    // game has no ending.
    std::string EndedLine() const;
    // What the line after the local move says first of the game: a claim or an ending; empty
    // when there is nothing.
    std::string AboutGame() const;

    std::string msRecordPath;
    bool mbRecordOn = false;
    bool mbRecordFailed = false; // told already; New Game does not try it again
    bool mbNewGame = false; // the position came from New Game
    // The games this run started or sent in, kept while the record is closed and reopened.
    std::shared_ptr<record::PlayedGames> mPlayed = std::make_shared<record::PlayedGames>();
    std::unique_ptr<GameRecord> mRecord;
    std::unique_ptr<LoadReport> mLoad;
    Turn mTurn;
    std::string msLoadedCode;
    std::string msCannotArise; // why no game reaches the loaded position; empty when one can
    std::string msNote; // what the last typed text was not; empty when nothing
    std::string msSentMove; // the move sent in this turn ("14... Nf6" or "Nf6"); empty: none
    // The recorded game of this turn up to the loaded position; none without a recorded game,
    // and for a load that records nothing.
    std::optional<GameLine> mLine;
    GameEnding mEnding = GameEnding::None;
    std::string msEndedOn;
    Result mResult = Result::Unfinished;
    std::string msOpponentEmail;
    DrawClaim mClaimed = DrawClaim::None; // the claim made in this turn
    bool mbClaimWithMove = false; // made after the local move: Send Move records the move
    std::vector<Notice> mNotices;
};

} // namespace corvalen
