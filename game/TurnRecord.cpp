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

        Outcome<LoadReport> RecogniseLoad(
            const BoardState &loaded, GameStatus status, const std::string &code) override
        {
            return mRecord->RecogniseLoad(loaded, status, code);
        }
        std::optional<Error> StartGameFromSameAsSent(LoadReport &load, const BoardState &loaded,
            GameStatus status, const std::string &code) override
        {
            return mRecord->StartGameFromSameAsSent(load, loaded, status, code);
        }
        LoadReport StartNewGame() const override { return mRecord->StartNewGame(); }
        std::optional<Error> RecordSend(LoadReport &load, const BoardState &loaded, Move move,
            const std::string &code, GameEnding claim) override
        {
            return mRecord->RecordSend(load, loaded, move, code, claim);
        }
        Outcome<std::optional<record::LostCastling>> CastlingRefusal(
            const LoadReport &load, const BoardState &board, Move move) override
        {
            return mRecord->CastlingRefusal(load, board, move);
        }
        Outcome<std::vector<GameSummary>> ListGames() override { return mRecord->ListGames(); }
        Outcome<GameMoves> Moves(int64_t gameId) override { return mRecord->Moves(gameId); }
        Outcome<std::string> Pgn(int64_t gameId) override { return mRecord->Pgn(gameId); }
        Outcome<GameDetails> Details(int64_t gameId) override { return mRecord->Details(gameId); }
        std::optional<Error> SetOpponent(
            int64_t gameId, const std::string &name, const std::string &email) override
        {
            return mRecord->SetOpponent(gameId, name, email);
        }
        std::optional<Error> SetNotes(int64_t gameId, const std::string &notes) override
        {
            return mRecord->SetNotes(gameId, notes);
        }
        std::optional<Error> SetEnding(int64_t gameId, GameEnding ending) override
        {
            return mRecord->SetEnding(gameId, ending);
        }
        std::optional<Error> DeleteGame(int64_t gameId) override
        {
            return mRecord->DeleteGame(gameId);
        }
        Outcome<std::string> PlayerName() override { return mRecord->PlayerName(); }
        std::optional<Error> SetPlayerName(const std::string &name) override
        {
            return mRecord->SetPlayerName(name);
        }

    private:
        std::unique_ptr<GameRecord> mRecord;
    };

} // namespace

Outcome<std::unique_ptr<TurnRecord>> OpenRecordFile(
    const std::string &path, std::shared_ptr<record::PlayedGames> played)
{
    Outcome<std::unique_ptr<GameRecord>> opened
        = GameRecord::Open(path, RecordAccess::Create, std::move(played));
    if (!opened)
        return opened.Why();
    return std::unique_ptr<TurnRecord>(std::make_unique<RecordFile>(std::move(*opened)));
}

std::optional<GameLine> RecordedLine(const GameDetails &game, size_t plies)
{
    const Outcome<BoardState> start = BoardFromFen(game.startFen);
    if (!start)
        return std::nullopt;
    GameLine line(*start);
    for (size_t ply = 0; ply < plies && ply < game.moves.size(); ++ply)
        if (!line.Play(game.moves[ply].coordinates))
            return std::nullopt;
    return line;
}

} // namespace corvalen
