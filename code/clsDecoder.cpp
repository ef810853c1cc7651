#include "code/clsDecoder.h"

#include <cstdio>
#include <cstdlib>
#include <limits>

namespace corvalen {

namespace {

    constexpr int32_t BitsPerCharacter = 5;
    constexpr int16_t WidestRead = 64;
    constexpr const char *WidestReadMessage = "GetBits: Number requested exceeds 'Long' datatype.";

    void ReportAndExit(const char *message)
    {
        std::fputs(message, stderr);
        std::fputc('\n', stderr);
        std::exit(1);
    }

    ImpossibleRequestHandler gImpossibleRequest = ReportAndExit;

    // 0-9 stand for 0..9, A-V for 10..31; -1 for every other character.
    int CharacterValue(char c)
    {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'A' && c <= 'V')
            return c - 'A' + 10;
        return -1;
    }

    char AlphabetCharacter(int value)
    {
        return static_cast<char>(value < 10 ? '0' + value : 'A' + value - 10);
    }

} // namespace

void SetImpossibleRequestHandler(ImpossibleRequestHandler handler)
{
    gImpossibleRequest = handler ? handler : ReportAndExit;
}

void clsDecoder::Clear()
{
    msBits.clear();
    mlBitCount = 0;
}

std::string clsDecoder::GetBase32() const
{
    std::string text;
    text.reserve(static_cast<size_t>(mlBitCount / BitsPerCharacter + 1));
    int accumulator = 0;
    int weight = BitsPerCharacter;
    for (int32_t position = 0; position < mlBitCount; ++position) {
        if (msBits[static_cast<size_t>(position)] == '1')
            accumulator += 1 << (weight - 1);
        if (--weight == 0) {
            text += AlphabetCharacter(accumulator);
            accumulator = 0;
            weight = BitsPerCharacter;
        }
    }
    // A last group of 1..4 bits counts its missing low-order bits as 0.
    if (weight < BitsPerCharacter)
        text += AlphabetCharacter(accumulator);
    return text;
}

void clsDecoder::SetBase32(std::string_view sBase32)
{
    Clear();
    for (char c : sBase32) {
        const int value = CharacterValue(c);
        if (value < 0)
            continue;
        if (mlBitCount + BitsPerCharacter > MaxBits)
            break;
        AddBits(value, BitsPerCharacter);
    }
}

int32_t clsDecoder::GetBits(int32_t StartPos, int16_t NumBits) const
{
    if (NumBits > WidestRead) {
        gImpossibleRequest(WidestReadMessage);
        return 0;
    }
    if (NumBits <= 0)
        return 0;
    // 64-bit arithmetic throughout: positions near the int32 limit and 64-bit fields cannot
    // overflow.
    uint64_t value = 0;
    for (int64_t offset = 0; offset < NumBits; ++offset) {
        const int64_t position = int64_t { StartPos } + offset;
        if (position >= 1 && position <= mlBitCount
            && msBits[static_cast<size_t>(position - 1)] == '1')
            value |= uint64_t { 1 } << (NumBits - 1 - offset);
    }
    // A field of 32..64 bits whose value does not fit the result saturates, as AddBits does.
    constexpr auto Largest = static_cast<uint64_t>(std::numeric_limits<int32_t>::max());
    return static_cast<int32_t>(value > Largest ? Largest : value);
}

void clsDecoder::AddBits(int32_t Value, int16_t NumBits)
{
    // Narrowing keeps the low 16 bits, so 65535 becomes -1 and 32768 becomes -32768.
    const auto v = static_cast<int16_t>(static_cast<uint32_t>(Value) & 0xFFFFu);
    int32_t rest = v;
    for (int32_t i = NumBits - 1; i >= 0 && mlBitCount < MaxBits; --i) {
        // Any weight from 2^15 on exceeds every 16-bit value.
        const int32_t weight = i < 16 ? int32_t { 1 } << i : std::numeric_limits<int32_t>::max();
        if (rest >= weight) {
            msBits += '1';
            rest -= weight;
        } else {
            msBits += '0';
        }
        ++mlBitCount;
    }
}

} // namespace corvalen
