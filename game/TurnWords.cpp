#include "game/TurnWords.h"

#include <vector>

#include "game/RecordWords.h"
#include "game/RulesWords.h"
#include "rules/Text.h"

namespace corvalen {

namespace {

    // How a game ended, inside "This game ended on %1 (%2)...".
    std::string EndingWords(GameEnding ending)
    {
        switch (ending) {
        case GameEnding::WhiteResigned:
            return CORVALEN_TEXT("Game", "White resigned");
        case GameEnding::BlackResigned:
            return CORVALEN_TEXT("Game", "Black resigned");
        case GameEnding::DrawAgreed:
            return CORVALEN_TEXT("Game", "draw agreed");
        case GameEnding::ThreefoldClaimed:
            return CORVALEN_TEXT("Game", "draw claimed: threefold repetition");
        case GameEnding::FiftyMovesClaimed:
            return CORVALEN_TEXT("Game", "draw claimed: 50 moves without a capture or pawn move");
        case GameEnding::None:
            break;
        }
        return {};
    }

    // "Draw claimed: threefold repetition."
    std::string ClaimedLine(DrawClaim claim)
    {
        return claim == DrawClaim::Threefold
            ? CORVALEN_TEXT("Game", "Draw claimed: threefold repetition.")
            : CORVALEN_TEXT("Game", "Draw claimed: 50 moves without a capture or pawn move.");
    }

    // "Draw can be claimed: threefold repetition."
    std::string ClaimableLine(DrawClaim claim)
    {
        return claim == DrawClaim::Threefold
            ? CORVALEN_TEXT("Game", "Draw can be claimed: threefold repetition.")
            : CORVALEN_TEXT(
                "Game", "Draw can be claimed: 50 moves without a capture or pawn move.");
    }

    // What the line after the local move says first of the game: a claim or an ending; empty
    // when there is nothing.
    std::string AboutGame(const TurnFacts &facts)
    {
        if (facts.claimedWithMove != DrawClaim::None)
            return ClaimedLine(facts.claimedWithMove) + ' ';
        if (facts.ending != GameEnding::None)
            return EndedLine(facts.ending, facts.endedOn) + ". ";
        return facts.claimable == DrawClaim::None ? std::string()
                                                  : ClaimableLine(facts.claimable) + ' ';
    }

    // The line after a load: what the record found, what the position is, the claim.
    std::string AfterLoad(const TurnFacts &facts)
    {
        std::vector<std::string> parts;
        if (!facts.cannotArise.empty())
            parts.push_back(Format(facts.recordOn
                    ? CORVALEN_TEXT(
                        "Game", "This position cannot arise in a game (%1); it is not recorded.")
                    : CORVALEN_TEXT("Game", "This position cannot arise in a game (%1)."),
                { facts.cannotArise }));
        else if (facts.ending != GameEnding::None)
            parts.push_back(EndedLine(facts.ending, facts.endedOn));
        else if (facts.placed && facts.placed->line != LoadLine::None)
            parts.push_back(WordLoadLine(*facts.placed));
        if (facts.placed && facts.placed->answered && facts.ending == GameEnding::None) {
            const EarlierAnswer &answer = *facts.placed->answered;
            parts.push_back(facts.placed->kind == LoadCase::Again
                    ? Format(CORVALEN_TEXT("Game", "You answered this position on %1 with %2."),
                        { answer.date, answer.move })
                    : Format(CORVALEN_TEXT("Game",
                                 "You answered this position in game %1 on %2 with %3; a move "
                                 "sent now starts a new game."),
                        { std::to_string(answer.gameId), answer.date, answer.move }));
        }
        if (facts.loadedStatus == GameStatus::Mate)
            parts.push_back(facts.whiteToMove ? CORVALEN_TEXT("Game", "Checkmate: Black wins.")
                                              : CORVALEN_TEXT("Game", "Checkmate: White wins."));
        else if (facts.loadedStatus == GameStatus::Stalemate)
            parts.push_back(CORVALEN_TEXT("Game", "Stalemate: a draw."));
        if (facts.deadPosition)
            parts.push_back(CORVALEN_TEXT("Game", "Draw: neither side can mate."));
        if (facts.claimable != DrawClaim::None)
            parts.push_back(ClaimableLine(facts.claimable));
        std::string line;
        for (const std::string &part : parts)
            line += (line.empty() ? "" : "  ") + part;
        return line;
    }

} // namespace

std::string StatusLine(const TurnFacts &facts)
{
    if (!facts.note.empty())
        return facts.note;
    if (!facts.played)
        return AfterLoad(facts);
    switch (facts.afterMove) {
    case GameStatus::Mate:
        return CORVALEN_TEXT("Game", "Checkmate: you win. Send Move tells your opponent.");
    case GameStatus::Stalemate:
        return CORVALEN_TEXT("Game", "Stalemate: a draw. Send Move tells your opponent.");
    case GameStatus::Check:
    case GameStatus::None:
        break;
    }
    return AboutGame(facts)
        + CORVALEN_TEXT("Game", "Press Send Move to copy your move, or Undo Move.");
}

std::string EndedLine(GameEnding ending, const std::string &endedOn)
{
    if (ending == GameEnding::None)
        return {};
    return Format(CORVALEN_TEXT("Game", "This game ended on %1 (%2); nothing is recorded"),
        { endedOn, EndingWords(ending) });
}

std::string UndoQuestion(const std::string &sentMove)
{
    return Format(CORVALEN_TEXT("Game",
                      "You have sent %1 already. Take it back? If your opponent has that e-mail, "
                      "this game will no longer match it."),
        { sentMove });
}

SendQuestionWords SendQuestion(const std::string &sent, const std::string &instead)
{
    return { Format(CORVALEN_TEXT("Game",
                        "You have sent %1 from this position already. Send %2 instead? If your "
                        "opponent has that e-mail, this game will no longer match it."),
                 { sent, instead }),
        Format(CORVALEN_TEXT("Game", "Send %1"), { instead }) };
}

std::string NoticeText(const Told &told)
{
    switch (told.what) {
    case Told::What::RecordUnreadable:
        return Format(CORVALEN_TEXT("Game", "%1\n\nThis turn goes on without the record."),
            { WordRecordError(*told.error) });
    case Told::What::RecordUnwritable:
        return Format(CORVALEN_TEXT("Game",
                          "The record could not be written: %1\n\nThis turn goes on without "
                          "the record."),
            { WordRecordError(*told.error) });
    case Told::What::OpponentsPiece:
        break;
    case Told::What::LoadMessage:
        return WordLoadMessage(*told.load);
    case Told::What::LostCastling:
        return WordLostCastling(*told.lostCastling);
    }
    return CORVALEN_TEXT("Game", "You cannot move your opponents pieces.");
}

std::string MailSubject(DrawClaim claimed, const std::string &numberedMove)
{
    if (numberedMove.empty())
        switch (claimed) {
        case DrawClaim::Threefold:
            return CORVALEN_TEXT("Game", "Chess: my move (I claim a draw: threefold repetition)");
        case DrawClaim::FiftyMoves:
            return CORVALEN_TEXT(
                "Game", "Chess: my move (I claim a draw: 50 moves without a capture or pawn move)");
        case DrawClaim::None:
            return CORVALEN_TEXT("Game", "Chess: my move");
        }
    switch (claimed) {
    case DrawClaim::Threefold:
        return Format(
            CORVALEN_TEXT("Game", "Chess: my move %1 (I claim a draw: threefold repetition)"),
            { numberedMove });
    case DrawClaim::FiftyMoves:
        return Format(CORVALEN_TEXT("Game",
                          "Chess: my move %1 (I claim a draw: 50 moves without a capture or "
                          "pawn move)"),
            { numberedMove });
    case DrawClaim::None:
        break;
    }
    return Format(CORVALEN_TEXT("Game", "Chess: my move %1"), { numberedMove });
}

std::string MailSubjectNote(DrawClaim claimed)
{
    return claimed == DrawClaim::None ? std::string()
                                      : " (I claim a draw: " + WordDrawClaim(claimed) + ")";
}

} // namespace corvalen
