#include "game/Game.h"

#include <utility>

#include "record/Names.h"

namespace corvalen {

Game::Game(std::string recordPath, RecordOpener open)
    : mLife(std::move(recordPath), std::move(open))
    , mTurn(mLife)
    , mDesk(mLife)
{
}

std::string Game::UndoQuestion() const
{
    const std::string sent = mTurn.SentToUndo();
    return sent.empty() ? std::string() : corvalen::UndoQuestion(sent);
}

std::string Game::SendQuestion(std::string &confirm) const
{
    const std::optional<OtherAnswer> other = mTurn.OtherAnswerToSend();
    if (!other)
        return {};
    SendQuestionWords words = corvalen::SendQuestion(other->sent, other->instead);
    confirm = std::move(words.confirm);
    return words.question;
}

std::vector<Notice> Game::TakeNotices()
{
    std::vector<Notice> notices;
    for (const Told &told : mLife.TakeTold())
        notices.push_back({ told.kind, NoticeText(told) });
    return notices;
}

bool Game::SetOpponent(int64_t id, const std::string &name, const std::string &email)
{
    if (!mDesk.SetOpponent(id, name, email))
        return false;
    mTurn.GameChanged(id);
    return true;
}

bool Game::SetTurnOpponent(const std::string &name, const std::string &email)
{
    const std::optional<GivenAddress> given = SplitAddress(email);
    return given && mTurn.SetOpponent(CleanName(name.empty() ? given->name : name), given->address);
}

bool Game::EndGame(int64_t id, PlayerEnding ending)
{
    if (!mDesk.EndGame(id, ending))
        return false;
    mTurn.GameChanged(id);
    return true;
}

bool Game::ReopenGame(int64_t id)
{
    if (!mDesk.ReopenGame(id))
        return false;
    mTurn.GameChanged(id, true);
    return true;
}

bool Game::DeleteGame(int64_t id)
{
    if (!mDesk.DeleteGame(id))
        return false;
    mTurn.GameDeleted(id);
    return true;
}

} // namespace corvalen
