#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "game/RecordLife.h"
#include "record/GameRecord.h"
#include "record/Pgn.h"
#include "rules/GameLine.h"
#include "rules/GameStatus.h"

namespace corvalen {

// The words of a turn: the line under the board, the questions before Undo Move and Send
// Move, the notices and the mail subject, made from what the turn knows, in the player's
// language. Qt-free.

// What the line under the board is made of, as things stand.
struct TurnFacts {
    std::string note; // why the text typed last is no move; empty when nothing
    bool played = false; // the local move is played, not sent or sent
    GameStatus afterMove = GameStatus::None; // the opponent's status after that move
    // The claim made with the local move; then it stands before "Press Send Move...".
    DrawClaim claimedWithMove = DrawClaim::None;
    // The recorded game's ending set by a player (with its date); None while it goes on, and
    // while the record is off.
    GameEnding ending = GameEnding::None;
    std::string endedOn; // YYYY-MM-DD
    DrawClaim claimable = DrawClaim::None; // the draw the local player may claim now
    bool recordOn = false;
    std::string cannotArise; // why no game reaches the loaded position; empty when one can
    // What the record found of the load, with the local player's earlier answer to the loaded
    // position (in this game, or in another where a move sent now starts a new one); none
    // without the record.
    std::optional<LoadReport> placed;
    GameStatus loadedStatus = GameStatus::None;
    bool whiteToMove = true; // in the loaded position
    bool deadPosition = false; // neither side can mate
};

// "Your opponent played 14... Nf6  Draw can be claimed: threefold repetition.", "Checkmate:
// you win. Send Move tells your opponent.", "Press Send Move to copy your move, or Undo Move."
std::string StatusLine(const TurnFacts &facts);

// "This game ended on 2026-03-04 (White resigned); nothing is recorded".
std::string EndedLine(GameEnding ending, const std::string &endedOn);

// The question before Undo Move takes back `sentMove` ("14... Nf6"), sent already.
std::string UndoQuestion(const std::string &sentMove);
// The question before Send Move sends `instead` where `sent` went from this position before,
// and the caption of the button that confirms it ("Send 14... Nd7").
struct SendQuestionWords {
    std::string question;
    std::string confirm;
};
SendQuestionWords SendQuestion(const std::string &sent, const std::string &instead);

// The text of a notice: "The record could not be written: ...", "You cannot move your
// opponents pieces."
std::string NoticeText(const Told &told);

// The New E-mail subject: "Chess: my move 14... Nf6" (without the move when numberedMove is
// empty), with a claim made in this turn: "... (I claim a draw: threefold repetition)".
std::string MailSubject(DrawClaim claimed, const std::string &numberedMove);
// " (I claim a draw: threefold repetition)" for a claim; else empty. English, to follow an
// English subject.
std::string MailSubjectNote(DrawClaim claimed);

} // namespace corvalen
