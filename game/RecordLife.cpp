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

bool RecordLife::DeleteRecord(const std::string &path, std::string &error)
{
    return corvalen::DeleteRecord(path, error);
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
        std::string error;
        mRecord = mOpen(Path(), error);
        if (!mRecord)
            Drop(error, false);
    }
    return mRecord.get();
}

TurnRecord *RecordLife::Usable()
{
    return mbOn && (mRecord || !mbFailed) ? Open() : nullptr;
}

void RecordLife::Drop(const std::string &error, bool writing)
{
    mRecord.reset();
    if (mForget)
        mForget();
    mbFailed = true;
    Tell({ writing ? Told::What::RecordUnwritable : Told::What::RecordUnreadable,
        Notice::Kind::Warning, error });
}

bool RecordLife::Changed(bool changed, const std::string &error)
{
    if (!changed && !error.empty())
        Drop(error, true);
    return changed;
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
    std::string error;
    const std::optional<std::string> name = record->PlayerName(error);
    if (!name)
        Drop(error, false);
    return name.value_or(std::string());
}

bool RecordLife::SetPlayerName(const std::string &name)
{
    TurnRecord *record = Usable();
    std::string error;
    return record && Changed(record->SetPlayerName(CleanName(name), error), error);
}

bool RecordLife::AdoptPlayerName(const std::string &name)
{
    if (!Usable())
        return false;
    return !PlayerName().empty() || (mRecord && SetPlayerName(name));
}

} // namespace corvalen
