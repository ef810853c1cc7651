#include "code/clsDecoder.h"
namespace corvalen {
void SetImpossibleRequestHandler(ImpossibleRequestHandler) { }
void clsDecoder::Clear() { }
std::string clsDecoder::GetBase32() const { return {}; }
void clsDecoder::SetBase32(std::string_view) { }
int32_t clsDecoder::GetBits(int32_t, int16_t) const { return 0; }
void clsDecoder::AddBits(int32_t, int16_t) { }
}
