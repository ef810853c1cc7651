#include "rules/Fen.h"
namespace corvalen {
std::optional<BoardState> BoardFromFen(std::string_view, std::string &error, std::string *)
{
    error = "not implemented";
    return std::nullopt;
}
std::string CastlingFromPlacement(const BoardState &) { return "-"; }
std::string FenFromBoard(const BoardState &) { return {}; }
}
