#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "game/RecordLife.h"
#include "record/Pgn.h"
#include "rules/GameLine.h"
#include "rules/Result.h"

namespace corvalen {

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
    Colour localSide = White;
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
    Colour localSide = White;
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

// An opponent's name and plain address as the player gives them.
struct GivenAddress {
    std::string name; // of "Bob <bob@example.org>": "Bob"; empty for a bare address
    std::string address; // "bob@example.org"; empty when none is given
};
// "bob@example.org", "Bob <bob@example.org>" or nothing; nullopt for anything else.
std::optional<GivenAddress> SplitAddress(const std::string &text);

// The desk: every game of the record, and the player's changes to them. Empty, nullopt or
// false while the record is off or cannot be read; a failure of the record becomes a notice.
// Qt-free.
class Desk {
public:
    explicit Desk(RecordLife &life);

    // The games, the most recently played first; daysSince counts from now.
    std::vector<GameListRow> GameList();
    std::optional<GameView> ViewGame(int64_t id);
    // Stores the opponent's name (cleaned: plain text, at most 80 characters) and e-mail
    // address; false without a change when SplitAddress refuses the address. Of "Bob
    // <bob@example.org>" the address is kept, and the name stands in for an empty name.
    bool SetOpponent(int64_t id, const std::string &name, const std::string &email);
    bool SetNotes(int64_t id, const std::string &notes);
    // Ends a game with a result the code cannot carry, dated today.
    bool EndGame(int64_t id, PlayerEnding ending);
    // Clears a result EndGame or a claim set; a result from mate or stalemate stays.
    bool ReopenGame(int64_t id);
    // Removes one game with its moves; the others stay as they are.
    bool DeleteGame(int64_t id);

private:
    RecordLife &mLife;
};

} // namespace corvalen
