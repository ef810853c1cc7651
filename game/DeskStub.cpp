// Temporary in-memory stand-ins for the desk calls, so that the window builds and its tests run
// before the record keeps names, notes and results. Kept per record file and game for one run.
#include <map>
#include <set>
#include <utility>

#include "game/Game.h"
#include "record/GameRecord.h"
#include "record/Names.h"
#include "rules/Fen.h"

namespace corvalen {

namespace {

    struct Extra {
        std::string opponent;
        std::string email;
        std::string notes;
        GameEnding ending = GameEnding::None;
        std::string endedOn;
    };

    using Key = std::pair<std::string, int64_t>;

    std::map<Key, Extra> &Extras()
    {
        static std::map<Key, Extra> extras;
        return extras;
    }

    std::set<Key> &Deleted()
    {
        static std::set<Key> deleted;
        return deleted;
    }

    std::string &PlayerName()
    {
        static std::string name;
        return name;
    }

    // The claim a Game made in the turn of the code it loaded.
    std::map<const Game *, std::pair<std::string, DrawClaim>> &Claims()
    {
        static std::map<const Game *, std::pair<std::string, DrawClaim>> claims;
        return claims;
    }

    // The start and SANs of a game, read back from its PGN and move text.
    bool ReadLine(GameRecord &record, int64_t id, GameLine &line, std::vector<std::string> &sans,
        std::string &started, std::string &result)
    {
        std::string error;
        const std::optional<GameMoves> moves = record.Moves(id, error);
        const std::optional<std::string> pgn = record.Pgn(id, error);
        if (!moves || !pgn)
            return false;
        started = moves->startDate;
        const size_t fen = pgn->find("[FEN \"");
        if (fen != std::string::npos) {
            const size_t end = pgn->find('"', fen + 6);
            if (const auto board = BoardFromFen(pgn->substr(fen + 6, end - fen - 6), error))
                line = GameLine(*board);
        }
        const size_t tag = pgn->find("[Result \"");
        result = pgn->substr(tag + 9, pgn->find('"', tag + 9) - tag - 9);
        size_t at = 0;
        const std::string &text = moves->moveText;
        while (at < text.size()) {
            size_t end = text.find(' ', at);
            if (end == std::string::npos)
                end = text.size();
            const std::string token = text.substr(at, end - at);
            if (!token.empty() && token.back() != '.') {
                sans.push_back(token);
                line.Play(token);
            }
            at = end + 1;
        }
        return true;
    }

    std::string Numbered(const GameLine &line, int ply)
    {
        const LinePosition &before = line.At(ply - 1);
        return std::to_string(before.fullMoveNumber)
            + (before.board.giToMove == White ? ". " : "... ") + line.SanTo(ply);
    }

} // namespace

std::vector<GameListRow> Game::GameList()
{
    std::vector<GameListRow> rows;
    std::string error;
    if (!mbRecordOn || !OpenRecord())
        return rows;
    const auto games = mRecord->ListGames(error);
    if (!games)
        return rows;
    for (const GameSummary &game : *games) {
        if (Deleted().count({ RecordPath(), game.id }))
            continue;
        const std::optional<GameView> view = ViewGame(game.id);
        if (!view)
            continue;
        GameListRow row;
        row.id = game.id;
        row.opponent = view->opponent;
        row.localSide = game.localSide;
        const LinePosition &last = view->line.Last();
        row.fullMoves = last.fullMoveNumber - (last.board.giToMove == White ? 1 : 0);
        row.lastMove = view->plies.empty() ? std::string() : view->plies.back();
        row.turn = view->result != "*"   ? GameTurn::Finished
            : last.board.giToMove == game.localSide ? GameTurn::Yours
                                                     : GameTurn::Theirs;
        row.result = view->result;
        rows.push_back(row);
    }
    return rows;
}

std::optional<int64_t> Game::CurrentGameId() const
{
    if (!mbRecordOn || !mLoad)
        return std::nullopt;
    return mLoad->gameId;
}

std::optional<GameView> Game::ViewGame(int64_t id)
{
    if (!mbRecordOn || !OpenRecord() || Deleted().count({ RecordPath(), id }))
        return std::nullopt;
    GameView view;
    view.id = id;
    std::vector<std::string> sans;
    if (!ReadLine(*mRecord, id, view.line, sans, view.started, view.result))
        return std::nullopt;
    for (int ply = 1; ply <= view.line.Plies(); ++ply)
        view.plies.push_back(Numbered(view.line, ply));
    std::string error;
    for (const GameSummary &game : mRecord->ListGames(error).value_or(std::vector<GameSummary>()))
        if (game.id == id)
            view.localSide = game.localSide;
    const Extra &extra = Extras()[{ RecordPath(), id }];
    view.opponent = extra.opponent;
    view.opponentEmail = extra.email;
    view.notes = extra.notes;
    view.ending = extra.ending;
    view.endedOn = extra.endedOn;
    if (extra.ending != GameEnding::None)
        view.result = EndingResult(extra.ending);
    PgnGame pgn;
    pgn.date = view.started;
    pgn.setUpFen = view.line.At(0).board == StandardStart() ? std::string() : view.line.Fen(0);
    pgn.firstMover = view.line.At(0).board.giToMove;
    pgn.sans = sans;
    pgn.result = view.result;
    pgn.white = view.localSide == White ? PlayerName() : extra.opponent;
    pgn.black = view.localSide == White ? extra.opponent : PlayerName();
    pgn.ending = extra.ending;
    view.pgn = WritePgn(pgn);
    return view;
}

void Game::SetPlayerName(const std::string &name)
{
    PlayerName() = CleanName(name);
}

bool Game::SetOpponent(int64_t id, const std::string &name, const std::string &email)
{
    if (!email.empty() && !IsPlainAddress(email))
        return false;
    Extra &extra = Extras()[{ RecordPath(), id }];
    extra.opponent = CleanName(name);
    extra.email = email;
    return true;
}

bool Game::SetNotes(int64_t id, const std::string &notes)
{
    Extras()[{ RecordPath(), id }].notes = notes;
    return true;
}

bool Game::EndGame(int64_t id, PlayerEnding ending)
{
    const std::optional<GameView> view = ViewGame(id);
    if (!view)
        return false;
    const bool white = view->localSide == White;
    GameEnding set = GameEnding::DrawAgreed;
    if (ending == PlayerEnding::Resign)
        set = white ? GameEnding::WhiteResigned : GameEnding::BlackResigned;
    else if (ending == PlayerEnding::OpponentResigned)
        set = white ? GameEnding::BlackResigned : GameEnding::WhiteResigned;
    Extra &extra = Extras()[{ RecordPath(), id }];
    extra.ending = set;
    extra.endedOn = view->started;
    return true;
}

bool Game::ReopenGame(int64_t id)
{
    Extras()[{ RecordPath(), id }].ending = GameEnding::None;
    return true;
}

bool Game::DeleteGame(int64_t id)
{
    Deleted().insert({ RecordPath(), id });
    return true;
}

DrawClaim Game::ClaimableDraw() const
{
    const std::optional<int64_t> id = CurrentGameId();
    if (!id || !mRecord)
        return DrawClaim::None;
    GameLine line;
    std::vector<std::string> sans;
    std::string started, result;
    if (!ReadLine(*mRecord, *id, line, sans, started, result))
        return DrawClaim::None;
    if (mTurn.PlayedMove())
        return line.ClaimableDrawAfter(*mTurn.PlayedMove(), mTurn.PlayedPromotion());
    return line.ClaimableDraw();
}

bool Game::ClaimDraw()
{
    const DrawClaim claim = ClaimableDraw();
    const std::optional<int64_t> id = CurrentGameId();
    if (claim == DrawClaim::None || !id)
        return false;
    Extras()[{ RecordPath(), *id }].ending = ClaimEnding(claim);
    Claims()[this] = { msLoadedCode, claim };
    return true;
}

std::string Game::MailSubjectNote() const
{
    const auto claim = Claims().find(this);
    if (claim == Claims().end() || claim->second.first != msLoadedCode
        || claim->second.second == DrawClaim::None)
        return {};
    return " (I claim a draw: " + DrawClaimName(claim->second.second) + ")";
}

std::string Game::OpponentEmail() const
{
    const std::optional<int64_t> id = CurrentGameId();
    if (!id)
        return {};
    return Extras()[{ RecordPath(), *id }].email;
}

} // namespace corvalen
