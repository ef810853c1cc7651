#include "rules/MoveExecution.h"
namespace corvalen {
bool IsPromotion(const BoardState &, int16_t, int16_t) { return false; }
MoveOutcome CarryOutMove(BoardState &, int16_t, int16_t, int16_t) { return {}; }
}
