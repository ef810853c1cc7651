// A record of 1,000 games of 60 plies each, built once per run in a temporary folder (removed
// at exit), for the benches that read or extend the record.
#pragma once

#include <filesystem>
#include <string>

#include "record/GameRecord.h"
#include "rules/BoardState.h"

namespace corvalen::bench {

constexpr int Games = 1000;
constexpr int PliesPerGame = 60;

struct RecordFixture {
    std::filesystem::path folder;
    std::string pristine; // the record as built, closed
    std::string work; // the copy a timed run opens
    BoardState reply; // the opponent's reply to the game waiting last: it continues that game
    BoardState stranger; // a position near no recorded game
    BoardState earlier; // a position halfway through a game played early on
};

// Games alternate between the local player as White (New Game; the last ply is the
// opponent's) and as Black (from the opponent's first move; the last ply is the local
// player's own, so the game waits for a reply).
const RecordFixture &BuiltRecord();

// The opponent's move reaches the local player: the window loads it and asks the record.
void Load(GameRecord &record, const BoardState &board, LoadReport &report);

// A copy of the record as built at `path`, replacing what is there.
void CopyPristine(const std::string &path);

} // namespace corvalen::bench
