// The player's own changes to the record: names, notes, endings, a game deleted.
#include "record/GameRecord.h"

#include "record/GameRows.h"
#include "record/Sqlite.h"

namespace corvalen {

using namespace record;

std::optional<Error> GameRecord::Change(sqlite::Statement &change)
{
    sqlite::Transaction transaction(*mConnection, true);
    if (transaction.Run(change) && mConnection->Changes() == 0) {
        transaction.Commit();
        return Error::Of(Error::Kind::NothingToChange);
    }
    if (const std::optional<Error> failed = transaction.Commit())
        return Failure(*failed);
    return std::nullopt;
}

std::optional<Error> GameRecord::SetPlayerName(const std::string &name)
{
    sqlite::Statement write = mConnection->Prepare("INSERT INTO setting (name, value) VALUES "
                                                   "(?1, ?2) ON CONFLICT (name) DO UPDATE SET "
                                                   "value = excluded.value");
    write.Bind(PlayerNameSetting, name);
    return Change(write);
}

std::optional<Error> GameRecord::SetOpponent(
    int64_t gameId, const std::string &name, const std::string &email)
{
    sqlite::Statement write = mConnection->Prepare(
        "UPDATE game SET changed_at = CASE WHEN opponent_name IS ?2 AND opponent_email IS ?3 "
        "THEN changed_at ELSE ?4 END, opponent_name = ?2, opponent_email = ?3 WHERE id = ?1");
    write.Bind(gameId, name, email, Now());
    return Change(write);
}

std::optional<Error> GameRecord::SetNotes(int64_t gameId, const std::string &notes)
{
    sqlite::Statement write = mConnection->Prepare("UPDATE game SET changed_at = CASE WHEN notes "
                                                   "IS ?2 THEN changed_at ELSE ?3 END, notes = "
                                                   "?2 WHERE id = ?1");
    write.Bind(gameId, notes, Now());
    return Change(write);
}

std::optional<Error> GameRecord::SetEnding(int64_t gameId, GameEnding ending)
{
    sqlite::Statement write;
    if (ending == GameEnding::None) {
        write = mConnection->Prepare("UPDATE game SET ending = 0, result = ?3, ended_at = NULL, "
                                     "changed_at = ?2 WHERE id = ?1 AND ending != 0");
        write.Bind(gameId, Now(), ResultText(Result::Unfinished));
    } else {
        write = mConnection->Prepare("UPDATE game SET ending = ?2, result = ?3, ended_at = ?4, "
                                     "changed_at = ?4 WHERE id = ?1 AND result = ?5");
        write.Bind(gameId, int64_t(ending), ResultText(EndingResult(ending)), Now(),
            ResultText(Result::Unfinished));
    }
    return Change(write);
}

std::optional<Error> GameRecord::DeleteGame(int64_t gameId)
{
    sqlite::Statement write = mConnection->Prepare("DELETE FROM game WHERE id = ?1");
    write.Bind(gameId);
    return Change(write);
}

} // namespace corvalen
