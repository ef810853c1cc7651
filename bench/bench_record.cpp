// The game record at start-up: opening the record and recognising the loaded position, with a
// record of 1,000 games of 60 plies each (built once in a temporary folder). Each timed run
// starts from a fresh copy of that record, since a reply that continues a game is recorded.
// Then what the Game dialog reads when it opens: the list of games and one game's view.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "code/PositionCode.h"
#include "game/Game.h"
#include "record/GameRecord.h"
#include "rules/Fen.h"
#include "rules/MoveExecution.h"
#include "rules/MoveLegality.h"

using namespace corvalen;

namespace {

constexpr int Games = 1000;
constexpr int PliesPerGame = 60;

struct Fixture {
    std::filesystem::path folder;
    std::string pristine; // the record as built, closed
    std::string work; // the copy a timed run opens
    BoardState reply; // the opponent's reply to the game waiting last: it continues that game
    BoardState stranger; // a position near no recorded game
    BoardState earlier; // a position halfway through a game played early on
};

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

// The opponent's move reaches the local player: the window loads it and asks the record.
void Load(GameRecord &record, const BoardState &board, LoadReport &report)
{
    std::string error;
    BoardState loaded = board;
    const GameStatus status = LoadedStatus(loaded, FindKing(loaded));
    if (auto recognised
        = record.RecogniseLoad(loaded, status, EncodePositionCode(loaded, loaded.giToMove), error))
        report = *recognised;
}

// Games alternate between the local player as White (New Game; the last ply is the
// opponent's) and as Black (from the opponent's first move; the last ply is the local
// player's own, so the game waits for a reply).
const Fixture &BuiltRecord()
{
    static const Fixture fixture = [] {
        Fixture built;
        char folder[] = "/tmp/corvalen-bench-XXXXXX";
        built.folder = mkdtemp(folder);
        static std::filesystem::path made = built.folder;
        std::atexit([] { std::filesystem::remove_all(made); });
        built.pristine = (built.folder / "games.sqlite").string();
        built.work = (built.folder / "work.sqlite").string();
        std::string error;
        auto record = GameRecord::Open(built.pristine, RecordAccess::Create, error);
        if (!record) {
            std::fprintf(stderr, "%s\n", error.c_str());
            std::exit(1);
        }
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
                    record->RecordSend(report, before, move, Queen,
                        EncodePositionCode(board, board.giToMove), error);
                else
                    Load(*record, board, report);
            }
            if (local == Black)
                waiting = board;
        }
        built.reply = waiting;
        PlayRandomMove(built.reply, random);
        built.stranger = *BoardFromFen("8/8/3k4/8/8/4K3/8/7R w - - 0 1", error);
        return built;
    }();
    return fixture;
}

// Opens a fresh copy of the record and recognises `board` in it as `expected`, timing both.
void OpenAndRecognise(benchmark::State &state, const BoardState &board, LoadCase expected)
{
    const Fixture &fixture = BuiltRecord();
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::copy_file(
            fixture.pristine, fixture.work, std::filesystem::copy_options::overwrite_existing);
        std::string error;
        state.ResumeTiming();
        auto record = GameRecord::Open(fixture.work, RecordAccess::Create, error);
        LoadReport report;
        Load(*record, board, report);
        benchmark::DoNotOptimize(report);
        state.PauseTiming();
        if (report.kind != expected)
            state.SkipWithError("the position was placed in another case");
        record.reset();
        DeleteRecord(fixture.work, error);
        state.ResumeTiming();
    }
}

void StartUpWithReply(benchmark::State &state)
{
    OpenAndRecognise(state, BuiltRecord().reply, LoadCase::Continues);
}
BENCHMARK(StartUpWithReply)->Unit(benchmark::kMillisecond)->Repetitions(9);

void StartUpWithStranger(benchmark::State &state)
{
    OpenAndRecognise(state, BuiltRecord().stranger, LoadCase::Otherwise);
}
BENCHMARK(StartUpWithStranger)->Unit(benchmark::kMillisecond)->Repetitions(9);

void StartUpWithEarlierPosition(benchmark::State &state)
{
    OpenAndRecognise(state, BuiltRecord().earlier, LoadCase::EarlierPosition);
}
BENCHMARK(StartUpWithEarlierPosition)->Unit(benchmark::kMillisecond)->Repetitions(9);

// The Game dialog opening on a record the turn has open: every game's line, and the view of
// the game listed first (its replay line, move list and PGN).
void GameDialogOpens(benchmark::State &state)
{
    const Fixture &fixture = BuiltRecord();
    std::filesystem::copy_file(
        fixture.pristine, fixture.work, std::filesystem::copy_options::overwrite_existing);
    auto game = std::make_unique<Game>(fixture.work);
    game->SwitchRecord(true);
    for (auto _ : state) {
        const std::vector<GameListRow> rows = game->GameList();
        const std::optional<GameView> view
            = rows.empty() ? std::nullopt : game->ViewGame(rows.front().id);
        if (rows.size() < size_t(Games) || !view || view->line.Plies() != PliesPerGame)
            state.SkipWithError("the record did not read back whole");
        benchmark::DoNotOptimize(view);
    }
    game.reset();
    std::string error;
    DeleteRecord(fixture.work, error);
}
BENCHMARK(GameDialogOpens)->Unit(benchmark::kMillisecond)->Repetitions(9);

} // namespace

BENCHMARK_MAIN();
