#include <benchmark/benchmark.h>

#include <string>

#include "code/CodeText.h"
#include "code/PositionCode.h"
#include "rules/Fen.h"

using namespace corvalen;

namespace {

// 32 pieces with an en-passant square: the longest code there is (67 characters).
BoardState FullBoard()
{
    return *BoardFromFen("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1");
}

std::string FullCode()
{
    return EncodePositionCode(FullBoard(), Black).substr(CodePrefix.size());
}

void DecodeFullCode(benchmark::State &state)
{
    const std::string code = FullCode();
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodePositionCode(code));
}
BENCHMARK(DecodeFullCode);

void EncodeFullBoard(benchmark::State &state)
{
    const BoardState board = FullBoard();
    for (auto _ : state)
        benchmark::DoNotOptimize(EncodePositionCode(board, Black));
}
BENCHMARK(EncodeFullBoard);

// The way a pasted reply reaches the board: quoted lines, then the filter, then the decoder.
void ExtractAndDecodeQuotedCode(benchmark::State &state)
{
    const std::string code = FullCode();
    const std::string text = "> CHESS-CODE:" + code.substr(0, 40) + "\n> " + code.substr(40)
        + "\n>\n> -- \n> Anna, 12:30\n";
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodePositionCode(*ExtractCodeCharacters(text)));
}
BENCHMARK(ExtractAndDecodeQuotedCode);

} // namespace

BENCHMARK_MAIN();
