#include "game/Game.h"

#include <ctime>
#include <filesystem>
#include <utility>

#include "game/RecordWords.h"
#include "record/GameRecord.h"
#include "record/GameRows.h"
#include "record/Names.h"
#include "record/RecordPaths.h"
#include "rules/Fen.h"
#include "rules/MoveLegality.h"
#include "rules/San.h"
#include "rules/Text.h"

namespace corvalen {

namespace {

    // A recorded game's start and its first `plies` moves; nullopt when the record holds a
    // move that is not legal there.
    std::optional<GameLine> LineOf(const GameDetails &game, size_t plies)
    {
        std::string ignored;
        const std::optional<BoardState> start = BoardFromFen(game.startFen, ignored);
        if (!start)
            return std::nullopt;
        GameLine line(*start);
        for (size_t ply = 0; ply < plies && ply < game.moves.size(); ++ply)
            if (!line.Play(game.moves[ply].coordinates))
                return std::nullopt;
        return line;
    }

    // The name and plain address of an address as the player gives it: "bob@example.org",
    // "Bob <bob@example.org>" or nothing; nullopt for anything else.
    std::optional<std::pair<std::string, std::string>> SplitAddress(const std::string &text)
    {
        const size_t open = text.rfind('<');
        if (open != std::string::npos && text.ends_with('>')) {
            const std::string address = text.substr(open + 1, text.size() - open - 2);
            std::string name = CleanName(text.substr(0, open));
            if (name.size() >= 2 && name.front() == '"' && name.back() == '"')
                name = CleanName(name.substr(1, name.size() - 2));
            if (IsPlainAddress(address))
                return std::pair(name, address);
            return std::nullopt;
        }
        if (text.empty() || IsPlainAddress(text))
            return std::pair(std::string(), text);
        return std::nullopt;
    }

    // YYYY-MM-DD, UTC.
    std::string Today()
    {
        const std::time_t now = std::time(nullptr);
        std::tm utc {};
        gmtime_r(&now, &utc);
        char text[16];
        std::strftime(text, sizeof text, "%Y-%m-%d", &utc);
        return text;
    }

    // Placement and side to move of a FEN record.
    std::string PlacementAndSide(const std::string &fen)
    {
        return fen.substr(0, fen.find(' ', fen.find(' ') + 1));
    }

    // How a game ended, inside "This game ended on %1 (%2)...".
    std::string EndingWords(GameEnding ending)
    {
        switch (ending) {
        case GameEnding::WhiteResigned:
            return CORVALEN_TEXT("Game", "White resigned");
        case GameEnding::BlackResigned:
            return CORVALEN_TEXT("Game", "Black resigned");
        case GameEnding::DrawAgreed:
            return CORVALEN_TEXT("Game", "draw agreed");
        case GameEnding::ThreefoldClaimed:
            return CORVALEN_TEXT("Game", "draw claimed: threefold repetition");
        case GameEnding::FiftyMovesClaimed:
            return CORVALEN_TEXT("Game", "draw claimed: 50 moves without a capture or pawn move");
        case GameEnding::None:
            break;
        }
        return {};
    }

    // "Draw claimed: threefold repetition."
    std::string ClaimedLine(DrawClaim claim)
    {
        return claim == DrawClaim::Threefold
            ? CORVALEN_TEXT("Game", "Draw claimed: threefold repetition.")
            : CORVALEN_TEXT("Game", "Draw claimed: 50 moves without a capture or pawn move.");
    }

    // "Draw can be claimed: threefold repetition."
    std::string ClaimableLine(DrawClaim claim)
    {
        return claim == DrawClaim::Threefold
            ? CORVALEN_TEXT("Game", "Draw can be claimed: threefold repetition.")
            : CORVALEN_TEXT(
                "Game", "Draw can be claimed: 50 moves without a capture or pawn move.");
    }

} // namespace

Game::Game(std::string recordPath)
    : msRecordPath(std::move(recordPath))
{
}

Game::~Game() = default;

std::string Game::RecordFile()
{
    return RecordFilePath();
}

std::string Game::OptionsFile()
{
    return OptionsFilePath();
}

std::optional<Error> Game::DeleteRecord(const std::string &path)
{
    return corvalen::DeleteRecord(path);
}

std::string Game::RecordPath() const
{
    return msRecordPath.empty() ? RecordFilePath() : msRecordPath;
}

void Game::SwitchRecord(bool on)
{
    if (on == mbRecordOn)
        return;
    mbRecordOn = on;
    mbRecordFailed = false;
    if (!on) {
        // A claim held for the move goes; one the record holds stays there.
        if (mbClaimWithMove && mEnding == GameEnding::None) {
            mClaimed = DrawClaim::None;
            mbClaimWithMove = false;
        }
        mRecord.reset();
        ReadCurrentGame();
        return;
    }
    if (msLoadedCode.empty())
        return;
    // The load placed earlier in this run stands, unless its file went meanwhile.
    std::error_code ignored;
    if (mLoad && std::filesystem::exists(RecordPath(), ignored)) {
        if (!OpenRecord())
            mLoad.reset();
        ReadCurrentGame();
        return;
    }
    if (mbNewGame) {
        mLoad.reset();
        if (OpenRecord())
            mLoad = std::make_unique<LoadReport>(mRecord->StartNewGame());
        return;
    }
    RecogniseLoad();
}

void Game::Load(const DecodedCode &code, const std::string &characters)
{
    mTurn.Load(code.board, code.kingSquare);
    msLoadedCode = characters;
    msCannotArise = WhyPositionCannotArise(mTurn.Loaded());
    msNote.clear();
    msSentMove.clear();
    mbNewGame = false;
    mClaimed = DrawClaim::None;
    mbClaimWithMove = false;
    RecogniseLoad();
}

void Game::NewGame()
{
    const BoardState start = StandardStart();
    mTurn.Load(start, FindKing(start));
    msLoadedCode = StartingCode;
    msCannotArise.clear();
    msNote.clear();
    msSentMove.clear();
    mbNewGame = true;
    mClaimed = DrawClaim::None;
    mbClaimWithMove = false;
    mLoad.reset();
    if (mbRecordOn && (mRecord || !mbRecordFailed) && OpenRecord())
        mLoad = std::make_unique<LoadReport>(mRecord->StartNewGame());
    ReadCurrentGame();
}

bool Game::OpenRecord()
{
    if (mRecord)
        return true;
    Outcome<std::unique_ptr<GameRecord>> opened
        = GameRecord::Open(RecordPath(), RecordAccess::Create, mPlayed);
    if (!opened)
        DropRecord(WordRecordError(opened.Why()), false);
    else
        mRecord = std::move(*opened);
    return mRecord != nullptr;
}

void Game::RecogniseLoad()
{
    mLoad.reset();
    if (!mbRecordOn || !msCannotArise.empty() || !OpenRecord())
        return;
    Outcome<LoadReport> report
        = mRecord->RecogniseLoad(mTurn.Loaded(), mTurn.Status(), msLoadedCode);
    if (!report)
        return DropRecord(WordRecordError(report.Why()), true);
    mLoad = std::make_unique<LoadReport>(std::move(*report));
    ReadCurrentGame();
    if (const std::string message = WordLoadMessage(*mLoad); !message.empty())
        Tell(mLoad->kind == LoadCase::SameAsSent ? Notice::Kind::SameAsSent
                                                 : Notice::Kind::Information,
            message);
}

void Game::DropRecord(const std::string &error, bool writing)
{
    mRecord.reset();
    mLoad.reset();
    ReadCurrentGame(); // without the record: no game
    mbRecordFailed = true;
    Tell(Notice::Kind::Warning,
        Format(writing ? CORVALEN_TEXT("Game",
                   "The record could not be written: %1\n\nThis turn goes on without "
                   "the record.")
                       : CORVALEN_TEXT("Game", "%1\n\nThis turn goes on without the record."),
            { error }));
}

void Game::Tell(Notice::Kind kind, std::string text)
{
    mNotices.push_back({ kind, std::move(text) });
}

std::vector<Notice> Game::TakeNotices()
{
    return std::exchange(mNotices, {});
}

bool Game::TakesMove(int16_t from, int16_t to)
{
    // The position the local player sent waits for the opponent's move (the status line says
    // so) until the player starts a new game from it.
    if (mbRecordOn && mLoad && mLoad->kind == LoadCase::SameAsSent && mLoad->recordsNothing)
        return false;
    switch (mTurn.JudgeMove(from, to)) {
    case Turn::Verdict::OpponentsPiece:
        Tell(Notice::Kind::Information,
            CORVALEN_TEXT("Game", "You cannot move your opponents pieces."));
        return false;
    case Turn::Verdict::NoMove:
    case Turn::Verdict::Illegal:
        return false;
    case Turn::Verdict::Legal:
        break;
    }
    if (mbRecordOn && mRecord && mLoad) {
        const Outcome<std::optional<record::LostCastling>> refusal
            = mRecord->CastlingRefusal(*mLoad, mTurn.Board(), { from, to });
        if (!refusal) {
            DropRecord(WordRecordError(refusal.Why()), false);
        } else if (*refusal) {
            Tell(Notice::Kind::Information, WordLostCastling(**refusal));
            return false;
        }
    }
    return true;
}

bool Game::NeedsPromotionChoice(int16_t from, int16_t to) const
{
    return mTurn.NeedsPromotionChoice(from, to);
}

const MoveOutcome &Game::Play(int16_t from, int16_t to, int16_t promotionPiece)
{
    msNote.clear();
    return mTurn.Play(from, to, promotionPiece);
}

TypedMove Game::ReadTyped(std::string_view text)
{
    if (text.find_first_not_of(" \t") == std::string_view::npos)
        return {};
    TypedMove typed = ReadTypedMove(mTurn.Board(), text);
    msNote = typed.kind == TypedMove::Kind::Move ? std::string() : typed.message;
    return typed;
}

std::string Game::UndoQuestion() const
{
    if (!mbRecordOn || msSentMove.empty() || !mTurn.PlayedMove())
        return {};
    return Format(CORVALEN_TEXT("Game",
                      "You have sent %1 already. Take it back? If your opponent has that e-mail, "
                      "this game will no longer match it."),
        { msSentMove });
}

std::string Game::SendQuestion(std::string &confirm) const
{
    const std::optional<Move> &move = mTurn.PlayedMove();
    if (!mbRecordOn || !mRecord || !mLoad || mLoad->kind != LoadCase::Again || !mLoad->answered
        || !move)
        return {};
    const EarlierAnswer &answer = *mLoad->answered;
    const std::string san = MoveToSan(mTurn.Loaded(), *move, mTurn.PlayedPromotion());
    if (san == answer.san)
        return {};
    // The same number as the answer it replaces: "14... Nf6" and "Nd7" make "14... Nd7".
    const std::string numbered
        = answer.move.substr(0, answer.move.size() - answer.san.size()) + san;
    confirm = Format(CORVALEN_TEXT("Game", "Send %1"), { numbered });
    return Format(CORVALEN_TEXT("Game",
                      "You have sent %1 from this position already. Send %2 instead? If your "
                      "opponent has that e-mail, this game will no longer match it."),
        { answer.move, numbered });
}

void Game::Undo()
{
    // A claim made with the move goes with it, from the record too once the move was sent.
    if (mbClaimWithMove) {
        if (mEnding != GameEnding::None && mLoad && mLoad->gameId && DeskRecord()) {
            Changed(mRecord->SetEnding(*mLoad->gameId, GameEnding::None));
            ReadCurrentGame();
        }
        mClaimed = DrawClaim::None;
        mbClaimWithMove = false;
    }
    mTurn.Undo();
    msNote.clear();
    msSentMove.clear();
}

SentMove Game::Send()
{
    SentMove sent;
    const BoardState &board = mTurn.Board();
    sent.code = EncodePositionCode(board, Opponent(board.giToMove));
    if (!mTurn.PlayedMove())
        return sent;
    const Move move = *mTurn.PlayedMove();
    msSentMove = MoveToSan(mTurn.Loaded(), move, mTurn.PlayedPromotion());
    // A game that has ended records no more moves; a draw claimed with this very move is
    // recorded with it, in the same change. The answer sent before from this position,
    // sent again, is recorded already.
    const bool ended = mEnding != GameEnding::None;
    const bool again = mbRecordOn && mRecord && mLoad && mLoad->kind == LoadCase::Again
        && mLoad->answered && mLoad->answered->san == msSentMove;
    if (again) {
        sent.numberedMove = mLoad->answered->move;
        if (mbClaimWithMove && mLoad->gameId
            && Changed(mRecord->SetEnding(*mLoad->gameId, ClaimEnding(mClaimed))))
            ReadCurrentGame();
    } else if (mbRecordOn && mRecord && mLoad && !ended) {
        const bool starts = !mLoad->gameId;
        if (const std::optional<Error> failed
            = mRecord->RecordSend(*mLoad, mTurn.Loaded(), move, mTurn.PlayedPromotion(), sent.code,
                mbClaimWithMove ? ClaimEnding(mClaimed) : GameEnding::None)) {
            DropRecord(WordRecordError(*failed), true);
        } else if (mLoad->gameId) {
            const Outcome<GameMoves> moves = mRecord->Moves(*mLoad->gameId);
            if (moves)
                sent.numberedMove = moves->lastMove;
            else
                DropRecord(WordRecordError(moves.Why()), false);
            if (mRecord && mLoad && mLoad->answered && mLoad->kind == LoadCase::Again)
                mLoad->answered
                    = EarlierAnswer { *mLoad->gameId, msSentMove, sent.numberedMove, Today() };
            if ((starts || mbClaimWithMove) && mRecord)
                ReadCurrentGame();
        }
    }
    if (!sent.numberedMove.empty())
        msSentMove = sent.numberedMove;
    return sent;
}

void Game::StartGameFromSameAsSent()
{
    if (!mbRecordOn || !mRecord || !mLoad)
        return;
    if (const std::optional<Error> failed
        = mRecord->StartGameFromSameAsSent(*mLoad, mTurn.Loaded(), mTurn.Status(), msLoadedCode))
        return DropRecord(WordRecordError(*failed), true);
    ReadCurrentGame();
}

std::string Game::StatusLine() const
{
    if (!msNote.empty())
        return msNote;
    if (mTurn.PlayedMove()) {
        switch (mTurn.StatusAfterMove()) {
        case GameStatus::Mate:
            return CORVALEN_TEXT("Game", "Checkmate: you win. Send Move tells your opponent.");
        case GameStatus::Stalemate:
            return CORVALEN_TEXT("Game", "Stalemate: a draw. Send Move tells your opponent.");
        case GameStatus::Check:
        case GameStatus::None:
            break;
        }
        return AboutGame()
            + CORVALEN_TEXT("Game", "Press Send Move to copy your move, or Undo Move.");
    }
    return LoadLine();
}

std::string Game::AboutGame() const
{
    if (mbClaimWithMove)
        return ClaimedLine(mClaimed) + ' ';
    if (mEnding != GameEnding::None)
        return EndedLine() + ". ";
    const DrawClaim claim = ClaimableDraw();
    return claim == DrawClaim::None ? std::string() : ClaimableLine(claim) + ' ';
}

std::string Game::EndedLine() const
{
    if (mEnding == GameEnding::None)
        return {};
    return Format(CORVALEN_TEXT("Game", "This game ended on %1 (%2); nothing is recorded"),
        { msEndedOn, EndingWords(mEnding) });
}

std::string Game::LoadLine() const
{
    std::vector<std::string> parts;
    if (!msCannotArise.empty())
        parts.push_back(
            Format(mbRecordOn ? CORVALEN_TEXT(
                       "Game", "This position cannot arise in a game (%1); it is not recorded.")
                              : CORVALEN_TEXT("Game", "This position cannot arise in a game (%1)."),
                { msCannotArise }));
    else if (mbRecordOn && mEnding != GameEnding::None)
        parts.push_back(EndedLine());
    else if (mbRecordOn && mLoad && mLoad->line != LoadLine::None)
        parts.push_back(WordLoadLine(*mLoad));
    if (mbRecordOn && mLoad && mLoad->answered && mEnding == GameEnding::None) {
        const EarlierAnswer &answer = *mLoad->answered;
        parts.push_back(mLoad->kind == LoadCase::Again
                ? Format(CORVALEN_TEXT("Game", "You answered this position on %1 with %2."),
                    { answer.date, answer.move })
                : Format(CORVALEN_TEXT("Game",
                             "You answered this position in game %1 on %2 with %3; a move sent "
                             "now starts a new game."),
                    { std::to_string(answer.gameId), answer.date, answer.move }));
    }
    const BoardState &loaded = mTurn.Loaded();
    if (mTurn.Status() == GameStatus::Mate)
        parts.push_back(loaded.giToMove == White ? CORVALEN_TEXT("Game", "Checkmate: Black wins.")
                                                 : CORVALEN_TEXT("Game", "Checkmate: White wins."));
    else if (mTurn.Status() == GameStatus::Stalemate)
        parts.push_back(CORVALEN_TEXT("Game", "Stalemate: a draw."));
    if (IsDeadPosition(loaded))
        parts.push_back(CORVALEN_TEXT("Game", "Draw: neither side can mate."));
    if (const DrawClaim claim = ClaimableDraw(); claim != DrawClaim::None)
        parts.push_back(ClaimableLine(claim));
    std::string line;
    for (const std::string &part : parts)
        line += (line.empty() ? "" : "  ") + part;
    return line;
}

std::vector<int16_t> Game::Marks() const
{
    return mbRecordOn && mLoad ? mLoad->marks : std::vector<int16_t>();
}

std::optional<GameSheet> Game::Sheet()
{
    if (!mbRecordOn || !mRecord || !mLoad || !mLoad->gameId)
        return std::nullopt;
    const Outcome<GameMoves> moves = mRecord->Moves(*mLoad->gameId);
    const Outcome<std::string> pgn = mRecord->Pgn(*mLoad->gameId);
    if (!moves || !pgn)
        return std::nullopt;
    return GameSheet { moves->startDate, moves->moveText, *pgn };
}

bool Game::DeskRecord()
{
    return mbRecordOn && (mRecord || !mbRecordFailed) && OpenRecord();
}

bool Game::Changed(const std::optional<Error> &failed)
{
    if (failed && failed->IsFailure())
        DropRecord(WordRecordError(*failed), true);
    return !failed;
}

bool Game::IsCurrentGame(int64_t id) const
{
    return mLoad && mLoad->gameId == id;
}

void Game::ReadCurrentGame()
{
    mLine.reset();
    mEnding = GameEnding::None;
    msEndedOn.clear();
    mResult = Result::Unfinished;
    msOpponentEmail.clear();
    if (!mbRecordOn || !mRecord || !mLoad || !mLoad->gameId)
        return;
    const Outcome<GameDetails> game = mRecord->Details(*mLoad->gameId);
    if (!game)
        return DropRecord(WordRecordError(game.Why()), false);
    mEnding = game->ending;
    msEndedOn = game->endedOn;
    mResult = game->result;
    msOpponentEmail = game->opponentEmail;
    if (!mLoad->recordsNothing)
        mLine = LineOf(*game, static_cast<size_t>(mLoad->plies));
    // Only a line that reaches the loaded position counts for a claim.
    if (mLine
        && PlacementAndSide(FenFromBoard(mLine->Last().board))
            != PlacementAndSide(FenFromBoard(mTurn.Loaded())))
        mLine.reset();
}

std::vector<GameListRow> Game::GameList()
{
    std::vector<GameListRow> rows;
    if (!DeskRecord())
        return rows;
    const Outcome<std::vector<GameSummary>> games = mRecord->ListGames();
    if (!games) {
        DropRecord(WordRecordError(games.Why()), false);
        return rows;
    }
    for (const GameSummary &game : *games) {
        GameListRow row;
        row.id = game.id;
        row.opponent = game.opponent;
        row.started = game.startDate;
        row.localSide = game.localSide;
        if (game.plies > 0) {
            const int half = game.plies - 1 + (game.firstMover == Black ? 1 : 0);
            row.fullMoves = half / 2 + 1;
            row.lastMove = record::NumberedPly(game.firstMover, game.plies - 1, game.lastSan);
        }
        row.turn = IsFinished(game.result)  ? GameTurn::Finished
            : game.toMove == game.localSide ? GameTurn::Yours
                                            : GameTurn::Theirs;
        row.daysSince = game.daysSince;
        row.result = game.result;
        rows.push_back(std::move(row));
    }
    return rows;
}

std::optional<int64_t> Game::CurrentGameId() const
{
    return mbRecordOn && mRecord && mLoad ? mLoad->gameId : std::nullopt;
}

std::optional<GameView> Game::ViewGame(int64_t id)
{
    if (!DeskRecord())
        return std::nullopt;
    Outcome<GameDetails> game = mRecord->Details(id);
    if (!game) {
        DropRecord(WordRecordError(game.Why()), false);
        return std::nullopt;
    }
    GameView view;
    view.id = id;
    view.started = game->started;
    view.localSide = game->localSide;
    view.line = LineOf(*game, game->moves.size()).value_or(GameLine());
    const int16_t firstMover = record::SideOfFen(game->startFen);
    for (int ply = 0; ply < view.line.Plies(); ++ply)
        view.plies.push_back(
            record::NumberedPly(firstMover, ply, game->moves[static_cast<size_t>(ply)].san));
    view.opponent = std::move(game->opponent);
    view.opponentEmail = std::move(game->opponentEmail);
    view.notes = std::move(game->notes);
    view.result = game->result;
    view.ending = game->ending;
    view.endedOn = game->endedOn;
    view.pgn = std::move(game->pgn);
    return view;
}

std::string Game::PlayerName()
{
    if (!DeskRecord())
        return {};
    const Outcome<std::string> name = mRecord->PlayerName();
    if (!name) {
        DropRecord(WordRecordError(name.Why()), false);
        return {};
    }
    return *name;
}

bool Game::SetPlayerName(const std::string &name)
{
    return DeskRecord() && Changed(mRecord->SetPlayerName(CleanName(name)));
}

bool Game::AdoptPlayerName(const std::string &name)
{
    if (!DeskRecord())
        return false;
    return !PlayerName().empty() || (mRecord && SetPlayerName(name));
}

bool Game::TakesAddress(const std::string &email)
{
    return SplitAddress(email).has_value();
}

bool Game::SetOpponent(int64_t id, const std::string &name, const std::string &email)
{
    const std::optional<std::pair<std::string, std::string>> given = SplitAddress(email);
    if (!given || !DeskRecord())
        return false;
    const std::string &address = given->second;
    if (!Changed(mRecord->SetOpponent(id, CleanName(name.empty() ? given->first : name), address)))
        return false;
    if (IsCurrentGame(id))
        msOpponentEmail = address;
    return true;
}

bool Game::TurnStartsGame() const
{
    return mbRecordOn && mRecord && mLoad && mLoad->startsOnSend && !mLoad->gameId;
}

bool Game::SetTurnOpponent(const std::string &name, const std::string &email)
{
    const std::optional<std::pair<std::string, std::string>> given = SplitAddress(email);
    if (!given || !TurnStartsGame())
        return false;
    mLoad->opponent = CleanName(name.empty() ? given->first : name);
    mLoad->opponentEmail = given->second;
    return true;
}

std::string Game::TurnOpponent() const
{
    return TurnStartsGame() ? mLoad->opponent : std::string();
}

bool Game::SetNotes(int64_t id, const std::string &notes)
{
    return DeskRecord() && Changed(mRecord->SetNotes(id, notes));
}

bool Game::EndGame(int64_t id, PlayerEnding ending)
{
    if (!DeskRecord())
        return false;
    const Outcome<GameDetails> game = mRecord->Details(id);
    if (!game) {
        DropRecord(WordRecordError(game.Why()), false);
        return false;
    }
    const bool white = game->localSide == White;
    const GameEnding set = ending == PlayerEnding::DrawAgreed ? GameEnding::DrawAgreed
        : (ending == PlayerEnding::Resign) == white           ? GameEnding::WhiteResigned
                                                              : GameEnding::BlackResigned;
    if (!Changed(mRecord->SetEnding(id, set)))
        return false;
    if (IsCurrentGame(id))
        ReadCurrentGame();
    return true;
}

bool Game::ReopenGame(int64_t id)
{
    if (!DeskRecord())
        return false;
    if (!Changed(mRecord->SetEnding(id, GameEnding::None)))
        return false;
    if (IsCurrentGame(id)) {
        mClaimed = DrawClaim::None;
        mbClaimWithMove = false;
        ReadCurrentGame();
    }
    return true;
}

bool Game::DeleteGame(int64_t id)
{
    if (!DeskRecord())
        return false;
    if (!Changed(mRecord->DeleteGame(id)))
        return false;
    // The rest of this turn belongs to no recorded game: a send records nothing.
    if (IsCurrentGame(id)) {
        mLoad->gameId.reset();
        mLoad->startsOnSend = false;
        mLoad->recordsNothing = true;
        mLoad->marks.clear();
        mClaimed = DrawClaim::None;
        mbClaimWithMove = false;
        ReadCurrentGame();
    }
    return true;
}

DrawClaim Game::ClaimableDraw() const
{
    if (!mbRecordOn || !mLine || mEnding != GameEnding::None || IsFinished(mResult)
        || mClaimed != DrawClaim::None)
        return DrawClaim::None;
    if (const std::optional<Move> &move = mTurn.PlayedMove())
        return mLine->ClaimableDrawAfter(*move, mTurn.PlayedPromotion());
    return mLine->ClaimableDraw();
}

bool Game::ClaimDraw()
{
    const DrawClaim claim = ClaimableDraw();
    if (claim == DrawClaim::None)
        return false;
    // A claim with the local move is part of that move: Send Move records the two together.
    if (mTurn.PlayedMove()) {
        mClaimed = claim;
        mbClaimWithMove = true;
        return true;
    }
    if (!DeskRecord())
        return false;
    if (!Changed(mRecord->SetEnding(*mLoad->gameId, ClaimEnding(claim))))
        return false;
    mClaimed = claim;
    ReadCurrentGame();
    return true;
}

std::string Game::MailSubjectNote() const
{
    return mClaimed == DrawClaim::None ? std::string()
                                       : " (I claim a draw: " + DrawClaimName(mClaimed) + ")";
}

std::string Game::MailSubject(const std::string &numberedMove) const
{
    if (numberedMove.empty())
        switch (mClaimed) {
        case DrawClaim::Threefold:
            return CORVALEN_TEXT("Game", "Chess: my move (I claim a draw: threefold repetition)");
        case DrawClaim::FiftyMoves:
            return CORVALEN_TEXT(
                "Game", "Chess: my move (I claim a draw: 50 moves without a capture or pawn move)");
        case DrawClaim::None:
            return CORVALEN_TEXT("Game", "Chess: my move");
        }
    switch (mClaimed) {
    case DrawClaim::Threefold:
        return Format(
            CORVALEN_TEXT("Game", "Chess: my move %1 (I claim a draw: threefold repetition)"),
            { numberedMove });
    case DrawClaim::FiftyMoves:
        return Format(CORVALEN_TEXT("Game",
                          "Chess: my move %1 (I claim a draw: 50 moves without a capture or "
                          "pawn move)"),
            { numberedMove });
    case DrawClaim::None:
        break;
    }
    return Format(CORVALEN_TEXT("Game", "Chess: my move %1"), { numberedMove });
}

std::string Game::OpponentEmail() const
{
    if (TurnStartsGame())
        return mLoad->opponentEmail;
    return mbRecordOn ? msOpponentEmail : std::string();
}

} // namespace corvalen
