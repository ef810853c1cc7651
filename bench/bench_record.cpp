// The game record at start-up: opening the record and recognising the loaded position, with a
// record of 1,000 games of 60 plies each (built once in a temporary folder). Each timed run
// starts from a fresh copy of that record, since a reply that continues a game is recorded.
// Then what the Game dialog reads when it opens: the list of games and one game's view.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "bench/RecordFixture.h"
#include "game/Game.h"
#include "record/GameRecord.h"
#include "rules/Fen.h"

using namespace corvalen;

namespace {

using bench::BuiltRecord;
using bench::Games;
using bench::Load;
using bench::PliesPerGame;

// Opens a fresh copy of the record and recognises `board` in it as `expected`, timing both.
void OpenAndRecognise(benchmark::State &state, const BoardState &board, LoadCase expected)
{
    const bench::RecordFixture &fixture = BuiltRecord();
    for (auto _ : state) {
        state.PauseTiming();
        bench::CopyPristine(fixture.work);
        state.ResumeTiming();
        auto record = GameRecord::Open(fixture.work, RecordAccess::Create);
        LoadReport report;
        Load(**record, board, report);
        benchmark::DoNotOptimize(report);
        state.PauseTiming();
        if (report.kind != expected)
            state.SkipWithError("the position was placed in another case");
        (*record).reset();
        DeleteRecord(fixture.work);
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
    const bench::RecordFixture &fixture = BuiltRecord();
    bench::CopyPristine(fixture.work);
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
    DeleteRecord(fixture.work);
}
BENCHMARK(GameDialogOpens)->Unit(benchmark::kMillisecond)->Repetitions(9);

} // namespace

BENCHMARK_MAIN();
