#include "rules/GameLine.h"

#include <cstdlib>
#include <tuple>

#include "rules/Attack.h"
#include "rules/Fen.h"
#include "rules/MoveExecution.h"
#include "rules/MoveLegality.h"
#include "rules/San.h"

namespace corvalen {

namespace {

    // FIDE Law 9.3: 50 moves by each side.
    constexpr int FiftyMovePlies = 100;
    constexpr int RepetitionsToClaim = 3;

    // A move from or to a king's or rook's home square ends the rights that piece carries.
    void LoseRights(CastlingRights &rights, int16_t square)
    {
        switch (square) {
        case 60:
            rights.whiteKingSide = rights.whiteQueenSide = false;
            break;
        case 63:
            rights.whiteKingSide = false;
            break;
        case 56:
            rights.whiteQueenSide = false;
            break;
        case 4:
            rights.blackKingSide = rights.blackQueenSide = false;
            break;
        case 7:
            rights.blackKingSide = false;
            break;
        case 0:
            rights.blackQueenSide = false;
            break;
        default:
            break;
        }
    }

    // The en-passant square when a pawn of the side to move can legally capture onto it.
    int16_t EnPassantCapture(const BoardState &board)
    {
        if (!IsUsableEnPassantSquare(board))
            return NoSquare;
        const int16_t target = board.miEnPassant;
        const auto row = static_cast<int16_t>(RowOf(target) + (board.giToMove == White ? 1 : -1));
        for (const int column : { ColumnOf(target) - 1, ColumnOf(target) + 1 }) {
            if (column < 0 || column > 7)
                continue;
            const int16_t from = SquareAt(row, column);
            BoardState probe = board;
            if (board.Piece(from) == Pawn && board.Colour(from) == board.giToMove
                && IsValidMove(probe, from, target))
                return target;
        }
        return NoSquare;
    }

    LinePosition StartPosition(const BoardState &start)
    {
        LinePosition position;
        position.board = start;
        position.board.mbInCheck = IsSquareAttacked(FindKing(start), start);
        position.castling = CastlingRights::FromPlacement(start);
        position.miEnPassantCapture = EnPassantCapture(start);
        return position;
    }

    // FIDE Law 9.2.3: the same pieces on the same squares, the same side to move, and the same
    // possible moves as far as castling and en passant go.
    bool IsSamePosition(const LinePosition &a, const LinePosition &b)
    {
        if (a.board.giToMove != b.board.giToMove || !(a.castling == b.castling)
            || a.miEnPassantCapture != b.miEnPassantCapture)
            return false;
        for (int16_t square = 0; square < 64; ++square)
            if (a.board.Piece(square) != b.board.Piece(square)
                || a.board.Colour(square) != b.board.Colour(square))
                return false;
        return true;
    }

    int16_t PromotionFromLetter(char letter)
    {
        switch (letter) {
        case 'q':
            return Queen;
        case 'r':
            return Rook;
        case 'b':
            return Bishop;
        case 'n':
            return Knight;
        default:
            return Empty;
        }
    }

} // namespace

CastlingRights CastlingRights::FromPlacement(const BoardState &board)
{
    const std::string field = CastlingFromPlacement(board);
    CastlingRights rights;
    rights.whiteKingSide = field.find('K') != std::string::npos;
    rights.whiteQueenSide = field.find('Q') != std::string::npos;
    rights.blackKingSide = field.find('k') != std::string::npos;
    rights.blackQueenSide = field.find('q') != std::string::npos;
    return rights;
}

bool CastlingRights::Allows(int16_t colour, int16_t side) const
{
    if (colour == White)
        return side == KingSide ? whiteKingSide : whiteQueenSide;
    return side == KingSide ? blackKingSide : blackQueenSide;
}

std::string CastlingRights::Field() const
{
    std::string field;
    if (whiteKingSide)
        field += 'K';
    if (whiteQueenSide)
        field += 'Q';
    if (blackKingSide)
        field += 'k';
    if (blackQueenSide)
        field += 'q';
    return field.empty() ? "-" : field;
}

std::string DrawClaimName(DrawClaim claim)
{
    switch (claim) {
    case DrawClaim::Threefold:
        return "threefold repetition";
    case DrawClaim::FiftyMoves:
        return "50 moves without a capture or pawn move";
    case DrawClaim::None:
        break;
    }
    return {};
}

GameLine::GameLine()
    : GameLine(StandardStart())
{
}

GameLine::GameLine(const BoardState &start)
    : mPositions { StartPosition(start) }
{
}

bool GameLine::Play(Move move, int16_t promotionPiece)
{
    const LinePosition &last = mPositions.back();
    BoardState board = last.board;
    if (!IsValidMove(board, move.from, move.to))
        return false;
    // A king's move of two columns is castling: IsValidMove judged the placement alone.
    if (board.Piece(move.from) == King && std::abs(move.to - move.from) == 2
        && !last.castling.Allows(board.giToMove, move.to > move.from ? KingSide : QueenSide))
        return false;
    // Before the position list grows: `last` refers into it.
    const int16_t promoted = IsPromotion(last.board, move.from, move.to) && promotionPiece >= Rook
            && promotionPiece <= Queen
        ? promotionPiece
        : Queen;
    LinePosition next;
    const bool irreversible = board.Piece(move.from) == Pawn || !board.IsEmpty(move.to);
    next.halfMoveClock = irreversible ? 0 : last.halfMoveClock + 1;
    next.fullMoveNumber = last.fullMoveNumber + (board.giToMove == Black ? 1 : 0);
    next.castling = last.castling;
    LoseRights(next.castling, move.from);
    LoseRights(next.castling, move.to);

    CarryOutMove(board, move.from, move.to, promotionPiece);
    board.giToMove = Opponent(board.giToMove);
    board.mbInCheck = IsSquareAttacked(FindKing(board), board);
    next.board = board;
    next.miEnPassantCapture = EnPassantCapture(board);
    mPositions.push_back(next);
    mMoves.push_back({ move, promoted });
    return true;
}

bool GameLine::Play(std::string_view text)
{
    if (text.size() == 4 || text.size() == 5) {
        const Move move { SquareFromName(text.substr(0, 2)), SquareFromName(text.substr(2, 2)) };
        const int16_t promotion = text.size() == 5 ? PromotionFromLetter(text[4]) : Queen;
        if (move.from != NoSquare && move.to != NoSquare)
            return promotion != Empty && Play(move, promotion);
    }
    const std::optional<SanMove> san = MoveFromSan(mPositions.back().board, text);
    return san && Play(san->move, san->promotionPiece);
}

std::string GameLine::SanTo(int ply) const
{
    const PlayedMove &played = mMoves[static_cast<size_t>(ply - 1)];
    return MoveToSan(At(ply - 1).board, played.move, played.promotionPiece);
}

LostRight GameLine::CastlingLost(int16_t colour, int16_t side) const
{
    if (Last().castling.Allows(colour, side))
        return {};
    const int16_t kingHome = colour == White ? 60 : 4;
    const auto rookHome = static_cast<int16_t>(kingHome + (side == KingSide ? 3 : -4));
    for (int ply = 1; ply <= Plies(); ++ply) {
        if (!At(ply - 1).castling.Allows(colour, side) || At(ply).castling.Allows(colour, side))
            continue;
        const int16_t from = MoveTo(ply).from;
        return { from == kingHome  ? CastlingLoss::KingMoved
                : from == rookHome ? CastlingLoss::RookMoved
                                   : CastlingLoss::RookTaken,
            ply };
    }
    // The start lacked the right: its king or rook came home later.
    for (const auto &[home, piece, cause] : { std::tuple(kingHome, King, CastlingLoss::KingMoved),
             std::tuple(rookHome, Rook, CastlingLoss::RookMoved) })
        for (int ply = 1; ply <= Plies(); ++ply) {
            const BoardState &before = At(ply - 1).board;
            const Move move = MoveTo(ply);
            if (move.to == home && before.giToMove == colour && before.Piece(move.from) == piece)
                return { cause, ply };
        }
    return {};
}

std::string GameLine::Fen(int ply) const
{
    const LinePosition &position = At(ply);
    // FenFromBoard gives "placement side castling en-passant 0 1"; the line knows the rest.
    const std::string written = FenFromBoard(position.board);
    const size_t side = written.find(' ');
    const size_t castling = written.find(' ', side + 1);
    const size_t enPassant = written.find(' ', castling + 1);
    const size_t counters = written.find(' ', enPassant + 1);
    return written.substr(0, castling + 1) + position.castling.Field()
        + written.substr(enPassant, counters - enPassant) + ' '
        + std::to_string(position.halfMoveClock) + ' ' + std::to_string(position.fullMoveNumber);
}

DrawClaim GameLine::ClaimableDraw(int ply) const
{
    const LinePosition &here = At(ply);
    // A mate or stalemate has ended the game: there is nothing left to claim.
    BoardState probe = here.board;
    if (!HasLegalMove(probe))
        return DrawClaim::None;
    int seen = 1;
    // A capture or pawn move cannot be undone, so no earlier position can come back.
    for (int earlier = ply - 2; earlier >= ply - here.halfMoveClock && earlier >= 0; earlier -= 2)
        if (IsSamePosition(At(earlier), here))
            ++seen;
    if (seen >= RepetitionsToClaim)
        return DrawClaim::Threefold;
    return here.halfMoveClock >= FiftyMovePlies ? DrawClaim::FiftyMoves : DrawClaim::None;
}

DrawClaim GameLine::ClaimableDrawAfter(Move move, int16_t promotionPiece) const
{
    GameLine after = *this;
    return after.Play(move, promotionPiece) ? after.ClaimableDraw() : DrawClaim::None;
}

} // namespace corvalen
