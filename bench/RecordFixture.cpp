#include "bench/RecordFixture.h"

#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "code/PositionCode.h"
#include "game/RecordWords.h"
#include "record/GameRecord.h"
#include "rules/Fen.h"
#include "rules/MoveExecution.h"
#include "rules/MoveLegality.h"

namespace corvalen::bench {

namespace {

    // The position after a random legal move of the side to move that leaves the other side a
    // legal move, and the move; `board` unchanged when every move would end the game.
    Move PlayRandomMove(BoardState &board, std::mt19937 &random)
    {
        std::vector<Move> moves = LegalMoves(board);
        std::shuffle(moves.begin(), moves.end(), random);
        for (const Move &move : moves) {
            BoardState after = board;
            CarryOutMove(after, move.from, move.to);
            after.giToMove = Opponent(board.giToMove);
            if (HasLegalMove(after)) {
                board = after;
                return move;
            }
        }
        return {};
    }

} // namespace

// The opponent's move reaches the local player: the window loads it and asks the record.
void Load(GameRecord &record, const BoardState &board, LoadReport &report)
{
    BoardState loaded = board;
    const GameStatus status = LoadedStatus(loaded, FindKing(loaded));
    if (auto recognised
        = record.RecogniseLoad(loaded, status, EncodePositionCode(loaded, loaded.giToMove)))
        report = *recognised;
}

const RecordFixture &BuiltRecord()
{
    static const RecordFixture fixture = [] {
        RecordFixture built;
        char folder[] = "/tmp/corvalen-bench-XXXXXX";
        built.folder = mkdtemp(folder);
        static std::filesystem::path made = built.folder;
        std::atexit([] { std::filesystem::remove_all(made); });
        built.pristine = (built.folder / "games.sqlite").string();
        built.work = (built.folder / "work.sqlite").string();
        auto opened = GameRecord::Open(built.pristine, RecordAccess::Create);
        if (!opened) {
            std::fprintf(stderr, "%s\n", WordRecordError(opened.Why()).c_str());
            std::exit(1);
        }
        std::unique_ptr<GameRecord> record = std::move(*opened);
        std::mt19937 random(20240301);
        BoardState waiting;
        for (int game = 0; game < Games; ++game) {
            BoardState board = DecodePositionCode(StartingCode).board;
            const int16_t local = game % 2 == 0 ? White : Black;
            LoadReport report = record->StartNewGame();
            for (int ply = 0; ply < PliesPerGame; ++ply) {
                if (game == Games / 10 && ply == PliesPerGame / 2)
                    built.earlier = board;
                const BoardState before = board;
                const Move move = PlayRandomMove(board, random);
                if (before.giToMove == local)
                    record->RecordSend(
                        report, before, move, Queen, EncodePositionCode(board, board.giToMove));
                else
                    Load(*record, board, report);
            }
            if (local == Black)
                waiting = board;
        }
        built.reply = waiting;
        PlayRandomMove(built.reply, random);
        std::string error;
        built.stranger = *BoardFromFen("8/8/3k4/8/8/4K3/8/7R w - - 0 1", error);
        return built;
    }();
    return fixture;
}

void CopyPristine(const std::string &path)
{
    std::filesystem::copy_file(
        BuiltRecord().pristine, path, std::filesystem::copy_options::overwrite_existing);
}

} // namespace corvalen::bench
