#include "rules/San.h"

#include <cstdlib>

#include "rules/MateTest.h"
#include "rules/MoveExecution.h"
#include "rules/MoveLegality.h"

namespace corvalen {

namespace {

    constexpr char PieceLetters[] = "PRNBQK";

    bool IsCastling(const BoardState &board, Move move)
    {
        return board.Piece(move.from) == King && RowOf(move.from) == RowOf(move.to)
            && std::abs(ColumnOf(move.to) - ColumnOf(move.from)) == 2;
    }

    // The file, rank or square that tells the move apart from the other legal moves of a piece
    // of the same kind to the same square; empty when there are none.
    std::string Disambiguation(const BoardState &board, const std::vector<Move> &legal, Move move)
    {
        bool rivals = false;
        bool sameFile = false;
        bool sameRank = false;
        for (const Move &other : legal) {
            if (other.to != move.to || other.from == move.from
                || board.Piece(other.from) != board.Piece(move.from))
                continue;
            rivals = true;
            sameFile = sameFile || ColumnOf(other.from) == ColumnOf(move.from);
            sameRank = sameRank || RowOf(other.from) == RowOf(move.from);
        }
        const std::string square = SquareName(move.from);
        if (!rivals)
            return {};
        if (!sameFile)
            return square.substr(0, 1);
        if (!sameRank)
            return square.substr(1, 1);
        return square;
    }

    // "+" or "#" when the move leaves the opponent in check or mated, else empty.
    std::string CheckSuffix(const BoardState &board, Move move)
    {
        BoardState after = board;
        CarryOutMove(after, move);
        after.giToMove = Opponent(board.giToMove);
        if (!InCheck(after))
            return {};
        return HasLegalMoveBesidesCastling(after) ? "+" : "#";
    }

    std::string SanOf(const BoardState &board, const std::vector<Move> &legal, Move move)
    {
        const PieceType piece = board.Piece(move.from);
        std::string san;
        if (IsCastling(board, move)) {
            san = move.to > move.from ? "O-O" : "O-O-O";
        } else if (piece == Pawn) {
            const bool capture = ColumnOf(move.from) != ColumnOf(move.to);
            if (capture)
                san = SquareName(move.from).substr(0, 1) + "x";
            san += SquareName(move.to);
            if (IsPromotion(board, move)) {
                san += '=';
                san += PieceLetters[PieceNumber(PromotedPiece(move.promotion))];
            }
        } else {
            san = PieceLetters[PieceNumber(piece)];
            san += Disambiguation(board, legal, move);
            if (!board.IsEmpty(move.to))
                san += 'x';
            san += SquareName(move.to);
        }
        return san + CheckSuffix(board, move);
    }

    // The SAN without what MoveFromSan neither needs nor checks.
    std::string_view WithoutAnnotation(std::string_view san)
    {
        while (!san.empty() && std::string_view("+#!? ").find(san.back()) != std::string_view::npos)
            san.remove_suffix(1);
        while (!san.empty() && san.front() == ' ')
            san.remove_prefix(1);
        return san;
    }

} // namespace

std::string SquareName(Square square)
{
    if (!IsOnBoard(square))
        return "-";
    return { static_cast<char>('a' + ColumnOf(square)), static_cast<char>('8' - RowOf(square)) };
}

Square SquareFromName(std::string_view name)
{
    if (name.size() != 2 || name[0] < 'a' || name[0] > 'h' || name[1] < '1' || name[1] > '8')
        return NoSquare;
    return SquareAt('8' - name[1], name[0] - 'a');
}

std::string MoveCoordinates(Move move)
{
    std::string text = SquareName(move.from) + SquareName(move.to);
    if (move.promotion != PieceType::None)
        text += static_cast<char>(PieceLetters[PieceNumber(move.promotion)] - 'A' + 'a');
    return text;
}

std::string MoveToSan(const BoardState &board, Move move)
{
    return SanOf(board, LegalMoves(board), move);
}

std::vector<SanMove> LegalSanMoves(const BoardState &board)
{
    const std::vector<Move> legal = LegalMoves(board);
    std::vector<SanMove> moves;
    for (const Move &move : legal) {
        if (!IsPromotion(board, move)) {
            moves.push_back({ move, SanOf(board, legal, move) });
            continue;
        }
        for (const PieceType piece : { Queen, Rook, Bishop, Knight }) {
            const Move promotion { move.from, move.to, piece };
            moves.push_back({ promotion, SanOf(board, legal, promotion) });
        }
    }
    return moves;
}

std::optional<SanMove> MoveFromSan(const BoardState &board, std::string_view san)
{
    std::string wanted(WithoutAnnotation(san));
    if (wanted == "0-0" || wanted == "0-0-0")
        for (char &c : wanted)
            c = c == '0' ? 'O' : c;
    for (SanMove &candidate : LegalSanMoves(board))
        if (WithoutAnnotation(candidate.san) == wanted)
            return candidate;
    return std::nullopt;
}

std::string NumberedMove(int moveNumber, Colour mover, std::string_view san)
{
    return std::to_string(moveNumber) + (mover == White ? ". " : "... ") + std::string(san);
}

} // namespace corvalen
