#include "rules/MateTest.h"
namespace corvalen {
bool IsCheckmate(BoardState &) { return false; }
bool IsStalemate(BoardState &) { return false; }
bool HasLegalMove(BoardState &) { return true; }
std::vector<Move> LegalMoves(BoardState &) { return {}; }
}
