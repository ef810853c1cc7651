#include "game/PageWords.h"

#include "game/TurnWords.h"
#include "rules/BoardState.h"
#include "rules/Text.h"

namespace corvalen {

std::vector<std::pair<std::string, std::string>> PageWords()
{
    return {
        { "title", CORVALEN_TEXT("corvalen::frmChess", "Chess") },
        { "prompt", CORVALEN_TEXT("Page", "Paste your opponent's CHESS-CODE (Ctrl+V)") },
        { "paste", CORVALEN_TEXT("Page", "Paste") },
        { "newGame", CORVALEN_TEXT("corvalen::frmChess", "&New Game") },
        { "undo", CORVALEN_TEXT("corvalen::frmChess", "&Undo Move") },
        { "send", CORVALEN_TEXT("corvalen::frmChess", "&Send Move") },
        { "typeMove", CORVALEN_TEXT("corvalen::frmChess", "Type a move") },
        { "flip", CORVALEN_TEXT("Page", "Flip") },
        { "board", CORVALEN_TEXT("Page", "Board") },
        { "record", CORVALEN_TEXT("Page", "Keep a record of games") },
        { "export", CORVALEN_TEXT("Page", "Export") },
        { "import", CORVALEN_TEXT("Page", "Import") },
        { "about", CORVALEN_TEXT("Page", "About") },
        { "language", CORVALEN_TEXT("Page", "Language") },
        { "share", CORVALEN_TEXT("Page", "Share") },
        { "noRecord", CORVALEN_TEXT("Page", "No game is recorded yet.") },
        { "ok", CORVALEN_TEXT("corvalen::frmAbout", "OK") },
        { "cancel", CORVALEN_TEXT("corvalen::frmBoardCode", "&Cancel") },
        { "aboutText",
            CORVALEN_TEXT("corvalen::frmAbout",
                "Chess by e-mail for two players, one turn per run. Copy your opponent's code, "
                "make one move and mail back the new code.") },
        { "version", CORVALEN_TEXT("corvalen::frmAbout", "Version %1") },
        { "licence",
            CORVALEN_TEXT("corvalen::frmAbout",
                "Free software under the GNU General Public License, version 3 or later (see the "
                "file LICENSE). It comes with no warranty.") },
    };
}

std::string PieceName(PieceType piece)
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

namespace {

    // Whole phrases, since the colour agrees with the piece in many languages.
    std::string PieceOnSquare(bool white, PieceType piece)
    {
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

} // namespace

std::string TurnLabel(Colour toMove)
{
    return toMove != White ? CORVALEN_TEXT(
               "corvalen::frmChess", "BLACK to move.\nUse the mouse to drag and drop your move.")
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
    return CORVALEN_TEXT("corvalen::frmPawnChange",
        "The arrow keys or R, N, B and Q choose a piece; Enter takes it.");
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
    Told told = Told::Of(Told::What::RecordUnwritable, Notice::Kind::Warning);
    told.error = Error::Failure(error);
    return NoticeText(told);
}

std::string NewMailCaption()
{
    return CORVALEN_TEXT("corvalen::frmChess", "New E-mail");
}

std::string StartNewGameCaption()
{
    return CORVALEN_TEXT("corvalen::frmChess", "Start a New Game");
}

std::string CellWords(
    const std::string &squareName, std::optional<CellPiece> piece, bool inCheck, bool marked)
{
    std::string name = piece
        ? Format(PieceOnSquare(piece->white, piece->piece), { squareName })
        : Format(CORVALEN_TEXT("corvalen::BoardCell", "%1, empty"), { squareName });
    if (piece && inCheck)
        name = Format(CORVALEN_TEXT("corvalen::BoardCell", "%1, in check"), { name });
    if (marked)
        name = Format(CORVALEN_TEXT("corvalen::BoardCell", "%1, last move"), { name });
    return name;
}

} // namespace corvalen
