// Opening the Game dialog on a record of 1,000 games of 60 plies each (built once in a
// temporary folder): the table of games, the game of this turn on the replay board with its
// moves. Goal: within 150 ms. Runs headless unless QT_QPA_PLATFORM says otherwise.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTableView>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>

#include "code/PositionCode.h"
#include "game/Game.h"
#include "record/GameRecord.h"
#include "rules/MoveExecution.h"
#include "rules/MoveLegality.h"
#include "ui/Options.h"
#include "ui/PieceImages.h"
#include "ui/frmGame.h"

using namespace corvalen;

namespace {

constexpr int Games = 1000;
constexpr int PliesPerGame = 60;

// A random legal move that leaves the other side a move; `board` unchanged when there is none.
void PlayRandomMove(BoardState &board, std::mt19937 &random, Move &played)
{
    std::vector<Move> moves = LegalMoves(board);
    std::shuffle(moves.begin(), moves.end(), random);
    for (const Move &move : moves) {
        BoardState after = board;
        CarryOutMove(after, move.from, move.to);
        after.giToMove = Opponent(board.giToMove);
        if (HasLegalMove(after)) {
            board = after;
            played = move;
            return;
        }
    }
}

// The record, and the code of the last game's position after the opponent's reply.
struct Fixture {
    std::string path;
    std::string lastCode;
};

// Games alternate between the local player as White and as Black, each sent and received in
// turn as the window would.
const Fixture &BuiltRecord()
{
    static const Fixture fixture = [] {
        char folder[] = "/tmp/corvalen-bench-dialog-XXXXXX";
        static const std::filesystem::path made = mkdtemp(folder);
        std::atexit([] { std::filesystem::remove_all(made); });
        Fixture built { (made / "games.sqlite").string(), {} };
        std::string error;
        auto record = GameRecord::Open(built.path, RecordAccess::Create, error);
        if (!record) {
            std::fprintf(stderr, "%s\n", error.c_str());
            std::exit(1);
        }
        std::mt19937 random(20261207);
        for (int game = 0; game < Games; ++game) {
            BoardState board = DecodePositionCode(StartingCode).board;
            const int16_t local = (Games - 1 - game) % 2 == 0 ? White : Black;
            LoadReport report = record->StartNewGame();
            for (int ply = 0; ply < PliesPerGame; ++ply) {
                const BoardState before = board;
                Move move;
                PlayRandomMove(board, random, move);
                const std::string code = EncodePositionCode(board, board.giToMove);
                if (before.giToMove == local) {
                    record->RecordSend(report, before, move, Queen, code, error);
                    continue;
                }
                // The last game's last move is the reply this turn loads.
                if (game == Games - 1 && ply == PliesPerGame - 1) {
                    built.lastCode = code;
                    break;
                }
                BoardState loaded = board;
                const GameStatus status = LoadedStatus(loaded, FindKing(loaded));
                if (auto recognised = record->RecogniseLoad(loaded, status, code, error))
                    report = *recognised;
            }
        }
        return built;
    }();
    return fixture;
}

void OpenGameDialog(benchmark::State &state)
{
    const Fixture &fixture = BuiltRecord();
    Game game(fixture.path);
    game.SwitchRecord(true);
    const std::string characters = fixture.lastCode.substr(fixture.lastCode.find(':') + 1);
    game.Load(DecodePositionCode(characters), characters);
    game.TakeNotices();
    for (auto _ : state) {
        frmGame dialog({ QString::fromStdString(fixture.path) }, game);
        dialog.show();
        QApplication::processEvents();
        if (dialog.tblGames->model()->rowCount() < Games || !dialog.ShownGame())
            state.SkipWithError("the games or this turn's game are missing");
        benchmark::DoNotOptimize(dialog.ShownPly());
    }
}
BENCHMARK(OpenGameDialog)->Unit(benchmark::kMillisecond)->Repetitions(5);

// What the Game asks of the record for the dialog, without drawing it: the dialog's own share
// is the difference.
void ListAndViewGames(benchmark::State &state)
{
    const Fixture &fixture = BuiltRecord();
    Game game(fixture.path);
    game.SwitchRecord(true);
    const std::string characters = fixture.lastCode.substr(fixture.lastCode.find(':') + 1);
    game.Load(DecodePositionCode(characters), characters);
    game.TakeNotices();
    for (auto _ : state) {
        benchmark::DoNotOptimize(game.GameList());
        benchmark::DoNotOptimize(game.ViewGame(game.CurrentGameId().value_or(0)));
        benchmark::DoNotOptimize(game.ClaimableDraw());
    }
}
BENCHMARK(ListAndViewGames)->Unit(benchmark::kMillisecond)->Repetitions(5);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The record option on, in a settings folder of the bench's own.
    const std::filesystem::path settings
        = std::filesystem::path(BuiltRecord().path).parent_path() / "config";
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(settings.string()));
    QApplication application(argc, argv);
    Options::SetRecordEnabled(true);
    SetImagesFolder(QStringLiteral(CORVALEN_SOURCE_DIR "/images"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
