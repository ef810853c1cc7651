#include "record/GameRows.h"

#include <cstdlib>

#include "code/PositionCode.h"
#include "rules/Fen.h"
#include "rules/San.h"

namespace corvalen::record {

const std::string &StandardFen()
{
    static const std::string fen = FenFromBoard(DecodePositionCode(StartingCode).board);
    return fen;
}

int16_t SideOfFen(const std::string &fen)
{
    const size_t space = fen.find(' ');
    return space != std::string::npos && fen.compare(space, 2, " b") == 0 ? Black : White;
}

std::string DateOf(const std::string &isoTime)
{
    return isoTime.substr(0, 10);
}

std::string NumberedPly(int16_t firstMover, int64_t ply, const std::string &san)
{
    const int64_t half = ply + (firstMover == Black ? 1 : 0);
    return NumberedMove(static_cast<int>(half / 2 + 1), half % 2 == 0 ? White : Black, san);
}

Result ResultOf(GameStatus status, int16_t sideToMove)
{
    if (status == GameStatus::Mate)
        return sideToMove == White ? Result::BlackWins : Result::WhiteWins;
    return status == GameStatus::Stalemate ? Result::Draw : Result::Unfinished;
}

std::string MarksText(const std::vector<int16_t> &marks)
{
    std::string text;
    for (const int16_t square : marks)
        text += (text.empty() ? "" : " ") + std::to_string(square);
    return text;
}

std::vector<int16_t> MarksOf(const std::string &text)
{
    std::vector<int16_t> marks;
    const char *position = text.c_str();
    char *end = nullptr;
    for (long square = std::strtol(position, &end, 10); end != position;
         square = std::strtol(position, &end, 10)) {
        if (IsOnBoard(static_cast<int>(square)))
            marks.push_back(static_cast<int16_t>(square));
        position = end;
    }
    return marks;
}

} // namespace corvalen::record
