#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "rules/BoardState.h"
#include "rules/MateTest.h"
#include "rules/Turn.h"

namespace corvalen {

namespace sqlite {
    class Connection;
}

// How RecogniseLoad placed a loaded position (or how the turn began).
enum class LoadCase {
    NewGame, // New Game in the window: the game is recorded from its first send on
    Continues, // the opponent's reply to a position the local player sent
    Again, // the position a game received last, opened once more
    GameStarts, // the standard start, or one White move from it: a new game from the start
    SameAsSent, // a position the local player sent: belongs to no game
    DoesNotFollow, // close to a sent position, yet not one legal move from it: a new game
    Otherwise, // a new game from this position
};

// What the window shows after a load, and what a later send of this turn needs.
struct LoadReport {
    LoadCase kind = LoadCase::Otherwise;
    // The game the position belongs to; without one (and without startsOnSend) a send
    // records nothing.
    std::optional<int64_t> gameId;
    // New Game: the first send creates the game (standard start, local player White).
    bool startsOnSend = false;
    // Moves recorded in the game up to the loaded position: a send of this turn goes there,
    // replacing what an earlier send of the same turn recorded.
    int plies = 0;
    std::string status; // the one-line status text
    std::string message; // text for a message box; empty when there is nothing to tell
    // The opponent's move to mark: its from and to squares, the rook's two squares for
    // castling, the taken pawn's square for en passant. Empty when there is none.
    std::vector<int16_t> marks;
};

// One line of the list of games.
struct GameSummary {
    int64_t id = 0;
    std::string startDate; // YYYY-MM-DD, UTC
    int16_t localSide = White; // the colour the local player plays
    int plies = 0;
    std::string lastSan; // empty when no move is recorded
    std::string result; // "*", "1-0", "0-1" or "1/2-1/2"
};

// A game's moves for the Game dialog.
struct GameMoves {
    std::string startDate; // YYYY-MM-DD, UTC
    std::string moveText; // "1. e4 e5 2. Nf3 Nc6"
    std::string lastMove; // "2... Nc6"; empty when no move is recorded
};

enum class RecordAccess {
    ReadOnly, // never writes, not even the journal mode; the file must exist
    ReadWrite, // the file must exist
    Create, // makes the folder (0700) and the file (0600) when missing
};

// The record of the local player's games in one SQLite file. Every method that fails answers
// with an error value naming the file; none throws. A file that cannot be read (not a
// database, damaged, written by a newer version, in a folder that cannot be written) is
// reported and left exactly as it is.
class GameRecord {
public:
    using Clock = std::function<std::chrono::system_clock::time_point()>;
    static constexpr int SchemaVersion = 1;

    // nullptr and `error` when the record cannot be opened as `access` asks.
    static std::unique_ptr<GameRecord> Open(
        const std::string &path, RecordAccess access, std::string &error);
    ~GameRecord();
    GameRecord(const GameRecord &) = delete;
    GameRecord &operator=(const GameRecord &) = delete;

    const std::string &Path() const { return msPath; }
    // Replaces the clock that dates moves and games (UTC); for tests.
    void SetClock(Clock now) { mNow = std::move(now); }

    // Places a position just loaded (the local player to move, `status` as the turn judged
    // it, `code` the text received) and records what that calls for, in one transaction:
    //   continues      a game whose last position the local player sent leads here by one
    //                  legal move (the most recently played such game): that move is recorded
    //                  as the opponent's; status "Your opponent played 14... Nf6", marks;
    //   again          the position a game received last: nothing recorded, the status and
    //                  marks of the first load;
    //   game starts    the standard start ("New game") or one White move from it ("Your
    //                  opponent played 1. e4", marks): a new game from the standard start;
    //   same as sent   a position the local player sent: a message, nothing recorded, no game;
    //   does not follow  at most 8 squares away from a sent position: a message naming that
    //                  game, and a new game from this position;
    //   otherwise      a new game from this position ("Game started from this position").
    // Mate or stalemate at load ends the game it belongs to.
    std::optional<LoadReport> RecogniseLoad(
        const BoardState &loaded, GameStatus status, const std::string &code, std::string &error);

    // STUB, to be replaced by the record's own version on merge: the player pressed "Start a
    // New Game" after a same-as-sent load; records the new game from `loaded`. Does nothing yet.
    bool StartGameFromSameAsSent(LoadReport &, const BoardState &, GameStatus, const std::string &,
        std::string &)
    {
        return true;
    }

    // New Game in the window: a report for the standard start with the local player as White.
    // Nothing is recorded until the first send.
    LoadReport StartNewGame() const;

    // Records the local move of this turn (SAN, coordinates, the code sent, the time) after
    // load.plies moves of load's game, replacing a move an earlier send of this turn recorded
    // there. `loaded` is the position before the move; promotionPiece counts only for a
    // promotion. Sets the result when the move mates or stalemates. Records nothing for a
    // position that belongs to no game; for New Game creates the game and fills load.gameId.
    bool RecordSend(LoadReport &load, const BoardState &loaded, Move move, int16_t promotionPiece,
        const std::string &code, std::string &error);

    // Asked before a castling move of board.giToMove is taken: empty when the record has no
    // objection (or the move is no castling), else the refusal text, e.g. "You cannot castle
    // on this side: your king moved in this game (12. Ke2)." Only the moves recorded before
    // this turn's count; a game that started from a loaded position knows nothing before it.
    std::string CastlingRefusal(
        const LoadReport &load, const BoardState &board, Move move, std::string &error);

    // The games, the most recently played first.
    std::optional<std::vector<GameSummary>> ListGames(std::string &error);
    // One game's start date and numbered moves; nullopt and `error` for an unknown id.
    std::optional<GameMoves> Moves(int64_t gameId, std::string &error);
    // One game in PGN export format; nullopt and `error` for an unknown id.
    std::optional<std::string> Pgn(int64_t gameId, std::string &error);

private:
    GameRecord(std::string path, std::unique_ptr<sqlite::Connection> connection);
    std::string Now() const;
    std::string Failure(const std::string &what) const;

    std::string msPath;
    std::unique_ptr<sqlite::Connection> mConnection;
    Clock mNow;
};

// Deletes the record file and its -wal and -shm companions: the player's own "Delete
// Record..." command. A missing file is no error.
bool DeleteRecord(const std::string &path, std::string &error);

} // namespace corvalen
