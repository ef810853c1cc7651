#include "rules/MoveLegality.h"
namespace corvalen {
bool IsValidMove(BoardState &, int16_t, int16_t) { return false; }
bool CanCastle(const BoardState &, int16_t, int16_t, int16_t &) { return false; }
bool LeavesKingInCheck(BoardState &, int16_t, int16_t) { return false; }
int16_t FindKing(const BoardState &) { return NoSquare; }
char PieceLetter(const BoardState &, int16_t) { return '.'; }
std::array<std::string, 8> DumpBoard(const BoardState &) { return {}; }
}
namespace corvalen {
bool IsUsableEnPassantSquare(const BoardState &) { return false; }
}
