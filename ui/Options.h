#pragma once

#include <QString>

namespace corvalen {

// The player's options, kept in an INI file beside the other programs' settings
// ($XDG_CONFIG_HOME/corvalen/corvalen.conf). Reading never creates the file; it is written only
// when the player changes an option. Every option is off until then.
namespace Options {
    // Keep a record of the games (group "record", key "enabled").
    bool RecordEnabled();
    void SetRecordEnabled(bool on);
    // Draw the board with the side to move at the bottom (group "view", key
    // "sideToMoveAtBottom").
    bool SideToMoveAtBottom();
    void SetSideToMoveAtBottom(bool on);
    // The player's name as earlier versions kept it (group "player", key "name"); empty when
    // unset. The record keeps the name now: this one is moved there once, then removed.
    QString FormerPlayerName();
    void RemoveFormerPlayerName();
} // namespace Options

} // namespace corvalen
