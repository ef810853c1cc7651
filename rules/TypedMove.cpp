#include "rules/TypedMove.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "rules/MoveExecution.h"
#include "rules/San.h"

namespace corvalen {

namespace {

    constexpr std::string_view Pieces = "PRNBQK";

    // What the text names: the destination, whatever it says of the origin, the piece and the
    // promotion piece.
    struct Pattern {
        Square to = NoSquare;
        // None: a pawn, or any piece when the whole origin is given.
        PieceType piece = PieceType::None;
        int fromColumn = -1;
        int fromRow = -1;
        PieceType promotion = PieceType::None;
        int castling = 0; // +1 king side, -1 queen side
    };

    bool ReadIccf(const std::string &digits, Pattern &pattern)
    {
        if ((digits.size() != 4 && digits.size() != 5)
            || !std::all_of(
                digits.begin(), digits.end(), [](char c) { return c >= '1' && c <= '8'; }))
            return false;
        pattern.fromColumn = digits[0] - '1';
        pattern.fromRow = '8' - digits[1];
        pattern.to = SquareAt('8' - digits[3], digits[2] - '1');
        if (digits.size() == 5) {
            if (digits[4] > '4')
                return false;
            pattern.promotion
                = std::array<PieceType, 4> { Queen, Rook, Bishop, Knight }[size_t(digits[4] - '1')];
        }
        return true;
    }

    bool ReadAlgebraic(std::string text, Pattern &pattern)
    {
        std::erase_if(text, [](char c) { return c == 'x' || c == '-' || c == '=' || c == ':'; });
        const auto promotion = text.size() > 2 ? Pieces.find(char(std::toupper(text.back())))
                                               : std::string_view::npos;
        if (promotion != std::string_view::npos && promotion > 0 && promotion < 5
            && std::isdigit(text[text.size() - 2])) {
            pattern.promotion = PieceFromNumber(int(promotion));
            text.pop_back();
        }
        if (text.size() < 2
            || (pattern.to = SquareFromName(text.substr(text.size() - 2))) == NoSquare)
            return false;
        std::string_view origin = std::string_view(text).substr(0, text.size() - 2);
        if (!origin.empty() && Pieces.find(origin.front()) != std::string_view::npos
            && origin.front() != 'P') {
            pattern.piece = PieceFromNumber(int(Pieces.find(origin.front())));
            origin.remove_prefix(1);
        }
        if (!origin.empty() && origin.front() >= 'a' && origin.front() <= 'h') {
            pattern.fromColumn = origin.front() - 'a';
            origin.remove_prefix(1);
        }
        if (!origin.empty() && origin.front() >= '1' && origin.front() <= '8') {
            pattern.fromRow = '8' - origin.front();
            origin.remove_prefix(1);
        }
        return origin.empty();
    }

    bool Fits(const BoardState &board, const Pattern &pattern, const SanMove &candidate)
    {
        const Move move = candidate.move;
        const PieceType piece = board.Piece(move.from);
        if (pattern.castling != 0)
            return piece == King && move.to == Shifted(move.from, 2 * pattern.castling);
        const bool wholeOrigin = pattern.fromColumn >= 0 && pattern.fromRow >= 0;
        return move.to == pattern.to
            && (pattern.fromColumn < 0 || ColumnOf(move.from) == pattern.fromColumn)
            && (pattern.fromRow < 0 || RowOf(move.from) == pattern.fromRow)
            && (pattern.piece == PieceType::None ? wholeOrigin || piece == Pawn
                                                 : piece == pattern.piece)
            && (pattern.promotion == PieceType::None || move.promotion == pattern.promotion)
            && (pattern.promotion == PieceType::None || IsPromotion(board, move));
    }

    // Castling, ICCF digits or algebraic notation; false when the text is none of them.
    bool ReadPattern(const std::string &bare, Pattern &pattern)
    {
        std::string castling = bare;
        std::erase(castling, '-');
        std::replace(castling.begin(), castling.end(), '0', 'O');
        if (castling == "OO" || castling == "OOO") {
            pattern.castling = castling == "OO" ? 1 : -1;
            return true;
        }
        return ReadIccf(bare, pattern) || ReadAlgebraic(bare, pattern);
    }

    std::vector<SanMove> FittingMoves(const BoardState &board, const Pattern &pattern)
    {
        std::vector<SanMove> fitting;
        for (const SanMove &candidate : LegalSanMoves(board))
            if (Fits(board, pattern, candidate)
                && std::none_of(fitting.begin(), fitting.end(),
                    [&](const SanMove &m) { return m.move.SameSquares(candidate.move); }))
                fitting.push_back(candidate);
        return fitting;
    }

} // namespace

TypedMove ReadTypedMove(const BoardState &board, std::string_view text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    std::string bare;
    for (const char c : text)
        if (!std::isspace(static_cast<unsigned char>(c)) && c != '+' && c != '#' && c != '!'
            && c != '?')
            bare += c;
    TypedMove typed;
    if (bare.empty())
        return typed;
    typed.text = std::string(text);

    Pattern pattern;
    bool notation = ReadPattern(bare, pattern);
    std::vector<SanMove> fitting = notation ? FittingMoves(board, pattern) : std::vector<SanMove>();
    // A small piece letter names the piece when it cannot be read otherwise: "nf3" is no pawn
    // move, and "bxc6" is the b-pawn's capture unless no pawn move fits it.
    if (fitting.empty() && std::string_view("kqrbn").find(bare.front()) != std::string_view::npos) {
        std::string capital = bare;
        capital.front() = char(std::toupper(capital.front()));
        Pattern piece;
        if (ReadPattern(capital, piece)) {
            pattern = piece;
            notation = true;
            fitting = FittingMoves(board, piece);
        }
    }
    if (!notation)
        return typed;

    if (fitting.empty()) {
        typed.kind = TypedMove::Kind::NoMatch;
    } else if (fitting.size() > 1) {
        typed.kind = TypedMove::Kind::Ambiguous;
        for (const SanMove &candidate : fitting)
            typed.candidates.push_back(candidate.san.substr(0, candidate.san.find_first_of("+#")));
        std::sort(typed.candidates.begin(), typed.candidates.end());
    } else {
        typed.kind = TypedMove::Kind::Move;
        typed.move = { fitting.front().move.from, fitting.front().move.to, pattern.promotion };
    }
    return typed;
}

} // namespace corvalen
