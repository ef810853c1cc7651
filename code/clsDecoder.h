#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corvalen {

// Called when GetBits is asked for more than 64 bits, a request no caller of this program makes.
// The program installs a handler that tells the player and ends; the default writes the message
// to standard error and ends the process.
using ImpossibleRequestHandler = void (*)(const char *message);
void SetImpossibleRequestHandler(ImpossibleRequestHandler handler);

// Bit buffer behind the position code: bits in the order written, read back by 1-based
// position, and a base-32 text form (5 bits a character, most significant bit first).
class clsDecoder {
public:
    void Clear();
    // The whole buffer as base-32 text in upper case; a last group of 1..4 bits is zero-padded.
    std::string GetBase32() const;
    // Replaces the buffer with 5 bits for each base-32 character of the text. Characters outside
    // 0-9 and A-V (after ASCII upper-casing) are skipped; reading stops at MaxBits.
    void SetBase32(std::string_view sBase32);
    // The unsigned value of NumBits bits from StartPos on; positions outside the buffer read as 0
    // and NumBits of 0 or less gives 0. A field of 32..64 bits whose value is 2^31 or more gives
    // the largest int32_t (it saturates, as AddBits does); more than 64 bits goes to the
    // impossible-request handler and gives 0 should the handler return.
    int32_t GetBits(int32_t StartPos, int16_t NumBits) const;
    // Appends Value (narrowed to 16 bits) as an unsigned field of NumBits bits: a negative
    // value writes zeros, a value too large for the field writes ones. The buffer never grows
    // beyond MaxBits; bits past it are dropped.
    void AddBits(int32_t Value, int16_t NumBits);

    int32_t BitCount() const { return mlBitCount; }

    static constexpr int32_t MaxBits = 32767;

private:
    std::string msBits;
    int32_t mlBitCount = 0;
};

} // namespace corvalen
