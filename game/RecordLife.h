#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/TurnRecord.h"

namespace corvalen {

// Something the player is told in a message box, in the order it happened.
struct Notice {
    enum class Kind {
        Information,
        Warning,
        // The position the local player sent: information that also offers to start a new
        // game from it (StartGameFromSameAsSent).
        SameAsSent,
    };
    Kind kind = Kind::Information;
    std::string text;
};

// What the player is to be told, as a fact; NoticeText (the wording) makes the notice of it.
struct Told {
    enum class What {
        RecordUnreadable, // the record could not be opened or read (detail: its error)
        RecordUnwritable, // a write to the record failed (detail: its error)
        OpponentsPiece, // the player dragged a piece of the opponent's
        RecordSays, // what the record tells of a load or a castling move (detail: its words)
    };
    What what = What::RecordSays;
    Notice::Kind kind = Notice::Kind::Information;
    std::string detail;
};

// Opens the record at a path: OpenRecordFile, or a test's own record.
using RecordOpener
    = std::function<std::unique_ptr<TurnRecord>(const std::string &path, std::string &error)>;

// The record's life in one run: switched on and off by the player, opened at need from its
// path, closed for the rest of the turn when it fails (the player told once, as a notice), and
// the keeper of the local player's name. Qt-free.
class RecordLife {
public:
    // path empty: the player's record file (RecordFile()) at the time it is opened.
    explicit RecordLife(std::string path = {}, RecordOpener open = OpenRecordFile);

    // The player's record file, and the options file beside the player's other settings.
    static std::string RecordFile();
    static std::string OptionsFile();
    // Deletes a record file with its companions; false and `error` when it cannot.
    static bool DeleteRecord(const std::string &path, std::string &error);

    std::string Path() const;
    bool On() const { return mbOn; }
    // Off closes the file at once, so that it can be deleted; either way a failure is
    // forgotten, and the record may be tried again.
    void Switch(bool on);

    // The record, opened at need while it is on; nullptr (after a notice) when it cannot be.
    TurnRecord *Open();
    // The record as it is open now while on; nullptr otherwise.
    TurnRecord *Opened() const { return mbOn ? mRecord.get() : nullptr; }
    // The record for a change the player asks for: on, and not failed in this turn.
    TurnRecord *Usable();

    // The record failed: it is closed for the rest of this turn, whatever hangs on it is
    // dropped (WhenDropped), and the player is told.
    void Drop(const std::string &error, bool writing);
    // The outcome of a change: a failure of the record (an error) drops it; nothing to change
    // (no error) is only false.
    bool Changed(bool changed, const std::string &error);
    void WhenDropped(std::function<void()> forget) { mForget = std::move(forget); }

    void Tell(Told told);
    // What the player must be told since the last call, oldest first.
    std::vector<Told> TakeTold();

    // The local player's name for PGN, kept in the record (cleaned: plain text, at most 80
    // characters); empty while the record is off or holds none.
    std::string PlayerName();
    bool SetPlayerName(const std::string &name);
    // Moves a name kept elsewhere before into the record when the record has none yet; true
    // once the record holds a name, so that the other place can forget it.
    bool AdoptPlayerName(const std::string &name);

private:
    std::string msPath;
    RecordOpener mOpen;
    bool mbOn = false;
    bool mbFailed = false; // told already; a change is not tried again in this turn
    std::unique_ptr<TurnRecord> mRecord;
    std::function<void()> mForget;
    std::vector<Told> mTold;
};

} // namespace corvalen
