#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/PageWords.h"
#include "rules/BoardState.h"
#include "rules/GameStatus.h"

namespace corvalen {

class Game;

// What a board drawn outside the Qt window (the web page) shows of a Game, in the window's own
// words and pictures, so that the two never differ. Qt-free.

// The picture of a square as the window shows it, without folder or extension: "wgking" (a
// white king on a light square), "bbkingx" (a black king in check on a dark one), "blue" or
// "white" for an empty dark or light square.
// A king of the side to move shows in check while `check` is shown.
std::string CellPicture(const BoardState &board, Square square, bool check);
// The accessible name of a cell: "e4, white pawn", "e8, black king, in check", "e2, empty, last
// move".
std::string CellName(const BoardState &board, Square square, bool marked, bool check);
// The squares the piece on `from` may move to now; none once the move is made, for the
// opponent's pieces and for empty squares.
std::vector<Square> LegalTargets(const Game &game, Square from);

// The four pieces a pawn may become, in the chooser's order (rook, knight, bishop, queen), with
// the letter that chooses each and its picture on a light or (chosen) dark square.
struct PromotionChoice {
    PieceType piece = PieceType::None;
    char key = 0;
    std::string name; // "queen"
    std::string picture; // "wgqueen"
    std::string chosenPicture; // "bgqueen"
};
std::vector<PromotionChoice> PromotionChoices(Colour toMove);

// A mailto: link to `address` (none when empty) with the subject and the code as its body.
// Every byte but letters, digits and "-._~" is percent-encoded ("@" kept in the address), so
// nothing in the address or the subject can add a header or a recipient.
std::string MailtoUrl(
    const std::string &code, const std::string &subject, const std::string &address);

} // namespace corvalen
