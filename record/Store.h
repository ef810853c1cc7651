#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "record/GameRows.h"
#include "record/Recognition.h"
#include "record/Sqlite.h"

namespace corvalen::record {

// The schema version of a record file, checked before anything is written to it; the reason
// when it cannot be read, when a newer version of the program wrote it, or when
// its tables and columns are not the record's (another program's file). Version 0 is an
// empty file.
Outcome<int64_t> ReadSchema(sqlite::Connection &db);
// Makes the tables in an empty file, whole or not at all; nothing when another window made
// them meanwhile.
std::optional<Error> CreateSchema(sqlite::Connection &db);
// Brings a version-1 or version-2 file to the current version in one transaction, keeping
// every game, move, code and date; a failure leaves the file byte for byte as it was. Nothing
// when another window did it.
std::optional<Error> UpgradeSchema(sqlite::Connection &db);
// Lets a read-only connection to an older file read it as the current version, writing nothing
// to the file.
std::optional<Error> ReadOlderSchema(sqlite::Connection &db, int64_t version);

// Every game, the most recently played first; `path` names the record among `played`.
std::vector<GameRow> ReadGames(sqlite::Connection &db, sqlite::Transaction &transaction,
    const std::string &path, const PlayedGames &played);
std::optional<GameRow> ReadGameRow(
    sqlite::Connection &db, sqlite::Transaction &transaction, int64_t gameId);

// The local player's move at `ply` of a game; nullopt when there is none.
std::optional<EarlierAnswer> ReadAnswer(
    sqlite::Connection &db, sqlite::Transaction &transaction, int64_t gameId, int64_t ply);
// The answer the local player (`localSide`) sent last to an opening position: the standard
// start (`firstMove` empty) or White's first move `firstMove` ("e2e4") from it.
std::optional<EarlierAnswer> ReadOpeningAnswer(sqlite::Connection &db,
    sqlite::Transaction &transaction, int16_t localSide, const std::string &firstMove);

// The writes; each runs inside `transaction` and does nothing once a step of it failed.
// The opponent's move that continues a game (a recognition's only write).
void WriteContinued(sqlite::Connection &db, sqlite::Transaction &transaction,
    const ContinuedGame &continued, const LoadReport &report, const std::string &code,
    const std::string &now);
// A game `load` starts, standing at the loaded position: the position it begins from, the
// opponent's first move when there is one. Its id; 0 when the write failed.
int64_t WriteNewGame(sqlite::Connection &db, sqlite::Transaction &transaction,
    const LoadReport &load, const BoardState &loaded, Result result, const std::string &now);
// The local move after `plies` moves of a game, replacing what stood there.
void WriteLocalMove(sqlite::Connection &db, sqlite::Transaction &transaction, int64_t gameId,
    int64_t plies, const BoardState &loaded, Move move, int16_t promotionPiece,
    const std::string &code, const std::string &now);

} // namespace corvalen::record
