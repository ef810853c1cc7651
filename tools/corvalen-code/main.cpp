// corvalen-code: the position of a position code as FEN, its legal moves and its status, and
// the code of a FEN position; the games of the game record as a list and as PGN. Every answer
// comes from the library's own decoder, encoder, rules and record. The record is only read.

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

#include "code/CodeText.h"
#include "code/PositionCode.h"
#include "game/RecordWords.h"
#include "record/GameRecord.h"
#include "record/RecordPaths.h"
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
  games           the games of the game record, the most recently played first
  pgn [ID|all]    a game of the record (default: the one played last), or all, as PGN

TEXT is anything that holds a position code as pasted from an e-mail: the prefix
CHESS-CODE: is required; case, quote marks, spaces and line breaks do not matter.
Without TEXT (or FEN) a command reads standard input and answers one line for every
line it reads.

Exit status: 0 when every input was answered, 1 when a code was missing or damaged
(its answer line reads "error: " and the reason) or the game record cannot be read,
2 for an invalid FEN or a usage error.

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

// The loaded position of a pasted text, as the program loads it (its status known and the
// check mark on the king the code names), or the answer that says why there is none.
std::optional<Turn> ReadPosition(std::string_view text, Answer &failure)
{
    const CodeIntake intake = ReadCodeText(text);
    switch (intake.kind) {
    case CodeIntake::Kind::NoCode:
        failure = Failure(
            "no position code: the text does not begin with CHESS-CODE:", ExitDamagedCode);
        return std::nullopt;
    case CodeIntake::Kind::Damaged:
        failure = Failure("damaged code: " + intake.decoded.reason, ExitDamagedCode);
        return std::nullopt;
    case CodeIntake::Kind::Sound:
        break;
    }
    Turn turn;
    turn.Load(intake.decoded.board, intake.decoded.kingSquare);
    return turn;
}

Answer AnswerFen(std::string_view text)
{
    Answer failure;
    const std::optional<Turn> turn = ReadPosition(text, failure);
    if (!turn)
        return failure;
    return { FenFromBoard(turn->Loaded()), ExitAnswered, {} };
}

Answer AnswerMoves(std::string_view text)
{
    Answer failure;
    const std::optional<Turn> turn = ReadPosition(text, failure);
    if (!turn)
        return failure;
    BoardState board = turn->Loaded();
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
    const std::optional<Turn> turn = ReadPosition(text, failure);
    if (!turn)
        return failure;
    return { StatusName(turn->Status()), ExitAnswered, {} };
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

// The commands that read the game record: arguments in, exit status out.
struct RecordCommand {
    std::string_view name;
    std::string_view help;
    int (*run)(std::string_view argument);
};

constexpr std::string_view RecordHelpTail = R"help(
The game record is $XDG_DATA_HOME/corvalen/games.sqlite (by default
~/.local/share/corvalen/games.sqlite); the program keeps it once the player turns it on
in the Game dialog. It is opened read-only and never changed, also when an older version
of the program wrote it (the program upgrades it when it first opens it). Without it the
command prints "error: no game record (turn it on in the Game dialog)" on standard error
and the exit status is 1.
)help";

// The record opened read-only, or nullptr after telling why on standard error.
std::unique_ptr<GameRecord> OpenRecord()
{
    const std::string path = RecordFilePath();
    if (access(path.c_str(), F_OK) != 0) {
        std::cerr << "error: no game record (turn it on in the Game dialog)\n";
        return nullptr;
    }
    Outcome<std::unique_ptr<GameRecord>> record = GameRecord::Open(path, RecordAccess::ReadOnly);
    if (!record) {
        std::cerr << "error: " << WordRecordError(record.Why()) << '\n';
        return nullptr;
    }
    return std::move(*record);
}

// A text from the record as one field of a tab-separated line: every tab, line break and other
// control character a space.
std::string OneField(std::string text)
{
    for (char &c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    return text;
}

int ListGames(std::string_view argument)
{
    if (!argument.empty()) {
        std::cerr << "corvalen-code games: takes no argument\n";
        return ExitInvalidInput;
    }
    std::unique_ptr<GameRecord> record = OpenRecord();
    if (!record)
        return ExitDamagedCode;
    const Outcome<std::vector<GameSummary>> games = record->ListGames();
    if (!games) {
        std::cerr << "error: " << WordRecordError(games.Why()) << '\n';
        return ExitDamagedCode;
    }
    for (const GameSummary &game : *games)
        std::cout << game.id << '\t' << OneField(game.startDate) << '\t'
                  << (game.localSide == White ? "white" : "black") << '\t' << game.plies << '\t'
                  << (game.lastSan.empty() ? "-" : OneField(game.lastSan)) << '\t'
                  << ResultText(game.result) << '\t' << OneField(game.opponent) << '\t'
                  << (IsFinished(game.result)                ? ""
                             : game.toMove == game.localSide ? "yours"
                                                             : "theirs")
                  << '\n';
    return ExitAnswered;
}

int WriteGames(std::string_view argument)
{
    int64_t wanted = 0;
    if (!argument.empty() && argument != "all") {
        const std::string number(argument);
        char *end = nullptr;
        wanted = std::strtoll(number.c_str(), &end, 10);
        if (*end != '\0' || wanted <= 0) {
            std::cerr << "corvalen-code pgn: '" << argument
                      << "' is neither a game number nor all\n";
            return ExitInvalidInput;
        }
    }
    std::unique_ptr<GameRecord> record = OpenRecord();
    if (!record)
        return ExitDamagedCode;
    std::vector<int64_t> ids;
    if (wanted > 0) {
        ids.push_back(wanted);
    } else {
        const Outcome<std::vector<GameSummary>> games = record->ListGames();
        if (!games) {
            std::cerr << "error: " << WordRecordError(games.Why()) << '\n';
            return ExitDamagedCode;
        }
        for (const GameSummary &game : *games)
            ids.push_back(game.id);
        if (ids.empty()) {
            std::cerr << "error: the game record holds no games\n";
            return ExitDamagedCode;
        }
        if (argument.empty())
            ids.resize(1);
    }
    std::string text;
    for (const int64_t id : ids) {
        const Outcome<std::string> pgn = record->Pgn(id);
        if (!pgn) {
            std::cerr << "error: " << WordRecordError(pgn.Why()) << '\n';
            return ExitDamagedCode;
        }
        text += *pgn;
    }
    std::cout << text;
    return ExitAnswered;
}

constexpr RecordCommand RecordCommands[] = {
    { "games", R"(Usage: corvalen-code games

Prints one line for every game of the game record, the most recently played first, with
these fields separated by tabs: the game's number, the day it started (YYYY-MM-DD, UTC),
the side you play (white or black), the number of moves recorded (plies), the last move
in SAN (- when none), the result (*, 1-0, 0-1 or 1/2-1/2), the opponent's name (empty
when unknown) and whose move the game waits for (yours or theirs; empty once it has a
result). A tab or line break inside a field is written as a space.
)",
        ListGames },
    { "pgn", R"(Usage: corvalen-code pgn [ID|all]

Prints a game of the game record as PGN: the game numbered ID (the first field of
'corvalen-code games'), without ID the game played most recently, with all every game,
the most recently played first. An unknown ID is an error (exit status 1). White and
Black are your name (as the program last set it) and the opponent's, ? when unknown; a
resignation, agreed draw or claimed draw gives the result, Termination "normal" and a
comment such as {White resigns.}. The moves are replayed from the game's start: a move
the record holds that is not legal there ends the move text with the comment {the
record holds no legal move here} and the result *.
)",
        WriteGames },
};

const RecordCommand *FindRecordCommand(std::string_view name)
{
    for (const RecordCommand &command : RecordCommands)
        if (command.name == name)
            return &command;
    return nullptr;
}

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
    if (const RecordCommand *command = FindRecordCommand(name)) {
        if (argc > 2 && IsHelp(argv[2])) {
            std::cout << command->help << RecordHelpTail;
            return ExitAnswered;
        }
        if (argc > 3) {
            std::cerr << "corvalen-code " << name << ": too many arguments\n";
            return ExitInvalidInput;
        }
        return command->run(argc > 2 ? argv[2] : "");
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
