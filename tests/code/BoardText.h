#pragma once

#include <QTest>
#include <string>
#include <string_view>

#include "rules/BoardState.h"
#include "rules/Fen.h"

// Readable board literals for the code tests: FEN placements ("4k3/8/8/8/8/8/8/4K3") and square
// names ("e4").
namespace corvalen::testing {

inline int16_t SquareFromName(std::string_view name)
{
    if (name.size() != 2 || name[0] < 'a' || name[0] > 'h' || name[1] < '1' || name[1] > '8')
        return NoSquare;
    return SquareAt('8' - name[1], name[0] - 'a');
}

// The piece code of a FEN letter of either case, Empty for any other letter.
inline int16_t PieceFromLetter(char letter)
{
    const auto at = std::string_view("prnbqk").find(static_cast<char>(letter | 0x20));
    return at == std::string_view::npos ? Empty : static_cast<int16_t>(at);
}

// A board as the decoder leaves it: the placement, the side to move and the en-passant square,
// with the check flag clear.
inline BoardState BoardFromPlacement(
    std::string_view placement, int16_t toMove = White, int16_t enPassant = NoSquare)
{
    std::string error;
    std::optional<BoardState> board = BoardFromFen(std::string(placement) + " w", error);
    if (!board) {
        QTest::qFail(("bad placement in test: " + error).c_str(), __FILE__, __LINE__);
        return {};
    }
    board->giToMove = toMove;
    board->miEnPassant = enPassant;
    board->mbInCheck = false;
    return *board;
}

// The placement of a board in FEN letters, for readable failure messages.
inline std::string PlacementOf(const BoardState &board)
{
    const std::string fen = FenFromBoard(board);
    return fen.substr(0, fen.find(' '));
}

} // namespace corvalen::testing
