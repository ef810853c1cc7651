#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "rules/BoardState.h"
#include "rules/GameLine.h"
#include "rules/Result.h"
#include "rules/Turn.h"

namespace corvalen::record {

// One game as the game table holds it: what recognising a load reads, never its moves.
struct GameRow {
    int64_t id = 0;
    std::string started; // ISO time, UTC
    std::string startFen;
    int16_t localSide = White;
    Result result = Result::Unfinished;
    int64_t plies = 0;
    std::string lastFen;
    bool lastSent = false; // the last position is one the local player sent
    std::string lastSan; // empty when no move is recorded
    std::string sentFen; // the last position sent; empty when none was
    std::string sentAt;
    std::string receivedFen; // the last position received; empty when none was
    int64_t receivedPlies = 0;
    int64_t receivedLine = 0; // the LoadLine its status said
    std::string receivedSan; // the opponent's move it named; empty when none
    std::string receivedMarks;
    // This run of the program started the game or sent a move in it (so that a load
    // recognised again finds the same game).
    bool playedThisRun = false;
};

// Why a side may no longer castle in a game, and the move that lost the right ("12. Ke2").
struct LostCastling {
    CastlingLoss cause = CastlingLoss::None;
    std::string move;
};

// The setting that keeps the local player's name.
constexpr const char *PlayerNameSetting = "player_name";

// The standard start as FenFromBoard writes it.
const std::string &StandardFen();
// The side to move of a FEN record.
int16_t SideOfFen(const std::string &fen);
// "YYYY-MM-DD" of an ISO time.
std::string DateOf(const std::string &isoTime);
// "14. Bc4" for the move at `ply` (0 = the first recorded) of a game whose first mover is
// `firstMover`.
std::string NumberedPly(int16_t firstMover, int64_t ply, const std::string &san);
// The result a position ends the game with when its side to move faces `status`.
Result ResultOf(GameStatus status, int16_t sideToMove);
// Squares as stored in a game row: "12 28", and back.
std::string MarksText(const std::vector<int16_t> &marks);
std::vector<int16_t> MarksOf(const std::string &text);

// The games of a record that this run of the program started or sent a move in. Its owner
// keeps it across the record closed and opened again, so the record still knows them.
class PlayedGames {
public:
    void Note(const std::string &path, int64_t id) { mGames.emplace(path, id); }
    bool Has(const std::string &path, int64_t id) const { return mGames.count({ path, id }) > 0; }

private:
    std::set<std::pair<std::string, int64_t>> mGames;
};

} // namespace corvalen::record
