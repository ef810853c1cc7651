#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "record/GameRecord.h"
#include "rules/GameLine.h"

namespace corvalen {

// The record as a turn and the desk reach it: the recognition of a load, the sends, the games
// and the player's changes to them. RecordFile is the one kept in a SQLite file; a test gives
// its own. Every method answers as GameRecord's does: a failure is a value with `error`.
class TurnRecord {
public:
    virtual ~TurnRecord() = default;

    virtual std::optional<LoadReport> RecogniseLoad(
        const BoardState &loaded, GameStatus status, const std::string &code, std::string &error)
        = 0;
    virtual bool StartGameFromSameAsSent(LoadReport &load, const BoardState &loaded,
        GameStatus status, const std::string &code, std::string &error)
        = 0;
    virtual LoadReport StartNewGame() const = 0;
    virtual bool RecordSend(LoadReport &load, const BoardState &loaded, Move move,
        int16_t promotionPiece, const std::string &code, std::string &error, GameEnding claim)
        = 0;
    virtual std::string CastlingRefusal(
        const LoadReport &load, const BoardState &board, Move move, std::string &error)
        = 0;

    virtual std::optional<std::vector<GameSummary>> ListGames(std::string &error) = 0;
    virtual std::optional<GameMoves> Moves(int64_t gameId, std::string &error) = 0;
    virtual std::optional<std::string> Pgn(int64_t gameId, std::string &error) = 0;
    virtual std::optional<GameDetails> Details(int64_t gameId, std::string &error) = 0;

    virtual bool SetOpponent(
        int64_t gameId, const std::string &name, const std::string &email, std::string &error)
        = 0;
    virtual bool SetNotes(int64_t gameId, const std::string &notes, std::string &error) = 0;
    virtual bool SetEnding(int64_t gameId, GameEnding ending, std::string &error) = 0;
    virtual bool DeleteGame(int64_t gameId, std::string &error) = 0;
    virtual std::optional<std::string> PlayerName(std::string &error) = 0;
    virtual bool SetPlayerName(const std::string &name, std::string &error) = 0;
};

// The record file at `path`, created when missing; nullptr and `error` when it cannot be opened.
std::unique_ptr<TurnRecord> OpenRecordFile(const std::string &path, std::string &error);

// A recorded game's start and its first `plies` moves; nullopt when the record holds a move
// that is not legal there.
std::optional<GameLine> RecordedLine(const GameDetails &game, size_t plies);

} // namespace corvalen
