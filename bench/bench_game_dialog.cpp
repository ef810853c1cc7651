// Opening the Game dialog on a record of 1,000 games of 60 plies each (bench/RecordFixture.h):
// the table of games, the game of this turn on the replay board with its moves. Goal: within
// 150 ms. What the Game reads for it alone is GameDialogOpens in bench_record.cpp. Runs headless
// unless QT_QPA_PLATFORM says otherwise.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTableView>
#include <filesystem>

#include "bench/RecordFixture.h"
#include "code/PositionCode.h"
#include "game/Game.h"
#include "ui/Options.h"
#include "ui/PieceImages.h"
#include "ui/frmGame.h"

using namespace corvalen;

namespace {

// The turn has loaded the opponent's reply to the game waiting last, in a copy of the record of
// its own (the load records the reply).
Game &TurnOnReply()
{
    static Game *game = [] {
        const bench::RecordFixture &fixture = bench::BuiltRecord();
        const std::string path = (fixture.folder / "dialog.sqlite").string();
        bench::CopyPristine(path);
        auto *opened = new Game(path);
        opened->SwitchRecord(true);
        const std::string code = EncodePositionCode(fixture.reply, fixture.reply.giToMove);
        const std::string characters = code.substr(code.find(':') + 1);
        opened->Load(DecodePositionCode(characters), characters);
        opened->TakeNotices();
        return opened;
    }();
    return *game;
}

void OpenGameDialog(benchmark::State &state)
{
    Game &game = TurnOnReply();
    for (auto _ : state) {
        frmGame dialog({ QString::fromStdString(game.RecordPath()) }, game);
        dialog.show();
        QApplication::processEvents();
        if (dialog.tblGames->model()->rowCount() < bench::Games || !dialog.ShownGame())
            state.SkipWithError("the games or this turn's game are missing");
        benchmark::DoNotOptimize(dialog.ShownPly());
    }
}
BENCHMARK(OpenGameDialog)->Unit(benchmark::kMillisecond)->Repetitions(5);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The record option on, in a settings folder of the bench's own.
    const std::filesystem::path settings = bench::BuiltRecord().folder / "config";
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(settings.string()));
    QApplication application(argc, argv);
    Options::SetRecordEnabled(true);
    SetImagesFolder(QStringLiteral(CORVALEN_SOURCE_DIR "/images"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
