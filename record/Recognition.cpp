#include "record/Recognition.h"

#include <array>

#include "code/PositionCode.h"
#include "rules/Fen.h"
#include "rules/MoveExecution.h"
#include "rules/MoveLegality.h"
#include "rules/San.h"

namespace corvalen::record {

namespace {

    // A loaded position this many squares or fewer away from a sent one is taken for a reply
    // that went wrong rather than for another game.
    constexpr int MaxDifferingSquares = 8;
    // One move changes at most four squares (castling).
    constexpr int MaxSquaresOneMove = 4;

    // The 64 squares of a FEN placement, one letter or '.' each.
    std::array<char, 64> SquaresOfFen(const std::string &fen)
    {
        std::array<char, 64> squares;
        squares.fill('.');
        size_t square = 0;
        for (const char c : fen) {
            if (c == ' ' || square >= 64)
                break;
            if (c >= '1' && c <= '8')
                square += static_cast<size_t>(c - '0');
            else if (c != '/')
                squares[square++] = c;
        }
        return squares;
    }

    int DifferingSquares(const std::array<char, 64> &a, const std::array<char, 64> &b)
    {
        int count = 0;
        for (size_t i = 0; i < 64; ++i)
            count += a[i] != b[i];
        return count;
    }

    // A move that leads from one position to another.
    struct Step {
        Move move;
        int16_t promotionPiece = Empty;
        std::string san;
        std::vector<int16_t> changed;
        bool castling = false;
    };

    // The legal move of before.giToMove that makes `after` (compared as FEN), if there is one.
    std::optional<Step> StepBetween(const BoardState &before, const std::string &afterFen)
    {
        BoardState work = before;
        for (const Move &move : LegalMoves(work)) {
            const bool promotion = IsPromotion(before, move.from, move.to);
            for (const int16_t piece : { Queen, Rook, Bishop, Knight }) {
                BoardState after = before;
                const MoveOutcome outcome = CarryOutMove(after, move.from, move.to, piece);
                after.giToMove = Opponent(before.giToMove);
                if (FenFromBoard(after) == afterFen) {
                    Step step { move, promotion ? piece : Empty, MoveToSan(before, move, piece), {},
                        outcome.castled };
                    for (int i = 0; i < outcome.changedCount; ++i)
                        step.changed.push_back(outcome.changedSquares[static_cast<size_t>(i)]);
                    return step;
                }
                if (!promotion)
                    break;
            }
        }
        return std::nullopt;
    }

    const BoardState &StandardStart()
    {
        static const BoardState board = DecodePositionCode(StartingCode).board;
        return board;
    }

    // The standard start, or White's first move from it (that move), for a position with
    // `squares` and `fen`.
    std::optional<std::optional<Step>> Opening(
        const std::string &fen, const std::array<char, 64> &squares)
    {
        if (fen == StandardFen())
            return std::optional<Step>();
        if (SideOfFen(fen) != Black
            || DifferingSquares(SquaresOfFen(StandardFen()), squares) > MaxSquaresOneMove)
            return std::nullopt;
        if (std::optional<Step> first = StepBetween(StandardStart(), fen))
            return first;
        return std::nullopt;
    }

    // What every case reads, worked out once.
    struct Context {
        const std::vector<GameRow> &games;
        const LoadedPosition &loaded;
        GameHistory &history;
        std::string fen;
        std::array<char, 64> squares;
        // The standard start or one White move from it: such positions recur in every game.
        std::optional<std::optional<Step>> opening;
        Recognition found;
    };

    std::string LastMoveOf(const GameRow &game)
    {
        return NumberedPly(SideOfFen(game.startFen), game.plies - 1, game.lastSan);
    }

    // This run of the program already placed this very load in `game`: started the game from
    // it or sent the one move since (the record is being switched off and on).
    bool PlacedThisRun(const GameRow &game, const std::string &fen)
    {
        return game.playedThisRun && game.receivedFen == fen
            && (game.plies == game.receivedPlies
                || (game.lastSent && game.plies == game.receivedPlies + 1));
    }

    bool SameAsSent(Context &c)
    {
        for (const GameRow &game : c.games)
            if (PlacedThisRun(game, c.fen))
                return false; // "again" finds that game
        for (const GameRow &game : c.games) {
            // A position every new game can have is no longer waited for once a game ended.
            if (!game.lastSent || game.lastFen != c.fen || (c.opening && IsFinished(game.result)))
                continue;
            LoadReport &report = c.found.report;
            report.gameId = game.id;
            report.plies = static_cast<int>(game.plies);
            report.recordsNothing = report.offersNewGame = true;
            report.line = LoadLine::SameAsSent;
            report.date = DateOf(game.sentAt);
            report.move = game.plies > 0 ? LastMoveOf(game) : std::string();
            return true;
        }
        return false;
    }

    // Whether the loaded position is one legal move (the opponent's) from the position the
    // local player sent last in `game`; then the report names the game.
    bool ContinuesGame(Context &c, const GameRow &game)
    {
        const int16_t local = c.loaded.board.giToMove;
        if (!game.lastSent || game.localSide != local
            || DifferingSquares(SquaresOfFen(game.lastFen), c.squares) > MaxSquaresOneMove)
            return false;
        std::string ignored;
        const std::optional<BoardState> sent = BoardFromFen(game.lastFen, ignored);
        const std::optional<Step> step = sent ? StepBetween(*sent, c.fen) : std::nullopt;
        if (!step
            || (step->castling
                && c.history.CastlingLost(game, game.plies, sent->giToMove,
                    step->move.to > step->move.from ? KingSide : QueenSide)))
            return false;
        LoadReport &report = c.found.report;
        report.gameId = game.id;
        report.plies = static_cast<int>(game.plies + 1);
        report.marks = step->changed;
        report.line = LoadLine::OpponentPlayed;
        report.move = NumberedPly(SideOfFen(game.startFen), game.plies, step->san);
        report.recordsNothing = IsFinished(game.result);
        if (!report.recordsNothing)
            c.found.continued = ContinuedGame { game.id, game.plies,
                { step->san, MoveCoordinates(step->move, step->promotionPiece) }, c.fen,
                ResultOf(c.loaded.status, local) };
        return true;
    }

    // A game that has ended is tried after every game still going on: a reply to it is placed
    // there, and nothing is recorded. A position every new game can have begins a new game
    // rather than continue one that ended.
    bool Continues(Context &c)
    {
        for (const bool ended : { false, true })
            if (!ended || !c.opening)
                for (const GameRow &game : c.games)
                    if (IsFinished(game.result) == ended && ContinuesGame(c, game))
                        return true;
        return false;
    }

    bool Again(Context &c)
    {
        for (const GameRow &game : c.games) {
            if (game.receivedFen != c.fen)
                continue;
            // An opening position recurs in every game: it belongs to the game that received it
            // only while that game goes on and nothing was sent since.
            if (c.opening && (game.plies != game.receivedPlies || IsFinished(game.result)))
                continue;
            LoadReport &report = c.found.report;
            report.gameId = game.id;
            report.plies = static_cast<int>(game.receivedPlies);
            // Only the lines a received position is kept with; another number (a file edited
            // by hand) says nothing.
            report.line = game.receivedLine >= 0
                    && game.receivedLine <= static_cast<int64_t>(LoadLine::DoesNotFollow)
                ? static_cast<LoadLine>(game.receivedLine)
                : LoadLine::None;
            if (report.line == LoadLine::OpponentPlayed)
                report.move = NumberedPly(
                    SideOfFen(game.startFen), game.receivedPlies - 1, game.receivedSan);
            report.marks = MarksOf(game.receivedMarks);
            return true;
        }
        return false;
    }

    bool EarlierPosition(Context &c)
    {
        if (c.opening)
            return false;
        const Material position = MaterialOf(c.fen);
        const Material standard = MaterialOf(StandardFen());
        const std::vector<std::string> codes { c.loaded.code,
            EncodePositionCode(c.loaded.board, c.loaded.board.giToMove) };
        for (const GameRow &game : c.games) {
            if (game.plies == 0)
                continue;
            std::optional<RecordedPly> ply; // none: the position the game started from
            if (game.startFen != c.fen) {
                const Material start
                    = game.startFen == StandardFen() ? standard : MaterialOf(game.startFen);
                if (!MayHavePassed(start, position, MaterialOf(game.lastFen))
                    || !(ply = c.history.EarlierPly(game, codes)))
                    continue;
            }
            LoadReport &report = c.found.report;
            report.gameId = game.id;
            report.plies = ply ? static_cast<int>(ply->ply + 1) : 0;
            report.recordsNothing = true;
            report.line = LoadLine::EarlierPosition;
            report.earlierMove
                = ply ? NumberedPly(SideOfFen(game.startFen), ply->ply, ply->san) : std::string();
            report.move = LastMoveOf(game);
            return true;
        }
        return false;
    }

    bool GameStarts(Context &c)
    {
        if (!c.opening)
            return false;
        c.found.report = StartingReport(c.loaded, LoadCase::GameStarts, LoadLine::None);
        return true;
    }

    bool DoesNotFollow(Context &c)
    {
        const GameRow *nearest = nullptr;
        int nearestSquares = MaxDifferingSquares + 1;
        for (const GameRow &game : c.games) {
            if (game.sentFen.empty())
                continue;
            const int differing = DifferingSquares(SquaresOfFen(game.sentFen), c.squares);
            if (differing < nearestSquares) {
                nearest = &game;
                nearestSquares = differing;
            }
        }
        if (!nearest)
            return false;
        // The sent position's move: the game's last, or the local move before the replies.
        const std::optional<RecordedPly> sent = nearest->lastSent
            ? RecordedPly { nearest->plies - 1, nearest->lastSan }
            : c.history.LastSent(*nearest);
        c.found.report = StartingReport(c.loaded, LoadCase::DoesNotFollow, LoadLine::DoesNotFollow);
        c.found.report.date = DateOf(nearest->started);
        c.found.report.move = sent ? NumberedPly(SideOfFen(nearest->startFen), sent->ply, sent->san)
                                   : std::string();
        return true;
    }

    bool Otherwise(Context &c)
    {
        c.found.report = StartingReport(c.loaded, LoadCase::Otherwise, LoadLine::StartedHere);
        return true;
    }

    struct Case {
        LoadCase kind;
        bool (*holds)(Context &);
    };

    // The cases in the order they are tried: the first that holds places the load.
    constexpr std::array<Case, 7> Cases { {
        { LoadCase::SameAsSent, SameAsSent },
        { LoadCase::Continues, Continues },
        { LoadCase::Again, Again },
        { LoadCase::EarlierPosition, EarlierPosition },
        { LoadCase::GameStarts, GameStarts },
        { LoadCase::DoesNotFollow, DoesNotFollow },
        { LoadCase::Otherwise, Otherwise },
    } };

} // namespace

LoadReport StartingReport(const LoadedPosition &loaded, LoadCase otherwise, LoadLine otherwiseLine)
{
    const std::string fen = FenFromBoard(loaded.board);
    const std::optional<std::optional<Step>> opening = Opening(fen, SquaresOfFen(fen));
    LoadReport report;
    report.startsOnSend = true;
    report.receivedCode = loaded.code;
    if (!opening) {
        report.kind = otherwise;
        report.line = otherwiseLine;
        report.startFen = fen;
    } else if (const std::optional<Step> &first = *opening) {
        report.kind = LoadCase::GameStarts;
        report.line = LoadLine::OpponentPlayed;
        report.move = NumberedPly(White, 0, first->san);
        report.marks = first->changed;
        report.firstMove
            = RecordedMove { first->san, MoveCoordinates(first->move, first->promotionPiece) };
        report.plies = 1;
    } else {
        report.kind = LoadCase::GameStarts;
        report.line = LoadLine::NewGame;
    }
    return report;
}

Recognition Recognise(
    const std::vector<GameRow> &games, const LoadedPosition &loaded, GameHistory &history)
{
    Context c { games, loaded, history, FenFromBoard(loaded.board), {}, {}, {} };
    c.squares = SquaresOfFen(c.fen);
    c.opening = Opening(c.fen, c.squares);
    for (const Case &rule : Cases)
        if (rule.holds(c)) {
            c.found.report.kind = rule.kind;
            break;
        }
    return std::move(c.found);
}

} // namespace corvalen::record
