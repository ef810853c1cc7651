#include "record/Pgn.h"

#include "record/Names.h"

namespace corvalen {

namespace {

    constexpr size_t MaxLineLength = 79;

    // The move text as PGN tokens: move numbers and moves, separately.
    std::vector<std::string> MoveTokens(int16_t firstMover, const std::vector<std::string> &sans)
    {
        std::vector<std::string> tokens;
        int number = 1;
        int16_t mover = firstMover;
        for (size_t i = 0; i < sans.size(); ++i) {
            if (mover == White)
                tokens.push_back(std::to_string(number) + ".");
            else if (i == 0)
                tokens.push_back(std::to_string(number) + "...");
            tokens.push_back(sans[i]);
            if (mover == Black)
                ++number;
            mover = Opponent(mover);
        }
        return tokens;
    }

    std::string Tag(const char *name, const std::string &value)
    {
        std::string escaped;
        for (const char c : value) {
            if (c == '"' || c == '\\')
                escaped += '\\';
            escaped += c;
        }
        return std::string("[") + name + " \"" + escaped + "\"]\n";
    }

    // "YYYY.MM.DD", digits where the letters are.
    bool IsPgnDate(const std::string &date)
    {
        if (date.size() != 10)
            return false;
        for (size_t i = 0; i < date.size(); ++i)
            if (i == 4 || i == 7 ? date[i] != '.' : date[i] < '0' || date[i] > '9')
                return false;
        return true;
    }

    std::string NameOrUnknown(const std::string &name)
    {
        const std::string clean = CleanName(name);
        return clean.empty() ? "?" : clean;
    }

} // namespace

Result EndingResult(GameEnding ending)
{
    switch (ending) {
    case GameEnding::WhiteResigned:
        return Result::BlackWins;
    case GameEnding::BlackResigned:
        return Result::WhiteWins;
    case GameEnding::DrawAgreed:
    case GameEnding::ThreefoldClaimed:
    case GameEnding::FiftyMovesClaimed:
        return Result::Draw;
    case GameEnding::None:
        break;
    }
    return Result::Unfinished;
}

std::string EndingComment(GameEnding ending)
{
    switch (ending) {
    case GameEnding::WhiteResigned:
        return "White resigns.";
    case GameEnding::BlackResigned:
        return "Black resigns.";
    case GameEnding::DrawAgreed:
        return "Draw agreed.";
    case GameEnding::ThreefoldClaimed:
        return "Draw claimed: " + DrawClaimName(DrawClaim::Threefold) + '.';
    case GameEnding::FiftyMovesClaimed:
        return "Draw claimed: " + DrawClaimName(DrawClaim::FiftyMoves) + '.';
    case GameEnding::None:
        break;
    }
    return {};
}

GameEnding ClaimEnding(DrawClaim claim)
{
    switch (claim) {
    case DrawClaim::Threefold:
        return GameEnding::ThreefoldClaimed;
    case DrawClaim::FiftyMoves:
        return GameEnding::FiftyMovesClaimed;
    case DrawClaim::None:
        break;
    }
    return GameEnding::None;
}

std::string NumberedMoveText(int16_t firstMover, const std::vector<std::string> &sans)
{
    std::string text;
    for (const std::string &token : MoveTokens(firstMover, sans)) {
        if (!text.empty())
            text += ' ';
        text += token;
    }
    return text;
}

std::string WritePgn(const PgnGame &game)
{
    // An ending the writer does not know (a record from a later version, or edited by hand)
    // is left out.
    const bool ended = !game.stopsAtIllegalMove && !EndingComment(game.ending).empty();
    const std::string result = ResultText(game.stopsAtIllegalMove ? Result::Unfinished
            : ended                                               ? EndingResult(game.ending)
                                                                  : game.result);
    std::string pgn = Tag("Event", "Corvalen e-mail game") + Tag("Site", "?")
        + Tag("Date", IsPgnDate(game.date) ? game.date : "????.??.??") + Tag("Round", "-")
        + Tag("White", NameOrUnknown(game.white)) + Tag("Black", NameOrUnknown(game.black))
        + Tag("Result", result);
    if (!game.setUpFen.empty())
        pgn += Tag("SetUp", "1") + Tag("FEN", game.setUpFen);
    if (ended)
        pgn += Tag("Termination", "normal");
    pgn += '\n';

    std::vector<std::string> tokens = MoveTokens(game.firstMover, game.sans);
    if (game.stopsAtIllegalMove)
        tokens.push_back("{the record holds no legal move here}");
    if (ended)
        tokens.push_back('{' + EndingComment(game.ending) + '}');
    tokens.push_back(result);
    std::string line;
    for (const std::string &token : tokens) {
        if (!line.empty() && line.size() + 1 + token.size() > MaxLineLength) {
            pgn += line + '\n';
            line.clear();
        }
        line += (line.empty() ? "" : " ") + token;
    }
    return pgn + line + "\n\n";
}

} // namespace corvalen
