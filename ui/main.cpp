#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <cstdlib>

#include "code/clsDecoder.h"
#include "ui/FontWarmUp.h"
#include "ui/Translations.h"
#include "ui/frmChess.h"

namespace {

void EndOnImpossibleRequest(const char *message)
{
    QMessageBox::critical(nullptr, QCoreApplication::translate("corvalen::frmChess", "Chess"),
        QString::fromUtf8(message));
    std::exit(EXIT_FAILURE);
}

} // namespace

int main(int argc, char *argv[])
{
    corvalen::FontWarmUp fonts;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("corvalen"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/corvalen.png")));
    corvalen::InstallTranslations(app);
    corvalen::SetImpossibleRequestHandler(EndOnImpossibleRequest);

    fonts.Wait();
    corvalen::frmChess window;
    // No code at start-up ends the program at once, without a message.
    if (!window.Form_Load())
        return EXIT_SUCCESS;
    return app.exec();
}
