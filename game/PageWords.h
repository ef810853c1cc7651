#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "rules/GameStatus.h"

namespace corvalen {

// The web page's captions and short messages in the player's language, each under the name the
// page gives its control ("send", "cancel"). Captions shared with the desktop window are its
// own texts, access key ("&") included, so that each is translated once. Qt-free.
std::vector<std::pair<std::string, std::string>> PageWords();

// The name of a piece in the promotion chooser: "queen".
std::string PieceName(PieceType piece);
// The accessible name of a cell from what it holds: "e4, white pawn", "e8, black king, in
// check", "e2, empty, last move".
struct CellPiece {
    PieceType piece = PieceType::None;
    bool white = true;
};
std::string CellWords(
    const std::string &squareName, std::optional<CellPiece> piece, bool inCheck, bool marked);

// The turn label above the board: "WHITE to move.\nUse the mouse to drag and drop your move."
std::string TurnLabel(Colour toMove);
// The caption beside the check picture: "In Check", "Mate", "Stalemate"; empty for none.
std::string CheckCaption(GameStatus status);

// The chooser's title, its caption and the hint for keys.
std::string PromotionTitle();
std::string PromotionCaption();
std::string PromotionHint();

// "Clipboard": where Send Move puts the code.
std::string ClipboardName();
// The messages of the turn, as the window words them for `clipboardName`.
std::string NoCodeMessage(const std::string &clipboardName);
std::string DamagedCodeMessage();
std::string SentMessage(const std::string &clipboardName);
// The record could not reach the browser's storage (`error` as the browser words it).
std::string StorageFailedMessage(const std::string &error);
std::string NewMailCaption(); // "New E-mail", without its access key
std::string StartNewGameCaption(); // "Start a New Game"

} // namespace corvalen
