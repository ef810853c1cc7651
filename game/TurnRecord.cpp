#include "game/TurnRecord.h"

#include "rules/Fen.h"

namespace corvalen {

namespace {

    // The record kept in a SQLite file.
    class RecordFile final : public TurnRecord {
    public:
        explicit RecordFile(std::unique_ptr<GameRecord> record)
            : mRecord(std::move(record))
        {
        }

        std::optional<LoadReport> RecogniseLoad(const BoardState &loaded, GameStatus status,
            const std::string &code, std::string &error) override
        {
            return mRecord->RecogniseLoad(loaded, status, code, error);
        }
        bool StartGameFromSameAsSent(LoadReport &load, const BoardState &loaded, GameStatus status,
            const std::string &code, std::string &error) override
        {
            return mRecord->StartGameFromSameAsSent(load, loaded, status, code, error);
        }
        LoadReport StartNewGame() const override { return mRecord->StartNewGame(); }
        bool RecordSend(LoadReport &load, const BoardState &loaded, Move move,
            int16_t promotionPiece, const std::string &code, std::string &error,
            GameEnding claim) override
        {
            return mRecord->RecordSend(load, loaded, move, promotionPiece, code, error, claim);
        }
        std::string CastlingRefusal(
            const LoadReport &load, const BoardState &board, Move move, std::string &error) override
        {
            return mRecord->CastlingRefusal(load, board, move, error);
        }
        std::optional<std::vector<GameSummary>> ListGames(std::string &error) override
        {
            return mRecord->ListGames(error);
        }
        std::optional<GameMoves> Moves(int64_t gameId, std::string &error) override
        {
            return mRecord->Moves(gameId, error);
        }
        std::optional<std::string> Pgn(int64_t gameId, std::string &error) override
        {
            return mRecord->Pgn(gameId, error);
        }
        std::optional<GameDetails> Details(int64_t gameId, std::string &error) override
        {
            return mRecord->Details(gameId, error);
        }
        bool SetOpponent(int64_t gameId, const std::string &name, const std::string &email,
            std::string &error) override
        {
            return mRecord->SetOpponent(gameId, name, email, error);
        }
        bool SetNotes(int64_t gameId, const std::string &notes, std::string &error) override
        {
            return mRecord->SetNotes(gameId, notes, error);
        }
        bool SetEnding(int64_t gameId, GameEnding ending, std::string &error) override
        {
            return mRecord->SetEnding(gameId, ending, error);
        }
        bool DeleteGame(int64_t gameId, std::string &error) override
        {
            return mRecord->DeleteGame(gameId, error);
        }
        std::optional<std::string> PlayerName(std::string &error) override
        {
            return mRecord->PlayerName(error);
        }
        bool SetPlayerName(const std::string &name, std::string &error) override
        {
            return mRecord->SetPlayerName(name, error);
        }

    private:
        std::unique_ptr<GameRecord> mRecord;
    };

} // namespace

std::unique_ptr<TurnRecord> OpenRecordFile(const std::string &path, std::string &error)
{
    std::unique_ptr<GameRecord> record = GameRecord::Open(path, RecordAccess::Create, error);
    if (!record)
        return nullptr;
    return std::make_unique<RecordFile>(std::move(record));
}

std::optional<GameLine> RecordedLine(const GameDetails &game, size_t plies)
{
    std::string ignored;
    const std::optional<BoardState> start = BoardFromFen(game.startFen, ignored);
    if (!start)
        return std::nullopt;
    GameLine line(*start);
    for (size_t ply = 0; ply < plies && ply < game.moves.size(); ++ply)
        if (!line.Play(game.moves[ply].coordinates))
            return std::nullopt;
    return line;
}

} // namespace corvalen
