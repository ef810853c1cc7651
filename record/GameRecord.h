#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "record/GameRows.h"
#include "record/Pgn.h"
#include "rules/BoardState.h"
#include "rules/Error.h"
#include "rules/GameLine.h"
#include "rules/MateTest.h"
#include "rules/Turn.h"

namespace corvalen {

namespace sqlite {
    class Connection;
    class Statement;
}

// How RecogniseLoad placed a loaded position (or how the turn began).
enum class LoadCase {
    NewGame, // New Game in the window: the game is recorded from its first send on
    Continues, // the opponent's reply to a position the local player sent
    Again, // the position a game received last, opened once more
    GameStarts, // the standard start, or one White move from it: a new game from the start
    SameAsSent, // the position the local player sent last in a game: nothing is recorded
    DoesNotFollow, // close to a sent position, yet not one legal move from it: a new game
    Otherwise, // a new game from this position
    EarlierPosition, // a position a game passed before its last: nothing is recorded
};

// What the status line says of a load; the wording (game/RecordWords) words it with the
// report's facts. The record keeps the number of a received position's line, so the numbers
// never change.
enum class LoadLine {
    None = 0,
    NewGame = 1, // "New game"
    OpponentPlayed = 2, // the opponent's move: move
    StartedHere = 3, // a game from this position
    DoesNotFollow = 4, // not one legal move from a sent position: a new game
    SameAsSent = 5, // the position sent in game gameId on date, after move (none: empty)
    EarlierPosition = 6, // a position game gameId passed after earlierMove (empty: its start);
                         // it now stands at move
};

// A move as the record keeps it.
struct RecordedMove {
    std::string san;
    std::string coordinates; // "e2e4", "e7e8q"
};

// A move the local player sent from a position before.
struct EarlierAnswer {
    int64_t gameId = 0;
    std::string san; // "Nf6"
    std::string move; // "14... Nf6"
    std::string date; // YYYY-MM-DD, UTC
};

// What the window shows after a load, and what a later send of this turn needs.
struct LoadReport {
    LoadCase kind = LoadCase::Otherwise;
    // The game the position belongs to; without one (and without startsOnSend) a send
    // records nothing.
    std::optional<int64_t> gameId;
    // The first send creates the game: New Game, game starts, does not follow, otherwise.
    bool startsOnSend = false;
    // Same as sent, earlier position: gameId names the game, and a send records nothing.
    bool recordsNothing = false;
    // Same as sent: the player may still take the position for a new game
    // (StartGameFromSameAsSent).
    bool offersNewGame = false;
    // Moves recorded in the game up to the loaded position: a send of this turn goes there,
    // replacing what an earlier send of the same turn recorded.
    int plies = 0;
    // What the status line says, and its facts: numbered moves ("14... Nf6") and a date
    // (YYYY-MM-DD, UTC). A load that does not follow also has a message naming the game it
    // was nearest to: started on `date`, its last move sent `move` (empty when unknown).
    LoadLine line = LoadLine::None;
    std::string move;
    std::string earlierMove;
    std::string date;
    // The opponent's move to mark: its from and to squares, the rook's two squares for
    // castling, the taken pawn's square for en passant. Empty when there is none.
    std::vector<int16_t> marks;
    // What the first send records before the local move when startsOnSend: the position the
    // game begins from (empty: the standard start), the opponent's first move from it when
    // the loaded position is one White move from the start, and the code received.
    std::string startFen;
    std::optional<RecordedMove> firstMove;
    std::string receivedCode;
    // The opponent's name and plain address the player gave before the game was recorded:
    // written with the game that the first send creates.
    std::string opponent;
    std::string opponentEmail;
    // Again: the local player's answer the game holds to the loaded position; a send of
    // another move replaces it. Game starts: the answer to the same opening position in the
    // game that sent one last; a send starts a new game all the same.
    std::optional<EarlierAnswer> answered;
};

// One line of the list of games.
struct GameSummary {
    int64_t id = 0;
    std::string startDate; // YYYY-MM-DD, UTC
    int16_t localSide = White; // the colour the local player plays
    int plies = 0;
    std::string lastSan; // empty when no move is recorded
    Result result = Result::Unfinished;
    std::string opponent; // empty when unknown
    int16_t firstMover = White; // the side to move in the position the game started from
    int16_t toMove = White; // the side to move in its last recorded position
    int daysSince = 0; // whole days from its last change to the record's clock
};

// One game with everything the player keeps of it.
struct GameDetails {
    int64_t id = 0;
    std::string started; // YYYY-MM-DD, UTC
    std::string startFen;
    int16_t localSide = White;
    std::vector<RecordedMove> moves; // in order
    Result result = Result::Unfinished;
    GameEnding ending = GameEnding::None;
    std::string endedOn; // YYYY-MM-DD, UTC; empty without an ending
    std::string opponent;
    std::string opponentEmail;
    std::string notes;
    std::string pgn; // with the players' names (the local one from SetPlayerName)
};

// A game's moves for the Game dialog.
struct GameMoves {
    std::string startDate; // YYYY-MM-DD, UTC
    std::string moveText; // "1. e4 e5 2. Nf3 Nc6"
    std::string lastMove; // "2... Nc6"; empty when no move is recorded
};

enum class RecordAccess {
    ReadOnly, // never writes, not even the journal mode, nor a file beside it; it must exist
    ReadWrite, // the file must exist
    Create, // makes the folder (0700) and the file (0600) when missing
};

// The record of the local player's games in one SQLite file. Every method that fails answers
// with an Error naming the file; none throws. A file that cannot be read (not a
// database, damaged, written by a newer version, in a folder that cannot be written) is
// reported and left exactly as it is.
class GameRecord {
public:
    using Clock = std::function<std::chrono::system_clock::time_point()>;
    static constexpr int SchemaVersion = 3;

    // The record, or why it cannot be opened as `access` asks. `played` (kept by the caller
    // across the record closed and opened again) gets the games this record starts or sends
    // in; without it the record keeps its own.
    static Outcome<std::unique_ptr<GameRecord>> Open(const std::string &path, RecordAccess access,
        std::shared_ptr<record::PlayedGames> played = nullptr);
    ~GameRecord();
    GameRecord(const GameRecord &) = delete;
    GameRecord &operator=(const GameRecord &) = delete;

    const std::string &Path() const { return msPath; }
    // Replaces the clock that dates moves and games (UTC); for tests.
    void SetClock(Clock now) { mNow = std::move(now); }

    // Places a position just loaded (the local player to move, `status` as the turn judged
    // it, `code` the text received). Its cases, tried in this order:
    //   same as sent   the position a game's local player sent last, no reply yet: a
    //                  message naming the game and the move; nothing is recorded;
    //   continues      a game whose last position the local player sent leads here by one
    //                  legal move (the most recently played such game): that move is recorded
    //                  as the opponent's; status "Your opponent played 14... Nf6", marks;
    //   again          the position a game received last: the status and marks of the
    //                  first load;
    //   earlier position  a position a game passed before its last: nothing is recorded;
    //   game starts    the standard start ("New game") or one White move from it ("Your
    //                  opponent played 1. e4", marks): a game from the standard start;
    //   does not follow  at most 8 squares away from a sent position: a message naming that
    //                  game and the move sent there, and a game from this position;
    //   otherwise      a game from this position ("Game started from this position").
    // Only "continues" writes, in one transaction; the games the last three start are
    // written by the first send. Mate or stalemate at load ends the game continued. The same
    // load recognised twice in one run finds the same game.
    Outcome<LoadReport> RecogniseLoad(
        const BoardState &loaded, GameStatus status, const std::string &code);

    // "Start a New Game" after same as sent: records at once a game from the loaded position
    // (from the standard start with the opponent's first move when the position is one White
    // move from it) and turns `load` into the report of that game.
    std::optional<Error> StartGameFromSameAsSent(
        LoadReport &load, const BoardState &loaded, GameStatus status, const std::string &code);

    // New Game in the window: a report for the standard start with the local player as White.
    // Nothing is recorded until the first send.
    LoadReport StartNewGame() const;

    // Records the local move of this turn (SAN, coordinates, the code sent, the time) after
    // load.plies moves of load's game, replacing a move an earlier send of this turn recorded
    // there. `loaded` is the position before the move; promotionPiece counts only for a
    // promotion. Sets the result when the move mates or stalemates. Records nothing (and
    // answers no error) for a load that records nothing; for a load that starts a game creates it
    // with what the load received, and fills load.gameId. A draw claimed with the move
    // (`claim`) ends the game in the same change. Whole or not at all.
    std::optional<Error> RecordSend(LoadReport &load, const BoardState &loaded, Move move,
        int16_t promotionPiece, const std::string &code, GameEnding claim = GameEnding::None);

    // Asked before a castling move of board.giToMove is taken: nullopt when the record has no
    // objection (or the move is no castling), else why the right is lost and the move that
    // lost it. Only the moves recorded before this turn's count; a game that started from a
    // loaded position knows nothing before it.
    Outcome<std::optional<record::LostCastling>> CastlingRefusal(
        const LoadReport &load, const BoardState &board, Move move);

    // The games, the most recently played first.
    Outcome<std::vector<GameSummary>> ListGames();
    // One game's start date and numbered moves; NotFound for an unknown id.
    Outcome<GameMoves> Moves(int64_t gameId);
    // One game in PGN export format; NotFound for an unknown id.
    Outcome<std::string> Pgn(int64_t gameId);
    // One game whole; NotFound for an unknown id.
    Outcome<GameDetails> Details(int64_t gameId);

    // The player's own changes to one game, each whole or not at all. NothingToChange when no
    // game matches (an unknown id, an ending for a game that has ended, no ending to clear);
    // a failure when the record failed. A name or notes set again unchanged keep the time of
    // the game's last change.
    std::optional<Error> SetOpponent(
        int64_t gameId, const std::string &name, const std::string &email);
    std::optional<Error> SetNotes(int64_t gameId, const std::string &notes);
    // Ends a game that is going on with `ending`, dated now; GameEnding::None clears an ending
    // again (a result from mate or stalemate has none, and stays).
    std::optional<Error> SetEnding(int64_t gameId, GameEnding ending);
    // Removes the game with its moves.
    std::optional<Error> DeleteGame(int64_t gameId);
    // The local player's name for PGN, kept in the record so that the tool writes it too.
    Outcome<std::string> PlayerName();
    std::optional<Error> SetPlayerName(const std::string &name);

private:
    GameRecord(std::string path, std::unique_ptr<sqlite::Connection> connection,
        std::shared_ptr<record::PlayedGames> played);
    std::string Now() const;
    // `error` as it happened in this record.
    Error Failure(Error error) const;
    // Runs `change` (a prepared write) in its own transaction; see SetOpponent.
    std::optional<Error> Change(sqlite::Statement &change);

    std::string msPath;
    std::unique_ptr<sqlite::Connection> mConnection;
    std::shared_ptr<record::PlayedGames> mPlayed;
    Clock mNow;
};

// Deletes the record file and its -wal and -shm companions: the player's own "Delete
// Record..." command. A missing file is no error.
std::optional<Error> DeleteRecord(const std::string &path);

} // namespace corvalen
