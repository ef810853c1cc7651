#include "game/PageView.h"

#include "game/Game.h"
#include "game/PageWords.h"
#include "rules/MoveLegality.h"
#include "rules/San.h"

namespace corvalen {

namespace {

    const char *const PieceNames[] = { "pawn", "rook", "knight", "bishop", "queen", "king" };

    bool IsDarkSquare(int16_t square)
    {
        return (square + RowOf(square)) % 2 == 1;
    }

    bool IsPiece(int16_t piece)
    {
        return piece >= Pawn && piece <= King;
    }

    std::string PiecePicture(bool darkSquare, int16_t colour, int16_t piece)
    {
        return std::string(darkSquare ? "b" : "w") + (colour != White ? "b" : "g")
            + PieceNames[piece];
    }

    bool IsCheckedKing(const BoardState &board, int16_t square)
    {
        return board.Piece(square) == King && board.Colour(square) == board.giToMove
            && board.mbInCheck;
    }

} // namespace

std::string CellPicture(const BoardState &board, int16_t square)
{
    const bool dark = IsDarkSquare(square);
    const int16_t piece = board.Piece(square);
    if (board.IsEmpty(square) || !IsPiece(piece))
        return dark ? "blue" : "white";
    return PiecePicture(dark, board.Colour(square), piece)
        + (IsCheckedKing(board, square) ? "x" : "");
}

std::string CellName(const BoardState &board, int16_t square, bool marked)
{
    const int16_t piece = board.Piece(square);
    if (board.IsEmpty(square) || !IsPiece(piece))
        return CellWords(SquareName(square), std::nullopt, false, marked);
    return CellWords(SquareName(square), CellPiece { piece, board.Colour(square) == White },
        IsCheckedKing(board, square), marked);
}

std::vector<int16_t> LegalTargets(const Game &game, int16_t from)
{
    std::vector<int16_t> targets;
    const Turn &turn = game.CurrentTurn();
    BoardState board = turn.Board();
    if (turn.PlayedMove() || !IsOnBoard(from) || board.IsEmpty(from)
        || board.Colour(from) != board.giToMove)
        return targets;
    for (int16_t to = 0; to < 64; ++to)
        if (to != from && IsValidMove(board, from, to))
            targets.push_back(to);
    return targets;
}

std::vector<PromotionChoice> PromotionChoices(int16_t toMove)
{
    std::vector<PromotionChoice> choices;
    for (const int16_t piece : { Rook, Knight, Bishop, Queen })
        choices.push_back({ piece, "PRNBQK"[piece], PieceName(piece),
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
