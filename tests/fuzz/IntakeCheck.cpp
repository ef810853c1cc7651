#include "IntakeCheck.h"

#include "code/CodeText.h"
#include "code/PositionCode.h"
#include "rules/Attack.h"
#include "rules/MateTest.h"
#include "rules/MoveExecution.h"
#include "rules/MoveLegality.h"
#include "rules/San.h"

namespace corvalen {

namespace {

    std::string Describe(const BoardState &board)
    {
        std::string text;
        for (const std::string &row : DumpBoard(board))
            text += row + '/';
        return text + (board.giToMove == White ? " w ep " : " b ep ")
            + std::to_string(SquareNumber(board.miEnPassant));
    }

    // Empty when a code carries the board to its receiver unchanged: 1 to 32 pieces of codes 0..5
    // and colours 0 and 1, and the decoded code gives the board back with `sideToMove` to move.
    std::string CheckSending(const BoardState &board, Colour sideToMove)
    {
        int count = 0;
        for (const Square square : AllSquares) {
            const int piece = PieceNumber(board.Piece(square));
            const int colour = ColourNumber(board.ColourOn(square));
            count += piece != -1;
            if ((piece == -1) != (colour == -1) || piece > 5 || colour > 1)
                return "impossible square " + SquareName(square) + " on " + Describe(board);
        }
        BoardState expected = board;
        expected.giToMove = sideToMove;
        const std::string text = EncodePositionCode(board, sideToMove);
        const std::optional<std::string> code = ExtractCodeCharacters(text);
        if (count < 1 || count > 32 || !code || !(DecodePositionCode(*code).board == expected))
            return "sending " + Describe(expected) + " as " + text + " fails";
        return {};
    }

} // namespace

std::string CheckIntake(std::string_view text)
{
    const std::optional<std::string> code = ExtractCodeCharacters(text);
    if (!code)
        return {};
    for (const char c : *code)
        if (c != '-' && (c < '0' || c > ':') && (c < 'A' || c > 'V'))
            return "the intake kept a character outside the code alphabet: " + *code;
    std::string lower = *code;
    for (char &c : lower)
        c = c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
    const DecodedCode decoded = DecodePositionCode(*code), decodedLower = DecodePositionCode(lower);
    if (decodedLower.damage != decoded.damage || !(decodedLower.board == decoded.board)
        || decodedLower.kingSquare != decoded.kingSquare)
        return "lower case decodes differently: " + *code;
    if (decoded.IsDamaged())
        return decoded.reason.empty() ? "a damaged code without a reason: " + *code : std::string();

    const BoardState &board = decoded.board;
    if (decoded.kingSquare != NoSquare
        && (board.Piece(decoded.kingSquare) != King
            || board.ColourOn(decoded.kingSquare) != board.giToMove))
        return "the king square holds no king of the side to move: " + Describe(board);
    const bool mate = IsCheckmate(board), stalemate = IsStalemate(board),
               anyMove = HasLegalMove(board);
    const std::vector<Move> moves = LegalMoves(board);
    if (anyMove == moves.empty() || mate != (InCheck(board) && moves.empty())
        || (stalemate && !moves.empty()))
        return "the end-of-game tests disagree on " + Describe(board);
    if (std::string failure = CheckSending(board, board.giToMove); !failure.empty())
        return failure;
    for (Move move : moves) {
        if (board.ColourOn(move.from) != board.giToMove || !IsValidMove(board, move))
            return "listed move " + MoveCoordinates(move) + " is refused on " + Describe(board);
        move.promotion = IsPromotion(board, move) ? Knight : PieceType::None;
        BoardState after = board;
        CarryOutMove(after, move);
        if (std::string failure = CheckSending(after, Opponent(board.giToMove)); !failure.empty())
            return failure;
    }
    return {};
}

} // namespace corvalen
