#include "rules/Fen.h"

#include <vector>

#include "rules/Attack.h"
#include "rules/MoveLegality.h"
#include "rules/San.h"

namespace corvalen {

namespace {

    // The most pieces a position code can carry.
    constexpr int MaxPieces = 32;

    std::vector<std::string_view> SplitFields(std::string_view text)
    {
        std::vector<std::string_view> fields;
        size_t position = 0;
        while (position < text.size()) {
            while (position < text.size() && (text[position] == ' ' || text[position] == '\t'))
                ++position;
            size_t end = position;
            while (end < text.size() && text[end] != ' ' && text[end] != '\t')
                ++end;
            if (end > position)
                fields.push_back(text.substr(position, end - position));
            position = end;
        }
        return fields;
    }

    PieceType PieceFromLetter(char letter)
    {
        switch (letter | 0x20) {
        case 'p':
            return Pawn;
        case 'r':
            return Rook;
        case 'n':
            return Knight;
        case 'b':
            return Bishop;
        case 'q':
            return Queen;
        case 'k':
            return King;
        default:
            return PieceType::None;
        }
    }

    std::string Quoted(std::string_view text)
    {
        return "'" + std::string(text) + "'";
    }

    // What is wrong with the placement; empty when it is sound.
    std::string ReadPlacement(std::string_view placement, BoardState &board)
    {
        int row = 0;
        int column = 0;
        int pieces = 0;
        for (const char c : placement) {
            const std::string rank = std::to_string(8 - row);
            if (c == '/') {
                if (column != 8)
                    return "rank " + rank + " has " + std::to_string(column) + " squares";
                if (++row > 7)
                    return "placement has more than 8 ranks";
                column = 0;
            } else if (c >= '1' && c <= '8') {
                column += c - '0';
            } else {
                const PieceType piece = PieceFromLetter(c);
                if (piece == PieceType::None)
                    return "unknown piece letter " + Quoted(std::string_view(&c, 1));
                if (column < 8)
                    board.PutPiece(SquareAt(row, column), piece, c >= 'a' ? Black : White);
                ++column;
                ++pieces;
            }
        }
        if (column != 8)
            return "rank " + std::to_string(8 - row) + " has " + std::to_string(column)
                + " squares";
        if (row != 7)
            return "placement has " + std::to_string(row + 1) + " ranks, not 8";
        if (pieces == 0)
            return "no pieces";
        if (pieces > MaxPieces)
            return std::to_string(pieces) + " pieces, more than " + std::to_string(MaxPieces);
        return {};
    }

    bool IsCastlingField(std::string_view field)
    {
        if (field == "-")
            return true;
        std::string seen;
        for (const char c : field) {
            if (std::string_view("KQkq").find(c) == std::string_view::npos
                || seen.find(c) != std::string::npos)
                return false;
            seen += c;
        }
        return true;
    }

    bool IsCounter(std::string_view field)
    {
        if (field.empty() || field.size() > 9)
            return false;
        for (const char c : field)
            if (c < '0' || c > '9')
                return false;
        return true;
    }

} // namespace

Outcome<BoardState> BoardFromFen(std::string_view fen, std::string *castlingField)
{
    const std::vector<std::string_view> fields = SplitFields(fen);
    if (fields.empty())
        return Error::Failure("empty FEN");
    if (fields.size() > 6)
        return Error::Failure("more than 6 fields");
    BoardState board;
    if (std::string wrong = ReadPlacement(fields[0], board); !wrong.empty())
        return Error::Failure(wrong);
    if (fields.size() > 1) {
        if (fields[1] != "w" && fields[1] != "b")
            return Error::Failure("side to move must be w or b, not " + Quoted(fields[1]));
        board.giToMove = fields[1] == "w" ? White : Black;
    }
    std::string castling = "-";
    if (fields.size() > 2) {
        if (!IsCastlingField(fields[2]))
            return Error::Failure("bad castling field " + Quoted(fields[2]));
        castling = std::string(fields[2]);
    }
    if (fields.size() > 3 && fields[3] != "-") {
        const std::string_view square = fields[3];
        if (square.size() != 2 || square[0] < 'a' || square[0] > 'h' || square[1] < '1'
            || square[1] > '8')
            return Error::Failure("bad en-passant square " + Quoted(square));
        board.miEnPassant = SquareAt('8' - square[1], square[0] - 'a');
    }
    if (fields.size() > 4 && !IsCounter(fields[4]))
        return Error::Failure("bad halfmove clock " + Quoted(fields[4]));
    if (fields.size() > 5 && !IsCounter(fields[5]))
        return Error::Failure("bad move number " + Quoted(fields[5]));
    if (castlingField)
        *castlingField = castling;
    return board;
}

std::string CastlingFromPlacement(const BoardState &board)
{
    auto allows = [&board](Colour colour, CastlingSide side) {
        const Square king = KingHome(colour);
        const Square rook = RookHome(colour, side);
        return board.Piece(king) == King && board.ColourOn(king) == colour
            && board.Piece(rook) == Rook && board.ColourOn(rook) == colour;
    };
    std::string field;
    if (allows(White, KingSide))
        field += 'K';
    if (allows(White, QueenSide))
        field += 'Q';
    if (allows(Black, KingSide))
        field += 'k';
    if (allows(Black, QueenSide))
        field += 'q';
    return field.empty() ? "-" : field;
}

std::string FenFromBoard(const BoardState &board)
{
    static constexpr char Letters[] = "prnbqk";
    std::string fen;
    for (int row = 0; row < 8; ++row) {
        int emptyRun = 0;
        for (int column = 0; column < 8; ++column) {
            const Square square = SquareAt(row, column);
            const PieceType piece = board.Piece(square);
            if (piece == PieceType::None) {
                ++emptyRun;
                continue;
            }
            if (emptyRun > 0)
                fen += static_cast<char>('0' + emptyRun);
            emptyRun = 0;
            const char letter = Letters[PieceNumber(piece)];
            fen += board.ColourOn(square) == White ? static_cast<char>(letter - 'a' + 'A') : letter;
        }
        if (emptyRun > 0)
            fen += static_cast<char>('0' + emptyRun);
        if (row < 7)
            fen += '/';
    }
    fen += board.giToMove == White ? " w " : " b ";
    fen += CastlingFromPlacement(board);
    fen += ' ';
    fen += IsUsableEnPassantSquare(board) ? SquareName(board.miEnPassant) : "-";
    fen += " 0 1";
    return fen;
}

BoardState StandardStart()
{
    return *BoardFromFen(StandardStartFen);
}

} // namespace corvalen
