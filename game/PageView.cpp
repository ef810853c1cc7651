#include "game/PageView.h"

#include "game/Game.h"
#include "rules/MoveLegality.h"
#include "rules/San.h"
#include "rules/Text.h"

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

    std::string PieceDisplayName(int16_t piece)
    {
        switch (piece) {
        case Pawn:
            return CORVALEN_TEXT("corvalen::PieceImages", "pawn");
        case Rook:
            return CORVALEN_TEXT("corvalen::PieceImages", "rook");
        case Knight:
            return CORVALEN_TEXT("corvalen::PieceImages", "knight");
        case Bishop:
            return CORVALEN_TEXT("corvalen::PieceImages", "bishop");
        case Queen:
            return CORVALEN_TEXT("corvalen::PieceImages", "queen");
        default:
            return CORVALEN_TEXT("corvalen::PieceImages", "king");
        }
    }

    std::string PieceOnSquare(bool white, int16_t piece)
    {
        // Whole phrases, since the colour agrees with the piece in many languages.
        switch (piece) {
        case Pawn:
            return white ? CORVALEN_TEXT("corvalen::BoardCell", "%1, white pawn")
                         : CORVALEN_TEXT("corvalen::BoardCell", "%1, black pawn");
        case Rook:
            return white ? CORVALEN_TEXT("corvalen::BoardCell", "%1, white rook")
                         : CORVALEN_TEXT("corvalen::BoardCell", "%1, black rook");
        case Knight:
            return white ? CORVALEN_TEXT("corvalen::BoardCell", "%1, white knight")
                         : CORVALEN_TEXT("corvalen::BoardCell", "%1, black knight");
        case Bishop:
            return white ? CORVALEN_TEXT("corvalen::BoardCell", "%1, white bishop")
                         : CORVALEN_TEXT("corvalen::BoardCell", "%1, black bishop");
        case Queen:
            return white ? CORVALEN_TEXT("corvalen::BoardCell", "%1, white queen")
                         : CORVALEN_TEXT("corvalen::BoardCell", "%1, black queen");
        default:
            return white ? CORVALEN_TEXT("corvalen::BoardCell", "%1, white king")
                         : CORVALEN_TEXT("corvalen::BoardCell", "%1, black king");
        }
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
    const std::string squareName = SquareName(square);
    const int16_t piece = board.Piece(square);
    std::string name = board.IsEmpty(square) || !IsPiece(piece)
        ? Format(CORVALEN_TEXT("corvalen::BoardCell", "%1, empty"), { squareName })
        : Format(PieceOnSquare(board.Colour(square) == White, piece), { squareName });
    if (IsPiece(piece) && IsCheckedKing(board, square))
        name = Format(CORVALEN_TEXT("corvalen::BoardCell", "%1, in check"), { name });
    if (marked)
        name = Format(CORVALEN_TEXT("corvalen::BoardCell", "%1, last move"), { name });
    return name;
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

std::string TurnLabel(int16_t toMove)
{
    return toMove != White
        ? CORVALEN_TEXT("corvalen::frmChess",
              "BLACK to move.\nUse the mouse to drag and drop your move.")
        : CORVALEN_TEXT("corvalen::frmChess",
              "WHITE to move.\nUse the mouse to drag and drop your move.");
}

std::string CheckCaption(GameStatus status)
{
    switch (status) {
    case GameStatus::Check:
        return CORVALEN_TEXT("corvalen::frmChess", "In Check");
    case GameStatus::Mate:
        return CORVALEN_TEXT("corvalen::frmChess", "Mate");
    case GameStatus::Stalemate:
        return CORVALEN_TEXT("corvalen::frmChess", "Stalemate");
    default:
        return {};
    }
}

std::vector<PromotionChoice> PromotionChoices(int16_t toMove)
{
    std::vector<PromotionChoice> choices;
    for (const int16_t piece : { Rook, Knight, Bishop, Queen })
        choices.push_back({ piece, "PRNBQK"[piece], PieceDisplayName(piece),
            PiecePicture(false, toMove, piece), PiecePicture(true, toMove, piece) });
    return choices;
}

std::string PromotionTitle()
{
    return CORVALEN_TEXT("corvalen::frmPawnChange", "Change Pawn");
}

std::string PromotionCaption()
{
    return CORVALEN_TEXT("corvalen::frmPawnChange", "Select the piece you would like:");
}

std::string PromotionHint()
{
    return CORVALEN_TEXT(
        "corvalen::frmPawnChange", "The arrow keys or R, N, B and Q choose a piece; Enter takes it.");
}

std::string ClipboardName()
{
    return CORVALEN_TEXT("corvalen::frmBoardCode", "Clipboard");
}

std::string NoCodeMessage(const std::string &clipboardName)
{
    return Format(CORVALEN_TEXT("corvalen::frmBoardCode",
                      "Unable to find the CHESS-CODE in the %1.\n\n"
                      "Please COPY the CHESS-CODE into the Clipboard and press OK."),
        { clipboardName });
}

std::string DamagedCodeMessage()
{
    return CORVALEN_TEXT("corvalen::frmChess",
        "The CHESS-CODE on the Clipboard is incomplete or damaged.\n\n"
        "Please copy the whole CHESS-CODE from the e-mail again.");
}

std::string SentMessage(const std::string &clipboardName)
{
    return Format(CORVALEN_TEXT("corvalen::frmChess",
                      "Your CHESS-CODE has been copied to the %1.\n\n"
                      "Now PASTE this CHESS-CODE into an email message and send it."),
        { clipboardName });
}

std::string StorageFailedMessage(const std::string &error)
{
    return Format(CORVALEN_TEXT("Game",
                      "The record could not be written: %1\n\nThis turn goes on without "
                      "the record."),
        { error });
}

std::string NewMailCaption()
{
    return CORVALEN_TEXT("corvalen::frmChess", "New E-mail");
}

std::string StartNewGameCaption()
{
    return CORVALEN_TEXT("corvalen::frmChess", "Start a New Game");
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
