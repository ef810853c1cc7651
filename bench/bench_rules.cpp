#include <benchmark/benchmark.h>

#include <string>

#include "rules/Fen.h"
#include "rules/MateTest.h"
#include "rules/MoveLegality.h"

using namespace corvalen;

namespace {

BoardState Position(const char *fen)
{
    const Outcome<BoardState> board = BoardFromFen(fen);
    return board ? *board : BoardState();
}

// Black is mated by a double check (rook on the h-file, knight on g6), so only a king move could
// help; fifteen queens around it each have many moves that the king-safety test must refuse.
constexpr const char *QueensMated = "qqqqqqqk/6q1/6N1/1q2q3/3q2q1/1q3q2/3q4/K6R b - - 0 1";
// Fool's mate: all 32 pieces on the board, White mated.
constexpr const char *FoolsMate = "rnb1kbnr/pppp1ppp/8/4p3/6Pq/5P2/PPPPP2P/RNBQKBNR w - - 1 3";
// Back-rank mate with both armies still large.
constexpr const char *BackRankMated = "3R2k1/pp3ppp/4b3/2p5/2P1p3/1PN1P1P1/q1Q2P1P/6K1 b - - 0 1";
constexpr const char *MiddleGame
    = "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1";

void MateTest(benchmark::State &state, const char *fen)
{
    BoardState board = Position(fen);
    if (!IsCheckmate(board)) {
        state.SkipWithError("the position is not mate");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(IsCheckmate(board));
}

void AllPairsSweep(benchmark::State &state)
{
    BoardState board = Position(MiddleGame);
    for (auto _ : state) {
        int legal = 0;
        for (const Square from : AllSquares)
            for (const Square to : AllSquares)
                legal += IsValidMove(board, { from, to });
        benchmark::DoNotOptimize(legal);
    }
}

void LegalMoveList(benchmark::State &state)
{
    BoardState board = Position(MiddleGame);
    for (auto _ : state)
        benchmark::DoNotOptimize(LegalMoves(board));
}

} // namespace

BENCHMARK_CAPTURE(MateTest, fifteen_queens_double_check, QueensMated);
BENCHMARK_CAPTURE(MateTest, fools_mate_32_pieces, FoolsMate);
BENCHMARK_CAPTURE(MateTest, back_rank_20_pieces, BackRankMated);
BENCHMARK(AllPairsSweep);
BENCHMARK(LegalMoveList);

BENCHMARK_MAIN();
