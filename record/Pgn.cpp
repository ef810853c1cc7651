#include "record/Pgn.h"

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

} // namespace

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
    std::string pgn = Tag("Event", "Corvalen e-mail game") + Tag("Site", "?")
        + Tag("Date", game.date) + Tag("Round", "-") + Tag("White", "?") + Tag("Black", "?")
        + Tag("Result", game.result);
    if (!game.setUpFen.empty())
        pgn += Tag("SetUp", "1") + Tag("FEN", game.setUpFen);
    pgn += '\n';

    std::vector<std::string> tokens = MoveTokens(game.firstMover, game.sans);
    tokens.push_back(game.result);
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
