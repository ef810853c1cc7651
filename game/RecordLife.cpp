#include "game/RecordLife.h"

#include <utility>

#include "record/Names.h"
#include "record/RecordPaths.h"

namespace corvalen {

RecordLife::RecordLife(std::string path, RecordOpener open)
    : msPath(std::move(path))
    , mOpen(std::move(open))
{
}

std::string RecordLife::RecordFile()
{
    return RecordFilePath();
}

std::string RecordLife::OptionsFile()
{
    return OptionsFilePath();
}

std::optional<Error> RecordLife::DeleteRecord(const std::string &path)
{
    return corvalen::DeleteRecord(path);
}

std::string RecordLife::Path() const
{
    return msPath.empty() ? RecordFilePath() : msPath;
}

void RecordLife::Switch(bool on)
{
    mbOn = on;
    mbFailed = false;
    if (!on)
        mRecord.reset();
}

TurnRecord *RecordLife::Open()
{
    if (!mbOn)
        return nullptr;
    if (!mRecord) {
        Outcome<std::unique_ptr<TurnRecord>> opened = mOpen(Path(), mPlayed);
        if (opened)
            mRecord = std::move(*opened);
        else
            Drop(opened.Why(), false);
    }
    return mRecord.get();
}

TurnRecord *RecordLife::Usable()
{
    return mbOn && (mRecord || !mbFailed) ? Open() : nullptr;
}

void RecordLife::Drop(const Error &error, bool writing)
{
    mRecord.reset();
    if (mForget)
        mForget();
    mbFailed = true;
    Told told = Told::Of(writing ? Told::What::RecordUnwritable : Told::What::RecordUnreadable,
        Notice::Kind::Warning);
    told.error = error;
    Tell(std::move(told));
}

bool RecordLife::Changed(const std::optional<Error> &failed)
{
    if (failed && failed->IsFailure())
        Drop(*failed, true);
    return !failed;
}

void RecordLife::Tell(Told told)
{
    mTold.push_back(std::move(told));
}

std::vector<Told> RecordLife::TakeTold()
{
    return std::exchange(mTold, {});
}

std::string RecordLife::PlayerName()
{
    TurnRecord *record = Usable();
    if (!record)
        return {};
    const Outcome<std::string> name = record->PlayerName();
    if (!name) {
        Drop(name.Why(), false);
        return {};
    }
    return *name;
}

bool RecordLife::SetPlayerName(const std::string &name)
{
    TurnRecord *record = Usable();
    return record && Changed(record->SetPlayerName(CleanName(name)));
}

bool RecordLife::AdoptPlayerName(const std::string &name)
{
    if (!Usable())
        return false;
    return !PlayerName().empty() || (mRecord && SetPlayerName(name));
}

} // namespace corvalen
