#include "ui/Options.h"

#include <QSettings>

#include "game/Game.h"

namespace corvalen::Options {

namespace {

    constexpr const char *RecordKey = "record/enabled";
    constexpr const char *ViewKey = "view/sideToMoveAtBottom";
    constexpr const char *NameKey = "player/name";

    QSettings Settings()
    {
        return QSettings(QString::fromStdString(Game::OptionsFile()), QSettings::IniFormat);
    }

    bool Read(const char *key)
    {
        return Settings().value(QLatin1String(key), false).toBool();
    }

    void Write(const char *key, bool on)
    {
        // QSettings makes the folder itself; the file holds nothing secret.
        Settings().setValue(QLatin1String(key), on);
    }

} // namespace

bool RecordEnabled()
{
    return Read(RecordKey);
}

void SetRecordEnabled(bool on)
{
    Write(RecordKey, on);
}

bool SideToMoveAtBottom()
{
    return Read(ViewKey);
}

void SetSideToMoveAtBottom(bool on)
{
    Write(ViewKey, on);
}

QString FormerPlayerName()
{
    return Settings().value(QLatin1String(NameKey)).toString();
}

void RemoveFormerPlayerName()
{
    QSettings settings = Settings();
    if (settings.contains(QLatin1String(NameKey)))
        settings.remove(QLatin1String(NameKey));
}

} // namespace corvalen::Options
