#include "game/Game.h"

#include <filesystem>
#include <utility>

#include "record/GameRecord.h"
#include "record/RecordPaths.h"
#include "rules/Fen.h"
#include "rules/MoveLegality.h"
#include "rules/San.h"

namespace corvalen {

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

bool Game::DeleteRecord(const std::string &path, std::string &error)
{
    return corvalen::DeleteRecord(path, error);
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
        mRecord.reset();
        return;
    }
    if (msLoadedCode.empty())
        return;
    // The load placed earlier in this run stands, unless its file went meanwhile.
    std::error_code ignored;
    if (mLoad && std::filesystem::exists(RecordPath(), ignored)) {
        if (!OpenRecord())
            mLoad.reset();
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
    mLoad.reset();
    if (mbRecordOn && (mRecord || !mbRecordFailed) && OpenRecord())
        mLoad = std::make_unique<LoadReport>(mRecord->StartNewGame());
}

bool Game::OpenRecord()
{
    if (mRecord)
        return true;
    std::string error;
    mRecord = GameRecord::Open(RecordPath(), RecordAccess::Create, error);
    if (!mRecord)
        DropRecord(error, false);
    return mRecord != nullptr;
}

void Game::RecogniseLoad()
{
    mLoad.reset();
    if (!mbRecordOn || !msCannotArise.empty() || !OpenRecord())
        return;
    std::string error;
    std::optional<LoadReport> report
        = mRecord->RecogniseLoad(mTurn.Loaded(), mTurn.Status(), msLoadedCode, error);
    if (!report)
        return DropRecord(error, true);
    mLoad = std::make_unique<LoadReport>(std::move(*report));
    if (!mLoad->message.empty())
        Tell(mLoad->kind == LoadCase::SameAsSent ? Notice::Kind::SameAsSent
                                                 : Notice::Kind::Information,
            mLoad->message);
}

void Game::DropRecord(const std::string &error, bool writing)
{
    mRecord.reset();
    mLoad.reset();
    mbRecordFailed = true;
    Tell(Notice::Kind::Warning,
        (writing ? "The record could not be written: " + error : error)
            + "\n\nThis turn goes on without the record.");
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
    switch (mTurn.JudgeMove(from, to)) {
    case Turn::Verdict::OpponentsPiece:
        Tell(Notice::Kind::Information, "You cannot move your opponents pieces.");
        return false;
    case Turn::Verdict::NoMove:
    case Turn::Verdict::Illegal:
        return false;
    case Turn::Verdict::Legal:
        break;
    }
    if (mbRecordOn && mRecord && mLoad) {
        std::string error;
        const std::string refusal
            = mRecord->CastlingRefusal(*mLoad, mTurn.Board(), { from, to }, error);
        if (!error.empty()) {
            DropRecord(error, false);
        } else if (!refusal.empty()) {
            Tell(Notice::Kind::Information, refusal);
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
    return "You have sent " + msSentMove
        + " already. Take it back? If your opponent has that e-mail, this game will no longer "
          "match it.";
}

void Game::Undo()
{
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
    if (mbRecordOn && mRecord && mLoad) {
        std::string error;
        if (!mRecord->RecordSend(
                *mLoad, mTurn.Loaded(), move, mTurn.PlayedPromotion(), sent.code, error)) {
            DropRecord(error, true);
        } else if (mLoad->gameId) {
            const std::optional<GameMoves> moves = mRecord->Moves(*mLoad->gameId, error);
            if (moves)
                sent.numberedMove = moves->lastMove;
            else
                DropRecord(error, false);
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
    std::string error;
    if (!mRecord->StartGameFromSameAsSent(
            *mLoad, mTurn.Loaded(), mTurn.Status(), msLoadedCode, error))
        DropRecord(error, true);
}

std::string Game::StatusLine() const
{
    if (!msNote.empty())
        return msNote;
    if (mTurn.PlayedMove()) {
        switch (mTurn.StatusAfterMove()) {
        case GameStatus::Mate:
            return "Checkmate: you win. Send Move tells your opponent.";
        case GameStatus::Stalemate:
            return "Stalemate: a draw. Send Move tells your opponent.";
        case GameStatus::Check:
        case GameStatus::None:
            break;
        }
        return "Press Send Move to copy your move, or Undo Move.";
    }
    return LoadLine();
}

std::string Game::LoadLine() const
{
    std::vector<std::string> parts;
    if (!msCannotArise.empty())
        parts.push_back("This position cannot arise in a game (" + msCannotArise
            + (mbRecordOn ? "); it is not recorded." : ")."));
    else if (mbRecordOn && mLoad && !mLoad->status.empty())
        parts.push_back(mLoad->status);
    const BoardState &loaded = mTurn.Loaded();
    if (mTurn.Status() == GameStatus::Mate)
        parts.push_back(
            loaded.giToMove == White ? "Checkmate: Black wins." : "Checkmate: White wins.");
    else if (mTurn.Status() == GameStatus::Stalemate)
        parts.push_back("Stalemate: a draw.");
    if (IsDeadPosition(loaded))
        parts.push_back("Draw: neither side can mate.");
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
    std::string error;
    const std::optional<GameMoves> moves = mRecord->Moves(*mLoad->gameId, error);
    const std::optional<std::string> pgn = mRecord->Pgn(*mLoad->gameId, error);
    if (!moves || !pgn)
        return std::nullopt;
    return GameSheet { moves->startDate, moves->moveText, *pgn };
}

} // namespace corvalen
