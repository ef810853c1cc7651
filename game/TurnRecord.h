#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "record/GameRecord.h"
#include "record/GameRows.h"
#include "rules/Error.h"
#include "rules/GameLine.h"

namespace corvalen {

// The record as a turn and the desk reach it: the recognition of a load, the sends, the games
// and the player's changes to them. RecordFile is the one kept in a SQLite file; a test gives
// its own. Every method answers as GameRecord's does: a failure is an Error value.
class TurnRecord {
public:
    virtual ~TurnRecord() = default;

    virtual Outcome<LoadReport> RecogniseLoad(
        const BoardState &loaded, GameStatus status, const std::string &code)
        = 0;
    virtual std::optional<Error> StartGameFromSameAsSent(
        LoadReport &load, const BoardState &loaded, GameStatus status, const std::string &code)
        = 0;
    virtual LoadReport StartNewGame() const = 0;
    virtual std::optional<Error> RecordSend(LoadReport &load, const BoardState &loaded, Move move,
        const std::string &code, GameEnding claim)
        = 0;
    virtual Outcome<std::optional<record::LostCastling>> CastlingRefusal(
        const LoadReport &load, const BoardState &board, Move move)
        = 0;

    virtual Outcome<std::vector<GameSummary>> ListGames() = 0;
    virtual Outcome<GameMoves> Moves(int64_t gameId) = 0;
    virtual Outcome<std::string> Pgn(int64_t gameId) = 0;
    virtual Outcome<GameDetails> Details(int64_t gameId) = 0;

    virtual std::optional<Error> SetOpponent(
        int64_t gameId, const std::string &name, const std::string &email)
        = 0;
    virtual std::optional<Error> SetNotes(int64_t gameId, const std::string &notes) = 0;
    virtual std::optional<Error> SetEnding(int64_t gameId, GameEnding ending) = 0;
    virtual std::optional<Error> DeleteGame(int64_t gameId) = 0;
    virtual Outcome<std::string> PlayerName() = 0;
    virtual std::optional<Error> SetPlayerName(const std::string &name) = 0;
};

// The record file at `path`, created when missing, knowing the games this run played.
Outcome<std::unique_ptr<TurnRecord>> OpenRecordFile(
    const std::string &path, std::shared_ptr<record::PlayedGames> played);

// A recorded game's start and its first `plies` moves; nullopt when the record holds a move
// that is not legal there.
std::optional<GameLine> RecordedLine(const GameDetails &game, size_t plies);

} // namespace corvalen
