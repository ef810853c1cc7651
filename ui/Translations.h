#pragma once

class QCoreApplication;

namespace corvalen {

// Installs the program's translation for the desktop's language (QLocale::system(), which reads
// LANGUAGE, LC_ALL, LC_MESSAGES and LANG) from "translations" beside the program, and Qt's own
// translation of its standard buttons. In an English, C or POSIX locale, or a language without a
// translation, nothing is installed and every text stays English.
void InstallTranslations(QCoreApplication &app);

} // namespace corvalen
