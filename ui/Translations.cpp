#include "ui/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace corvalen {

void InstallTranslations(QCoreApplication &app)
{
    // The languages the desktop asks for, in order (LANGUAGE first); English has no file.
    const QLocale locale = QLocale::system();
    auto *own = new QTranslator(&app);
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
    if (!own->load(locale, QStringLiteral("corvalen"), QStringLiteral("_"), folder)) {
        delete own;
        return;
    }
    app.installTranslator(own);
    // Only beside a translation of our own: the standard buttons then speak the same language.
    auto *qt = new QTranslator(&app);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(qt);
    else
        delete qt;
}

} // namespace corvalen
