#include "game/PageWords.h"

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

} // namespace corvalen
