#include "game/RulesWords.h"

#include "rules/Text.h"

namespace corvalen {

std::string WordCannotArise(CannotArise reason)
{
    switch (reason) {
    case CannotArise::PawnOnLastRow:
        return CORVALEN_TEXT("Rules", "a pawn on the last row");
    case CannotArise::PawnOnFirstRow:
        return CORVALEN_TEXT("Rules", "a pawn on the first row");
    case CannotArise::KingCount:
        return CORVALEN_TEXT("Rules", "a side without exactly one king");
    case CannotArise::MoverLeftInCheck:
        return CORVALEN_TEXT("Rules", "the side that just moved left in check");
    case CannotArise::No:
        break;
    }
    return {};
}

std::string WordTypedMove(const TypedMove &typed)
{
    switch (typed.kind) {
    case TypedMove::Kind::NotAMove:
        if (typed.text.empty())
            return {};
        return Format(
            CORVALEN_TEXT("Rules", "Not a move: %1 (piece letters: K Q R B N)"), { typed.text });
    case TypedMove::Kind::NoMatch:
        return Format(CORVALEN_TEXT("Rules", "No legal move matches \"%1\"."), { typed.text });
    case TypedMove::Kind::Ambiguous: {
        if (typed.candidates.empty())
            return {};
        // The moves but the last, joined with ", ", then the last: "Nbd2 or Nfd2?".
        std::string others;
        for (size_t i = 0; i + 1 < typed.candidates.size(); ++i)
            others += (i == 0 ? "" : ", ") + typed.candidates[i];
        return Format(CORVALEN_TEXT("Rules", "%1 or %2?"), { others, typed.candidates.back() });
    }
    case TypedMove::Kind::Move:
        break;
    }
    return {};
}

std::string WordDrawClaim(DrawClaim claim)
{
    switch (claim) {
    case DrawClaim::Threefold:
        return "threefold repetition";
    case DrawClaim::FiftyMoves:
        return "50 moves without a capture or pawn move";
    case DrawClaim::None:
        break;
    }
    return {};
}

} // namespace corvalen
