#include "rules/GameLine.h"

#include <cstdlib>
#include <tuple>

#include "rules/Attack.h"
#include "rules/Fen.h"
#include "rules/MateTest.h"
#include "rules/MoveExecution.h"
#include "rules/MoveLegality.h"
#include "rules/San.h"

namespace corvalen {

namespace {

    // FIDE Law 9.3: 50 moves by each side.
    constexpr int FiftyMovePlies = 100;
    constexpr int RepetitionsToClaim = 3;

    // A move from or to a king's or rook's home square ends the rights that piece carries.
    void LoseRights(CastlingRights &rights, Square square)
    {
        if (square == KingHome(White) || square == RookHome(White, KingSide))
            rights.whiteKingSide = false;
        if (square == KingHome(White) || square == RookHome(White, QueenSide))
            rights.whiteQueenSide = false;
        if (square == KingHome(Black) || square == RookHome(Black, KingSide))
            rights.blackKingSide = false;
        if (square == KingHome(Black) || square == RookHome(Black, QueenSide))
            rights.blackQueenSide = false;
    }

    // The en-passant square when a pawn of the side to move can legally capture onto it.
    Square EnPassantCapture(const BoardState &board)
    {
        if (!IsUsableEnPassantSquare(board))
            return NoSquare;
        const Square target = board.miEnPassant;
        const int row = RowOf(target) - Forward(board.giToMove) / 8;
        for (const int column : { ColumnOf(target) - 1, ColumnOf(target) + 1 }) {
            if (column < 0 || column > 7)
                continue;
            const Square from = SquareAt(row, column);
            if (board.Piece(from) == Pawn && board.ColourOn(from) == board.giToMove
                && IsValidMove(board, { from, target }))
                return target;
        }
        return NoSquare;
    }

    LinePosition StartPosition(const BoardState &start)
    {
        LinePosition position;
        position.board = start;
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
        for (const Square square : AllSquares)
            if (a.board.Piece(square) != b.board.Piece(square)
                || a.board.ColourOn(square) != b.board.ColourOn(square))
                return false;
        return true;
    }

    PieceType PromotionFromLetter(char letter)
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
            return PieceType::None;
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

bool CastlingRights::Allows(Colour colour, CastlingSide side) const
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

GameLine::GameLine()
    : GameLine(StandardStart())
{
}

GameLine::GameLine(const BoardState &start)
    : mPositions { StartPosition(start) }
{
}

bool GameLine::Play(Move move)
{
    const LinePosition &last = mPositions.back();
    BoardState board = last.board;
    if (!IsValidMove(board, move))
        return false;
    // A king's move of two columns is castling: IsValidMove judged the placement alone.
    if (board.Piece(move.from) == King
        && std::abs(SquareNumber(move.to) - SquareNumber(move.from)) == 2
        && !last.castling.Allows(board.giToMove, move.to > move.from ? KingSide : QueenSide))
        return false;
    // Before the position list grows: `last` refers into it.
    move.promotion
        = IsPromotion(last.board, move) ? PromotedPiece(move.promotion) : PieceType::None;
    LinePosition next;
    const bool irreversible = board.Piece(move.from) == Pawn || !board.IsEmpty(move.to);
    next.halfMoveClock = irreversible ? 0 : last.halfMoveClock + 1;
    next.fullMoveNumber = last.fullMoveNumber + (board.giToMove == Black ? 1 : 0);
    next.castling = last.castling;
    LoseRights(next.castling, move.from);
    LoseRights(next.castling, move.to);

    CarryOutMove(board, move);
    board.giToMove = Opponent(board.giToMove);
    next.board = board;
    next.miEnPassantCapture = EnPassantCapture(board);
    mPositions.push_back(next);
    mMoves.push_back(move);
    return true;
}

bool GameLine::Play(std::string_view text)
{
    if (text.size() == 4 || text.size() == 5) {
        // Four letters name no promotion piece; a pawn reaching its last row becomes a queen.
        const PieceType promotion = text.size() == 5 ? PromotionFromLetter(text[4]) : Queen;
        const Move move { SquareFromName(text.substr(0, 2)), SquareFromName(text.substr(2, 2)),
            promotion };
        if (move.from != NoSquare && move.to != NoSquare)
            return promotion != PieceType::None && Play(move);
    }
    const std::optional<SanMove> san = MoveFromSan(mPositions.back().board, text);
    return san && Play(san->move);
}

std::string GameLine::SanTo(int ply) const
{
    return MoveToSan(At(ply - 1).board, MoveTo(ply));
}

LostRight GameLine::CastlingLost(Colour colour, CastlingSide side) const
{
    if (Last().castling.Allows(colour, side))
        return {};
    const Square kingHome = KingHome(colour);
    const Square rookHome = RookHome(colour, side);
    for (int ply = 1; ply <= Plies(); ++ply) {
        if (!At(ply - 1).castling.Allows(colour, side) || At(ply).castling.Allows(colour, side))
            continue;
        const Square from = MoveTo(ply).from;
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
    if (!HasLegalMove(here.board))
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

DrawClaim GameLine::ClaimableDrawAfter(Move move) const
{
    GameLine after = *this;
    return after.Play(move) ? after.ClaimableDraw() : DrawClaim::None;
}

} // namespace corvalen
