#include "game/DeskWords.h"

#include "rules/Text.h"

namespace corvalen {

std::vector<std::pair<std::string, std::string>> DeskWords()
{
    return {
        { "games", CORVALEN_TEXT("corvalen::frmGame", "Games") },
        { "title", CORVALEN_TEXT("corvalen::frmGame", "Game") },
        { "opponent", CORVALEN_TEXT("corvalen::GameTableModel", "Opponent") },
        { "you", CORVALEN_TEXT("corvalen::GameTableModel", "You") },
        { "moves", CORVALEN_TEXT("corvalen::GameTableModel", "Moves") },
        { "lastMove", CORVALEN_TEXT("corvalen::GameTableModel", "Last move") },
        { "turn", CORVALEN_TEXT("corvalen::GameTableModel", "Turn") },
        { "since", CORVALEN_TEXT("corvalen::GameTableModel", "Since") },
        { "result", CORVALEN_TEXT("corvalen::GameTableModel", "Result") },
        { "today", CORVALEN_TEXT("corvalen::GameTableModel", "today") },
        { "moveList", CORVALEN_TEXT("corvalen::frmGame", "Mo&ves") },
        { "replay", CORVALEN_TEXT("corvalen::frmGame", "Replay board") },
        { "copyFen", CORVALEN_TEXT("corvalen::frmGame", "Copy &FEN") },
        { "copyPgn", CORVALEN_TEXT("corvalen::frmGame", "C&opy PGN") },
        { "savePgn", CORVALEN_TEXT("corvalen::frmGame", "Save &PGN...") },
        { "resign", CORVALEN_TEXT("corvalen::frmGame", "&Resign...") },
        { "opponentResigned", CORVALEN_TEXT("corvalen::frmGame", "Opponent Resi&gned...") },
        { "drawAgreed", CORVALEN_TEXT("corvalen::frmGame", "Dr&aw Agreed...") },
        { "reopen", CORVALEN_TEXT("corvalen::frmGame", "R&eopen Game") },
        { "claimDraw", CORVALEN_TEXT("corvalen::frmGame", "&Claim Draw...") },
        { "deleteGame", CORVALEN_TEXT("corvalen::frmGame", "De&lete Game...") },
        { "playerName", CORVALEN_TEXT("corvalen::frmGame", "&Your name") },
        { "opponentName", CORVALEN_TEXT("corvalen::frmGame", "Opponen&t") },
        { "email", CORVALEN_TEXT("corvalen::frmGame", "Opponent's e-&mail") },
        { "notes", CORVALEN_TEXT("corvalen::frmGame", "&Notes (only you see them)") },
        { "sideToMove",
            CORVALEN_TEXT("corvalen::frmGame", "Show the board from the &side to move") },
        { "refused", CORVALEN_TEXT("corvalen::frmGame", "not one plain address") },
        { "close", CORVALEN_TEXT("corvalen::frmGame", "Close") },
    };
}

std::string TurnText(GameTurn turn)
{
    return turn == GameTurn::Yours ? CORVALEN_TEXT("corvalen::GameTableModel", "Yours")
        : turn == GameTurn::Theirs ? CORVALEN_TEXT("corvalen::GameTableModel", "Theirs")
                                   : std::string();
}

std::string SideText(Colour side)
{
    return side == White ? CORVALEN_TEXT("corvalen::GameTableModel", "White")
                         : CORVALEN_TEXT("corvalen::GameTableModel", "Black");
}

std::string GameName(const GameView &view)
{
    if (view.plies.empty())
        return view.opponent.empty()
            ? Format(CORVALEN_TEXT("corvalen::frmGame", "the game started %1"), { view.started })
            : Format(CORVALEN_TEXT("corvalen::frmGame", "the game against %1 started %2"),
                { view.opponent, view.started });
    return view.opponent.empty()
        ? Format(CORVALEN_TEXT("corvalen::frmGame", "the game started %1 (%2)"),
            { view.started, view.plies.back() })
        : Format(CORVALEN_TEXT("corvalen::frmGame", "the game against %1 started %2 (%3)"),
            { view.opponent, view.started, view.plies.back() });
}

DeskQuestion EndingQuestion(PlayerEnding ending, const std::string &gameName)
{
    switch (ending) {
    case PlayerEnding::Resign:
        return { Format(CORVALEN_TEXT("corvalen::frmGame", "Resign %1?"), { gameName }),
            CORVALEN_TEXT("corvalen::frmGame", "Resign") };
    case PlayerEnding::OpponentResigned:
        return { Format(CORVALEN_TEXT("corvalen::frmGame", "Your opponent resigned %1?"),
                     { gameName }),
            CORVALEN_TEXT("corvalen::frmGame", "Opponent Resigned") };
    default:
        return { Format(CORVALEN_TEXT(
                            "corvalen::frmGame", "You and your opponent agreed a draw in %1?"),
                     { gameName }),
            CORVALEN_TEXT("corvalen::frmGame", "Draw Agreed") };
    }
}

DeskQuestion ClaimQuestion(DrawClaim claim, const std::string &gameName)
{
    return { Format(claim == DrawClaim::Threefold
                     ? CORVALEN_TEXT(
                         "corvalen::frmGame", "Claim a draw by threefold repetition in %1?")
                     : CORVALEN_TEXT("corvalen::frmGame",
                         "Claim a draw by 50 moves without a capture or pawn move in %1?"),
                 { gameName }),
        CORVALEN_TEXT("corvalen::frmGame", "Claim Draw") };
}

DeskQuestion DeleteQuestion(const std::string &gameName)
{
    return { Format(CORVALEN_TEXT("corvalen::frmGame",
                        "Delete %1?\n\nIts moves and notes are removed; your other games stay "
                        "as they are."),
                 { gameName }),
        CORVALEN_TEXT("corvalen::frmGame", "Delete Game") };
}

std::string PgnCopiedMessage(const std::string &gameName)
{
    return Format(CORVALEN_TEXT("corvalen::frmGame",
                      "The PGN of %1 is on the clipboard in place of the CHESS-CODE."),
        { gameName });
}

std::string FenCopiedMessage(const std::string &ply, const std::string &fen)
{
    return ply.empty()
        ? Format(CORVALEN_TEXT("corvalen::frmGame", "FEN of the start copied to the clipboard: %1"),
            { fen })
        : Format(CORVALEN_TEXT("corvalen::frmGame", "FEN after %1 copied to the clipboard: %2"),
            { ply, fen });
}

} // namespace corvalen
