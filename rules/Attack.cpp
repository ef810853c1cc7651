#include "rules/Attack.h"
namespace corvalen {
bool IsSquareAttacked(int16_t, const BoardState &) { return false; }
}
