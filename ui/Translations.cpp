#include "ui/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "rules/Text.h"

namespace corvalen {

namespace {

    // The texts of the layers below the windows, through the translations installed.
    std::string Translate(const char *context, const char *source)
    {
        return QCoreApplication::translate(context, source).toStdString();
    }

} // namespace

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
    SetTranslator(Translate);
    // Only beside a translation of our own: the standard buttons then speak the same language.
    auto *qt = new QTranslator(&app);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(qt);
    else
        delete qt;
}

} // namespace corvalen
