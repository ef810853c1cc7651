#include "game/PageView.h"

#include "game/Game.h"
#include "rules/MoveLegality.h"
#include "rules/San.h"
#include "rules/Text.h"

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

    std::string PieceDisplayName(PieceType piece)
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

    std::string PieceOnSquare(bool white, PieceType piece)
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
    const std::string squareName = SquareName(square);
    const PieceType piece = board.Piece(square);
    std::string name = board.IsEmpty(square)
        ? Format(CORVALEN_TEXT("corvalen::BoardCell", "%1, empty"), { squareName })
        : Format(PieceOnSquare(board.ColourOn(square) == White, piece), { squareName });
    if (IsCheckedKing(board, square, check))
        name = Format(CORVALEN_TEXT("corvalen::BoardCell", "%1, in check"), { name });
    if (marked)
        name = Format(CORVALEN_TEXT("corvalen::BoardCell", "%1, last move"), { name });
    return name;
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

std::string TurnLabel(Colour toMove)
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

std::vector<PromotionChoice> PromotionChoices(Colour toMove)
{
    std::vector<PromotionChoice> choices;
    for (const PieceType piece : { Rook, Knight, Bishop, Queen })
        choices.push_back({ piece, "PRNBQK"[PieceNumber(piece)], PieceDisplayName(piece),
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
