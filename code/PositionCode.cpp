#include "code/PositionCode.h"
namespace corvalen {
DecodedCode DecodePositionCode(std::string_view) { return {}; }
std::string EncodePositionCode(const BoardState &, int16_t) { return std::string(CodePrefix); }
}
