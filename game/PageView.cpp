#include "game/PageView.h"

#include "game/Game.h"
#include "game/PageWords.h"
#include "rules/MoveLegality.h"
#include "rules/San.h"

namespace corvalen {

namespace {

    const char *const PieceNames[] = { "pawn", "rook", "knight", "bishop", "queen", "king" };

    bool IsDarkSquare(Square square)
    {
        return (RowOf(square) + ColumnOf(square)) % 2 == 1;
    }

    std::string PiecePicture(bool darkSquare, Colour colour, PieceType piece)
    {
        return std::string(darkSquare ? "b" : "w") + (colour != White ? "b" : "g")
            + PieceNames[PieceNumber(piece)];
    }

    bool IsCheckedKing(const BoardState &board, Square square, bool check)
    {
        return check && board.Piece(square) == King && board.ColourOn(square) == board.giToMove;
    }

} // namespace

std::string CellPicture(const BoardState &board, Square square, bool check)
{
    const bool dark = IsDarkSquare(square);
    if (board.IsEmpty(square))
        return dark ? "blue" : "white";
    return PiecePicture(dark, board.ColourOn(square), board.Piece(square))
        + (IsCheckedKing(board, square, check) ? "x" : "");
}

std::string CellName(const BoardState &board, Square square, bool marked, bool check)
{
    if (board.IsEmpty(square))
        return CellWords(SquareName(square), std::nullopt, false, marked);
    return CellWords(SquareName(square),
        CellPiece { board.Piece(square), board.ColourOn(square) == White },
        IsCheckedKing(board, square, check), marked);
}

std::vector<Square> LegalTargets(const Game &game, Square from)
{
    std::vector<Square> targets;
    const Turn &turn = game.CurrentTurn();
    const BoardState &board = turn.Board();
    if (turn.PlayedMove() || !IsOnBoard(from) || board.IsEmpty(from)
        || board.ColourOn(from) != board.giToMove)
        return targets;
    for (const Square to : AllSquares)
        if (to != from && IsValidMove(board, { from, to }))
            targets.push_back(to);
    return targets;
}

std::vector<PromotionChoice> PromotionChoices(Colour toMove)
{
    std::vector<PromotionChoice> choices;
    for (const PieceType piece : { Rook, Knight, Bishop, Queen })
        choices.push_back({ piece, "PRNBQK"[PieceNumber(piece)], PieceName(piece),
            PiecePicture(false, toMove, piece), PiecePicture(true, toMove, piece) });
    return choices;
}

std::string MailtoUrl(
    const std::string &code, const std::string &subject, const std::string &address)
{
    auto encode = [](const std::string &text, bool keepAt) {
        static const char hex[] = "0123456789ABCDEF";
        std::string out;
        for (const char c : text) {
            const auto byte = static_cast<unsigned char>(c);
            if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z')
                || (byte >= '0' && byte <= '9') || c == '-' || c == '.' || c == '_' || c == '~'
                || (keepAt && c == '@')) {
                out += c;
            } else {
                out += '%';
                out += hex[byte >> 4];
                out += hex[byte & 15];
            }
        }
        return out;
    };
    return "mailto:" + encode(address, true) + "?subject=" + encode(subject, false)
        + "&body=" + encode(code + "\r\n\r\n", false);
}

} // namespace corvalen
