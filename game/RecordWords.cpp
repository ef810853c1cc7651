#include "game/RecordWords.h"

#include "rules/Text.h"

namespace corvalen {

namespace {

    std::string SameAsSent(const LoadReport &load)
    {
        const std::string id = std::to_string(load.gameId.value_or(0));
        return (load.move.empty()
                       ? Format(CORVALEN_TEXT(
                                    "Record", "This is the position you sent in game %1 on %2."),
                           { id, load.date })
                       : Format(CORVALEN_TEXT("Record",
                                    "This is the position you sent in game %1 on %2 (%3)."),
                           { id, load.date, load.move }))
            + ' ' + CORVALEN_TEXT("Record", "Your opponent has not replied with a move yet.");
    }

} // namespace

std::string WordLoadLine(const LoadReport &load)
{
    const std::string id = std::to_string(load.gameId.value_or(0));
    switch (load.line) {
    case LoadLine::NewGame:
        return CORVALEN_TEXT("Record", "New game");
    case LoadLine::OpponentPlayed:
        return Format(CORVALEN_TEXT("Record", "Your opponent played %1"), { load.move });
    case LoadLine::StartedHere:
        return CORVALEN_TEXT("Record", "Game started from this position");
    case LoadLine::DoesNotFollow:
        return CORVALEN_TEXT("Record", "Does not follow your last move: kept as a new game");
    case LoadLine::SameAsSent:
        // The status line says why the board takes no move.
        return SameAsSent(load);
    case LoadLine::EarlierPosition:
        return load.earlierMove.empty()
            ? Format(CORVALEN_TEXT("Record",
                         "This is an earlier position of game %1 (the position it started "
                         "from); the game now stands at %2."),
                { id, load.move })
            : Format(CORVALEN_TEXT("Record",
                         "This is an earlier position of game %1 (after %2); the game now "
                         "stands at %3."),
                { id, load.earlierMove, load.move });
    case LoadLine::None:
        break;
    }
    return {};
}

std::string WordLoadMessage(const LoadReport &load)
{
    if (load.kind == LoadCase::SameAsSent)
        return SameAsSent(load);
    if (load.kind != LoadCase::DoesNotFollow)
        return {};
    return load.move.empty()
        ? Format(CORVALEN_TEXT("Record",
                     "This position does not follow by one legal move from the position you "
                     "sent in the game started %1. It is kept as a new game."),
            { load.date })
        : Format(CORVALEN_TEXT("Record",
                     "This position does not follow by one legal move from the position you "
                     "sent in the game started %1 (last move %2). It is kept as a new game."),
            { load.date, load.move });
}

std::string WordLostCastling(const record::LostCastling &lost)
{
    switch (lost.cause) {
    case CastlingLoss::KingMoved:
        return Format(CORVALEN_TEXT("Record",
                          "You cannot castle on this side: your king moved in this game (%1)."),
            { lost.move });
    case CastlingLoss::RookMoved:
        return Format(CORVALEN_TEXT("Record",
                          "You cannot castle on this side: your rook moved in this game (%1)."),
            { lost.move });
    case CastlingLoss::RookTaken:
        return Format(CORVALEN_TEXT("Record",
                          "You cannot castle on this side: your rook was taken in this game (%1)."),
            { lost.move });
    case CastlingLoss::None:
        break;
    }
    return {};
}

std::string WordRecordError(const Error &error)
{
    std::string why;
    switch (error.kind) {
    case Error::Kind::Failed:
    case Error::Kind::NothingToChange:
        why = error.message.empty() ? CORVALEN_TEXT("Record", "failed") : error.message;
        break;
    case Error::Kind::NotFound:
        why = Format(CORVALEN_TEXT("Record", "no game %1"), { error.subject });
        break;
    case Error::Kind::NoSuchFile:
        why = CORVALEN_TEXT("Record", "there is no such file");
        break;
    case Error::Kind::CannotCreate:
        why = Format(CORVALEN_TEXT("Record", "cannot be created: %1"), { error.message });
        break;
    case Error::Kind::CannotMakeFolder:
        why = Format(CORVALEN_TEXT("Record", "cannot make the folder %1: %2"),
            { error.subject, error.message });
        break;
    case Error::Kind::NoGamesYet:
        why = CORVALEN_TEXT("Record", "no games recorded yet");
        break;
    case Error::Kind::Unreadable:
        why = CORVALEN_TEXT("Record", "cannot be read");
        break;
    case Error::Kind::NewerVersion:
        why = Format(CORVALEN_TEXT("Record",
                         "written by a newer version of Corvalen (record version %1); left as "
                         "it is"),
            { error.subject });
        break;
    case Error::Kind::NotARecord:
        why = CORVALEN_TEXT("Record", "not a Corvalen game record; left as it is");
        break;
    case Error::Kind::CannotDelete:
        why = Format(
            CORVALEN_TEXT("Record", "cannot delete %1: %2"), { error.subject, error.message });
        break;
    }
    return error.file.empty()
        ? why
        : Format(CORVALEN_TEXT("Record", "the game record %1: %2"), { error.file, why });
}

} // namespace corvalen
