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

    // One piece record as the code holds it: the numbers as read.
    struct Record {
        int square;
        int colour;
        int piece;
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
std::string EncodePositionCode(const BoardState &board, Colour sideToMove)
{
    int32_t count = 0;
    for (const Square square : AllSquares)
        if (!board.IsEmpty(square))
            ++count;

    clsDecoder bits;
    bits.AddBits(ColourNumber(sideToMove), SideBits);
    bits.AddBits(count - 1, CountBits);
    for (const Square square : AllSquares) {
        if (board.IsEmpty(square))
            continue;
        bits.AddBits(SquareNumber(square), SquareBits);
        bits.AddBits(ColourNumber(board.ColourOn(square)), ColourBits);
        bits.AddBits(PieceNumber(board.Piece(square)), PieceBits);
    }
    bits.AddBits(1, FlagBits);
    bits.AddBits(SquareNumber(board.miEnPassant) + 1, EnPassantBits);

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

    const Colour side = ColourFromNumber(bits.GetBits(1, SideBits));
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
        record.square = bits.GetBits(base + 1, SquareBits);
        record.colour = bits.GetBits(base + 1 + SquareBits, ColourBits);
        record.piece = bits.GetBits(base + 1 + SquareBits + ColourBits, PieceBits);
        if (PieceFromNumber(record.piece) == PieceType::None)
            return Damaged(CodeDamage::UnknownPiece,
                "piece record " + std::to_string(k + 1) + " has the unknown piece code "
                    + std::to_string(record.piece));
    }

    DecodedCode result;
    result.board.giToMove = side;
    for (int32_t k = 0; k < count; ++k) {
        const Record &record = records[static_cast<size_t>(k)];
        result.board.PutPiece(SquareFromNumber(record.square), PieceFromNumber(record.piece),
            ColourFromNumber(record.colour));
    }
    // The last king record of the side to move whose square that king still holds: a later
    // record for the same square may have put another piece there.
    for (int32_t k = count - 1; k >= 0; --k) {
        const Record &record = records[static_cast<size_t>(k)];
        const Square square = SquareFromNumber(record.square);
        if (PieceFromNumber(record.piece) == King && ColourFromNumber(record.colour) == side
            && result.board.Piece(square) == King && result.board.ColourOn(square) == side) {
            result.kingSquare = square;
            break;
        }
    }

    const int32_t flagPosition = RequiredBits(count) + 1;
    if (bits.GetBits(flagPosition, FlagBits) == 1) {
        const int32_t square = bits.GetBits(flagPosition + FlagBits, EnPassantBits) - 1;
        result.board.miEnPassant = SquareFromNumber(square);
    }
    return result;
}

} // namespace corvalen
