// corvalen-code: the position of a position code as FEN, its legal moves and its status, and
// the code of a FEN position. Every answer comes from the library's own decoder, encoder and
// rules.

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "code/CodeText.h"
#include "code/PositionCode.h"
#include "rules/Attack.h"
#include "rules/Fen.h"
#include "rules/MateTest.h"
#include "rules/MoveExecution.h"
#include "rules/San.h"
#include "rules/Turn.h"

using namespace corvalen;

namespace {

constexpr int ExitAnswered = 0;
constexpr int ExitDamagedCode = 1;
constexpr int ExitInvalidInput = 2;

constexpr std::string_view ToolHelp = R"(Usage: corvalen-code COMMAND [TEXT]

Shows a Corvalen position code in terms any chess program understands, or sets one up.

Commands:
  fen [TEXT]      the position of the code as FEN
  code FEN        the position code of a FEN position
  moves [TEXT]    the legal moves of the side to move, in UCI notation
  status [TEXT]   mate, check, stalemate or none

TEXT is anything that holds a position code as pasted from an e-mail: the prefix
CHESS-CODE: is required; case, quote marks, spaces and line breaks do not matter.
Without TEXT (or FEN) a command reads standard input and answers one line for every
line it reads.

Exit status: 0 when every input was answered, 1 when a code was missing or damaged
(its answer line reads "error: " and the reason), 2 for an invalid FEN or a usage error.

Run 'corvalen-code COMMAND --help' for more about a command.
)";

struct Answer {
    std::string line;
    int status = ExitAnswered; // the exit status this input asks for
    std::string warning; // for standard error, may be empty
};

struct Command {
    std::string_view name;
    std::string_view help;
    Answer (*answer)(std::string_view input);
};

Answer Failure(std::string reason, int status)
{
    return { "error: " + std::move(reason), status, {} };
}

// The decoded position of a pasted text, or the answer that says why there is none.
std::optional<DecodedCode> ReadPosition(std::string_view text, Answer &failure)
{
    const std::optional<std::string> characters = ExtractCodeCharacters(text);
    if (!characters) {
        failure = Failure(
            "no position code: the text does not begin with CHESS-CODE:", ExitDamagedCode);
        return std::nullopt;
    }
    DecodedCode decoded = DecodePositionCode(*characters);
    if (decoded.IsDamaged()) {
        failure = Failure("damaged code: " + decoded.reason, ExitDamagedCode);
        return std::nullopt;
    }
    // As a loaded position: the check mark belongs to the king the code names last.
    decoded.board.mbInCheck = IsSquareAttacked(decoded.kingSquare, decoded.board);
    return decoded;
}

Answer AnswerFen(std::string_view text)
{
    Answer failure;
    const std::optional<DecodedCode> decoded = ReadPosition(text, failure);
    if (!decoded)
        return failure;
    return { FenFromBoard(decoded->board), ExitAnswered, {} };
}

Answer AnswerMoves(std::string_view text)
{
    Answer failure;
    std::optional<DecodedCode> decoded = ReadPosition(text, failure);
    if (!decoded)
        return failure;
    BoardState &board = decoded->board;
    std::vector<std::string> moves;
    for (const Move &move : LegalMoves(board)) {
        const std::string uci = SquareName(move.from) + SquareName(move.to);
        if (IsPromotion(board, move.from, move.to)) {
            for (const char piece : { 'q', 'r', 'b', 'n' })
                moves.push_back(uci + piece);
        } else {
            moves.push_back(uci);
        }
    }
    std::sort(moves.begin(), moves.end());
    std::string line;
    for (const std::string &move : moves) {
        if (!line.empty())
            line += ' ';
        line += move;
    }
    return { line, ExitAnswered, {} };
}

Answer AnswerStatus(std::string_view text)
{
    Answer failure;
    std::optional<DecodedCode> decoded = ReadPosition(text, failure);
    if (!decoded)
        return failure;
    Turn turn;
    turn.Load(*decoded);
    return { StatusName(turn.Status()), ExitAnswered, {} };
}

// The castling letters in a fixed order, so that "qkQK" and "KQkq" agree.
std::string CanonicalCastling(std::string_view field)
{
    std::string letters;
    for (const char letter : { 'K', 'Q', 'k', 'q' })
        if (field.find(letter) != std::string_view::npos)
            letters += letter;
    return letters.empty() ? "-" : letters;
}

Answer AnswerCode(std::string_view fen)
{
    std::string error;
    std::string castling;
    const std::optional<BoardState> board = BoardFromFen(fen, error, &castling);
    if (!board)
        return Failure("invalid FEN: " + error, ExitInvalidInput);
    Answer answer { EncodePositionCode(*board, board->giToMove), ExitAnswered, {} };
    const std::string allowed = CastlingFromPlacement(*board);
    if (CanonicalCastling(castling) != CanonicalCastling(allowed))
        answer.warning = "castling field '" + castling
            + "' differs from what the placement allows ('" + allowed
            + "'); a position code carries no castling rights, castling follows the "
              "placement";
    return answer;
}

constexpr Command Commands[] = {
    { "fen", R"(Usage: corvalen-code fen [TEXT]

Prints the position of the code in TEXT as FEN: placement, side to move, the castling
field the placement allows (K when a white king stands on e1 and a white rook on h1,
and so on), the en-passant square when a capture onto it can count (else -), then 0 1.
Without TEXT, reads standard input and answers one line for every line.
A text without a code, or a damaged code, answers "error: " and the reason; the exit
status is then 1.
)",
        AnswerFen },
    { "code", R"(Usage: corvalen-code code FEN

Prints CHESS-CODE: and the code of the FEN position (lower case, with the FEN's side to
move). The castling field and the move counters are read but cannot travel in a code;
a warning on standard error says so when the castling field differs from what the
placement allows. Without FEN, reads standard input and answers one line for every line.
An invalid FEN is named on standard error (with FEN given) or on its answer line as
"error: " and the reason (from standard input); the exit status is then 2.
)",
        AnswerCode },
    { "moves", R"(Usage: corvalen-code moves [TEXT]

Prints every legal move of the side to move in the code in TEXT, in UCI notation (e2e4;
a promotion as the four moves e7e8q e7e8r e7e8b e7e8n), sorted and separated by single
spaces; an empty line when there is none. Castling reads as the king's move (e1g1).
Without TEXT, reads standard input and answers one line for every line.
A text without a code, or a damaged code, answers "error: " and the reason; the exit
status is then 1.
)",
        AnswerMoves },
    { "status", R"(Usage: corvalen-code status [TEXT]

Prints one word for the position of the code in TEXT: mate, check, stalemate or none.
Without TEXT, reads standard input and answers one line for every line.
A text without a code, or a damaged code, answers "error: " and the reason; the exit
status is then 1.
)",
        AnswerStatus },
};

const Command *FindCommand(std::string_view name)
{
    for (const Command &command : Commands)
        if (command.name == name)
            return &command;
    return nullptr;
}

bool IsHelp(std::string_view argument)
{
    return argument == "--help" || argument == "-h";
}

int AnswerArguments(const Command &command, int argc, char **argv)
{
    // Arguments are joined, so an unquoted FEN or a code split by spaces still reads.
    std::string input;
    for (int i = 2; i < argc; ++i) {
        if (i > 2)
            input += ' ';
        input += argv[i];
    }
    const Answer answer = command.answer(input);
    if (!answer.warning.empty())
        std::cerr << "warning: " << answer.warning << '\n';
    if (answer.status == ExitInvalidInput) {
        std::cerr << answer.line << '\n';
        return answer.status;
    }
    std::cout << answer.line << '\n';
    return answer.status;
}

int AnswerLines(const Command &command)
{
    int status = ExitAnswered;
    std::string line;
    long lineNumber = 0;
    while (std::getline(std::cin, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const Answer answer = command.answer(line);
        if (!answer.warning.empty())
            std::cerr << "warning: line " << lineNumber << ": " << answer.warning << '\n';
        std::cout << answer.line << '\n';
        status = std::max(status, answer.status);
    }
    return status;
}

} // namespace

int main(int argc, char **argv)
{
    std::ios::sync_with_stdio(false);
    if (argc < 2) {
        std::cerr << ToolHelp;
        return ExitInvalidInput;
    }
    const std::string_view name = argv[1];
    if (IsHelp(name) || name == "help") {
        std::cout << ToolHelp;
        return ExitAnswered;
    }
    const Command *command = FindCommand(name);
    if (!command) {
        std::cerr << "corvalen-code: unknown command '" << name
                  << "'; run 'corvalen-code --help' for the list\n";
        return ExitInvalidInput;
    }
    if (argc > 2 && IsHelp(argv[2])) {
        std::cout << command->help;
        return ExitAnswered;
    }
    return argc > 2 ? AnswerArguments(*command, argc, argv) : AnswerLines(*command);
}
