#pragma once

#include <functional>
#include <memory>
#include <optional>
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
        RecordUnreadable, // the record could not be opened or read: error
        RecordUnwritable, // a write to the record failed: error
        OpponentsPiece, // the player dragged a piece of the opponent's
        LoadMessage, // what the record found of a load: load
        LostCastling, // the record forbids the castling move: lostCastling
    };
    What what = What::OpponentsPiece;
    Notice::Kind kind = Notice::Kind::Information;
    std::optional<Error> error;
    std::optional<LoadReport> load;
    std::optional<record::LostCastling> lostCastling;

    static Told Of(What what, Notice::Kind kind)
    {
        Told told;
        told.what = what;
        told.kind = kind;
        return told;
    }
};

// Opens the record at a path, knowing the games this run played: OpenRecordFile, or a test's
// own record.
using RecordOpener = std::function<Outcome<std::unique_ptr<TurnRecord>>(
    const std::string &path, std::shared_ptr<record::PlayedGames> played)>;

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
    // Deletes a record file with its companions; the reason when it cannot.
    static std::optional<Error> DeleteRecord(const std::string &path);

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
    void Drop(const Error &error, bool writing);
    // The outcome of a change: a failure of the record drops it; nothing to change is only
    // false.
    bool Changed(const std::optional<Error> &failed);
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
    // The games this run started or sent in, kept while the record is closed and reopened.
    std::shared_ptr<record::PlayedGames> mPlayed = std::make_shared<record::PlayedGames>();
    std::function<void()> mForget;
    std::vector<Told> mTold;
};

} // namespace corvalen
