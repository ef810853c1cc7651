#include "code/PositionCode.h"

#include <array>
#include <string>
#include <utility>

#include "code/clsDecoder.h"

namespace corvalen {

namespace {

    constexpr int16_t SideBits = 1;
    constexpr int16_t CountBits = 5;
    constexpr int16_t SquareBits = 6;
    constexpr int16_t ColourBits = 1;
    constexpr int16_t PieceBits = 3;
    constexpr int16_t FlagBits = 1;
    constexpr int16_t EnPassantBits = 7;
    constexpr int32_t HeaderBits = SideBits + CountBits;
    constexpr int32_t RecordBits = SquareBits + ColourBits + PieceBits;

    struct Record {
        int16_t square;
        int16_t colour;
        int16_t piece;
    };

    // Bits the records of a code with `count` pieces need: the short form, no en-passant field.
    constexpr int32_t RequiredBits(int32_t count)
    {
        return HeaderBits + RecordBits * count;
    }

    char LowerCase(char c)
    {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }

    DecodedCode Damaged(CodeDamage damage, std::string reason)
    {
        DecodedCode result;
        result.damage = damage;
        result.reason = std::move(reason);
        return result;
    }

} // namespace

// Layout of a position code, "CHESS-CODE:" then base-32 text of these fields, each unsigned and
// most significant bit first (bit positions 1-based, N pieces, record k = 1..N):
//
//   bit 1                     side to move          0 White, 1 Black
//   bits 2..6                 N - 1                 0..31
//   bits 10(k-1)+7..+12       square of record k    0..63 (0 = a8, 63 = h1)
//   bit  10(k-1)+13           colour of record k    0 White, 1 Black
//   bits 10(k-1)+14..+16      piece of record k     0 pawn 1 rook 2 knight 3 bishop 4 queen 5 king
//   bit  10N+7                en-passant flag       always 1 when written
//   bits 10N+8..10N+14        en-passant square + 1 0 none, 1..64 squares 0..63
//
// Base-32 alphabet, 5 bits a character, last group zero-padded:
//   0123456789ABCDEFGHIJKLMNOPQRSTUV  (values 0..31; written in lower case)
//
// Records go in ascending square order. A code that ends after the records (10N + 6 bits, the
// "short form") carries no en-passant square; the starting code is one.
std::string EncodePositionCode(const BoardState &board, int16_t sideToMove)
{
    int32_t count = 0;
    for (int16_t square = 0; square < 64; ++square)
        if (board.Piece(square) > Empty)
            ++count;

    clsDecoder bits;
    bits.AddBits(sideToMove, SideBits);
    bits.AddBits(count - 1, CountBits);
    for (int16_t square = 0; square < 64; ++square) {
        if (board.Piece(square) <= Empty)
            continue;
        bits.AddBits(square, SquareBits);
        bits.AddBits(board.Colour(square), ColourBits);
        bits.AddBits(board.Piece(square), PieceBits);
    }
    bits.AddBits(1, FlagBits);
    bits.AddBits(board.miEnPassant + 1, EnPassantBits);

    std::string text(CodePrefix);
    for (char c : bits.GetBase32())
        text += LowerCase(c);
    return text;
}

DecodedCode DecodePositionCode(std::string_view code)
{
    clsDecoder bits;
    bits.SetBase32(code);
    if (bits.BitCount() == 0)
        return Damaged(CodeDamage::TooShort, "the code is empty");

    const auto side = static_cast<int16_t>(bits.GetBits(1, SideBits));
    const int32_t count = bits.GetBits(SideBits + 1, CountBits) + 1;
    if (bits.BitCount() < RequiredBits(count))
        return Damaged(CodeDamage::TooShort,
            "the code is cut short: " + std::to_string(count) + " pieces need "
                + std::to_string(RequiredBits(count)) + " bits, it holds "
                + std::to_string(bits.BitCount()));

    std::array<Record, MaxCodePieces> records {};
    for (int32_t k = 0; k < count; ++k) {
        const int32_t base = HeaderBits + RecordBits * k;
        Record &record = records[static_cast<size_t>(k)];
        record.square = static_cast<int16_t>(bits.GetBits(base + 1, SquareBits));
        record.colour = static_cast<int16_t>(bits.GetBits(base + 1 + SquareBits, ColourBits));
        record.piece
            = static_cast<int16_t>(bits.GetBits(base + 1 + SquareBits + ColourBits, PieceBits));
        if (record.piece > King)
            return Damaged(CodeDamage::UnknownPiece,
                "piece record " + std::to_string(k + 1) + " has the unknown piece code "
                    + std::to_string(record.piece));
    }

    DecodedCode result;
    result.board.giToMove = side;
    for (int32_t k = 0; k < count; ++k) {
        const Record &record = records[static_cast<size_t>(k)];
        result.board.PutPiece(record.square, record.piece, record.colour);
    }
    // The last king record of the side to move whose square that king still holds: a later
    // record for the same square may have put another piece there.
    for (int32_t k = count - 1; k >= 0; --k) {
        const Record &record = records[static_cast<size_t>(k)];
        if (record.piece == King && record.colour == side
            && result.board.Piece(record.square) == King
            && result.board.Colour(record.square) == side) {
            result.kingSquare = record.square;
            break;
        }
    }

    const int32_t flagPosition = RequiredBits(count) + 1;
    if (bits.GetBits(flagPosition, FlagBits) == 1) {
        const int32_t square = bits.GetBits(flagPosition + FlagBits, EnPassantBits) - 1;
        if (IsOnBoard(square))
            result.board.miEnPassant = static_cast<int16_t>(square);
    }
    return result;
}

} // namespace corvalen
