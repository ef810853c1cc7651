#include "about/frmAbout.h"
#include "ui/ModalAnswers.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

using corvalen::frmAbout;

namespace {

// Writes an executable script that records its own path, its argument count and arguments.
void WriteTool(const QString &file, const QString &record, bool startable = true)
{
    QFile script(file);
    QVERIFY(script.open(QIODevice::WriteOnly));
    if (startable)
        QTextStream(&script) << "#!/bin/sh\nprintf '%s\\n' \"$0\" \"$#\" \"$@\" > '" << record
                             << "'\n";
    else
        script.write("#!/nonexistent/interpreter\n");
    script.close();
    QVERIFY(script.setPermissions(script.permissions() | QFileDevice::ExeOwner));
}

QStringList ReadLines(const QString &file)
{
    QFile record(file);
    return record.open(QIODevice::ReadOnly)
        ? QString::fromUtf8(record.readAll()).split(u'\n', Qt::SkipEmptyParts)
        : QStringList();
}

// Replaces PATH for the lifetime of the guard.
struct PathGuard {
    explicit PathGuard(const QString &path) { qputenv("PATH", path.toLocal8Bit()); }
    ~PathGuard() { qputenv("PATH", mOld); }
    QByteArray mOld = qgetenv("PATH");
};

class UrlCatcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> mlOpened;

public slots:
    void Open(const QUrl &url) { mlOpened.append(url); }
};

} // namespace

class tst_About : public QObject {
    Q_OBJECT

private slots:
    void IsWindowAsDesigned();
    void DoesKeyCloseTheBox();
    void DoesSysInfoStartFirstToolFound_data();
    void DoesSysInfoStartFirstToolFound();
    void DoesWebLinkOpenTheGuide();
    void DoesWebLinkReachTheDesktopOpener();
};

void tst_About::IsWindowAsDesigned()
{
    frmAbout dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("About Chess"));
    QCOMPARE(dialog.size(), QSize(411, 286));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QVERIFY(!(dialog.windowFlags()
        & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint
            | Qt::WindowContextHelpButtonHint)));
    // A label cuts off what does not fit, so the wrapped text must fit the designed height.
    auto *description = dialog.findChild<QLabel *>(QStringLiteral("lblDescription"));
    QVERIFY(description->wordWrap());
    QVERIFY(description->heightForWidth(description->width()) <= description->height());
    auto *web = dialog.findChild<QLabel *>(QStringLiteral("lblWeb"));
    QVERIFY(web->font().bold() && web->font().underline());
    QVERIFY(web->fontMetrics().horizontalAdvance(web->text()) <= web->width());

    const struct {
        const char *name;
        QString text;
        QRect geometry;
        QColor colour;
    } controls[] = {
        { "lblTitle", "Corvalen", { 86, 16, 229, 16 }, Qt::red },
        { "lblVersion", "Version " CORVALEN_TEST_VERSION, { 86, 36, 227, 15 }, Qt::darkBlue },
        { "lblWeb", "Corvalen documentation", { 12, 272, 227, 15 }, Qt::darkBlue },
        { "cmdOK", "OK", { 320, 227, 84, 23 }, {} },
        { "cmdSysInfo", "&System Info...", { 320, 257, 83, 23 }, {} },
        { "picIcon", "", { 32, 16, 36, 36 }, {} },
    };
    for (const auto &[name, text, geometry, colour] : controls) {
        auto *control = dialog.findChild<QWidget *>(QLatin1String(name));
        QVERIFY2(control, name);
        QCOMPARE(control->geometry(), geometry);
        auto *label = qobject_cast<QLabel *>(control);
        QCOMPARE(label ? label->text() : qobject_cast<QPushButton *>(control)->text(), text);
        if (colour.isValid())
            QCOMPARE(control->palette().color(QPalette::WindowText), colour);
    }
#ifdef CORVALEN_TEST_ICON_RESOURCE
    // A resource in a static library is dropped by the linker unless something asks for it.
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("picIcon"))->pixmap().size(), QSize(32, 32));
#endif
}

void tst_About::DoesKeyCloseTheBox()
{
    for (const Qt::Key key : { Qt::Key_Return, Qt::Key_Escape }) {
        frmAbout dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClick(QApplication::focusWidget(), key);
        QVERIFY2(!dialog.isVisible(), qPrintable(QKeySequence(key).toString()));
    }
}

void tst_About::DoesSysInfoStartFirstToolFound_data()
{
    QTest::addColumn<QStringList>("tools");
    QTest::addColumn<bool>("startable");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no tool") << QStringList() << true << QString();
    QTest::newRow("all three") << QStringList { "gnome-system-monitor", "kinfocenter", "hardinfo" }
                               << true << "hardinfo";
    QTest::newRow("kinfocenter first")
        << QStringList { "gnome-system-monitor", "kinfocenter" } << true << "kinfocenter";
    QTest::newRow("gnome-system-monitor")
        << QStringList { "gnome-system-monitor" } << true << "gnome-system-monitor";
    QTest::newRow("cannot be started") << QStringList { "hardinfo" } << false << QString();
}

void tst_About::DoesSysInfoStartFirstToolFound()
{
    QFETCH(QStringList, tools);
    QFETCH(bool, startable);
    QFETCH(QString, expected);

    QTemporaryDir temp;
    // A shell given this path would split it at the blanks and run the part after ';'.
    const QString bin = temp.filePath(QStringLiteral("tools dir;touch injected"));
    QVERIFY(QDir().mkpath(bin));
    const QString record = temp.filePath(QStringLiteral("record"));
    for (const QString &tool : tools)
        WriteTool(bin + u'/' + tool, record, startable);
    PathGuard path(bin);

    frmAbout dialog;
    dialog.show();
    ModalAnswers modals;
    modals.Then(ModalAnswers::PressOk());
    QTest::mouseClick(
        dialog.findChild<QPushButton *>(QStringLiteral("cmdSysInfo")), Qt::LeftButton);
    if (expected.isEmpty()) {
        QCOMPARE(modals.Seen(),
            QStringList(
                { QStringLiteral("Chess|System Information Is Unavailable At This Time") }));
        QVERIFY(dialog.isVisible());
    } else {
        QTRY_COMPARE(
            ReadLines(record), QStringList({ bin + u'/' + expected, QStringLiteral("0") }));
        QCOMPARE(modals.Seen(), QStringList());
    }
    QVERIFY(!QFileInfo::exists(temp.filePath(QStringLiteral("injected"))));
    QVERIFY(!QFileInfo::exists(QStringLiteral("injected")));
}

void tst_About::DoesWebLinkOpenTheGuide()
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "Open");
    frmAbout dialog;
    dialog.show();
    auto *web = dialog.findChild<QLabel *>(QStringLiteral("lblWeb"));
    QTest::mouseClick(web, Qt::RightButton);
    QTest::mouseClick(web, Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));

    QCOMPARE(catcher.mlOpened, QList<QUrl>({ QUrl::fromLocalFile(frmAbout::DocumentationFile()) }));
    QCOMPARE(QFileInfo(frmAbout::DocumentationFile()).fileName(), QStringLiteral("corvalen.html"));
    QVERIFY(dialog.isVisible());
}

// Run by tst_about_desktop under Xvfb: without a desktop environment Qt hands a local file to
// xdg-open, found on the PATH.
void tst_About::DoesWebLinkReachTheDesktopOpener()
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        QSKIP("The offscreen platform opens no links; tst_about_desktop runs this under Xvfb.");
    QTemporaryDir temp;
    const QString opener = temp.filePath(QStringLiteral("xdg-open"));
    const QString record = temp.filePath(QStringLiteral("record"));
    WriteTool(opener, record);
    PathGuard path(temp.path());

    frmAbout dialog;
    dialog.show();
    QTest::mouseClick(dialog.findChild<QLabel *>(QStringLiteral("lblWeb")), Qt::LeftButton);
    const QString url
        = QUrl::fromLocalFile(frmAbout::DocumentationFile()).toString(QUrl::FullyEncoded);
    QTRY_COMPARE(ReadLines(record), QStringList({ opener, QStringLiteral("1"), url }));
    QVERIFY(dialog.isVisible());
}

QTEST_MAIN(tst_About)
#include "tst_about.moc"
