#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "record/GameRows.h"

namespace corvalen {
namespace sqlite {
    class Connection;
    class Transaction;
}

namespace record {

    // A move recorded in a game: its ply (0 = the first recorded) and SAN.
    struct RecordedPly {
        int64_t ply = 0;
        std::string san;
    };

    // What recognition may ask about a game's moves beyond its game row. Asked only for the
    // few games the game rows cannot rule out.
    class GameHistory {
    public:
        virtual ~GameHistory() = default;
        // Why `colour` may not castle on `side` after the first `plies` recorded moves, by the
        // rights of the game's line (GameLine::CastlingLost); nullopt while the right stands.
        virtual std::optional<LostCastling> CastlingLost(
            const GameRow &game, int64_t plies, int16_t colour, int16_t side)
            = 0;
        // The latest move before the game's last after which the game stood at the position
        // coded as one of `codes`; nullopt when there is none.
        virtual std::optional<RecordedPly> EarlierPly(
            const GameRow &game, const std::vector<std::string> &codes)
            = 0;
        // The last move the local player sent in the game; nullopt when none was.
        virtual std::optional<RecordedPly> LastSent(const GameRow &game) = 0;
    };

    // What of a position can only shrink as a game goes on: each side's men and pawns, and the
    // pawns still on their first squares (one bit per column).
    struct Material {
        std::array<int, 2> men {};
        std::array<int, 2> pawns {};
        std::array<uint8_t, 2> unmovedPawns {};
    };
    Material MaterialOf(const std::string &fen);
    // False when a game that began at `start` and stands at `last` cannot have passed through
    // `position`: the cheap test before a game's moves are read.
    bool MayHavePassed(const Material &start, const Material &position, const Material &last);

    // The history in the record's move table, read inside `transaction`: once a read fails
    // the transaction holds the reason, and nothing more is read.
    class StoredHistory final : public GameHistory {
    public:
        StoredHistory(sqlite::Connection &db, sqlite::Transaction &transaction)
            : mDb(db)
            , mTransaction(transaction)
        {
        }
        std::optional<LostCastling> CastlingLost(
            const GameRow &game, int64_t plies, int16_t colour, int16_t side) override;
        std::optional<RecordedPly> EarlierPly(
            const GameRow &game, const std::vector<std::string> &codes) override;
        std::optional<RecordedPly> LastSent(const GameRow &game) override;

    private:
        sqlite::Connection &mDb;
        sqlite::Transaction &mTransaction;
    };

} // namespace record
} // namespace corvalen
