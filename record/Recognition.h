#pragma once

#include <optional>
#include <string>
#include <vector>

#include "record/GameRecord.h"
#include "record/GameRows.h"
#include "record/History.h"

namespace corvalen::record {

// A position just loaded, the local player to move.
struct LoadedPosition {
    BoardState board;
    GameStatus status = GameStatus::None;
    std::string code; // the text received
};

// The opponent's move a load continues a game with: the one write a recognition asks for.
struct ContinuedGame {
    int64_t gameId = 0;
    int64_t ply = 0; // the move's ply; the game then has ply + 1 moves
    RecordedMove move;
    std::string fen; // the loaded position
    Result result = Result::Unfinished; // how the loaded position ends the game
};

struct Recognition {
    LoadReport report;
    std::optional<ContinuedGame> continued;
};

// Places `loaded` among `games` (the most recently played first). Pure: it reads the games'
// moves only through `history`, and writes nothing.
Recognition Recognise(
    const std::vector<GameRow> &games, const LoadedPosition &loaded, GameHistory &history);

// The report of a game that `loaded` starts, kind GameStarts (the standard start or one White
// move from it) or `otherwise` with its line.
LoadReport StartingReport(const LoadedPosition &loaded, LoadCase otherwise, LoadLine otherwiseLine);

} // namespace corvalen::record
