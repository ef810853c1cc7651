#pragma once

#include <string>
#include <utility>
#include <vector>

#include "game/Game.h"

namespace corvalen {

// What the web page's desk (its Game view) says, in the words of the desktop's Game dialog, so
// that each text is translated once. Qt-free.

// The desk's captions and column titles under the names the page gives them ("resign").
std::vector<std::pair<std::string, std::string>> DeskWords();
// "Yours", "Theirs", or empty for a finished game; "White" or "Black" for the local side.
std::string TurnText(GameTurn turn);
std::string SideText(Colour side);
// The game as the questions name it: "the game against Bob started 2026-03-01 (3. Nf3)".
std::string GameName(const GameView &view);

// A question before a result, a claim or a deletion, and the caption of the button that
// confirms it; Cancel is the other answer.
struct DeskQuestion {
    std::string question;
    std::string confirm;
};
DeskQuestion EndingQuestion(PlayerEnding ending, const std::string &gameName);
DeskQuestion ClaimQuestion(DrawClaim claim, const std::string &gameName);
DeskQuestion DeleteQuestion(const std::string &gameName);
// What Copy PGN and Copy FEN (after `ply`, "" for the start) tell once the text is copied.
std::string PgnCopiedMessage(const std::string &gameName);
std::string FenCopiedMessage(const std::string &ply, const std::string &fen);

} // namespace corvalen
