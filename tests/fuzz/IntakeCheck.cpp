#include "IntakeCheck.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "code/CodeText.h"
#include "code/PositionCode.h"
#include "rules/Attack.h"
#include "rules/MateTest.h"
#include "rules/MoveExecution.h"
#include "rules/MoveLegality.h"

namespace corvalen {

namespace {

    std::string Describe(const BoardState &board)
    {
        std::string text;
        for (const std::string &row : DumpBoard(board))
            text += row + '/';
        text += board.giToMove == White ? " w" : " b";
        text += " ep=" + std::to_string(board.miEnPassant);
        return text;
    }

    bool IsKeptCharacter(char c)
    {
        return c == '-' || (c >= '0' && c <= ':') || (c >= 'A' && c <= 'V');
    }

    int CountPieces(const BoardState &board)
    {
        int count = 0;
        for (int16_t square = 0; square < 64; ++square)
            count += board.IsEmpty(square) ? 0 : 1;
        return count;
    }

    // The square of the only king of `colour`, NoSquare when there is none or more than one.
    int16_t OnlyKing(const BoardState &board, int16_t colour)
    {
        int16_t found = NoSquare;
        for (int16_t square = 0; square < 64; ++square) {
            if (board.Piece(square) == King && board.Colour(square) == colour) {
                if (found != NoSquare)
                    return NoSquare;
                found = square;
            }
        }
        return found;
    }

    std::string CheckBoardShape(const BoardState &board)
    {
        if (board.giToMove != White && board.giToMove != Black)
            return "side to move " + std::to_string(board.giToMove);
        if (board.miEnPassant != NoSquare && !IsOnBoard(board.miEnPassant))
            return "en-passant square " + std::to_string(board.miEnPassant);
        for (int16_t square = 0; square < 64; ++square) {
            const int16_t piece = board.Piece(square);
            const int16_t colour = board.Colour(square);
            const bool empty = piece == Empty && colour == Empty;
            const bool piece_ok
                = piece >= Pawn && piece <= King && (colour == White || colour == Black);
            if (!empty && !piece_ok)
                return "square " + std::to_string(square) + " holds piece " + std::to_string(piece)
                    + " colour " + std::to_string(colour);
        }
        const int count = CountPieces(board);
        if (count < 1 || count > 32)
            return std::to_string(count) + " pieces on the board";
        return {};
    }

    // Encodes `board` with `sideToMove`, reads the text back through the intake and expects
    // exactly `expected`.
    std::string CheckRoundTrip(
        const BoardState &board, int16_t sideToMove, const BoardState &expected)
    {
        const std::string text = EncodePositionCode(board, sideToMove);
        const std::optional<std::string> code = ExtractCodeCharacters(text);
        if (!code)
            return "the intake finds no code in the encoder's text " + text;
        const std::size_t pieces = static_cast<std::size_t>(CountPieces(board));
        if (code->size() != 2 * pieces + 3)
            return "encoded " + std::to_string(pieces) + " pieces into "
                + std::to_string(code->size()) + " characters: " + text;
        const DecodedCode again = DecodePositionCode(*code);
        if (again.IsDamaged())
            return "the encoder's text " + text + " decodes as damaged: " + again.reason;
        if (!(again.board == expected))
            return "round trip of " + Describe(expected) + " gives " + Describe(again.board)
                + " via " + text;
        return {};
    }

    std::string CheckMove(const BoardState &board, const Move &move, int16_t promotionPiece)
    {
        const std::string name = std::to_string(move.from) + "-" + std::to_string(move.to) + "="
            + std::to_string(promotionPiece) + " on " + Describe(board);
        const int16_t mover = board.giToMove;
        const int16_t movingPiece = board.Piece(move.from);
        const bool promotion = IsPromotion(board, move.from, move.to);
        BoardState after = board;
        const MoveOutcome outcome = CarryOutMove(after, move.from, move.to, promotionPiece);

        if (after.giToMove != mover || after.mbInCheck != board.mbInCheck)
            return "the move changed the side to move or the check flag: " + name;
        if (std::string shape = CheckBoardShape(after); !shape.empty())
            return "after " + name + ": " + shape;
        if (outcome.changedCount < 2 || outcome.changedCount > 4)
            return std::to_string(outcome.changedCount) + " changed squares for " + name;
        for (int i = 0; i < outcome.changedCount; ++i) {
            if (!IsOnBoard(outcome.changedSquares[static_cast<std::size_t>(i)]))
                return "changed square off the board for " + name;
        }
        if (!after.IsEmpty(move.from) || after.Colour(move.to) != mover)
            return "piece not moved by " + name + ": " + Describe(after);
        const int16_t expectedPiece = promotion ? promotionPiece : movingPiece;
        if (after.Piece(move.to) != expectedPiece)
            return "wrong piece on the destination after " + name + ": " + Describe(after);
        const int lost = CountPieces(board) - CountPieces(after);
        if (lost != 0 && lost != 1)
            return std::to_string(lost) + " pieces gone after " + name;
        for (int16_t square = 0; square < 64; ++square) {
            if (board.Colour(square) == mover && square != move.from
                && after.Colour(square) != mover
                && !(outcome.castled && board.Piece(square) == Rook))
                return "own piece on " + std::to_string(square) + " lost by " + name;
        }
        const int16_t king = OnlyKing(after, mover);
        if (king != NoSquare && IsSquareAttacked(king, after))
            return "legal move leaves the king attacked: " + name + " gives " + Describe(after);

        // What the opponent receives: the board after the move with the opponent to move.
        BoardState received = after;
        received.giToMove = Opponent(mover);
        received.mbInCheck = false;
        if (received.miEnPassant != NoSquare && !IsUsableEnPassantSquare(received))
            return "the move left an en-passant square no capture can use: " + name + " gives "
                + Describe(received);
        return CheckRoundTrip(after, Opponent(mover), received);
    }

} // namespace

std::string CheckIntake(std::string_view text)
{
    const std::optional<std::string> code = ExtractCodeCharacters(text);
    if (!code)
        return {};
    if (!std::all_of(code->begin(), code->end(), IsKeptCharacter))
        return "the intake kept a character outside the code alphabet: " + *code;

    const DecodedCode decoded = DecodePositionCode(*code);
    std::string lower = *code;
    std::transform(lower.begin(), lower.end(), lower.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const DecodedCode decodedLower = DecodePositionCode(lower);
    if (decodedLower.damage != decoded.damage || !(decodedLower.board == decoded.board)
        || decodedLower.kingSquare != decoded.kingSquare)
        return "lower case decodes differently: " + *code;
    if (decoded.IsDamaged())
        return decoded.reason.empty() ? "a damaged code without a reason: " + *code : std::string();

    BoardState board = decoded.board;
    if (std::string shape = CheckBoardShape(board); !shape.empty())
        return "decoded " + *code + ": " + shape;
    if (board.mbInCheck)
        return "decoding set the check flag";
    if (decoded.kingSquare != NoSquare
        && (!IsOnBoard(decoded.kingSquare) || board.Piece(decoded.kingSquare) != King
            || board.Colour(decoded.kingSquare) != board.giToMove))
        return "king square " + std::to_string(decoded.kingSquare)
            + " holds no king of the side to move: " + Describe(board) + " from " + *code;

    const BoardState loaded = board;
    for (int16_t square = NoSquare; square < 64; ++square) {
        IsSquareAttacked(square, board);
        if (!(board == loaded))
            return "the attack test changed the board at square " + std::to_string(square);
    }
    // As the window does when it loads a position.
    board.mbInCheck = decoded.kingSquare != NoSquare && IsSquareAttacked(decoded.kingSquare, board);
    const BoardState checked = board;

    const bool mate = IsCheckmate(board);
    if (!(board == checked))
        return "the mate test changed the board: " + Describe(checked);
    const bool stalemate = IsStalemate(board);
    if (!(board == checked))
        return "the stalemate test changed the board: " + Describe(checked);
    const bool anyMove = HasLegalMove(board);
    if (!(board == checked))
        return "the legal-move test changed the board: " + Describe(checked);
    const std::vector<Move> moves = LegalMoves(board);
    if (!(board == checked))
        return "listing the legal moves changed the board: " + Describe(checked);

    if (anyMove == moves.empty())
        return "HasLegalMove disagrees with LegalMoves on " + Describe(checked);
    if (mate != (board.mbInCheck && moves.empty()))
        return "mate answer " + std::to_string(mate) + " on " + Describe(checked);
    if (mate && stalemate)
        return "both mate and stalemate on " + Describe(checked);
    if (stalemate && !moves.empty())
        return "stalemate with a legal move on " + Describe(checked);

    if (std::string trip = CheckRoundTrip(board, board.giToMove, loaded); !trip.empty())
        return trip;

    for (const Move &move : moves) {
        if (!IsOnBoard(move.from) || !IsOnBoard(move.to)
            || board.Colour(move.from) != board.giToMove)
            return "listed move " + std::to_string(move.from) + "-" + std::to_string(move.to)
                + " is not a move of the side to move on " + Describe(checked);
        if (!IsValidMove(board, move.from, move.to))
            return "listed move " + std::to_string(move.from) + "-" + std::to_string(move.to)
                + " is refused by IsValidMove on " + Describe(checked);
        if (!(board == checked))
            return "IsValidMove changed the board: " + Describe(checked);
        if (IsPromotion(board, move.from, move.to)) {
            for (int16_t piece : { Rook, Knight, Bishop, Queen }) {
                if (std::string failure = CheckMove(board, move, piece); !failure.empty())
                    return failure;
            }
        } else if (std::string failure = CheckMove(board, move, Queen); !failure.empty()) {
            return failure;
        }
    }
    return {};
}

} // namespace corvalen
